#include "platform/FileSystem.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <linux/msdos_fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

constexpr const char* kDosAttributeName = "user.krt.dosattrib";
constexpr unsigned kDosOnlyBits = FileAttribute::Hidden | FileAttribute::System;
constexpr long kMsdosSuperMagic = 0x4d44;

bool statPath(const std::string& path, struct stat& st)
{
    return ::lstat(path.c_str(), &st) == 0;
}

bool hasNoWriteBits(const struct stat& st)
{
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

bool onFatVolume(const std::string& path)
{
    struct statfs fs{};
    return ::statfs(path.c_str(), &fs) == 0 && static_cast<long>(fs.f_type) == kMsdosSuperMagic;
}

unsigned readDosBits(const std::string& path)
{
    if (onFatVolume(path)) {
        const int fd = ::open(path.c_str(), O_RDONLY);
        if (fd < 0)
            return 0;
        __u32 attrs = 0;
        const int rc = ::ioctl(fd, FAT_IOCTL_GET_ATTRIBUTES, &attrs);
        ::close(fd);
        return rc == 0 ? (attrs & kDosOnlyBits) : 0;
    }
    char buf[16] = {};
    const ssize_t n = ::getxattr(path.c_str(), kDosAttributeName, buf, sizeof buf - 1);
    if (n <= 0)
        return 0;
    return static_cast<unsigned>(std::strtoul(buf, nullptr, 10)) & kDosOnlyBits;
}

void writeDosBits(const std::string& path, unsigned bits)
{
    bits &= kDosOnlyBits;
    if (onFatVolume(path)) {
        const int fd = ::open(path.c_str(), O_RDONLY);
        if (fd < 0)
            return;
        __u32 attrs = 0;
        if (::ioctl(fd, FAT_IOCTL_GET_ATTRIBUTES, &attrs) == 0) {
            attrs = (attrs & ~kDosOnlyBits) | bits;
            (void)::ioctl(fd, FAT_IOCTL_SET_ATTRIBUTES, &attrs);
        }
        ::close(fd);
        return;
    }
    if (bits == 0) {
        (void)::removexattr(path.c_str(), kDosAttributeName);
        return;
    }
    const std::string text = std::to_string(bits);
    (void)::setxattr(path.c_str(), kDosAttributeName, text.data(), text.size(), 0);
}

std::string parentOf(const std::string& path)
{
    const std::filesystem::path p(path);
    std::string parent = p.parent_path().string();
    return parent.empty() ? std::string(".") : parent;
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

} // namespace

FileSystem::FileSystem(const DriveMap& drives) : m_drives(drives) {}

std::optional<std::string> FileSystem::nativePath(std::string_view path) const
{
    std::optional<std::string> native = m_drives.toNative(path);
    // A trailing separator would make "E:\GSM\" and "E:\GSM" different names.
    while (native && native->size() > 1 && native->back() == '/')
        native->pop_back();
    return native;
}

bool FileSystem::exists(std::string_view path) const
{
    const auto native = nativePath(path);
    struct stat st{};
    return native && statPath(*native, st);
}

bool FileSystem::isDirectory(std::string_view path) const
{
    const auto native = nativePath(path);
    struct stat st{};
    return native && ::stat(native->c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool FileSystem::isFile(std::string_view path) const
{
    const auto native = nativePath(path);
    struct stat st{};
    return native && ::stat(native->c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool FileSystem::createDirectory(std::string_view path)
{
    const auto native = nativePath(path);
    return native && ::mkdir(native->c_str(), 0777) == 0;
}

bool FileSystem::removeDirectory(std::string_view path)
{
    const auto native = nativePath(path);
    return native && ::rmdir(native->c_str()) == 0;
}

std::vector<std::string> FileSystem::list(std::string_view path) const
{
    std::vector<std::string> names;
    const auto native = nativePath(path);
    if (!native)
        return names;
    DIR* dir = ::opendir(native->c_str());
    if (!dir)
        return names;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

bool FileSystem::deleteFile(std::string_view path)
{
    const auto native = nativePath(path);
    struct stat st{};
    if (!native || !statPath(*native, st) || S_ISDIR(st.st_mode) || hasNoWriteBits(st))
        return false;
    return ::unlink(native->c_str()) == 0;
}

bool FileSystem::rename(std::string_view from, std::string_view to)
{
    const auto src = nativePath(from);
    const auto dst = nativePath(to);
    struct stat st{};
    struct stat target{};
    if (!src || !dst || !statPath(*src, st) || statPath(*dst, target))
        return false;
    if (!S_ISDIR(st.st_mode) && hasNoWriteBits(st))
        return false;
    return ::rename(src->c_str(), dst->c_str()) == 0;
}

std::optional<std::string> FileSystem::readFile(std::string_view path) const
{
    const auto native = nativePath(path);
    if (!native)
        return std::nullopt;
    const int fd = ::open(native->c_str(), O_RDONLY);
    if (fd < 0)
        return std::nullopt;
    struct stat st{};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    std::string bytes;
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0)
            break;
        bytes.append(buf, static_cast<size_t>(n));
    }
    ::close(fd);
    return bytes;
}

bool FileSystem::writeFile(std::string_view path, std::string_view bytes)
{
    const auto native = nativePath(path);
    if (!native)
        return false;
    struct stat st{};
    const bool existed = statPath(*native, st);
    if (existed && (!S_ISREG(st.st_mode) || hasNoWriteBits(st)))
        return false;

    std::string tmpl = parentOf(*native) + "/.krt-XXXXXX";
    const int fd = ::mkstemp(tmpl.data());
    if (fd < 0)
        return false;
    const mode_t mode = existed ? (st.st_mode & 07777) : [] {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return static_cast<mode_t>(0666 & ~mask);
    }();
    const bool ok = writeAll(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    ::close(fd);
    // The hidden and system marks belong to the file, not to its bytes.
    const unsigned dosBits = existed ? readDosBits(*native) : 0;
    if (!ok || ::rename(tmpl.c_str(), native->c_str()) != 0) {
        ::unlink(tmpl.c_str());
        return false;
    }
    if (dosBits != 0)
        writeDosBits(*native, dosBits);
    return true;
}

std::optional<unsigned> FileSystem::attributes(std::string_view path) const
{
    const auto native = nativePath(path);
    struct stat st{};
    if (!native || ::stat(native->c_str(), &st) != 0)
        return std::nullopt;
    unsigned attrs = S_ISDIR(st.st_mode) ? FileAttribute::Directory : FileAttribute::Archive;
    if (hasNoWriteBits(st))
        attrs |= FileAttribute::ReadOnly;
    attrs |= readDosBits(*native);
    return attrs;
}

bool FileSystem::setAttributes(std::string_view path, unsigned attributes)
{
    const auto native = nativePath(path);
    struct stat st{};
    if (!native || ::stat(native->c_str(), &st) != 0)
        return false;
    mode_t mode = st.st_mode & 07777;
    if (attributes & FileAttribute::ReadOnly)
        mode &= ~static_cast<mode_t>(S_IWUSR | S_IWGRP | S_IWOTH);
    else if (hasNoWriteBits(st))
        mode |= S_IWUSR;
    if (mode != (st.st_mode & 07777) && ::chmod(native->c_str(), mode) != 0)
        return false;
    writeDosBits(*native, attributes);
    return true;
}

bool FileSystem::isReadOnly(std::string_view path) const
{
    const auto attrs = attributes(path);
    return attrs && (*attrs & FileAttribute::ReadOnly);
}
