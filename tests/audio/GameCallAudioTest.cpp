#include "TestDrives.h"
#include "audio/ConversionTool.h"
#include "audio/GameCallAudio.h"
#include "audio/GameCallWav.h"
#include "camera/CameraDefaults.h"
#include "context/AppContext.h"
#include "models/ModelCatalogue.h"
#include "params/MainParaCore.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <future>
#include <spawn.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <thread>

extern char** environ;

namespace fs = std::filesystem;

namespace {

// Runs the conversion program directly, to make the test inputs.
bool runFfmpeg(std::vector<std::string> args)
{
    const std::string program = ConversionTool::findProgram();
    args.insert(args.begin(), {program, "-nostdin", "-loglevel", "error", "-y"});
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (program.empty() || ::posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
        return false;
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::uint32_t le32(const std::string& b, std::size_t at)
{
    std::uint32_t v = 0;
    std::memcpy(&v, b.data() + at, 4);
    return v;
}
std::uint16_t le16(const std::string& b, std::size_t at)
{
    std::uint16_t v = 0;
    std::memcpy(&v, b.data() + at, 2);
    return v;
}

class GameCallAudioTest : public testing::Test
{
protected:
    GameCallAudioTest() : clock({2025, 6, 1, 8, 30, 0})
    {
        drives.addDrive('C');
        drives.addDrive('E');
        context.emplace(drives.map(), RegistryStore((drives.base() / "registry").string()), messages, clock);
        tool = std::make_unique<ConversionTool>(context->files(), messages, ConversionTool::findProgram());
        audio = std::make_unique<GameCallAudio>(*context, *tool);
    }

    void SetUp() override
    {
        if (ConversionTool::findProgram().empty())
            GTEST_SKIP() << "no ffmpeg on this machine";
    }

    /// A one-second tone in the given format, under `name` in the test folder.
    fs::path tone(const std::string& name)
    {
        const fs::path path = drives.base() / "sounds" / name;
        fs::create_directories(path.parent_path());
        EXPECT_TRUE(runFfmpeg({"-f", "lavfi", "-i", "sine=frequency=440:duration=1", path.string()}));
        return path;
    }

    int place(const fs::path& source)
    {
        context->records().gameCallAudioPath = source.string();
        return audio->PlaceGameCallAudio("E:\\GSM\\TQ270.TXT");
    }

    [[nodiscard]] fs::path sound() const { return drives.native('E', "DCIM/100KRTIM/ADUI0001.WAV"); }

    TestDrives drives;
    RecordingMessageService messages;
    FixedClock clock;
    std::optional<AppContext> context;
    std::unique_ptr<ConversionTool> tool;
    std::unique_ptr<GameCallAudio> audio;
};

// The cameras read WAV simply: the canonical 44-byte header and nothing else.
TEST_F(GameCallAudioTest, EveryInputFormatGivesTheCameraFormat)
{
    tool->startStaging();
    for (const char* name : {"call.mp3", "call.wav", "call.aac"}) {
        const fs::path source = tone(name);
        ASSERT_EQ(place(source), 1) << name;
        const std::string wav = TestDrives::readText(sound());
        ASSERT_GT(wav.size(), 44u) << name;
        EXPECT_EQ(wav.substr(0, 4), "RIFF") << name;
        EXPECT_EQ(le32(wav, 4), wav.size() - 8) << name;
        EXPECT_EQ(wav.substr(8, 8), "WAVEfmt ") << name;
        EXPECT_EQ(le32(wav, 16), 16u) << name;
        EXPECT_EQ(le16(wav, 20), 1u) << name << ": PCM";
        EXPECT_EQ(le16(wav, 22), 1u) << name << ": mono";
        EXPECT_EQ(le32(wav, 24), 22050u) << name;
        EXPECT_EQ(le32(wav, 28), 22050u) << name << ": byte rate";
        EXPECT_EQ(le16(wav, 32), 1u) << name << ": block align";
        EXPECT_EQ(le16(wav, 34), 8u) << name << ": bits";
        EXPECT_EQ(wav.substr(36, 4), "data") << name;
        EXPECT_EQ(le32(wav, 40), wav.size() - 44) << name;
    }
    EXPECT_TRUE(messages.shown().empty()) << "no DCIM folder: created without a question";
}

// The web page writes the camera's file itself: it must be the file the
// desktop's conversion makes, header and samples alike.
TEST_F(GameCallAudioTest, TheWebPagesFileIsTheConversionsFile)
{
    tool->startStaging();
    ASSERT_EQ(place(tone("call.wav")), 1);
    const std::string converted = TestDrives::readText(sound());
    ASSERT_GT(converted.size(), GameCallWav::kHeaderSize);
    const std::string samples = converted.substr(GameCallWav::kHeaderSize);
    const std::vector<std::uint8_t> bytes(samples.begin(), samples.end());
    EXPECT_EQ(GameCallWav::fileBytes(bytes), converted);
}

// The user's path reaches the program as one argument: nothing in it is run.
TEST_F(GameCallAudioTest, APathFullOfShellCharactersIsJustAFileName)
{
    tool->startStaging();
    const fs::path source = tone("it's \"my\" $(touch x) `touch y` ; %VAR% caf\xC3\xA9 \xE9.mp3");
    const fs::path before = fs::current_path();
    fs::current_path(drives.base());
    const int placed = place(source);
    fs::current_path(before);
    EXPECT_EQ(placed, 1);
    EXPECT_TRUE(fs::exists(sound()));
    EXPECT_FALSE(fs::exists(drives.base() / "x"));
    EXPECT_FALSE(fs::exists(drives.base() / "y"));

    const std::string command = TestDrives::readText(drives.native('C', "KRT_TEMP/_[krttmp]_.bat"));
    EXPECT_EQ(command.find('\n'), std::string::npos) << "one line, nothing after it";
    EXPECT_NE(command.find(" -ac 1 -ar 22050 -acodec pcm_u8 -map_metadata -1 -fflags +bitexact "), std::string::npos);
    EXPECT_NE(command.find(source.string()), std::string::npos);
}

TEST_F(GameCallAudioTest, TheCommandFileIsReplacedNotAppended)
{
    tool->startStaging();
    ASSERT_EQ(place(tone("first.wav")), 1);
    ASSERT_EQ(place(tone("second.wav")), 1);
    const std::string command = TestDrives::readText(drives.native('C', "KRT_TEMP/_[krttmp]_.bat"));
    EXPECT_EQ(command.find("first.wav"), std::string::npos);
    EXPECT_EQ(command.front(), '"');
    EXPECT_NE(command.find("second.wav"), std::string::npos);
}

// Counting a rejected conversion as done would tell the user the camera has
// its sound when it has none.
TEST_F(GameCallAudioTest, ARejectedSourceIsTransformFailedAndLeavesNothing)
{
    tool->startStaging();
    const fs::path junk = drives.base() / "junk.mp3";
    TestDrives::writeText(junk, std::string(4096, '\x5a'));
    EXPECT_EQ(place(junk), 0);
    EXPECT_FALSE(fs::exists(sound()));
    ASSERT_FALSE(messages.shown().empty());
    EXPECT_EQ(messages.shown().back().text, "Transform Failed.");
    EXPECT_EQ(messages.shown().back().title, MessageTitle::Application);
}

TEST_F(GameCallAudioTest, NoProgramIsTransformFailed)
{
    ConversionTool none(context->files(), messages, "");
    GameCallAudio withoutProgram(*context, none);
    none.startStaging();
    context->records().gameCallAudioPath = tone("call.wav").string();
    EXPECT_EQ(withoutProgram.PlaceGameCallAudio("E:\\GSM\\TQ270.TXT"), 0);
    EXPECT_EQ(messages.texts().back(), "Transform Failed.");
    EXPECT_EQ(messages.shown().back().detail, "no conversion program: ffmpeg is not installed");
}

TEST_F(GameCallAudioTest, CancelStopsTheProgramAndRemovesThePartialFile)
{
    tool->startStaging();
    const fs::path source = drives.base() / "long.wav";
    ASSERT_TRUE(runFfmpeg({"-f", "lavfi", "-i", "sine=frequency=440:duration=600", source.string()}));
    audio->setConversionRunner([](ConversionJob& job) {
        job.poll(50);
        job.cancel();
        return job.state();
    });
    EXPECT_EQ(place(source), 0);
    EXPECT_FALSE(fs::exists(sound()));
    EXPECT_TRUE(messages.shown().empty()) << "the user stopped it: nothing to report";
}

TEST_F(GameCallAudioTest, FirstPictureIsRenamedAfterTheQuestion)
{
    tool->startStaging();
    TestDrives::writeText(drives.native('E', "DCIM/100KRTIM/IMAG0001.JPG"), "jpeg");
    ASSERT_TRUE(context->files().setAttributes("E:\\DCIM\\100KRTIM\\IMAG0001.JPG", FileAttribute::ReadOnly));
    EXPECT_EQ(place(tone("call.wav")), 1);
    EXPECT_TRUE(fs::exists(drives.native('E', "DCIM/100KRTIM/IMAG0001_RenameForSaveAudioFile.JPG")));
    EXPECT_FALSE(fs::exists(drives.native('E', "DCIM/100KRTIM/IMAG0001.JPG")));
    EXPECT_TRUE(fs::exists(sound()));
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[0].text, "You must rename the existed \"IMAG0001.JPG\" and \"VIDE0001.AVI\" if you "
                                        "want to save the audio file ,continue ?");
    EXPECT_EQ(messages.shown()[0].title, MessageTitle::KrtTips);
    EXPECT_EQ(messages.shown()[1].text, "OK,audio file have been saved !");
}

TEST_F(GameCallAudioTest, DecliningTheRenamePlacesNothing)
{
    tool->startStaging();
    TestDrives::writeText(drives.native('E', "DCIM/100KRTIM/VIDE0001.AVI"), "avi");
    messages.answerNext(MessageAnswer::Cancel);
    EXPECT_EQ(place(tone("call.wav")), 1);
    EXPECT_EQ(messages.texts().back(), "You have given up saving audio file !");
    EXPECT_TRUE(fs::exists(drives.native('E', "DCIM/100KRTIM/VIDE0001.AVI")));
    EXPECT_FALSE(fs::exists(sound()));
}

TEST_F(GameCallAudioTest, AReadOnlySoundFromAnEarlierSaveIsReplaced)
{
    tool->startStaging();
    TestDrives::writeText(sound(), "old");
    ASSERT_TRUE(context->files().setAttributes("E:\\DCIM\\100KRTIM\\ADUI0001.WAV", FileAttribute::ReadOnly));
    EXPECT_EQ(place(tone("call.wav")), 1);
    EXPECT_NE(TestDrives::readText(sound()), "old");
    EXPECT_TRUE(messages.shown().empty());
}

// The card's sound goes only once the new one is complete: every way a
// conversion can fail leaves the camera the sound it had, and nothing else.
TEST_F(GameCallAudioTest, AFailedConversionLeavesTheOldSound)
{
    tool->startStaging();
    const fs::path junk = drives.base() / "junk.mp3";
    TestDrives::writeText(junk, std::string(4096, '\x5a'));
    const fs::path longTone = drives.base() / "long.wav";
    ASSERT_TRUE(runFfmpeg({"-f", "lavfi", "-i", "sine=frequency=440:duration=600", longTone.string()}));
    struct Case
    {
        const char* what;
        fs::path source;
        bool cancel;
        std::uintmax_t free;
        const char* detail;
    } const cases[] = {
        {"not a sound", junk, false, 1u << 30, "junk.mp3: "}, // the program's own words about it
        {"a source that vanished", drives.base() / "gone.mp3", false, 1u << 30, "No such file or directory"},
        {"a full card", longTone, false, 1000, "not enough space on the card: 12.6 MB needed, 0.0 MB free"},
        {"Cancel", longTone, true, 1u << 30, nullptr},
    };
    for (const Case& c : cases) {
        TestDrives::writeText(sound(), "old sound");
        messages.clear();
        audio->setSpaceProbe([&c](const std::string&) { return std::optional<std::uintmax_t>(c.free); });
        audio->setConversionRunner([&c](ConversionJob& job) {
            if (!c.cancel)
                return job.wait();
            job.poll(50);
            job.cancel();
            return job.state();
        });
        EXPECT_EQ(place(c.source), 0) << c.what;
        EXPECT_EQ(TestDrives::readText(sound()), "old sound") << c.what;
        EXPECT_EQ(fs::directory_entry(drives.native('E', "DCIM/100KRTIM")).exists() &&
                      std::distance(fs::directory_iterator(drives.native('E', "DCIM/100KRTIM")), {}) == 1,
                  true)
            << c.what << ": the temporary file goes";
        if (!c.detail) {
            EXPECT_TRUE(messages.shown().empty()) << c.what;
            continue;
        }
        ASSERT_EQ(messages.shown().size(), 1u) << c.what;
        EXPECT_EQ(messages.shown()[0].text, "Transform Failed.") << c.what;
        EXPECT_NE(messages.shown()[0].detail.find(c.detail), std::string::npos)
            << c.what << ": " << messages.shown()[0].detail;
    }
}

TEST_F(GameCallAudioTest, DecliningTheRenameKeepsTheOldSound)
{
    tool->startStaging();
    TestDrives::writeText(sound(), "old sound");
    TestDrives::writeText(drives.native('E', "DCIM/100KRTIM/IMAG0001.JPG"), "jpeg");
    messages.answerNext(MessageAnswer::Cancel);
    EXPECT_EQ(place(tone("call.wav")), 1);
    EXPECT_EQ(TestDrives::readText(sound()), "old sound");
    EXPECT_TRUE(fs::exists(drives.native('E', "DCIM/100KRTIM/IMAG0001.JPG")));
}

// The card's own files as the source: they are read before anything on the
// card is renamed or replaced.
TEST_F(GameCallAudioTest, ASourceOnTheCardItselfIsConvertedBeforeItMoves)
{
    tool->startStaging();
    for (const char* name : {"ADUI0001.WAV", "VIDE0001.AVI"}) {
        fs::remove_all(drives.native('E', "DCIM"));
        const fs::path onCard = drives.native('E', std::string("DCIM/100KRTIM/") + name);
        fs::create_directories(onCard.parent_path());
        fs::copy_file(tone(std::string("call-") + name + ".wav"), onCard);
        messages.clear();
        EXPECT_EQ(place(onCard), 1) << name;
        const std::string wav = TestDrives::readText(sound());
        EXPECT_GT(wav.size(), 44u) << name;
        EXPECT_EQ(le32(wav, 24), 22050u) << name;
        for (const std::string& text : messages.texts())
            EXPECT_NE(text, "Transform Failed.") << name;
    }
    EXPECT_TRUE(fs::exists(drives.native('E', "DCIM/100KRTIM/VIDE0001_RenameForSaveAudioFile.AVI")));
    EXPECT_EQ(messages.texts().back(), "OK,audio file have been saved !");
}

// Where the platform's ffmpeg is a link, the file it names is staged.
TEST_F(GameCallAudioTest, AConversionProgramBehindALinkIsStaged)
{
    const fs::path link = drives.base() / "bin" / "ffmpeg";
    fs::create_directories(link.parent_path());
    fs::create_symlink(ConversionTool::findProgram(), link);
    ConversionTool linked(context->files(), messages, link.string());
    GameCallAudio withLink(*context, linked);
    EXPECT_EQ(linked.program(), fs::canonical(link).string());
    linked.startStaging();
    ASSERT_TRUE(linked.waitUntilStaged());
    context->records().gameCallAudioPath = tone("call.wav").string();
    EXPECT_EQ(withLink.PlaceGameCallAudio("E:\\GSM\\TQ270.TXT"), 1);
    EXPECT_GT(fs::file_size(sound()), 44u);
}

// A save killed midway leaves its half-made sound; the next one removes it.
TEST_F(GameCallAudioTest, ALeftoverTemporarySoundIsRemoved)
{
    tool->startStaging();
    TestDrives::writeText(drives.native('E', "DCIM/100KRTIM/.krt-sound-abc123.wav"), "half");
    TestDrives::writeText(drives.native('E', "DCIM/100KRTIM/.krt-sound-notes.txt"), "mine");
    EXPECT_EQ(place(tone("call.wav")), 1);
    EXPECT_FALSE(fs::exists(drives.native('E', "DCIM/100KRTIM/.krt-sound-abc123.wav")));
    EXPECT_TRUE(fs::exists(drives.native('E', "DCIM/100KRTIM/.krt-sound-notes.txt")));
}

TEST_F(GameCallAudioTest, SaveOfAModelWithoutGameCallNeverTouchesDcim)
{
    struct Case
    {
        const char* model;
        bool placed;
    } const cases[] = {{"TQ355", false}, {"TQ270", true}};
    for (const Case& c : cases) {
        fs::remove_all(drives.native('E', "DCIM"));
        MainParaCore core(*context, c.model);
        core.attachGameCallAudio(*audio);
        ASSERT_EQ(core.Mng_CurModSaveInfoSet(), 1);
        core.setSaveTarget("E:\\" + core.fileTexts().relativeCardPath);
        applyCameraDefaults(*ModelCatalogue::find(c.model), context->records().cameraSettings);
        context->records().gameCallAudioPath = tone("call.wav").string();
        core.saveAll();
        EXPECT_EQ(fs::exists(drives.native('E', "DCIM")), c.placed) << c.model;
        core.Mng_GameCallAudio(MainParaCore::kAudioCleanUp);
    }
}

class StagingTest : public GameCallAudioTest
{
protected:
    [[nodiscard]] fs::path folder() const { return drives.native('C', "KRT_TEMP"); }
};

TEST_F(StagingTest, StageCleanUpAndStageAgain)
{
    tool->startStaging();
    ASSERT_TRUE(tool->waitUntilStaged());
    EXPECT_TRUE(context->files().attributes("C:\\KRT_TEMP").value_or(0) & FileAttribute::Hidden ||
                ::setxattr(folder().c_str(), "user.krt.probe", "1", 1, 0) != 0)
        << "the folder is hidden where the file system can say so";
    EXPECT_EQ(fs::status(folder() / "ffmpeg.exe").permissions() & fs::perms::owner_exec, fs::perms::owner_exec);

    tool->cleanUp();
    EXPECT_FALSE(fs::exists(folder()));
    tool->startStaging();
    EXPECT_TRUE(tool->waitUntilStaged());
}

TEST_F(StagingTest, ALeftoverFolderIsEmptiedAndRefilled)
{
    TestDrives::writeText(folder() / "ffmpeg.exe", "stale");
    TestDrives::writeText(folder() / "notes.txt", "x");
    TestDrives::writeText(folder() / "sub" / "deep.bin", "y");
    tool->startStaging();
    ASSERT_TRUE(tool->waitUntilStaged()) << "the staged program is a fresh copy";
    EXPECT_FALSE(fs::exists(folder() / "notes.txt"));
    EXPECT_TRUE(fs::is_directory(folder() / "sub")) << "subfolders stay, emptied";
    EXPECT_TRUE(fs::is_empty(folder() / "sub"));
}

TEST_F(StagingTest, AnUndeletableLeftoverIsReportedOnTheWaitingThread)
{
    TestDrives::writeText(folder() / "locked.txt", "x");
    ASSERT_TRUE(context->files().setAttributes("C:\\KRT_TEMP\\locked.txt", FileAttribute::ReadOnly));
    tool->startStaging();
    EXPECT_TRUE(tool->waitUntilStaged()) << "staging goes on";
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "Delete Directory \"C:\\KRT_TEMP\" failed !");
}

// A SAVE while the worker is still copying waits for it and converts from a
// whole program.
TEST_F(StagingTest, ASaveDuringStagingWaitsForIt)
{
    std::promise<void> inside;
    std::promise<void> gate;
    std::shared_future<void> opened = gate.get_future().share();
    bool first = true;
    tool->setStepHook([&] {
        if (!std::exchange(first, false)) {
            return;
        }
        inside.set_value();
        opened.wait();
    });
    tool->startStaging();
    inside.get_future().wait();
    EXPECT_TRUE(tool->isStaging());
    const fs::path source = tone("call.wav");
    int placed = -1;
    std::thread save([&] { placed = place(source); });
    gate.set_value();
    save.join();
    EXPECT_EQ(placed, 1);
    EXPECT_TRUE(fs::exists(sound()));
}

} // namespace
