#include "platform/FileSystem.h"

#include "platform/DosAttributes.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <cstring>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

bool statPath(const std::string& path, struct stat& st)
{
    return ::lstat(path.c_str(), &st) == 0;
}

bool hasNoWriteBits(const struct stat& st)
{
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

std::string parentOf(const std::string& path)
{
    const std::filesystem::path p(path);
    std::string parent = p.parent_path().string();
    return parent.empty() ? std::string(".") : parent;
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

bool hasDriveLetter(std::string_view path)
{
    return path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]));
}

std::optional<std::string> realPath(const std::string& path)
{
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved)
        return std::nullopt;
    std::string out(resolved);
    std::free(resolved);
    return out;
}

bool isInside(const std::string& path, const std::string& folder)
{
    if (folder == "/")
        return true;
    return path == folder || (path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 &&
                              path[folder.size()] == '/');
}

// A card may hold links to anywhere; the tool acts only below the folder the
// drive letter stands for. Every existing link on the way is resolved, and a
// path that leaves the root, or climbs with "..", is not the drive's.
bool staysBelow(const std::string& root, std::string_view rest)
{
    const std::optional<std::string> realRoot = realPath(root);
    if (!realRoot)
        return true; // nothing of the drive exists to escape from; operations fail on their own
    std::string current = root;
    while (!rest.empty()) {
        const size_t slash = rest.find('/');
        const std::string_view part = rest.substr(0, slash);
        rest = slash == std::string_view::npos ? std::string_view{} : rest.substr(slash + 1);
        if (part.empty() || part == ".")
            continue;
        if (part == "..")
            return false;
        current += '/';
        current += part;
        struct stat st{};
        if (::lstat(current.c_str(), &st) != 0)
            return true; // what does not exist yet cannot lead elsewhere
        if (S_ISLNK(st.st_mode)) {
            const std::optional<std::string> target = realPath(current);
            if (!target || !isInside(*target, *realRoot))
                return false;
        }
    }
    return true;
}

// The name of a save's temporary file: hidden, and recognisable so that one
// left by a save that never finished can be removed later.
constexpr std::string_view kTempPrefix = ".krt-save-";
constexpr std::string_view kTempSuffix = ".tmp";
constexpr std::size_t kTempUniqueLength = 6;

bool isAlnum(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
}

bool isSaveTemporaryName(std::string_view name)
{
    if (name.size() != kTempPrefix.size() + kTempUniqueLength + kTempSuffix.size() || !name.starts_with(kTempPrefix) ||
        !name.ends_with(kTempSuffix))
        return false;
    const std::string_view unique = name.substr(kTempPrefix.size(), kTempUniqueLength);
    return std::all_of(unique.begin(), unique.end(), isAlnum);
}

void syncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    (void)::fsync(fd);
    ::close(fd);
}

} // namespace

FileSystem::FileSystem(const DriveMap& drives) : m_drives(drives) {}

std::optional<std::string> FileSystem::nativePath(std::string_view path) const
{
    std::optional<std::string> native = m_drives.toNative(path);
    // A trailing separator would make "E:\GSM\" and "E:\GSM" different names.
    while (native && native->size() > 1 && native->back() == '/')
        native->pop_back();
    if (!native || !hasDriveLetter(path))
        return native;
    const std::optional<std::string> root = m_drives.nativeRoot(path[0]);
    if (!root || !staysBelow(*root, native->substr(std::min(native->size(), root->size()))))
        return std::nullopt;
    return native;
}

bool FileSystem::exists(std::string_view path) const
{
    const auto native = nativePath(path);
    struct stat st{};
    return native && statPath(*native, st);
}

