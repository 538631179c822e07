#pragma once

#include <QDialog>

#include <memory>

class MessageService;
struct FtpParameters;
class QLineEdit;

namespace Ui {
class CKRT_FtpSettingDlg;
}

/// FTP Setting: the server, port, account and password a camera uploads
/// its pictures to. OK replaces the FTP record; Cancel leaves it alone.
class CKRT_FtpSettingDlg : public QDialog
{
    Q_OBJECT

public:
    CKRT_FtpSettingDlg(FtpParameters& record, MessageService& messages, QWidget* parent = nullptr);
    ~CKRT_FtpSettingDlg() override;

private:
    void onOk();
    [[nodiscard]] QLineEdit* edit(std::size_t field) const;

    std::unique_ptr<Ui::CKRT_FtpSettingDlg> m_ui;
    FtpParameters& m_record;
    MessageService& m_messages;
};
