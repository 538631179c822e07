#include "audio/GameCallWav.h"

#include <algorithm>
#include <cmath>

namespace {

void put32(std::string& out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void put16(std::string& out, std::uint16_t value)
{
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>(value >> 8));
}

std::string header(std::size_t dataBytes)
{
    constexpr std::uint16_t kPcm = 1;
    constexpr std::uint16_t kChannels = 1;
    constexpr std::uint16_t kBitsPerSample = 8;
    const auto data = static_cast<std::uint32_t>(dataBytes);
    std::string out;
    out.reserve(GameCallWav::kHeaderSize + dataBytes + 1);
    out += "RIFF";
    // A data chunk of odd length is padded to an even one, counted here.
    put32(out, 36 + data + (data & 1));
    out += "WAVEfmt ";
    put32(out, 16);
    put16(out, kPcm);
    put16(out, kChannels);
    put32(out, GameCallWav::kSampleRate);
    put32(out, GameCallWav::kSampleRate * kChannels * kBitsPerSample / 8);
    put16(out, kChannels * kBitsPerSample / 8);
    put16(out, kBitsPerSample);
    out += "data";
    put32(out, data);
    return out;
}

} // namespace

namespace GameCallWav {

std::string fileBytes(std::span<const std::uint8_t> samples)
{
    std::string out = header(samples.size());
    out.append(samples.begin(), samples.end());
    if (samples.size() % 2 != 0)
        out.push_back('\0');
    return out;
}

std::string fileBytes(std::span<const float> samples)
{
    std::string out = header(samples.size());
    for (const float sample : samples) {
        // NaN (a broken decoder's output) is silence, the middle value.
        const float scaled = std::isnan(sample) ? 0.0f : sample * 128.0f;
        const long value = std::lrint(std::clamp(scaled, -128.0f, 127.0f)) + 128;
        out.push_back(static_cast<char>(static_cast<unsigned char>(std::clamp(value, 0L, 255L))));
    }
    if (samples.size() % 2 != 0)
        out.push_back('\0');
    return out;
}

} // namespace GameCallWav
