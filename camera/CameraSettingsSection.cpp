#include "camera/CameraSettingsSection.h"

#include "context/CameraSettings.h"
#include "platform/CUtil.h"
#include "platform/IniFile.h"

#include <charconv>
#include <string>

namespace {

constexpr std::size_t kValueBuffer = 10;
constexpr int kValueLimit = 10;
constexpr std::size_t kNameBuffer = CameraSettingsSection::kCameraNameLimit + 1;

template <typename Fn> void forEachKey(const ModelDescriptor& model, Fn fn)
{
    const CameraLayoutKeys& keys = cameraLayoutKeys(model.cameraLayout);
    for (const auto& pass : {keys.mainPass, keys.secondPass}) {
        for (CameraKey key : pass) {
            if (modelHasCameraKey(model, key))
                fn(key);
        }
    }
}

std::string valueText(CameraKey key, int value)
{
    if (value >= 0 || (key == CameraKey::GameCallPlayTime && value == -1))
        return std::to_string(value);
    return {};
}

} // namespace

namespace CameraSettingsSection {

int toNumber(std::string_view text)
{
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-')
            return 0;
    }
    int value = 0;
    // Values arrive cut to nine characters, so they cannot overflow an int.
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

void read(const IniFile& file, const ModelDescriptor& model, CameraSettings& settings)
{
    forEachKey(model, [&](CameraKey key) {
        const std::string text =
            CUtil::TrimText(file.read(kSection, cameraKeyName(key), "", kValueBuffer), kValueLimit);
        settings.setValue(key, key == CameraKey::GameCallPlayTime && text.empty() ? -1 : toNumber(text));
    });
    if (model.hasCameraName)
        settings.setCameraName(
            CUtil::TrimText(file.read(kSection, kCameraName, "", kNameBuffer), kCameraNameLimit));
}

void write(IniFile& file, const ModelDescriptor& model, const CameraSettings& settings)
{
    forEachKey(model, [&](CameraKey key) {
        file.write(kSection, cameraKeyName(key), valueText(key, settings.value(key)));
    });
    if (model.hasCameraName)
        file.write(kSection, kCameraName, settings.cameraName());
}

} // namespace CameraSettingsSection
