#pragma once

#include <string_view>

/// Diagnostic line for developers: to stderr when KRT_DEBUG=1, else dropped.
/// The tool keeps no log file.
void debugOut(std::string_view line);
