#include "cli/CliApp.h"

#include "cli/Commands.h"
#include "platform/Clock.h"

#include <array>
#include <iomanip>
#include <ostream>

using namespace cli;

namespace {

const std::array<const Command*, 7> kCommands{&kModelsCommand, &kShowCommand,   &kCheckCommand, &kKeysCommand,
                                              &kWriteCommand,  &kDecodeCommand, &kEncodeCommand};

const char* const kHelpHelp = "usage: krt-cli help [<command>]\n";

void printOverview(std::ostream& out)
{
    out << "usage: krt-cli <command> [<args>]\n\nCommands:\n";
    for (const Command* command : kCommands)
        out << "  " << std::left << std::setw(9) << command->name << command->summary << "\n";
    out << "  " << std::setw(9) << "help"
        << "this text, or the help of one command\n\n"
        << "Run 'krt-cli <command> --help' for the arguments and options of a command,\n"
        << "'krt-cli --version' for the version.\n";
}

const Command* findCommand(const std::string& name)
{
    for (const Command* command : kCommands) {
        if (name == command->name)
            return command;
    }
    return nullptr;
}

int unknownCommand(const std::string& name, std::ostream& err)
{
    std::vector<std::string> names;
    for (const Command* command : kCommands)
        names.emplace_back(command->name);
    err << "krt-cli: unknown command \"" << name << "\"" << didYouMean(name, names) << "\n";
    printOverview(err);
    return kUsage;
}

/// An option the command does not take is a usage error, not ignored.
bool optionsFit(const Command& command, const Options& options, std::ostream& err)
{
    for (const std::string& option : options.given) {
        if (command.options.contains(option))
            continue;
        err << "krt-cli: " << command.name << " takes no " << option << " option";
        if (!command.options.empty()) {
            err << " (it takes";
            for (const std::string& taken : command.options)
                err << " " << taken;
            err << ")";
        }
        err << "\n";
        return false;
    }
    return true;
}

} // namespace

std::string cliVersion()
{
    return std::string("krt-cli ") + KRT_VERSION;
}

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const SystemClock clock;
    return runCli(args, out, err, clock);
}

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const Clock& clock)
{
    if (args.empty()) {
        printOverview(err);
        return kUsage;
    }
    const std::string& name = args[0];
    if (name == "--version" || name == "-V") {
        out << cliVersion() << "\n";
        return args.size() == 1 ? kOk : kUsage;
    }
    if (name == "help" || name == "--help" || name == "-h") {
        if (args.size() == 1) {
            printOverview(out);
            return kOk;
        }
        if (args[1] == "help") {
            out << kHelpHelp;
            return kOk;
        }
        const Command* command = findCommand(args[1]);
        if (!command)
            return unknownCommand(args[1], err);
        out << command->help;
        return kOk;
    }
    const Command* command = findCommand(name);
    if (!command)
        return unknownCommand(name, err);
    Options options;
    if (!parseOptions(args, options, err) || !optionsFit(*command, options, err))
        return kUsage;
    if (options.help) {
        out << command->help;
        return kOk;
    }
    const Environment environment(clock, err);
    return command->run(options, environment, out, err);
}
