#include "camera/CameraSettingsSection.h"
#include "TestDrives.h"
#include "camera/CameraDefaults.h"
#include "context/CameraSettings.h"
#include "models/ModelCatalogue.h"
#include "platform/FileSystem.h"
#include "platform/IniFile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const ModelDescriptor& model(std::string_view entry)
{
    const ModelDescriptor* m = ModelCatalogue::find(entry);
    if (!m)
        throw std::invalid_argument(std::string(entry));
    return *m;
}

class CameraSettingsSectionTest : public testing::Test
{
protected:
    CameraSettingsSectionTest() : files(drives.map()) { drives.addDrive('E'); }

    std::string writeNew(const ModelDescriptor& m, const CameraSettings& settings)
    {
        IniFile file(files, kPath);
        CameraSettingsSection::write(file, m, settings);
        EXPECT_TRUE(file.save());
        return TestDrives::readText(drives.native('E', "P.TXT"));
    }

    CameraSettings readFrom(const std::string& bytes, const ModelDescriptor& m)
    {
        TestDrives::writeText(drives.native('E', "P.TXT"), bytes);
        CameraSettings settings;
        CameraSettingsSection::read(IniFile(files, kPath), m, settings);
        return settings;
    }

    static constexpr const char* kPath = "E:\\P.TXT";
    TestDrives drives;
    FileSystem files;
};

// One hand-written file per layout family, from the defaults tables; the
// clock is -1 and not stamped, so its keys are written empty.
TEST_F(CameraSettingsSectionTest, DefaultsOfEachLayoutFamilyMatchTheGoldenFiles)
{
    for (const char* entry :
         {"TQ240 SERIES", "TQ330", "TQ350-E", "RV720Q-16kXS", "NP290E-16kXS", "NP440LW-22kXS"}) {
        SCOPED_TRACE(entry);
        const ModelDescriptor& m = model(entry);
        const std::string golden = m.listEntry == "TQ240 SERIES" ? "TQ240" : std::string(m.listEntry);
        CameraSettings settings;
        applyCameraDefaults(m, settings);
        std::filesystem::remove(drives.native('E', "P.TXT"));
        EXPECT_EQ(writeNew(m, settings), TestDrives::readText(std::string(KRT_TEST_DATA_DIR) +
                                                              "/camera/defaults_" + golden + ".txt"));
    }
}

// Distinct values in every key catch a key read into or written from the
// wrong place; the clock and name travel too.
TEST_F(CameraSettingsSectionTest, WriteThenReadGivesTheSameRecordForEveryModel)
{
    for (const ModelDescriptor& m : ModelCatalogue::all()) {
        SCOPED_TRACE(std::string(m.listEntry));
        std::filesystem::remove(drives.native('E', "P.TXT"));
        CameraSettings written;
        int next = 1;
        for (std::size_t k = 0; k < kCameraKeyCount; ++k) {
            if (modelHasCameraKey(m, static_cast<CameraKey>(k)))
                written.setValue(static_cast<CameraKey>(k), next++);
        }
        if (m.hasCameraName)
            written.setCameraName("Back garden 12345678"); // 20 characters, the room it is read with
        const std::string bytes = writeNew(m, written);
        EXPECT_EQ(readFrom(bytes, m), written);
    }
}

TEST_F(CameraSettingsSectionTest, ValuesAreTrimmedCutAndConvertedByTheirLeadingNumber)
{
    const CameraSettings read = readFrom("[Camera Setting]\r\n"
                                         "Photo Size=  2  \r\n"
                                         "Video Size=abc\r\n"
                                         "Video Length=123456789012\r\n"
                                         "Send To=7x\r\n"
                                         "Send Mode=-3\r\n"
                                         "Max Number=\r\n"
                                         "GameCall PlayTime=\r\n"
                                         "Camera Name=  Name longer than twenty chars \r\n",
                                         model("TQ330"));
    EXPECT_EQ(read.value(CameraKey::PhotoSize), 2);
    EXPECT_EQ(read.value(CameraKey::VideoSize), 0);
    EXPECT_EQ(read.value(CameraKey::VideoLength), 123456789) << "nine characters arrive";
    EXPECT_EQ(read.value(CameraKey::SendTo), 7);
    EXPECT_EQ(read.value(CameraKey::SendMode), -3);
    EXPECT_EQ(read.value(CameraKey::MaxNumber), 0);
    EXPECT_EQ(read.value(CameraKey::GameCallPlayTime), -1) << "empty means off";
    EXPECT_EQ(read.value(CameraKey::Language), 0) << "a missing key reads as 0";
    EXPECT_EQ(read.cameraName(), "Name longer than twe");
}

