#include "platform/DriveMap.h"

#include "platform/Text.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <dirent.h>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

// mountinfo escapes blanks, tabs, newlines and backslashes as \ooo.
std::string unescapeMountField(std::string_view field)
{
    std::string out;
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const std::string_view oct = field.substr(i + 1, 3);
            if (oct.size() == 3 && std::all_of(oct.begin(), oct.end(), [](char c) { return c >= '0' && c <= '7'; })) {
                out.push_back(static_cast<char>(((oct[0] - '0') << 6) | ((oct[1] - '0') << 3) | (oct[2] - '0')));
                i += 3;
                continue;
            }
        }
        out.push_back(field[i]);
    }
    return out;
}

bool isBelow(const std::string& path, std::string_view prefix)
{
    return path.size() > prefix.size() && path.compare(0, prefix.size(), prefix) == 0;
}

// A camera formats its card FAT32 (or exFAT beyond 32 GB); a network share,
// a system disk or an ISO image under /mnt is no camera's card.
bool isCardFileSystem(std::string_view type)
{
    static constexpr std::string_view kTypes[] = {"vfat", "msdos", "exfat", "fuse.exfat", "fuseblk.exfat"};
    return std::find(std::begin(kTypes), std::end(kTypes), type) != std::end(kTypes);
}

// exfat-fuse and ntfs-3g both mount as plain "fuseblk": only the device
// itself tells an exFAT card from a Windows disk.
std::string mountedFileSystem(const std::string& type, const std::string& source, const VolumeTypeProbe& probe)
{
    if (type != "fuseblk" || !probe)
        return type;
    const std::string probed = probe(source);
    return probed == "exfat" || probed == "vfat" || probed == "msdos" ? probed : type;
}

std::filesystem::path ownFolder()
{
    std::filesystem::path dataHome;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        dataHome = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        dataHome = std::filesystem::path(home) / ".local" / "share";
    else
        dataHome = std::filesystem::temp_directory_path();
    const std::filesystem::path driveC = dataHome / "krt-config" / "drive_c";
    std::error_code ec;
    std::filesystem::create_directories(driveC, ec);
    return driveC;
}

bool hasOption(std::string_view options, std::string_view option)
{
    while (!options.empty()) {
        const size_t comma = options.find(',');
        if (options.substr(0, comma) == option)
            return true;
        options = comma == std::string_view::npos ? std::string_view{} : options.substr(comma + 1);
    }
    return false;
}

} // namespace

int DriveMap::slot(char letter)
{
    const char up = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    if (up < kFirstLetter || up > kLastLetter)
        return -1;
    return up - kFirstLetter;
}

