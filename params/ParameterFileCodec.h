#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

class FileSystem;

/// The ".BIN" parameter file of the encrypted-file models: the parameter
/// text with LF line ends, every byte complemented (255 - b), at most
/// 10,240 bytes, no header. The text is built and parsed in memory, so the
/// camera's passwords never stand on a card in plain text.
namespace ParameterFileCodec {

inline constexpr std::size_t kMaxTextBytes = 10240;

/// Complements the bytes in place; returns how many (0 for none).
std::size_t ComplementBytes(char* buffer, std::size_t length);

/// The encoded bytes of a parameter text: CR before LF dropped, cut at
/// 10,240 bytes or at a NUL, complemented. Exactly as long as the reduced
/// text.
[[nodiscard]] std::string encode(std::string_view plainText);
/// How long the text is once CR before LF is dropped (up to a NUL), without
/// the cut: more than 10,240 bytes do not fit in an encoded file.
[[nodiscard]] std::size_t reducedLength(std::string_view plainText);
/// The text of encoded bytes: reading stops at the end, at a byte 255 or
/// after 10,240 bytes; LF comes back as CR LF.
[[nodiscard]] std::string decode(std::string_view encoded);

/// Reads and decodes an encoded file (its first 10,240 bytes: a camera reads
/// no more, whatever follows); nothing when it cannot be read.
[[nodiscard]] std::optional<std::string> DecodeParameterFile(const FileSystem& files, std::string_view encodedPath);
/// Encodes the text into the file, replacing it in one step. A text that
/// does not fit is refused and nothing is written: a cut file would lose
/// the sections at its end.
bool EncodeParameterFile(FileSystem& files, std::string_view plainText, std::string_view encodedPath);

} // namespace ParameterFileCodec
