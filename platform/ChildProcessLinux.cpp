// On Linux the child asks the kernel to kill it when its parent dies
// (PR_SET_PDEATHSIG), which posix_spawn cannot ask for: fork, then only
// async-signal-safe calls until exec.
#include "platform/ChildProcess.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace ChildProcess {

pid_t start(const std::vector<std::string>& argv, int stderrFd)
{
    if (argv.empty()) {
        errno = EINVAL;
        return -1;
    }
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);

    // The child reports a failed exec through this pipe; a successful exec
    // closes it unwritten.
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0)
        return -1;
    const pid_t parent = ::getpid();
    const pid_t pid = ::fork();
    if (pid < 0) {
        const int error = errno;
        ::close(report[0]);
        ::close(report[1]);
        errno = error;
        return -1;
    }
    if (pid == 0) {
        ::close(report[0]);
        if (::prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || ::getppid() != parent)
            ::_exit(127); // the parent is gone already
        const int null = ::open("/dev/null", O_RDWR);
        if (null < 0 || ::dup2(null, STDIN_FILENO) < 0 || ::dup2(null, STDOUT_FILENO) < 0 ||
            ::dup2(stderrFd >= 0 ? stderrFd : null, STDERR_FILENO) < 0) {
            const int error = errno;
            (void)!::write(report[1], &error, sizeof error);
            ::_exit(127);
        }
        ::execve(args[0], args.data(), environ);
        const int error = errno;
        (void)!::write(report[1], &error, sizeof error);
        ::_exit(127);
    }
    ::close(report[1]);
    int error = 0;
    ssize_t n;
    do {
        n = ::read(report[0], &error, sizeof error);
    } while (n < 0 && errno == EINTR);
    ::close(report[0]);
    if (n == static_cast<ssize_t>(sizeof error)) {
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        errno = error;
        return -1;
    }
    return pid;
}

} // namespace ChildProcess
