#pragma once

#include "models/ModelCatalogue.h"
#include "params/ParameterFileRules.h"
#include "platform/DriveMap.h"
#include "platform/MessageService.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

class Clock;

/// What the commands of krt-cli share: the options, finding models, targets
/// and parameter files, close names, JSON text.
namespace cli {

namespace fs = std::filesystem;

inline constexpr int kOk = 0;
inline constexpr int kFailure = 1;
inline constexpr int kUsage = 2;

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
    /// The options given, by name ("--json"), for the per-command check.
    std::set<std::string> given;
};

/// The run's surroundings: the drives of the environment (looked up when a
/// command first needs them: finding them makes the PC's drive C: folder)
/// and the clock.
class Environment
{
public:
    /// What KRT_DRIVES holds that is no drive is told on `err` when the
    /// drives are first looked up.
    Environment(const Clock& clock, std::ostream& err) : clock(clock), m_err(err) {}

    [[nodiscard]] const DriveMap& drives() const
    {
        if (!m_drives) {
            m_drives = DriveMap::fromEnvironment();
            for (const std::string& problem : m_drives->problems())
                m_err << "krt-cli: " << problem << "\n";
        }
        return *m_drives;
    }

    const Clock& clock;

private:
    std::ostream& m_err;
    mutable std::optional<DriveMap> m_drives;
};

/// Parses the options every command may take; false with a message on a
/// usage error.
bool parseOptions(const std::vector<std::string>& args, Options& options, std::ostream& err);

/// The candidates close to a mistyped name: a few edits away, or holding it.
[[nodiscard]] std::vector<std::string> closeNames(std::string_view name,
                                                  const std::vector<std::string>& candidates);
/// "; did you mean A, B?" for the close names, or nothing.
[[nodiscard]] std::string didYouMean(std::string_view name, const std::vector<std::string>& candidates);

/// The model a name stands for, compared without regard to case; an
/// unknown name is reported with the names close to it.
const ModelDescriptor* findModel(std::string_view name, std::ostream& err);
[[nodiscard]] bool isEncrypted(const ModelDescriptor& model);

/// A target of a command: a drive letter ("E:"), a folder or a file,
/// found; or why it cannot be ("no such folder").
struct Target
{
    std::string given;
    fs::path path; // the folder the letter stands for, or the path given
    std::optional<char> letter;
};
using TargetOrError = std::variant<Target, std::string>;
/// The target as a message starts with it: "cam1: ", "E: " (one colon).
[[nodiscard]] std::string targetLabel(const std::string& given);
/// `folderOnly`: the target must be a folder (a card to write).
[[nodiscard]] TargetOrError findTarget(const DriveMap& drives, const std::string& given, bool folderOnly);
/// "E:", "e:\" or "E:/": the letter; nothing for other text.
[[nodiscard]] std::optional<char> driveLetterOf(std::string_view text);

struct LoadedFile
{
    fs::path path;
    std::string text; // an encoded file's plain text
    const ModelDescriptor* model = nullptr;
};
using LoadedOrError = std::variant<LoadedFile, std::string>;

/// Finds the parameter file of a target (a file, or a card folder holding
/// one model's file in GSM), decodes an encoded one, and works out its
/// model. A card with the files of several models is refused, naming them.
[[nodiscard]] LoadedOrError loadParameterFile(const DriveMap& drives, const std::string& where,
                                              const ModelDescriptor* model);

/// Runs `each` on the parameter file of every target of a show or check
/// (the positional arguments, with --model), inside {"files": [...]} with
/// --json. A target without a file is reported, in the JSON list as
/// {"target", "error"} too. `each` returns whether the file passed. The
/// result is the exit status.
int forEachParameterFile(const Options& options, const Environment& environment, std::ostream& out,
                         std::ostream& err,
                         const std::function<bool(const std::string& target, const LoadedFile& file)>& each);

/// The bytes of a regular file up to the size of a parameter file; nothing
/// for a larger file or one that cannot be read.
[[nodiscard]] std::optional<std::string> readParameterBytes(const fs::path& path);

/// "[Camera Setting] PIR Trigger=9: not one of 0 Low, 1 Normal, 2 High, 3 OFF".
[[nodiscard]] std::string problemText(const FileProblem& problem);

/// A JSON string literal of the bytes (which are UTF-8 or ASCII here).
[[nodiscard]] std::string jsonString(std::string_view text);
[[nodiscard]] inline const char* jsonBool(bool value)
{
    return value ? "true" : "false";
}

/// A message service for a front end without a window: messages go to the
/// error stream, questions are answered by --yes.
class CliMessages : public MessageService
{
public:
    CliMessages(std::ostream& err, bool yes) : m_err(err), m_yes(yes) {}
    MessageAnswer show(const Message& message) override;

private:
    std::ostream& m_err;
    bool m_yes;
};

} // namespace cli
