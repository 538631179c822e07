#include "cli/CliApp.h"

#include "app/AppContext.h"
#include "camera/CameraDefaults.h"
#include "camera/CameraDialogBindings.h"
#include "camera/CameraLayoutKeys.h"
#include "models/CameraDialogLists.h"
#include "models/ModelCatalogue.h"
#include "params/MainParaCore.h"
#include "params/ParameterFileCodec.h"
#include "platform/IniDocument.h"
#include "platform/IniFile.h"
#include "platform/Text.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>

namespace fs = std::filesystem;

namespace {

constexpr int kOk = 0;
constexpr int kFailure = 1;
constexpr int kUsage = 2;

constexpr const char* kCameraSection = "Camera Setting";

const char* const kOverview = R"(usage: krt-cli <command> [<args>]

Commands:
  models                 the thirty camera models and what their files hold
  show <card|file>       a parameter file as a readable listing
  check <file>           every value checked against the model's lists
  write <model> <target>...
                         writes the model's parameter file to cards
  decode <file.BIN> [<out>]
                         an encoded parameter file as plain text
  encode <file> <out.BIN>
                         plain parameter text into an encoded file
  help [<command>]       this text, or the help of one command

Run 'krt-cli <command> --help' for the options of a command.
)";

const std::map<std::string, std::string> kCommandHelp{
    {"models", "usage: krt-cli models\n\nLists the models as the selection list names them, with their file name,\n"
               "camera layout, main dialog (plain or encrypted file) and whether their file has\n"
               "an FTP section, an SMTP security option and a game-call sound.\n"},
    {"show", "usage: krt-cli show <card-folder-or-file> [--model <model>] [--json]\n\n"
             "Prints the parameter file (\".TXT\", or \".BIN\" decoded in memory) section by\n"
             "section; camera keys also show the item the model's dialog shows for them.\n"
             "A card folder (or its GSM folder) is searched for the model's file.\n"},
    {"check", "usage: krt-cli check <card-folder-or-file> [--model <model>]\n\n"
              "Checks every value against the model's layout and lists: unknown keys,\n"
              "missing keys, positions outside the list. One line per problem; exit 1 when\n"
              "there is any.\n"},
    {"write", "usage: krt-cli write <model> <target>... [--from <profile>] [--set \"Section/Key=value\"]...\n"
              "                     [--phone <number>]... [--email <address>]...\n"
              "                     [--clock now|YYYY-MM-DDTHH:MM:SS] [--yes]\n\n"
              "Writes the model's parameter file into each target (a drive letter such as E:,\n"
              "a card folder or a mount point), starting from the model's defaults or from a\n"
              "profile (a parameter file saved earlier, any model of the same layout). Values\n"
              "are checked before anything is written. An existing file is replaced only with\n"
              "--yes. The backup copy on the PC is written as the desktop tool does.\n"},
    {"decode", "usage: krt-cli decode <file.BIN> [<out>]\n\nWrites the plain text of an encoded "
               "parameter file to <out>, or prints it.\n"},
    {"encode", "usage: krt-cli encode <file> <out.BIN>\n\nEncodes plain parameter text into an encoded "
               "parameter file.\n"},
    {"help", "usage: krt-cli help [<command>]\n"},
};

struct Options
{
    std::vector<std::string> positional;
    std::optional<std::string> model;
    std::optional<std::string> from;
    std::optional<std::string> clock;
    std::vector<std::string> sets;
    std::vector<std::string> phones;
    std::vector<std::string> emails;
    bool json = false;
    bool yes = false;
    bool help = false;
};

