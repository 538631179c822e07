#pragma once

#include "camera/CameraDialogBindings.h"
#include "camera/CameraDialogRules.h"
#include "camera/WorkDaySelection.h"
#include "models/CameraDialogVariants.h"
#include "models/CameraLayoutKeys.h"

#include <QDialog>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>
#include <set>
#include <span>
#include <string>

class AppContext;
class QAbstractButton;
class QComboBox;

/// What the full camera settings dialogs (143 and 204) share: one layout
/// adapted to the model from its table row (`Mng_InitForMultiMod`), the
/// record loaded into the controls and stored back on a confirmed OK, and
/// the rules that tie the controls together. The two dialogs differ in
/// their layout, their table and their extension lists.
class CameraSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    /// The file-open dialog of "Add Audio"; tests answer it instead.
    using FileChooser = std::function<std::optional<QString>(QWidget* parent, const QString& filter)>;
    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }

    [[nodiscard]] const std::string& listEntry() const { return m_listEntry; }

    int Mng_InitForMultiMod();

    /// A dialog that refused its model at opening closes at once.
    int exec() override;
    void reject() override;

protected:

    /// What a model the dialog's table does not name gets.
    enum class UnknownModel
    {
        /// No table: every model shows the layout's lists.
        Ignored,
        /// "Invalid call for …::Mng_InitForMultiMod() !"; the layout's lists.
        InvalidCall,
        /// "Error In …::OnInitDialog() !" and the dialog closes.
        Refused,
    };

    struct Shape
    {
        std::span<const CameraDialogVariant> table;
        const char* className;
        UnknownModel unknownModel;
        /// The dialog's resource number: which lists edit which keys, and
        /// the rest of what differs between the dialogs (`CameraDialogShape`).
        int dialog;
    };

    CameraSettingsDialog(AppContext& context, std::string listEntry, QWidget* parent);
    /// Runs after the subclass has built its layout: adapts it to the model
    /// and loads the record.
    void initialise(const Shape& shape);

private:
    void applyVariant(const CameraDialogVariant& variant);
    void load();
    void store();
    void onOk();

    void timeLapseActivated(int position);
    void pirTriggerActivated(int position);
    void smsControlActivated(int position);
    void gameCallActivated(int position);
    void updateGameCallControls(bool on);
    void updateWorkHourControls();
    void addAudio();
    void setClockClicked();
    void clockTick();
    void showWorkDays();
    void sendToClicked(int ctrlId);
    void sendModeClicked(int index);
    void showSendMode(int index);

    void enableControl(int ctrlId, bool on);
    [[nodiscard]] bool has(int ctrlId) const;
    [[nodiscard]] bool edits(CameraKey key) const;
    [[nodiscard]] QComboBox* combo(int ctrlId) const;
    [[nodiscard]] QAbstractButton* button(int ctrlId) const;
    [[nodiscard]] int pirOffPosition() const;
    [[nodiscard]] std::span<const int> sendToOrder() const;
    [[nodiscard]] int checkedSendMode() const;

    AppContext& m_context;
    std::string m_listEntry;
    Shape m_shape{};
    /// The rest of what sets this dialog apart: its send-to radios, SMS
    /// question and rules, from the core's table.
    const CameraDialogShape* m_rules = nullptr;
    const CameraDialogVariant* m_variant = nullptr;
    std::set<int> m_disabledForLife;
    bool m_refused = false;
    CameraDialogRules::TimeLapsePirRule m_timeLapsePir{3};
    CameraDialogRules::GameCallAudioChoice m_audio;
    WorkDaySelection m_workDays{0};
    QTimer m_clockTimer;
    FileChooser m_chooseFile;
};
