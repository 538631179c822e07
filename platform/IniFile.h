#pragma once

#include "platform/IniDocument.h"

#include <cstddef>
#include <string>
#include <string_view>

class FileSystem;

/// A parameter file opened for a batch of reads and writes: loaded once,
/// changed in memory, and replaced on disk in one step by save().
class IniFile
{
public:
    /// A parameter file is about a kilobyte; a larger file at its path is
    /// no parameter file and is read as an empty one, without loading it.
    static constexpr std::size_t kMaxFileBytes = std::size_t{1} << 20;

    IniFile(FileSystem& fs, std::string path);
    /// A document held in memory only (an encoded file's text): it is
    /// never saved, its bytes() are taken instead.
    explicit IniFile(std::string_view bytes);

    [[nodiscard]] const std::string& path() const { return m_path; }

    [[nodiscard]] std::string read(std::string_view section, std::string_view key, std::string_view defaultValue,
                                   std::size_t bufferSize) const;
    void write(std::string_view section, std::string_view key, std::string_view value);
    [[nodiscard]] std::string readVerbatim(std::string_view section, std::string_view key,
                                           std::size_t bufferSize) const;
    void writeVerbatim(std::string_view section, std::string_view key, std::string_view value);
    /// The text as the writes left it.
    [[nodiscard]] std::string bytes() const { return m_doc.bytes(); }
    /// False when a write was refused (a line break or NUL in a name or value).
    [[nodiscard]] bool allWritesTaken() const { return !m_refused; }

    /// Puts the writes on disk. Nothing is written when no byte changed.
    /// Fails, leaving the old file whole, when a write was refused (a line
    /// break or NUL in a name or value), the folder is missing, the file is
    /// read-only or the write does not complete. Succeeds without
    /// touching anything when nothing was written.
    bool save();

    /// The per-call forms: one key read or written straight from or to disk.
    [[nodiscard]] static std::string readKey(const FileSystem& fs, std::string_view path, std::string_view section,
                                             std::string_view key, std::string_view defaultValue,
                                             std::size_t bufferSize);
    static bool writeKey(FileSystem& fs, std::string_view path, std::string_view section, std::string_view key,
                         std::string_view value);

    /// How many times save() has replaced a file on disk in this process;
    /// the benchmark reports it.
    [[nodiscard]] static unsigned long fileWrites();

private:
    FileSystem* m_fs = nullptr;
    std::string m_path;
    std::string m_original;
    IniDocument m_doc;
    bool m_written = false;
    bool m_refused = false;
};
