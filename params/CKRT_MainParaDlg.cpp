#include "params/CKRT_MainParaDlg.h"

#include "audio/ConversionProgress.h"
#include "camera/CKRT_CamPara4GDlg.h"
#include "camera/CKRT_CamParaGroup1Dlg.h"
#include "camera/CKRT_CamParaRV718WDlg.h"
#include "camera/CKRT_CamParaRV720QDlg.h"
#include "camera/CKRT_CamParaTQ240Dlg.h"
#include "context/AppContext.h"
#include "models/ModelCatalogue.h"
#include "network/CKRT_WapInternetDlg.h"
#include "params/CKRT_AboutDlg.h"
#include "platform/Debug.h"
#include "platform/DialogControls.h"
#include "platform/DialogText.h"
#include "platform/LineEditText.h"
#include "platform/Pictures.h"

#include "ui_CKRT_MainParaDlg.h"

#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPalette>
#include <QSignalBlocker>

#include <array>

namespace {

constexpr std::array<int, 4> kEncryptedPhoneLabelIds{1060, 1061, 1062, 1063};

int selectedRow(const QListWidget* list)
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

/// Puts the core's items and selection into a list box without reporting
/// them as the user's choice.
void showList(QListWidget* list, const OperatorSelection::List& model)
{
    const QSignalBlocker blocker(list);
    QStringList items;
    for (const std::string& item : model.items)
        items.append(toQt(item));
    bool same = list->count() == items.size();
    for (int i = 0; same && i < items.size(); ++i)
        same = list->item(i)->text() == items[i];
    if (!same) {
        list->clear();
        list->addItems(items);
    }
    list->clearSelection();
    list->setCurrentRow(model.selected, model.selected < 0 ? QItemSelectionModel::Clear
                                                           : QItemSelectionModel::ClearAndSelect);
    if (QListWidgetItem* item = list->currentItem())
        list->scrollToItem(item);
}

} // namespace

CKRT_MainParaDlg::CKRT_MainParaDlg(AppContext& context, const std::string& listEntry, QWidget* parent)
    : CKRT_MainParaDlg(context, listEntry, MainParaCore::Variant::Plain, parent)
{
}

CKRT_MainParaDlg::CKRT_MainParaDlg(AppContext& context, const std::string& listEntry, MainParaCore::Variant variant,
                                   QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CKRT_MainParaDlg>()), m_context(context),
      m_core(context, listEntry, variant),
      m_operatorSelection(context.records().networkParameters, context.records().loadedNetworkCopy,
                          context.messages(), m_core.className(),
                          variant == MainParaCore::Variant::Plain ? OperatorSelection::Variant::Plain
                                                                  : OperatorSelection::Variant::Encrypted),
      m_conversionTool(context.files(), context.messages(), ConversionTool::findProgram()),
      m_gameCallAudio(context, m_conversionTool)
{
    m_ui->setupUi(this);
    m_core.attachGameCallAudio(m_gameCallAudio);
    m_gameCallAudio.setConversionRunner([this](ConversionJob& job) { return runWithProgress(this, job); });
    m_stagingReports.setInterval(200);
    connect(&m_stagingReports, &QTimer::timeout, this, [this] {
        if (m_conversionTool.isStaging())
            return;
        m_stagingReports.stop();
        m_conversionTool.deliverReports();
    });
    LineEditText::makeSingleLine(this);
    // A window of its own in the task bar, not a child of the hidden selection dialog.
    Qt::WindowFlags flags = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (variant == MainParaCore::Variant::Plain) {
        setWindowIcon(Pictures::appIcon());
        flags |= Qt::WindowMinimizeButtonHint;
    } else {
        // The encrypted dialog's layout numbers its phone-number labels.
        const std::array<QLabel*, 4> labels{m_ui->phone1Label, m_ui->phone2Label, m_ui->phone3Label,
                                            m_ui->phone4Label};
        for (std::size_t i = 0; i < labels.size(); ++i)
            setCtrlId(labels[i], kEncryptedPhoneLabelIds[i]);
    }
    setWindowFlags(flags);

    m_ui->bannerLabel->installEventFilter(this);
    m_ui->email1Edit->installEventFilter(this);

    QPalette marker = m_ui->email1Marker->palette();
    marker.setColor(QPalette::WindowText, QColor(255, 0, 0));
    m_ui->email1Marker->setPalette(marker);

    connect(m_ui->saveButton, &QPushButton::clicked, this, &CKRT_MainParaDlg::saveParameters);
    connect(m_ui->exitButton, &QPushButton::clicked, this, &CKRT_MainParaDlg::reject);
    connect(m_ui->defaultSettingButton, &QPushButton::clicked, this, &CKRT_MainParaDlg::defaultSetting);
    connect(m_ui->changeSettingButton, &QPushButton::clicked, this, [this] { Mng_JumpToCertainMod(); });
    connect(m_ui->checkNetworkButton, &QPushButton::clicked, this, &CKRT_MainParaDlg::checkNetworkParameters);
    connect(m_ui->email1TieCheckBox, &QCheckBox::clicked, this, &CKRT_MainParaDlg::toggleEmailTie);
    connect(m_ui->saveTargetCombo, &PopupComboBox::aboutToShowPopup, this,
            &CKRT_MainParaDlg::refreshSaveTargets);
    connect(m_ui->saveTargetCombo, &QComboBox::currentIndexChanged, this,
            &CKRT_MainParaDlg::saveTargetChanged);

    m_operatorSelection.setUserDefinedDialog([this] { return runUserDefinedNetworkDialog(); });
    connect(m_ui->countryList, &QListWidget::itemSelectionChanged, this, [this] {
        m_operatorSelection.countrySelectionChanged(selectedRow(m_ui->countryList));
        showOperatorLists();
    });
    connect(m_ui->operatorList, &QListWidget::itemSelectionChanged, this, [this] {
        m_operatorSelection.operatorSelectionChanged(selectedRow(m_ui->operatorList));
        showOperatorLists();
    });
}

