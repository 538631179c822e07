#include "network/NetworkDialogRules.h"
#include "network/SmtpProviders.h"

#include <gtest/gtest.h>

namespace {

using namespace NetworkDialogRules;

TEST(SmtpProvidersTest, ClassifiesByDomainSuffixWithSomethingBeforeTheAt)
{
    struct Case
    {
        std::string_view address;
        int provider;
    } const cases[] = {
        {"me@gmail.com", 1},      {"  ME@GMAIL.COM ", 1},      {"a@outlook.com", 2},  {"x@163.com", 3},
        {"x@qq.com", 4},          {"x@yahoo.com", 5},          {"x@aol.com", 6},      {"x@yandex.com", 7},
        {"@gmail.com", 0},        {"me@gmail.com.au", 0},      {"me@mygmail.com", 0}, {"", 0},
        {kPlaceholderAddress, 0}, {" yourname@gmail.com ", 0}, {"me@example.org", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClassifySenderAddress(c.address), c.provider) << c.address;
    EXPECT_TRUE(kPlaceholderAddress.ends_with(SmtpProviderTable[0].domainSuffix));
}

TEST(SmtpProvidersTest, ProviderRowsFollowTheirPortAndSecurityRules)
{
    EXPECT_EQ(smtpProvider(1).port, "465");
    EXPECT_EQ(smtpProvider(1).security, SmtpSecurity::Ssl);
    EXPECT_EQ(smtpProvider(2).port, "587");
    EXPECT_EQ(smtpProvider(2).security, SmtpSecurity::Tls);
    EXPECT_EQ(smtpProvider(3).port, "25");
    EXPECT_EQ(smtpProvider(4).port, "25");
    for (int p = 3; p <= 7; ++p)
        EXPECT_FALSE(smtpProvider(p).security.has_value()) << p;
    for (int p = 5; p <= 7; ++p)
        EXPECT_EQ(smtpProvider(p).port, "465") << p;

    EXPECT_EQ(portForSecurity(4, SmtpSecurity::None, "465"), "25");
    EXPECT_EQ(portForSecurity(4, SmtpSecurity::Ssl, "25"), "465");
    EXPECT_EQ(portForSecurity(4, SmtpSecurity::Tls, "25"), "465");
    EXPECT_EQ(portForSecurity(4, SmtpSecurity::TlsV12, "25"), std::nullopt);
    EXPECT_EQ(portForSecurity(4, SmtpSecurity::None, "2525"), std::nullopt);
    EXPECT_EQ(portForSecurity(3, SmtpSecurity::Ssl, "25"), std::nullopt);
}

TEST(SmtpProvidersTest, AutoFillPortFollowsTheOptionOnlyForProvider4)
{
    EXPECT_EQ(autoFillPort(4, SmtpSecurity::None), "25");
    EXPECT_EQ(autoFillPort(4, SmtpSecurity::Ssl), "465");
    EXPECT_EQ(autoFillPort(4, SmtpSecurity::Tls), "465");
    EXPECT_EQ(autoFillPort(4, SmtpSecurity::TlsV12), "25");
    for (int p : {1, 2, 3, 5, 6, 7}) {
        for (SmtpSecurity option : {SmtpSecurity::None, SmtpSecurity::Ssl, SmtpSecurity::Tls, SmtpSecurity::TlsV12})
            EXPECT_EQ(autoFillPort(p, option), smtpProvider(p).port) << p;
    }
}

TEST(NetworkDialogRulesTest, Ipv4TextReadAndWritten)
{
    struct Case
    {
        std::string_view text;
        std::optional<Ipv4Parts> parts;
    } const cases[] = {
        {"10.0.0.172", Ipv4Parts{10, 0, 0, 172}},
        {"255.255.255.255", Ipv4Parts{255, 255, 255, 255}},
        {"1..2.3", Ipv4Parts{1, 0, 2, 3}},
        {"...", Ipv4Parts{0, 0, 0, 0}},
        {"", std::nullopt},
        {"10.0.0", std::nullopt},
        {"10.0.0.256", std::nullopt},
        {"1.2.3.4.5", std::nullopt},
        {"1.2.3.0004", std::nullopt},
        {"1.2.3.a", std::nullopt},
        {"1.2.3.-1", std::nullopt},
        {" 1.2.3.4", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseIpv4(c.text), c.parts) << c.text;
    EXPECT_EQ(formatIpv4({10, 0, 0, 172}), "10.0.0.172");
    EXPECT_EQ(formatIpv4({0, 0, 0, 0}), "");
    EXPECT_EQ(formatIpv4({0, 0, 0, 1}), "0.0.0.1");
}

TEST(NetworkDialogRulesTest, StoredFieldText)
{
    EXPECT_EQ(storedFieldText(NetworkParameters::SendEmailPassword, " secret "), " secret ");
    EXPECT_EQ(storedFieldText(NetworkParameters::MmsPort, " 80800 "), "8080");
    EXPECT_EQ(storedFieldText(NetworkParameters::SendEmailPort, "12345"), "1234");
    EXPECT_EQ(storedFieldText(NetworkParameters::MmsUrl, " " + std::string(120, 'u')), std::string(100, 'u'));
    EXPECT_EQ(storedFieldText(NetworkParameters::GprsApn, " internet "), "internet");
}

TEST(NetworkDialogRulesTest, SendingFieldsCheckedInAddressPasswordServerPortOrder)
{
    const SendingFields complete{"smtp.x", "25", "me@x.org", "pw"};
    EXPECT_EQ(firstIncompleteSendingField(complete), std::nullopt);

    SendingFields f = complete;
    f.port = " ";
    EXPECT_EQ(firstIncompleteSendingField(f), NetworkParameters::SendEmailPort);
    f.server = "";
    EXPECT_EQ(firstIncompleteSendingField(f), NetworkParameters::SendEmailServer);
    f.password = "  ";
    EXPECT_EQ(firstIncompleteSendingField(f), NetworkParameters::SendEmailPassword);
    f.address = std::string(kPlaceholderAddress);
    EXPECT_EQ(firstIncompleteSendingField(f), NetworkParameters::SendEmailAddr);
}

TEST(NetworkDialogRulesTest, ChangeOfTheSendingAccount)
{
    NetworkParameters record;
    record.fields[NetworkParameters::SendEmailServer] = "smtp.x";
    record.fields[NetworkParameters::SendEmailPort] = "25";
    record.fields[NetworkParameters::SendEmailAddr] = "me@x.org";
    record.fields[NetworkParameters::SendEmailPassword] = "pw ";
    EXPECT_FALSE(sendingFieldsChanged({" smtp.x ", "25", "me@x.org", "pw "}, record));
    EXPECT_TRUE(sendingFieldsChanged({"smtp.y", "25", "me@x.org", "pw "}, record));
    EXPECT_TRUE(sendingFieldsChanged({"smtp.x", "25", "me@x.org", "pw"}, record))
        << "the password is kept as typed";
}

TEST(NetworkDialogRulesTest, FtpFieldsCheckedInOrderAndStoredTrimmedTo100)
{
    FtpParameters typed{{"ftp.x", "21", "user", "pw"}};
    EXPECT_EQ(firstEmptyFtpField(typed), std::nullopt);
    typed.fields[FtpParameters::FtpPassword] = "  ";
    typed.fields[FtpParameters::FtpPort] = "";
    EXPECT_EQ(firstEmptyFtpField(typed), FtpParameters::FtpPort);

    const FtpParameters stored = storedFtpFields({{std::string(120, 's'), " 21 ", "user", "  pw  "}});
    EXPECT_EQ(stored, (FtpParameters{{std::string(100, 's'), "21", "user", "pw"}}));
}

} // namespace
