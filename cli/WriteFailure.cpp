#include "cli/WriteFailure.h"

#include "platform/FileSystem.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace cli {

namespace {

namespace fs = std::filesystem;

/// What the system says to a write of `bytes` bytes into a new file of the
/// folder, which is removed again; nothing when that write works.
std::string systemAnswer(const std::string& folder, std::size_t bytes)
{
    std::string name = folder + "/.krt-cli-check-XXXXXX";
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        return std::strerror(errno);
    std::string answer;
    const std::string block(4096, '\0');
    for (std::size_t left = bytes; left > 0 && answer.empty();) {
        const ssize_t n = ::write(fd, block.data(), std::min(left, block.size()));
        if (n < 0)
            answer = std::strerror(errno);
        else
            left -= static_cast<std::size_t>(n);
    }
    if (answer.empty() && ::fsync(fd) != 0)
        answer = std::strerror(errno);
    ::close(fd);
    ::unlink(name.c_str());
    return answer;
}

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

std::string nativeFolderOf(const FileSystem& files, const std::string& path)
{
    const auto native = files.nativePath(path);
    const std::string folder = native ? fs::path(*native).parent_path().string() : std::string();
    return folder.empty() ? std::string(".") : folder;
}

} // namespace

std::string writeFailureCause(const FileSystem& files, const std::string& path, std::size_t bytes)
{
    if (!files.nativePath(path))
        return unreachable(files, path);
    if (const std::string missing = missingDrive(files, path); !missing.empty())
        return missing;
    if (files.exists(path) && !files.isFile(path))
        return "something other than a file stands there";
    if (files.isReadOnly(path))
        return "the file is read-only";
    const std::string answer = systemAnswer(nativeFolderOf(files, path), bytes);
    return answer.empty() ? "the system gave no reason" : answer;
}

std::string folderFailureCause(const FileSystem& files, const std::string& path)
{
    if (!files.nativePath(path))
        return unreachable(files, path);
    if (const std::string missing = missingDrive(files, path); !missing.empty())
        return missing;
    if (files.exists(path))
        return "a file stands where the folder goes";
    const std::string answer = systemAnswer(nativeFolderOf(files, path), 1);
    return answer.empty() ? "the system gave no reason" : answer;
}

} // namespace cli
