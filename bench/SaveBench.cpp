// A full SAVE of one parameter set (backup copy, then card file) into a
// temporary folder, reporting how many times each save replaces a file.
#include "BenchDrives.h"
#include "context/AppContext.h"
#include "params/MainParaCore.h"
#include "platform/IniFile.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void fullSave(benchmark::State& state, const char* listEntry)
{
    BenchDrives drives;
    RecordingMessageService messages;
    FixedClock clock({2024, 3, 5, 14, 7, 9});
    AppContext context(drives.map, RegistryStore((drives.base / "registry").string()), messages, clock);
    MainParaCore core(context, listEntry);
    core.Mng_CurModSaveInfoSet();
    core.setSaveTarget("E:\\" + core.fileTexts().relativeCardPath);
    core.Mng_AllParaSetDefault();
    core.customerInfo() = {"+49 170 1234567", "", "", "", "me@example.org", "", "", ""};
    context.records().networkParameters.fields[NetworkParameters::MmsUrl] = "http://mms.example.org";

    int second = 0;
    const unsigned long before = IniFile::fileWrites();
    for (auto _ : state) {
        // A new second each time, as between real saves: the stamped clock
        // changes, so both files really are rewritten.
        clock.set({2024, 3, 5, 14, 7, second++ % 60});
        core.Mng_AllPara(MainParaCore::kWrite, MainParaCore::kBackupCopy);
        if (core.Mng_AllPara(MainParaCore::kWrite, MainParaCore::kCardFile) != 1)
            state.SkipWithError("save failed");
    }
    state.counters["fileWritesPerSave"] = benchmark::Counter(
        static_cast<double>(IniFile::fileWrites() - before) / static_cast<double>(state.iterations()));
}

} // namespace

BENCHMARK_CAPTURE(fullSave, TQ270, "TQ270")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(fullSave, TQ480_E, "TQ480-E")->Unit(benchmark::kMicrosecond);
