#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <sys/types.h>

/// One run of the conversion program: the command file written with the
/// exact command, the program started with an argument vector (no shell:
/// every byte of the user's path is just a byte of a file name) and
/// standard input from the null device, its progress read from what it
/// reports. The caller drives it: a test until it ends, the dialog from a
/// timer while its progress window stays responsive.
class ConversionJob
{
public:
    enum class State
    {
        NotStarted,
        Running,
        Finished,  // exited with status 0
        Failed,    // exited otherwise, or was killed
        Cancelled,
    };

    /// Native paths: the staged program, the command file, the user's
    /// source file and the target file.
    ConversionJob(std::string program, std::string commandFile, std::string source, std::string target);
    ~ConversionJob();
    ConversionJob(const ConversionJob&) = delete;
    ConversionJob& operator=(const ConversionJob&) = delete;

    /// The one line the command file holds: the command that runs.
    [[nodiscard]] std::string commandLine() const;

    /// Replaces the command file, deletes the target and starts the
    /// program. False when the program could not be started.
    bool start();
    /// Reads what the program reported, for at most `timeoutMs`, and tells
    /// whether it still runs.
    State poll(int timeoutMs);
    /// Runs to the end.
    State wait();
    /// Stops the program and removes what it wrote.
    void cancel();

    /// Stops the conversion as soon as the program has told the source's
    /// length, when the converted sound (22,050 bytes a second) would not
    /// fit in `bytes`: a full card then keeps its old sound, and the user
    /// learns why.
    void setSpaceAvailable(std::uintmax_t bytes) { m_spaceAvailable = bytes; }

    [[nodiscard]] State state() const { return m_state; }
    /// 0..100 once the source's duration is known, else -1.
    [[nodiscard]] int percent() const { return m_percent; }
    /// Why a failed conversion failed, in words for the user: the program's
    /// last error line, or that the card has no room.
    [[nodiscard]] std::string failure() const;

private:
    void readReport();
    void reap(bool block);
    void stop(State state);

    std::string m_program;
    std::string m_commandFile;
    std::string m_source;
    std::string m_target;
    pid_t m_pid = -1;
    int m_reportFd = -1;
    std::string m_report;
    double m_duration = 0;
    int m_percent = -1;
    State m_state = State::NotStarted;
    std::optional<std::uintmax_t> m_spaceAvailable;
    std::string m_failure;
    int m_exitStatus = -1;
};
