#pragma once

#include <string_view>

/// The order of the sorted list controls: ASCII letters compare without
/// regard to case, everything else by byte value.
[[nodiscard]] bool lessIgnoringCase(std::string_view a, std::string_view b);
