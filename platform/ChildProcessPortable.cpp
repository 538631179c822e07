// Elsewhere the child is started with posix_spawn and outlives a parent that
// is killed; the parent still stops it on Cancel and on a normal exit.
#include "platform/ChildProcess.h"

#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
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

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    if (stderrFd >= 0)
        posix_spawn_file_actions_adddup2(&actions, stderrFd, STDERR_FILENO);
    else
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int rc = ::posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) {
        errno = rc;
        return -1;
    }
    return pid;
}

} // namespace ChildProcess
