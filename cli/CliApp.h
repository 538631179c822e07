#pragma once

#include <iosfwd>
#include <string>
#include <vector>

/// krt-cli: the parameter files from the command line, over the core only.
/// Exit status 0 for success, 1 for a failure, 2 for a usage error; errors
/// go to `err`.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
