#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

/// The section "Receive number and receive email": the main dialog's eight
/// customer fields, four phone numbers then four e-mail addresses.
namespace CustomerSection {

inline constexpr const char* kSection = "Receive number and receive email";
inline constexpr std::size_t kFieldCount = 8;
inline constexpr std::array<const char*, kFieldCount> kKeys{
    "AdministratorNum", "PhoneNum2",     "PhoneNum3",     "PhoneNum4",
    "ReceiveEmail1",    "ReceiveEmail2", "ReceiveEmail3", "ReceiveEmail4"};
inline constexpr std::size_t kPhoneFieldCount = 4;
inline constexpr std::size_t kReceiveEmail1 = 4;
/// The bytes of a field a save writes and a read keeps.
inline constexpr int kLimit = 80;
/// What a save takes out of a phone number.
inline constexpr std::string_view kPhoneSeparators = "-_ ";

[[nodiscard]] inline bool isPhoneField(std::size_t field)
{
    return field < kPhoneFieldCount;
}

/// Phone numbers reach the camera as the digits (and a leading plus) alone.
[[nodiscard]] inline std::string cleanPhoneNumber(std::string text)
{
    std::erase_if(text, [](char c) { return kPhoneSeparators.find(c) != std::string_view::npos; });
    return text;
}

} // namespace CustomerSection
