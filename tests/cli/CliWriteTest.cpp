#include "CliFixture.h"

#include "params/ParameterFileCodec.h"
#include "platform/FileSystem.h"
#include "platform/IniDocument.h"

#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

class CliWriteTest : public CliFixture
{
protected:
    std::string fileOf(const fs::path& root, const std::string& name)
    {
        std::string bytes = TestDrives::readText(root / "GSM" / name);
        return fs::path(name).extension() == ".BIN" ? ParameterFileCodec::decode(bytes) : bytes;
    }
    static std::string value(const std::string& text, const char* section, const char* key)
    {
        return IniDocument(text).read(section, key, "<missing>", 256);
    }
    static void makeReadOnly(const fs::path& file)
    {
        DriveMap map;
        FileSystem files(map);
        ASSERT_TRUE(files.setAttributes(file.string(), FileAttribute::ReadOnly));
    }
};

// One model of each layout: what write puts in the file, show reads back.
TEST_F(CliWriteTest, WriteThenShowRoundTripsEveryKey)
{
    struct Case
    {
        const char* model;
        const char* file;
    } const cases[] = {{"TQ240 SERIES", "TQ240.TXT"},    {"tq270", "TQ270.TXT"},
                       {"RV731Q-40K", "RV731Q-40K.BIN"}, {"TQ480-E", "TQ480-E.TXT"},
                       {"RV720Q-16kXS", "RV720Q.TXT"},   {"RV610W-16kXS", "RV610W.TXT"}};
    for (const Case& c : cases) {
        const fs::path root = card(std::string("card-") + c.file);
        ASSERT_EQ(run({"write", c.model, root.string(), "--phone", "+49 170 1", "--email", "me@example.org",
                       "--clock", "2025-06-01T08:30:00"}),
                  0)
            << c.model << ": " << err.str();
        const std::string text = fileOf(root, c.file);
        ASSERT_EQ(run({"show", (root / "GSM" / c.file).string()}), 0) << c.model << ": " << err.str();
        const std::string shown = out.str();
        std::size_t keys = 0;
        IniDocument(text).forEachKey([&](std::string_view, std::string_view key, std::string_view v) {
            ++keys;
            const std::string line = std::string(key) + " =" + (v.empty() ? "" : " ") + std::string(v);
            EXPECT_NE(shown.find("\n" + line), std::string::npos) << c.model << ": " << key;
        });
        EXPECT_GT(keys, 30u) << c.model;
        EXPECT_NE(shown.find("AdministratorNum = +491701"), std::string::npos) << c.model;
        EXPECT_NE(shown.find("Clock Year = 2025"), std::string::npos) << c.model;
        EXPECT_EQ(run({"check", root.string()}), 0) << c.model << ": " << out.str();
    }
}

TEST_F(CliWriteTest, ValuesThatWereNeverSetStayUnset)
{
    for (const char* model : {"RV720Q-33K", "RV718W-16kXS"}) {
        const fs::path root = card(model);
        ASSERT_EQ(run({"write", model, root.string()}), 0) << err.str();
        const std::string file = model == std::string("RV720Q-33K") ? "RV720Q-33K.TXT" : "RV718W.TXT";
        const std::string text = fileOf(root, file);
        for (const char* key : {"Attachment Size", "Recycle Storage", "GPS Location"})
            EXPECT_NE(text.find(std::string("\r\n") + key + "=\r\n"), std::string::npos)
                << model << ": " << key;
    }
    const fs::path encrypted = card("RV731Q-33K");
    ASSERT_EQ(run({"write", "RV731Q-33K", encrypted.string()}), 0) << err.str();
    EXPECT_NE(fileOf(encrypted, "RV731Q-33K.BIN").find("\r\nPicture Type=\r\n"), std::string::npos);
}

TEST_F(CliWriteTest, YesReplacesAFileWithForeignContentByTheCleanFile)
{
    const fs::path clean = card("clean");
    ASSERT_EQ(run({"write", "TQ270", clean.string()}), 0) << err.str();
    const fs::path used = card("used");
    ASSERT_EQ(run({"write", "TQ270", used.string()}), 0) << err.str();
    const fs::path file = used / "GSM" / "TQ270.TXT";
    TestDrives::writeText(file, "[Old Section]\r\nKeep=1\r\n" + TestDrives::readText(file) +
                                    "Warp Drive=1\r\nPIR Trigger=7\r\n[Notes]\r\nx=y\r\n");
    ASSERT_EQ(run({"check", used.string()}), 1);
    ASSERT_EQ(run({"write", "TQ270", used.string(), "--yes"}), 0) << err.str();
    EXPECT_EQ(TestDrives::readText(file), TestDrives::readText(clean / "GSM" / "TQ270.TXT"));
    EXPECT_EQ(run({"check", used.string()}), 0) << out.str();

    // A file that is not even the model's is replaced the same way.
    TestDrives::writeText(file, "garbage without a section\r\n");
    ASSERT_EQ(run({"write", "TQ270", used.string(), "--yes"}), 0) << err.str();
    EXPECT_EQ(TestDrives::readText(file), TestDrives::readText(clean / "GSM" / "TQ270.TXT"));
}

