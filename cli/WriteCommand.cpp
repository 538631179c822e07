#include "cli/Commands.h"

#include "camera/CameraDefaults.h"
#include "cli/SettingEdits.h"
#include "cli/WriteFailure.h"
#include "context/AppContext.h"
#include "params/MainParaCore.h"
#include "params/ParameterFileCodec.h"
#include "platform/CUtil.h"
#include "platform/Text.h"

namespace cli {

namespace {

const char* const kHelp =
    "usage: krt-cli write <model> <target>... [--from <profile>] [--set \"Section/Key=value\"]...\n"
    "                     [--phone <number>]... [--email <address>]...\n"
    "                     [--clock now|YYYY-MM-DDTHH:MM:SS] [--yes]\n\n"
    "Writes the model's parameter file into each target (a drive letter such as E:,\n"
    "a card folder or a mount point), starting from the model's defaults or from a\n"
    "profile (a parameter file saved earlier, any model of the same layout). Every\n"
    "value is checked as check does before any card is touched; --set takes a value\n"
    "or, for a key edited by a drop list, the item's text (krt-cli keys <model>\n"
    "lists them). The clock is set with --clock only. An existing file is replaced\n"
    "only with --yes, by the file the settings make: what else it held goes. After\n"
    "each card written, the backup copy on the PC is written too. The run ends with\n"
    "one line: how many cards were written, and which failed (exit 1).\n";

// A card given as a folder is reached as this drive letter.
constexpr char kFolderLetter = 'Z';
constexpr const char* kBackupFolder = "C:\\TavrinoxaBackup";

/// The settings of one run, ready to go onto each card.
struct Job
{
    const ModelDescriptor& model;
    MainParaCore::Variant variant;
    const ParameterRecords& records;
    const MainParaCore::CustomerInfo& customer;
    const Environment& environment;
    MessageService& messages;
    bool yes;
};

MainParaCore::Variant variantOf(const ModelDescriptor& model)
{
    return isEncrypted(model) ? MainParaCore::Variant::Encrypted : MainParaCore::Variant::Plain;
}

/// The bytes of the file as a save writes them, the clock stamped now; or
/// nothing, with the reason in `why`.
std::optional<std::string> fileBytes(const Job& job, MainParaCore& writer, std::string& why)
{
    const auto text = writer.parameterText();
    if (!text) {
        why = "a value holds a line break";
        return std::nullopt;
    }
    if (job.variant != MainParaCore::Variant::Encrypted)
        return *text;
    // Cut at the encoded file's size, the file would lose its last sections.
    if (const std::size_t length = ParameterFileCodec::reducedLength(*text);
        length > ParameterFileCodec::kMaxTextBytes) {
        why = "the parameters take " + std::to_string(length) + " bytes, and an encoded parameter file holds at most " +
              std::to_string(ParameterFileCodec::kMaxTextBytes);
        return std::nullopt;
    }
    return ParameterFileCodec::encode(*text);
}

/// The backup copy follows a card that was written; its failure is told,
/// not counted, as the desktop tool does not count it.
void writeBackup(FileSystem& files, const MainParaCore& writer, const std::string& bytes, std::ostream& err)
{
    const std::string& path = writer.fileTexts().backupPath;
    std::string cause;
    if (!files.isDirectory(kBackupFolder) && !files.createDirectory(kBackupFolder))
        cause = folderFailureCause(files, kBackupFolder);
    else if (!files.writeFile(path, bytes))
        cause = writeFailureCause(files, path);
    if (!cause.empty())
        err << "krt-cli: warning: the backup copy " << path << " was not written: " << cause << "\n";
}

/// Writes the file onto one card; false with the cause told on `err`.
bool writeCard(const Job& job, const std::string& given, std::ostream& out, std::ostream& err)
{
    auto fail = [&](const std::string& why) {
        err << "krt-cli: " << targetLabel(given) << why << "\n";
        return false;
    };
    const TargetOrError found = findTarget(job.environment.drives(), given, true);
    if (const auto* why = std::get_if<std::string>(&found))
        return fail(*why);
    const Target& target = std::get<Target>(found);
    DriveMap drives = job.environment.drives();
    if (!target.letter) {
        fs::path root = target.path;
        if (equalIgnoringCase(root.filename().string(), "GSM"))
            root = root.parent_path();
        drives.set(kFolderLetter, root.string());
    }
    AppContext context(drives, RegistryStore::fromEnvironment(), job.messages, job.environment.clock);
    context.records() = job.records;
    MainParaCore writer(context, std::string(job.model.listEntry), job.variant);
    writer.customerInfo() = job.customer;
    const std::string drive = std::string(1, target.letter.value_or(kFolderLetter)) + ":\\";
    const std::string folder = drive + writer.fileTexts().folder;
    const std::string path = drive + writer.fileTexts().relativeCardPath;
    writer.setSaveTarget(path);

    // Messages name the folders themselves: the letter of a folder target is the tool's own.
    FileSystem& files = context.files();
    if (!files.isDirectory(folder) && !files.createDirectory(folder))
        return fail("the folder " + files.nativePath(folder).value_or(folder) +
                    " could not be made: " + folderFailureCause(files, folder));
    const std::string native = files.nativePath(path).value_or(path);
    if (files.exists(path) && !files.isFile(path) && !files.canReplace(path))
        return fail(native + " was not written: " + writeFailureCause(files, path));
    if (files.exists(path) && !job.yes)
        return fail(native + " exists; --yes replaces it");
    if (job.variant == MainParaCore::Variant::Encrypted) {
        // As the encrypted main dialog saves: no plain leftovers, a read-only mark cleared.
        writer.removeTemporaryPlainFiles(drive);
        CUtil::ClearReadOnlyAttribute(files, path);
    }
    std::string why;
    const auto bytes = fileBytes(job, writer, why);
    if (!bytes)
        return fail(why);
    if (!files.writeFile(path, *bytes))
        return fail(native + " was not written: " + writeFailureCause(files, path));
    out << targetLabel(given) << native << " written\n";
    writeBackup(files, writer, *bytes, err);
    return true;
}

/// The settings before the options: the defaults, as the main dialog opens
/// on a card with no file, or a profile of the same layout.
bool startSettings(const Options& options, const Environment& environment, const ModelDescriptor& model,
                   MainParaCore& core, ParameterRecords& records, std::ostream& err)
{
    applyCameraDefaults(model, records.cameraSettings);
    if (!options.from)
        return true;
    const LoadedOrError profile = loadParameterFile(environment.drives(), *options.from, nullptr);
    if (const auto* why = std::get_if<std::string>(&profile)) {
        err << "krt-cli: --from " << *options.from << ": " << *why << "\n";
        return false;
    }
    const LoadedFile& file = std::get<LoadedFile>(profile);
    if (file.model->cameraLayout != model.cameraLayout) {
        err << "krt-cli: the profile is for " << file.model->listEntry << ", whose camera settings differ\n";
        return false;
    }
    core.readParameterText(file.text);
    return true;
}

int run(const Options& options, const Environment& environment, std::ostream& out, std::ostream& err)
{
    if (options.positional.size() < 2) {
        err << kHelp;
        return kUsage;
    }
    const ModelDescriptor* model = findModel(options.positional[0], err);
    if (!model)
        return kUsage;
    const ClockChoice clock = options.clock ? parseClock(*options.clock) : ClockChoice{};
    if (const auto* why = std::get_if<std::string>(&clock)) {
        err << "krt-cli: " << *why << "\n";
        return kUsage;
    }

    CliMessages messages(err, options.yes);
    AppContext context(environment.drives(), RegistryStore::fromEnvironment(), messages, environment.clock);
    MainParaCore core(context, std::string(model->listEntry), variantOf(*model));
    ParameterRecords& records = context.records();
    if (!startSettings(options, environment, *model, core, records, err))
        return kFailure;
    if (const int status = applyEdits(options, *model, core, records, err); status != kOk) {
        err << "krt-cli: nothing written\n";
        return status;
    }
    // A clock given is the camera's; without one, every card gets the PC's time as it is written.
    if (const auto* time = std::get_if<LocalDateTime>(&clock))
        records.cameraSettings.setClockFields(*time);
    records.cameraSettings.setSetClock(!std::holds_alternative<LocalDateTime>(clock));

    // What every card gets, checked as check does before any card is touched.
    const std::vector<FileProblem> problems =
        ParameterFileRules::problemsOf(*model, core.parameterText().value_or(std::string()));
    if (!problems.empty()) {
        for (const FileProblem& problem : problems)
            err << "krt-cli: " << problemText(problem) << "\n";
        err << "krt-cli: nothing written\n";
        return kFailure;
    }

    const Job job{*model,      variantOf(*model), records,    core.customerInfo(),
                  environment, messages,          options.yes};
    std::vector<std::string> failed;
    const std::size_t cards = options.positional.size() - 1;
    for (std::size_t i = 1; i < options.positional.size(); ++i) {
        if (!writeCard(job, options.positional[i], out, err))
            failed.push_back(options.positional[i]);
    }
    out << cards - failed.size() << " of " << cards << (cards == 1 ? " card" : " cards") << " written";
    for (std::size_t i = 0; i < failed.size(); ++i)
        out << (i ? ", " : "; failed: ") << failed[i];
    out << "\n";
    return failed.empty() ? kOk : kFailure;
}

} // namespace

const Command kWriteCommand{"write",
                            "writes a model's parameter file onto cards",
                            kHelp,
                            {"--from", "--set", "--phone", "--email", "--clock", "--yes"},
                            run};

} // namespace cli
