#include "TestDrives.h"
#include "camera/CameraDefaults.h"
#include "context/AppContext.h"
#include "models/ModelCatalogue.h"
#include "network/NetworkSections.h"
#include "params/MainParaCore.h"
#include "params/ParameterFileCodec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

namespace fs = std::filesystem;
using namespace ParameterFileCodec;

namespace {

std::vector<int> bytesOf(const std::string& s)
{
    std::vector<int> out;
    for (const char c : s)
        out.push_back(static_cast<unsigned char>(c));
    return out;
}

TEST(ParameterFileCodecTest, TheFileMarkLineEncodesAsTheCamerasExpect)
{
    EXPECT_EQ(bytesOf(encode("[KRTFileMark]\n")),
              (std::vector<int>{164, 180, 173, 171, 185, 150, 147, 154, 178, 158, 141, 148, 162, 245}));
    EXPECT_EQ(encode("[KRTFileMark]\r\nModel=RV731Q-40K\r\n"), encode("[KRTFileMark]\nModel=RV731Q-40K\n"));
    EXPECT_EQ(decode(encode("[S]\nK=v\n")), "[S]\r\nK=v\r\n");
}

TEST(ParameterFileCodecTest, ReadingStopsAtByte255AndAtTheLimit)
{
    const std::string encoded = encode("[S]\nA=1\n") + std::string(1, '\xff') + encode("B=2\n");
    EXPECT_EQ(decode(encoded), "[S]\r\nA=1\r\n");
    const std::string big(ParameterFileCodec::kMaxTextBytes + 50, 'x');
    EXPECT_EQ(encode(big).size(), ParameterFileCodec::kMaxTextBytes);
    EXPECT_EQ(decode(encode(big)).size(), ParameterFileCodec::kMaxTextBytes);
    char buffer[] = {'\x00', '\x5b', '\xff'};
    EXPECT_EQ(ComplementBytes(buffer, 3), 3u);
    EXPECT_EQ(bytesOf(std::string(buffer, 3)), (std::vector<int>{255, 164, 0}));
    EXPECT_EQ(ComplementBytes(buffer, 0), 0u);
}

// GBK text can hold bytes whose complements are CR, LF and ^Z.
TEST(ParameterFileCodecTest, BytesThatComplementToLineEndsSurviveAFile)
{
    TestDrives drives;
    drives.addDrive('E');
    FileSystem files(drives.map());
    const std::string text = "[S]\r\nName=\xf2\xf5\xe5\xc4\xe3\r\n";
    ASSERT_TRUE(EncodeParameterFile(files, text, "E:\\P.BIN"));
    EXPECT_EQ(DecodeParameterFile(files, "E:\\P.BIN"), text);
    EXPECT_EQ(DecodeParameterFile(files, "E:\\MISSING.BIN"), std::nullopt);
}

class EncryptedFileTest : public testing::Test
{
protected:
    EncryptedFileTest() : clock({2025, 6, 1, 8, 30, 0}) {}

    void withDrives(const std::string& letters)
    {
        for (const char letter : letters)
            drives.addDrive(letter);
        context.emplace(drives.map(), RegistryStore((drives.base() / "registry").string()), messages, clock);
    }

    MainParaCore& open(const std::string& model)
    {
        core = std::make_unique<MainParaCore>(*context, model, MainParaCore::Variant::Encrypted);
        EXPECT_EQ(core->Mng_CurModSaveInfoSet(), 1);
        core->Mng_SearchDisks();
        return *core;
    }

    /// A valid encoded file of the model, told apart by its first phone number.
    void putBin(char letter, const std::string& model, const std::string& mark, const std::string& phone)
    {
        const std::string text = "[KRTFileMark]\r\nModel=" + mark +
                                 "\r\n[Receive number and receive email]\r\nAdministratorNum=" + phone + "\r\n";
        TestDrives::writeText(drives.native(letter, "GSM/" + model + ".BIN"), encode(text));
    }
    std::string decodedOn(char letter, const std::string& relative)
    {
        return decode(TestDrives::readText(drives.native(letter, relative)));
    }