TEST_F(CliWriteTest, ItemsAreTakenByTheirTextAsTheDialogShowsThem)
{
    const fs::path root = card("card");
    ASSERT_EQ(
        run({"write", "TQ270", root.string(), "--set", "Camera Setting/PIR Trigger=High", "--set",
             "camera setting/language= deutsch ", "--set", "Via Internet Settings/SMTP SSL=tls", "--set",
             "Camera Setting/GameCall PlayTime=off", "--set", "Camera Setting/Max Number=Unlimited"}),
        0)
        << err.str();
    const std::string text = fileOf(root, "TQ270.TXT");
    EXPECT_EQ(value(text, "Camera Setting", "PIR Trigger"), "2");
    EXPECT_EQ(value(text, "Camera Setting", "Language"), "2");
    EXPECT_EQ(value(text, "Via Internet Settings", "SMTP SSL"), "2");
    EXPECT_EQ(value(text, "Camera Setting", "GameCall PlayTime"), "-1");
    EXPECT_EQ(value(text, "Camera Setting", "Max Number"), "100");

    ASSERT_EQ(run({"write", "TQ270", root.string(), "--yes", "--set", "Camera Setting/Language="}), 0)
        << err.str();
    EXPECT_EQ(value(fileOf(root, "TQ270.TXT"), "Camera Setting", "Language"), "") << "empty: nothing chosen";
}

TEST_F(CliWriteTest, TheClockIsTheOneGivenOrThePcsTime)
{
    const fs::path given = card("given");
    ASSERT_EQ(run({"write", "TQ270", given.string(), "--clock", "2024-02-29T23:59:58"}), 0) << err.str();
    const std::string text = fileOf(given, "TQ270.TXT");
    EXPECT_NE(
        text.find("Clock Year=2024\r\nClock Month=2\r\nClock Day=29\r\nClock Hour=23\r\nClock Minute=59\r\n"
                  "Clock Second=58\r\n"),
        std::string::npos);
    const fs::path now = card("now");
    ASSERT_EQ(run({"write", "TQ270", now.string(), "--clock", "now"}), 0) << err.str();
    EXPECT_NE(
        fileOf(now, "TQ270.TXT").find("Clock Year=2025\r\nClock Month=6\r\nClock Day=1\r\nClock Hour=8\r\n"),
        std::string::npos)
        << "the fixed clock of the test";
}

TEST_F(CliWriteTest, PhoneNumbersAreSavedAsTheMainDialogSavesThem)
{
    const fs::path root = card("card");
    ASSERT_EQ(run({"write", "TQ270", root.string(), "--phone", "+49 170-555_0123", "--set",
                   "Receive number and receive email/PhoneNum2=0170 1"}),
              0)
        << err.str();
    const std::string text = fileOf(root, "TQ270.TXT");
    EXPECT_EQ(value(text, "Receive number and receive email", "AdministratorNum"), "+491705550123");
    EXPECT_EQ(value(text, "Receive number and receive email", "PhoneNum2"), "01701");
}

TEST_F(CliWriteTest, ABatchGoesOnPastAFailedCardAndEndsWithOneLine)
{
    const fs::path one = card("cam1");
    const fs::path locked = card("cam2");
    const fs::path two = card("cam3");
    ASSERT_EQ(run({"write", "TQ270", locked.string()}), 0);
    makeReadOnly(locked / "GSM" / "TQ270.TXT");
    EXPECT_EQ(run({"write", "TQ270", one.string(), locked.string(), (drives.base() / "cam98").string(),
                   two.string(), "--yes"}),
              1);
    EXPECT_NE(out.str().find("2 of 4 cards written; failed: " + locked.string() + ", " +
                             (drives.base() / "cam98").string() + "\n"),
              std::string::npos)
        << out.str();
    EXPECT_NE(err.str().find("TQ270.TXT was not written: the file is read-only"), std::string::npos)
        << err.str();
    EXPECT_NE(err.str().find("cam98: no such folder"), std::string::npos) << err.str();
    EXPECT_TRUE(fs::exists(one / "GSM" / "TQ270.TXT"));
    EXPECT_TRUE(fs::exists(two / "GSM" / "TQ270.TXT"));
}

