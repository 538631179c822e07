#include "cli/Commands.h"

#include "camera/CameraDefaults.h"
#include "context/AppContext.h"
#include "params/MainParaCore.h"
#include "platform/IniDocument.h"
#include "platform/Text.h"

#include <map>

namespace cli {

const char* const kCheckHelp =
    "usage: krt-cli check <card-folder-or-file> [--model <model>]\n\n"
              "Checks every value against the model's layout and lists: unknown keys,\n"
              "missing keys, positions outside the list. One line per problem; exit 1 when\n"
              "there is any.\n";

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
        err << kCheckHelp;
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

} // namespace cli
