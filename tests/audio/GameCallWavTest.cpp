#include "audio/GameCallWav.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace {

std::string bytes(std::initializer_list<int> values)
{
    std::string out;
    for (int v : values)
        out.push_back(static_cast<char>(v));
    return out;
}

// The header the cameras parse: RIFF size, "fmt " of 16 bytes, PCM, one
// channel, 22050 Hz, 22050 bytes a second, 1 byte a sample of 8 bits, then
// "data" at byte 36 with its length.
TEST(GameCallWav, CanonicalHeader)
{
    const std::array<std::uint8_t, 4> samples{0, 128, 255, 7};
    const std::string file = GameCallWav::fileBytes(samples);
    ASSERT_EQ(file.size(), 48u);
    const std::string expected = std::string("RIFF") + bytes({40, 0, 0, 0}) + "WAVEfmt " + bytes({16, 0, 0, 0}) +
                                 bytes({1, 0, 1, 0}) + bytes({0x22, 0x56, 0, 0}) + bytes({0x22, 0x56, 0, 0}) +
                                 bytes({1, 0, 8, 0}) + "data" + bytes({4, 0, 0, 0}) + bytes({0, 128, 255, 7});
    EXPECT_EQ(file, expected);
}

TEST(GameCallWav, OddDataIsPaddedAndEmptyIsAHeader)
{
    const std::array<std::uint8_t, 3> three{1, 2, 3};
    const std::string odd = GameCallWav::fileBytes(three);
    ASSERT_EQ(odd.size(), 48u);
    EXPECT_EQ(odd.substr(4, 4), bytes({40, 0, 0, 0})) << "RIFF counts the pad byte";
    EXPECT_EQ(odd.substr(40, 4), bytes({3, 0, 0, 0})) << "data does not";
    EXPECT_EQ(odd.back(), '\0');
    EXPECT_EQ(GameCallWav::fileBytes(std::span<const std::uint8_t>{}).size(), GameCallWav::kHeaderSize);
}

TEST(GameCallWav, FloatSamplesRoundAndClipToUnsignedBytes)
{
    struct Case
    {
        float sample;
        int byte;
    };
    const Case cases[] = {{0.0f, 128},   {1.0f, 255},   {-1.0f, 0},  {2.5f, 255}, {-3.0f, 0},
                          {0.5f, 192},   {-0.5f, 64},   {0.3f, 166}, {__builtin_nanf(""), 128}};
    std::vector<float> samples;
    for (const Case& c : cases)
        samples.push_back(c.sample);
    const std::string file = GameCallWav::fileBytes(samples);
    ASSERT_EQ(file.size(), GameCallWav::kHeaderSize + samples.size() + samples.size() % 2);
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(static_cast<unsigned char>(file[GameCallWav::kHeaderSize + i]), cases[i].byte)
            << cases[i].sample;
}

} // namespace
