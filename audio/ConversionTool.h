#pragma once

#include "platform/DriveMap.h"
#include "platform/FileSystem.h"

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

class MessageService;

/// The conversion program in its staging folder "C:\KRT_TEMP": copied there
/// on a worker thread while the user edits settings, checked before a
/// conversion runs, removed when the main dialog is left.
///
/// The worker touches nothing but the staging folder, through native paths
/// worked out before it starts (the drive map may change under it), and
/// never speaks to the user: what it has to report is shown on the thread
/// that next waits for it.
class ConversionTool
{
public:
    static constexpr std::string_view kStagingFolder = "C:\\KRT_TEMP";
    static constexpr std::string_view kStagedProgram = "C:\\KRT_TEMP\\ffmpeg.exe";
    static constexpr std::string_view kCommandFile = "C:\\KRT_TEMP\\_[krttmp]_.bat";

    /// `program` is the native path of the conversion program to stage.
    ConversionTool(FileSystem& files, MessageService& messages, std::string program);
    ~ConversionTool();
    ConversionTool(const ConversionTool&) = delete;
    ConversionTool& operator=(const ConversionTool&) = delete;

    /// The platform's conversion program: the one found when the tool was
    /// built, else the first `ffmpeg` on PATH; empty when there is none.
    [[nodiscard]] static std::string findProgram();

    /// Starts staging and returns at once. A staging still running is
    /// waited for first, so two never write the folder at the same time.
    void startStaging();
    /// Waits for the worker and shows what it had to report. True when the
    /// staged program is a whole copy of the program.
    bool waitUntilStaged();
    /// Shows what a finished worker had to report; does not wait.
    void deliverReports();
    [[nodiscard]] bool isStaging() const { return m_running.load(); }
    /// Waits for the worker, then empties and removes the folder.
    void cleanUp();

    /// Called by the worker after each step; lets a test hold staging up.
    void setStepHook(std::function<void()> hook) { m_stepHook = std::move(hook); }

    /// Deletes every file below the folder, leaving the folders; false when
    /// a file could not be deleted.
    static bool EmptyDirectory(FileSystem& files, std::string_view folder);

    /// The native path of the program that is staged (a link resolved to
    /// the file it names); empty when there is none.
    [[nodiscard]] const std::string& program() const { return m_program; }
    /// Native paths of the staged program and the command file.
    [[nodiscard]] const std::string& stagedProgram() const { return m_stagedProgram; }
    [[nodiscard]] const std::string& commandFile() const { return m_commandFile; }

private:
    void StageConversionTool();
    void join();

    FileSystem& m_files;
    /// The worker's own file access, over native paths only: nothing it
    /// keeps (the cause of a failure) is shared with the thread that waits.
    DriveMap m_nativeOnly;
    FileSystem m_workerFiles{m_nativeOnly};
    MessageService& m_messages;
    std::string m_program;
    std::string m_folder;
    std::string m_stagedProgram;
    std::string m_commandFile;
    std::thread m_worker;
    std::atomic<bool> m_running{false};
    std::atomic<bool> m_emptyFailed{false};
    /// The staged copy was compared with the program since staging ended.
    bool m_verified = false;
    std::function<void()> m_stepHook;
};
