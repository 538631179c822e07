#include "cli/CliSupport.h"

#include "params/ParameterFileCodec.h"
#include "platform/IniDocument.h"
#include "platform/IniFile.h"
#include "platform/Text.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace cli {

namespace {

// A name is close within this many edits, and within half its length.
constexpr std::size_t kCloseEdits = 3;
constexpr const char* kCardFolder = "GSM";

std::size_t editDistance(std::string_view a, std::string_view b)
{
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t up = row[j];
            const bool same = equalIgnoringCase(a.substr(i - 1, 1), b.substr(j - 1, 1));
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (same ? 0 : 1)});
            diagonal = up;
        }
    }
    return row[b.size()];
}

// The options that take a value, and where it goes.
std::optional<std::string>* singleValue(Options& options, const std::string& name)
{
    if (name == "--model")
        return &options.model;
    if (name == "--from")
        return &options.from;
    if (name == "--clock")
        return &options.clock;
    return nullptr;
}

std::vector<std::string>* repeatedValue(Options& options, const std::string& name)
{
    if (name == "--set")
        return &options.sets;
    if (name == "--phone")
        return &options.phones;
    if (name == "--email")
        return &options.emails;
    return nullptr;
}

/// What the letters of the map stand for, for a message about one that is not there.
std::string describeDrives(const DriveMap& drives)
{
    std::string letters;
    for (char letter = DriveMap::kFirstLetter; letter <= DriveMap::kLastLetter; ++letter) {
        const auto root = drives.nativeRoot(letter);
        if (!root)
            continue;
        letters += (letters.empty() ? "" : ", ") + std::string(1, letter);
        if (!std::getenv("KRT_DRIVES"))
            letters += " (" + *root + ")";
    }
    if (std::getenv("KRT_DRIVES"))
        return letters.empty() ? "KRT_DRIVES maps none" : "KRT_DRIVES maps " + letters;
    return letters.empty() ? "no drive is mapped" : "the drives are " + letters;
}

const ModelDescriptor* modelOfFile(const fs::path& path, std::string_view text)
{
    for (const ModelDescriptor& m : ModelCatalogue::all()) {
        if (equalIgnoringCase(m.fileName, path.filename().string()))
            return &m;
    }
    const std::string mark(trimmed(IniDocument(text).read("KRTFileMark", "Model", "", 15)));
    for (const ModelDescriptor& m : ModelCatalogue::all()) {
        if (m.modelValue == mark)
            return &m;
    }
    return nullptr;
}

/// The model files in a folder: one model's, or the names of several.
std::vector<std::pair<fs::path, const ModelDescriptor*>> modelFilesIn(const fs::path& folder,
                                                                      const ModelDescriptor* only)
{
    std::vector<std::pair<fs::path, const ModelDescriptor*>> found;
    std::error_code ec;
    for (const ModelDescriptor& m : ModelCatalogue::all()) {
        if ((!only || &m == only) && fs::is_regular_file(folder / m.fileName, ec))
            found.emplace_back(folder / m.fileName, &m);
    }
    return found;
}

} // namespace

bool parseOptions(const std::vector<std::string>& args, Options& options, std::ostream& err)
{
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            options.help = true;
            continue;
        }
        if (a == "--json" || a == "--yes") {
            (a == "--json" ? options.json : options.yes) = true;
            options.given.insert(a);
            continue;
        }
        auto* single = singleValue(options, a);
        auto* repeated = repeatedValue(options, a);
        if (single || repeated) {
            if (i + 1 >= args.size()) {
                err << "krt-cli: " << a << " needs a value\n";
                return false;
            }
            if (single)
                *single = args[++i];
            else
                repeated->push_back(args[++i]);
            options.given.insert(a);
        } else if (a.size() > 1 && a.front() == '-' && a != "-") {
            err << "krt-cli: unknown option " << a << "\n";
            return false;
        } else {
            options.positional.push_back(a);
        }
    }
    return true;
}

std::vector<std::string> closeNames(std::string_view name, const std::vector<std::string>& candidates)
{
    std::vector<std::string> close;
    const std::string folded = foldedCase(trimmed(name));
    const std::size_t edits = std::min(kCloseEdits, std::max<std::size_t>(1, folded.size() / 2));
    for (const std::string& candidate : candidates) {
        const bool holds = folded.size() >= 2 && foldedCase(candidate).find(folded) != std::string::npos;
        if ((editDistance(trimmed(name), candidate) <= edits || holds) &&
            std::find(close.begin(), close.end(), candidate) == close.end())
            close.push_back(candidate);
    }
    return close;
}

std::string didYouMean(std::string_view name, const std::vector<std::string>& candidates)
{
    const std::vector<std::string> close = closeNames(name, candidates);
    if (close.empty())
        return {};
    std::string text = "; did you mean";
    for (std::size_t i = 0; i < close.size(); ++i)
        text += (i ? ", " : " ") + close[i];
    return text + "?";
}

const ModelDescriptor* findModel(std::string_view name, std::ostream& err)
{
    std::vector<std::string> entries;
    for (const ModelDescriptor& model : ModelCatalogue::all()) {
        if (equalIgnoringCase(model.listEntry, name))
            return &model;
        entries.emplace_back(model.listEntry);
    }
    err << "krt-cli: unknown model \"" << name << "\"" << didYouMean(name, entries)
        << "\n(krt-cli models lists them all)\n";
    return nullptr;
}

