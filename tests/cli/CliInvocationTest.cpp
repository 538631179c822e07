#include "CliFixture.h"

#include <string>
#include <vector>

// Invocations as a table: what each one exits with, what it says, and, for
// the ones that fail, that no file anywhere changed.

namespace {

class CliInvocationTest : public CliFixture
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(run({"write", "TQ270", card("full").string()}), 0) << err.str();
        ASSERT_EQ(run({"write", "RV731Q-40K", card("bin").string()}), 0) << err.str();
        ASSERT_EQ(run({"write", "TQ330", card("tq330").string()}), 0) << err.str();
        ASSERT_EQ(run({"decode", bin(), (drives.base() / "plain.TXT").string()}), 0) << err.str();
        card("empty");
        TestDrives::writeText(drives.base() / "out.TXT", "keep me");
    }

    std::string path(const std::string& name) const { return (drives.base() / name).string(); }
    std::string bin() const { return path("bin/GSM/RV731Q-40K.BIN"); }
};

struct Invocation
{
    std::vector<std::string> args;
    int status;
    std::string says; // a fragment of what it prints (errors on stderr, the rest on stdout)
};

TEST_F(CliInvocationTest, InvalidOnesFailNamingTheCauseAndChangeNoFile)
{
    const std::string empty = path("empty");
    const std::string full = path("full");
    const std::string tq270File = path("full/GSM/TQ270.TXT");
    const std::vector<Invocation> table{
        // Values nothing in the dialogs could store.
        {{"write", "TQ270", empty, "--clock", "2026-13-40T25:00:00"},
         2,
         "--clock takes now or a date and time"},
        {{"write", "TQ270", empty, "--clock", "2026-02-30T10:00:00"}, 2, "not \"2026-02-30T10:00:00\""},
        {{"write", "TQ270", empty, "--clock", "1700-01-01T00:00:00"}, 2, "from 1753-01-01T00:00:00"},
        {{"write", "TQ270", empty, "--set", "Camera Setting/Send To=9"},
         1,
         "Send To=9: not a whole number from 0 to 4"},
        {{"write", "TQ270", empty, "--set", "Camera Setting/Send Mode=9"},
         1,
         "Send Mode=9: not a whole number from 0 to 3"},
        {{"write", "TQ270", empty, "--set", "Camera Setting/Work Day=300"},
         1,
         "Work Day=300: not a whole number from 0 to 127"},
        {{"write", "TQ270", empty, "--set", "Camera Setting/Max Number=5000"},
         1,
         "Max Number=5000: not a number from 0 to 99, 100 Unlimited"},
        {{"write", "TQ270", empty, "--set", "Via Internet Settings/SMTP SSL=7"},
         1,
         "SMTP SSL=7: not one of 0 none, 1 SSL, 2 TLS, 3 TLS V1.2"},
        {{"write", "TQ270", empty, "--set", "Via Internet Settings/SendEmailPort=99999"},
         1,
         "SendEmailPort=99999: not a whole number from 1 to 9999"},
        {{"write", "TQ270", empty, "--set", "Camera Setting/PIR Trigger=9"},
         1,
         "PIR Trigger=9: not one of 0 Low, 1 Normal, 2 High, 3 OFF"},
        {{"write", "TQ270", empty, "--set", "Camera Setting/PIR Trigger=Max"},
         1,
         "PIR Trigger=Max: not one of"},
        {{"write", "TQ270", empty, "--set", "Camera Setting/Work Hour StartH=24"},
         1,
         "Work Hour StartH=24: not a number from 0 to 23"},
        {{"write", "TQ270", empty, "--set", "Camera Setting/GameCall Minute=60"},
         1,
         "GameCall Minute=60: not a number from 0 to 59"},
        {{"write", "TQ270", empty, "--set", "Camera Setting/Time Lapse=0", "--set",
          "Camera Setting/PIR Trigger=OFF"},
         1,
         "Time Lapse and PIR Trigger are both OFF"},
        {{"write", "TQ270", empty, "--set", "Via WAP Settings/IP=300.1.1.1"},
         1,
         "IP=300.1.1.1: not an IPv4 address"},
        {{"write", "TQ270", empty, "--set", "Via WAP Settings/APN=" + std::string(51, 'a')},
         1,
         "longer than 50 bytes (51)"},
        {{"write", "TQ270", empty, "--phone", std::string(81, '5')},
         1,
         "AdministratorNum=" + std::string(81, '5') + ": longer than 80 bytes"},
        {{"write", "TQ330", empty, "--set", "Camera Setting/Camera Name=Elevenbytes"},
         1,
         "Camera Name=Elevenbytes: longer than 10 bytes"},
        // Keys set another way, or not there.
        {{"write", "TQ270", empty, "--set", "Camera Setting/Clock Year=1200"},
         2,
         "the camera's clock is set with --clock"},
        {{"write", "TQ270", empty, "--set", "KRTFileMark/Model=TQ355"},
         2,
         "the file mark is the model's own"},
        {{"write", "TQ270", empty, "--set", "Camera Setting/PIR Triger=High"},
         2,
         "did you mean PIR Trigger?"},
        {{"write", "TQ270", empty, "--set", "Camera Settings/Language=1"},
         2,
         "did you mean Camera Setting/Language?"},
        {{"write", "TQ270", empty, "--set", "Gadgets/Warp=1"}, 2, "TQ270's file has no section \"Gadgets\""},
        {{"write", "TQ355", empty, "--set", "Via FTP Settings/FTPPort=21"}, 2, "TQ355's file has no section"},
        {{"write", "TQ270", empty, "--set", "Camera Setting PIR Trigger 1"},
         2,
         "takes \"Section/Key=value\""},
        {{"write", "TQ270", empty, "--email", "a", "--email", "b", "--email", "c", "--email", "d", "--email",
          "e"},
         2,
         "at most four --phone and four --email"},
        // Commands, options and models.
        {{"write", "TQ207", empty}, 2, "did you mean TQ270"},
        {{"write", "TQ270"}, 2, "usage: krt-cli write"},
        {{"write", "TQ270", empty, "--json"}, 2, "write takes no --json option"},
        {{"show", full, "--yes"}, 2, "show takes no --yes option"},
        {{"models", "--set", "a/b=c"}, 2, "models takes no --set option"},
        {{"decode", bin(), "--json"}, 2, "decode takes no --json option"},
        {{"show", full, "--bogus"}, 2, "unknown option --bogus"},
        {{"help", "nope"}, 2, "unknown command \"nope\""},
        {{"nope"}, 2, "unknown command \"nope\""},
        {{"chek", full}, 2, "did you mean check?"},
        {{"keys", "TQ270", "TQ355"}, 2, "usage: krt-cli keys"},
        // Files and cards that are not there or not fit.
        {{"write", "TQ270", path("nowhere")}, 1, "nowhere: no such folder"},
        {{"write", "TQ270", "E:"}, 1, "E: no such drive; KRT_DRIVES maps C"},
        {{"write", "TQ270", tq270File}, 1, "not a folder"},
        {{"write", "TQ270", full}, 1, "TQ270.TXT exists; --yes replaces it"},
        {{"write", "TQ270", empty, "--from", path("missing.TXT")},
         1,
         "--from " + path("missing.TXT") + ": no such file"},
        {{"write", "TQ480-E", empty, "--from", tq270File}, 1, "whose camera settings differ"},
        {{"show", path("nowhere")}, 1, "no such file or folder"},
        {{"check", empty}, 1, "no parameter file of a model in it"},
        {{"decode", path("plain.TXT")}, 1, "not an encoded parameter file"},
        {{"decode", bin(), path("out.TXT")}, 1, "out.TXT exists; --yes replaces it"},
        {{"encode", path("plain.TXT"), bin()}, 1, "RV731Q-40K.BIN exists; --yes replaces it"},
        {{"encode", bin(), path("new.BIN")}, 1, "not plain parameter text"},
    };
    for (const Invocation& row : table) {
        const auto before = snapshot();
        EXPECT_EQ(run(row.args), row.status)
            << row.args[0] << " " << (row.args.size() > 1 ? row.args.back() : "");
        const std::string said = out.str() + err.str();
        EXPECT_NE(said.find(row.says), std::string::npos) << "expected \"" << row.says << "\" in:\n" << said;
        EXPECT_EQ(said.find("::"), std::string::npos) << said;
        EXPECT_TRUE(snapshot() == before) << "a file changed: " << said;
    }
}

