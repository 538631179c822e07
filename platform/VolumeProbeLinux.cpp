// The file system of a device on Linux: udev knows it for every device it
// has seen (readable by any user); libblkid reads the device itself, which
// only works where the device can be opened.
#include "platform/VolumeProbe.h"

#include <blkid/blkid.h>
#include <libudev.h>
#include <sys/stat.h>

namespace {

std::string fromUdev(const std::string& device)
{
    struct stat st{};
    if (::stat(device.c_str(), &st) != 0 || !S_ISBLK(st.st_mode))
        return {};
    udev* context = udev_new();
    if (!context)
        return {};
    std::string type;
    if (udev_device* dev = udev_device_new_from_devnum(context, 'b', st.st_rdev)) {
        if (const char* value = udev_device_get_property_value(dev, "ID_FS_TYPE"))
            type = value;
        udev_device_unref(dev);
    }
    udev_unref(context);
    return type;
}

std::string fromBlkid(const std::string& device)
{
    blkid_probe probe = blkid_new_probe_from_filename(device.c_str());
    if (!probe)
        return {};
    std::string type;
    blkid_probe_enable_superblocks(probe, 1);
    blkid_probe_set_superblocks_flags(probe, BLKID_SUBLKS_TYPE);
    const char* value = nullptr;
    if (blkid_do_safeprobe(probe) == 0 && blkid_probe_lookup_value(probe, "TYPE", &value, nullptr) == 0 && value)
        type = value;
    blkid_free_probe(probe);
    return type;
}

} // namespace

namespace VolumeProbe {

std::string systemFileSystemType(const std::string& device)
{
    if (std::string type = fromUdev(device); !type.empty())
        return type;
    return fromBlkid(device);
}

} // namespace VolumeProbe
