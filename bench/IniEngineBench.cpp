// The INI engine against a hostile card file: 100,000 junk lines (10 MB) in
// the section a save adds its keys to. Load = parse and every read of a
// load; save = every write of a save and the bytes of the new file. Also the
// whole file round trip, from disk and back, of a file at the size limit.
#include "BenchDrives.h"
#include "context/AppContext.h"
#include "params/MainParaCore.h"
#include "platform/FileSystem.h"
#include "platform/IniDocument.h"
#include "platform/IniFile.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct KeyValue
{
    std::string section;
    std::string key;
    std::string value;
};

// The keys and values a real SAVE of a TQ270 writes, in its order.
const std::vector<KeyValue>& saveWrites()
{
    static const std::vector<KeyValue> writes = [] {
        BenchDrives drives;
        RecordingMessageService messages;
        FixedClock clock({2024, 3, 5, 14, 7, 9});
        AppContext context(drives.map, RegistryStore((drives.base / "registry").string()), messages, clock);
        MainParaCore core(context, "TQ270");
        core.Mng_CurModSaveInfoSet();
        core.setSaveTarget("E:\\" + core.fileTexts().relativeCardPath);
        core.Mng_AllParaSetDefault();
        core.customerInfo() = {"+49 170 1234567", "", "", "", "me@example.org", "", "", ""};
        core.Mng_AllPara(MainParaCore::kWrite, MainParaCore::kBackupCopy);
        if (core.Mng_AllPara(MainParaCore::kWrite, MainParaCore::kCardFile) != 1)
            std::abort();
        std::ifstream in(drives.base / "E" / "GSM" / core.fileTexts().fileName, std::ios::binary);
        std::vector<KeyValue> out;
        std::string section;
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (!line.empty() && line.front() == '[')
                section = line.substr(1, line.find(']') - 1);
            else if (const auto eq = line.find('='); eq != std::string::npos)
                out.push_back({section, line.substr(0, eq), line.substr(eq + 1) + "1"});
        }
        return out;
    }();
    return writes;
}

// A card file whose customer section holds `junkLines` lines of 100 bytes
// before any of the keys a save writes there.
std::string hostileCardFile(int junkLines)
{
    std::string text = "[KRTFileMark]\r\nModel=TQ270\r\n[Receive number and receive email]\r\n";
    text.reserve(text.size() + static_cast<std::size_t>(junkLines) * 100);
    for (int i = 0; i < junkLines; ++i) {
        std::string line = "junk" + std::to_string(i) + "=";
        line.append(98 - line.size(), 'x');
        text += line + "\r\n";
    }
    return text;
}

void hostileLoad(benchmark::State& state)
{
    const std::string text = hostileCardFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const IniDocument doc(text);
        for (const KeyValue& w : saveWrites())
            benchmark::DoNotOptimize(doc.read(w.section, w.key, "", 128));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}

void hostileSave(benchmark::State& state)
{
    const std::string text = hostileCardFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        IniDocument doc(text);
        state.ResumeTiming();
        for (const KeyValue& w : saveWrites())
            benchmark::DoNotOptimize(doc.write(w.section, w.key, w.value));
        benchmark::DoNotOptimize(doc.bytes());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}

// Through the file system: open a card file at the size limit, read what a
// load reads, write what a save writes and put the file on disk (with its
// flushes).
void fileAtTheLimit(benchmark::State& state)
{
    BenchDrives drives;
    FileSystem files(drives.map);
    const std::string text = hostileCardFile(static_cast<int>(IniFile::kMaxFileBytes / 100) - 1);
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::ofstream(drives.base / "E" / "TQ270.TXT", std::ios::binary | std::ios::trunc) << text;
        state.ResumeTiming();
        IniFile file(files, "E:\\TQ270.TXT");
        for (const KeyValue& w : saveWrites())
            benchmark::DoNotOptimize(file.read(w.section, w.key, "", 128));
        for (const KeyValue& w : saveWrites())
            file.write(w.section, w.key, w.value + std::to_string(round));
        if (!file.save())
            state.SkipWithError("save failed");
        ++round;
    }
    state.counters["fileBytes"] = static_cast<double>(text.size());
}

} // namespace

BENCHMARK(hostileLoad)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(hostileSave)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(fileAtTheLimit)->Unit(benchmark::kMillisecond);
