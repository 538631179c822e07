#include "TestDrives.h"
#include "cli/CliApp.h"
#include "context/AppContext.h"
#include "params/MainParaCore.h"
#include "params/ParameterFileCodec.h"
#include "platform/IniDocument.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>

namespace fs = std::filesystem;

namespace {

class CliTest : public testing::Test
{
protected:
    CliTest()
    {
        drives.addDrive('C');
        ::setenv("KRT_DRIVES", ("C=" + drives.native('C', "").string()).c_str(), 1);
        ::setenv("KRT_REGISTRY_ROOT", (drives.base() / "registry").c_str(), 1);
    }
    ~CliTest() override
    {
        ::unsetenv("KRT_DRIVES");
        ::unsetenv("KRT_REGISTRY_ROOT");
    }

    int run(std::vector<std::string> args)
    {
        out.str({});
        err.str({});
        return runCli(args, out, err);
    }
    fs::path card(const std::string& name)
    {
        const fs::path path = drives.base() / name;
        fs::create_directories(path);
        return path;
    }

    TestDrives drives;
    std::ostringstream out;
    std::ostringstream err;
};

// One model of each layout: what write puts in the file, show reads back.
TEST_F(CliTest, WriteThenShowRoundTripsEveryKey)
{
    struct Case
    {
        const char* model;
        const char* file;
    } const cases[] = {{"TQ240 SERIES", "TQ240.TXT"},  {"tq270", "TQ270.TXT"},     {"RV731Q-40K", "RV731Q-40K.BIN"},
                       {"TQ480-E", "TQ480-E.TXT"},     {"RV720Q-16kXS", "RV720Q.TXT"}, {"RV610W-16kXS", "RV610W.TXT"}};
    for (const Case& c : cases) {
        const fs::path root = card(std::string("card-") + c.file);
        ASSERT_EQ(run({"write", c.model, root.string(), "--phone", "+49 170 1", "--email", "me@example.org",
                       "--clock", "2025-06-01T08:30:00"}),
                  0)
            << c.model << ": " << err.str();
        const fs::path written = root / "GSM" / c.file;
        ASSERT_TRUE(fs::exists(written)) << c.model;
        std::string text = TestDrives::readText(written);
        if (written.extension() == ".BIN")
            text = ParameterFileCodec::decode(text);

        ASSERT_EQ(run({"show", written.string()}), 0) << c.model << ": " << err.str();
        const std::string shown = out.str();
        std::size_t keys = 0;
        IniDocument(text).forEachKey([&](std::string_view, std::string_view key, std::string_view value) {
            ++keys;
            const std::string line = std::string(key) + " =" + (value.empty() ? "" : " ") + std::string(value);
            EXPECT_NE(shown.find("\n" + line), std::string::npos)
                << c.model << ": " << key;
        });
        EXPECT_GT(keys, 30u) << c.model;
        EXPECT_NE(shown.find("AdministratorNum = +491701"), std::string::npos) << c.model;
        EXPECT_NE(shown.find("Clock Year = 2025"), std::string::npos) << c.model;
        EXPECT_EQ(run({"check", written.string()}), 0) << c.model << ": " << out.str();
    }
}

TEST_F(CliTest, ShowNamesTheItemTheDialogShows)
{
    const fs::path root = card("card");
    ASSERT_EQ(run({"write", "TQ160-E", root.string(), "--set", "Camera Setting/PIR Trigger=0", "--set",
                   "Camera Setting/Language=-1"}),
              0)
        << err.str();
    ASSERT_EQ(run({"show", root.string()}), 0) << err.str();
    EXPECT_NE(out.str().find("PIR Trigger = 0 (OFF)"), std::string::npos) << "TQ160-E's list starts with OFF";
    EXPECT_NE(out.str().find("\nLanguage = (not set)\n"), std::string::npos) << "-1 is written as nothing";
    ASSERT_EQ(run({"show", root.string(), "--json"}), 0);
    EXPECT_NE(out.str().find("{\"section\": \"Camera Setting\", \"key\": \"PIR Trigger\", \"value\": \"0\", "
                             "\"item\": \"OFF\"}"),
              std::string::npos)
        << out.str();
}

TEST_F(CliTest, AValueOutsideItsListIsRefusedBeforeAnythingIsWritten)
{
    const fs::path root = card("card");
    EXPECT_EQ(run({"write", "TQ270", root.string(), "--set", "Camera Setting/PIR Trigger=7"}), 1);
    EXPECT_NE(err.str().find("PIR Trigger = 7: not in the list"), std::string::npos) << err.str();
    EXPECT_FALSE(fs::exists(root / "GSM"));
    EXPECT_FALSE(fs::exists(drives.native('C', "TavrinoxaBackup"))) << "not even the backup copy";
    EXPECT_EQ(run({"write", "TQ270", root.string(), "--set", "Camera Setting/Warp Drive=1"}), 1);
    EXPECT_NE(err.str().find("Warp Drive: not a key of this model's file"), std::string::npos) << err.str();
}

TEST_F(CliTest, AReadOnlyCardFileFailsAndKeepsItsBytes)
{
    const fs::path root = card("card");
    ASSERT_EQ(run({"write", "TQ270", root.string()}), 0) << err.str();
    const fs::path file = root / "GSM" / "TQ270.TXT";
    const std::string old = TestDrives::readText(file);
    EXPECT_EQ(run({"write", "TQ270", root.string(), "--phone", "123"}), 1) << "an existing file needs --yes";
    DriveMap map;
    FileSystem files(map);
    ASSERT_TRUE(files.setAttributes(file.string(), FileAttribute::ReadOnly));
    EXPECT_EQ(run({"write", "TQ270", root.string(), "--phone", "123", "--yes"}), 1);
    EXPECT_EQ(TestDrives::readText(file), old);
}

TEST_F(CliTest, AnEncodedFileShowsAsItsPlainText)
{
    drives.addDrive('E');
    RecordingMessageService messages;
    FixedClock clock({2025, 6, 1, 8, 30, 0});
    AppContext context(drives.map(), RegistryStore((drives.base() / "registry").string()), messages, clock);
    MainParaCore core(context, "RV731Q-40K", MainParaCore::Variant::Encrypted);
    ASSERT_EQ(core.Mng_CurModSaveInfoSet(), 1);
    core.Mng_SearchDisks();
    core.customerInfo()[0] = "+4917055";
    core.saveAll();
    const fs::path bin = drives.native('E', "GSM/RV731Q-40K.BIN");
    const fs::path txt = drives.base() / "plain.TXT";
    ASSERT_EQ(run({"decode", bin.string(), txt.string()}), 0) << err.str();

    ASSERT_EQ(run({"show", bin.string()}), 0) << err.str();
    const std::string fromBin = out.str().substr(out.str().find('\n'));
    ASSERT_EQ(run({"show", txt.string(), "--model", "rv731q-40k"}), 0) << err.str();
    EXPECT_EQ(out.str().substr(out.str().find('\n')), fromBin);
    EXPECT_NE(fromBin.find("AdministratorNum = +4917055"), std::string::npos);

    const fs::path again = drives.base() / "again.BIN";
    ASSERT_EQ(run({"encode", txt.string(), again.string()}), 0);
    EXPECT_EQ(TestDrives::readText(again), TestDrives::readText(bin));
}

TEST_F(CliTest, CheckFindsPlantedProblems)
{
    const fs::path root = card("card");
    ASSERT_EQ(run({"write", "TQ355", root.string()}), 0) << err.str();
    const fs::path file = root / "GSM" / "TQ355.TXT";
    std::string text = TestDrives::readText(file);
    const std::size_t burst = text.find("Photo Burst=");
    text.replace(burst, text.find("\r\n", burst) - burst, "Photo Burst=12");
    const std::size_t gps = text.find("GPS Location=");
    text.erase(gps, text.find("\r\n", gps) + 2 - gps);
    TestDrives::writeText(file, text);
    EXPECT_EQ(run({"check", file.string()}), 1);
    EXPECT_NE(out.str().find("[Camera Setting] Photo Burst = 12: not in the list"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("[Camera Setting] GPS Location: missing"), std::string::npos) << out.str();
}

TEST_F(CliTest, UsageErrorsAndHelp)
{
    EXPECT_EQ(run({}), 2);
    EXPECT_EQ(run({"frobnicate"}), 2);
    EXPECT_EQ(run({"write", "TQ270"}), 2);
    EXPECT_EQ(run({"write", "TQ207", "x"}), 2);
    EXPECT_NE(err.str().find("did you mean: TQ270"), std::string::npos) << err.str();
    EXPECT_EQ(run({"show", "x", "--bogus"}), 2);
    EXPECT_EQ(run({"write", "TQ270", "x", "--clock", "yesterday"}), 2);
    EXPECT_EQ(run({"help"}), 0);
    EXPECT_NE(out.str().find("Commands:"), std::string::npos);
    EXPECT_EQ(run({"write", "--help"}), 0);
    EXPECT_NE(out.str().find("--from <profile>"), std::string::npos);
    EXPECT_EQ(run({"models"}), 0);
    EXPECT_NE(out.str().find("TQ240 SERIES"), std::string::npos);
    EXPECT_EQ(run({"show", (drives.base() / "nothing-here").string()}), 1);
}

TEST_F(CliTest, AProfileOfTheSameLayoutIsTheStart)
{
    const fs::path first = card("first");
    ASSERT_EQ(run({"write", "TQ270", first.string(), "--phone", "555", "--set", "Camera Setting/Language=4"}), 0);
    const fs::path second = card("second");
    ASSERT_EQ(run({"write", "TQ355", second.string(), "--from", (first / "GSM" / "TQ270.TXT").string()}), 0)
        << err.str();
    ASSERT_EQ(run({"show", second.string()}), 0);
    EXPECT_NE(out.str().find("Model = TQ355"), std::string::npos);
    EXPECT_NE(out.str().find("AdministratorNum = 555"), std::string::npos);
    EXPECT_NE(out.str().find("Language = 4"), std::string::npos);
    EXPECT_EQ(run({"write", "TQ480-E", card("third").string(), "--from", (first / "GSM" / "TQ270.TXT").string()}), 1)
        << "another layout";
}

} // namespace
