#include "camera/CameraValueRules.h"

#include "camera/CameraDialogBindings.h"
#include "camera/CameraSettingsSection.h"
#include "camera/WorkDaySelection.h"
#include "models/CameraDialogLists.h"
#include "models/CameraDialogVariants.h"
#include "platform/CUtil.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace {

using K = CameraKey;

/// Keys that no drop list edits: a whole number in a range.
struct OwnRule
{
    CameraKey key;
    int min;
    int max;
    const char* meaning;
};

constexpr OwnRule kOwnRules[] = {
    {K::ClockYear, CUtil::kFirstClockYear, CUtil::kLastClockYear, "the clock's year"},
    {K::ClockMonth, 1, 12, "the clock's month"},
    {K::ClockDay, 1, 31, "the clock's day"},
    {K::ClockHour, 0, 23, "the clock's hour"},
    {K::ClockMinute, 0, 59, "the clock's minute"},
    {K::ClockSecond, 0, 59, "the clock's second"},
    {K::WorkDay, 0, WorkDaySelection::kEveryDay, ""},
};

constexpr std::array<const char*, WorkDaySelection::kDays> kDayNames{
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

// Where a model's dialog has no list for a key, the dialogs that have one
// say what its values mean.
constexpr int kDialogs[] = {ModelCatalogue::kFullCameraDialog, ModelCatalogue::k4GCameraDialog,
                            ModelCatalogue::kLayoutDCameraDialog, ModelCatalogue::kGroup1CameraDialog,
                            ModelCatalogue::kLayoutACameraDialog};

constexpr const char* kPirOffItem = "OFF";
constexpr int kTimeLapseOff = 0;

std::string workDayMeaning()
{
    std::string text = "a day mask:";
    for (std::size_t i = 0; i < kDayNames.size(); ++i)
        text +=
            std::string(i ? ", " : " ") + kDayNames[i] + " " + std::to_string(WorkDaySelection::kDayBits[i]);
    return text;
}

std::span<const int> sendToOrder(const ModelDescriptor& model)
{
    const CameraDialogVariant* variant = CameraDialogVariants::ofModel(model);
    if (variant && !variant->sendToRadios.empty())
        return variant->sendToRadios;
    return CameraDialogBindings::sendToRadios(model.cameraDialog);
}

ValueRule listRule(const ModelDescriptor& model, int ctrlId, CameraKey key)
{
    return ValueRule::itemList(CameraDialogLists::modelItems(model, ctrlId),
                               CameraDialogBindings::offsetOf(key));
}

std::optional<ValueRule> radioRule(const ModelDescriptor& model, CameraKey key)
{
    if (key == K::SendTo) {
        const auto radios = sendToOrder(model);
        if (radios.empty())
            return std::nullopt;
        return ValueRule::number(0, static_cast<int>(radios.size()) - 1,
                                 "the position of the send-to choice");
    }
    const int radios = CameraDialogBindings::sendModeRadioCount(model.cameraDialog);
    if (key != K::SendMode || radios == 0)
        return std::nullopt;
    // Counting from " Daily Report" stores the first radio as -1: nothing.
    const CameraDialogVariant* variant = CameraDialogVariants::ofModel(model);
    const int offset = variant ? variant->sendModeOffset : 0;
    return ValueRule::number(0, radios - 1 - offset,
                             offset ? "the send-mode radio, counted from Daily Report"
                                    : "the send-mode radio");
}

std::string clockText(const std::array<int, 6>& v)
{
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", v[0], v[1], v[2], v[3], v[4], v[5]);
    return text;
}

} // namespace

namespace CameraValueRules {

ValueRule ruleFor(const ModelDescriptor& model, CameraKey key)
{
    if (const auto list = CameraDialogBindings::listFor(model.cameraDialog, key))
        return listRule(model, *list, key);
    for (const OwnRule& own : kOwnRules) {
        if (own.key != key)
            continue;
        ValueRule rule =
            ValueRule::number(own.min, own.max, key == K::WorkDay ? workDayMeaning() : own.meaning);
        rule.unsetAllowed = !isClockKey(key);
        return rule;
    }
    if (auto radios = radioRule(model, key))
        return *radios;
    for (const int dialog : kDialogs) {
        if (const auto list = CameraDialogBindings::listFor(dialog, key)) {
            ValueRule rule = ValueRule::itemList(CameraDialogLists::layoutItems(dialog, *list),
                                                 CameraDialogBindings::offsetOf(key));
            rule.meaning = "the model's dialog keeps it as read";
            return rule;
        }
    }
    return ValueRule::number(0, 0);
}

ValueRule cameraNameRule(const ModelDescriptor& model)
{
    const CameraDialogVariant* variant = CameraDialogVariants::ofModel(model);
    int limit = CameraSettingsSection::kCameraNameLimit;
    if (variant && variant->cameraNameLimit > 0)
        limit = std::min(limit, variant->cameraNameLimit);
    return ValueRule::text(static_cast<std::size_t>(limit), "the camera name field");
}

bool isClockKey(CameraKey key)
{
    return key >= K::ClockYear && key <= K::ClockSecond;
}

std::vector<std::string> crossKeyProblems(const ModelDescriptor& model,
                                          const std::function<std::optional<int>(CameraKey)>& valueOf)
{
    std::vector<std::string> problems;
    std::array<int, 6> clock{};
    bool clockFieldsInRange = true;
    for (std::size_t i = 0; i < clock.size(); ++i) {
        const auto key = static_cast<CameraKey>(static_cast<int>(K::ClockYear) + static_cast<int>(i));
        const auto value = valueOf(key);
        clockFieldsInRange =
            clockFieldsInRange && value && !ruleFor(model, key).problem(std::to_string(*value));
        clock[i] = value.value_or(-1);
    }
    // A field outside its own range is reported as that field.
    if (clockFieldsInRange &&
        !CUtil::isValidClock(clock[0], clock[1], clock[2], clock[3], clock[4], clock[5]))
        problems.push_back("Clock " + clockText(clock) + ": not a real date and time from " +
                           std::to_string(CUtil::kFirstClockYear) + " to " +
                           std::to_string(CUtil::kLastClockYear));

    if (CameraDialogBindings::hasTimeLapsePirRule(model.cameraDialog) &&
        modelHasCameraKey(model, K::TimeLapse) && modelHasCameraKey(model, K::PirTrigger)) {
        const ValueRule pir = ruleFor(model, K::PirTrigger);
        const auto off = std::find(pir.items.begin(), pir.items.end(), kPirOffItem);
        const auto timeLapse = valueOf(K::TimeLapse);
        const auto trigger = valueOf(K::PirTrigger);
        if (off != pir.items.end() && timeLapse == kTimeLapseOff &&
            trigger == off - pir.items.begin() + pir.offset)
            problems.push_back(
                "Time Lapse and PIR Trigger are both OFF: the camera dialog keeps one of them on");
    }
    return problems;
}

} // namespace CameraValueRules
