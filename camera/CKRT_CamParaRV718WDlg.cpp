#include "camera/CKRT_CamParaRV718WDlg.h"

#include "models/ModelCatalogue.h"
#include "ui_CKRT_CamParaRV718WDlg.h"

CKRT_CamParaRV718WDlg::CKRT_CamParaRV718WDlg(AppContext& context, std::string listEntry, QWidget* parent)
    : CameraSettingsDialog(context, std::move(listEntry), parent), m_ui(std::make_unique<Ui::CKRT_CamParaRV718WDlg>())
{
    m_ui->setupUi(this);
    initialise({.table = CameraDialogVariants::dialog143(),
                .className = "CKRT_CamParaRV718WDlg",
                .unknownModel = UnknownModel::InvalidCall,
                .dialog = ModelCatalogue::kFullCameraDialog});
}

CKRT_CamParaRV718WDlg::~CKRT_CamParaRV718WDlg() = default;