TEST_F(CliInvocationTest, ValidOnesSucceedAndSayWhatTheyDid)
{
    const std::string full = path("full");
    const std::vector<Invocation> table{
        {{"--version"}, 0, cliVersion().c_str()},
        {{"help"}, 0, "Commands:"},
        {{"help", "write"}, 0, "--from <profile>"},
        {{"write", "--help"}, 0, "--from <profile>"},
        {{"keys", "--help"}, 0, "usage: krt-cli keys"},
        {{"models"}, 0, "TQ240 SERIES"},
        {{"keys", "TQ270"}, 0, "PIR Trigger: one of, or empty (not set)\n    0  Low\n    1  Normal\n"},
        {{"show", full}, 0, "PIR Trigger = 1 (Normal)"},
        {{"show", full, path("bin")}, 0, "# " + path("bin/GSM/RV731Q-40K.BIN") + " (RV731Q-40K)"},
        {{"check", full, path("bin"), path("tq330")}, 0, "tq330/GSM/TQ330.TXT: no problems (TQ330)"},
        {{"decode", bin()}, 0, "[KRTFileMark]\r\nModel=RV731Q-40K\r\n"},
        {{"decode", bin(), path("out.TXT"), "--yes"}, 0, ""},
        {{"write", "TQ270", path("empty"), "--set", "Camera Setting/PIR Trigger=High"},
         0,
         "1 of 1 card written"},
        {{"write", "TQ270", full, "--yes", "--clock", "now"}, 0, "1 of 1 card written"},
    };
    for (const Invocation& row : table) {
        EXPECT_EQ(run(row.args), row.status) << row.args[0] << ": " << err.str();
        EXPECT_NE(out.str().find(row.says), std::string::npos) << "expected \"" << row.says << "\" in:\n"
                                                               << out.str();
    }
}

} // namespace
