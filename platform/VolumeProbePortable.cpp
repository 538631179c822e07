// Systems without udev or libblkid tell nothing about a device: a FUSE mount
// there gets no drive letter, as an unknown file system never does.
#include "platform/VolumeProbe.h"

namespace VolumeProbe {

std::string systemFileSystemType(const std::string&)
{
    return {};
}

} // namespace VolumeProbe
