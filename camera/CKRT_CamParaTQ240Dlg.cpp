#include "camera/CKRT_CamParaTQ240Dlg.h"

#include "models/ModelCatalogue.h"
#include "ui_CKRT_CamParaTQ240Dlg.h"

namespace {

namespace Ctl = CameraCtl;

// " Local" 0, " Phone [MMS]" 1, " Email [GPRS]" 2, " Call" 3.
constexpr int kSendToRadios[] = {Ctl::SendToLocal, Ctl::SendToPhone, Ctl::SendTo3, Ctl::SendTo4};

} // namespace

CKRT_CamParaTQ240Dlg::CKRT_CamParaTQ240Dlg(AppContext& context, std::string listEntry, QWidget* parent)
    : CameraSettingsDialog(context, std::move(listEntry), parent), m_ui(std::make_unique<Ui::CKRT_CamParaTQ240Dlg>())
{
    m_ui->setupUi(this);
    initialise({.table = {},
                .className = "CKRT_CamParaTQ240Dlg",
                .unknownModel = UnknownModel::Ignored,
                .dialog = ModelCatalogue::kLayoutACameraDialog,
                .sendToRadios = kSendToRadios,
                .sendToNone = CameraDialogRules::kNone,
                .timeLapsePirRule = false});
}

CKRT_CamParaTQ240Dlg::~CKRT_CamParaTQ240Dlg() = default;