CKRT_MainParaDlg::~CKRT_MainParaDlg() = default;

bool CKRT_MainParaDlg::initialise()
{
    if (const ModelDescriptor* model = ModelCatalogue::find(m_core.listEntry()))
        m_ui->phone1Label->setText(toQt(std::string(model->firstPhoneLabel)));
    if (m_core.variant() == MainParaCore::Variant::Encrypted)
        debugOut("===========当前型号是：" + m_core.listEntry() + "=================");
    if (!m_core.Mng_CurModSaveInfoSet())
        return false;
    m_stagingReports.start();
    setWindowTitle(toQt("KRT CONFIG : For " + m_core.listEntry()));
    m_emailFocusGuard = true;
    Mng_OperatorSelection(OperatorSelection::kFill);
    Mng_SearchDisks();
    return !m_core.closeRequested();
}

void CKRT_MainParaDlg::Mng_SearchDisks()
{
    m_core.Mng_SearchDisks();
    showSaveTargets();
    showCustomerFields();
    setEmailTieFromValues();
}

QLineEdit* CKRT_MainParaDlg::customerEdit(int index) const
{
    QLineEdit* const edits[] = {m_ui->phone1Edit, m_ui->phone2Edit, m_ui->phone3Edit, m_ui->phone4Edit,
                                m_ui->email1Edit, m_ui->email2Edit, m_ui->email3Edit, m_ui->email4Edit};
    return edits[index];
}

void CKRT_MainParaDlg::takeCustomerFields()
{
    for (int i = 0; i < MainParaCore::kCustomerFieldCount; ++i)
        m_core.customerInfo()[static_cast<std::size_t>(i)] = LineEditText::bytes(customerEdit(i));
}

void CKRT_MainParaDlg::showCustomerFields()
{
    for (int i = 0; i < MainParaCore::kCustomerFieldCount; ++i)
        LineEditText::setBytes(customerEdit(i), m_core.customerInfo()[static_cast<std::size_t>(i)]);
}

void CKRT_MainParaDlg::showSaveTargets()
{
    m_showingTargets = true;
    PopupComboBox* combo = m_ui->saveTargetCombo;
    combo->clear();
    const SaveTargetList& list = m_core.saveTargets();
    for (const std::string& path : list.items()) {
        combo->addItem(toQt(path));
        // On Linux a drive letter means little: show the folder it stands for.
        if (const auto native = m_context.drives().nativeRoot(path.front()))
            combo->setItemData(combo->count() - 1, toQt(*native), Qt::ToolTipRole);
    }
    combo->setCurrentIndex(list.selected());
    m_showingTargets = false;
    // With only C: in the list a save lands on the PC, which a user takes
    // for the card unless told.
    m_ui->noCardLabel->setVisible(!list.holdsCard());
}

void CKRT_MainParaDlg::refreshSaveTargets()
{
    if (m_core.refreshSaveTargets())
        showSaveTargets();
}

void CKRT_MainParaDlg::saveTargetChanged(int index)
{
    if (m_showingTargets || index < 0)
        return;
    takeCustomerFields();
    m_core.selectSaveTarget(index);
}

void CKRT_MainParaDlg::setEmailTieFromValues()
{
    const bool tied = m_core.receiveEmailTiedToSender();
    m_ui->email1TieCheckBox->setChecked(tied);
    m_ui->email1Edit->setReadOnly(tied);
}

void CKRT_MainParaDlg::fillEmailFromSendingAddress()
{
    const NetworkParameters& network = m_context.records().networkParameters;
    if (!network.fields[NetworkParameters::SendEmailServer].empty())
        LineEditText::setBytes(m_ui->email1Edit, network.fields[NetworkParameters::SendEmailAddr]);
}

