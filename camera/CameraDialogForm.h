#pragma once

#include "camera/CameraDialogBindings.h"
#include "camera/CameraDialogRules.h"
#include "camera/WorkDaySelection.h"
#include "context/CameraSettings.h"
#include "models/CameraDialogVariants.h"
#include "models/ModelCatalogue.h"

#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class Clock;
class MessageService;
struct DialogLayout;

/// A model's camera settings dialog without widgets, for a front end
/// without Qt: the controls its layout holds as the model's row adapts
/// them (lists, labels, disabled and hidden controls), the record loaded
/// into them, the dialog's rules applied to each choice, and the record
/// stored back from them as the dialog's confirmed OK stores it.
class CameraDialogForm
{
public:
    enum class Kind { List, Radio, Check, Edit, Date, Time, Button };

    /// A check box's value: 0 unchecked, 1 checked, 2 in between.
    static constexpr int kUnchecked = 0;
    static constexpr int kChecked = 1;
    static constexpr int kIndeterminate = 2;

    struct Control
    {
        int ctrlId = 0;
        Kind kind = Kind::List;
        std::string name;  // the layout's object name
        std::string group; // the title of its group box
        /// The label beside a list, edit field or picker; the text of a
        /// radio button, check box or button.
        std::string label;
        std::vector<std::string> items;
        bool visible = true;
        bool enabled = true;
        /// A list's position (-1: nothing chosen), 1 for a chosen radio, a
        /// check box's state.
        int value = -1;
        /// An edit field's text; a picker's "YYYY-MM-DD" or "HH:MM:SS".
        std::string text;
        /// Bytes an edit field takes, as the file stores its text; 0 for no limit.
        int maxLength = 0;
    };

    /// The form of the model's dialog over a copy of the record and of the
    /// chosen sound; nothing changes them before store().
    CameraDialogForm(const ModelDescriptor& model, CameraSettings record, std::string audioPath,
                     MessageService& messages, const Clock& clock);
    CameraDialogForm(const CameraDialogForm&) = delete;
    CameraDialogForm& operator=(const CameraDialogForm&) = delete;

    [[nodiscard]] const std::vector<Control>& controls() const { return m_controls; }
    [[nodiscard]] const Control* control(int ctrlId) const;

    /// The user chose a list position: the rules of the dialog follow
    /// (Time Lapse / PIR Trigger, SMS Control's question, Game Call, Work Hour).
    void choose(int ctrlId, int position);
    /// The user clicked a radio button or check box.
    void click(int ctrlId);
    /// The user typed the camera name or picked a date ("YYYY-MM-DD") or a
    /// time ("HH:MM" or "HH:MM:SS"); text that is no date or time is ignored.
    void setText(int ctrlId, std::string_view text);
    /// "Add Audio": the file the user picked (its name), or nothing when
    /// the choice was cancelled.
    void chooseAudio(const std::optional<std::string>& file);
    /// The clock timer: while "Set Clock" is ticked the pickers show now.
    void tick();

    /// True once the user changed anything.
    [[nodiscard]] bool edited() const { return m_edited; }
    /// True once the user chose the send-to radio that leads to the FTP settings.
    [[nodiscard]] bool ftpChosen() const { return m_ftpChosen; }

    /// The confirmed dialog's store: every control into the record, and the
    /// path field into the chosen sound.
    void store(CameraSettings& record, std::string& audioPath) const;

private:
    Control* find(int ctrlId);
    [[nodiscard]] bool has(int ctrlId) const { return control(ctrlId) != nullptr; }
    [[nodiscard]] int valueOf(int ctrlId) const;
    void setValue(int ctrlId, int value);
    void enable(int ctrlId, bool on);
    [[nodiscard]] bool edits(CameraKey key) const;
    [[nodiscard]] std::span<const int> sendToOrder() const;
    [[nodiscard]] int checkedRadio(std::span<const int> radios) const;

    void build(const DialogLayout& layout);
    void load();
    void showGameCall();
    void showWorkHour();
    void showWorkDays();
    void showSendMode(int radio);
    void showClock();
    void setPickers(const LocalDateTime& time);
    [[nodiscard]] LocalDateTime picked() const;

    const ModelDescriptor& m_model;
    const CameraDialogShape* m_shape = nullptr;
    const CameraDialogVariant* m_variant = nullptr;
    CameraSettings m_record;
    std::string m_audioPath;
    MessageService& m_messages;
    const Clock& m_clock;
    std::vector<Control> m_controls;
    std::set<int> m_disabledForLife;
    CameraDialogRules::TimeLapsePirRule m_timeLapsePir{3};
    CameraDialogRules::GameCallAudioChoice m_audio;
    WorkDaySelection m_workDays{0};
    bool m_edited = false;
    bool m_ftpChosen = false;
};
