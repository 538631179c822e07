#pragma once

#include "platform/FileSystem.h"

#include <string>

/// The Windows attribute bits a POSIX file has no place for (hidden,
/// system), on a native path. The system-specific part of the file-system
/// seam: the build compiles the one implementation that fits the system.
namespace DosAttributes {

inline constexpr unsigned kBits = FileAttribute::Hidden | FileAttribute::System;

/// The hidden and system bits of the file, 0 where the system keeps none.
[[nodiscard]] unsigned read(const std::string& path);
/// Sets the hidden and system bits as given; silently nothing where the
/// system keeps none. Never follows a link.
void write(const std::string& path, unsigned bits);

} // namespace DosAttributes