bool FileSystem::isDirectory(std::string_view path) const
{
    const auto native = nativePath(path);
    struct stat st{};
    return native && ::stat(native->c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool FileSystem::isFile(std::string_view path) const
{
    const auto native = nativePath(path);
    struct stat st{};
    return native && ::stat(native->c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool FileSystem::fail(std::string reason) const
{
    m_lastError = std::move(reason);
    return false;
}

bool FileSystem::failWithErrno() const
{
    return fail(std::strerror(errno));
}

std::optional<std::string> FileSystem::nativeOrFail(std::string_view path) const
{
    auto native = nativePath(path);
    if (native)
        return native;
    if (hasDriveLetter(path) && !m_drives.nativeRoot(path[0]))
        fail("no drive " + std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(path[0])))) +
             ":");
    else
        fail("the path leads out of the folder of its drive");
    return std::nullopt;
}

bool FileSystem::createDirectory(std::string_view path)
{
    const auto native = nativeOrFail(path);
    if (!native)
        return false;
    return ::mkdir(native->c_str(), 0777) == 0 || failWithErrno();
}

bool FileSystem::removeDirectory(std::string_view path)
{
    const auto native = nativePath(path);
    return native && ::rmdir(native->c_str()) == 0;
}

std::vector<std::string> FileSystem::list(std::string_view path) const
{
    std::vector<std::string> names;
    const auto native = nativePath(path);
    if (!native)
        return names;
    DIR* dir = ::opendir(native->c_str());
    if (!dir)
        return names;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

bool FileSystem::deleteFile(std::string_view path)
{
    const auto native = nativeOrFail(path);
    struct stat st{};
    if (!native)
        return false;
    if (!statPath(*native, st))
        return failWithErrno();
    if (S_ISDIR(st.st_mode))
        return fail("it is a folder");
    if (hasNoWriteBits(st))
        return fail("the file is read-only");
    return ::unlink(native->c_str()) == 0 || failWithErrno();
}

bool FileSystem::rename(std::string_view from, std::string_view to)
{
    const auto src = nativeOrFail(from);
    const auto dst = src ? nativeOrFail(to) : std::nullopt;
    struct stat st{};
    struct stat target{};
    if (!src || !dst)
        return false;
    if (!statPath(*src, st))
        return failWithErrno();
    if (statPath(*dst, target))
        return fail("the new name is taken");
    if (!S_ISDIR(st.st_mode) && hasNoWriteBits(st))
        return fail("the file is read-only");
    return ::rename(src->c_str(), dst->c_str()) == 0 || failWithErrno();
}

bool FileSystem::replace(std::string_view from, std::string_view to)
{
    const auto src = nativeOrFail(from);
    const auto dst = src ? nativeOrFail(to) : std::nullopt;
    struct stat st{};
    struct stat target{};
    if (!src || !dst)
        return false;
    if (!statPath(*src, st))
        return failWithErrno();
    if (!S_ISREG(st.st_mode))
        return fail("it is not a file");
    if (statPath(*dst, target)) {
        if (!S_ISREG(target.st_mode))
            return fail("something other than a file stands there");
        if (hasNoWriteBits(target))
            return fail("the file is read-only");
    }
    if (::rename(src->c_str(), dst->c_str()) != 0)
        return failWithErrno();
    syncFolder(parentOf(*dst));
    return true;
}

namespace {

// Opening a FIFO or a device waits for a writer or the hardware, and a link
// may lead off the drive: only a regular file is opened, and the open itself
// cannot block. -1 when the path is anything else.
int openRegularFile(const std::string& native, struct stat& st)
{
    if (!statPath(native, st) || !S_ISREG(st.st_mode))
        return -1;
    const int fd = ::open(native.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return -1;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Up to `limit` bytes; nothing when more are there and `wholeOnly` is set.
std::optional<std::string> readUpTo(int fd, std::size_t limit, bool wholeOnly)
{
    std::string bytes;
    char buf[65536];
    for (;;) {
        const std::size_t room = limit - bytes.size();
        const std::size_t ask = wholeOnly ? sizeof buf : std::min(sizeof buf, room);
        if (ask == 0)
            break;
        const ssize_t n = ::read(fd, buf, ask);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 || (wholeOnly && static_cast<size_t>(n) > room))
            return std::nullopt; // a read error, or the file grew past the limit while it was read
        if (n == 0)
            break;
        bytes.append(buf, static_cast<size_t>(n));
    }
    return bytes;
}

} // namespace

std::optional<std::string> FileSystem::readFile(std::string_view path, std::size_t maxBytes) const
{
    const auto native = nativePath(path);
    struct stat st{};
    const int fd = native ? openRegularFile(*native, st) : -1;
    if (fd < 0)
        return std::nullopt;
    std::optional<std::string> bytes;
    if (static_cast<std::uintmax_t>(st.st_size) <= maxBytes)
        bytes = readUpTo(fd, maxBytes, true);
    ::close(fd);
    return bytes;
}

std::optional<std::string> FileSystem::readFileHead(std::string_view path, std::size_t maxBytes) const
{
    const auto native = nativePath(path);
    struct stat st{};
    const int fd = native ? openRegularFile(*native, st) : -1;
    if (fd < 0)
        return std::nullopt;
    std::optional<std::string> bytes = readUpTo(fd, maxBytes, false);
    ::close(fd);
    return bytes;
}

bool FileSystem::canReplace(std::string_view path) const
{
    const auto native = nativeOrFail(path);
    struct stat st{};
    if (!native)
        return false;
    if (!statPath(*native, st))
        return true;
    if (!S_ISREG(st.st_mode))
        return fail("something other than a file stands there");
    if (hasNoWriteBits(st))
        return fail("the file is read-only");
    return true;
}

bool FileSystem::writeFile(std::string_view path, std::string_view bytes)
{
    if (!canReplace(path))
        return false;
    const auto native = nativePath(path);
    struct stat st{};
    const bool existed = statPath(*native, st);

    const std::string folder = parentOf(*native);
    std::string tmpl = folder + "/" + std::string(kTempPrefix) + std::string(kTempUniqueLength, 'X') +
                       std::string(kTempSuffix);
    const int fd = ::mkstemps(tmpl.data(), static_cast<int>(kTempSuffix.size()));
    if (fd < 0)
        return errno == ENOENT ? fail("the folder does not exist") : failWithErrno();
    DosAttributes::write(tmpl, FileAttribute::Hidden);
    const mode_t mode = existed ? (st.st_mode & 07777) : [] {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return static_cast<mode_t>(0666 & ~mask);
    }();
    const bool ok = writeAll(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    const int writeErrno = errno;
    ::close(fd);
    // The hidden and system marks belong to the file, not to its bytes.
    const unsigned dosBits = existed ? DosAttributes::read(*native) : 0;
    if (!ok || ::rename(tmpl.c_str(), native->c_str()) != 0) {
        const int reason = ok ? errno : writeErrno;
        ::unlink(tmpl.c_str());
        return fail(std::strerror(reason));
    }
    // The new file takes the old file's marks, not the temporary's hidden one.
    DosAttributes::write(*native, dosBits);
    syncFolder(folder);
    return true;
}

void FileSystem::removeSaveTemporaries(std::string_view folder)
{
    const auto native = nativePath(folder);
    if (!native)
        return;
    for (const std::string& name : list(folder)) {
        if (!isSaveTemporaryName(name))
            continue;
        const std::string path = *native + "/" + name;
        struct stat st{};
        if (statPath(path, st) && S_ISREG(st.st_mode))
            ::unlink(path.c_str());
    }
}

bool FileSystem::isSameFile(std::string_view a, std::string_view b) const
{
    const auto first = nativePath(a);
    const auto second = nativePath(b);
    struct stat x{};
    struct stat y{};
    return first && second && statPath(*first, x) && statPath(*second, y) && x.st_dev == y.st_dev &&
           x.st_ino == y.st_ino;
}

std::optional<unsigned> FileSystem::attributes(std::string_view path) const
{
    const auto native = nativePath(path);
    struct stat st{};
    if (!native || !statPath(*native, st))
        return std::nullopt;
    unsigned attrs = S_ISDIR(st.st_mode) ? FileAttribute::Directory : FileAttribute::Archive;
    if (hasNoWriteBits(st))
        attrs |= FileAttribute::ReadOnly;
    attrs |= DosAttributes::read(*native);
    return attrs;
}

bool FileSystem::setAttributes(std::string_view path, unsigned attributes)
{
    const auto native = nativePath(path);
    struct stat st{};
    // Attribute changes never follow a link: they would change the file it
    // points to, which may lie anywhere.
    if (!native || !statPath(*native, st) || S_ISLNK(st.st_mode))
        return false;
    mode_t mode = st.st_mode & 07777;
    if (attributes & FileAttribute::ReadOnly)
        mode &= ~static_cast<mode_t>(S_IWUSR | S_IWGRP | S_IWOTH);
    else if (hasNoWriteBits(st))
        mode |= S_IWUSR;
    if (mode != (st.st_mode & 07777) && ::chmod(native->c_str(), mode) != 0)
        return false;
    DosAttributes::write(*native, attributes);
    return true;
}

bool FileSystem::isReadOnly(std::string_view path) const
{
    const auto attrs = attributes(path);
    return attrs && (*attrs & FileAttribute::ReadOnly);
}

bool FileSystem::isSymbolicLink(std::string_view path) const
{
    const auto native = nativePath(path);
    struct stat st{};
    return native && statPath(*native, st) && S_ISLNK(st.st_mode);
}

std::optional<std::uintmax_t> FileSystem::freeSpace(std::string_view path) const
{
    const auto native = nativePath(path);
    struct statvfs fs{};
    if (!native || ::statvfs(native->c_str(), &fs) != 0)
        return std::nullopt;
    return static_cast<std::uintmax_t>(fs.f_bavail) * fs.f_frsize;
}

bool FileSystem::setExecutable(std::string_view path)
{
    const auto native = nativePath(path);
    struct stat st{};
    if (!native || !statPath(*native, st) || !S_ISREG(st.st_mode))
        return false;
    return ::chmod(native->c_str(), (st.st_mode & 07777) | S_IXUSR) == 0;
}
