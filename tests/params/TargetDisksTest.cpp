#include "TestDrives.h"
#include "context/AppContext.h"
#include "params/MainParaCore.h"
#include "params/TargetDisks.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

// A small valid file of a model, told apart by its first phone number.
std::string parameterFile(const std::string& modelValue, const std::string& phone)
{
    return "[KRTFileMark]\r\nModel=" + modelValue + "\r\n[Receive number and receive email]\r\nAdministratorNum=" +
           phone + "\r\n";
}

class TargetDisksTest : public testing::Test
{
protected:
    TargetDisksTest() : clock({2025, 6, 1, 8, 30, 0}) {}

    /// Maps the letters, creating the folders of those in `present`; the
    /// others are drives whose card is not in yet.
    void withDrives(const std::string& present, const std::string& absent = "")
    {
        for (const char letter : present)
            drives.addDrive(letter);
        for (const char letter : absent)
            drives.addDrive(letter, false);
        context.emplace(drives.map(), RegistryStore((drives.base() / "registry").string()), messages, clock);
    }

    MainParaCore& open(const std::string& entry)
    {
        core = std::make_unique<MainParaCore>(*context, entry);
        EXPECT_EQ(core->Mng_CurModSaveInfoSet(), 1);
        core->Mng_SearchDisks();
        return *core;
    }

    void put(char letter, const std::string& relative, const std::string& bytes)
    {
        TestDrives::writeText(drives.native(letter, relative), bytes);
    }
    [[nodiscard]] bool has(char letter, const std::string& relative) const
    {
        return fs::exists(drives.native(letter, relative));
    }
    [[nodiscard]] std::string phone() const { return core->customerInfo()[0]; }

    TestDrives drives;
    RecordingMessageService messages;
    FixedClock clock;
    std::optional<AppContext> context;
    std::unique_ptr<MainParaCore> core;
};

TEST_F(TargetDisksTest, ValidFileOnCIsLoadedAndRemovedAfterASaveToE)
{
    withDrives("CE");
    put('C', "GSM/TQ355.TXT", parameterFile("TQ355", "111"));

    MainParaCore& c = open("TQ355");
    EXPECT_EQ(c.saveTargets().items(), (std::vector<std::string>{"C:\\GSM\\TQ355.TXT", "E:\\GSM\\TQ355.TXT"}));
    EXPECT_EQ(c.saveTargets().selected(), 0);
    EXPECT_EQ(c.saveTarget(), "C:\\GSM\\TQ355.TXT");
    EXPECT_EQ(phone(), "111");

    c.selectSaveTarget(1);
    EXPECT_EQ(c.saveTarget(), "E:\\GSM\\TQ355.TXT");
    c.saveAll();
    EXPECT_TRUE(has('E', "GSM/TQ355.TXT"));
    EXPECT_FALSE(has('C', "GSM/TQ355.TXT")) << "only the target keeps a copy";
    EXPECT_TRUE(has('C', "TavrinoxaBackup/TQ355.TXT")) << "the backup folder is not touched";
    EXPECT_EQ(messages.texts(), (std::vector<std::string>{"Sava all parameters to \"E:\\GSM\\TQ355.TXT\" ?",
                                                          "OK,All parameters have been saved success !"}));
    EXPECT_EQ(messages.shown()[0].icon, MessageIcon::Question);
    EXPECT_EQ(messages.shown()[1].icon, MessageIcon::Information);
}

