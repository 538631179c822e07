#pragma once

#include "platform/Clock.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

class CameraSettings;
class MessageService;

/// What the camera settings dialogs decide without looking at a widget: how
/// a record value becomes a list position and back, the send-to and
/// send-mode radios, the Time Lapse / PIR Trigger rule, the clock group and
/// the game-call sound choice. A position of -1 is a list with nothing
/// selected.
namespace CameraDialogRules {

inline constexpr int kNone = -1;

/// The position a list of `itemCount` items shows for a record value:
/// value - offset, or nothing when that is not a position of the list.
[[nodiscard]] int positionForValue(int value, int offset, int itemCount);
/// The record value of a position: position + offset, -1 for nothing.
[[nodiscard]] int valueForPosition(int position, int offset);

/// "Replay Time" shows "OFF" for -1: its positions count from -1.
inline constexpr int kReplayTimeOffset = -1;
/// "Max Number" beyond the list shows as its last possible position.
[[nodiscard]] int maxNumberPosition(int value, int itemCount);

/// The editable "Attachment Size" list: typed text that is no item counts
/// as nothing selected.
[[nodiscard]] int attachmentSizePosition(std::string_view text, std::span<const std::string> items);

/// Send To: the radio a stored value selects, through the model's order
/// (`radioOfValue[value]`); nothing for a value outside it. Storing gives
/// the value of the selected radio, 0 when none is selected.
[[nodiscard]] int sendToRadio(int value, std::span<const int> radioOfValue);
[[nodiscard]] int sendToValue(int radio, std::span<const int> radioOfValue);

/// Send Mode: the stored value counts from the radio at `offset` (1 where
/// it counts from " Daily Report", so -1 shows "Batch").
[[nodiscard]] int sendModeRadio(int value, int offset, int radioCount);
[[nodiscard]] int sendModeValue(int radio, int offset);

struct SendModeEnables
{
    bool sendTime = false;
    bool maxNumber = false;
};
/// Daily Report (radio 1) enables the send time, Instant (radio 2) the
/// maximum number; the other radios and none enable neither.
[[nodiscard]] SendModeEnables sendModeEnables(int radio);

/// Time Lapse and PIR Trigger may not both be OFF. The dialog keeps the last
/// accepted positions; a change that would make both OFF is refused with a
/// warning and the list goes back.
class TimeLapsePirRule
{
public:
    /// `pirOff` is the position of "OFF" in the model's PIR Trigger list.
    explicit TimeLapsePirRule(int pirOff) : m_pirOff(pirOff) {}

    /// At load: both OFF leaves PIR Trigger with nothing selected. Returns
    /// the PIR Trigger position to show.
    [[nodiscard]] int load(int timeLapse, int pirTrigger);
    /// The position Time Lapse must show after the user chose `position`.
    [[nodiscard]] int timeLapseChanged(int position, int pirTrigger, MessageService& messages);
    /// The position PIR Trigger must show after the user chose `position`.
    [[nodiscard]] int pirTriggerChanged(int position, int timeLapse, MessageService& messages);

private:
    static constexpr int kTimeLapseOff = 0;
    int m_pirOff;
    int m_lastTimeLapse = kNone;
    int m_lastPir = kNone;
};

/// The clock group at load: whether "Set Clock" is ticked and, when it is
/// not, the stored date and time for the pickers. An invalid stored clock
/// sets the record's flag (even if the dialog is then cancelled).
struct ClockGroupState
{
    bool setClock = true;
    std::optional<LocalDateTime> pickers;
};
[[nodiscard]] ClockGroupState loadClock(CameraSettings& settings);
/// At OK: ticked keeps the stored fields and sets the flag; otherwise the
/// picked date and time are stored and the flag is set exactly when they
/// are no valid clock.
void storeClock(CameraSettings& settings, bool setClock, const LocalDateTime& picked);

/// The game-call sound controls: the path field with its hint, and the
/// process-wide chosen path (`GameCallAudioPath`) it feeds on OK.
class GameCallAudioChoice
{
public:
    static constexpr std::string_view kHint = "You can click the left button to add the audio file!";

    GameCallAudioChoice(std::string& audioPath, MessageService& messages)
        : m_audioPath(audioPath), m_messages(messages)
    {
    }

    /// The text of the path field.
    [[nodiscard]] const std::string& fieldText() const { return m_field; }

    /// Game Call switched (or shown at load): OFF shows the hint and drops
    /// the chosen sound at once. Returns whether the game-call controls are
    /// enabled.
    bool enable(bool gameCallOn);
    /// At load, after enable(): the stored Game Call value decides whether
    /// the chosen path is shown.
    void load(bool gameCallOn, int storedGameCall);
    /// At OK: the field's path becomes the chosen sound, or none.
    void store(bool gameCallOn);
    /// "Add Audio": `chosen` is the file the open dialog returned (nothing
    /// when it was cancelled), `exists` whether that file is there.
    void choose(const std::optional<std::string>& chosen, bool exists);

private:
    [[nodiscard]] bool fieldHoldsPath() const;

    std::string& m_audioPath;
    MessageService& m_messages;
    std::string m_field{kHint};
};

} // namespace CameraDialogRules
