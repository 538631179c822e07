#include "context/NetworkParameters.h"

#include "platform/CUtil.h"

SmtpSecurity smtpSecurityFromText(std::string_view text)
{
    const std::string trimmed = CUtil::TrimText(text, -1);
    if (trimmed == "1")
        return SmtpSecurity::Ssl;
    if (trimmed == "2")
        return SmtpSecurity::Tls;
    if (trimmed == "3")
        return SmtpSecurity::TlsV12;
    return SmtpSecurity::None;
}

std::string smtpSecurityText(int option)
{
    return std::to_string(option >= 0 && option <= 3 ? option : 0);
}
