#include "camera/CKRT_CamParaGroup1Dlg.h"

#include "ui_CKRT_CamParaGroup1Dlg.h"

namespace {

namespace Ctl = CameraCtl;
using K = CameraKey;

constexpr CameraSettingsDialog::ListBinding kLists[] = {
    {Ctl::Language, K::Language},
    {Ctl::PhotoSize, K::PhotoSize},
    {Ctl::PhotoBurst, K::PhotoBurst},
    {Ctl::CameraMode, K::CameraMode},
    {Ctl::PirInterval, K::PirInterval},
    {Ctl::TimeLapse, K::TimeLapse},
    {Ctl::PirTrigger, K::PirTrigger},
    {Ctl::SmsControl, K::SmsControl},
    {Ctl::VideoSize, K::VideoSize},
    {Ctl::VideoLength, K::VideoLength},
    {Ctl::CameraPosition, K::CameraPosition},
    {Ctl::WorkHour, K::WorkHour},
    {Ctl::StartHour, K::WorkHourStartH},
    {Ctl::StartMinute, K::WorkHourStartM},
    {Ctl::StopHour, K::WorkHourStopH},
    {Ctl::StopMinute, K::WorkHourStopM},
};

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
                .lists = kLists,
                .extensionLists = {},
                .sendToRadios = kSendToRadios,
                .sendToNone = CameraDialogRules::kNone,
                .smsQuestion = kSmsQuestion3G});
}

CKRT_CamParaGroup1Dlg::~CKRT_CamParaGroup1Dlg() = default;
