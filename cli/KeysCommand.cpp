#include "cli/Commands.h"

#include "camera/CameraValueRules.h"
#include "params/ParameterFileRules.h"
#include "platform/Text.h"

namespace cli {

namespace {

const char* const kHelp =
    "usage: krt-cli keys <model> [--json]\n\n"
    "Lists the keys of the model's parameter file, section by section, with the\n"
    "values the model's dialogs can store in each; for a key edited by a drop list,\n"
    "the items as the dialog shows them, each with the value it stores. --set takes\n"
    "a value or an item's text; the clock keys are set with --clock.\n"
    "--json: {\"model\", \"file\", \"sections\": [{\"section\", \"keys\": [{\"key\", \"kind\",\n"
    "\"allowed\", \"unset_allowed\", \"min\", \"max\", \"max_bytes\", \"value\", \"set_with\",\n"
    "\"items\": [{\"value\", \"label\"}]}]}]}; \"kind\" is items, number, text or fixed, and\n"
    "the keys that do not apply to a kind are left out.\n";

constexpr const char* kKindNames[] = {"items", "number", "text", "fixed"};

bool isClock(const FileKeyRule& key)
{
    return key.field == FileKeyRule::Field::Camera && CameraValueRules::isClockKey(key.cameraKey);
}

void printKeyJson(std::ostream& out, const FileKeyRule& key)
{
    const ValueRule& rule = key.rule;
    out << "{\"key\": " << jsonString(key.key)
        << ", \"kind\": " << jsonString(kKindNames[static_cast<int>(rule.kind)])
        << ", \"allowed\": " << jsonString(rule.allowed())
        << ", \"unset_allowed\": " << jsonBool(rule.unsetAllowed);
    if (rule.kind == ValueRule::Kind::Number)
        out << ", \"min\": " << rule.min << ", \"max\": " << rule.max;
    if (rule.kind == ValueRule::Kind::Text)
        out << ", \"max_bytes\": " << rule.maxBytes;
    if (rule.kind == ValueRule::Kind::Fixed)
        out << ", \"value\": " << jsonString(rule.fixed);
    if (isClock(key))
        out << ", \"set_with\": \"--clock\"";
    if (rule.kind == ValueRule::Kind::Items) {
        out << ", \"items\": [";
        for (std::size_t i = 0; i < rule.items.size(); ++i)
            out << (i ? ", " : "") << "{\"value\": " << static_cast<int>(i) + rule.offset
                << ", \"label\": " << jsonString(trimmed(rule.items[i])) << "}";
        out << "]";
    }
    out << "}";
}

void printKeyText(std::ostream& out, const FileKeyRule& key)
{
    const ValueRule& rule = key.rule;
    const char* unset = rule.unsetAllowed ? ", or empty (not set)" : "";
    out << key.key << ": ";
    if (rule.kind == ValueRule::Kind::Items && !rule.itemsAreValues()) {
        out << "one of" << unset << "\n";
        for (std::size_t i = 0; i < rule.items.size(); ++i)
            out << "    " << static_cast<int>(i) + rule.offset << "  " << trimmed(rule.items[i]) << "\n";
        return;
    }
    out << rule.allowed() << (rule.kind == ValueRule::Kind::Fixed ? "" : unset);
    if (isClock(key))
        out << "; set with --clock";
    out << "\n";
}

int run(const Options& options, const Environment&, std::ostream& out, std::ostream& err)
{
    if (options.positional.size() != 1) {
        err << kHelp;
        return kUsage;
    }
    const ModelDescriptor* model = findModel(options.positional[0], err);
    if (!model)
        return kUsage;
    const std::vector<FileKeyRule> keys = ParameterFileRules::keysOf(*model);
    const std::string file = "GSM\\" + std::string(model->fileName);
    if (options.json) {
        out << "{\"model\": " << jsonString(model->listEntry) << ", \"file\": " << jsonString(file)
            << ", \"sections\": [";
    } else {
        out << "# " << model->listEntry << ": " << file << "\n";
    }
    std::string section;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const FileKeyRule& key = keys[i];
        const bool newSection = key.section != section;
        section = key.section;
        if (options.json) {
            if (newSection)
                out << (i ? "]}, " : "") << "{\"section\": " << jsonString(section) << ", \"keys\": [";
            else
                out << ", ";
            printKeyJson(out, key);
            continue;
        }
        if (newSection)
            out << "[" << section << "]\n";
        printKeyText(out, key);
    }
    if (options.json)
        out << (keys.empty() ? "" : "]}") << "]}\n";
    return kOk;
}

} // namespace

const Command kKeysCommand{
    "keys", "the keys of a model's file and the values each takes", kHelp, {"--json"}, run};

} // namespace cli
