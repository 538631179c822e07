#pragma once

#include "platform/DriveMap.h"

#include <filesystem>
#include <string>

/// A temporary folder per test with one subfolder per drive letter; nothing
/// outside it is touched. Removed with its content at the end.
class TestDrives
{
public:
    TestDrives();
    ~TestDrives();
    TestDrives(const TestDrives&) = delete;
    TestDrives& operator=(const TestDrives&) = delete;

    [[nodiscard]] const std::filesystem::path& base() const { return m_base; }
    /// Creates the folder of the letter (when asked) and maps the letter to it.
    std::filesystem::path addDrive(char letter, bool create = true);
    /// Native path of a file on a drive, e.g. native('E', "GSM/TQ270.TXT").
    [[nodiscard]] std::filesystem::path native(char letter, const std::string& relative) const;
    [[nodiscard]] const DriveMap& map() const { return m_map; }
    [[nodiscard]] DriveMap& map() { return m_map; }

    static void writeText(const std::filesystem::path& path, const std::string& bytes);
    [[nodiscard]] static std::string readText(const std::filesystem::path& path);

private:
    std::filesystem::path m_base;
    DriveMap m_map;
};
