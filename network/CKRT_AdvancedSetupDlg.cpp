#include "network/CKRT_AdvancedSetupDlg.h"

#include "network/NetworkDialogRules.h"
#include "platform/DialogText.h"
#include "platform/LineEditText.h"
#include "platform/MessageService.h"

#include "ui_CKRT_AdvancedSetupDlg.h"

CKRT_AdvancedSetupDlg::CKRT_AdvancedSetupDlg(MessageService& messages, int option, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CKRT_AdvancedSetupDlg>()), m_messages(messages),
      m_option(option >= 1 && option <= 3 ? static_cast<SmtpSecurity>(option) : SmtpSecurity::None)
{
    m_ui->setupUi(this);
    // No edit field today; one added to the layout is single-line too.
    LineEditText::makeSingleLine(this);
    const auto [ok, cancel] =
        setUpOkCancel(m_ui->buttonBox, QStringLiteral("OK (&Y)"), QStringLiteral("Cancel (&N)"));
    connect(ok, &QPushButton::clicked, this, &CKRT_AdvancedSetupDlg::onOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->encryptionCheckBox, &QCheckBox::clicked, this, &CKRT_AdvancedSetupDlg::encryptionClicked);
    for (QRadioButton* radio : {m_ui->sslRadio, m_ui->tlsRadio, m_ui->tls12Radio})
        connect(radio, &QRadioButton::clicked, this, [this, radio] { radioClicked(radio); });

    QRadioButton* const selected[] = {nullptr, m_ui->sslRadio, m_ui->tlsRadio, m_ui->tls12Radio};
    const bool encrypted = m_option != SmtpSecurity::None;
    m_ui->encryptionCheckBox->setChecked(encrypted);
    setRadios(selected[static_cast<int>(m_option)], encrypted);
}

CKRT_AdvancedSetupDlg::~CKRT_AdvancedSetupDlg() = default;

void CKRT_AdvancedSetupDlg::setRadios(QRadioButton* selected, bool enabled)
{
    for (QRadioButton* radio : {m_ui->sslRadio, m_ui->tlsRadio, m_ui->tls12Radio}) {
        radio->setChecked(radio == selected);
        radio->setEnabled(enabled);
    }
}

void CKRT_AdvancedSetupDlg::encryptionClicked(bool ticked)
{
    setRadios(nullptr, ticked);
}

void CKRT_AdvancedSetupDlg::radioClicked(QRadioButton* clicked)
{
    m_ui->encryptionCheckBox->setChecked(true);
    setRadios(clicked, true);
}

void CKRT_AdvancedSetupDlg::onOk()
{
    SmtpSecurity chosen = SmtpSecurity::None;
    if (m_ui->encryptionCheckBox->isChecked()) {
        if (m_ui->sslRadio->isChecked())
            chosen = SmtpSecurity::Ssl;
        else if (m_ui->tlsRadio->isChecked())
            chosen = SmtpSecurity::Tls;
        else if (m_ui->tls12Radio->isChecked())
            chosen = SmtpSecurity::TlsV12;
        else {
            m_messages.warning(NetworkDialogRules::kNoEncryptionWay);
            return;
        }
    }
    m_option = chosen;
    accept();
}
