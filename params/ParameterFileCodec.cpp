#include "params/ParameterFileCodec.h"

#include "platform/FileSystem.h"

#include <algorithm>

namespace ParameterFileCodec {

namespace {

// The files are read and written as bytes, never through a text-mode
// stream: encoded bytes 13, 10 and 26 (plain 242, 245 and 229, which GBK
// text can hold) are data here, not line ends or an end-of-file mark, so
// such text survives the round trip.
constexpr unsigned char kEndOfData = 255;

} // namespace

std::size_t ComplementBytes(char* buffer, std::size_t length)
{
    for (std::size_t i = 0; i < length; ++i)
        buffer[i] = static_cast<char>(255 - static_cast<unsigned char>(buffer[i]));
    return length;
}

std::string encode(std::string_view plainText)
{
    std::string reduced;
    reduced.reserve(std::min(plainText.size(), kMaxTextBytes));
    for (std::size_t i = 0; i < plainText.size() && reduced.size() < kMaxTextBytes; ++i) {
        const char c = plainText[i];
        if (c == '\0')
            break;
        if (c == '\r' && i + 1 < plainText.size() && plainText[i + 1] == '\n')
            continue;
        reduced.push_back(c);
    }
    ComplementBytes(reduced.data(), reduced.size());
    return reduced;
}

std::size_t reducedLength(std::string_view plainText)
{
    std::size_t length = 0;
    for (std::size_t i = 0; i < plainText.size() && plainText[i] != '\0'; ++i) {
        if (plainText[i] == '\r' && i + 1 < plainText.size() && plainText[i + 1] == '\n')
            continue;
        ++length;
    }
    return length;
}

std::string decode(std::string_view encoded)
{
    std::string text;
    for (std::size_t i = 0; i < encoded.size() && i < kMaxTextBytes; ++i) {
        const auto byte = static_cast<unsigned char>(encoded[i]);
        if (byte == kEndOfData)
            break;
        const char c = static_cast<char>(255 - byte);
        if (c == '\n')
            text.push_back('\r');
        text.push_back(c);
    }
    return text;
}

std::optional<std::string> DecodeParameterFile(const FileSystem& files, std::string_view encodedPath)
{
    // Decoding ends after 10,240 bytes anyway, so a larger file is read only
    // that far, never whole.
    const auto bytes = files.readFileHead(encodedPath, kMaxTextBytes);
    if (!bytes)
        return std::nullopt;
    return decode(*bytes);
}

bool EncodeParameterFile(FileSystem& files, std::string_view plainText, std::string_view encodedPath)
{
    if (reducedLength(plainText) > kMaxTextBytes)
        return false;
    return files.writeFile(encodedPath, encode(plainText));
}

} // namespace ParameterFileCodec
