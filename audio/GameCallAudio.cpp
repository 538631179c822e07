#include "audio/GameCallAudio.h"

#include "audio/ConversionTool.h"
#include "context/AppContext.h"
#include "platform/CUtil.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <random>
#include <string_view>

namespace {

constexpr const char* kPictureFolder = "\\DCIM\\";
constexpr const char* kCameraFolder = "\\DCIM\\100KRTIM\\";
constexpr const char* kSoundFile = "\\DCIM\\100KRTIM\\ADUI0001.WAV";
constexpr const char* kFirstPicture = "\\DCIM\\100KRTIM\\IMAG0001.JPG";
constexpr const char* kFirstVideo = "\\DCIM\\100KRTIM\\VIDE0001.AVI";
constexpr const char* kFirstPictureRenamed = "\\DCIM\\100KRTIM\\IMAG0001_RenameForSaveAudioFile.JPG";
constexpr const char* kFirstVideoRenamed = "\\DCIM\\100KRTIM\\VIDE0001_RenameForSaveAudioFile.AVI";

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
    MessageService& messages = m_context.messages();
    const std::string drive = targetPath.substr(0, 2);
    const std::string source = CUtil::TrimText(m_context.records().gameCallAudioPath, -1);
    if (source.empty())
        return 1;

    // Creation failures surface as a conversion that writes nothing.
    if (!files.isDirectory(drive + kPictureFolder))
        files.createDirectory(drive + kPictureFolder);
    if (!files.isDirectory(drive + kCameraFolder))
        files.createDirectory(drive + kCameraFolder);
    removeLeftoverSounds(drive);

    const std::string sound = drive + kSoundFile;
    const std::string picture = drive + kFirstPicture;
    const std::string video = drive + kFirstVideo;
    const bool renames = files.exists(picture) || files.exists(video);
    if (renames) {
        CUtil::ClearReadOnlyAttribute(files, picture);
        CUtil::ClearReadOnlyAttribute(files, video);
        const Message ask{"You must rename the existed \"IMAG0001.JPG\" and \"VIDE0001.AVI\" if you want to save the "
                          "audio file ,continue ?",
                          MessageTitle::KrtTips, MessageIcon::Information, MessageButtons::OkCancel};
        if (messages.show(ask) != MessageAnswer::Ok) {
            messages.information("You have given up saving audio file !");
            return 1;
        }
    }

    // The new sound is made beside the old one before anything on the card
    // changes: a source that is no sound, a full card or Cancel leaves the
    // camera its old sound, and a source on the card itself (its own
    // "ADUI0001.WAV" or "VIDE0001.AVI") is read before it is replaced or
    // renamed.
    const std::string temporary = temporarySoundPath(drive);
    if (!RunConversion(source, temporary))
        return 0;

    if (renames && (!CUtil::RenameIfExists(files, picture, drive + kFirstPictureRenamed) ||
                    !CUtil::RenameIfExists(files, video, drive + kFirstVideoRenamed))) {
        files.deleteFile(temporary);
        messages.warning(
            "Failed to rename \"IMAG0001.JPG\" or \"VIDE0001.AVI\" !\n You can delete or rename them manually !",
            MessageTitle::KrtTips);
        return 0;
    }
    if (files.exists(sound))
        CUtil::ClearReadOnlyAttribute(files, sound);
    if (!files.replace(temporary, sound)) {
        const std::string cause = files.lastError();
        files.deleteFile(temporary);
        messages.show({"Failed to delete " + sound + " !", MessageTitle::Application, MessageIcon::Warning,
                       MessageButtons::Ok, cause});
        return 0;
    }
    if (renames)
        messages.show({"OK,audio file have been saved !", MessageTitle::Application, MessageIcon::Information,
                       MessageButtons::Ok});
    return 1;
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
    auto failed = [this](std::string cause) {
        m_context.messages().show({"Transform Failed.", MessageTitle::Application, MessageIcon::Error,
                                   MessageButtons::Ok, std::move(cause)});
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
