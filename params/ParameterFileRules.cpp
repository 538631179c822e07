#include "params/ParameterFileRules.h"

#include "camera/CameraSettingsSection.h"
#include "camera/CameraValueRules.h"
#include "context/AppContext.h"
#include "network/NetworkSections.h"
#include "network/NetworkValueRules.h"
#include "params/CustomerSection.h"
#include "params/MainParaCore.h"
#include "platform/IniDocument.h"
#include "platform/Text.h"

#include <map>
#include <optional>
#include <set>

namespace {

using Field = FileKeyRule::Field;

constexpr const char* kFileMarkSection = "KRTFileMark";
constexpr const char* kModelKey = "Model";
// Longer than any value a camera key holds, so a long one is seen whole.
constexpr std::size_t kCameraValueBuffer = 64;

bool sameName(std::string_view a, std::string_view b)
{
    return equalIgnoringCase(trimmed(a), trimmed(b));
}

/// The text a save of the model writes: the reference for its keys and
/// their order, so the rules follow the writers.
std::string savedText(const ModelDescriptor& model)
{
    RecordingMessageService messages;
    FixedClock clock({2000, 1, 1, 0, 0, 0});
    AppContext context(DriveMap{}, RegistryStore(std::string()), messages, clock);
    const auto variant = model.mainDialog == ModelCatalogue::kEncryptedMainDialog
                             ? MainParaCore::Variant::Encrypted
                             : MainParaCore::Variant::Plain;
    MainParaCore core(context, std::string(model.listEntry), variant);
    return core.parameterText().value_or(std::string());
}

ValueRule customerRule(std::size_t field)
{
    ValueRule rule = ValueRule::text(CustomerSection::kLimit);
    // The main dialog's fields drop pasted line breaks; a save takes the
    // separators out of a phone number.
    rule.forbidden = "\r\n";
    if (CustomerSection::isPhoneField(field)) {
        rule.forbidden += CustomerSection::kPhoneSeparators;
        rule.meaning = "a phone number as the main dialog saves it, without '-', '_' or blanks";
    }
    return rule;
}

std::optional<FileKeyRule> networkRule(std::string_view section, std::string_view key)
{
    for (std::size_t i = 0; i < NetworkParameters::FieldCount; ++i) {
        const NetworkFieldKey& k = networkFieldKey(i);
        if (sameName(k.section, section) && sameName(k.key, key))
            return FileKeyRule{k.section, k.key, NetworkValueRules::fieldRule(i), Field::Network, i};
    }
    const NetworkFieldKey& smtp = smtpSecurityKey();
    if (sameName(smtp.section, section) && sameName(smtp.key, key))
        return FileKeyRule{smtp.section, smtp.key, NetworkValueRules::smtpSecurityRule(),
                           Field::SmtpSecurity};
    for (std::size_t i = 0; i < FtpParameters::FieldCount; ++i) {
        const NetworkFieldKey& k = ftpFieldKey(i);
        if (sameName(k.section, section) && sameName(k.key, key))
            return FileKeyRule{k.section, k.key, NetworkValueRules::ftpFieldRule(i), Field::Ftp, i};
    }
    return std::nullopt;
}

std::optional<FileKeyRule> ruleOf(const ModelDescriptor& model, std::string_view section,
                                  std::string_view key)
{
    if (sameName(section, kFileMarkSection) && sameName(key, kModelKey))
        return FileKeyRule{kFileMarkSection, kModelKey, ValueRule::fixedText(std::string(model.modelValue))};
    if (sameName(section, CustomerSection::kSection)) {
        for (std::size_t i = 0; i < CustomerSection::kFieldCount; ++i) {
            if (sameName(key, CustomerSection::kKeys[i]))
                return FileKeyRule{CustomerSection::kSection, CustomerSection::kKeys[i], customerRule(i),
                                   Field::Customer, i};
        }
    }
    if (sameName(section, CameraSettingsSection::kSection)) {
        if (sameName(key, CameraSettingsSection::kCameraName))
            return FileKeyRule{CameraSettingsSection::kSection, CameraSettingsSection::kCameraName,
                               CameraValueRules::cameraNameRule(model), Field::CameraName};
        for (std::size_t i = 0; i < kCameraKeyCount; ++i) {
            const auto cameraKey = static_cast<CameraKey>(i);
            if (sameName(key, cameraKeyName(cameraKey)))
                return FileKeyRule{CameraSettingsSection::kSection,
                                   std::string(cameraKeyName(cameraKey)),
                                   CameraValueRules::ruleFor(model, cameraKey),
                                   Field::Camera,
                                   0,
                                   cameraKey};
        }
    }
    return networkRule(section, key);
}

std::string idOf(std::string_view section, std::string_view key)
{
    return foldedCase(trimmed(section)) + "\n" + foldedCase(trimmed(key));
}

} // namespace

namespace ParameterFileRules {

std::vector<FileKeyRule> keysOf(const ModelDescriptor& model)
{
    std::vector<FileKeyRule> keys;
    IniDocument(savedText(model))
        .forEachKey([&](std::string_view section, std::string_view key, std::string_view) {
            if (auto rule = ruleOf(model, section, key))
                keys.push_back(std::move(*rule));
        });
    return keys;
}

const FileKeyRule* find(const std::vector<FileKeyRule>& keys, std::string_view section, std::string_view key)
{
    for (const FileKeyRule& rule : keys) {
        if (sameName(rule.section, section) && sameName(rule.key, key))
            return &rule;
    }
    return nullptr;
}

std::vector<FileProblem> problemsOf(const ModelDescriptor& model, std::string_view text)
{
    std::vector<FileProblem> problems;
    const std::vector<FileKeyRule> keys = keysOf(model);
    const IniDocument file(text);
    std::set<std::string> seen;
    file.forEachKey([&](std::string_view section, std::string_view key, std::string_view value) {
        const FileKeyRule* rule = find(keys, section, key);
        const FileProblem where{std::string(section), std::string(trimmed(key)), std::string(value), {}};
        if (!rule) {
            problems.push_back(where);
            problems.back().text = "not a key of " + std::string(model.listEntry) + "'s file";
        } else if (!seen.insert(idOf(section, key)).second) {
            problems.push_back(where);
            problems.back().text = "given twice; the first one counts";
        } else if (auto problem = rule->rule.problem(value)) {
            problems.push_back({rule->section, rule->key, std::string(value), std::move(*problem)});
        }
    });
    for (const FileKeyRule& rule : keys) {
        if (!seen.contains(idOf(rule.section, rule.key)))
            problems.push_back({rule.section, rule.key, {}, "missing", true});
    }
    const auto valueOf = [&](CameraKey key) -> std::optional<int> {
        if (!modelHasCameraKey(model, key))
            return std::nullopt;
        return ValueRule::wholeNumber(
            file.read(CameraSettingsSection::kSection, cameraKeyName(key), "", kCameraValueBuffer));
    };
    for (std::string& problem : CameraValueRules::crossKeyProblems(model, valueOf))
        problems.push_back({CameraSettingsSection::kSection, {}, {}, std::move(problem)});
    return problems;
}

} // namespace ParameterFileRules
