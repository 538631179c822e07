#include "camera/CKRT_CamParaTQ240Dlg.h"

#include "ui_CKRT_CamParaTQ240Dlg.h"

namespace {

namespace Ctl = CameraCtl;
using K = CameraKey;

constexpr CameraSettingsDialog::ListBinding kLists[] = {
    {Ctl::WorkMode, K::WorkMode},        {Ctl::CameraMode, K::CameraMode},
    {Ctl::PhotoBurst, K::PhotoBurst},    {Ctl::TimeLapse, K::TimeLapse},
    {Ctl::PirTrigger, K::PirTrigger},    {Ctl::PirInterval, K::PirInterval},
    {Ctl::PhotoSize, K::PhotoSize},      {Ctl::VideoLength, K::VideoLength},
    {Ctl::VideoSize, K::VideoSize},      {Ctl::WorkHour, K::WorkHour},
    {Ctl::StartHour, K::WorkHourStartH}, {Ctl::StartMinute, K::WorkHourStartM},
    {Ctl::StopHour, K::WorkHourStopH},   {Ctl::StopMinute, K::WorkHourStopM},
};

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
                .lists = kLists,
                .extensionLists = {},
                .sendToRadios = kSendToRadios,
                .sendToNone = CameraDialogRules::kNone,
                .timeLapsePirRule = false});
}

CKRT_CamParaTQ240Dlg::~CKRT_CamParaTQ240Dlg() = default;
