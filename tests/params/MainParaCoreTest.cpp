#include "params/MainParaCore.h"
#include "TestDrives.h"
#include "context/AppContext.h"
#include "platform/IniFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr LocalDateTime kNow{2024, 3, 5, 14, 7, 9};

class MainParaCoreTest : public testing::Test
{
protected:
    MainParaCoreTest()
        : clock(kNow),
          context(makeDrives(), RegistryStore((drives.base() / "registry").string()), messages, clock)
    {
    }

    DriveMap makeDrives()
    {
        drives.addDrive('C');
        drives.addDrive('E');
        return drives.map();
    }

    // A main dialog's core as it stands after its set-up with the card in E:.
    MainParaCore openOnCard(const std::string& entry)
    {
        MainParaCore core(context, entry);
        EXPECT_EQ(core.Mng_CurModSaveInfoSet(), 1);
        core.setSaveTarget("E:\\" + core.fileTexts().relativeCardPath);
        return core;
    }

    // SAVE: backup copy first, then the card file.
    int save(MainParaCore& core)
    {
        core.Mng_AllPara(MainParaCore::kWrite, MainParaCore::kBackupCopy);
        return core.Mng_AllPara(MainParaCore::kWrite, MainParaCore::kCardFile);
    }

    std::string card(const std::string& file) const
    {
        return TestDrives::readText(drives.native('E', "GSM/" + file));
    }
    static std::string golden(const std::string& name)
    {
        return TestDrives::readText(std::string(KRT_TEST_DATA_DIR) + "/params/" + name);
    }

    TestDrives drives;
    RecordingMessageService messages;
    FixedClock clock;
    AppContext context;
};

TEST_F(MainParaCoreTest, FileTextsOfTheModel)
{
    MainParaCore core(context, "TQ240 SERIES");
    ASSERT_EQ(core.Mng_CurModSaveInfoSet(), 1);
    const ModelFileTexts& t = core.fileTexts();
    EXPECT_EQ(t.modelValue, "TQ240");
    EXPECT_EQ(t.fileName, "TQ240.TXT");
    EXPECT_EQ(t.folder, "GSM\\");
    EXPECT_EQ(t.relativeCardPath, "GSM\\TQ240.TXT");
    EXPECT_EQ(t.backupFolder, "C:\\TavrinoxaBackup");
    EXPECT_EQ(t.backupPath, "C:\\TavrinoxaBackup\\TQ240.TXT");
    EXPECT_EQ(core.saveTarget(), "C:\\GSM\\TQ240.TXT");
    EXPECT_EQ(core.className(), "CKRT_MainParaDlg");
}

