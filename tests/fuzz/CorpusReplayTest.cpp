#include "TestDrives.h"
#include "fuzz/FuzzTargets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using FuzzTarget = FuzzFindings (*)(const std::uint8_t*, std::size_t);

struct Target
{
    const char* corpus; // folder under fuzz/corpus
    FuzzTarget run;
};

void PrintTo(const Target& t, std::ostream* os)
{
    *os << t.corpus;
}

class CorpusReplayTest : public testing::TestWithParam<Target>
{
};

// The seed files and every crash the fuzzers found go through the same
// entry points as under libFuzzer, here with the ordinary compiler.
TEST_P(CorpusReplayTest, EveryFilePassesTheTargetsChecks)
{
    const fs::path dir = fs::path(KRT_FUZZ_CORPUS_DIR) / GetParam().corpus;
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(dir))
        files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    ASSERT_FALSE(files.empty()) << "no corpus in " << dir;

    for (const fs::path& file : files) {
        const std::string bytes = TestDrives::readText(file);
        const FuzzFindings findings =
            GetParam().run(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        EXPECT_TRUE(findings.empty()) << file.filename() << ": " << testing::PrintToString(findings);
    }
}

INSTANTIATE_TEST_SUITE_P(Fuzz, CorpusReplayTest,
                         testing::Values(Target{"ini_engine", fuzzIniEngine},
                                         Target{"load_path", fuzzLoadPath}),
                         [](const testing::TestParamInfo<Target>& info) {
                             return std::string(info.param.corpus);
                         });

} // namespace
