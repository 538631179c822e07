#include "platform/ChildProcess.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

TEST(ChildProcessTest, RunsTheProgramWithItsArgumentsAndReportsOneThatCannotStart)
{
    int err[2];
    ASSERT_EQ(::pipe(err), 0);
    const pid_t pid = ChildProcess::start({"/bin/sh", "-c", "echo \"$0 $1\" >&2", "one arg", "two"}, err[1]);
    ::close(err[1]);
    ASSERT_GT(pid, 0);
    char buf[64] = {};
    const ssize_t n = ::read(err[0], buf, sizeof buf - 1);
    ::close(err[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_EQ(std::string(buf, n > 0 ? static_cast<std::size_t>(n) : 0), "one arg two\n");

    EXPECT_EQ(ChildProcess::start({"/nonexistent/ffmpeg"}, -1), -1);
    EXPECT_EQ(errno, ENOENT);
}

// A tool killed mid-conversion must not leave the converter writing to the
// card. The test stands in for the tool with a child of its own, which it
// kills; the converter left behind comes to the test (a subreaper), which
// sees whether it ended.
TEST(ChildProcessTest, TheChildEndsWithItsParent)
{
    ASSERT_EQ(::prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
    int report[2];
    ASSERT_EQ(::pipe(report), 0);
    const pid_t tool = ::fork();
    ASSERT_GE(tool, 0);
    if (tool == 0) {
        ::close(report[0]);
        const pid_t converter = ChildProcess::start({"/bin/sleep", "30"}, -1);
        (void)!::write(report[1], &converter, sizeof converter);
        ::pause();
        ::_exit(0);
    }
    ::close(report[1]);
    pid_t converter = -1;
    ASSERT_EQ(::read(report[0], &converter, sizeof converter), static_cast<ssize_t>(sizeof converter));
    ::close(report[0]);
    ASSERT_GT(converter, 0);

    ::kill(tool, SIGKILL);
    ::waitpid(tool, nullptr, 0);
    bool ended = false;
    for (int i = 0; i < 100 && !ended; ++i) {
        int status = 0;
        ended = ::waitpid(converter, &status, WNOHANG) == converter;
        if (!ended)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (!ended) {
        ::kill(converter, SIGKILL);
        ::waitpid(converter, nullptr, 0);
    }
    ::prctl(PR_SET_CHILD_SUBREAPER, 0);
    EXPECT_TRUE(ended) << "the converter outlived the tool";
}

} // namespace