void CKRT_MainParaDlg::toggleEmailTie()
{
    // The box does not toggle by itself: the click has toggled it already,
    // which is the inversion wanted.
    const bool tied = m_ui->email1TieCheckBox->isChecked();
    m_ui->email1Edit->setReadOnly(tied);
    if (tied)
        fillEmailFromSendingAddress();
}

void CKRT_MainParaDlg::emailFieldFocused()
{
    if (!m_emailFocusGuard)
        return;
    m_emailFocusGuard = false;
    if (m_ui->email1TieCheckBox->isChecked()) {
        m_context.messages().information(MainParaCore::kEmailTied);
        fillEmailFromSendingAddress();
        m_ui->email1TieCheckBox->setFocus();
    }
    m_emailFocusGuard = true;
}

bool CKRT_MainParaDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui->email1Edit && event->type() == QEvent::FocusIn)
        emailFieldFocused();
    if (watched == m_ui->bannerLabel && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        openAbout();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CKRT_MainParaDlg::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    // The banner spans the whole window at any width.
    if (m_ui->bannerLabel->pixmap().deviceIndependentSize().width() != width())
        m_ui->bannerLabel->setPixmap(Pictures::pixmapForWidth(138, width(), devicePixelRatioF()));
}

void CKRT_MainParaDlg::saveParameters()
{
    takeCustomerFields();
    m_core.saveAll();
    if (m_core.closeRequested())
        QDialog::reject();
}

void CKRT_MainParaDlg::defaultSetting()
{
    m_core.defaultSetting();
}

int CKRT_MainParaDlg::Mng_JumpToCertainMod()
{
    const ModelDescriptor* model = ModelCatalogue::find(m_core.listEntry());
    if (!model) {
        m_context.messages().error("Error In " + m_core.className() + "::Mng_JumpToCertainMod() !");
        QDialog::reject();
        return 0;
    }
    std::unique_ptr<CameraSettingsDialog> camera;
    switch (model->cameraDialog) {
    case ModelCatalogue::kFullCameraDialog:
        camera = std::make_unique<CKRT_CamParaRV718WDlg>(m_context, m_core.listEntry(), this);
        break;
    case ModelCatalogue::k4GCameraDialog:
        camera = std::make_unique<CKRT_CamPara4GDlg>(m_context, m_core.listEntry(), this);
        break;
    case ModelCatalogue::kLayoutDCameraDialog:
        camera = std::make_unique<CKRT_CamParaRV720QDlg>(m_context, m_core.listEntry(), this);
        break;
    case ModelCatalogue::kLayoutACameraDialog:
        camera = std::make_unique<CKRT_CamParaTQ240Dlg>(m_context, m_core.listEntry(), this);
        break;
    default:
        camera = std::make_unique<CKRT_CamParaGroup1Dlg>(m_context, m_core.listEntry(), this);
        break;
    }
    camera->exec();
    return 1;
}

int CKRT_MainParaDlg::Mng_OperatorSelection(int mode)
{
    const int result = m_operatorSelection.Mng_OperatorSelection(mode);
    showOperatorLists();
    return result;
}

void CKRT_MainParaDlg::showOperatorLists()
{
    showList(m_ui->countryList, m_operatorSelection.countries());
    showList(m_ui->operatorList, m_operatorSelection.operators());
}

bool CKRT_MainParaDlg::modelHasSmtpSecurity() const
{
    const ModelDescriptor* model = ModelCatalogue::find(m_core.listEntry());
    return model && model->hasSmtpSecurity;
}

bool CKRT_MainParaDlg::runUserDefinedNetworkDialog()
{
    // The list box shows the click on "Others......" while the dialog is open.
    showOperatorLists();
    CKRT_WapInternetDlg network(m_context, CKRT_WapInternetDlg::Mode::UserDefined, modelHasSmtpSecurity(),
                                this);
    return network.exec() == QDialog::Accepted;
}

void CKRT_MainParaDlg::checkNetworkParameters()
{
    CKRT_WapInternetDlg network(m_context, CKRT_WapInternetDlg::Mode::CurrentParameters,
                                modelHasSmtpSecurity(), this);
    network.setChangeWatch(m_operatorSelection.changeWatch());
    network.exec();
    if (network.changeReported()) {
        m_operatorSelection.forgetPreset();
        showOperatorLists();
    }
    if (m_ui->email1TieCheckBox->isChecked())
        fillEmailFromSendingAddress();
}

void CKRT_MainParaDlg::openAbout()
{
    CKRT_AboutDlg about(this);
    about.exec();
}

void CKRT_MainParaDlg::reject()
{
    m_core.Mng_GameCallAudio(MainParaCore::kAudioCleanUp);
    QDialog::reject();
}