TEST_F(TargetDisksTest, HighestValidDriveWins)
{
    withDrives("CDEF");
    put('D', "GSM/TQ270.TXT", parameterFile("TQ270", "444"));
    put('F', "GSM/TQ270.TXT", parameterFile("TQ270", "666"));
    put('E', "GSM/TQ270.TXT", parameterFile("TQ355", "555"));

    MainParaCore& c = open("TQ270");
    EXPECT_EQ(c.saveTarget(), "F:\\GSM\\TQ270.TXT");
    EXPECT_EQ(c.saveTargets().selected(), 3);
    EXPECT_EQ(phone(), "666");
    EXPECT_TRUE(has('E', "GSM/TQ270.TXT")) << "another model's file is left alone when a valid one exists";
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(TargetDisksTest, NoValidFileAndNoBackupFolderGivesDefaultsOnTheLastDrive)
{
    withDrives("CE");
    MainParaCore& c = open("TQ270");
    EXPECT_TRUE(fs::is_directory(drives.native('E', "GSM")));
    EXPECT_TRUE(fs::is_directory(drives.native('C', "TavrinoxaBackup")));
    EXPECT_FALSE(has('C', "GSM")) << "only the chosen drive gets a card folder";
    EXPECT_EQ(c.saveTarget(), "E:\\GSM\\TQ270.TXT");
    EXPECT_EQ(c.saveTargets().selected(), 1);
    EXPECT_TRUE(context->records().cameraSettings.setClock()) << "defaults set the clock flag";
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(TargetDisksTest, WrongModelFileIsDeletedOnlyOnTheChosenDrive)
{
    withDrives("CDE");
    put('D', "GSM/TQ270.TXT", parameterFile("TQ355", "d"));
    put('E', "GSM/TQ270.TXT", parameterFile("TQ355", "e"));
    ASSERT_TRUE(context->files().setAttributes("E:\\GSM\\TQ270.TXT", FileAttribute::ReadOnly));

    open("TQ270");
    EXPECT_FALSE(has('E', "GSM/TQ270.TXT")) << "read-only is cleared before the deletion";
    EXPECT_TRUE(has('D', "GSM/TQ270.TXT"));
    EXPECT_EQ(phone(), "") << "never loaded";
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(TargetDisksTest, UndeletableInvalidCardFileIsReported)
{
    withDrives("CE");
    fs::create_directories(drives.native('E', "GSM/TQ270.TXT"));
    MainParaCore& c = open("TQ270");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "Can't delete invalid file \"E:\\GSM\\TQ270.TXT \",\nPlease delete it manually!");
    EXPECT_EQ(messages.shown()[0].icon, MessageIcon::Warning);
    EXPECT_EQ(messages.shown()[0].title, MessageTitle::Tips);
    EXPECT_EQ(c.saveTarget(), "E:\\GSM\\TQ270.TXT");
}

TEST_F(TargetDisksTest, BackupCopyIsLoadedWhenNoDriveHoldsAValidFile)
{
    withDrives("CE");
    put('C', "TavrinoxaBackup/TQ270.TXT", parameterFile("TQ270", "backup"));
    MainParaCore& c = open("TQ270");
    EXPECT_EQ(phone(), "backup");
    EXPECT_EQ(c.saveTarget(), "E:\\GSM\\TQ270.TXT");
}

TEST_F(TargetDisksTest, InvalidBackupIsDeletedUnlessReadOnly)
{
    withDrives("CE");
    put('C', "TavrinoxaBackup/TQ270.TXT", parameterFile("TQ27", "x"));
    open("TQ270");
    EXPECT_FALSE(has('C', "TavrinoxaBackup/TQ270.TXT"));
    EXPECT_TRUE(messages.shown().empty());

    put('C', "TavrinoxaBackup/TQ270.TXT", parameterFile("TQ27", "x"));
    ASSERT_TRUE(context->files().setAttributes("C:\\TavrinoxaBackup\\TQ270.TXT", FileAttribute::ReadOnly));
    open("TQ270");
    EXPECT_TRUE(has('C', "TavrinoxaBackup/TQ270.TXT")) << "the backup's read-only mark is respected";
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "Can't delete invalid back-up file,\nPlease delete it manually!");
    EXPECT_EQ(messages.shown()[0].icon, MessageIcon::Warning);
    EXPECT_EQ(phone(), "");
}

TEST_F(TargetDisksTest, NoUsableDriveAtAll)
{
    withDrives("", "CE");
    MainParaCore& c = open("TQ270");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "No disk is valid !");
    EXPECT_EQ(messages.shown()[0].icon, MessageIcon::Error);
    EXPECT_TRUE(c.saveTargets().items().empty());
    EXPECT_EQ(c.saveTarget(), "C:\\GSM\\TQ270.TXT");
    EXPECT_TRUE(context->records().cameraSettings.setClock());
}