TEST_F(CameraSettingsSectionTest, NegativeValuesAreWrittenEmptyExceptPlayTimeOff)
{
    CameraSettings settings;
    applyCameraDefaults(model("TQ270"), settings);
    settings.setValue(CameraKey::PhotoSize, -1);
    settings.setValue(CameraKey::GameCallPlayTime, -1);
    std::string bytes = writeNew(model("TQ270"), settings);
    EXPECT_NE(bytes.find("\r\nPhoto Size=\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\nGameCall PlayTime=-1\r\n"), std::string::npos);

    settings.setValue(CameraKey::GameCallPlayTime, -2);
    bytes = writeNew(model("TQ270"), settings);
    EXPECT_NE(bytes.find("\r\nGameCall PlayTime=\r\n"), std::string::npos);
}

TEST_F(CameraSettingsSectionTest, EmptyPlayTimeReadsAsOffAndIsWrittenBackAsMinusOne)
{
    const CameraSettings read = readFrom("[Camera Setting]\r\nGameCall PlayTime=\r\n", model("TQ270"));
    IniFile file(files, kPath);
    CameraSettingsSection::write(file, model("TQ270"), read);
    ASSERT_TRUE(file.save());
    EXPECT_NE(TestDrives::readText(drives.native('E', "P.TXT")).find("\r\nGameCall PlayTime=-1\r\n"),
              std::string::npos);
}

TEST_F(CameraSettingsSectionTest, Np290eLeavesAnOldSmsControlKeyAlone)
{
    const ModelDescriptor& np290 = model("NP290E-16kXS");
    TestDrives::writeText(drives.native('E', "P.TXT"), "[Camera Setting]\r\nSMS Control=1\r\nLanguage=4\r\n");
    CameraSettings settings = readFrom(TestDrives::readText(drives.native('E', "P.TXT")), np290);
    EXPECT_EQ(settings.value(CameraKey::SmsControl), -1) << "not read";
    settings.setValue(CameraKey::SmsControl, 0);
    IniFile file(files, kPath);
    CameraSettingsSection::write(file, np290, settings);
    ASSERT_TRUE(file.save());
    const std::string bytes = TestDrives::readText(drives.native('E', "P.TXT"));
    EXPECT_EQ(bytes.rfind("[Camera Setting]\r\nSMS Control=1\r\nLanguage=4\r\n", 0), 0u);
    EXPECT_EQ(bytes.find("SMS Control", 20), std::string::npos);
}

TEST_F(CameraSettingsSectionTest, Rv720q33kDefaultsWriteEmptyExtensionValues)
{
    CameraSettings settings;
    applyCameraDefaults(model("RV720Q-33K"), settings);
    const std::string bytes = writeNew(model("RV720Q-33K"), settings);
    EXPECT_TRUE(bytes.ends_with("DR Time M=0\r\nAttachment Size=\r\nRecycle Storage=\r\nGPS Location=\r\n"));
}

TEST_F(CameraSettingsSectionTest, EncryptedLayoutCarriesPictureTypeInTheSecondPass)
{
    CameraSettings settings;
    settings.setValue(CameraKey::PictureType, 1);
    applyCameraDefaults(model("RV731Q-40K"), settings);
    EXPECT_EQ(settings.value(CameraKey::PictureType), 1) << "defaults leave it as it was";
    const std::string bytes = writeNew(model("RV731Q-40K"), settings);
    EXPECT_TRUE(
        bytes.ends_with("Attachment Size=0\r\nRecycle Storage=0\r\nGPS Location=0\r\nPicture Type=1\r\n"));
}

TEST(CameraSettingsSectionNumbers, LeadingNumberConversion)
{
    struct Case
    {
        const char* text;
        int value;
    } const cases[] = {{"", 0},    {"12", 12}, {"-7", -7}, {"+7", 7},
                       {"3.9", 3}, {"x1", 0},  {"-", 0},   {"+-1", 0}};
    for (const Case& c : cases)
        EXPECT_EQ(CameraSettingsSection::toNumber(c.text), c.value) << '"' << c.text << '"';
}

} // namespace