/// Parses the options every command may take; false with a message on a
/// usage error.
bool parseOptions(const std::vector<std::string>& args, Options& options, std::ostream& err)
{
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= args.size()) {
                err << "krt-cli: " << a << " needs a value\n";
                return false;
            }
            into = args[++i];
            return true;
        };
        std::string v;
        if (a == "--help" || a == "-h") {
            options.help = true;
        } else if (a == "--json") {
            options.json = true;
        } else if (a == "--yes") {
            options.yes = true;
        } else if (a == "--model" || a == "--from" || a == "--clock" || a == "--set" || a == "--phone" ||
                   a == "--email") {
            if (!value(v))
                return false;
            if (a == "--model")
                options.model = v;
            else if (a == "--from")
                options.from = v;
            else if (a == "--clock")
                options.clock = v;
            else if (a == "--set")
                options.sets.push_back(v);
            else if (a == "--phone")
                options.phones.push_back(v);
            else
                options.emails.push_back(v);
        } else if (a.size() > 1 && a.front() == '-' && a != "-") {
            err << "krt-cli: unknown option " << a << "\n";
            return false;
        } else {
            options.positional.push_back(a);
        }
    }
    return true;
}

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

/// The model a name stands for, compared without regard to case; an
/// unknown name is reported with the names close to it.
const ModelDescriptor* findModel(std::string_view name, std::ostream& err)
{
    for (const ModelDescriptor& model : ModelCatalogue::all()) {
        if (equalIgnoringCase(model.listEntry, name))
            return &model;
    }
    err << "krt-cli: unknown model \"" << name << "\"";
    std::vector<std::string_view> close;
    const std::string folded = foldedCase(name);
    for (const ModelDescriptor& model : ModelCatalogue::all()) {
        const std::string entry = foldedCase(model.listEntry);
        if (editDistance(name, model.listEntry) <= 3 || (!folded.empty() && entry.find(folded) != std::string::npos))
            close.push_back(model.listEntry);
    }
    if (!close.empty()) {
        err << "; did you mean:";
        for (std::size_t i = 0; i < close.size(); ++i)
            err << (i ? ", " : " ") << close[i];
    }
    err << "\n(krt-cli models lists them all)\n";
    return nullptr;
}

bool isEncodedName(const fs::path& path)
{
    return equalIgnoringCase(path.extension().string(), ".BIN");
}

std::optional<std::string> readWhole(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

struct LoadedFile
{
    fs::path path;
    std::string text;
    const ModelDescriptor* model = nullptr;
};

/// Finds the parameter file (a file, or a card folder holding the model's
/// file in GSM), decodes an encoded one, and works out its model.
std::optional<LoadedFile> loadParameterFile(const std::string& where, const std::optional<std::string>& modelName,
                                            std::ostream& err)
{
    const ModelDescriptor* model = nullptr;
    if (modelName && !(model = findModel(*modelName, err)))
        return std::nullopt;
    fs::path path = where;
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        std::vector<fs::path> folders{path / "GSM", path};
        std::optional<fs::path> found;
        for (const fs::path& folder : folders) {
            for (const ModelDescriptor& m : ModelCatalogue::all()) {
                if ((model && &m != model) || !fs::is_regular_file(folder / m.fileName, ec))
                    continue;
                found = folder / m.fileName;
                model = &m;
                break;
            }
            if (found)
                break;
        }
        if (!found) {
            err << "krt-cli: no parameter file" << (model ? " of " + std::string(model->listEntry) : std::string())
                << " in " << where << "\n";
            return std::nullopt;
        }
        path = *found;
    }
    const auto bytes = readWhole(path);
    if (!bytes || bytes->size() > IniFile::kMaxFileBytes) {
        err << "krt-cli: cannot read " << path.string() << " as a parameter file\n";
        return std::nullopt;
    }
    LoadedFile loaded{path, isEncodedName(path) ? ParameterFileCodec::decode(*bytes) : *bytes, model};
    if (!loaded.model) {
        for (const ModelDescriptor& m : ModelCatalogue::all()) {
            if (equalIgnoringCase(m.fileName, path.filename().string()))
                loaded.model = &m;
        }
    }
    if (!loaded.model) {
        const std::string mark = std::string(trimmed(IniDocument(loaded.text).read("KRTFileMark", "Model", "", 15)));
        for (const ModelDescriptor& m : ModelCatalogue::all()) {
            if (m.modelValue == mark)
                loaded.model = &m;
        }
    }
    if (!loaded.model) {
        err << "krt-cli: which model is " << path.string() << " for? Name it with --model\n";
        return std::nullopt;
    }
    return loaded;
}

