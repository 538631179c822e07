#pragma once

#include <cstddef>
#include <string>
#include <string_view>

/// White space as the INI files and the tool's fields know it: blank, tab,
/// line breaks, vertical tab and form feed.
[[nodiscard]] bool isBlank(char c);

/// The text without white space at either end.
[[nodiscard]] std::string_view trimmed(std::string_view text);

/// ASCII letters compare without regard to case; everything else by byte.
[[nodiscard]] bool equalIgnoringCase(std::string_view a, std::string_view b);

/// The text with its ASCII letters in lower case: equal for two texts that
/// equalIgnoringCase() finds equal.
[[nodiscard]] std::string foldedCase(std::string_view text);

/// The order of the sorted list controls: ASCII letters compare without
/// regard to case and hyphens and apostrophes are passed over ("Telekom"
/// before "T-mobile"), as the platform's word sort does; texts equal in that
/// order fall back to their bytes, so the order is total.
[[nodiscard]] bool lessIgnoringCase(std::string_view a, std::string_view b);

/// At most `maxBytes` bytes of the text, never ending inside a UTF-8
/// multi-byte character: a cut that would split one ends before it. Bytes of
/// another encoding, which do not form UTF-8 sequences, are cut where asked.
[[nodiscard]] std::string_view leadingBytes(std::string_view text, std::size_t maxBytes);
