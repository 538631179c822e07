#include "TestDrives.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

TestDrives::TestDrives()
{
    std::string tmpl = (fs::temp_directory_path() / "krt-test-XXXXXX").string();
    if (!::mkdtemp(tmpl.data()))
        throw std::runtime_error("cannot create a temporary folder");
    m_base = tmpl;
}

TestDrives::~TestDrives()
{
    std::error_code ec;
    // Read-only files left by a test must not keep their folder alive.
    for (auto it = fs::recursive_directory_iterator(m_base, ec); it != fs::recursive_directory_iterator();
         it.increment(ec))
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(m_base, ec);
}

fs::path TestDrives::addDrive(char letter, bool create)
{
    const fs::path dir = m_base / std::string(1, letter);
    if (create)
        fs::create_directories(dir);
    m_map.set(letter, dir.string());
    return dir;
}

fs::path TestDrives::native(char letter, const std::string& relative) const
{
    return m_base / std::string(1, letter) / relative;
}

void TestDrives::writeText(const fs::path& path, const std::string& bytes)
{
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string TestDrives::readText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}