    TestDrives drives;
    RecordingMessageService messages;
    FixedClock clock;
    std::optional<AppContext> context;
    std::unique_ptr<MainParaCore> core;
};

TEST_F(EncryptedFileTest, AValidBinIsLoadedAndNoPlainTextIsLeft)
{
    withDrives("CE");
    putBin('E', "RV731Q-40K", "RV731Q-40K", "111");
    TestDrives::writeText(drives.native('E', "GSM/RV731Q-40K-TMP"), "[KRTFileMark]\r\nModel=RV731Q-40K\r\nOld=1\r\n");
    ASSERT_TRUE(context->files().setAttributes("E:\\GSM\\RV731Q-40K-TMP", FileAttribute::ReadOnly));

    MainParaCore& c = open("RV731Q-40K");
    EXPECT_EQ(c.saveTarget(), "E:\\GSM\\RV731Q-40K.BIN");
    EXPECT_EQ(c.customerInfo()[0], "111");
    EXPECT_FALSE(fs::exists(drives.native('E', "GSM/RV731Q-40K-TMP"))) << "a plain leftover is deleted";

    c.saveAll();
    EXPECT_EQ(messages.texts(), (std::vector<std::string>{"Save all parameters to \"E:\\GSM\\RV731Q-40K.BIN\" ?",
                                                          "OK,All parameters have been saved success !"}));
    const std::string text = decodedOn('E', "GSM/RV731Q-40K.BIN");
    EXPECT_EQ(text.rfind("[KRTFileMark]\r\nModel=RV731Q-40K\r\n", 0), 0u);
    EXPECT_EQ(text.find("Old=1"), std::string::npos) << "no key of another file flows in";
    EXPECT_EQ(decodedOn('C', "TavrinoxaBackup/RV731Q-40K.BIN"), text) << "the backup copy is encoded too";
    for (const auto& entry : fs::recursive_directory_iterator(drives.base()))
        EXPECT_EQ(entry.path().filename().string().find("-TMP"), std::string::npos) << entry.path();
}

TEST_F(EncryptedFileTest, TheLastValidDriveWinsAndTheOtherCopyGoesAfterSave)
{
    withDrives("CDEF");
    putBin('D', "RV731Q-33K", "RV731Q-33K", "444");
    putBin('F', "RV731Q-33K", "RV731Q-33K", "666");
    putBin('E', "RV731Q-33K", "RV731Q-40K", "555");
    MainParaCore& c = open("RV731Q-33K");
    EXPECT_EQ(c.saveTarget(), "F:\\GSM\\RV731Q-33K.BIN");
    EXPECT_EQ(c.customerInfo()[0], "666");
    EXPECT_TRUE(fs::exists(drives.native('E', "GSM/RV731Q-33K.BIN"))) << "a file of another model is left alone";
    c.saveAll();
    EXPECT_FALSE(fs::exists(drives.native('D', "GSM/RV731Q-33K.BIN")));
    EXPECT_TRUE(fs::exists(drives.native('E', "GSM/RV731Q-33K.BIN")));
    EXPECT_TRUE(fs::exists(drives.native('F', "GSM/RV731Q-33K.BIN")));
}

TEST_F(EncryptedFileTest, AnInvalidBinOnTheCandidateDriveIsReplaced)
{
    withDrives("CE");
    TestDrives::writeText(drives.native('E', "GSM/RV731Q-40K.BIN"), "damaged \xff");
    MainParaCore& c = open("RV731Q-40K");
    EXPECT_FALSE(fs::exists(drives.native('E', "GSM/RV731Q-40K.BIN")));
    EXPECT_EQ(c.saveTarget(), "E:\\GSM\\RV731Q-40K.BIN");
    c.saveAll();
    EXPECT_EQ(c.IsValidParameterFile("E:\\GSM\\RV731Q-40K.BIN"), 1);
}

// A password's blanks are part of it where the file keeps them.
TEST_F(EncryptedFileTest, SendEmailPasswordKeepsItsBlanks)
{
    withDrives("CE");
    MainParaCore& c = open("RV731Q-40K");
    context->records().networkParameters.fields[NetworkParameters::SendEmailPassword] = "  pass word ";
    c.saveAll();
    context->records().networkParameters.fields[NetworkParameters::SendEmailPassword].clear();
    ASSERT_EQ(c.Mng_AllPara(MainParaCore::kRead, MainParaCore::kCardFile), 1);
    EXPECT_EQ(context->records().networkParameters.fields[NetworkParameters::SendEmailPassword], "  pass word ");
}

TEST_F(EncryptedFileTest, AWholeDefaultFileRoundTrips)
{
    withDrives("CE");
    MainParaCore& c = open("RV731Q-33K");
    c.Mng_AllParaSetDefault();
    c.saveAll();
    const std::string bin = TestDrives::readText(drives.native('E', "GSM/RV731Q-33K.BIN"));
    const std::string text = decode(bin);
    EXPECT_EQ(encode(text), bin);
    const auto crlf = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\r'));
    EXPECT_EQ(bin.size(), text.size() - crlf) << "exactly as long as the LF-reduced text, no padding";
    EXPECT_NE(text.find("[Camera Setting]\r\n"), std::string::npos);
}

// A camera reads the first 10,240 bytes; whatever a larger file holds after
// them does not make the file invalid.
TEST_F(EncryptedFileTest, ABinLargerThanTheFileCapIsReadUpToTheLimit)
{
    withDrives("CE");
    putBin('E', "RV731Q-40K", "RV731Q-40K", "111");
    const fs::path bin = drives.native('E', "GSM/RV731Q-40K.BIN");
    TestDrives::writeText(bin, TestDrives::readText(bin) + std::string(2 << 20, '\xff'));
    MainParaCore& c = open("RV731Q-40K");
    EXPECT_EQ(c.saveTarget(), "E:\\GSM\\RV731Q-40K.BIN");
    EXPECT_EQ(c.customerInfo()[0], "111");
    EXPECT_TRUE(fs::exists(bin)) << "the file is valid, not deleted";
}

TEST_F(EncryptedFileTest, TheBinLosesItsReadOnlyMarkAtOpening)
{
    withDrives("CE");
    putBin('E', "RV731Q-33K", "RV731Q-33K", "111");
    ASSERT_TRUE(context->files().setAttributes("E:\\GSM\\RV731Q-33K.BIN", FileAttribute::ReadOnly));
    open("RV731Q-33K");
    EXPECT_FALSE(context->files().isReadOnly("E:\\GSM\\RV731Q-33K.BIN"));
}

// Cut at 10,240 bytes, the file would lose its last sections while the tool
// reported success.
TEST_F(EncryptedFileTest, ATextThatDoesNotFitIsRefusedAndNothingIsWritten)
{
    withDrives("CE");
    putBin('E', "RV731Q-40K", "RV731Q-40K", "old");
    const std::string before = TestDrives::readText(drives.native('E', "GSM/RV731Q-40K.BIN"));
    MainParaCore& c = open("RV731Q-40K");
    context->records().networkParameters.fields[NetworkParameters::SendEmailPassword] = std::string(11000, 'p');
    messages.clear();
    c.saveAll();

    ASSERT_EQ(messages.shown().size(), 2u);
    const Message& failed = messages.shown()[1];
    EXPECT_EQ(failed.text, "Save failed ,please check your disk and try again later!");
    EXPECT_EQ(failed.icon, MessageIcon::Error);
    EXPECT_NE(failed.detail.find("E:\\GSM\\RV731Q-40K.BIN: the parameters take "), std::string::npos) << failed.detail;
    EXPECT_NE(failed.detail.find("at most 10240"), std::string::npos) << failed.detail;
    EXPECT_EQ(TestDrives::readText(drives.native('E', "GSM/RV731Q-40K.BIN")), before);
    EXPECT_FALSE(fs::exists(drives.native('C', "TavrinoxaBackup/RV731Q-40K.BIN"))) << "no cut backup either";
}

// Every field at the longest the file keeps, the password at the longest its
// field takes: the encoded file still holds all of it.
TEST_F(EncryptedFileTest, TheLongestFieldsStillFit)
{
    withDrives("CE");
    for (const char* model : {"RV731Q-33K", "RV731Q-40K"}) {
        MainParaCore& c = open(model);
        ParameterRecords& records = context->records();
        for (std::size_t field = 0; field < NetworkParameters::FieldCount; ++field)
            records.networkParameters.fields[field] = std::string(static_cast<std::size_t>(networkFieldKey(field).limit), 'n');
        records.networkParameters.smtpSecurity = "99999";
        for (std::string& field : records.ftpParameters.fields)
            field = std::string(100, 'f');
        for (std::string& field : c.customerInfo())
            field = std::string(80, 'c');
        for (std::size_t key = 0; key < kCameraKeyCount; ++key)
            records.cameraSettings.setValue(static_cast<CameraKey>(key), -2147483647 - 1);
        records.cameraSettings.setCameraName(std::string(20, 'k'));
        const auto text = c.parameterText();
        ASSERT_TRUE(text.has_value());
        EXPECT_LE(reducedLength(*text), kMaxTextBytes) << model;
        messages.clear();
        c.saveAll();
        EXPECT_EQ(messages.texts().back(), "OK,All parameters have been saved success !") << model;
    }
}

TEST_F(EncryptedFileTest, OnlyTheEncryptedModelsOpenThisVariant)
{
    withDrives("CE");
    MainParaCore plainModel(*context, "TQ270", MainParaCore::Variant::Encrypted);
    EXPECT_EQ(plainModel.Mng_CurModSaveInfoSet(), 0);
    EXPECT_TRUE(plainModel.closeRequested());
    EXPECT_EQ(messages.texts().back(), "Error In CKRT_MainParaEncryptDlg::Mng_CurModSaveInfoSet() !");
}

TEST_F(EncryptedFileTest, DefaultsLeavePictureTypeAlone)
{
    withDrives("CE");
    MainParaCore& c = open("RV731Q-40K");
    context->records().cameraSettings.setValue(CameraKey::PictureType, 1);
    messages.answerNext(MessageAnswer::Ok);
    c.defaultSetting();
    EXPECT_EQ(context->records().cameraSettings.value(CameraKey::PictureType), 1);
    EXPECT_TRUE(context->records().cameraSettings.setClock());
}

} // namespace
