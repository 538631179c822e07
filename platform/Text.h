#pragma once

#include <string_view>

/// White space as the INI files and the tool's fields know it: blank, tab,
/// line breaks, vertical tab and form feed.
[[nodiscard]] bool isBlank(char c);

/// The text without white space at either end.
[[nodiscard]] std::string_view trimmed(std::string_view text);

/// ASCII letters compare without regard to case; everything else by byte.
[[nodiscard]] bool equalIgnoringCase(std::string_view a, std::string_view b);

/// The order of the sorted list controls: ASCII letters compare without
/// regard to case, everything else by byte value.
[[nodiscard]] bool lessIgnoringCase(std::string_view a, std::string_view b);
