#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

/// The sound file a camera plays its game call from: 8-bit unsigned PCM,
/// mono, 22050 Hz, with the canonical 44-byte header ("fmt " then "data"
/// at byte 36, no other chunk), which the cameras' simple parsers expect.
namespace GameCallWav {

inline constexpr int kSampleRate = 22050;
inline constexpr std::size_t kHeaderSize = 44;

/// The whole file for the samples.
[[nodiscard]] std::string fileBytes(std::span<const std::uint8_t> samples);

/// Samples of -1..1 as unsigned 8-bit values, rounded and clipped as the
/// conversion program turns floating-point samples into "pcm_u8".
[[nodiscard]] std::string fileBytes(std::span<const float> samples);

} // namespace GameCallWav
