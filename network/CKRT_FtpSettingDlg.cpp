#include "network/CKRT_FtpSettingDlg.h"

#include "context/FtpParameters.h"
#include "network/NetworkDialogRules.h"
#include "platform/DialogText.h"
#include "platform/LineEditText.h"
#include "platform/MessageService.h"

#include "ui_CKRT_FtpSettingDlg.h"

CKRT_FtpSettingDlg::CKRT_FtpSettingDlg(FtpParameters& record, MessageService& messages, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CKRT_FtpSettingDlg>()), m_record(record), m_messages(messages)
{
    m_ui->setupUi(this);
    LineEditText::makeSingleLine(this);
    const auto [ok, cancel] =
        setUpOkCancel(m_ui->buttonBox, QStringLiteral("OK(&Y)"), QStringLiteral("Cancel(&N)"));
    connect(ok, &QPushButton::clicked, this, &CKRT_FtpSettingDlg::onOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    const FtpParameters& ftp = m_record;
    for (std::size_t field = 0; field < FtpParameters::FieldCount; ++field)
        LineEditText::setBytes(edit(field), ftp.fields[field]);
}

CKRT_FtpSettingDlg::~CKRT_FtpSettingDlg() = default;

QLineEdit* CKRT_FtpSettingDlg::edit(std::size_t field) const
{
    QLineEdit* const edits[] = {m_ui->serverEdit, m_ui->portEdit, m_ui->accountEdit, m_ui->passwordEdit};
    return edits[field];
}

void CKRT_FtpSettingDlg::onOk()
{
    FtpParameters typed;
    for (std::size_t field = 0; field < FtpParameters::FieldCount; ++field)
        typed.fields[field] = LineEditText::bytes(edit(field));

    if (const auto empty = NetworkDialogRules::firstEmptyFtpField(typed)) {
        m_messages.warning(NetworkDialogRules::kFtpIncomplete);
        edit(*empty)->setFocus();
        return;
    }
    if (m_messages.question("Save all Internet parameters ?") != MessageAnswer::Ok)
        return;
    m_record = NetworkDialogRules::storedFtpFields(typed);
    m_messages.information("OK,Internet Parameters saved success !");
    accept();
}
