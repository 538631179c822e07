#pragma once

#include "context/NetworkParameters.h"

#include <array>
#include <optional>
#include <string_view>

/// A mail provider whose server and port the network dialog fills in when
/// the sending address is one of its addresses.
struct SmtpProvider
{
    std::string_view domainSuffix; // "@" and the mail domain
    std::string_view server;
    std::string_view port;
    /// The security option the provider sets; none leaves it as it is.
    std::optional<SmtpSecurity> security;
};

/// Providers 1 to 7 in the order they are tried.
inline constexpr std::array<SmtpProvider, 7> SmtpProviderTable{{
    {"@gmail.com", "smtp.gmail.com", "465", SmtpSecurity::Ssl},
    {"@outlook.com", "smtp-mail.outlook.com", "587", SmtpSecurity::Tls},
    {"@163.com", "smtp.163.com", "25", std::nullopt},
    // Port 25, or 465 while SSL or TLS is chosen: see autoFillPort().
    {"@qq.com", "smtp.qq.com", "25", std::nullopt},
    {"@yahoo.com", "smtp.mail.yahoo.com", "465", std::nullopt},
    {"@aol.com", "smtp.aol.com", "465", std::nullopt},
    {"@yandex.com", "smtp.yandex.com", "465", std::nullopt},
}};

/// The provider whose port follows the security option.
inline constexpr int kPortFollowsSecurityProvider = 4;

/// The example shown in an empty sending-address field. It has provider
/// 1's domain, and is never taken for a provider's address.
inline constexpr std::string_view kPlaceholderAddress = "yourname@gmail.com";

/// 1..7 for an address of that provider (at least one character before the
/// "@", domain compared without regard to case), 0 for any other text and
/// for the placeholder.
[[nodiscard]] int ClassifySenderAddress(std::string_view address);

/// The row of a provider number 1..7.
[[nodiscard]] const SmtpProvider& smtpProvider(int provider);

/// The port a provider-`provider` address is given with the option, or
/// nothing when the port stays as it is: provider 4 switches between "25"
/// and "465" as encryption is turned off or on (TLS V1.2 leaves it alone).
[[nodiscard]] std::optional<std::string_view> portForSecurity(int provider, SmtpSecurity option,
                                                              std::string_view port);

/// The port the address auto-fill writes for provider 1..7 while `option`
/// is chosen: the row's port, for provider 4 "465" while SSL or TLS is.
[[nodiscard]] std::string_view autoFillPort(int provider, SmtpSecurity option);
