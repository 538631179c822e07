#include "camera/CKRT_CamParaGroup1Dlg.h"

#include "models/ModelCatalogue.h"
#include "ui_CKRT_CamParaGroup1Dlg.h"

namespace {

namespace Ctl = CameraCtl;

// " Phone [MMS]" 0, " Email [MMS]" 1, " Email [GPRS]" 2.
constexpr int kSendToRadios[] = {Ctl::SendTo1, Ctl::SendTo2, Ctl::SendTo3};

} // namespace

CKRT_CamParaGroup1Dlg::CKRT_CamParaGroup1Dlg(AppContext& context, std::string listEntry, QWidget* parent)
    : CameraSettingsDialog(context, std::move(listEntry), parent),
      m_ui(std::make_unique<Ui::CKRT_CamParaGroup1Dlg>())
{
    m_ui->setupUi(this);
    initialise({.table = CameraDialogVariants::dialog158(),
                .className = "CKRT_CamParaGroup1Dlg",
                .unknownModel = UnknownModel::Refused,
                .dialog = ModelCatalogue::kGroup1CameraDialog,
                .sendToRadios = kSendToRadios,
                .sendToNone = CameraDialogRules::kNone,
                .smsQuestion = kSmsQuestion3G});
}

CKRT_CamParaGroup1Dlg::~CKRT_CamParaGroup1Dlg() = default;
