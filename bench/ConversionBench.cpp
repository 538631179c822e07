// The game-call conversion of a 10-second MP3 through RunConversion, side by
// side with the same FFmpeg command run directly, and the staging of the
// conversion program.
#include "BenchDrives.h"
#include "audio/ConversionJob.h"
#include "audio/ConversionTool.h"
#include "audio/GameCallAudio.h"
#include "context/AppContext.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

int spawnAndWait(std::vector<std::string> args)
{
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int rc = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0)
        return -1;
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct ConversionSetup
{
    ConversionSetup()
        : clock({2025, 6, 1, 8, 30, 0}),
          context(drives.map, RegistryStore((drives.base / "registry").string()), messages, clock),
          tool(context.files(), messages, ConversionTool::findProgram()), audio(context, tool)
    {
        source = (drives.base / "ten-seconds.mp3").string();
        spawnAndWait({ConversionTool::findProgram(), "-f", "lavfi", "-i", "sine=frequency=440:duration=10", source});
        tool.startStaging();
        tool.waitUntilStaged();
    }

    BenchDrives drives;
    RecordingMessageService messages;
    FixedClock clock;
    AppContext context;
    ConversionTool tool;
    GameCallAudio audio;
    std::string source;
};

void runConversion(benchmark::State& state)
{
    ConversionSetup setup;
    if (setup.tool.stagedProgram().empty() || ConversionTool::findProgram().empty()) {
        state.SkipWithError("no ffmpeg");
        return;
    }
    for (auto _ : state) {
        if (setup.audio.RunConversion(setup.source, "E:\\ADUI0001.WAV") != 1)
            state.SkipWithError("conversion failed");
    }
}

void directFfmpeg(benchmark::State& state)
{
    ConversionSetup setup;
    const std::string target = (setup.drives.base / "E" / "DIRECT.WAV").string();
    for (auto _ : state) {
        std::remove(target.c_str());
        if (spawnAndWait({setup.tool.stagedProgram(), "-i", setup.source, "-ac", "1", "-ar", "22050", "-acodec",
                          "pcm_u8", "-map_metadata", "-1", "-fflags", "+bitexact", target}) != 0)
            state.SkipWithError("ffmpeg failed");
    }
}

void staging(benchmark::State& state)
{
    ConversionSetup setup;
    for (auto _ : state) {
        setup.tool.startStaging();
        if (!setup.tool.waitUntilStaged())
            state.SkipWithError("staging failed");
    }
}

} // namespace

BENCHMARK(runConversion)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(directFfmpeg)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(staging)->Unit(benchmark::kMillisecond)->UseRealTime();
