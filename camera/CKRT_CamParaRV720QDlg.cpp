#include "camera/CKRT_CamParaRV720QDlg.h"

#include "models/ModelCatalogue.h"
#include "ui_CKRT_CamParaRV720QDlg.h"

namespace {

namespace Ctl = CameraCtl;

} // namespace

CKRT_CamParaRV720QDlg::CKRT_CamParaRV720QDlg(AppContext& context, std::string listEntry, QWidget* parent)
    : CameraSettingsDialog(context, std::move(listEntry), parent),
      m_ui(std::make_unique<Ui::CKRT_CamParaRV720QDlg>())
{
    m_ui->setupUi(this);
    initialise({.table = {},
                .className = "CKRT_CamParaRV720QDlg",
                .unknownModel = UnknownModel::Ignored,
                .dialog = ModelCatalogue::kLayoutDCameraDialog});
}

CKRT_CamParaRV720QDlg::~CKRT_CamParaRV720QDlg() = default;
