#pragma once

#include "context/NetworkParameters.h"

#include <QDialog>

#include <memory>

class MessageService;
class QRadioButton;

namespace Ui {
class CKRT_AdvancedSetupDlg;
}

/// Advanced Setup: whether the camera's sending mail uses encryption, and
/// which (SSL, TLS or TLS V1.2).
class CKRT_AdvancedSetupDlg : public QDialog
{
    Q_OBJECT

public:
    /// `option` is the security option in force; outside 0..3 counts as none.
    CKRT_AdvancedSetupDlg(MessageService& messages, int option, QWidget* parent = nullptr);
    ~CKRT_AdvancedSetupDlg() override;

    /// The chosen option after OK; the given one otherwise.
    [[nodiscard]] SmtpSecurity option() const { return m_option; }

private:
    void encryptionClicked(bool ticked);
    void radioClicked(QRadioButton* clicked);
    void onOk();
    void setRadios(QRadioButton* selected, bool enabled);

    std::unique_ptr<Ui::CKRT_AdvancedSetupDlg> m_ui;
    MessageService& m_messages;
    SmtpSecurity m_option;
};
