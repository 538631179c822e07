#include "camera/CKRT_CamPara4GDlg.h"

#include "models/ModelCatalogue.h"
#include "ui_CKRT_CamPara4GDlg.h"

CKRT_CamPara4GDlg::CKRT_CamPara4GDlg(AppContext& context, std::string listEntry, QWidget* parent)
    : CameraSettingsDialog(context, std::move(listEntry), parent), m_ui(std::make_unique<Ui::CKRT_CamPara4GDlg>())
{
    m_ui->setupUi(this);
    initialise({.table = CameraDialogVariants::dialog204(),
                .className = "CKRT_CamPara4GDlg",
                .unknownModel = UnknownModel::InvalidCall,
                .dialog = ModelCatalogue::k4GCameraDialog});
}

CKRT_CamPara4GDlg::~CKRT_CamPara4GDlg() = default;
