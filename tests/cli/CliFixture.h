#pragma once

#include "TestDrives.h"
#include "cli/CliApp.h"
#include "platform/Clock.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

/// krt-cli run in-process over a temporary folder: drive C: (the PC's
/// folder with the backup copies) mapped through KRT_DRIVES, cards as
/// folders beside it, a fixed clock.
class CliFixture : public testing::Test
{
protected:
    CliFixture() : clock({2025, 6, 1, 8, 30, 0})
    {
        drives.addDrive('C');
        mapDrives("");
        ::setenv("KRT_REGISTRY_ROOT", (drives.base() / "registry").c_str(), 1);
        // The tool's own folder, which stands in as C: where KRT_DRIVES maps none.
        ::setenv("XDG_DATA_HOME", (drives.base() / "data").c_str(), 1);
    }
    ~CliFixture() override
    {
        ::unsetenv("KRT_DRIVES");
        ::unsetenv("KRT_REGISTRY_ROOT");
        ::unsetenv("XDG_DATA_HOME");
    }

    /// KRT_DRIVES: C: and the entries given ("E=/x;F=/y").
    void mapDrives(const std::string& more)
    {
        const std::string value = "C=" + drives.native('C', "").string() + (more.empty() ? "" : ";" + more);
        ::setenv("KRT_DRIVES", value.c_str(), 1);
    }

    int run(std::vector<std::string> args)
    {
        out.str({});
        err.str({});
        return runCli(args, out, err, clock);
    }
    /// A card: a folder beside the drives.
    std::filesystem::path card(const std::string& name)
    {
        const std::filesystem::path path = drives.base() / name;
        std::filesystem::create_directories(path);
        return path;
    }
    [[nodiscard]] std::filesystem::path backup(const std::string& file) const
    {
        return drives.native('C', "TavrinoxaBackup/" + file);
    }

    /// Every file below the test's folder with its bytes.
    [[nodiscard]] std::map<std::string, std::string> snapshot() const
    {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(drives.base())) {
            const std::string name = entry.path().lexically_relative(drives.base()).string();
            files[name] =
                entry.is_regular_file() ? TestDrives::readText(entry.path()) : std::string("<folder>");
        }
        return files;
    }

    TestDrives drives;
    FixedClock clock;
    std::ostringstream out;
    std::ostringstream err;
};
