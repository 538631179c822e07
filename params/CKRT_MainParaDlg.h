#pragma once

#include "network/OperatorSelection.h"
#include "params/MainParaCore.h"

#include "audio/ConversionTool.h"
#include "audio/GameCallAudio.h"

#include <QDialog>
#include <QTimer>

#include <memory>
#include <string>

class AppContext;
class QLineEdit;

namespace Ui {
class CKRT_MainParaDlg;
}

/// Where the user works on one model's parameters: the operator lists, the
/// camera and network dialogs, the customer fields, and SAVE to the card
/// and the backup copy.
class CKRT_MainParaDlg : public QDialog
{
    Q_OBJECT

public:
    CKRT_MainParaDlg(AppContext& context, const std::string& listEntry, QWidget* parent = nullptr);
    ~CKRT_MainParaDlg() override;

    /// Set-up, lists, drive search and load. False when the model is not
    /// known and the dialog must not run.
    bool initialise();

    [[nodiscard]] MainParaCore& core() { return m_core; }
    [[nodiscard]] OperatorSelection& operatorSelection() { return m_operatorSelection; }

    /// Runs the operator-list operation and shows its result in the list boxes.
    int Mng_OperatorSelection(int mode);

    int Mng_JumpToCertainMod();
    void Mng_SearchDisks();
    void saveParameters();
    void defaultSetting();
    void checkNetworkParameters();
    void openAbout();

    void reject() override;

protected:
    /// The dialog in the variant of the model's file: plain (resource 137)
    /// or encrypted (resource 187).
    CKRT_MainParaDlg(AppContext& context, const std::string& listEntry, MainParaCore::Variant variant,
                     QWidget* parent);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void showSaveTargets();
    void refreshSaveTargets();
    void saveTargetChanged(int index);
    void takeCustomerFields();
    void showCustomerFields();
    void showOperatorLists();
    bool runUserDefinedNetworkDialog();
    [[nodiscard]] bool modelHasSmtpSecurity() const;
    void setEmailTieFromValues();
    void toggleEmailTie();
    void emailFieldFocused();
    void fillEmailFromSendingAddress();
    [[nodiscard]] QLineEdit* customerEdit(int index) const;

    std::unique_ptr<Ui::CKRT_MainParaDlg> m_ui;
    AppContext& m_context;
    MainParaCore m_core;
    OperatorSelection m_operatorSelection;
    ConversionTool m_conversionTool;
    GameCallAudio m_gameCallAudio;
    /// Looks for what staging had to report once it is done.
    QTimer m_stagingReports;
    bool m_emailFocusGuard = false;
    bool m_showingTargets = false;
};