std::optional<CameraKey> cameraKeyNamed(std::string_view name)
{
    for (std::size_t i = 0; i < kCameraKeyCount; ++i) {
        const auto key = static_cast<CameraKey>(i);
        if (equalIgnoringCase(cameraKeyName(key), trimmed(name)))
            return key;
    }
    return std::nullopt;
}

std::optional<int> toInt(std::string_view text)
{
    text = trimmed(text);
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

/// What the model's dialog shows for a camera key's stored value; nothing
/// for a key that no list edits.
std::optional<std::string> itemFor(const ModelDescriptor& model, CameraKey key, std::string_view stored)
{
    const auto list = CameraDialogBindings::listFor(model.cameraDialog, key);
    if (!list)
        return std::nullopt;
    if (trimmed(stored).empty() || stored == "-1")
        return std::string("not set");
    const auto value = toInt(stored);
    if (!value)
        return std::string("not a number");
    const std::vector<std::string> items = CameraDialogLists::modelItems(model, *list);
    int position = *value - CameraDialogBindings::offsetOf(key);
    if (key == CameraKey::MaxNumber)
        position = std::min(*value, 100);
    if (position < 0 || position >= static_cast<int>(items.size()))
        return std::string("not in the list");
    return std::string(trimmed(items[static_cast<std::size_t>(position)]));
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

int commandModels(std::ostream& out)
{
    static constexpr const char* kLayouts[] = {"A", "B", "B-enc", "C", "D", "E"};
    out << std::left << std::setw(15) << "model" << std::setw(20) << "file" << std::setw(8) << "layout"
        << std::setw(11) << "file kind" << "FTP SMTP-option game-call\n";
    for (const ModelDescriptor& m : ModelCatalogue::all()) {
        out << std::setw(15) << m.listEntry << std::setw(20) << m.fileName << std::setw(8)
            << kLayouts[static_cast<int>(m.cameraLayout)] << std::setw(11)
            << (m.mainDialog == ModelCatalogue::kEncryptedMainDialog ? "encrypted" : "plain")
            << std::setw(4) << (m.hasFtpSection ? "yes" : "no") << std::setw(12)
            << (m.hasSmtpSecurity ? "yes" : "no") << (m.hasGameCallAudio ? "yes" : "no") << "\n";
    }
    return kOk;
}

int commandShow(const Options& options, std::ostream& out, std::ostream& err)
{
    if (options.positional.size() != 1) {
        err << kCommandHelp.at("show");
        return kUsage;
    }
    const auto loaded = loadParameterFile(options.positional[0], options.model, err);
    if (!loaded)
        return kFailure;
    const ModelDescriptor& model = *loaded->model;
    struct Entry
    {
        std::string section;
        std::string key;
        std::string value;
        std::optional<std::string> item;
    };
    std::vector<Entry> entries;
    IniDocument(loaded->text).forEachKey([&](std::string_view section, std::string_view key, std::string_view value) {
        std::optional<std::string> item;
        if (equalIgnoringCase(section, kCameraSection)) {
            if (const auto cameraKey = cameraKeyNamed(key))
                item = itemFor(model, *cameraKey, value);
        }
        entries.push_back({std::string(section), std::string(trimmed(key)), std::string(value), item});
    });

    if (options.json) {
        out << "{\"model\": " << jsonString(model.listEntry) << ", \"file\": " << jsonString(loaded->path.string())
            << ", \"keys\": [";
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const Entry& e = entries[i];
            out << (i ? ", " : "") << "{\"section\": " << jsonString(e.section) << ", \"key\": " << jsonString(e.key)
                << ", \"value\": " << jsonString(e.value);
            if (e.item)
                out << ", \"item\": " << jsonString(*e.item);
            out << "}";
        }
        out << "]}\n";
        return kOk;
    }
    out << "# " << loaded->path.string() << " (" << model.listEntry << ")\n";
    std::string section;
    for (const Entry& e : entries) {
        if (e.section != section) {
            section = e.section;
            out << "[" << section << "]\n";
        }
        out << e.key << " =" << (e.value.empty() ? "" : " ") << e.value;
        if (e.item)
            out << " (" << *e.item << ")";
        out << "\n";
    }
    return kOk;
}

/// Every problem of a parameter text for the model: keys the model's file
/// does not have, keys it lacks, values outside their lists.
std::vector<std::string> problemsOf(const ModelDescriptor& model, std::string_view text)
{
    std::vector<std::string> problems;
    // What a save of this model writes is the reference for the keys.
    RecordingMessageService messages;
    FixedClock clock({2000, 1, 1, 0, 0, 0});
    AppContext context(DriveMap{}, RegistryStore(fs::temp_directory_path().string()), messages, clock);
    const auto variant = model.mainDialog == ModelCatalogue::kEncryptedMainDialog ? MainParaCore::Variant::Encrypted
                                                                                   : MainParaCore::Variant::Plain;
    MainParaCore core(context, std::string(model.listEntry), variant);
    applyCameraDefaults(model, context.records().cameraSettings);
    const IniDocument reference(core.parameterText().value_or(std::string()));
    const IniDocument file(text);

    const std::string mark(trimmed(file.read("KRTFileMark", "Model", "", 64)));
    if (mark != model.modelValue)
        problems.push_back("[KRTFileMark] Model is \"" + mark + "\", not \"" + std::string(model.modelValue) + "\"");

    auto keyOf = [](std::string_view section, std::string_view key) {
        return foldedCase(section) + "\n" + foldedCase(trimmed(key));
    };
    std::map<std::string, std::pair<std::string, std::string>> expected;
    reference.forEachKey([&](std::string_view section, std::string_view key, std::string_view) {
        expected.emplace(keyOf(section, key), std::pair{std::string(section), std::string(trimmed(key))});
    });
    std::map<std::string, bool> present;
    file.forEachKey([&](std::string_view section, std::string_view key, std::string_view value) {
        present[keyOf(section, key)] = true;
        if (!expected.contains(keyOf(section, key))) {
            problems.push_back("[" + std::string(section) + "] " + std::string(trimmed(key)) +
                               ": not a key of this model's file");
            return;
        }
        if (!equalIgnoringCase(section, kCameraSection))
            return;
        const auto cameraKey = cameraKeyNamed(key);
        const auto item = cameraKey ? itemFor(model, *cameraKey, value) : std::nullopt;
        if (item && (*item == "not in the list" || *item == "not a number"))
            problems.push_back("[" + std::string(section) + "] " + std::string(trimmed(key)) + " = " +
                               std::string(value) + ": " + *item);
    });
    for (const auto& [id, names] : expected) {
        if (!present.contains(id))
            problems.push_back("[" + names.first + "] " + names.second + ": missing");
    }
    return problems;
}

int commandCheck(const Options& options, std::ostream& out, std::ostream& err)
{
    if (options.positional.size() != 1) {
        err << kCommandHelp.at("check");
        return kUsage;
    }
    const auto loaded = loadParameterFile(options.positional[0], options.model, err);
    if (!loaded)
        return kFailure;
    const std::vector<std::string> problems = problemsOf(*loaded->model, loaded->text);
    for (const std::string& problem : problems)
        out << loaded->path.string() << ": " << problem << "\n";
    return problems.empty() ? kOk : kFailure;
}

/// A message service for a front end without a window: messages go to the
/// error stream, questions are answered by --yes.
class CliMessages : public MessageService
{
public:
    CliMessages(std::ostream& err, bool yes) : m_err(err), m_yes(yes) {}
    MessageAnswer show(const Message& message) override
    {
        m_err << "krt-cli: " << message.text << "\n";
        if (message.buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        return m_yes ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }

private:
    std::ostream& m_err;
    bool m_yes;
};

std::optional<LocalDateTime> parseClock(const std::string& text)
{
    LocalDateTime t;
    char sep[5] = {};
    std::istringstream in(text);
    in >> t.year >> sep[0] >> t.month >> sep[1] >> t.day >> sep[2] >> t.hour >> sep[3] >> t.minute >> sep[4] >>
        t.second;
    if (!in || sep[0] != '-' || sep[1] != '-' || sep[2] != 'T' || sep[3] != ':' || sep[4] != ':' ||
        in.peek() != std::char_traits<char>::eof())
        return std::nullopt;
    return t;
}

/// The card root a target names: a drive letter of the drive map, a card
/// folder or mount point, or a card's GSM folder.
std::optional<std::string> cardRoot(const DriveMap& drives, const std::string& target)
{
    if (target.size() <= 3 && target.size() >= 2 && target[1] == ':' &&
        (target.size() == 2 || target[2] == '\\' || target[2] == '/'))
        return drives.nativeRoot(target[0]);
    fs::path path = fs::path(target).lexically_normal();
    if (path.filename().empty())
        path = path.parent_path();
    if (equalIgnoringCase(path.filename().string(), "GSM"))
        path = path.parent_path();
    std::error_code ec;
    if (!fs::is_directory(path, ec))
        return std::nullopt;
    return path.string();
}

int commandWrite(const Options& options, std::ostream& out, std::ostream& err)
{
    if (options.positional.size() < 2) {
        err << kCommandHelp.at("write");
        return kUsage;
    }
    const ModelDescriptor* model = findModel(options.positional[0], err);
    if (!model)
        return kUsage;
    std::optional<LocalDateTime> clockValue;
    if (options.clock && *options.clock != "now" && !(clockValue = parseClock(*options.clock))) {
        err << "krt-cli: --clock takes now or YYYY-MM-DDTHH:MM:SS\n";
        return kUsage;
    }
    if (options.phones.size() > 4 || options.emails.size() > 4) {
        err << "krt-cli: at most four --phone and four --email\n";
        return kUsage;
    }

    CliMessages messages(err, options.yes);
    SystemClock clock;
    DriveMap drives = DriveMap::fromEnvironment();
    AppContext context(drives, RegistryStore::fromEnvironment(), messages, clock);
    const auto variant = model->mainDialog == ModelCatalogue::kEncryptedMainDialog ? MainParaCore::Variant::Encrypted
                                                                                    : MainParaCore::Variant::Plain;
    MainParaCore core(context, std::string(model->listEntry), variant);
    core.Mng_CurModSaveInfoSet();

    // The settings: the defaults or a profile, then what the options say.
    applyCameraDefaults(*model, context.records().cameraSettings);
    if (options.from) {
        const auto profile = loadParameterFile(*options.from, std::nullopt, err);
        if (!profile)
            return kFailure;
        if (profile->model->cameraLayout != model->cameraLayout) {
            err << "krt-cli: the profile is for " << profile->model->listEntry << ", whose camera settings differ\n";
            return kFailure;
        }
        core.readParameterText(profile->text);
    }
    for (std::size_t i = 0; i < options.phones.size(); ++i)
        core.customerInfo()[i] = options.phones[i];
    for (std::size_t i = 0; i < options.emails.size(); ++i)
        core.customerInfo()[4 + i] = options.emails[i];
    CameraSettings& camera = context.records().cameraSettings;
    if (options.clock) {
        camera.setSetClock(!clockValue);
        if (clockValue)
            camera.setClockFields(*clockValue);
    }
    const std::optional<std::string> base = core.parameterText();
    if (!base) {
        err << "krt-cli: a value holds a line break\n";
        return kFailure;
    }
    IniDocument document(*base);
    for (const std::string& set : options.sets) {
        const size_t slash = set.find('/');
        const size_t eq = set.find('=', slash == std::string::npos ? 0 : slash);
        if (slash == std::string::npos || eq == std::string::npos) {
            err << "krt-cli: --set takes \"Section/Key=value\", not \"" << set << "\"\n";
            return kUsage;
        }
        if (!document.write(set.substr(0, slash), set.substr(slash + 1, eq - slash - 1), set.substr(eq + 1))) {
            err << "krt-cli: a line break in --set \"" << set << "\"\n";
            return kUsage;
        }
    }
    const std::string text = document.bytes();
    const std::vector<std::string> problems = problemsOf(*model, text);
    if (!problems.empty()) {
        for (const std::string& problem : problems)
            err << "krt-cli: " << problem << "\n";
        err << "krt-cli: nothing written\n";
        return kFailure;
    }
    core.readParameterText(text);
    if (clockValue)
        camera.setSetClock(false);

    // Each target is a card root; it is reached as a drive letter of its own.
    int status = kOk;
    for (std::size_t i = 1; i < options.positional.size(); ++i) {
        const std::string& target = options.positional[i];
        const auto root = cardRoot(drives, target);
        if (!root) {
            err << "krt-cli: " << target << ": not a drive letter, card folder or mount point\n";
            status = kFailure;
            continue;
        }
        DriveMap map = drives;
        map.set('Z', *root);
        AppContext targetContext(map, RegistryStore::fromEnvironment(), messages, clock);
        targetContext.records() = context.records();
        MainParaCore writer(targetContext, std::string(model->listEntry), variant);
        writer.Mng_CurModSaveInfoSet();
        writer.customerInfo() = core.customerInfo();
        writer.setSaveTarget("Z:\\" + writer.fileTexts().relativeCardPath);
        const auto native = targetContext.files().nativePath(writer.saveTarget());
        if (native && fs::exists(*native) && !options.yes) {
            err << "krt-cli: " << target << ": " << *native << " exists; --yes replaces it\n";
            status = kFailure;
            continue;
        }
        // The backup copy is a convenience, as in the desktop tool.
        writer.Mng_AllPara(MainParaCore::kWrite, MainParaCore::kBackupCopy);
        if (writer.Mng_AllPara(MainParaCore::kWrite, MainParaCore::kCardFile) != 1) {
            err << "krt-cli: " << target << ": the parameter file could not be written\n";
            status = kFailure;
            continue;
        }
        out << target << ": " << native.value_or(writer.saveTarget()) << " written\n";
    }
    return status;
}

int commandDecode(const Options& options, std::ostream& out, std::ostream& err)
{
    if (options.positional.empty() || options.positional.size() > 2) {
        err << kCommandHelp.at("decode");
        return kUsage;
    }
    const auto bytes = readWhole(options.positional[0]);
    if (!bytes) {
        err << "krt-cli: cannot read " << options.positional[0] << "\n";
        return kFailure;
    }
    const std::string text = ParameterFileCodec::decode(*bytes);
    if (options.positional.size() == 1) {
        out << text;
        return kOk;
    }
    std::ofstream file(options.positional[1], std::ios::binary | std::ios::trunc);
    file << text;
    if (!file.flush()) {
        err << "krt-cli: cannot write " << options.positional[1] << "\n";
        return kFailure;
    }
    return kOk;
}

int commandEncode(const Options& options, std::ostream& err)
{
    if (options.positional.size() != 2) {
        err << kCommandHelp.at("encode");
        return kUsage;
    }
    const auto text = readWhole(options.positional[0]);
    if (!text) {
        err << "krt-cli: cannot read " << options.positional[0] << "\n";
        return kFailure;
    }
    std::ofstream file(options.positional[1], std::ios::binary | std::ios::trunc);
    file << ParameterFileCodec::encode(*text);
    if (!file.flush()) {
        err << "krt-cli: cannot write " << options.positional[1] << "\n";
        return kFailure;
    }
    return kOk;
}

} // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.empty()) {
        err << kOverview;
        return kUsage;
    }
    const std::string& command = args[0];
    if (command == "help" || command == "--help" || command == "-h") {
        if (args.size() > 1 && kCommandHelp.contains(args[1])) {
            out << kCommandHelp.at(args[1]);
            return kOk;
        }
        out << kOverview;
        return args.size() > 1 ? kUsage : kOk;
    }
    if (!kCommandHelp.contains(command)) {
        err << "krt-cli: '" << command << "' is not a command\n" << kOverview;
        return kUsage;
    }
    Options options;
    if (!parseOptions(args, options, err))
        return kUsage;
    if (options.help) {
        out << kCommandHelp.at(command);
        return kOk;
    }
    if (command == "models")
        return commandModels(out);
    if (command == "show")
        return commandShow(options, out, err);
    if (command == "check")
        return commandCheck(options, out, err);
    if (command == "write")
        return commandWrite(options, out, err);
    if (command == "decode")
        return commandDecode(options, out, err);
    return commandEncode(options, err);
}
