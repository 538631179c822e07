#pragma once

#include "models/ModelCatalogue.h"

class CameraSettings;
class IniFile;

/// The "Camera Setting" section of a parameter file, for one model's layout.
namespace CameraSettingsSection {

inline constexpr const char* kSection = "Camera Setting";
/// The camera name's key, and the bytes of it a read keeps.
inline constexpr const char* kCameraName = "Camera Name";
inline constexpr int kCameraNameLimit = 20;

/// Reads the model's keys; a key that is missing or holds no leading number
/// reads as 0, an empty "GameCall PlayTime" as -1 (off). The set-clock flag
/// is not touched.
void read(const IniFile& file, const ModelDescriptor& model, CameraSettings& settings);

/// Writes the model's keys in file order: negative values as an empty value
/// (the key stays), except "GameCall PlayTime" -1, which is written as "-1".
/// The clock is written as held; stamping it is the caller's step.
void write(IniFile& file, const ModelDescriptor& model, const CameraSettings& settings);

/// Leading-number conversion of a trimmed value, as the cameras' firmware
/// and the tool have always done it: optional sign, then digits; 0 when
/// there are none.
[[nodiscard]] int toNumber(std::string_view text);

} // namespace CameraSettingsSection
