#include "cli/Commands.h"

#include "camera/CameraDefaults.h"
#include "context/AppContext.h"
#include "params/MainParaCore.h"
#include "platform/IniDocument.h"
#include "platform/Text.h"

#include <sstream>

namespace cli {

const char* const kWriteHelp =
    "usage: krt-cli write <model> <target>... [--from <profile>] [--set \"Section/Key=value\"]...\n"
              "                     [--phone <number>]... [--email <address>]...\n"
              "                     [--clock now|YYYY-MM-DDTHH:MM:SS] [--yes]\n\n"
              "Writes the model's parameter file into each target (a drive letter such as E:,\n"
              "a card folder or a mount point), starting from the model's defaults or from a\n"
              "profile (a parameter file saved earlier, any model of the same layout). Values\n"
              "are checked before anything is written. An existing file is replaced only with\n"
              "--yes. The backup copy on the PC is written as the desktop tool does.\n";

namespace {

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


} // namespace

int commandWrite(const Options& options, std::ostream& out, std::ostream& err)
{
    if (options.positional.size() < 2) {
        err << kWriteHelp;
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

} // namespace cli
