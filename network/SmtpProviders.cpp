#include "network/SmtpProviders.h"

#include "camera/CUtil.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace {

std::string upper(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return result;
}

} // namespace

int ClassifySenderAddress(std::string_view address)
{
    const std::string trimmed = CUtil::TrimText(address, -1);
    if (trimmed == kPlaceholderAddress)
        return 0;
    const std::string text = upper(trimmed);
    for (std::size_t i = 0; i < SmtpProviderTable.size(); ++i) {
        const std::string suffix = upper(SmtpProviderTable[i].domainSuffix);
        if (text.size() > suffix.size() && text.ends_with(suffix))
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
