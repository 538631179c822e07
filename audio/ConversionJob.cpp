#include "audio/ConversionJob.h"

#include "platform/ChildProcess.h"

#include <array>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// After the options of the conversion: no tags, no encoder name, so the
// file has the plain 44-byte header the cameras were built against.
constexpr std::array<const char*, 12> kOptions{"-ac",          "1",  "-ar",     "22050",    "-acodec", "pcm_u8",
                                               "-map_metadata", "-1", "-fflags", "+bitexact", nullptr,   nullptr};
constexpr std::size_t kOptionCount = 10;

// What the camera's format takes: 8-bit mono samples at 22050 Hz after the
// 44-byte header.
constexpr double kBytesPerSecond = 22050;
constexpr double kHeaderBytes = 44;

std::string megabytes(double bytes)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MB", bytes / (1024.0 * 1024.0));
    return text;
}

// Progress lines ("size= ... time=...") say nothing about a failure.
bool isProgressLine(const std::string& line)
{
    return line.rfind("size=", 0) == 0 ||
           (line.find("time=") != std::string::npos && line.find("bitrate=") != std::string::npos);
}

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
        m_failure = std::string("the conversion program could not be started: ") + std::strerror(errno);
        m_state = State::Failed;
        return false;
    }
    std::vector<std::string> argv{m_program, "-i", m_source};
    for (std::size_t i = 0; i < kOptionCount; ++i)
        argv.emplace_back(kOptions[i]);
    argv.push_back(m_target);

    m_pid = ChildProcess::start(argv, pipeFds[1]);
    const int startError = errno;
    ::close(pipeFds[1]);
    if (m_pid < 0) {
        ::close(pipeFds[0]);
        m_pid = -1;
        m_failure = std::string("the conversion program could not be started: ") + std::strerror(startError);
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
    if (m_duration <= 0) {
        m_duration = secondsAfter(m_report, "Duration: ", false);
        const double needed = kHeaderBytes + std::ceil(m_duration * kBytesPerSecond);
        if (m_duration > 0 && m_spaceAvailable && needed > static_cast<double>(*m_spaceAvailable)) {
            m_failure = "not enough space on the card: " + megabytes(needed) + " needed, " +
                        megabytes(static_cast<double>(*m_spaceAvailable)) + " free";
            stop(State::Failed);
            return;
        }
    }
    const double done = secondsAfter(m_report, "time=", true);
    if (m_duration > 0 && done >= 0)
        m_percent = std::min(100, static_cast<int>(done * 100 / m_duration));
}

void ConversionJob::reap(bool block)
{
    if (m_pid < 0)
        return; // waitpid(-1) would take any child of the tool
    int status = 0;
    pid_t rc;
    do {
        rc = ::waitpid(m_pid, &status, block ? 0 : WNOHANG);
    } while (rc < 0 && errno == EINTR);
    if (rc != m_pid)
        return;
    m_pid = -1;
    if (m_state == State::Running)
        readReport();
    if (WIFEXITED(status))
        m_exitStatus = WEXITSTATUS(status);
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
    stop(State::Cancelled);
}

void ConversionJob::stop(State state)
{
    if (m_state != State::Running)
        return;
    m_state = state;
    ::kill(m_pid, SIGTERM);
    reap(true);
    std::remove(m_target.c_str());
}

std::string ConversionJob::failure() const
{
    if (!m_failure.empty())
        return m_failure;
    // The program's own last word: "call.mp3: Invalid data found when
    // processing input", "No space left on device".
    std::string last;
    std::size_t begin = 0;
    while (begin < m_report.size()) {
        std::size_t end = m_report.find_first_of("\r\n", begin);
        if (end == std::string::npos)
            end = m_report.size();
        const std::string line = m_report.substr(begin, end - begin);
        if (line.find_first_not_of(" \t") != std::string::npos && !isProgressLine(line))
            last = line;
        begin = end + 1;
    }
    if (!last.empty())
        return last;
    if (m_exitStatus > 0)
        return "the conversion program ended with status " + std::to_string(m_exitStatus);
    return "the conversion program ended without a sound";
}
