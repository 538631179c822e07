#pragma once

#include "platform/DriveMap.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// Windows file attribute bits, as the tool's logic reads and sets them.
namespace FileAttribute {
inline constexpr unsigned ReadOnly = 0x01;
inline constexpr unsigned Hidden = 0x02;
inline constexpr unsigned System = 0x04;
inline constexpr unsigned Directory = 0x10;
inline constexpr unsigned Archive = 0x20;
inline constexpr unsigned Normal = 0x80;
} // namespace FileAttribute

/// Every file operation of the tool. Paths are Windows-style paths over the
/// drive map ("E:\GSM\TQ270.TXT") or native paths.
///
/// The read-only attribute is "no write permission bit" and is enforced here,
/// so delete, rename and write of a read-only file fail even for root, as
/// they do on Windows.
class FileSystem
{
public:
    explicit FileSystem(const DriveMap& drives);

    [[nodiscard]] const DriveMap& drives() const { return m_drives; }
    /// The native path, or nothing when the letter is not mapped or the path
    /// leaves the folder its letter stands for (through a link or "..").
    [[nodiscard]] std::optional<std::string> nativePath(std::string_view path) const;

    [[nodiscard]] bool exists(std::string_view path) const;
    [[nodiscard]] bool isDirectory(std::string_view path) const;
    [[nodiscard]] bool isFile(std::string_view path) const;

    /// One level, as CreateDirectory: fails when the parent is missing or the
    /// name exists already.
    bool createDirectory(std::string_view path);
    /// Only an empty folder is removed.
    bool removeDirectory(std::string_view path);
    /// Names of the entries of a folder, sorted; empty when it cannot be read.
    [[nodiscard]] std::vector<std::string> list(std::string_view path) const;

    bool deleteFile(std::string_view path);
    /// Fails when the target exists or the source is read-only.
    bool rename(std::string_view from, std::string_view to);
    /// Puts `from` in the place of `to` in one step, so `to` is either the
    /// old file or the new one. Fails when `to` is read-only or not a file.
    bool replace(std::string_view from, std::string_view to);

    /// The bytes of a regular file of at most `maxBytes` bytes; nothing for
    /// a larger file (which is not read), a link, a FIFO or a device.
    [[nodiscard]] std::optional<std::string> readFile(std::string_view path,
                                                      std::size_t maxBytes = static_cast<std::size_t>(-1)) const;
    /// The first `maxBytes` bytes of a regular file of any size (all of a
    /// shorter one); nothing for a link, a FIFO or a device.
    [[nodiscard]] std::optional<std::string> readFileHead(std::string_view path, std::size_t maxBytes) const;
    /// Replaces the file in one step: a hidden temporary file in the same
    /// folder is written, flushed and renamed over the old one, and the
    /// folder is flushed, so an interrupted write leaves the old file or the
    /// new one. Fails when the folder is missing, something other than a
    /// regular file stands at the path, or the file is read-only.
    bool writeFile(std::string_view path, std::string_view bytes);
    /// Whether writeFile() may replace what stands at the path: nothing, or
    /// a regular file without the read-only mark. False sets lastError().
    [[nodiscard]] bool canReplace(std::string_view path) const;
    /// Removes the temporary files that writes killed midway left in a folder.
    void removeSaveTemporaries(std::string_view folder);

    /// True when both paths name the same file (one volume reachable under
    /// two letters, a bind mount).
    [[nodiscard]] bool isSameFile(std::string_view a, std::string_view b) const;

    /// Attribute bits, or nothing when the path does not exist.
    [[nodiscard]] std::optional<unsigned> attributes(std::string_view path) const;
    /// Read-only maps to the permission bits; hidden and system go to the FAT
    /// attribute ioctls on FAT volumes and to the extended attribute
    /// user.krt.dosattrib elsewhere (silently dropped where neither works).
    /// A link is refused: its target may lie off the drive.
    bool setAttributes(std::string_view path, unsigned attributes);

    [[nodiscard]] bool isReadOnly(std::string_view path) const;

    /// True for a symbolic link itself (links are never followed into).
    [[nodiscard]] bool isSymbolicLink(std::string_view path) const;
    /// Lets the owner run the file (a staged program).
    bool setExecutable(std::string_view path);

    /// Bytes free for this process on the volume that holds the path (a
    /// folder or a file), or nothing when it cannot be told.
    [[nodiscard]] std::optional<std::uintmax_t> freeSpace(std::string_view path) const;

    /// Why the last write, delete, rename or folder creation that failed
    /// failed, in words a user can act on ("No space left on device", "the
    /// file is read-only").
    [[nodiscard]] const std::string& lastError() const { return m_lastError; }

private:
    bool fail(std::string reason) const;
    bool failWithErrno() const;
    std::optional<std::string> nativeOrFail(std::string_view path) const;

    const DriveMap& m_drives;
    mutable std::string m_lastError;
};