TEST_F(TargetDisksTest, RefreshAppendsNewDrivesAndDropsGoneOnes)
{
    withDrives("CDF", "E");
    MainParaCore& c = open("TQ270");
    c.selectSaveTarget(0);
    EXPECT_FALSE(c.refreshSaveTargets()) << "nothing changed";

    fs::create_directories(drives.native('E', "")); // a card put in after the dialog opened
    EXPECT_TRUE(c.refreshSaveTargets());
    EXPECT_EQ(c.saveTargets().items(), (std::vector<std::string>{"C:\\GSM\\TQ270.TXT", "D:\\GSM\\TQ270.TXT",
                                                                  "F:\\GSM\\TQ270.TXT", "E:\\GSM\\TQ270.TXT"}))
        << "a new drive goes to the end, not sorted in";
    EXPECT_EQ(c.saveTarget(), "C:\\GSM\\TQ270.TXT") << "an addition does not move the target";

    fs::remove_all(drives.native('D', ""));
    EXPECT_TRUE(c.refreshSaveTargets());
    EXPECT_EQ(c.saveTargets().items(),
              (std::vector<std::string>{"C:\\GSM\\TQ270.TXT", "F:\\GSM\\TQ270.TXT", "E:\\GSM\\TQ270.TXT"}));
    EXPECT_EQ(c.saveTargets().selected(), 2) << "removing a drive that was not the target still moves it";
    EXPECT_EQ(c.saveTarget(), "E:\\GSM\\TQ270.TXT");
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(TargetDisksTest, CancelledSaveWritesNothing)
{
    withDrives("CE");
    MainParaCore& c = open("TQ270");
    messages.answerNext(MessageAnswer::Cancel);
    c.saveAll();
    EXPECT_FALSE(has('E', "GSM/TQ270.TXT"));
    EXPECT_FALSE(has('C', "TavrinoxaBackup/TQ270.TXT"));
    EXPECT_EQ(messages.shown().size(), 1u);
}

TEST_F(TargetDisksTest, FailedCardWriteStillPlacesTheSoundButKeepsTheOtherCopies)
{
    withDrives("CDE");
    put('D', "GSM/TQ270.TXT", parameterFile("TQ270", "d"));
    MainParaCore& c = open("TQ270");
    ASSERT_EQ(c.saveTarget(), "D:\\GSM\\TQ270.TXT");
    put('E', "GSM/TQ270.TXT", parameterFile("TQ270", "old e"));
    ASSERT_TRUE(context->files().setAttributes("E:\\GSM\\TQ270.TXT", FileAttribute::ReadOnly));
    c.selectSaveTarget(2);
    ASSERT_EQ(c.saveTarget(), "E:\\GSM\\TQ270.TXT");

    int placed = 0;
    c.setGameCallAudioHooks({{}, {}, [&placed] { ++placed; }});
    context->records().gameCallAudioPath = "/home/me/call.mp3";
    c.saveAll();

    EXPECT_EQ(TestDrives::readText(drives.native('E', "GSM/TQ270.TXT")), parameterFile("TQ270", "old e"));
    EXPECT_TRUE(has('C', "TavrinoxaBackup/TQ270.TXT")) << "the backup copy is written before the card";
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[1].text, "Save failed ,please check your disk and try again later!");
    EXPECT_EQ(messages.shown()[1].icon, MessageIcon::Error);
    EXPECT_EQ(messages.shown()[1].detail, "E:\\GSM\\TQ270.TXT: the file is read-only");
    EXPECT_EQ(placed, 1);
    // The card holds no new file, so D:'s copy may be the only good one.
    EXPECT_EQ(TestDrives::readText(drives.native('D', "GSM/TQ270.TXT")), parameterFile("TQ270", "d"));
}

TEST_F(TargetDisksTest, SoundIsPlacedOnlyForAudioModelsWithAChosenFile)
{
    withDrives("CE");
    struct Case
    {
        const char* entry;
        const char* path;
        int placed;
    } const cases[] = {{"TQ270", "/x/call.wav", 1}, {"TQ270", "", 0}, {"TQ355", "/x/call.wav", 0}};
    for (const Case& k : cases) {
        MainParaCore& c = open(k.entry);
        int placed = 0;
        c.setGameCallAudioHooks({{}, {}, [&placed] { ++placed; }});
        context->records().gameCallAudioPath = k.path;
        c.saveAll();
        EXPECT_EQ(placed, k.placed) << k.entry << " '" << k.path << "'";
    }
}

TEST_F(TargetDisksTest, DefaultSettingAsksFirst)
{
    withDrives("CE");
    MainParaCore& c = open("TQ330");
    CameraSettings& camera = context->records().cameraSettings;
    camera.setCameraName("Deer stand");
    const CameraSettings edited = camera;

    messages.answerNext(MessageAnswer::Cancel);
    c.defaultSetting();
    EXPECT_EQ(camera, edited);

    messages.clear();
    c.defaultSetting();
    EXPECT_EQ(camera.cameraName(), "Camera");
    EXPECT_EQ(messages.texts(), (std::vector<std::string>{"Set all camera parameters to default ?",
                                                          "OK,All camera parameters have been set to default !"}));

    MainParaCore unknown(*context, "TQ331");
    messages.clear();
    unknown.defaultSetting();
    EXPECT_EQ(messages.texts().back(), "Default setings is not applied, no data is modified !");
    EXPECT_EQ(messages.shown().back().icon, MessageIcon::Warning);
}

