#include "cli/WriteFailure.h"

#include "platform/FileSystem.h"

#include <filesystem>
#include <string>

namespace cli {

namespace {

namespace fs = std::filesystem;

/// A drive whose folder is not there, named with its folder; else nothing.
std::string missingDrive(const FileSystem& files, const std::string& path)
{
    std::error_code ec;
    const auto root = path.size() >= 2 && path[1] == ':' ? files.drives().nativeRoot(path[0]) : std::nullopt;
    if (root && !fs::is_directory(*root, ec))
        return "no such folder: " + path.substr(0, 2) + " stands for " + *root;
    return {};
}

/// What the failed operation itself was told.
std::string lastCause(const FileSystem& files)
{
    return files.lastError().empty() ? "the system gave no reason" : files.lastError();
}

} // namespace

std::string writeFailureCause(const FileSystem& files, const std::string& path)
{
    if (const std::string missing = missingDrive(files, path); !missing.empty())
        return missing;
    return lastCause(files);
}

std::string folderFailureCause(const FileSystem& files, const std::string& path)
{
    if (const std::string missing = missingDrive(files, path); !missing.empty())
        return missing;
    if (files.exists(path) && !files.isDirectory(path))
        return "a file stands where the folder goes";
    return lastCause(files);
}

} // namespace cli
