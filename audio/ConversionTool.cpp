#include "audio/ConversionTool.h"

#include "platform/CUtil.h"
#include "platform/FileSystem.h"
#include "platform/MessageService.h"

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

std::string joinPath(const std::string& folder, const std::string& name)
{
    return folder + "/" + name;
}

} // namespace

namespace {

// The platform's ffmpeg is often a link (/usr/local/bin, alternatives, a
// snap). It lies on the PC, not on a card, so the link is followed, and the
// file it names is what gets staged.
std::string resolvedProgram(std::string program)
{
    if (program.empty())
        return program;
    std::error_code ec;
    const std::filesystem::path real = std::filesystem::canonical(program, ec);
    return ec ? program : real.string();
}

} // namespace

ConversionTool::ConversionTool(FileSystem& files, MessageService& messages, std::string program)
    : m_files(files), m_messages(messages), m_program(resolvedProgram(std::move(program)))
{
    m_folder = files.nativePath(kStagingFolder).value_or(std::string());
    m_stagedProgram = files.nativePath(kStagedProgram).value_or(std::string());
    m_commandFile = files.nativePath(kCommandFile).value_or(std::string());
}

ConversionTool::~ConversionTool()
{
    join();
}

std::string ConversionTool::findProgram()
{
#ifdef KRT_FFMPEG_PROGRAM
    if (std::filesystem::is_regular_file(KRT_FFMPEG_PROGRAM))
        return KRT_FFMPEG_PROGRAM;
#endif
    const char* path = std::getenv("PATH");
    std::string_view dirs = path ? path : "";
    while (!dirs.empty()) {
        const size_t colon = dirs.find(':');
        const std::string dir(dirs.substr(0, colon));
        dirs = colon == std::string_view::npos ? std::string_view{} : dirs.substr(colon + 1);
        const std::string candidate = joinPath(dir.empty() ? "." : dir, "ffmpeg");
        if (::access(candidate.c_str(), X_OK) == 0 && std::filesystem::is_regular_file(candidate))
            return candidate;
    }
    return {};
}

void ConversionTool::join()
{
    if (m_worker.joinable())
        m_worker.join();
}

void ConversionTool::startStaging()
{
    join();
    m_verified = false;
    deliverReports();
    if (m_folder.empty())
        return;
    m_running = true;
    m_worker = std::thread([this] { StageConversionTool(); });
}

void ConversionTool::StageConversionTool()
{
    auto step = [this] {
        if (m_stepHook)
            m_stepHook();
    };
    if (m_workerFiles.isDirectory(m_folder)) {
        if (!EmptyDirectory(m_workerFiles, m_folder))
            m_emptyFailed = true;
    } else {
        m_workerFiles.createDirectory(m_folder);
    }
    step();
    // The platform's program stands for the packaged one; a Windows build
    // that ships FFmpeg's libraries stages them beside it.
    if (const auto bytes = m_workerFiles.readFile(m_program)) {
        if (m_workerFiles.writeFile(m_stagedProgram, *bytes))
            m_workerFiles.setExecutable(m_stagedProgram);
    }
    step();
    m_workerFiles.setAttributes(m_folder, FileAttribute::Hidden);
    m_running = false;
}

void ConversionTool::deliverReports()
{
    if (m_running)
        return;
    if (m_emptyFailed.exchange(false))
        m_messages.show({"Delete Directory \"C:\\KRT_TEMP\" failed !", MessageTitle::Application,
                         MessageIcon::Warning, MessageButtons::Ok});
}

bool ConversionTool::waitUntilStaged()
{
    join();
    deliverReports();
    if (m_verified)
        return m_files.isFile(m_stagedProgram);
    if (m_program.empty() || m_stagedProgram.empty())
        return false;
    const auto original = m_files.readFile(m_program);
    const auto staged = m_files.readFile(m_stagedProgram);
    m_verified = original && staged && *original == *staged;
    return m_verified;
}

void ConversionTool::cleanUp()
{
    join();
    m_verified = false;
    if (m_folder.empty())
        return;
    EmptyDirectory(m_files, m_folder);
    CUtil::ClearReadOnlyAttribute(m_files, m_folder);
    m_files.removeDirectory(m_folder);
}

bool ConversionTool::EmptyDirectory(FileSystem& files, std::string_view folder)
{
    bool ok = true;
    const std::string base(folder);
    const std::string separator = base.size() >= 2 && base[1] == ':' ? "\\" : "/";
    for (const std::string& name : files.list(folder)) {
        const std::string path = base + separator + name;
        if (files.isDirectory(path) && !files.isSymbolicLink(path)) {
            ok = EmptyDirectory(files, path) && ok;
            continue;
        }
        ok = files.deleteFile(path) && ok;
    }
    return ok;
}
