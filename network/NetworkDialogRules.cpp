#include "network/NetworkDialogRules.h"

#include "network/SmtpProviders.h"
#include "platform/CUtil.h"

#include <charconv>

namespace NetworkDialogRules {

std::optional<Ipv4Parts> parseIpv4(std::string_view text)
{
    Ipv4Parts parts{};
    std::size_t start = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::size_t dot = text.find('.', start);
        const bool last = i + 1 == parts.size();
        if (last != (dot == std::string_view::npos))
            return std::nullopt;
        const std::string_view group = text.substr(start, last ? std::string_view::npos : dot - start);
        if (group.size() > 3 || group.find_first_not_of("0123456789") != std::string_view::npos)
            return std::nullopt;
        int value = 0;
        if (!group.empty()) {
            const auto [end, error] = std::from_chars(group.data(), group.data() + group.size(), value);
            if (error != std::errc() || end != group.data() + group.size() || value > 255)
                return std::nullopt;
        }
        parts[i] = value;
        start = dot + 1;
    }
    return parts;
}

std::string formatIpv4(const Ipv4Parts& parts)
{
    if (parts == Ipv4Parts{})
        return {};
    return std::to_string(parts[0]) + '.' + std::to_string(parts[1]) + '.' + std::to_string(parts[2]) + '.' +
           std::to_string(parts[3]);
}

std::string storedFieldText(std::size_t field, std::string_view text)
{
    switch (field) {
    case NetworkParameters::SendEmailPassword:
        return std::string(text);
    case NetworkParameters::MmsPort:
    case NetworkParameters::SendEmailPort:
        return CUtil::TrimText(text, 4);
    default:
        return CUtil::TrimText(text, 100);
    }
}

bool isBlankOrPlaceholder(std::string_view text)
{
    const std::string trimmed = CUtil::TrimText(text, -1);
    return trimmed.empty() || trimmed == kPlaceholderAddress;
}

const std::string& SendingFields::text(std::size_t field) const
{
    switch (field) {
    case NetworkParameters::SendEmailServer:
        return server;
    case NetworkParameters::SendEmailPort:
        return port;
    case NetworkParameters::SendEmailAddr:
        return address;
    default:
        return password;
    }
}

std::optional<NetworkParameters::Field> firstIncompleteSendingField(const SendingFields& typed)
{
    if (isBlankOrPlaceholder(typed.address))
        return NetworkParameters::SendEmailAddr;
    for (NetworkParameters::Field field :
         {NetworkParameters::SendEmailPassword, NetworkParameters::SendEmailServer,
          NetworkParameters::SendEmailPort}) {
        if (CUtil::TrimText(typed.text(field), -1).empty())
            return field;
    }
    return std::nullopt;
}

bool sendingFieldsChanged(const SendingFields& typed, const NetworkParameters& record)
{
    for (std::size_t field = NetworkParameters::SendEmailServer;
         field <= NetworkParameters::SendEmailPassword; ++field) {
        if (storedFieldText(field, typed.text(field)) != record.fields[field])
            return true;
    }
    return false;
}

std::optional<FtpParameters::Field> firstEmptyFtpField(const FtpParameters& typed)
{
    for (std::size_t field = 0; field < FtpParameters::FieldCount; ++field) {
        if (CUtil::TrimText(typed.fields[field], -1).empty())
            return static_cast<FtpParameters::Field>(field);
    }
    return std::nullopt;
}

FtpParameters storedFtpFields(const FtpParameters& typed)
{
    FtpParameters stored;
    for (std::size_t field = 0; field < FtpParameters::FieldCount; ++field)
        stored.fields[field] = CUtil::TrimText(typed.fields[field], 100);
    return stored;
}

} // namespace NetworkDialogRules
