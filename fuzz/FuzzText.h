#pragma once

#include <string>
#include <string_view>
#include <vector>

/// Helpers the fuzz targets share. They look at bytes independently of the
/// engine, so a fault in the engine's own line handling cannot hide itself.

struct TextLine
{
    std::string_view text;
    std::string_view end; // "\r\n", "\n", "\r", or empty on a last line without a break
};

/// The lines of a file as the private-profile rules see them: CR LF, LF and a
/// lone CR all end a line.
[[nodiscard]] std::vector<TextLine> splitLines(std::string_view bytes);

/// One pair of matching quotes (" or ') removed from a text of two or more
/// characters, as a read does after trimming.
[[nodiscard]] std::string_view withoutQuotePair(std::string_view value);

/// Bytes for a finding's message: printable ASCII as it is, the rest as
/// \xNN, cut after a few hundred bytes.
[[nodiscard]] std::string shown(std::string_view bytes);
