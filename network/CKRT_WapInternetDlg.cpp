#include "network/CKRT_WapInternetDlg.h"

#include "context/AppContext.h"
#include "network/CKRT_AdvancedSetupDlg.h"
#include "network/NetworkDialogRules.h"
#include "network/NetworkSections.h"
#include "network/SmtpProviders.h"
#include "platform/CUtil.h"
#include "platform/DialogText.h"
#include "platform/LineEditText.h"

#include "ui_CKRT_WapInternetDlg.h"

#include <QEvent>
#include <QRegularExpressionValidator>

namespace {

const QColor kBlack(0, 0, 0);
const QColor kPlaceholderGrey(200, 200, 200);
const QColor kMarkerRed(255, 0, 0);

} // namespace

CKRT_WapInternetDlg::CKRT_WapInternetDlg(AppContext& context, Mode mode, bool advanced, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CKRT_WapInternetDlg>()), m_context(context)
{
    m_ui->setupUi(this);
    const auto [ok, cancel] =
        setUpOkCancel(m_ui->buttonBox, QStringLiteral("OK (&Y)"), QStringLiteral("Cancel (&N)"));
    connect(ok, &QPushButton::clicked, this, &CKRT_WapInternetDlg::onOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->clearButton, &QPushButton::clicked, this, [this] { ManageOtherUI(kClearWap); });
    connect(m_ui->advancedButton, &QPushButton::clicked, this, &CKRT_WapInternetDlg::openAdvanced);
    connect(m_ui->sendAddressEdit, &QLineEdit::textChanged, this, &CKRT_WapInternetDlg::addressChanged);
    m_ui->sendAddressEdit->installEventFilter(this);
    m_ui->sendServerEdit->installEventFilter(this);

    const auto* digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
    m_ui->mmsPortEdit->setValidator(digits);
    m_ui->sendPortEdit->setValidator(digits);
    // After the validators, which keep judging what is left.
    LineEditText::makeSingleLine(this);
    // The password goes into the file as typed, but only as much of it comes
    // back as the file keeps: a longer one would be cut on the next load and
    // saved cut (and would make an encoded file overflow).
    LineEditText::setMaxBytes(m_ui->sendPasswordEdit, networkFieldKey(NetworkParameters::SendEmailPassword).limit);

    // Enabled, the fields the user most often fills are painted on white;
    // disabled they look like every other disabled field. The seven
    // markers are red.
    for (QLineEdit* edit : {m_ui->mmsUrlEdit, m_ui->mmsPortEdit, m_ui->sendServerEdit, m_ui->sendAddressEdit,
                            m_ui->sendPortEdit, m_ui->sendPasswordEdit}) {
        QPalette palette = edit->palette();
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            palette.setColor(group, QPalette::Base, Qt::white);
            palette.setColor(group, QPalette::Text, kBlack);
        }
        edit->setPalette(palette);
    }
    for (QLabel* marker : {m_ui->sendAddressMarker, m_ui->sendPasswordMarker, m_ui->sendServerMarker,
                           m_ui->sendPortMarker, m_ui->mmsUrlMarker, m_ui->mmsApnMarker, m_ui->mmsIpMarker}) {
        QPalette palette = marker->palette();
        palette.setColor(QPalette::WindowText, kMarkerRed);
        marker->setPalette(palette);
    }
    // Tabbing follows the layout, left group then right, so in the
    // current-parameters mode the focus starts in the sending address, not
    // in the server field that asks for the address first.
    QWidget* const tabOrder[] = {m_ui->mmsUrlEdit,      m_ui->mmsApnEdit,       m_ui->mmsPortEdit,
                                 m_ui->mmsIpEdit,       m_ui->mmsAccountEdit,   m_ui->mmsPasswordEdit,
                                 m_ui->clearButton,     m_ui->sendAddressEdit,  m_ui->sendPasswordEdit,
                                 m_ui->sendServerEdit,  m_ui->gprsApnEdit,      m_ui->sendPortEdit,
                                 m_ui->gprsAccountEdit, m_ui->gprsPasswordEdit, m_ui->advancedButton};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    m_ui->advancedButton->setVisible(advanced);
    m_ui->advancedButton->setEnabled(advanced);

    ManageOtherUI(kLoad);
    const bool current = mode == Mode::CurrentParameters;
    ManageOtherUI(current ? kEnableCurrent : kEnableUserDefined);
    m_ui->topLabel->setText(toQt(current ? NetworkDialogRules::kCurrentParametersLine
                                         : NetworkDialogRules::kUserDefinedLine));
}

