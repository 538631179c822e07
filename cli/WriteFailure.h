#pragma once

#include <string>

class FileSystem;

/// Why a write onto a card failed, for the message that reports it: a drive
/// whose folder is gone, else what the failed operation itself was told
/// (`FileSystem::lastError`: "the file is read-only", "something other than a
/// file stands there", "Read-only file system", "No space left on device").
/// Asked right after the failure.
namespace cli {

/// `path` is the file (over the drive map).
[[nodiscard]] std::string writeFailureCause(const FileSystem& files, const std::string& path);
/// Why the folder `path` could not be made.
[[nodiscard]] std::string folderFailureCause(const FileSystem& files, const std::string& path);

} // namespace cli