TEST_F(CliWriteTest, AFailedCardLeavesItsBytesAndTheBackupAlone)
{
    const fs::path root = card("card");
    ASSERT_EQ(run({"write", "TQ270", root.string(), "--phone", "111"}), 0);
    const fs::path file = root / "GSM" / "TQ270.TXT";
    const std::string old = TestDrives::readText(file);
    const std::string oldBackup = TestDrives::readText(backup("TQ270.TXT"));
    ASSERT_EQ(oldBackup, old) << "the backup copy follows a card written";
    makeReadOnly(file);
    EXPECT_EQ(run({"write", "TQ270", root.string(), "--phone", "222", "--yes"}), 1);
    EXPECT_EQ(TestDrives::readText(file), old);
    EXPECT_EQ(TestDrives::readText(backup("TQ270.TXT")), oldBackup);
}

TEST_F(CliWriteTest, EveryFailureNamesItsCause)
{
    // A folder where the file goes; a file where the GSM folder goes.
    const fs::path folder = card("folder");
    fs::create_directories(folder / "GSM" / "TQ270.TXT");
    EXPECT_EQ(run({"write", "TQ270", folder.string(), "--yes"}), 1);
    EXPECT_NE(err.str().find("was not written: something other than a file stands there"), std::string::npos)
        << err.str();
    const fs::path file = card("file");
    TestDrives::writeText(file / "GSM", "not a folder");
    EXPECT_EQ(run({"write", "TQ270", file.string()}), 1);
    EXPECT_NE(err.str().find("could not be made: a file stands where the folder goes"), std::string::npos)
        << err.str();

    // Letters: one KRT_DRIVES does not map, one it maps to a folder that is not there.
    mapDrives("E=" + (drives.base() / "gone").string());
    EXPECT_EQ(run({"write", "TQ270", "F:"}), 1);
    EXPECT_NE(err.str().find("krt-cli: F: no such drive; KRT_DRIVES maps C, E\n"), std::string::npos)
        << err.str();
    EXPECT_EQ(run({"write", "TQ270", "e:"}), 1);
    EXPECT_NE(
        err.str().find("krt-cli: e: no such folder: E: stands for " + (drives.base() / "gone").string()),
        std::string::npos)
        << err.str();

    // A letter that is there: written as that drive.
    mapDrives("E=" + card("E").string());
    EXPECT_EQ(run({"write", "TQ270", "E:"}), 0) << err.str();
    EXPECT_NE(out.str().find("E: " + (drives.base() / "E" / "GSM" / "TQ270.TXT").string() + " written"),
              std::string::npos)
        << out.str();

    // A C: that is not there, then no C: at all, for the backup copy: the card
    // counts, the backup's failure is told.
    ::setenv("KRT_DRIVES", ("C=" + (drives.base() / "gone").string() + ";E=" + card("E1").string()).c_str(),
             1);
    EXPECT_EQ(run({"write", "TQ270", "E:"}), 0) << err.str();
    EXPECT_NE(
        err.str().find("was not written: no such folder: C: stands for " + (drives.base() / "gone").string()),
        std::string::npos)
        << err.str();
    // Without a C: in KRT_DRIVES, C: is the tool's own folder, and the backup
    // goes there; a mistyped entry is told.
    ::setenv("KRT_DRIVES", ("E=" + card("E2").string() + ";F:/typo").c_str(), 1);
    EXPECT_EQ(run({"write", "TQ270", "E:"}), 0) << err.str();
    EXPECT_TRUE(std::filesystem::exists(drives.base() / "data/krt-config/drive_c/TavrinoxaBackup/TQ270.TXT"))
        << err.str();
    EXPECT_NE(err.str().find("krt-cli: KRT_DRIVES: \"F:/typo\" left out"), std::string::npos) << err.str();
}

TEST_F(CliWriteTest, AProfileOfTheSameLayoutIsTheStart)
{
    const fs::path first = card("first");
    ASSERT_EQ(run({"write", "TQ270", first.string(), "--phone", "555", "--set", "Camera Setting/Language=4"}),
              0);
    const fs::path second = card("second");
    ASSERT_EQ(run({"write", "TQ355", second.string(), "--from", (first / "GSM" / "TQ270.TXT").string()}), 0)
        << err.str();
    const std::string text = fileOf(second, "TQ355.TXT");
    EXPECT_EQ(value(text, "KRTFileMark", "Model"), "TQ355");
    EXPECT_EQ(value(text, "Receive number and receive email", "AdministratorNum"), "555");
    EXPECT_EQ(value(text, "Camera Setting", "Language"), "4");
    // A profile whose values the target's lists do not have is refused.
    ASSERT_EQ(run({"write", "TQ270", first.string(), "--yes", "--set", "Camera Setting/Language=14"}), 0);
    EXPECT_EQ(run({"write", "RV720Q-40K", card("third").string(), "--from", (first / "GSM").string()}), 1);
    EXPECT_NE(err.str().find("Language=14: not one of 0 English"), std::string::npos) << err.str();
}

} // namespace
