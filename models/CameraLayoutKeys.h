#pragma once

#include "models/ModelCatalogue.h"

#include <cstddef>
#include <span>
#include <string_view>

/// Every key a "Camera Setting" section can hold, whatever the layout.
enum class CameraKey
{
    Language,
    WorkMode,
    CameraMode,
    SecurityMode,
    CameraPosition,
    PhotoBurst,
    TimeLapse,
    PirTrigger,
    PirInterval,
    SmsControl,
    PhotoSize,
    VideoLength,
    VideoSize,
    GameCall,
    GameCallHour,
    GameCallMinute,
    GameCallPlayTime,
    ClockYear,
    ClockMonth,
    ClockDay,
    ClockHour,
    ClockMinute,
    ClockSecond,
    WorkHour,
    WorkHourStartH,
    WorkHourStartM,
    WorkHourStopH,
    WorkHourStopM,
    WorkDay,
    SendTo,
    SendMode,
    MaxNumber,
    DrTimeH,
    DrTimeM,
    AttachmentSize,
    RecycleStorage,
    GpsLocation,
    TimeStamp,
    SimSet,
    SelectNetwork,
    PictureType,
};

inline constexpr std::size_t kCameraKeyCount = static_cast<std::size_t>(CameraKey::PictureType) + 1;

/// The key as it stands in the file ("Work Hour StartH").
[[nodiscard]] std::string_view cameraKeyName(CameraKey key);

/// The keys of a layout in file order: the main pass, then the extension
/// keys that layouts B and B-enc write in a pass of their own.
struct CameraLayoutKeys
{
    std::span<const CameraKey> mainPass;
    std::span<const CameraKey> secondPass;

    [[nodiscard]] bool contains(CameraKey key) const;
};

[[nodiscard]] const CameraLayoutKeys& cameraLayoutKeys(CameraLayout layout);

/// Whether the model's section carries the key: its layout has it and the
/// model does not leave it out.
[[nodiscard]] bool modelHasCameraKey(const ModelDescriptor& model, CameraKey key);
