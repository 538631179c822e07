#include "network/NetworkValueRules.h"

#include "context/FtpParameters.h"
#include "context/NetworkParameters.h"

#include <gtest/gtest.h>

namespace {

using P = NetworkParameters;

TEST(NetworkValueRulesTest, PortsAreNumbersOfTheDigitsTheFieldKeeps)
{
    // The dialog keeps four characters of a port.
    for (const auto field : {P::MmsPort, P::SendEmailPort}) {
        const ValueRule port = NetworkValueRules::fieldRule(field);
        EXPECT_EQ(port.problem("99999"),
                  "not a whole number from 1 to 9999 (a port of the 4 digits the dialog keeps)");
        EXPECT_EQ(port.problem("0"), port.problem("99999"));
        EXPECT_EQ(port.problem("465"), std::nullopt);
        EXPECT_EQ(port.problem(""), std::nullopt) << "the defaults leave it empty";
    }
    const ValueRule ftp = NetworkValueRules::ftpFieldRule(FtpParameters::FtpPort);
    EXPECT_EQ(ftp.max, 65535);
    EXPECT_TRUE(ftp.problem("65536"));
    EXPECT_EQ(ftp.problem("21"), std::nullopt);
}

TEST(NetworkValueRulesTest, TextsAreCutWhereTheDialogOrTheReadCutsThem)
{
    EXPECT_EQ(NetworkValueRules::fieldRule(P::MmsUrl).maxBytes, 100u);
    EXPECT_EQ(NetworkValueRules::fieldRule(P::MmsApn).maxBytes, 50u) << "the read keeps 50";
    EXPECT_EQ(NetworkValueRules::fieldRule(P::SendEmailPassword).maxBytes, 30u)
        << "kept as typed, but a read keeps 30";
    EXPECT_EQ(NetworkValueRules::ftpFieldRule(FtpParameters::FtpServer).maxBytes, 100u);
    EXPECT_EQ(NetworkValueRules::fieldRule(P::MmsUrl).problem("a\nb"),
              "holds a line break, which the dialog takes out");
}

TEST(NetworkValueRulesTest, TheAddressAndTheSendingAddressHaveTheirForms)
{
    const ValueRule ip = NetworkValueRules::fieldRule(P::MmsIp);
    EXPECT_EQ(ip.problem("10.0.0.172"), std::nullopt);
    EXPECT_TRUE(ip.problem("10.0.0.256"));
    EXPECT_TRUE(ip.problem("10.0.0"));
    EXPECT_TRUE(ip.problem("010.0.0.1")) << "the address field writes each part as a number";
    const ValueRule sender = NetworkValueRules::fieldRule(P::SendEmailAddr);
    EXPECT_EQ(sender.problem("cam@example.org"), std::nullopt);
    EXPECT_TRUE(sender.problem("yourname@gmail.com")) << "the dialog's example is no address";
}

TEST(NetworkValueRulesTest, TheSecurityOptionIsOneOfAdvancedSetupsFour)
{
    const ValueRule security = NetworkValueRules::smtpSecurityRule();
    EXPECT_EQ(security.problem("7"), "not one of 0 none, 1 SSL, 2 TLS, 3 TLS V1.2");
    EXPECT_EQ(security.problem("3"), std::nullopt);
    EXPECT_EQ(security.problem(""), std::nullopt) << "empty before a load";
    EXPECT_EQ(security.valueOfItem("tls"), 2);
}

} // namespace