// One card reachable under two letters holds the saved file under both; the
// removal on other disks must not delete what was just saved.
TEST_F(TargetDisksTest, TheSavedFileIsNotRemovedThroughAnotherLetterOfTheSameCard)
{
    withDrives("CE");
    drives.map().set('F', drives.native('E', "").string());
    context.emplace(drives.map(), RegistryStore((drives.base() / "registry").string()), messages, clock);
    put('E', "GSM/TQ270.TXT", parameterFile("TQ270", "111"));

    MainParaCore& c = open("TQ270");
    c.selectSaveTarget(1);
    ASSERT_EQ(c.saveTarget(), "E:\\GSM\\TQ270.TXT");
    c.saveAll();
    EXPECT_TRUE(has('E', "GSM/TQ270.TXT"));
    EXPECT_EQ(messages.texts().back(), "OK,All parameters have been saved success !");
}

// A card file in a format the camera reads, but not of this tool's making.
TEST_F(TargetDisksTest, CardFilesThatAreNoParameterFiles)
{
    struct Case
    {
        const char* what;
        std::string bytes;
        bool loaded;
    };
    const std::string mark = parameterFile("TQ270", "123");
    const Case cases[] = {
        {"lone CR line ends are lines", "[KRTFileMark]\rModel=TQ270\r[Receive number and receive email]\r"
                                        "AdministratorNum=123\r",
         true},
        {"over 1 MiB is no parameter file", mark + "[Junk]\r\n" + std::string(1 << 20, 'j') + "\r\n", false},
        {"exactly 1 MiB still is", mark + std::string((1 << 20) - mark.size() - 2, ';') + "\r\n", true},
    };
    withDrives("CE");
    for (const Case& c : cases) {
        put('E', "GSM/TQ270.TXT", c.bytes);
        open("TQ270");
        EXPECT_EQ(phone(), c.loaded ? "123" : "") << c.what;
        EXPECT_EQ(has('E', "GSM/TQ270.TXT"), c.loaded) << c.what << ": an invalid card file is deleted";
        fs::remove_all(drives.native('E', "GSM"));
    }
}

TEST_F(TargetDisksTest, AFifoAtTheCardPathDoesNotHangTheSearch)
{
    withDrives("CE");
    fs::create_directories(drives.native('E', "GSM"));
    ASSERT_EQ(::mkfifo(drives.native('E', "GSM/TQ270.TXT").c_str(), 0666), 0);
    MainParaCore& c = open("TQ270");
    EXPECT_EQ(c.saveTarget(), "E:\\GSM\\TQ270.TXT");
    c.saveAll();
    EXPECT_EQ(messages.texts().back(), "OK,All parameters have been saved success !")
        << "the FIFO was removed as an invalid file and the save wrote a file";
    EXPECT_TRUE(fs::is_regular_file(drives.native('E', "GSM/TQ270.TXT")));
}

// "GSM" on the card is a link to a folder on the PC: nothing may be written there.
TEST_F(TargetDisksTest, ACardFolderLinkedOffTheCardIsRefused)
{
    withDrives("CE");
    const fs::path elsewhere = drives.base() / "elsewhere";
    fs::create_directories(elsewhere);
    fs::create_directory_symlink(elsewhere, drives.native('E', "GSM"));

    MainParaCore& c = open("TQ270");
    ASSERT_EQ(c.saveTarget(), "E:\\GSM\\TQ270.TXT");
    c.saveAll();
    EXPECT_EQ(messages.texts().back(), "Save failed ,please check your disk and try again later!");
    EXPECT_TRUE(fs::is_empty(elsewhere)) << "nothing is written off the card";
    EXPECT_TRUE(fs::exists(drives.native('C', "TavrinoxaBackup/TQ270.TXT"))) << "the backup copy is kept";
}

TEST_F(TargetDisksTest, TemporariesOfKilledSavesAreRemovedAtTheSearch)
{
    withDrives("CE");
    put('E', "GSM/.krt-save-Ab12Cd.tmp", std::string(4096, 'x'));
    put('C', "TavrinoxaBackup/.krt-save-0a1B2c.tmp", "x");
    put('E', "GSM/NOTES.TXT", "mine");
    open("TQ270");
    EXPECT_FALSE(has('E', "GSM/.krt-save-Ab12Cd.tmp"));
    EXPECT_FALSE(has('C', "TavrinoxaBackup/.krt-save-0a1B2c.tmp"));
    EXPECT_TRUE(has('E', "GSM/NOTES.TXT"));
}

} // namespace