CKRT_WapInternetDlg::~CKRT_WapInternetDlg() = default;

QWidget* CKRT_WapInternetDlg::indexed(std::size_t index) const
{
    QWidget* const widgets[] = {m_ui->mmsUrlEdit,       m_ui->mmsApnEdit,      m_ui->mmsIpEdit,
                                m_ui->mmsPortEdit,      m_ui->mmsAccountEdit,  m_ui->mmsPasswordEdit,
                                m_ui->gprsApnEdit,      m_ui->gprsAccountEdit, m_ui->gprsPasswordEdit,
                                m_ui->sendServerEdit,   m_ui->sendPortEdit,    m_ui->sendAddressEdit,
                                m_ui->sendPasswordEdit, m_ui->clearButton};
    return widgets[index];
}

QLineEdit* CKRT_WapInternetDlg::fieldEdit(std::size_t field) const
{
    return qobject_cast<QLineEdit*>(indexed(field));
}

NetworkDialogRules::SendingFields CKRT_WapInternetDlg::sendingFields() const
{
    return {LineEditText::bytes(m_ui->sendServerEdit), LineEditText::bytes(m_ui->sendPortEdit),
            LineEditText::bytes(m_ui->sendAddressEdit), LineEditText::bytes(m_ui->sendPasswordEdit)};
}

int CKRT_WapInternetDlg::ManageOtherUI(int mode)
{
    NetworkParameters& record = m_context.records().networkParameters;
    switch (mode) {
    case kClearWap:
        for (std::size_t field = NetworkParameters::MmsUrl; field <= NetworkParameters::MmsPassword;
             ++field) {
            if (field == NetworkParameters::MmsIp)
                m_ui->mmsIpEdit->clear();
            else
                fieldEdit(field)->clear();
        }
        if (m_ui->sendAddressEdit->text().isEmpty())
            showPlaceholder();
        return 1;
    case kEnableCurrent:
        for (std::size_t i = 0; i < kIndexedControls.size(); ++i)
            indexed(i)->setEnabled(i >= NetworkParameters::SendEmailServer &&
                                   i <= NetworkParameters::SendEmailPassword);
        return 1;
    case kEnableUserDefined:
        for (std::size_t i = 0; i < kIndexedControls.size(); ++i)
            indexed(i)->setEnabled(true);
        m_ui->advancedButton->setEnabled(true);
        return 1;
    case kSave: {
        NetworkParameters& copy = m_context.records().loadedNetworkCopy;
        for (std::size_t field = 0; field < NetworkParameters::SendEmailPassword + 1; ++field) {
            const std::string value =
                field == NetworkParameters::MmsIp
                    ? NetworkDialogRules::formatIpv4(m_ui->mmsIpEdit->parts())
                    : NetworkDialogRules::storedFieldText(field, LineEditText::bytes(fieldEdit(field)));
            record.fields[field] = value;
            copy.fields[field] = value;
        }
        if (record.fields[NetworkParameters::SendEmailAddr] == kPlaceholderAddress)
            record.fields[NetworkParameters::SendEmailAddr].clear();
        record.smtpSecurity = smtpSecurityText(m_security);
        return 1;
    }
    case kLoad: {
        for (std::size_t field = 0; field < NetworkParameters::SendEmailPassword + 1; ++field) {
            if (field != NetworkParameters::MmsIp)
                LineEditText::setBytes(fieldEdit(field), record.fields[field]);
        }
        if (const auto parts = NetworkDialogRules::parseIpv4(record.fields[NetworkParameters::MmsIp])) {
            m_ui->mmsIpEdit->setParts(*parts);
        } else {
            m_ui->mmsIpEdit->clear();
            record.fields[NetworkParameters::MmsIp].clear();
        }
        const std::string& address = record.fields[NetworkParameters::SendEmailAddr];
        if (address.empty() || address == kPlaceholderAddress)
            showPlaceholder();
        m_security = static_cast<int>(smtpSecurityFromText(record.smtpSecurity));
        return 1;
    }
    case kReportChange: {
        m_changeReported = m_changeWatch && NetworkDialogRules::sendingFieldsChanged(sendingFields(), record);
        return 1;
    }
    default:
        m_context.messages().error("Invalid call for ManageOtherUI()!");
        return 0;
    }
}

