#include "cli/Commands.h"

#include "params/ParameterFileRules.h"
#include "platform/IniDocument.h"
#include "platform/Text.h"

namespace cli {

namespace {

const char* const kHelp =
    "usage: krt-cli show <card-folder-or-file>... [--model <model>] [--json]\n\n"
    "Prints each parameter file (\".TXT\", or \".BIN\" decoded in memory) section by\n"
    "section; a key edited by a drop list also shows the item the model's dialog\n"
    "shows for it. A card folder (or its GSM folder) or a drive letter is searched\n"
    "for the model's file; a card with the files of several models needs --model.\n"
    "--json: {\"files\": [{\"target\", \"file\", \"model\", \"keys\": [{\"section\", \"key\",\n"
    "\"value\", \"item\"}]}]}; a target that fails has \"target\" and \"error\" instead.\n";

struct Entry
{
    std::string section;
    std::string key;
    std::string value;
    std::optional<std::string> item;
};

std::vector<Entry> entriesOf(const LoadedFile& loaded)
{
    const std::vector<FileKeyRule> keys = ParameterFileRules::keysOf(*loaded.model);
    std::vector<Entry> entries;
    IniDocument(loaded.text)
        .forEachKey([&](std::string_view section, std::string_view key, std::string_view value) {
            std::optional<std::string> item;
            const FileKeyRule* rule = ParameterFileRules::find(keys, section, key);
            if (rule && rule->rule.kind == ValueRule::Kind::Items) {
                if (trimmed(value).empty())
                    item = "not set";
                else
                    item = rule->rule.itemOf(value).value_or(ValueRule::wholeNumber(value) ? "not in the list"
                                                                                           : "not a number");
            }
            entries.push_back({std::string(section), std::string(trimmed(key)), std::string(value), item});
        });
    return entries;
}

void printJson(std::ostream& out, const std::string& target, const LoadedFile& loaded)
{
    out << "{\"target\": " << jsonString(target) << ", \"file\": " << jsonString(loaded.path.string())
        << ", \"model\": " << jsonString(loaded.model->listEntry) << ", \"keys\": [";
    const std::vector<Entry> entries = entriesOf(loaded);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Entry& e = entries[i];
        out << (i ? ", " : "") << "{\"section\": " << jsonString(e.section)
            << ", \"key\": " << jsonString(e.key) << ", \"value\": " << jsonString(e.value);
        if (e.item)
            out << ", \"item\": " << jsonString(*e.item);
        out << "}";
    }
    out << "]}";
}

void printText(std::ostream& out, const LoadedFile& loaded)
{
    out << "# " << loaded.path.string() << " (" << loaded.model->listEntry << ")\n";
    std::string section;
    for (const Entry& e : entriesOf(loaded)) {
        if (e.section != section) {
            section = e.section;
            out << "[" << section << "]\n";
        }
        out << e.key << " =" << (e.value.empty() ? "" : " ") << e.value;
        if (e.item)
            out << " (" << *e.item << ")";
        out << "\n";
    }
}

int run(const Options& options, const Environment& environment, std::ostream& out, std::ostream& err)
{
    if (options.positional.empty()) {
        err << kHelp;
        return kUsage;
    }
    return forEachParameterFile(options, environment, out, err,
                                [&](const std::string& target, const LoadedFile& file) {
                                    if (options.json)
                                        printJson(out, target, file);
                                    else
                                        printText(out, file);
                                    return true;
                                });
}

} // namespace

const Command kShowCommand{"show", "parameter files as readable listings", kHelp, {"--model", "--json"}, run};

} // namespace cli
