#include "platform/Text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

TEST(TextCut, NeverEndsInsideAUtf8Character)
{
    struct Case
    {
        const char* what;
        std::string text;
        std::size_t maxBytes;
        std::string expected;
    };
    const Case cases[] = {
        {"short text stays", "abc", 5, "abc"},
        {"plain cut", "abcdef", 4, "abcd"},
        {"cut after a whole two-byte character", "ab\xC3\xA9x", 4, "ab\xC3\xA9"},
        {"cut inside a two-byte character drops it", "abc\xC3\xA9", 4, "abc"},
        {"cut inside a three-byte character drops it", "a\xE2\x82\xAC", 3, "a"},
        {"cut after two bytes of a four-byte character", "a\xF0\x9F\x93\xB7z", 3, "a"},
        {"cut after three bytes of a four-byte character", "a\xF0\x9F\x93\xB7z", 4, "a"},
        {"a Latin-1 byte is one character", "caf\xE9xyz", 4, "caf\xE9"},
        {"Latin-1 bytes in a row", "\xE9\xE9\xE9\xE9", 2, "\xE9\xE9"},
        {"a stray continuation byte is cut where asked", "ab\x80\x80\x80\x80", 4, "ab\x80\x80"},
        {"nothing", "\xC3\xA9", 0, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(std::string(leadingBytes(c.text, c.maxBytes)), c.expected) << c.what;
}

// The list controls sort as the platform's word sort does: hyphens and
// apostrophes are passed over.
TEST(TextSort, HyphensAndApostrophesArePassedOver)
{
    std::vector<std::string> names{"T-mobile", "Orange", "Telekom", "4ka", "O2", "o'neill", "Oneida", "t-2"};
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return lessIgnoringCase(a, b); });
    EXPECT_EQ(names,
              (std::vector<std::string>{"4ka", "O2", "Oneida", "o'neill", "Orange", "t-2", "Telekom", "T-mobile"}));
    EXPECT_TRUE(lessIgnoringCase("T-Mobile", "TMobile")) << "texts equal but for a hyphen still have an order";
    EXPECT_FALSE(lessIgnoringCase("TMobile", "T-Mobile"));
    EXPECT_FALSE(lessIgnoringCase("abc", "ABC") && lessIgnoringCase("ABC", "abc"));
}

} // namespace
