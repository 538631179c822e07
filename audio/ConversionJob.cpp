#include "audio/ConversionJob.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

// After the options of the conversion: no tags, no encoder name, so the
// file has the plain 44-byte header the cameras were built against.
constexpr std::array<const char*, 12> kOptions{"-ac",          "1",  "-ar",     "22050",    "-acodec", "pcm_u8",
                                               "-map_metadata", "-1", "-fflags", "+bitexact", nullptr,   nullptr};
constexpr std::size_t kOptionCount = 10;

std::string quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

// "HH:MM:SS.xx" after `key` in the last place it occurs, in seconds.
double secondsAfter(const std::string& text, const std::string& key, bool last)
{
    const size_t at = last ? text.rfind(key) : text.find(key);
    if (at == std::string::npos)
        return -1;
    int h = 0;
    int m = 0;
    double s = 0;
    if (std::sscanf(text.c_str() + at + key.size(), "%d:%d:%lf", &h, &m, &s) != 3)
        return -1;
    return h * 3600.0 + m * 60.0 + s;
}

bool writeCommandFile(const std::string& path, const std::string& line)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool ok = std::fwrite(line.data(), 1, line.size(), file) == line.size();
    return std::fclose(file) == 0 && ok;
}

} // namespace

ConversionJob::ConversionJob(std::string program, std::string commandFile, std::string source, std::string target)
    : m_program(std::move(program)), m_commandFile(std::move(commandFile)), m_source(std::move(source)),
      m_target(std::move(target))
{
}

ConversionJob::~ConversionJob()
{
    if (m_state == State::Running)
        cancel();
    if (m_reportFd >= 0)
        ::close(m_reportFd);
}

std::string ConversionJob::commandLine() const
{
    std::string line = quoted(m_program) + " -i " + quoted(m_source);
    for (std::size_t i = 0; i < kOptionCount; ++i)
        line += std::string(" ") + kOptions[i];
    return line + " " + quoted(m_target);
}

bool ConversionJob::start()
{
    std::remove(m_commandFile.c_str());
    // The command file is only a record of what runs; the program does not
    // need it, so a card-side problem with it does not stop the conversion.
    writeCommandFile(m_commandFile, commandLine());
    std::remove(m_target.c_str());

    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) {
        m_state = State::Failed;
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDERR_FILENO);

    std::vector<char*> argv{m_program.data(), const_cast<char*>("-i"), m_source.data()};
    for (std::size_t i = 0; i < kOptionCount; ++i)
        argv.push_back(const_cast<char*>(kOptions[i]));
    argv.push_back(m_target.data());
    argv.push_back(nullptr);

    const int rc = ::posix_spawn(&m_pid, m_program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    if (rc != 0) {
        ::close(pipeFds[0]);
        m_pid = -1;
        m_state = State::Failed;
        return false;
    }
    m_reportFd = pipeFds[0];
    ::fcntl(m_reportFd, F_SETFL, O_NONBLOCK);
    m_state = State::Running;
    return true;
}

void ConversionJob::readReport()
{
    char buf[4096];
    for (;;) {
        const ssize_t n = ::read(m_reportFd, buf, sizeof buf);
        if (n > 0) {
            m_report.append(buf, static_cast<size_t>(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break;
    }
    // Keep the head (the source's duration) and the latest progress line.
    if (m_report.size() > 65536)
        m_report.erase(8192, m_report.size() - 16384);
    if (m_duration <= 0)
        m_duration = secondsAfter(m_report, "Duration: ", false);
    const double done = secondsAfter(m_report, "time=", true);
    if (m_duration > 0 && done >= 0)
        m_percent = std::min(100, static_cast<int>(done * 100 / m_duration));
}

void ConversionJob::reap(bool block)
{
    int status = 0;
    pid_t rc;
    do {
        rc = ::waitpid(m_pid, &status, block ? 0 : WNOHANG);
    } while (rc < 0 && errno == EINTR);
    if (rc != m_pid)
        return;
    m_pid = -1;
    readReport();
    if (m_state == State::Running)
        m_state = WIFEXITED(status) && WEXITSTATUS(status) == 0 ? State::Finished : State::Failed;
    if (m_state == State::Finished)
        m_percent = 100;
}

ConversionJob::State ConversionJob::poll(int timeoutMs)
{
    if (m_state != State::Running)
        return m_state;
    pollfd fd{m_reportFd, POLLIN, 0};
    if (::poll(&fd, 1, timeoutMs) > 0)
        readReport();
    reap(false);
    return m_state;
}

ConversionJob::State ConversionJob::wait()
{
    while (poll(100) == State::Running) {
    }
    return m_state;
}

void ConversionJob::cancel()
{
    if (m_state != State::Running)
        return;
    m_state = State::Cancelled;
    ::kill(m_pid, SIGTERM);
    reap(true);
    std::remove(m_target.c_str());
}