bool isEncrypted(const ModelDescriptor& model)
{
    return model.mainDialog == ModelCatalogue::kEncryptedMainDialog;
}

std::optional<char> driveLetterOf(std::string_view text)
{
    if (text.size() < 2 || text.size() > 3 || text[1] != ':' ||
        (text.size() == 3 && text[2] != '\\' && text[2] != '/'))
        return std::nullopt;
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    if (letter < 'A' || letter > 'Z')
        return std::nullopt;
    return letter;
}

std::string targetLabel(const std::string& given)
{
    return given + (given.ends_with(':') ? " " : ": ");
}

TargetOrError findTarget(const DriveMap& drives, const std::string& given, bool folderOnly)
{
    std::error_code ec;
    if (const auto letter = driveLetterOf(given)) {
        const auto root = drives.nativeRoot(*letter);
        if (!root)
            return "no such drive; " + describeDrives(drives);
        if (!fs::is_directory(*root, ec))
            return "no such folder: " + std::string(1, *letter) + ": stands for " + *root;
        return Target{given, *root, letter};
    }
    fs::path path = fs::path(given).lexically_normal();
    if (path.filename().empty() && path.has_parent_path())
        path = path.parent_path();
    if (!fs::exists(path, ec))
        return folderOnly ? "no such folder" : "no such file or folder";
    if (folderOnly && !fs::is_directory(path, ec))
        return "not a folder (a card's folder, mount point or drive letter)";
    return Target{given, path, std::nullopt};
}

std::optional<std::string> readParameterBytes(const fs::path& path)
{
    std::error_code ec;
    if (!fs::is_regular_file(path, ec) || fs::file_size(path, ec) > IniFile::kMaxFileBytes || ec)
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

LoadedOrError loadParameterFile(const DriveMap& drives, const std::string& where,
                                const ModelDescriptor* model)
{
    const TargetOrError target = findTarget(drives, where, false);
    if (const auto* error = std::get_if<std::string>(&target))
        return *error;
    fs::path path = std::get<Target>(target).path;
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        auto found = modelFilesIn(path / kCardFolder, model);
        if (found.empty())
            found = modelFilesIn(path, model);
        if (found.empty())
            return model ? "no " + std::string(model->listEntry) + " file (" + std::string(model->fileName) +
                               ") in it"
                         : std::string("no parameter file of a model in it");
        if (found.size() > 1) {
            std::string names;
            for (const auto& [file, m] : found)
                names += (names.empty() ? "" : ", ") + file.lexically_relative(path).string() + " (" +
                         std::string(m->listEntry) + ")";
            return "holds the files of " + std::to_string(found.size()) + " models, " + names +
                   "; name one with --model";
        }
        path = found.front().first;
        model = found.front().second;
    }
    const auto bytes = readParameterBytes(path);
    if (!bytes)
        return "cannot read " + path.string() + " as a parameter file";
    const bool encoded = equalIgnoringCase(path.extension().string(), ".BIN");
    LoadedFile loaded{path, encoded ? ParameterFileCodec::decode(*bytes) : *bytes, model};
    if (!loaded.model)
        loaded.model = modelOfFile(path, loaded.text);
    if (!loaded.model)
        return "which model is " + path.string() + " for? Name it with --model";
    return loaded;
}

int forEachParameterFile(const Options& options, const Environment& environment, std::ostream& out,
                         std::ostream& err,
                         const std::function<bool(const std::string& target, const LoadedFile& file)>& each)
{
    const ModelDescriptor* model = nullptr;
    if (options.model && !(model = findModel(*options.model, err)))
        return kUsage;
    int status = kOk;
    if (options.json)
        out << "{\"files\": [";
    for (std::size_t i = 0; i < options.positional.size(); ++i) {
        const std::string& target = options.positional[i];
        const LoadedOrError loaded = loadParameterFile(environment.drives(), target, model);
        if (options.json)
            out << (i ? ", " : "");
        if (const auto* file = std::get_if<LoadedFile>(&loaded)) {
            if (!each(target, *file))
                status = kFailure;
            continue;
        }
        const std::string& error = std::get<std::string>(loaded);
        err << "krt-cli: " << targetLabel(target) << error << "\n";
        if (options.json)
            out << "{\"target\": " << jsonString(target) << ", \"error\": " << jsonString(error) << "}";
        status = kFailure;
    }
    if (options.json)
        out << "]}\n";
    return status;
}

std::string problemText(const FileProblem& problem)
{
    std::string text = "[" + problem.section + "] ";
    if (!problem.key.empty())
        text += problem.key + (problem.missing ? "" : "=" + problem.value) + ": ";
    return text + problem.text;
}

std::string jsonString(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", u);
            out += buf;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

MessageAnswer CliMessages::show(const Message& message)
{
    m_err << "krt-cli: " << message.text;
    if (!message.detail.empty())
        m_err << " (" << message.detail << ")";
    m_err << "\n";
    if (message.buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return m_yes ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

} // namespace cli
