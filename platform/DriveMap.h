#pragma once

#include "platform/VolumeProbe.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// Maps the drive letters C: to Z: that the tool's logic speaks of to native
/// folders, and translates Windows-style paths ("E:\GSM\TQ270.TXT") into
/// native ones at the file-system boundary.
class DriveMap
{
public:
    static constexpr char kFirstLetter = 'C';
    static constexpr char kLastLetter = 'Z';

    DriveMap() = default;

    /// "C=/path;E=/media/me/CARD": the form of the KRT_DRIVES variable.
    /// Entries without a letter C..Z or without a path are left out, each
    /// with a line in `problems` when it is given.
    [[nodiscard]] static DriveMap fromVariable(std::string_view text, std::vector<std::string>* problems = nullptr);

    /// Mount points of the volumes in a /proc/self/mountinfo text that can be
    /// a camera's card: below /media/, /run/media/ or /mnt/, FAT or exFAT
    /// (also through FUSE: a "fuseblk" mount is what `probe` says its
    /// device holds), mounted writable; sorted, one per volume (the first
    /// mount point of a device and folder mounted more than once).
    [[nodiscard]] static std::vector<std::string>
    removableMountPoints(std::string_view mountinfo,
                         const VolumeTypeProbe& probe = VolumeProbe::systemFileSystemType);

    /// C: is the tool's own folder on the PC; D: onwards are the given
    /// volumes in order, as many as there are letters.
    [[nodiscard]] static DriveMap automatic(const std::string& driveC, const std::vector<std::string>& volumes);

    /// KRT_DRIVES when set, else the automatic map over
    /// $XDG_DATA_HOME/krt-config/drive_c (created) and /proc/self/mountinfo.
    /// C: always exists: KRT_DRIVES without one gets the tool's own folder,
    /// as the automatic map has it. What KRT_DRIVES holds that is no drive
    /// is in problems().
    [[nodiscard]] static DriveMap fromEnvironment();

    /// The entries of KRT_DRIVES that were left out, one line each, for the
    /// front end to report at start.
    [[nodiscard]] const std::vector<std::string>& problems() const { return m_problems; }

    void set(char letter, std::string nativeDir);

    /// For the automatic map only: volumes that are gone lose their letter,
    /// new ones take the first free letter from D:, and the others keep
    /// theirs, so a card put in while the tool runs shows up as one more
    /// drive. A map given by hand does not change.
    void rescan(const std::vector<std::string>& volumes);
    /// rescan() with the volumes mounted now.
    void rescanSystem();

    [[nodiscard]] std::optional<std::string> nativeRoot(char letter) const;

    /// The native path for a Windows-style path. A path without a drive
    /// letter is taken as native already; a letter that is not mapped gives
    /// nothing.
    [[nodiscard]] std::optional<std::string> toNative(std::string_view path) const;

    /// A root is usable when its folder exists and can be opened. The
    /// process's working directory is never changed to find out.
    [[nodiscard]] bool isUsable(char letter) const;

private:
    static int slot(char letter);

    std::array<std::string, kLastLetter - kFirstLetter + 1> m_roots;
    bool m_automatic = false;
    std::vector<std::string> m_problems;
};