void CKRT_WapInternetDlg::showPlaceholder()
{
    m_ui->sendAddressEdit->setText(toQt(std::string(kPlaceholderAddress)));
    setAddressColour(kPlaceholderGrey);
}

void CKRT_WapInternetDlg::setAddressColour(const QColor& colour)
{
    QPalette palette = m_ui->sendAddressEdit->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::Text, colour);
    m_ui->sendAddressEdit->setPalette(palette);
}

void CKRT_WapInternetDlg::onOk()
{
    if (const auto incomplete = NetworkDialogRules::firstIncompleteSendingField(sendingFields())) {
        m_context.messages().warning(NetworkDialogRules::kSendingIncomplete);
        fieldEdit(*incomplete)->setFocus();
        return;
    }
    if (m_context.messages().question("Save all WAP/Internet parameters ?") != MessageAnswer::Ok)
        return;
    ManageOtherUI(kReportChange);
    ManageOtherUI(kSave);
    m_context.messages().information("OK,WAP/Internet Parameters saved success !");
    accept();
}

void CKRT_WapInternetDlg::openAdvanced()
{
    CKRT_AdvancedSetupDlg advanced(m_context.messages(), m_security, this);
    if (advanced.exec() != QDialog::Accepted)
        return;
    m_security = static_cast<int>(advanced.option());
    const int provider = ClassifySenderAddress(LineEditText::bytes(m_ui->sendAddressEdit));
    if (const auto port =
            portForSecurity(provider, advanced.option(), LineEditText::bytes(m_ui->sendPortEdit)))
        m_ui->sendPortEdit->setText(toQt(std::string(*port)));
}

void CKRT_WapInternetDlg::addressChanged()
{
    // The first notification comes from loading the record; a server the
    // user set by hand earlier must survive opening the dialog.
    if (m_firstChange) {
        m_firstChange = false;
        return;
    }
    const int provider = ClassifySenderAddress(LineEditText::bytes(m_ui->sendAddressEdit));
    if (provider == 0)
        return;
    const SmtpProvider& row = smtpProvider(provider);
    if (row.security)
        m_security = static_cast<int>(*row.security);
    // Provider 4's port depends on the option already chosen.
    const std::string_view port = autoFillPort(provider, static_cast<SmtpSecurity>(m_security));
    m_ui->sendServerEdit->setText(toQt(std::string(row.server)));
    m_ui->sendPortEdit->setText(toQt(std::string(port)));
}

void CKRT_WapInternetDlg::addressFocusIn()
{
    if (NetworkDialogRules::isBlankOrPlaceholder(LineEditText::bytes(m_ui->sendAddressEdit)))
        m_ui->sendAddressEdit->clear();
    setAddressColour(kBlack);
}

void CKRT_WapInternetDlg::addressFocusOut()
{
    if (NetworkDialogRules::isBlankOrPlaceholder(LineEditText::bytes(m_ui->sendAddressEdit)))
        showPlaceholder();
    else
        setAddressColour(kBlack);
}

void CKRT_WapInternetDlg::serverFocusIn()
{
    // The flag flips on every focus event, so the focus that returns after
    // the message box closes does not show the message a second time.
    const bool wasSet = m_serverFocusFlag;
    m_serverFocusFlag = !m_serverFocusFlag;
    if (wasSet || !NetworkDialogRules::isBlankOrPlaceholder(LineEditText::bytes(m_ui->sendAddressEdit)))
        return;
    m_context.messages().warning(NetworkDialogRules::kAddressFirst);
    m_ui->sendAddressEdit->setFocus();
}

bool CKRT_WapInternetDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui->sendAddressEdit) {
        if (event->type() == QEvent::FocusIn)
            addressFocusIn();
        else if (event->type() == QEvent::FocusOut)
            addressFocusOut();
    } else if (watched == m_ui->sendServerEdit && event->type() == QEvent::FocusIn) {
        serverFocusIn();
    }
    return QDialog::eventFilter(watched, event);
}
