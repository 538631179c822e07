#include "cli/SettingEdits.h"

#include "camera/CameraValueRules.h"
#include "context/ParameterRecords.h"
#include "params/CustomerSection.h"
#include "params/MainParaCore.h"
#include "platform/CUtil.h"
#include "platform/Text.h"

#include <cstdio>
#include <sstream>

namespace cli {

namespace {

using Field = FileKeyRule::Field;

/// One value to put into a key, and where it was asked for.
struct Edit
{
    const FileKeyRule* key;
    std::string value;
    std::string asked; // "--set \"…\"" or "--phone …", for messages
};

bool isVerbatim(const ModelDescriptor& model, const FileKeyRule& key)
{
    return isEncrypted(model) && key.field == Field::Network &&
           key.index == NetworkParameters::SendEmailPassword;
}

/// The text a value stands for as the file stores it: an item's label
/// becomes the item's value; the dialogs' fields drop the blanks at the
/// ends (but for the encrypted file's sending password), the main dialog's
/// save the separators of a phone number.
std::string storedText(const ModelDescriptor& model, const FileKeyRule& key, const std::string& given)
{
    if (isVerbatim(model, key))
        return given;
    std::string text(trimmed(given));
    if (key.field == Field::Customer && CustomerSection::isPhoneField(key.index))
        return CustomerSection::cleanPhoneNumber(text);
    if (key.rule.kind == ValueRule::Kind::Items && !ValueRule::wholeNumber(text)) {
        if (const auto value = key.rule.valueOfItem(text))
            return std::to_string(*value);
    }
    return text;
}

void put(const FileKeyRule& key, const std::string& value, MainParaCore& core, ParameterRecords& records)
{
    switch (key.field) {
    case Field::Network:
        records.networkParameters.fields[key.index] = value;
        break;
    case Field::SmtpSecurity:
        records.networkParameters.smtpSecurity = value;
        break;
    case Field::Ftp:
        records.ftpParameters.fields[key.index] = value;
        break;
    case Field::Customer:
        core.customerInfo()[key.index] = value;
        break;
    case Field::Camera:
        records.cameraSettings.setValue(key.cameraKey, ValueRule::wholeNumber(value).value_or(-1));
        break;
    case Field::CameraName:
        records.cameraSettings.setCameraName(value);
        break;
    case Field::FileMark:
        break;
    }
}

std::vector<std::string> sectionsOf(const std::vector<FileKeyRule>& keys)
{
    std::vector<std::string> sections;
    for (const FileKeyRule& key : keys) {
        if (sections.empty() || sections.back() != key.section)
            sections.push_back(key.section);
    }
    return sections;
}

/// Why the model's file has no such key, with the names close to it.
std::string unknownKey(const ModelDescriptor& model, const std::vector<FileKeyRule>& keys,
                       std::string_view section, std::string_view key)
{
    const std::vector<std::string> sections = sectionsOf(keys);
    bool sectionKnown = false;
    std::vector<std::string> inSection;
    for (const FileKeyRule& k : keys) {
        const bool here = equalIgnoringCase(k.section, trimmed(section));
        sectionKnown = sectionKnown || here;
        if (here)
            inSection.push_back(k.key);
        else if (equalIgnoringCase(k.key, trimmed(key)))
            return "no key \"" + std::string(key) + "\" in [" + std::string(trimmed(section)) +
                   "]; did you mean " + k.section + "/" + k.key + "?";
    }
    if (!sectionKnown)
        return std::string(model.listEntry) + "'s file has no section \"" + std::string(section) + "\"" +
               didYouMean(section, sections);
    return "no key \"" + std::string(key) + "\" in [" + std::string(trimmed(section)) + "]" +
           didYouMean(key, inSection);
}

/// The key a --set names, or why it cannot be set (a usage error).
std::variant<const FileKeyRule*, std::string> keyOfSet(const ModelDescriptor& model,
                                                       const std::vector<FileKeyRule>& keys,
                                                       const std::string& set, std::string& value)
{
    const std::size_t slash = set.find('/');
    const std::size_t eq = set.find('=', slash == std::string::npos ? 0 : slash);
    if (slash == std::string::npos || eq == std::string::npos)
        return std::string("takes \"Section/Key=value\"");
    const std::string section = set.substr(0, slash);
    const std::string name = set.substr(slash + 1, eq - slash - 1);
    value = set.substr(eq + 1);
    const FileKeyRule* key = ParameterFileRules::find(keys, section, name);
    if (!key)
        return unknownKey(model, keys, section, name);
    if (key->field == Field::FileMark)
        return std::string("the file mark is the model's own: name the model to write instead");
    if (key->field == Field::Camera && CameraValueRules::isClockKey(key->cameraKey))
        return std::string("the camera's clock is set with --clock now or --clock YYYY-MM-DDTHH:MM:SS");
    return key;
}

} // namespace

int applyEdits(const Options& options, const ModelDescriptor& model, MainParaCore& core,
               ParameterRecords& records, std::ostream& err)
{
    const std::vector<FileKeyRule> keys = ParameterFileRules::keysOf(model);
    std::vector<Edit> edits;
    if (options.phones.size() > CustomerSection::kPhoneFieldCount ||
        options.emails.size() > CustomerSection::kFieldCount - CustomerSection::kPhoneFieldCount) {
        err << "krt-cli: at most four --phone and four --email\n";
        return kUsage;
    }
    for (std::size_t i = 0; i < options.phones.size(); ++i)
        edits.push_back({ParameterFileRules::find(keys, CustomerSection::kSection, CustomerSection::kKeys[i]),
                         options.phones[i], "--phone " + options.phones[i]});
    for (std::size_t i = 0; i < options.emails.size(); ++i)
        edits.push_back(
            {ParameterFileRules::find(keys, CustomerSection::kSection,
                                      CustomerSection::kKeys[CustomerSection::kReceiveEmail1 + i]),
             options.emails[i], "--email " + options.emails[i]});
    for (const std::string& set : options.sets) {
        std::string value;
        const auto key = keyOfSet(model, keys, set, value);
        if (const auto* why = std::get_if<std::string>(&key)) {
            err << "krt-cli: --set \"" << set << "\": " << *why << "\n";
            return kUsage;
        }
        edits.push_back({std::get<const FileKeyRule*>(key), value, "--set \"" + set + "\""});
    }

    int status = kOk;
    for (const Edit& edit : edits) {
        const std::string stored = storedText(model, *edit.key, edit.value);
        if (const auto problem = edit.key->rule.problem(stored)) {
            err << "krt-cli: " << edit.asked << ": "
                << problemText({edit.key->section, edit.key->key, stored, *problem}) << "\n";
            status = kFailure;
            continue;
        }
        put(*edit.key, stored, core, records);
    }
    return status;
}

ClockChoice parseClock(const std::string& text)
{
    if (text == "now")
        return std::monostate{};
    LocalDateTime t;
    char sep[5] = {};
    std::istringstream in(text);
    in >> t.year >> sep[0] >> t.month >> sep[1] >> t.day >> sep[2] >> t.hour >> sep[3] >> t.minute >>
        sep[4] >> t.second;
    const bool form = in && sep[0] == '-' && sep[1] == '-' && sep[2] == 'T' && sep[3] == ':' &&
                      sep[4] == ':' && in.peek() == std::char_traits<char>::eof();
    if (form && CUtil::isValidClock(t.year, t.month, t.day, t.hour, t.minute, t.second))
        return t;
    char range[96];
    std::snprintf(range, sizeof range, "%d-01-01T00:00:00 to %d-12-31T23:59:59", CUtil::kFirstClockYear,
                  CUtil::kLastClockYear);
    return "--clock takes now or a date and time YYYY-MM-DDTHH:MM:SS from " + std::string(range) +
           ", not \"" + text + "\"";
}

} // namespace cli
