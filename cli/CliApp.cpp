#include "cli/CliApp.h"

#include "cli/Commands.h"

#include <map>

using namespace cli;

namespace {

const char* const kOverview = R"(usage: krt-cli <command> [<args>]

Commands:
  models                 the thirty camera models and what their files hold
  show <card|file>       a parameter file as a readable listing
  check <file>           every value checked against the model's lists
  write <model> <target>...
                         writes the model's parameter file to cards
  decode <file.BIN> [<out>]
                         an encoded parameter file as plain text
  encode <file> <out.BIN>
                         plain parameter text into an encoded file
  help [<command>]       this text, or the help of one command

Run 'krt-cli <command> --help' for the options of a command.
)";

const std::map<std::string, const char*> kCommandHelp{
    {"models", kModelsHelp}, {"show", kShowHelp},     {"check", kCheckHelp},
    {"write", kWriteHelp},   {"decode", kDecodeHelp}, {"encode", kEncodeHelp},
    {"help", "usage: krt-cli help [<command>]\n"},
};

} // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.empty()) {
        err << kOverview;
        return kUsage;
    }
    const std::string& command = args[0];
    if (command == "help" || command == "--help" || command == "-h") {
        if (args.size() > 1 && kCommandHelp.contains(args[1])) {
            out << kCommandHelp.at(args[1]);
            return kOk;
        }
        out << kOverview;
        return args.size() > 1 ? kUsage : kOk;
    }
    if (!kCommandHelp.contains(command)) {
        err << "krt-cli: '" << command << "' is not a command\n" << kOverview;
        return kUsage;
    }
    Options options;
    if (!parseOptions(args, options, err))
        return kUsage;
    if (options.help) {
        out << kCommandHelp.at(command);
        return kOk;
    }
    if (command == "models")
        return commandModels(out);
    if (command == "show")
        return commandShow(options, out, err);
    if (command == "check")
        return commandCheck(options, out, err);
    if (command == "write")
        return commandWrite(options, out, err);
    if (command == "decode")
        return commandDecode(options, out, err);
    return commandEncode(options, err);
}
