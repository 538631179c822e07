#include "camera/CKRT_CamParaGroup1Dlg.h"

#include "models/ModelCatalogue.h"
#include "ui_CKRT_CamParaGroup1Dlg.h"

CKRT_CamParaGroup1Dlg::CKRT_CamParaGroup1Dlg(AppContext& context, std::string listEntry, QWidget* parent)
    : CameraSettingsDialog(context, std::move(listEntry), parent),
      m_ui(std::make_unique<Ui::CKRT_CamParaGroup1Dlg>())
{
    m_ui->setupUi(this);
    initialise({.table = CameraDialogVariants::dialog158(),
                .className = "CKRT_CamParaGroup1Dlg",
                .unknownModel = UnknownModel::Refused,
                .dialog = ModelCatalogue::kGroup1CameraDialog});
}

CKRT_CamParaGroup1Dlg::~CKRT_CamParaGroup1Dlg() = default;
