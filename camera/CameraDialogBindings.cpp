#include "camera/CameraDialogBindings.h"

#include "camera/CameraDialogRules.h"
#include "models/CameraDialogVariants.h"
#include "models/ModelCatalogue.h"

namespace {

namespace Ctl = CameraCtl;
using K = CameraKey;

// Dialogs 143 and 204.
constexpr ListBinding kFullLists[] = {
    {Ctl::Language, K::Language},
    {Ctl::CameraMode, K::CameraMode},
    {Ctl::SecurityMode, K::SecurityMode},
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
};

constexpr ListBinding kExtension143[] = {
    {Ctl::AttachmentSize, CameraKey::AttachmentSize},
    {Ctl::RecycleStorage, CameraKey::RecycleStorage},
    {Ctl::Gps, CameraKey::GpsLocation},
};

constexpr ListBinding kExtension204[] = {
    {Ctl::AttachmentSize, CameraKey::AttachmentSize}, {Ctl::RecycleStorage, CameraKey::RecycleStorage},
    {Ctl::Gps, CameraKey::GpsLocation},               {Ctl::TimeStamp, CameraKey::TimeStamp},
    {Ctl::SimSet, CameraKey::SimSet},                 {Ctl::SelectNetwork, CameraKey::SelectNetwork},
    {Ctl::PictureType, CameraKey::PictureType},
};

// Dialog 156 (layout A): 1011 is Work Mode here.
constexpr ListBinding kLists156[] = {
    {Ctl::WorkMode, K::WorkMode},        {Ctl::CameraMode, K::CameraMode},
    {Ctl::PhotoBurst, K::PhotoBurst},    {Ctl::TimeLapse, K::TimeLapse},
    {Ctl::PirTrigger, K::PirTrigger},    {Ctl::PirInterval, K::PirInterval},
    {Ctl::PhotoSize, K::PhotoSize},      {Ctl::VideoLength, K::VideoLength},
    {Ctl::VideoSize, K::VideoSize},      {Ctl::WorkHour, K::WorkHour},
    {Ctl::StartHour, K::WorkHourStartH}, {Ctl::StartMinute, K::WorkHourStartM},
    {Ctl::StopHour, K::WorkHourStopH},   {Ctl::StopMinute, K::WorkHourStopM},
};

// Dialog 154 (layout D).
constexpr ListBinding kLists154[] = {
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

// Dialog 158 (layout E).
constexpr ListBinding kLists158[] = {
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

// Send To radios in stored-value order. Dialog 143's FTP radio is value 4
// where a model shows it; dialog 204's " Cloudnest", " Email [GPRS]",
// " Phone [MMS]", "FTP"; dialog 158's " Phone [MMS]", " Email [MMS]",
// " Email [GPRS]"; dialog 156's " Local", " Phone [MMS]", " Email [GPRS]", " Call".
constexpr int kSendTo143[] = {Ctl::SendTo1, Ctl::SendTo2, Ctl::SendTo3, Ctl::SendTo4, Ctl::SendToFtp};
constexpr int kSendTo204[] = {Ctl::SendTo1, Ctl::SendTo2, Ctl::SendTo3, Ctl::SendTo4};
constexpr int kSendTo158[] = {Ctl::SendTo1, Ctl::SendTo2, Ctl::SendTo3};
constexpr int kSendTo156[] = {Ctl::SendToLocal, Ctl::SendToPhone, Ctl::SendTo3, Ctl::SendTo4};

constexpr std::string_view kSmsQuestion4G =
    "Electricity will consume faster if open the 4G communications functions, sure ?";
constexpr std::string_view kSmsQuestion3G =
    "Electricity will consume faster if open the 3G communications functions, sure ?";

constexpr CameraDialogShape kShapes[] = {
    // " Cloudnest", " Email [GPRS]", " Phone [MMS]", "FTP": the last leads to the FTP settings.
    {ModelCatalogue::kFullCameraDialog, kSendTo143, Ctl::SendToFtp, 0, kSmsQuestion4G, true},
    {ModelCatalogue::k4GCameraDialog, kSendTo204, Ctl::SendTo4, 0, kSmsQuestion4G, true},
    {ModelCatalogue::kLayoutDCameraDialog, {}, 0, 0, kSmsQuestion4G, true},
    // " Local" 0, " Phone [MMS]" 1, " Email [GPRS]" 2, " Call" 3.
    {ModelCatalogue::kLayoutACameraDialog, kSendTo156, 0, CameraDialogRules::kNone, kSmsQuestion4G, false},
    // " Phone [MMS]" 0, " Email [MMS]" 1, " Email [GPRS]" 2.
    {ModelCatalogue::kGroup1CameraDialog, kSendTo158, 0, CameraDialogRules::kNone, kSmsQuestion3G, true},
};

// " Manual" (dialog 204: "Batch"), " Daily Report", " Instant", " Off".
constexpr int kSendModeRadioCount = 4;

constexpr ListBinding kSendModeLists[] = {
    {Ctl::SendTimeHour, K::DrTimeH},
    {Ctl::SendTimeMinute, K::DrTimeM},
    {Ctl::MaxNumber, K::MaxNumber},
};

} // namespace

namespace CameraDialogBindings {

std::span<const ListBinding> lists(int dialog)
{
    switch (dialog) {
    case ModelCatalogue::kFullCameraDialog:
    case ModelCatalogue::k4GCameraDialog:
        return kFullLists;
    case ModelCatalogue::kLayoutACameraDialog:
        return kLists156;
    case ModelCatalogue::kLayoutDCameraDialog:
        return kLists154;
    case ModelCatalogue::kGroup1CameraDialog:
        return kLists158;
    default:
        return {};
    }
}

std::span<const ListBinding> extensionLists(int dialog)
{
    if (dialog == ModelCatalogue::kFullCameraDialog)
        return kExtension143;
    if (dialog == ModelCatalogue::k4GCameraDialog)
        return kExtension204;
    return {};
}

std::span<const ListBinding> sendModeLists()
{
    return kSendModeLists;
}

std::optional<int> listFor(int dialog, CameraKey key)
{
    for (const auto group : {lists(dialog), extensionLists(dialog)}) {
        for (const ListBinding& binding : group) {
            if (binding.key == key)
                return binding.ctrlId;
        }
    }
    // Dialog 156 has no send mode.
    if (dialog != ModelCatalogue::kLayoutACameraDialog) {
        for (const ListBinding& binding : kSendModeLists) {
            if (binding.key == key)
                return binding.ctrlId;
        }
    }
    return std::nullopt;
}

int offsetOf(CameraKey key)
{
    return key == K::GameCallPlayTime ? -1 : 0;
}

const CameraDialogShape* shape(int dialog)
{
    for (const CameraDialogShape& s : kShapes) {
        if (s.dialog == dialog)
            return &s;
    }
    return nullptr;
}

std::span<const int> sendToRadios(int dialog)
{
    const CameraDialogShape* s = shape(dialog);
    return s ? s->sendToRadios : std::span<const int>{};
}

int sendModeRadioCount(int dialog)
{
    return dialog == ModelCatalogue::kLayoutACameraDialog ? 0 : kSendModeRadioCount;
}

bool hasTimeLapsePirRule(int dialog)
{
    const CameraDialogShape* s = shape(dialog);
    return s && s->timeLapsePirRule;
}

} // namespace CameraDialogBindings
