#include "network/SmtpProviders.h"

#include "platform/Text.h"

int ClassifySenderAddress(std::string_view address)
{
    const std::string_view text = trimmed(address);
    if (text == kPlaceholderAddress)
        return 0;
    for (std::size_t i = 0; i < SmtpProviderTable.size(); ++i) {
        const std::string_view suffix = SmtpProviderTable[i].domainSuffix;
        // At least one character must stand before the "@".
        if (text.size() > suffix.size() && equalIgnoringCase(text.substr(text.size() - suffix.size()), suffix))
            return static_cast<int>(i) + 1;
    }
    return 0;
}

const SmtpProvider& smtpProvider(int provider)
{
    return SmtpProviderTable.at(static_cast<std::size_t>(provider - 1));
}

std::optional<std::string_view> portForSecurity(int provider, SmtpSecurity option, std::string_view port)
{
    if (provider != kPortFollowsSecurityProvider)
        return std::nullopt;
    if (option == SmtpSecurity::None && port == "465")
        return "25";
    if ((option == SmtpSecurity::Ssl || option == SmtpSecurity::Tls) && port == "25")
        return "465";
    return std::nullopt;
}

std::string_view autoFillPort(int provider, SmtpSecurity option)
{
    const std::string_view port = smtpProvider(provider).port;
    return portForSecurity(provider, option, port).value_or(port);
}
