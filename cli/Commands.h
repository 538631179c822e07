#pragma once

#include "cli/CliSupport.h"

#include <ostream>
#include <set>
#include <span>
#include <string>

/// The commands of krt-cli, one file each: name, help text, the options it
/// takes, and what it runs.
namespace cli {

struct Command
{
    const char* name;
    const char* summary; // the line of the overview
    const char* help;
    std::set<std::string> options;
    int (*run)(const Options& options, const Environment& environment, std::ostream& out, std::ostream& err);
};

extern const Command kModelsCommand;
extern const Command kShowCommand;
extern const Command kCheckCommand;
extern const Command kKeysCommand;
extern const Command kWriteCommand;
extern const Command kDecodeCommand;
extern const Command kEncodeCommand;

} // namespace cli
