#include "network/NetworkValueRules.h"

#include "network/NetworkDialogRules.h"
#include "network/NetworkSections.h"
#include "network/SmtpProviders.h"
#include "platform/Text.h"

#include <algorithm>
#include <string>

namespace {

using P = NetworkParameters;

constexpr int kHighestPort = 65535;
// Longer than any field the dialogs keep.
constexpr std::size_t kProbeLength = 4096;

// The security options in the order Advanced Setup numbers them.
constexpr const char* kSmtpSecurityNames[] = {"none", "SSL", "TLS", "TLS V1.2"};
static_assert(std::size(kSmtpSecurityNames) == static_cast<int>(SmtpSecurity::TlsV12) + 1);

/// The bytes a dialog keeps of a long text, found through the dialog's own
/// rule, so the two cannot drift.
std::size_t networkDialogCut(std::size_t field)
{
    return NetworkDialogRules::storedFieldText(field, std::string(kProbeLength, '9')).size();
}

std::size_t ftpDialogCut(std::size_t field)
{
    FtpParameters typed;
    typed.fields[field] = std::string(kProbeLength, '9');
    return NetworkDialogRules::storedFtpFields(typed).fields[field].size();
}

/// The dialogs' port fields take digits, cut to `cut` of them.
ValueRule portRule(std::size_t cut)
{
    int highest = 0;
    for (std::size_t i = 0; i < cut && highest < kHighestPort; ++i)
        highest = highest * 10 + 9;
    return ValueRule::number(1, std::min(highest, kHighestPort),
                             highest < kHighestPort
                                 ? "a port of the " + std::to_string(cut) + " digits the dialog keeps"
                                 : "a port");
}

ValueRule textRule(std::size_t dialogCut, int fileLimit)
{
    ValueRule rule = ValueRule::text(std::min(dialogCut, static_cast<std::size_t>(fileLimit)));
    // The dialogs' fields drop pasted line breaks.
    rule.forbidden = "\r\n";
    return rule;
}

bool isStoredAddress(std::string_view text)
{
    const auto parts = NetworkDialogRules::parseIpv4(text);
    return parts && NetworkDialogRules::formatIpv4(*parts) == text;
}

} // namespace

namespace NetworkValueRules {

ValueRule fieldRule(std::size_t field)
{
    const int fileLimit = networkFieldKey(field).limit;
    switch (field) {
    case P::MmsPort:
    case P::SendEmailPort:
        return portRule(std::min(networkDialogCut(field), static_cast<std::size_t>(fileLimit)));
    case P::MmsIp: {
        ValueRule rule = textRule(networkDialogCut(field), fileLimit);
        rule.form = isStoredAddress;
        rule.meaning = "an IPv4 address a.b.c.d, each part 0 to 255, as the address field writes it";
        return rule;
    }
    case P::SendEmailAddr: {
        ValueRule rule = textRule(networkDialogCut(field), fileLimit);
        rule.form = [](std::string_view text) { return trimmed(text) != kPlaceholderAddress; };
        rule.meaning =
            "a sending address; the dialog's example " + std::string(kPlaceholderAddress) + " is none";
        return rule;
    }
    default:
        return textRule(networkDialogCut(field), fileLimit);
    }
}

ValueRule smtpSecurityRule()
{
    return ValueRule::itemList({std::begin(kSmtpSecurityNames), std::end(kSmtpSecurityNames)});
}

ValueRule ftpFieldRule(std::size_t field)
{
    const int fileLimit = ftpFieldKey(field).limit;
    if (field == FtpParameters::FtpPort)
        return portRule(std::min(ftpDialogCut(field), static_cast<std::size_t>(fileLimit)));
    return textRule(ftpDialogCut(field), fileLimit);
}

} // namespace NetworkValueRules
