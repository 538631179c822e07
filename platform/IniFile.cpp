#include "platform/IniFile.h"

#include "platform/FileSystem.h"

#include <atomic>

namespace {
std::atomic<unsigned long> g_fileWrites{0};
}

IniFile::IniFile(FileSystem& fs, std::string path) : m_fs(&fs), m_path(std::move(path))
{
    if (auto bytes = m_fs->readFile(m_path, kMaxFileBytes))
        m_original = std::move(*bytes);
    m_doc = IniDocument(m_original);
}

IniFile::IniFile(std::string_view bytes) : m_original(bytes), m_doc(bytes) {}

std::string IniFile::readVerbatim(std::string_view section, std::string_view key, std::size_t bufferSize) const
{
    return m_doc.readVerbatim(section, key, bufferSize);
}

void IniFile::writeVerbatim(std::string_view section, std::string_view key, std::string_view value)
{
    if (!m_doc.writeVerbatim(section, key, value))
        m_refused = true;
    m_written = true;
}

std::string IniFile::read(std::string_view section, std::string_view key, std::string_view defaultValue,
                          std::size_t bufferSize) const
{
    return m_doc.read(section, key, defaultValue, bufferSize);
}

void IniFile::write(std::string_view section, std::string_view key, std::string_view value)
{
    if (!m_doc.write(section, key, value))
        m_refused = true;
    m_written = true;
}

bool IniFile::save()
{
    // One refused key makes the whole batch fail: a file with some keys of
    // the save and not others is not what the user saved.
    if (m_refused)
        return false;
    if (!m_written)
        return true;
    if (!m_fs || !m_fs->canReplace(m_path))
        return false;
    const std::string bytes = m_doc.bytes();
    if (bytes == m_original && m_fs->isFile(m_path))
        return true;
    if (!m_fs->writeFile(m_path, bytes))
        return false;
    ++g_fileWrites;
    m_original = bytes;
    return true;
}

std::string IniFile::readKey(const FileSystem& fs, std::string_view path, std::string_view section,
                             std::string_view key, std::string_view defaultValue, std::size_t bufferSize)
{
    const auto bytes = fs.readFile(path, kMaxFileBytes);
    return IniDocument(bytes ? *bytes : std::string_view{}).read(section, key, defaultValue, bufferSize);
}

bool IniFile::writeKey(FileSystem& fs, std::string_view path, std::string_view section, std::string_view key,
                       std::string_view value)
{
    IniFile file(fs, std::string(path));
    file.write(section, key, value);
    return file.save();
}

unsigned long IniFile::fileWrites()
{
    return g_fileWrites.load();
}
