#pragma once

#include "context/FtpParameters.h"
#include "context/NetworkParameters.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

/// What the network and FTP dialogs decide without looking at a widget:
/// how a field's text is read into the records, and the checks of OK.
namespace NetworkDialogRules {

/// The network dialogs' own words, for every front end: the WAP / Internet
/// dialog's top line in its two modes, and what the OK buttons say about
/// fields they refuse.
inline constexpr const char* kCurrentParametersLine =
    "Current WAP/internet parameters as follows, You can just modify highlighted items !";
inline constexpr const char* kUserDefinedLine = "Please input user-defined WAP/internet parameters here!";
inline constexpr const char* kSendingIncomplete =
    "Before saving , you must complete the highlighted 4 items (with red sign) in internet setting !";
inline constexpr const char* kFtpIncomplete = "Before saving , you must complete the 4 items in FTP setting !";
inline constexpr const char* kNoEncryptionWay = "Please select a encryption way before saving !";
inline constexpr const char* kAddressFirst = "You must input \"SEND EMAIL ADDRESS\" firstly !";

using Ipv4Parts = std::array<int, 4>;

/// Four groups of at most three digits, each at most 255, separated by
/// three dots; an empty group is 0. Anything else (empty text included) is
/// no address.
[[nodiscard]] std::optional<Ipv4Parts> parseIpv4(std::string_view text);
/// "%d.%d.%d.%d", with "0.0.0.0" meaning no address: empty.
[[nodiscard]] std::string formatIpv4(const Ipv4Parts& parts);

/// The text of field `field` (not the IP address) as the dialog stores it:
/// the sending password exactly as typed, the ports trimmed and cut to 4
/// characters, everything else trimmed and cut to 100.
[[nodiscard]] std::string storedFieldText(std::size_t field, std::string_view text);

/// True for a text that is blank or the placeholder address once trimmed.
[[nodiscard]] bool isBlankOrPlaceholder(std::string_view text);

/// The four sending-mail fields as typed, by record field index.
struct SendingFields
{
    std::string server;
    std::string port;
    std::string address;
    std::string password;

    [[nodiscard]] const std::string& text(std::size_t field) const;
};

/// The first of address, password, server and port that keeps OK from
/// saving (blank, or the placeholder address), as its record field.
[[nodiscard]] std::optional<NetworkParameters::Field> firstIncompleteSendingField(const SendingFields& typed);

/// Whether saving the typed fields would change the sending mail account
/// of the record: each field as it would be stored against the record.
[[nodiscard]] bool sendingFieldsChanged(const SendingFields& typed, const NetworkParameters& record);

/// The first FTP field, in the order server, port, account, password,
/// whose trimmed text is empty.
[[nodiscard]] std::optional<FtpParameters::Field> firstEmptyFtpField(const FtpParameters& typed);
/// The typed texts as they are stored: trimmed and cut to 100 characters.
[[nodiscard]] FtpParameters storedFtpFields(const FtpParameters& typed);

} // namespace NetworkDialogRules
