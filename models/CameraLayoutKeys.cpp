#include "models/CameraLayoutKeys.h"

#include <algorithm>
#include <array>

namespace {

using K = CameraKey;

constexpr std::array<std::string_view, kCameraKeyCount> kNames{
    "Language",         "Work Mode",         "Camera Mode",     "Security Mode", "Camera Position",
    "Photo Burst",      "Time Lapse",        "PIR Trigger",     "PIR Interval",  "SMS Control",
    "Photo Size",       "Video Length",      "Video Size",      "Game Call",     "GameCall Hour",
    "GameCall Minute",  "GameCall PlayTime", "Clock Year",      "Clock Month",   "Clock Day",
    "Clock Hour",       "Clock Minute",      "Clock Second",    "Work Hour",     "Work Hour StartH",
    "Work Hour StartM", "Work Hour StopH",   "Work Hour StopM", "Work Day",      "Send To",
    "Send Mode",        "Max Number",        "DR Time H",       "DR Time M",     "Attachment Size",
    "Recycle Storage",  "GPS Location",      "Time Stamp",      "SIM Set",       "Select Network",
    "Picture Type",
};

constexpr std::array kLayoutA{
    K::WorkMode,      K::CameraMode,    K::PhotoBurst, K::TimeLapse,  K::PirTrigger,     K::PirInterval,
    K::PhotoSize,     K::VideoLength,   K::VideoSize,  K::WorkHour,   K::WorkHourStartH, K::WorkHourStartM,
    K::WorkHourStopH, K::WorkHourStopM, K::ClockYear,  K::ClockMonth, K::ClockDay,       K::ClockHour,
    K::ClockMinute,   K::ClockSecond,   K::WorkDay,    K::SendTo,
};

constexpr std::array kLayoutB{
    K::Language,         K::CameraMode,    K::SecurityMode, K::CameraPosition, K::TimeLapse,
    K::PirTrigger,       K::PirInterval,   K::SmsControl,   K::PhotoSize,      K::PhotoBurst,
    K::VideoSize,        K::VideoLength,   K::GameCall,     K::GameCallHour,   K::GameCallMinute,
    K::GameCallPlayTime, K::ClockYear,     K::ClockMonth,   K::ClockDay,       K::ClockHour,
    K::ClockMinute,      K::ClockSecond,   K::WorkHour,     K::WorkHourStartH, K::WorkHourStartM,
    K::WorkHourStopH,    K::WorkHourStopM, K::WorkDay,      K::SendTo,         K::SendMode,
    K::MaxNumber,        K::DrTimeH,       K::DrTimeM,
};

constexpr std::array kExtensionB{K::AttachmentSize, K::RecycleStorage, K::GpsLocation};
constexpr std::array kExtensionBEnc{K::AttachmentSize, K::RecycleStorage, K::GpsLocation, K::PictureType};

constexpr auto kLayoutC = [] {
    std::array<CameraKey, kLayoutB.size() + 7> keys{};
    std::copy(kLayoutB.begin(), kLayoutB.end(), keys.begin());
    constexpr std::array tail{K::AttachmentSize, K::RecycleStorage, K::GpsLocation, K::TimeStamp,
                              K::SimSet,         K::SelectNetwork,  K::PictureType};
    std::copy(tail.begin(), tail.end(), keys.begin() + kLayoutB.size());
    return keys;
}();

constexpr std::array kLayoutD{
    K::Language,      K::CameraMode, K::CameraPosition, K::TimeLapse,      K::PirTrigger,
    K::PirInterval,   K::SmsControl, K::PhotoSize,      K::PhotoBurst,     K::VideoSize,
    K::VideoLength,   K::GameCall,   K::GameCallHour,   K::GameCallMinute, K::GameCallPlayTime,
    K::ClockYear,     K::ClockMonth, K::ClockDay,       K::ClockHour,      K::ClockMinute,
    K::ClockSecond,   K::WorkHour,   K::WorkHourStartH, K::WorkHourStartM, K::WorkHourStopH,
    K::WorkHourStopM, K::SendTo,     K::SendMode,       K::MaxNumber,      K::DrTimeH,
    K::DrTimeM,
};

constexpr std::array kLayoutE{
    K::Language,       K::PhotoSize,     K::PhotoBurst,     K::CameraMode,  K::PirInterval, K::TimeLapse,
    K::PirTrigger,     K::SmsControl,    K::VideoSize,      K::VideoLength, K::WorkHour,    K::WorkHourStartH,
    K::WorkHourStartM, K::WorkHourStopH, K::WorkHourStopM,  K::ClockYear,   K::ClockMonth,  K::ClockDay,
    K::ClockHour,      K::ClockMinute,   K::ClockSecond,    K::SendTo,      K::SendMode,    K::MaxNumber,
    K::DrTimeH,        K::DrTimeM,       K::CameraPosition,
};

static_assert(kLayoutA.size() == 22 && kLayoutB.size() == 33 && kLayoutC.size() == 40 &&
              kLayoutD.size() == 31 && kLayoutE.size() == 27);

const CameraLayoutKeys kA{kLayoutA, {}};
const CameraLayoutKeys kB{kLayoutB, kExtensionB};
const CameraLayoutKeys kBEnc{kLayoutB, kExtensionBEnc};
const CameraLayoutKeys kC{kLayoutC, {}};
const CameraLayoutKeys kD{kLayoutD, {}};
const CameraLayoutKeys kE{kLayoutE, {}};

} // namespace

std::string_view cameraKeyName(CameraKey key)
{
    return kNames[static_cast<std::size_t>(key)];
}

bool CameraLayoutKeys::contains(CameraKey key) const
{
    return std::find(mainPass.begin(), mainPass.end(), key) != mainPass.end() ||
           std::find(secondPass.begin(), secondPass.end(), key) != secondPass.end();
}

const CameraLayoutKeys& cameraLayoutKeys(CameraLayout layout)
{
    switch (layout) {
    case CameraLayout::A:
        return kA;
    case CameraLayout::B:
        return kB;
    case CameraLayout::BEnc:
        return kBEnc;
    case CameraLayout::C:
        return kC;
    case CameraLayout::D:
        return kD;
    case CameraLayout::E:
        break;
    }
    return kE;
}

bool modelHasCameraKey(const ModelDescriptor& model, CameraKey key)
{
    if (key == CameraKey::SmsControl && !model.writesSmsControl)
        return false;
    return cameraLayoutKeys(model.cameraLayout).contains(key);
}
