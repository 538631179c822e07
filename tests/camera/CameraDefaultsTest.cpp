#include "camera/CameraDefaults.h"
#include "context/CameraSettings.h"
#include "models/ModelCatalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

// A model missing from a defaults table would leave keys at -1 ("not set").
// Only the clock, the play time and two models' extension values start unset.
TEST(CameraDefaults, EveryModelSetsEveryKeyOfItsSection)
{
    const std::set<CameraKey> unsetByRule{
        CameraKey::ClockYear,   CameraKey::ClockMonth,  CameraKey::ClockDay,        CameraKey::ClockHour,
        CameraKey::ClockMinute, CameraKey::ClockSecond, CameraKey::GameCallPlayTime};
    const std::set<std::string> unsetExtension{"RV720Q-33K", "RV718W-16kXS"};
    for (const ModelDescriptor& m : ModelCatalogue::all()) {
        CameraSettings settings;
        settings.setCameraName("kept");
        applyCameraDefaults(m, settings);
        EXPECT_TRUE(settings.setClock()) << m.listEntry;
        for (std::size_t k = 0; k < kCameraKeyCount; ++k) {
            const auto key = static_cast<CameraKey>(k);
            if (!modelHasCameraKey(m, key) || unsetByRule.contains(key))
                continue;
            if (key == CameraKey::PictureType && m.cameraLayout == CameraLayout::BEnc)
                continue;
            const bool extension = key == CameraKey::AttachmentSize || key == CameraKey::RecycleStorage ||
                                   key == CameraKey::GpsLocation;
            const int expectedFloor = extension && unsetExtension.contains(std::string(m.listEntry)) ? -1 : 0;
            if (expectedFloor < 0) {
                EXPECT_EQ(settings.value(key), -1) << m.listEntry << " " << cameraKeyName(key);
            } else {
                EXPECT_GE(settings.value(key), 0) << m.listEntry << " " << cameraKeyName(key);
            }
        }
        for (CameraKey key : unsetByRule) {
            if (modelHasCameraKey(m, key)) {
                EXPECT_EQ(settings.value(key), -1) << m.listEntry << " " << cameraKeyName(key);
            }
        }
        EXPECT_EQ(settings.cameraName(), m.listEntry == "TQ330" ? "Camera" : "kept") << m.listEntry;
    }
}

TEST(CameraDefaults, PerModelValuesFromTheTables)
{
    struct Case
    {
        const char* entry;
        CameraKey key;
        int value;
    } const cases[] = {
        {"RV615-5X", CameraKey::Language, 3},       {"RV615-5X", CameraKey::PirInterval, 12},
        {"WD17-F28K", CameraKey::SendTo, 0},        {"WD18-F28K", CameraKey::SendTo, 3},
        {"RV720Q-40K", CameraKey::SendMode, 0},     {"RV731Q-33K", CameraKey::MaxNumber, 100},
        {"TQ160-E(S)", CameraKey::PirInterval, 2},  {"TQ160-E", CameraKey::VideoSize, 2},
        {"TQ330-52K", CameraKey::PirTrigger, 2},    {"TQ480-E", CameraKey::PhotoSize, 3},
        {"TQ270-P5", CameraKey::TimeStamp, 1},      {"WD16-G22K", CameraKey::VideoSize, 1},
        {"NP445LW-18kXS", CameraKey::VideoSize, 0}, {"RV610W-16kXS", CameraKey::VideoLength, 5},
        {"TQ240 SERIES", CameraKey::WorkMode, 0},   {"TQ240 SERIES", CameraKey::WorkDay, 127},
    };
    for (const Case& c : cases) {
        CameraSettings settings;
        applyCameraDefaults(*ModelCatalogue::find(c.entry), settings);
        EXPECT_EQ(settings.value(c.key), c.value) << c.entry << " " << cameraKeyName(c.key);
    }
}

TEST(CameraDefaults, KeysOutsideTheSectionAreNotTouched)
{
    CameraSettings settings;
    settings.setValue(CameraKey::WorkDay, 5);
    settings.setValue(CameraKey::SmsControl, 1);
    applyCameraDefaults(*ModelCatalogue::find("NP290E-16kXS"), settings);
    EXPECT_EQ(settings.value(CameraKey::WorkDay), 5);
    EXPECT_EQ(settings.value(CameraKey::SmsControl), 1);
}

TEST(CameraSettingsClock, StoredClockValidity)
{
    CameraSettings settings;
    EXPECT_FALSE(settings.hasValidClock()) << "a new record holds -1";
    settings.setClockFields({2023, 2, 29, 0, 0, 0});
    EXPECT_FALSE(settings.hasValidClock());
    settings.setClockFields({2024, 2, 29, 23, 59, 59});
    EXPECT_TRUE(settings.hasValidClock());
    EXPECT_EQ(settings.clock(), (LocalDateTime{2024, 2, 29, 23, 59, 59}));
}

} // namespace
