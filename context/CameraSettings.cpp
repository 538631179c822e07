#include "context/CameraSettings.h"

#include "platform/CUtil.h"

CameraSettings::CameraSettings()
{
    m_values.fill(-1);
}

LocalDateTime CameraSettings::clock() const
{
    return {value(CameraKey::ClockYear), value(CameraKey::ClockMonth),  value(CameraKey::ClockDay),
            value(CameraKey::ClockHour), value(CameraKey::ClockMinute), value(CameraKey::ClockSecond)};
}

void CameraSettings::setClockFields(const LocalDateTime& time)
{
    setValue(CameraKey::ClockYear, time.year);
    setValue(CameraKey::ClockMonth, time.month);
    setValue(CameraKey::ClockDay, time.day);
    setValue(CameraKey::ClockHour, time.hour);
    setValue(CameraKey::ClockMinute, time.minute);
    setValue(CameraKey::ClockSecond, time.second);
}

bool CameraSettings::hasValidClock() const
{
    const LocalDateTime t = clock();
    return CUtil::isValidClock(t.year, t.month, t.day, t.hour, t.minute, t.second);
}
