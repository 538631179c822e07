#pragma once

#include <iosfwd>
#include <string>
#include <vector>

class Clock;

/// krt-cli: the parameter files from the command line, over the core only.
/// Exit status 0 for success, 1 for a failure, 2 for a usage error; errors
/// go to `err`. The drives come from the environment (KRT_DRIVES), the time
/// from the PC's clock, or from `clock`.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const Clock& clock);

/// "krt-cli 2.9.0.9": the name and the version of the build.
[[nodiscard]] std::string cliVersion();
