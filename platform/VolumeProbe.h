#pragma once

#include <functional>
#include <string>

/// What file system a block device holds ("exfat", "vfat", "ntfs"), from
/// the system's own records; empty when they do not say. A FUSE mount shows
/// only "fuseblk" in the mount table, so this is how an exFAT card mounted
/// through FUSE is told from an NTFS disk.
using VolumeTypeProbe = std::function<std::string(const std::string& device)>;

namespace VolumeProbe {

/// The system's answer: the udev database's ID_FS_TYPE, else, where the
/// device can be read, libblkid's probe of it. The one system-specific
/// part; the build compiles the implementation that fits the system.
[[nodiscard]] std::string systemFileSystemType(const std::string& device);

} // namespace VolumeProbe
