#include "CliFixture.h"
#include "JsonReader.h"

#include "context/AppContext.h"
#include "models/ModelCatalogue.h"
#include "params/MainParaCore.h"

#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

class CliReadTest : public CliFixture
{
protected:
    /// What the command printed, as JSON; fails the test when it is none.
    Json json(std::vector<std::string> args)
    {
        EXPECT_EQ(run(args), 0) << err.str();
        const auto parsed = Json::parse(out.str());
        EXPECT_TRUE(parsed) << "not JSON:\n" << out.str();
        return parsed.value_or(Json{});
    }
};

TEST_F(CliReadTest, ModelsAsJson)
{
    const Json models = json({"models", "--json"})["models"];
    ASSERT_EQ(models.size(), ModelCatalogue::all().size());
    const Json& first = models[0];
    EXPECT_EQ(first["model"].text(), "RV731Q-40K");
    EXPECT_EQ(first["file"].text(), "RV731Q-40K.BIN");
    EXPECT_EQ(first["layout"].text(), "B-enc");
    EXPECT_EQ(first["file_kind"].text(), "encrypted");
    for (const char* key : {"model_value", "ftp", "smtp_security", "game_call"})
        EXPECT_TRUE(first.has(key)) << key;
    EXPECT_EQ(models[1]["ftp"].boolean(), true) << "TQ270";
}

TEST_F(CliReadTest, ShowNamesTheItemTheDialogShows)
{
    const fs::path root = card("card");
    ASSERT_EQ(run({"write", "TQ160-E", root.string(), "--set", "Camera Setting/PIR Trigger=0", "--set",
                   "Camera Setting/Time Lapse=1", "--set", "Camera Setting/Language="}),
              0)
        << err.str();
    ASSERT_EQ(run({"show", root.string()}), 0) << err.str();
    EXPECT_NE(out.str().find("PIR Trigger = 0 (OFF)"), std::string::npos) << "TQ160-E's list starts with OFF";
    EXPECT_NE(out.str().find("\nLanguage = (not set)\n"), std::string::npos)
        << "nothing chosen is written as nothing";
    const Json shown = json({"show", root.string(), "--json"});
    const Json& file = shown["files"][0];
    EXPECT_EQ(file["target"].text(), root.string());
    EXPECT_EQ(file["model"].text(), "TQ160-E");
    bool found = false;
    for (const Json& key : file["keys"].items()) {
        if (key["key"].text() != "PIR Trigger")
            continue;
        found = true;
        EXPECT_EQ(key["section"].text(), "Camera Setting");
        EXPECT_EQ(key["value"].text(), "0");
        EXPECT_EQ(key["item"].text(), "OFF");
    }
    EXPECT_TRUE(found);
}

TEST_F(CliReadTest, ShowAndCheckTakeSeveralTargetsAndListTheFailedOnesToo)
{
    const fs::path a = card("a");
    const fs::path b = card("b");
    ASSERT_EQ(run({"write", "TQ270", a.string()}), 0);
    ASSERT_EQ(run({"write", "RV720Q-16kXS", b.string()}), 0);
    const std::string missing = (drives.base() / "missing").string();
    EXPECT_EQ(run({"show", a.string(), b.string(), missing, "--json"}), 1);
    const auto shown = Json::parse(out.str());
    ASSERT_TRUE(shown) << out.str();
    ASSERT_EQ((*shown)["files"].size(), 3u);
    EXPECT_EQ((*shown)["files"][1]["model"].text(), "RV720Q-16kXS");
    EXPECT_EQ((*shown)["files"][2]["error"].text(), "no such file or folder");

    const Json checked = json({"check", a.string(), b.string(), "--json"});
    ASSERT_EQ(checked["files"].size(), 2u);
    EXPECT_TRUE(checked["files"][0]["ok"].boolean());
    EXPECT_EQ(checked["files"][1]["problems"].size(), 0u);
}

