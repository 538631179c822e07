#pragma once

#include "models/CameraLayoutKeys.h"
#include "platform/Clock.h"

#include <array>
#include <string>

/// The camera settings record: one integer per key (-1 = nothing set), the
/// set-clock flag and the camera name. Which keys a model uses is its
/// layout's business; keys outside it keep whatever they hold.
class CameraSettings
{
public:
    CameraSettings();

    [[nodiscard]] int value(CameraKey key) const { return m_values[index(key)]; }
    void setValue(CameraKey key, int value) { m_values[index(key)] = value; }

    /// While set, every write of the section carries the PC's time.
    [[nodiscard]] bool setClock() const { return m_setClock; }
    void setSetClock(bool on) { m_setClock = on; }

    [[nodiscard]] const std::string& cameraName() const { return m_cameraName; }
    void setCameraName(std::string name) { m_cameraName = std::move(name); }

    [[nodiscard]] LocalDateTime clock() const;
    void setClockFields(const LocalDateTime& time);
    [[nodiscard]] bool hasValidClock() const;

    friend bool operator==(const CameraSettings&, const CameraSettings&) = default;

private:
    static std::size_t index(CameraKey key) { return static_cast<std::size_t>(key); }

    std::array<int, kCameraKeyCount> m_values;
    bool m_setClock = false;
    std::string m_cameraName;
};
