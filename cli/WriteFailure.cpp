#include "cli/WriteFailure.h"

#include "platform/FileSystem.h"

#include <filesystem>
#include <string>

namespace cli {

namespace {

namespace fs = std::filesystem;

/// A path the drive map gives no native path for.
std::string unreachable(const FileSystem& files, const std::string& path)
{
    if (path.size() >= 2 && path[1] == ':' && !files.drives().nativeRoot(path[0]))
        return "no drive " + path.substr(0, 2);
    return "the path leads out of the folder of its drive";
}

/// A drive whose folder is not there, named with its folder; else nothing.
std::string missingDrive(const FileSystem& files, const std::string& path)
{
    std::error_code ec;
    const auto root = path.size() >= 2 && path[1] == ':' ? files.drives().nativeRoot(path[0]) : std::nullopt;
    if (root && !fs::is_directory(*root, ec))
        return "no such folder: " + path.substr(0, 2) + " stands for " + *root;
    return {};
}

} // namespace

std::string writeFailureCause(const FileSystem& files, const std::string& path)
{
    if (!files.nativePath(path))
        return unreachable(files, path);
    if (const std::string missing = missingDrive(files, path); !missing.empty())
        return missing;
    if (files.exists(path) && !files.isFile(path))
        return "something other than a file stands there";
    return files.lastError().empty() ? "the system gave no reason" : files.lastError();
}

std::string folderFailureCause(const FileSystem& files, const std::string& path)
{
    if (!files.nativePath(path))
        return unreachable(files, path);
    if (const std::string missing = missingDrive(files, path); !missing.empty())
        return missing;
    if (files.exists(path) && !files.isDirectory(path))
        return "a file stands where the folder goes";
    return files.lastError().empty() ? "the system gave no reason" : files.lastError();
}

} // namespace cli
