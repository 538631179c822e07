#include "camera/CKRT_CamParaRV720QDlg.h"

#include "ui_CKRT_CamParaRV720QDlg.h"

namespace {

namespace Ctl = CameraCtl;
using K = CameraKey;

constexpr CameraSettingsDialog::ListBinding kLists[] = {
    {Ctl::Language, K::Language},
    {Ctl::CameraMode, K::CameraMode},
    {Ctl::CameraPosition, K::CameraPosition},
    {Ctl::TimeLapse, K::TimeLapse},
    {Ctl::PirTrigger, K::PirTrigger},
    {Ctl::PirInterval, K::PirInterval},
    {Ctl::SmsControl, K::SmsControl},
    {Ctl::PhotoSize, K::PhotoSize},
    {Ctl::PhotoBurst, K::PhotoBurst},
    {Ctl::VideoSize, K::VideoSize},
    {Ctl::VideoLength, K::VideoLength},
    {Ctl::GameCall, K::GameCall},
    {Ctl::GameCallHour, K::GameCallHour},
    {Ctl::GameCallMinute, K::GameCallMinute},
    {Ctl::ReplayTime, K::GameCallPlayTime},
    {Ctl::WorkHour, K::WorkHour},
    {Ctl::StartHour, K::WorkHourStartH},
    {Ctl::StartMinute, K::WorkHourStartM},
    {Ctl::StopHour, K::WorkHourStopH},
    {Ctl::StopMinute, K::WorkHourStopM},
    // "Photo[MMS]", "Email[MMS]", "Email[GPRS]", "Call": the stored value is the position.
    {Ctl::SendToList, K::SendTo},
};

} // namespace

CKRT_CamParaRV720QDlg::CKRT_CamParaRV720QDlg(AppContext& context, std::string listEntry, QWidget* parent)
    : CameraSettingsDialog(context, std::move(listEntry), parent),
      m_ui(std::make_unique<Ui::CKRT_CamParaRV720QDlg>())
{
    m_ui->setupUi(this);
    initialise({.table = {},
                .className = "CKRT_CamParaRV720QDlg",
                .unknownModel = UnknownModel::Ignored,
                .lists = kLists,
                .extensionLists = {},
                .sendToRadios = {},
                .smsQuestion = kSmsQuestion4G});
}

CKRT_CamParaRV720QDlg::~CKRT_CamParaRV720QDlg() = default;
