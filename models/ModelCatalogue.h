#pragma once

#include <span>
#include <string_view>

/// Key set, defaults and clock record of a model's "Camera Setting" section.
enum class CameraLayout { A, B, BEnc, C, D, E };

/// Everything that differs between the camera models. The list entry is the
/// model's identity; every per-model decision is a column of its row.
struct ModelDescriptor
{
    std::string_view listEntry;
    std::string_view modelValue; // the "Model" key of the file mark
    std::string_view fileName;   // same name on the card and in the backup folder
    int mainDialog;              // 137 plain file, 187 encrypted file
    int cameraDialog;            // 143, 154, 156, 158 or 204
    CameraLayout cameraLayout;
    bool hasCameraName;    // "Camera Name" closes the camera section
    bool writesSmsControl; // false where the firmware ignores its layout's "SMS Control"
    bool hasFtpSection;
    bool hasSmtpSecurity;
    bool hasGameCallAudio;
    std::string_view firstPhoneLabel;
    int picture;
};

namespace ModelCatalogue {

inline constexpr int kPlainMainDialog = 137;
inline constexpr int kEncryptedMainDialog = 187;
/// The camera settings dialogs.
inline constexpr int kFullCameraDialog = 143;
inline constexpr int k4GCameraDialog = 204;
inline constexpr int kLayoutDCameraDialog = 154;
inline constexpr int kLayoutACameraDialog = 156;
inline constexpr int kGroup1CameraDialog = 158;
inline constexpr int kNoSelectionPicture = 135;

/// The thirty models in the order of the selection list.
[[nodiscard]] std::span<const ModelDescriptor> all();

/// Exact, case-sensitive match of the whole list entry; nullptr when there
/// is no such model.
[[nodiscard]] const ModelDescriptor* find(std::string_view listEntry);

/// The picture of a list entry, or the "no selection" picture.
[[nodiscard]] int pictureFor(std::string_view listEntry);

} // namespace ModelCatalogue
