#include "audio/GameCallAudio.h"

#include "audio/ConversionTool.h"
#include "context/AppContext.h"
#include "platform/CUtil.h"

#include <cstdint>
#include <filesystem>

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

} // namespace

GameCallAudio::GameCallAudio(AppContext& context, ConversionTool& tool)
    : m_context(context), m_tool(tool), m_runner([](ConversionJob& job) { return job.wait(); })
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

    const std::string sound = drive + kSoundFile;
    if (files.exists(sound)) {
        CUtil::ClearReadOnlyAttribute(files, sound);
        if (!files.deleteFile(sound)) {
            messages.show({"Failed to delete " + sound + " !", MessageTitle::Application, MessageIcon::Warning,
                           MessageButtons::Ok});
            return 0;
        }
    }

    const std::string picture = drive + kFirstPicture;
    const std::string video = drive + kFirstVideo;
    if (files.exists(picture) || files.exists(video)) {
        CUtil::ClearReadOnlyAttribute(files, picture);
        CUtil::ClearReadOnlyAttribute(files, video);
        const Message ask{"You must rename the existed \"IMAG0001.JPG\" and \"VIDE0001.AVI\" if you want to save the "
                          "audio file ,continue ?",
                          MessageTitle::KrtTips, MessageIcon::Information, MessageButtons::OkCancel};
        if (messages.show(ask) != MessageAnswer::Ok) {
            messages.information("You have given up saving audio file !");
            return 1;
        }
        const std::string renameFailed =
            "Failed to rename \"IMAG0001.JPG\" or \"VIDE0001.AVI\" !\n You can delete or rename them manually !";
        if (!CUtil::RenameIfExists(files, picture, drive + kFirstPictureRenamed) ||
            !CUtil::RenameIfExists(files, video, drive + kFirstVideoRenamed)) {
            messages.warning(renameFailed, MessageTitle::KrtTips);
            return 0;
        }
        messages.show({"OK,audio file have been saved !", MessageTitle::Application, MessageIcon::Information,
                       MessageButtons::Ok});
    }
    return RunConversion(source, sound);
}

int GameCallAudio::RunConversion(const std::string& source, const std::string& target)
{
    MessageService& messages = m_context.messages();
    const Message failed{"Transform Failed.", MessageTitle::Application, MessageIcon::Error, MessageButtons::Ok};
    const auto nativeTarget = m_context.files().nativePath(target);
    // A conversion never starts on a half-written program.
    if (!m_tool.waitUntilStaged() || !nativeTarget) {
        messages.show(failed);
        return 0;
    }
    ConversionJob job(m_tool.stagedProgram(), m_tool.commandFile(), source, *nativeTarget);
    if (!job.start()) {
        messages.show(failed);
        return 0;
    }
    const ConversionJob::State state = m_runner(job);
    if (state == ConversionJob::State::Cancelled)
        return 0;
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(*nativeTarget, ec);
    if (state != ConversionJob::State::Finished || ec || size <= kWavHeaderSize) {
        std::filesystem::remove(*nativeTarget, ec);
        messages.show(failed);
        return 0;
    }
    return 1;
}
