// Hidden and system bits on Linux: the FAT driver's own attribute ioctls on a
// FAT volume (a real card), an extended attribute elsewhere, so tests on any
// file system see them.
#include "platform/DosAttributes.h"

#include <cstdlib>
#include <fcntl.h>
#include <linux/msdos_fs.h>
#include <string>
#include <sys/ioctl.h>
#include <sys/statfs.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

constexpr const char* kDosAttributeName = "user.krt.dosattrib";
constexpr long kMsdosSuperMagic = 0x4d44;

bool onFatVolume(const std::string& path)
{
    struct statfs fs{};
    return ::statfs(path.c_str(), &fs) == 0 && static_cast<long>(fs.f_type) == kMsdosSuperMagic;
}

} // namespace

namespace DosAttributes {

unsigned read(const std::string& path)
{
    if (onFatVolume(path)) {
        const int fd = ::open(path.c_str(), O_RDONLY);
        if (fd < 0)
            return 0;
        __u32 attrs = 0;
        const int rc = ::ioctl(fd, FAT_IOCTL_GET_ATTRIBUTES, &attrs);
        ::close(fd);
        return rc == 0 ? (attrs & kBits) : 0;
    }
    char buf[16] = {};
    const ssize_t n = ::lgetxattr(path.c_str(), kDosAttributeName, buf, sizeof buf - 1);
    if (n <= 0)
        return 0;
    return static_cast<unsigned>(std::strtoul(buf, nullptr, 10)) & kBits;
}

void write(const std::string& path, unsigned bits)
{
    bits &= kBits;
    if (onFatVolume(path)) {
        const int fd = ::open(path.c_str(), O_RDONLY);
        if (fd < 0)
            return;
        __u32 attrs = 0;
        if (::ioctl(fd, FAT_IOCTL_GET_ATTRIBUTES, &attrs) == 0) {
            attrs = (attrs & ~kBits) | bits;
            (void)::ioctl(fd, FAT_IOCTL_SET_ATTRIBUTES, &attrs);
        }
        ::close(fd);
        return;
    }
    if (bits == 0) {
        (void)::lremovexattr(path.c_str(), kDosAttributeName);
        return;
    }
    const std::string text = std::to_string(bits);
    (void)::lsetxattr(path.c_str(), kDosAttributeName, text.data(), text.size(), 0);
}

} // namespace DosAttributes
