#pragma once

#include "platform/DriveMap.h"

#include <cstdlib>
#include <filesystem>
#include <string>

/// A temporary folder with drives C: and E:, removed at the end.
struct BenchDrives
{
    BenchDrives()
    {
        std::string tmpl = (std::filesystem::temp_directory_path() / "krt-bench-XXXXXX").string();
        if (!::mkdtemp(tmpl.data()))
            std::abort();
        base = tmpl;
        std::filesystem::create_directories(base / "C");
        std::filesystem::create_directories(base / "E");
        map.set('C', (base / "C").string());
        map.set('E', (base / "E").string());
    }
    ~BenchDrives() { std::filesystem::remove_all(base); }
    BenchDrives(const BenchDrives&) = delete;
    BenchDrives& operator=(const BenchDrives&) = delete;

    std::filesystem::path base;
    DriveMap map;
};
