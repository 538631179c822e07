#include "camera/CKRT_CamParaTQ240Dlg.h"

#include "models/ModelCatalogue.h"
#include "ui_CKRT_CamParaTQ240Dlg.h"

CKRT_CamParaTQ240Dlg::CKRT_CamParaTQ240Dlg(AppContext& context, std::string listEntry, QWidget* parent)
    : CameraSettingsDialog(context, std::move(listEntry), parent), m_ui(std::make_unique<Ui::CKRT_CamParaTQ240Dlg>())
{
    m_ui->setupUi(this);
    initialise({.table = {},
                .className = "CKRT_CamParaTQ240Dlg",
                .unknownModel = UnknownModel::Ignored,
                .dialog = ModelCatalogue::kLayoutACameraDialog});
}

CKRT_CamParaTQ240Dlg::~CKRT_CamParaTQ240Dlg() = default;