DriveMap DriveMap::fromVariable(std::string_view text, std::vector<std::string>* problems)
{
    DriveMap map;
    auto leaveOut = [problems](std::string_view entry, const char* why) {
        if (problems)
            problems->push_back("KRT_DRIVES: \"" + std::string(entry) + "\" left out: " + why);
    };
    while (!text.empty()) {
        const size_t end = text.find(';');
        const std::string_view entry = trimmed(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (entry.empty())
            continue;

        const size_t eq = entry.find('=');
        if (eq == std::string_view::npos) {
            leaveOut(entry, "an entry is LETTER=FOLDER, such as E=/media/me/CARD");
            continue;
        }
        std::string_view letter = trimmed(entry.substr(0, eq));
        if (letter.size() == 2 && letter[1] == ':')
            letter.remove_suffix(1);
        const std::string_view path = trimmed(entry.substr(eq + 1));
        if (letter.size() != 1 || slot(letter[0]) < 0) {
            leaveOut(entry, "the drive is one letter from C to Z");
            continue;
        }
        if (path.empty()) {
            leaveOut(entry, "no folder after the \"=\"");
            continue;
        }
        map.set(letter[0], std::string(path));
    }
    return map;
}

std::vector<std::string> DriveMap::removableMountPoints(std::string_view mountinfo, const VolumeTypeProbe& probe)
{
    struct Volume
    {
        std::string point;
        std::string source; // device and the folder of the volume mounted here
    };
    std::vector<Volume> volumes;
    std::istringstream lines{std::string(mountinfo)};
    std::string line;
    while (std::getline(lines, line)) {
        // mount ID, parent ID, major:minor, root, mount point, mount options,
        // optional fields, "-", file system type, source, super options
        std::istringstream in(line);
        std::vector<std::string> fields;
        for (std::string field; in >> field;)
            fields.push_back(std::move(field));
        const auto dash = std::find(fields.begin(), fields.end(), "-");
        if (fields.size() < 6 || dash == fields.end() || fields.end() - dash < 4 || dash - fields.begin() < 6)
            continue;
        std::string point = unescapeMountField(fields[4]);
        if (!isBelow(point, "/media/") && !isBelow(point, "/run/media/") && !isBelow(point, "/mnt/"))
            continue;
        if (!hasOption(fields[5], "rw") || hasOption(dash[3], "ro"))
            continue;
        if (!isCardFileSystem(mountedFileSystem(dash[1], unescapeMountField(dash[2]), probe)))
            continue;
        volumes.push_back({std::move(point), fields[2] + " " + unescapeMountField(fields[3])});
    }
    std::sort(volumes.begin(), volumes.end(), [](const Volume& a, const Volume& b) { return a.point < b.point; });

    // One letter per volume: the same card mounted twice, or bound to a
    // second place, would otherwise show as two drives, and a save to one
    // would be removed again through the other.
    std::vector<std::string> points;
    std::vector<std::string> seen;
    for (Volume& volume : volumes) {
        if (std::find(seen.begin(), seen.end(), volume.source) != seen.end())
            continue;
        seen.push_back(volume.source);
        points.push_back(std::move(volume.point));
    }
    return points;
}

DriveMap DriveMap::automatic(const std::string& driveC, const std::vector<std::string>& volumes)
{
    DriveMap map;
    map.m_automatic = true;
    map.set('C', driveC);
    map.rescan(volumes);
    return map;
}

void DriveMap::rescan(const std::vector<std::string>& volumes)
{
    if (!m_automatic)
        return;
    const size_t firstVolume = static_cast<size_t>(slot('D'));
    for (size_t i = firstVolume; i < m_roots.size(); ++i) {
        if (std::find(volumes.begin(), volumes.end(), m_roots[i]) == volumes.end())
            m_roots[i].clear();
    }
    for (const std::string& volume : volumes) {
        if (std::find(m_roots.begin() + static_cast<std::ptrdiff_t>(firstVolume), m_roots.end(), volume) !=
            m_roots.end())
            continue;
        const auto free = std::find(m_roots.begin() + static_cast<std::ptrdiff_t>(firstVolume), m_roots.end(),
                                    std::string());
        if (free == m_roots.end())
            break;
        *free = volume;
    }
}

void DriveMap::rescanSystem()
{
    if (!m_automatic)
        return;
    std::ifstream in("/proc/self/mountinfo");
    std::stringstream text;
    text << in.rdbuf();
    rescan(removableMountPoints(text.str()));
}

DriveMap DriveMap::fromEnvironment()
{
    if (const char* value = std::getenv("KRT_DRIVES"); value && *value) {
        std::vector<std::string> problems;
        DriveMap map = fromVariable(value, &problems);
        map.m_problems = std::move(problems);
        // Without C: there is no backup copy and no staging folder: SAVE
        // would report success with nothing kept on the PC.
        if (!map.nativeRoot('C'))
            map.set('C', ownFolder().string());
        return map;
    }
    DriveMap map = automatic(ownFolder().string(), {});
    map.rescanSystem();
    return map;
}

void DriveMap::set(char letter, std::string nativeDir)
{
    const int i = slot(letter);
    if (i >= 0)
        m_roots[static_cast<size_t>(i)] = std::move(nativeDir);
}

std::optional<std::string> DriveMap::nativeRoot(char letter) const
{
    const int i = slot(letter);
    if (i < 0 || m_roots[static_cast<size_t>(i)].empty())
        return std::nullopt;
    return m_roots[static_cast<size_t>(i)];
}

std::optional<std::string> DriveMap::toNative(std::string_view path) const
{
    const bool hasDrive = path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]));
    if (!hasDrive)
        return std::string(path);
    const std::optional<std::string> root = nativeRoot(path[0]);
    if (!root)
        return std::nullopt;

    std::string rest(path.substr(2));
    std::replace(rest.begin(), rest.end(), '\\', '/');
    while (!rest.empty() && rest.front() == '/')
        rest.erase(rest.begin());
    std::string native = *root;
    if (rest.empty())
        return native;
    if (native.empty() || native.back() != '/')
        native.push_back('/');
    return native + rest;
}

bool DriveMap::isUsable(char letter) const
{
    const std::optional<std::string> root = nativeRoot(letter);
    if (!root)
        return false;
    DIR* dir = ::opendir(root->c_str());
    if (!dir)
        return false;
    ::closedir(dir);
    return true;
}
