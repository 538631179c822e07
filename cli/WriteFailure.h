#pragma once

#include <cstddef>
#include <string>

class FileSystem;

/// Why a write onto a card failed, for the message that reports it: what
/// stands at the path, a read-only file, else what the system says when
/// the same number of bytes is written beside it ("Read-only file system",
/// "No space left on device").
namespace cli {

/// `path` is the file (over the drive map); `bytes` how many were to go in.
[[nodiscard]] std::string writeFailureCause(const FileSystem& files, const std::string& path,
                                            std::size_t bytes);
/// Why the folder `path` could not be made.
[[nodiscard]] std::string folderFailureCause(const FileSystem& files, const std::string& path);

} // namespace cli
