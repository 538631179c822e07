#include "platform/Text.h"

#include <algorithm>

namespace {

unsigned char folded(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}

bool ignoredInSort(char c)
{
    return c == '-' || c == '\'';
}

bool isContinuationByte(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// Length of the UTF-8 sequence a lead byte starts; 0 for a byte that starts none.
std::size_t sequenceLength(unsigned char lead)
{
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

} // namespace

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return folded(x) == folded(y); });
}

std::string foldedCase(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](char c) { return static_cast<char>(folded(c)); });
    return out;
}

bool lessIgnoringCase(std::string_view a, std::string_view b)
{
    auto x = a.begin();
    auto y = b.begin();
    for (;;) {
        while (x != a.end() && ignoredInSort(*x))
            ++x;
        while (y != b.end() && ignoredInSort(*y))
            ++y;
        if (x == a.end() || y == b.end())
            break;
        if (folded(*x) != folded(*y))
            return folded(*x) < folded(*y);
        ++x;
        ++y;
    }
    if ((x == a.end()) != (y == b.end()))
        return x == a.end();
    return a < b;
}

std::string_view leadingBytes(std::string_view text, std::size_t maxBytes)
{
    if (text.size() <= maxBytes)
        return text;
    // Only a cut before a continuation byte can split a character; walk back
    // to the lead byte and keep the character only when it fits whole.
    std::size_t start = maxBytes;
    while (start > 0 && maxBytes - start < 3 && isContinuationByte(static_cast<unsigned char>(text[start])))
        --start;
    const std::size_t length = sequenceLength(static_cast<unsigned char>(text[start]));
    if (start < maxBytes && length > maxBytes - start && start + length <= text.size() &&
        std::all_of(text.begin() + static_cast<std::ptrdiff_t>(start) + 1,
                    text.begin() + static_cast<std::ptrdiff_t>(start + length),
                    [](char c) { return isContinuationByte(static_cast<unsigned char>(c)); }))
        return text.substr(0, start);
    return text.substr(0, maxBytes);
}
