#include "network/NetworkSections.h"
#include "TestDrives.h"
#include "platform/FileSystem.h"
#include "platform/IniFile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class NetworkSectionsTest : public testing::Test
{
protected:
    NetworkSectionsTest() : files(drives.map()) { drives.addDrive('E'); }

    std::string save(const NetworkParameters& params, NetworkSectionOptions options = {})
    {
        IniFile file(files, kPath);
        SaveNetworkSections(file, options, params);
        EXPECT_TRUE(file.save());
        return TestDrives::readText(drives.native('E', "P.TXT"));
    }

    NetworkParameters load(NetworkSectionOptions options = {})
    {
        NetworkParameters current;
        NetworkParameters copy;
        current.smtpSecurity = "untouched";
        copy.smtpSecurity = "untouched";
        EXPECT_TRUE(LoadNetworkSections(IniFile(files, kPath), options, current, copy));
        EXPECT_EQ(current, copy) << "a load fills both sets alike";
        return current;
    }

    static constexpr const char* kPath = "E:\\P.TXT";
    TestDrives drives;
    FileSystem files;
};

TEST_F(NetworkSectionsTest, EveryKeyIsWrittenInOrderEmptyOnesIncluded)
{
    NetworkParameters params;
    params.fields[NetworkParameters::MmsApn] = " internet ";
    params.fields[NetworkParameters::SendEmailPort] = "465";
    params.smtpSecurity = "1";
    EXPECT_EQ(save(params),
              "[Via WAP Settings]\r\nURL=\r\nAPN=internet\r\nIP=\r\nPort=\r\nAccount=\r\n"
              "Password=\r\n[Via Internet Settings]\r\nGPRSAPN=\r\nGPRSAccount=\r\nGPRSPassword=\r\n"
              "SendEmailServer=\r\nSendEmailPort=465\r\nSendEmailAddr=\r\nSendEmailPassword=\r\n"
              "SMTP SSL=1\r\n");
}

TEST_F(NetworkSectionsTest, ValuesAreCutToTheirLimitAndReadBackWhole)
{
    NetworkParameters params;
    for (std::size_t i = 0; i < NetworkParameters::FieldCount; ++i)
        params.fields[i] = std::string(120, static_cast<char>('a' + i));
    params.smtpSecurity = "12345678";
    save(params);

    const NetworkParameters loaded = load();
    const std::size_t limits[] = {100, 50, 20, 10, 50, 30, 50, 50, 30, 100, 10, 50, 30};
    for (std::size_t i = 0; i < NetworkParameters::FieldCount; ++i)
        EXPECT_EQ(loaded.fields[i], std::string(limits[i], static_cast<char>('a' + i))) << "field " << i;
    EXPECT_EQ(loaded.smtpSecurity, "12345");
    EXPECT_EQ(smtpSecurityFromText(loaded.smtpSecurity), SmtpSecurity::None);
}

TEST_F(NetworkSectionsTest, MissingSectionsLoadEmpty)
{
    TestDrives::writeText(drives.native('E', "P.TXT"), "[Via WAP Settings]\r\nAPN= internet \r\n");
    NetworkParameters expected;
    expected.fields[NetworkParameters::MmsApn] = "internet";
    EXPECT_EQ(load(), expected);
}

TEST_F(NetworkSectionsTest, WithoutTheSecurityOptionSmtpSslIsNeitherWrittenNorRead)
{
    NetworkParameters params;
    params.smtpSecurity = "2";
    EXPECT_EQ(save(params, {.hasSmtpSecurity = false}).find("SMTP SSL"), std::string::npos);

    TestDrives::writeText(drives.native('E', "P.TXT"), "[Via Internet Settings]\r\nSMTP SSL=3\r\n");
    EXPECT_EQ(load({.hasSmtpSecurity = false}).smtpSecurity, "untouched");
    EXPECT_EQ(load().smtpSecurity, "3");
}

TEST_F(NetworkSectionsTest, VerbatimSendPasswordIsNeitherTrimmedNorCutWhenWritten)
{
    NetworkParameters params;
    params.fields[NetworkParameters::SendEmailPassword] = "pw with tail  " + std::string(30, 'x');
    const NetworkSectionOptions verbatim{.verbatimSendEmailPassword = true};
    EXPECT_NE(save(params, verbatim).find("SendEmailPassword=pw with tail  " + std::string(30, 'x') + "\r\n"),
              std::string::npos);
    EXPECT_EQ(load(verbatim).fields[NetworkParameters::SendEmailPassword],
              "pw with tail  " + std::string(16, 'x'));

    EXPECT_NE(save(params).find("SendEmailPassword=pw with tail  " + std::string(16, 'x') + "\r\n"),
              std::string::npos);
}

TEST_F(NetworkSectionsTest, FtpSectionRoundTripsWithItsLimit)
{
    FtpParameters params;
    params.fields[FtpParameters::FtpServer] = "  ftp.example.org ";
    params.fields[FtpParameters::FtpPassword] = std::string(130, 'p');
    IniFile file(files, kPath);
    SaveFtpSection(file, params);
    ASSERT_TRUE(file.save());
    EXPECT_EQ(TestDrives::readText(drives.native('E', "P.TXT")),
              "[Via FTP Settings]\r\nFTPServer=ftp.example.org\r\nFTPPort=\r\nFTPAccount=\r\nFTPPassword=" +
                  std::string(100, 'p') + "\r\n");

    FtpParameters loaded;
    EXPECT_TRUE(LoadFtpSection(IniFile(files, kPath), loaded));
    FtpParameters expected;
    expected.fields[FtpParameters::FtpServer] = "ftp.example.org";
    expected.fields[FtpParameters::FtpPassword] = std::string(100, 'p');
    EXPECT_EQ(loaded, expected);
}

TEST(SmtpSecurityText, OptionToTextAndBack)
{
    EXPECT_EQ(smtpSecurityText(3), "3");
    EXPECT_EQ(smtpSecurityText(4), "0");
    EXPECT_EQ(smtpSecurityText(-1), "0");
    EXPECT_EQ(smtpSecurityFromText(" 2 "), SmtpSecurity::Tls);
    EXPECT_EQ(smtpSecurityFromText(""), SmtpSecurity::None);
    EXPECT_EQ(smtpSecurityFromText("0"), SmtpSecurity::None);
}

} // namespace
