#pragma once

#include "context/NetworkParameters.h"
#include "network/NetworkDialogRules.h"

#include <QDialog>

#include <array>
#include <memory>

class AppContext;
class QLineEdit;

namespace Ui {
class CKRT_WapInternetDlg;
}

/// WAP / Internet parameters: the MMS settings, the GPRS access and the
/// camera's sending mail account. In the current-parameters mode only the
/// sending mail account can be changed; in the user-defined mode every
/// field. OK writes the network record and its loaded copy.
class CKRT_WapInternetDlg : public QDialog
{
    Q_OBJECT

public:
    enum class Mode
    {
        CurrentParameters,
        UserDefined
    };

    /// Modes of ManageOtherUI.
    static constexpr int kClearWap = 0;
    static constexpr int kEnableCurrent = 1;
    static constexpr int kEnableUserDefined = 2;
    static constexpr int kSave = 3;
    static constexpr int kLoad = 4;
    static constexpr int kReportChange = 5;
    /// The editable controls in the dialog's own order: index i < 13 is
    /// record field i, 13 the clear button.
    static constexpr std::array<int, 14> kIndexedControls = {1011, 1015, 1018, 1016, 1013, 1012, 1024,
                                                             1022, 1021, 1019, 1023, 1020, 1025, 1017};

    /// `advanced`: the model has the SMTP security option, so "Advanced..."
    /// is shown.
    CKRT_WapInternetDlg(AppContext& context, Mode mode, bool advanced, QWidget* parent = nullptr);
    ~CKRT_WapInternetDlg() override;

    /// Report whether OK changed the sending mail account.
    void setChangeWatch(bool watch) { m_changeWatch = watch; }
    [[nodiscard]] bool changeReported() const { return m_changeReported; }

    /// 1 when done, 0 for a mode it does not know.
    int ManageOtherUI(int mode);

    [[nodiscard]] int securityOption() const { return m_security; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onOk();
    void openAdvanced();
    void addressChanged();
    void addressFocusIn();
    void addressFocusOut();
    void serverFocusIn();
    void showPlaceholder();
    void setAddressColour(const QColor& colour);
    [[nodiscard]] QWidget* indexed(std::size_t index) const;
    [[nodiscard]] QLineEdit* fieldEdit(std::size_t field) const;
    /// The four sending-mail fields as record bytes.
    [[nodiscard]] NetworkDialogRules::SendingFields sendingFields() const;

    std::unique_ptr<Ui::CKRT_WapInternetDlg> m_ui;
    AppContext& m_context;
    bool m_changeWatch = false;
    bool m_changeReported = false;
    int m_security = 0;
    bool m_firstChange = true;
    bool m_serverFocusFlag = false;
};
