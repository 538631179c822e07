#include "camera/CameraDialogRules.h"

#include "context/CameraSettings.h"
#include "platform/CUtil.h"
#include "platform/MessageService.h"

#include <algorithm>

namespace CameraDialogRules {

namespace {

constexpr int kMaxNumberShownLimit = 100;

int indexOf(std::span<const int> order, int radio)
{
    const auto it = std::find(order.begin(), order.end(), radio);
    return it == order.end() ? kNone : static_cast<int>(it - order.begin());
}

} // namespace

int positionForValue(int value, int offset, int itemCount)
{
    const int position = value - offset;
    return position >= 0 && position < itemCount ? position : kNone;
}

int valueForPosition(int position, int offset)
{
    return position < 0 ? kNone : position + offset;
}

int maxNumberPosition(int value, int itemCount)
{
    return positionForValue(std::min(value, kMaxNumberShownLimit), 0, itemCount);
}

int attachmentSizePosition(std::string_view text, std::span<const std::string> items)
{
    const auto it = std::find(items.begin(), items.end(), text);
    return it == items.end() ? kNone : static_cast<int>(it - items.begin());
}

int sendToRadio(int value, std::span<const int> radioOfValue)
{
    if (value < 0 || value >= static_cast<int>(radioOfValue.size()))
        return kNone;
    return radioOfValue[static_cast<std::size_t>(value)];
}

int sendToValue(int radio, std::span<const int> radioOfValue)
{
    const int value = indexOf(radioOfValue, radio);
    return value == kNone ? 0 : value;
}

int sendModeRadio(int value, int offset, int radioCount)
{
    return positionForValue(value, -offset, radioCount);
}

int sendModeValue(int radio, int offset)
{
    return radio < 0 ? kNone : radio - offset;
}

SendModeEnables sendModeEnables(int radio)
{
    return {radio == 1, radio == 2};
}

int TimeLapsePirRule::load(int timeLapse, int pirTrigger)
{
    if (timeLapse == kTimeLapseOff && pirTrigger == m_pirOff)
        pirTrigger = kNone;
    m_lastTimeLapse = timeLapse;
    m_lastPir = pirTrigger;
    return pirTrigger;
}

int TimeLapsePirRule::timeLapseChanged(int position, int pirTrigger, MessageService& messages)
{
    if (position == kTimeLapseOff && pirTrigger == m_pirOff) {
        messages.warning("The status of \"Time Lapse\" and \"PIR Tirgger\" can not be \"OFF\" at the same time !",
                         MessageTitle::KrtTips);
        return m_lastTimeLapse;
    }
    m_lastTimeLapse = position;
    return position;
}

int TimeLapsePirRule::pirTriggerChanged(int position, int timeLapse, MessageService& messages)
{
    if (position == m_pirOff && timeLapse == kTimeLapseOff) {
        messages.warning("The status of \"PIR Tirgger\" and \"Time Lapse\" can not be \"OFF\" at the same time !",
                         MessageTitle::KrtTips);
        return m_lastPir;
    }
    m_lastPir = position;
    return position;
}

ClockGroupState loadClock(CameraSettings& settings)
{
    if (!settings.hasValidClock())
        settings.setSetClock(true);
    if (settings.setClock())
        return {true, std::nullopt};
    return {false, settings.clock()};
}

void storeClock(CameraSettings& settings, bool setClock, const LocalDateTime& picked)
{
    if (setClock) {
        settings.setSetClock(true);
        return;
    }
    settings.setClockFields(picked);
    settings.setSetClock(!settings.hasValidClock());
}

bool GameCallAudioChoice::fieldHoldsPath() const
{
    return !m_field.empty() && m_field != kHint;
}

bool GameCallAudioChoice::enable(bool gameCallOn)
{
    if (!gameCallOn) {
        m_field = kHint;
        m_audioPath.clear();
    }
    return gameCallOn;
}

void GameCallAudioChoice::load(bool gameCallOn, int storedGameCall)
{
    enable(gameCallOn);
    if (storedGameCall == 1) {
        const std::string path = CUtil::TrimText(m_audioPath, -1);
        m_field = path.empty() ? std::string(kHint) : path;
        return;
    }
    m_field = kHint;
    m_audioPath.clear();
}

void GameCallAudioChoice::store(bool gameCallOn)
{
    if (gameCallOn && fieldHoldsPath())
        m_audioPath = CUtil::TrimText(m_field, -1);
    else
        m_audioPath.clear();
}

void GameCallAudioChoice::choose(const std::optional<std::string>& chosen, bool exists)
{
    if (chosen && exists) {
        m_field = *chosen;
        return;
    }
    if (chosen) {
        if (m_field != kHint) {
            const Message ask{"File is not exist ! \nWhether retain the directory record of audio file last time you "
                              "added ?",
                              MessageTitle::Tips, MessageIcon::Warning, MessageButtons::OkCancel};
            if (m_messages.show(ask) != MessageAnswer::Ok)
                m_field = kHint;
        } else {
            m_messages.warning("File is not exist !");
        }
        return;
    }
    if (fieldHoldsPath() &&
        m_messages.question("Whether retain the directory record of audio file last time you added ?") !=
            MessageAnswer::Ok)
        m_field = kHint;
}

} // namespace CameraDialogRules
