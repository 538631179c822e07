#include "app/CKRT_ModSelDlg.h"

#include "app/RememberedChoice.h"
#include "context/AppContext.h"
#include "models/ModelCatalogue.h"
#include "platform/Debug.h"
#include "platform/DialogText.h"
#include "platform/Pictures.h"

#include "ui_CKRT_ModSelDlg.h"

#include <QPushButton>

#include <cstdlib>

CKRT_ModSelDlg::CKRT_ModSelDlg(AppContext& context, MainDialogRunner runMainDialog, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CKRT_ModSelDlg>()), m_context(context),
      m_runMainDialog(std::move(runMainDialog))
{
    m_ui->setupUi(this);
    setWindowIcon(Pictures::appIcon());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_ui->bannerLabel->setPixmap(Pictures::pixmap(131, devicePixelRatioF()));
    for (const ModelDescriptor& model : ModelCatalogue::all())
        m_ui->productCombo->addItem(toQt(std::string(model.listEntry)));
    m_ui->productCombo->setCurrentIndex(-1);
    // The picture frame only shows; it takes no clicks.
    m_ui->productPicture->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_ui->productPicture->setMinimumSize(Pictures::pixmap(135).size() + QSize(4, 4));

    const auto [ok, exit] = setUpOkCancel(m_ui->buttonBox, QStringLiteral("OK (&Y)"), QStringLiteral("EXIT (&N)"));

    connect(ok, &QPushButton::clicked, this, &CKRT_ModSelDlg::onOk);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->productCombo, &QComboBox::currentIndexChanged, this, &CKRT_ModSelDlg::updatePicture);

    Mng_RegistryValue(1, kProductListId, kRememberCheckId);
    updatePicture();
}

CKRT_ModSelDlg::~CKRT_ModSelDlg() = default;

QComboBox* CKRT_ModSelDlg::productList() const
{
    return m_ui->productCombo;
}

QCheckBox* CKRT_ModSelDlg::rememberBox() const
{
    return m_ui->rememberCheckBox;
}

void CKRT_ModSelDlg::updatePicture()
{
    const int picture = ModelCatalogue::pictureFor(fromQt(productList()->currentText()));
    m_ui->productPicture->setPixmap(Pictures::pixmap(picture, devicePixelRatioF()));
    m_ui->productPicture->setProperty("pictureId", picture);
}

void CKRT_ModSelDlg::resetChoice()
{
    productList()->setCurrentIndex(-1);
    rememberBox()->setChecked(false);
    RememberedChoice(m_context.registry()).remove();
}

int CKRT_ModSelDlg::Mng_RegistryValue(int mode, int listId, int checkId)
{
    QComboBox* list = control<QComboBox>(this, listId);
    QCheckBox* check = control<QCheckBox>(this, checkId);
    RememberedChoice choice(m_context.registry());

    switch (mode) {
    case 0:
        if (!choice.store(-1))
            resetChoice();
        return 1;
    case 1: {
        const std::optional<std::string> stored = choice.value();
        if (!stored) {
            Mng_RegistryValue(0, listId, checkId);
            return 1;
        }
        // The ordinary decimal conversion: leading digits, none gives 0.
        const long position = std::strtol(stored->c_str(), nullptr, 10);
        if (position < 0 || !list || position >= list->count()) {
            Mng_RegistryValue(3, listId, checkId);
            return 1;
        }
        list->setCurrentIndex(static_cast<int>(position));
        if (check)
            check->setChecked(true);
        return 1;
    }
    case 2:
        Mng_RegistryValue(0, listId, checkId);
        if (check && check->isChecked() && list)
            choice.store(list->currentIndex());
        return 1;
    case 3:
        resetChoice();
        return 1;
    default:
        m_context.messages().error("Invalid call for CKRT_ModSelDlg::Mng_RegistryValue() !");
        return 0;
    }
}

void CKRT_ModSelDlg::Mng_JumpToMain()
{
    QComboBox* list = productList();
    if (list->currentIndex() < 0) {
        if (list->count() > 0) {
            m_context.messages().warning("Please Select A Product !");
            list->showPopup();
            list->setFocus();
        } else {
            m_context.messages().error("Error In CKRT_ModSelDlg::Mng_JumpToMain() !\nProduct list is empty()...");
            m_ended = true;
            setResult(QDialog::Rejected);
        }
        return;
    }

    const std::string entry = fromQt(list->currentText());
    debugOut("Selected model: " + entry);
    m_ended = true;
    setResult(QDialog::Accepted);
    hide();
    if (const ModelDescriptor* model = ModelCatalogue::find(entry); model && m_runMainDialog)
        m_runMainDialog(*model, entry);
}

void CKRT_ModSelDlg::onOk()
{
    m_ended = false;
    Mng_JumpToMain();
    Mng_RegistryValue(2, kProductListId, kRememberCheckId);
    if (m_ended)
        done(result());
}
