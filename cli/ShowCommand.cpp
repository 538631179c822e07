#include "cli/Commands.h"

#include "platform/IniDocument.h"
#include "platform/Text.h"


namespace cli {

const char* const kShowHelp =
    "usage: krt-cli show <card-folder-or-file> [--model <model>] [--json]\n\n"
             "Prints the parameter file (\".TXT\", or \".BIN\" decoded in memory) section by\n"
             "section; camera keys also show the item the model's dialog shows for them.\n"
             "A card folder (or its GSM folder) is searched for the model's file.\n";

int commandShow(const Options& options, std::ostream& out, std::ostream& err)
{
    if (options.positional.size() != 1) {
        err << kShowHelp;
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

} // namespace cli
