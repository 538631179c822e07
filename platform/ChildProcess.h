#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

/// Starting a helper program (the sound converter) as a child process: an
/// argument vector, never a shell, standard input and output from the null
/// device, standard error into a given descriptor. The system-specific part;
/// the build compiles the implementation that fits the system.
namespace ChildProcess {

/// Starts `argv[0]` with `argv`; its standard error goes to `stderrFd` (-1:
/// the null device). Where the system allows it, the child is killed when
/// the thread that started it ends with its process, so a tool killed
/// mid-conversion leaves no converter writing to a card. The pid, or -1
/// with errno set when the program could not be started.
pid_t start(const std::vector<std::string>& argv, int stderrFd);

} // namespace ChildProcess