TEST_F(CliReadTest, CheckNamesTheAllowedValuesOfEachProblem)
{
    const fs::path root = card("card");
    ASSERT_EQ(run({"write", "TQ355", root.string()}), 0) << err.str();
    const fs::path file = root / "GSM" / "TQ355.TXT";
    std::string text = TestDrives::readText(file);
    auto replace = [&](const std::string& from, const std::string& to) {
        const std::size_t at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        text.replace(at, text.find("\r\n", at) - at, to);
    };
    replace("Photo Burst=", "Photo Burst=12");
    replace("SendEmailPort=", "SendEmailPort=99999");
    replace("Work Day=", "Work Day=300");
    const std::size_t gps = text.find("GPS Location=");
    text.erase(gps, text.find("\r\n", gps) + 2 - gps);
    TestDrives::writeText(file, text);
    EXPECT_EQ(run({"check", file.string()}), 1);
    for (const char* line : {"[Camera Setting] Photo Burst=12: not one of 0 1 Photo, 1 2 Photos, 2 3 Photos",
                             "[Via Internet Settings] SendEmailPort=99999: not a whole number from 1 to 9999",
                             "[Camera Setting] Work Day=300: not a whole number from 0 to 127",
                             "[Camera Setting] GPS Location: missing"})
        EXPECT_NE(out.str().find(std::string(file.string()) + ": " + line), std::string::npos) << out.str();

    EXPECT_EQ(run({"check", file.string(), "--json"}), 1);
    const auto parsed = Json::parse(out.str());
    ASSERT_TRUE(parsed) << out.str();
    const Json& found = (*parsed)["files"][0];
    EXPECT_FALSE(found["ok"].boolean());
    ASSERT_EQ(found["problems"].size(), 4u);
    EXPECT_EQ(found["problems"][0]["key"].text(), "SendEmailPort");
    EXPECT_EQ(found["problems"][0]["value"].text(), "99999");
    EXPECT_EQ(found["problems"][0]["problem"].text(),
              "not a whole number from 1 to 9999 (a port of the 4 digits the dialog keeps)");
}

TEST_F(CliReadTest, ACardWithTheFilesOfTwoModelsIsReportedNotResolved)
{
    const fs::path root = card("card");
    ASSERT_EQ(run({"write", "TQ270", root.string()}), 0);
    ASSERT_EQ(run({"write", "TQ355", root.string()}), 0);
    EXPECT_EQ(run({"show", root.string()}), 1);
    EXPECT_NE(
        err.str().find("holds the files of 2 models, GSM/TQ270.TXT (TQ270), GSM/TQ355.TXT (TQ355); name one "
                       "with --model"),
        std::string::npos)
        << err.str();
    EXPECT_EQ(run({"check", root.string(), "--model", "tq355"}), 0) << err.str();
    EXPECT_NE(out.str().find("TQ355.TXT: no problems (TQ355)"), std::string::npos);
}

TEST_F(CliReadTest, KeysListsEveryKeyWithTheItemsTheDialogShows)
{
    ASSERT_EQ(run({"keys", "TQ160-E"}), 0) << err.str();
    const std::string listing = out.str();
    for (const char* part :
         {"# TQ160-E: GSM\\TQ160-E.TXT\n[KRTFileMark]\nModel: \"TQ160-E\"\n",
          "PIR Trigger: one of, or empty (not set)\n    0  OFF\n    1  High\n    2  Normal\n    3  Low\n",
          "Clock Year: a whole number from 1753 to 9999 (the clock's year); set with --clock\n",
          "SendEmailPort: a whole number from 1 to 9999", "[Via FTP Settings]\n"})
        EXPECT_NE(listing.find(part), std::string::npos) << part << "\n" << listing;

    const Json keys = json({"keys", "TQ160-E", "--json"});
    EXPECT_EQ(keys["model"].text(), "TQ160-E");
    const Json& camera = keys["sections"][keys["sections"].size() - 1];
    EXPECT_EQ(camera["section"].text(), "Camera Setting");
    bool sawPir = false;
    bool sawClock = false;
    for (const Json& key : camera["keys"].items()) {
        if (key["key"].text() == "PIR Trigger") {
            sawPir = true;
            EXPECT_EQ(key["kind"].text(), "items");
            EXPECT_EQ(key["items"][0]["label"].text(), "OFF");
            EXPECT_EQ(key["items"][0]["value"].number(), 0);
        }
        if (key["key"].text() == "Clock Year") {
            sawClock = true;
            EXPECT_EQ(key["set_with"].text(), "--clock");
            EXPECT_EQ(key["min"].number(), 1753);
            EXPECT_FALSE(key["unset_allowed"].boolean());
        }
    }
    EXPECT_TRUE(sawPir);
    EXPECT_TRUE(sawClock);
    for (const ModelDescriptor& model : ModelCatalogue::all())
        EXPECT_TRUE(json({"keys", std::string(model.listEntry), "--json"}).has("sections"))
            << model.listEntry;
}

TEST_F(CliReadTest, AnEncodedFileShowsAsItsPlainText)
{
    TestDrives desktop;
    desktop.addDrive('C');
    desktop.addDrive('E');
    RecordingMessageService messages;
    AppContext context(desktop.map(), RegistryStore((desktop.base() / "registry").string()), messages, clock);
    MainParaCore core(context, "RV731Q-40K", MainParaCore::Variant::Encrypted);
    ASSERT_EQ(core.Mng_CurModSaveInfoSet(), 1);
    core.Mng_SearchDisks();
    core.customerInfo()[0] = "+4917055";
    core.saveAll();
    const fs::path bin = desktop.native('E', "GSM/RV731Q-40K.BIN");
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
    EXPECT_EQ(run({"encode", txt.string(), again.string()}), 1) << "an existing output needs --yes";
    EXPECT_EQ(run({"encode", txt.string(), again.string(), "--yes"}), 0);
}

} // namespace
