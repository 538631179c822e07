#include "audio/GameCallAudio.h"

#include "audio/ConversionTool.h"
#include "audio/GameCallPlacement.h"
#include "context/AppContext.h"
#include "platform/CUtil.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <random>
#include <string_view>

namespace {

// The camera's folder, where the sound is made beside the old one.
const std::string kCameraFolder(GameCallPlacement::kFolders.back());

// A WAV file with no sample is no sound: what a rejected conversion leaves.
constexpr std::uintmax_t kWavHeaderSize = 44;

// The sound being made: hidden (a leading dot), and recognisable so that one
// left by a tool that was killed midway can be removed at the next save.
constexpr std::string_view kTemporaryPrefix = ".krt-sound-";
constexpr std::string_view kTemporarySuffix = ".wav";
constexpr std::size_t kTemporaryUniqueLength = 6;

bool isTemporarySoundName(std::string_view name)
{
    if (name.size() != kTemporaryPrefix.size() + kTemporaryUniqueLength + kTemporarySuffix.size() ||
        !name.starts_with(kTemporaryPrefix) || !name.ends_with(kTemporarySuffix))
        return false;
    const std::string_view unique = name.substr(kTemporaryPrefix.size(), kTemporaryUniqueLength);
    return std::all_of(unique.begin(), unique.end(), [](char c) { return std::isalnum(static_cast<unsigned char>(c)); });
}

} // namespace

GameCallAudio::GameCallAudio(AppContext& context, ConversionTool& tool)
    : m_context(context), m_tool(tool), m_runner([](ConversionJob& job) { return job.wait(); }),
      m_spaceProbe([&context](const std::string& folder) { return context.files().freeSpace(folder); })
{
}

int GameCallAudio::PlaceGameCallAudio(const std::string& targetPath)
{
    FileSystem& files = m_context.files();
    const std::string drive = targetPath.substr(0, 2);
    const std::string source = CUtil::TrimText(m_context.records().gameCallAudioPath, -1);
    if (source.empty())
        return 1;

    // Creation failures surface as a conversion that writes nothing.
    for (const std::string_view folder : GameCallPlacement::kFolders) {
        if (!files.isDirectory(drive + std::string(folder)))
            files.createDirectory(drive + std::string(folder));
    }
    removeLeftoverSounds(drive);

    GameCallPlacement placement(m_context.messages());
    const std::string picture = drive + std::string(GameCallPlacement::kFirstPicture);
    const std::string video = drive + std::string(GameCallPlacement::kFirstVideo);
    const bool pictureExists = files.exists(picture);
    const bool videoExists = files.exists(video);
    if (pictureExists || videoExists) {
        CUtil::ClearReadOnlyAttribute(files, picture);
        CUtil::ClearReadOnlyAttribute(files, video);
    }
    // Asked before the conversion, so a user who declines waits for nothing.
    const GameCallPlacement::Next next = placement.start(pictureExists, videoExists);
    if (next == GameCallPlacement::Next::GiveUp)
        return 1;

    // The new sound is made beside the old one before anything on the card
    // changes: a source that is no sound, a full card or Cancel leaves the
    // camera its old sound, and a source on the card itself (its own
    // "ADUI0001.WAV" or "VIDE0001.AVI") is read before it is replaced or
    // renamed.
    const std::string temporary = temporarySoundPath(drive);
    if (!RunConversion(source, temporary))
        return 0;

    if (next == GameCallPlacement::Next::Rename) {
        bool renamed = true;
        for (const GameCallPlacement::Rename& rename : placement.renames()) {
            renamed = CUtil::RenameIfExists(files, drive + rename.from, drive + rename.to);
            if (!renamed)
                break;
        }
        if (placement.renamed(renamed) == GameCallPlacement::Next::GiveUp) {
            files.deleteFile(temporary);
            return 0;
        }
    }
    const std::string sound = drive + std::string(GameCallPlacement::kSoundFile);
    if (files.exists(sound))
        CUtil::ClearReadOnlyAttribute(files, sound);
    const bool replaced = files.replace(temporary, sound);
    const std::string cause = replaced ? std::string() : files.lastError();
    if (!replaced)
        files.deleteFile(temporary);
    placement.written(replaced, sound, cause);
    return replaced ? 1 : 0;
}

std::string GameCallAudio::temporarySoundPath(const std::string& drive) const
{
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device random;
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    for (;;) {
        std::string name(kTemporaryPrefix);
        for (std::size_t i = 0; i < kTemporaryUniqueLength; ++i)
            name += kLetters[pick(random)];
        const std::string path = drive + kCameraFolder + name + std::string(kTemporarySuffix);
        if (!m_context.files().exists(path))
            return path;
    }
}

void GameCallAudio::removeLeftoverSounds(const std::string& drive)
{
    FileSystem& files = m_context.files();
    for (const std::string& name : files.list(drive + kCameraFolder)) {
        if (isTemporarySoundName(name))
            files.deleteFile(drive + kCameraFolder + name);
    }
}

int GameCallAudio::RunConversion(const std::string& source, const std::string& target)
{
    FileSystem& files = m_context.files();
    auto failed = [this](const std::string& cause) {
        GameCallPlacement(m_context.messages()).conversionFailed(cause);
        return 0;
    };
    // A conversion never starts on a half-written program.
    if (!m_tool.waitUntilStaged())
        return failed(m_tool.program().empty() ? "no conversion program: ffmpeg is not installed"
                                               : "the conversion program could not be staged into C:\\KRT_TEMP");
    const auto nativeTarget = files.nativePath(target);
    if (!nativeTarget)
        return failed("no drive " + target.substr(0, 2));
    ConversionJob job(m_tool.stagedProgram(), m_tool.commandFile(), source, *nativeTarget);
    if (const auto free = m_spaceProbe(target.substr(0, target.rfind('\\') + 1)))
        job.setSpaceAvailable(*free);
    if (!job.start())
        return failed(job.failure());
    const ConversionJob::State state = m_runner(job);
    std::error_code ec;
    if (state == ConversionJob::State::Cancelled) {
        std::filesystem::remove(*nativeTarget, ec);
        return 0;
    }
    const std::uintmax_t size = std::filesystem::file_size(*nativeTarget, ec);
    if (state != ConversionJob::State::Finished || ec || size <= kWavHeaderSize) {
        std::filesystem::remove(*nativeTarget, ec);
        return failed(state == ConversionJob::State::Finished ? "the conversion program made no sound of the file"
                                                              : job.failure());
    }
    return 1;
}
