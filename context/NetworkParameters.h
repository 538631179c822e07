#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

/// The SMTP security option as the dialogs offer it.
enum class SmtpSecurity
{
    None = 0,
    Ssl = 1,
    Tls = 2,
    TlsV12 = 3
};

/// The option as stored text: anything but "1", "2" or "3" (trimmed) is none.
[[nodiscard]] SmtpSecurity smtpSecurityFromText(std::string_view text);
/// "%d" of the option, with anything outside 0..3 forced to 0.
[[nodiscard]] std::string smtpSecurityText(int option);

/// The network settings of the open model: MMS delivery ("Via WAP
/// Settings"), GPRS access and the camera's sending mail account ("Via
/// Internet Settings"). The field order is the operator presets' order.
struct NetworkParameters
{
    enum Field : std::size_t
    {
        MmsUrl,
        MmsApn,
        MmsIp,
        MmsPort,
        MmsAccount,
        MmsPassword,
        GprsApn,
        GprsAccount,
        GprsPassword,
        SendEmailServer,
        SendEmailPort,
        SendEmailAddr,
        SendEmailPassword,
        FieldCount
    };

    std::array<std::string, FieldCount> fields;
    std::string smtpSecurity; // the `SmtpSecurity` option as stored; empty before a load

    friend bool operator==(const NetworkParameters&, const NetworkParameters&) = default;
};