// Both golden files are written by hand from the section tables: a new file
// holds every section in save order, with the clock stamped at write time.
TEST_F(MainParaCoreTest, NewFilesWithDefaultsMatchTheGoldenFiles)
{
    for (const char* entry : {"TQ270", "TQ355"}) {
        SCOPED_TRACE(entry);
        MainParaCore core = openOnCard(entry);
        ASSERT_EQ(core.Mng_AllParaSetDefault(), 1);
        ASSERT_EQ(save(core), 1);
        const std::string expected = golden(std::string("new_") + entry + ".TXT");
        EXPECT_EQ(card(core.fileTexts().fileName), expected);
        EXPECT_EQ(TestDrives::readText(drives.native('C', "TavrinoxaBackup/" + core.fileTexts().fileName)),
                  expected);
    }
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(MainParaCoreTest, ASaveWritesEachCopyOnce)
{
    MainParaCore core = openOnCard("TQ270");
    core.Mng_AllParaSetDefault();
    const unsigned long before = IniFile::fileWrites();
    ASSERT_EQ(save(core), 1);
    EXPECT_EQ(IniFile::fileWrites() - before, 2u);
}

TEST_F(MainParaCoreTest, FolderStepMakesTheBackupFolderFirstThenTheCardFolder)
{
    MainParaCore core = openOnCard("TQ355");
    core.Mng_AllParaSetDefault();
    EXPECT_EQ(core.Mng_AllPara(MainParaCore::kRead, MainParaCore::kCardFile), 1) << "reading a missing file";
    EXPECT_TRUE(fs::is_directory(drives.native('C', "TavrinoxaBackup")));
    EXPECT_FALSE(fs::exists(drives.native('E', "GSM"))) << "one folder per run";
    EXPECT_EQ(core.Mng_AllPara(MainParaCore::kWrite, MainParaCore::kCardFile), 1);
    EXPECT_TRUE(fs::exists(drives.native('E', "GSM/TQ355.TXT")));
}

TEST_F(MainParaCoreTest, WholeParameterSetSurvivesSaveAndLoad)
{
    MainParaCore writer = openOnCard("TQ270");
    writer.Mng_AllParaSetDefault();
    ParameterRecords& records = context.records();
    records.networkParameters.fields[NetworkParameters::MmsUrl] = "http://mms.example";
    records.networkParameters.fields[NetworkParameters::SendEmailAddr] = "cam@example.org";
    records.networkParameters.smtpSecurity = "2";
    records.ftpParameters.fields[FtpParameters::FtpServer] = "ftp.example.org";
    records.cameraSettings.setValue(CameraKey::PhotoSize, 1);
    writer.customerInfo() = {"+49 170-123_456", "", "", "", "  me@example.org ", "a b@example.org", "", ""};
    ASSERT_EQ(save(writer), 1);
    const ParameterRecords saved = records;

    records = ParameterRecords{};
    MainParaCore reader = openOnCard("TQ270");
    ASSERT_EQ(reader.Mng_AllPara(MainParaCore::kRead, MainParaCore::kCardFile), 1);
    EXPECT_EQ(records.networkParameters, saved.networkParameters);
    EXPECT_EQ(records.loadedNetworkCopy, saved.networkParameters);
    EXPECT_EQ(records.ftpParameters, saved.ftpParameters);
    EXPECT_EQ(records.cameraSettings.clock(), kNow);
    EXPECT_EQ(records.cameraSettings.value(CameraKey::PhotoSize), 1);
    EXPECT_EQ(reader.customerInfo(), (MainParaCore::CustomerInfo{"+49170123456", "", "", "", "me@example.org",
                                                                 "a b@example.org", "", ""}));
}

TEST_F(MainParaCoreTest, CustomerFieldsAreCutTo80AndReadBackWhole)
{
    MainParaCore core = openOnCard("TQ355");
    core.Mng_AllParaSetDefault();
    const std::string digits(90, '7');
    core.customerInfo()[1] = "- " + digits;
    core.customerInfo()[7] = std::string(85, 'm');
    ASSERT_EQ(save(core), 1);
    core.customerInfo() = {};
    ASSERT_EQ(core.Mng_AllPara(MainParaCore::kRead, MainParaCore::kCardFile), 1);
    EXPECT_EQ(core.customerInfo()[1], std::string(80, '7'));
    EXPECT_EQ(core.customerInfo()[7], std::string(80, 'm'));
}

// The cut to 80 bytes must not leave half a character for the camera to show.
TEST_F(MainParaCoreTest, CustomerFieldsAreNeverCutInsideACharacter)
{
    MainParaCore core = openOnCard("TQ355");
    core.Mng_AllParaSetDefault();
    core.customerInfo()[4] = std::string(79, 'a') + "\xC3\xA9@x.com";
    ASSERT_EQ(save(core), 1);
    EXPECT_NE(card("TQ355.TXT").find("ReceiveEmail1=" + std::string(79, 'a') + "\r\n"), std::string::npos);
}

// Bytes of a file written on a PC with another code page are not this
// system's text; the fields keep them as they are.
TEST_F(MainParaCoreTest, FieldBytesOfAnotherCodePageSurviveLoadAndSave)
{
    const std::string gbk = "\xC4\xE3\xBA\xC3";
    TestDrives::writeText(drives.native('E', "GSM/TQ355.TXT"),
                          "[KRTFileMark]\r\nModel=TQ355\r\n[Receive number and receive email]\r\nReceiveEmail2=" +
                              gbk + "@qq.com\r\nReceiveEmail3=Caf\xE9\r\n");
    MainParaCore core = openOnCard("TQ355");
    ASSERT_EQ(core.Mng_AllPara(MainParaCore::kRead, MainParaCore::kCardFile), 1);
    ASSERT_EQ(save(core), 1);
    const std::string bytes = card("TQ355.TXT");
    EXPECT_NE(bytes.find("ReceiveEmail2=" + gbk + "@qq.com\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("ReceiveEmail3=Caf\xE9\r\n"), std::string::npos);
}

// A pasted line break must not become lines of the file: the camera would
// read a section the user never set.
TEST_F(MainParaCoreTest, ALineBreakInAFieldFailsTheSaveAndWritesNothing)
{
    const std::string old = "[KRTFileMark]\r\nModel=TQ355\r\n";
    TestDrives::writeText(drives.native('E', "GSM/TQ355.TXT"), old);
    MainParaCore core = openOnCard("TQ355");
    core.Mng_AllParaSetDefault();
    core.customerInfo()[0] = "+49123\r\n[Camera Setting]\r\nLanguage=3";
    EXPECT_EQ(save(core), 0);
    EXPECT_EQ(card("TQ355.TXT"), old);
    EXPECT_FALSE(fs::exists(drives.native('C', "TavrinoxaBackup/TQ355.TXT"))) << "the backup copy is refused too";

    context.records().networkParameters.fields[NetworkParameters::SendEmailAddr] = std::string("me\0@x.com", 9);
    core.customerInfo()[0] = "+49123";
    EXPECT_EQ(save(core), 0) << "a NUL is refused as well";
    EXPECT_EQ(card("TQ355.TXT"), old);
}

TEST_F(MainParaCoreTest, SavingOverAFileKeepsKeysTheModelDoesNotWrite)
{
    TestDrives::writeText(drives.native('E', "GSM/TQ355.TXT"),
                          "[KRTFileMark]\r\nModel=TQ355\r\nOwner=me\r\n[Camera Setting]\r\nTime Stamp=1\r\n"
                          "[Extra]\r\nNote=keep\r\n");
    MainParaCore core = openOnCard("TQ355");
    core.Mng_AllParaSetDefault();
    ASSERT_EQ(save(core), 1);
    const std::string bytes = card("TQ355.TXT");
    EXPECT_EQ(
        bytes.rfind("[KRTFileMark]\r\nModel=TQ355\r\nOwner=me\r\n[Camera Setting]\r\nTime Stamp=1\r\n", 0),
        0u);
    EXPECT_NE(bytes.find("[Extra]\r\nNote=keep\r\n[Via WAP Settings]"), std::string::npos)
        << "new sections follow the old ones";
}

TEST_F(MainParaCoreTest, AReadOnlyCardFileFailsTheSaveAndKeepsItsBytes)
{
    const std::string old = "[KRTFileMark]\r\nModel=TQ270\r\n";
    TestDrives::writeText(drives.native('E', "GSM/TQ270.TXT"), old);
    ASSERT_TRUE(context.files().setAttributes("E:\\GSM\\TQ270.TXT", FileAttribute::ReadOnly));
    MainParaCore core = openOnCard("TQ270");
    core.Mng_AllParaSetDefault();
    EXPECT_EQ(save(core), 0);
    EXPECT_EQ(card("TQ270.TXT"), old);
    EXPECT_FALSE(core.closeRequested());
}

TEST_F(MainParaCoreTest, TheSetClockFlagStampsEveryWriteWithTheTimeOfWriting)
{
    MainParaCore core = openOnCard("TQ270");
    core.Mng_AllParaSetDefault();
    ASSERT_EQ(save(core), 1);
    clock.set({2024, 3, 5, 14, 8, 30});
    ASSERT_EQ(core.Mng_AllPara(MainParaCore::kWrite, MainParaCore::kCardFile), 1);
    EXPECT_NE(card("TQ270.TXT").find("Clock Minute=8\r\nClock Second=30\r\n"), std::string::npos);

    CameraSettings& settings = context.records().cameraSettings;
    settings.setSetClock(false);
    settings.setClockFields({2023, 1, 2, 3, 4, 5});
    clock.set({2025, 1, 1, 0, 0, 0});
    ASSERT_EQ(core.Mng_AllPara(MainParaCore::kWrite, MainParaCore::kCardFile), 1);
    EXPECT_NE(card("TQ270.TXT").find("Clock Year=2023\r\nClock Month=1\r\nClock Day=2\r\n"),
              std::string::npos);
}

TEST_F(MainParaCoreTest, FileMarkDecidesValidity)
{
    const MainParaCore core(context, "TQ270");
    struct Case
    {
        const char* bytes;
        int valid;
    } const cases[] = {
        {"[KRTFileMark]\r\nModel=TQ270\r\n", 1},    {"[KRTFileMark]\r\nModel=   TQ270   \r\n", 1},
        {"[krtfilemark]\r\nmodel=TQ270\r\n", 1},    {"[KRTFileMark]\r\nModel=tq270\r\n", 0},
        {"[KRTFileMark]\r\nModel=TQ270-P5\r\n", 0}, {"[KRTFileMark]\r\nModel=\r\n", 0},
        {"[Camera Setting]\r\nModel=TQ270\r\n", 0},
    };
    for (const Case& c : cases) {
        TestDrives::writeText(drives.native('E', "X.TXT"), c.bytes);
        EXPECT_EQ(core.IsValidParameterFile("E:\\X.TXT"), c.valid) << c.bytes;
    }
    EXPECT_EQ(core.IsValidParameterFile("E:\\MISSING.TXT"), 0);
}

TEST_F(MainParaCoreTest, UnknownModelIsReportedWithTheOperationsConsequences)
{
    MainParaCore core(context, "tq355");
    EXPECT_EQ(core.Mng_AllParaSetDefault(), 0);
    EXPECT_FALSE(core.closeRequested()) << "the dialog stays open";
    const CameraSettings before = context.records().cameraSettings;
    core.Mng_ChkForSaveLatestTimeForSetClock();
    EXPECT_EQ(context.records().cameraSettings, before);
    EXPECT_FALSE(core.closeRequested());
    EXPECT_EQ(core.Mng_AllPara(MainParaCore::kWrite, MainParaCore::kBackupCopy), 0);
    EXPECT_TRUE(core.closeRequested());

    ASSERT_EQ(messages.shown().size(), 3u);
    EXPECT_EQ(messages.texts(),
              (std::vector<std::string>{"Error In CKRT_MainParaDlg::Mng_AllParaSetDefault() !",
                                        "Error In CKRT_MainParaDlg::Mng_ChkForSaveLatestTimeForSetClock() !",
                                        "Error In CKRT_MainParaDlg::Mng_AllPara() !"}));
    for (const Message& m : messages.shown()) {
        EXPECT_EQ(m.icon, MessageIcon::Error);
        EXPECT_EQ(m.title, MessageTitle::Tips);
    }

    messages.clear();
    MainParaCore encrypted(context, "TQ270", MainParaCore::Variant::Encrypted);
    MainParaCore unknownEncrypted(context, "RV731Q", MainParaCore::Variant::Encrypted);
    EXPECT_EQ(unknownEncrypted.Mng_AllParaSetDefault(), 0);
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>{"Error In CKRT_MainParaEncryptDlg::Mng_AllParaSetDefault() !"});
}

TEST_F(MainParaCoreTest, AnUnknownDirectionOrCopyIsAnInvalidCall)
{
    MainParaCore core = openOnCard("TQ270");
    EXPECT_EQ(core.Mng_AllPara(2, 0), 0);
    EXPECT_EQ(core.Mng_AllPara(0, 2), 0);
    EXPECT_EQ(messages.texts(),
              (std::vector<std::string>{"Invalid call for CKRT_MainParaDlg::Mng_AllPara() !",
                                        "Invalid call for CKRT_MainParaDlg::Mng_AllPara() !"}));
    EXPECT_FALSE(fs::exists(drives.native('E', "GSM/TQ270.TXT")));
}

} // namespace
