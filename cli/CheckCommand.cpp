#include "cli/Commands.h"

#include "params/ParameterFileRules.h"

namespace cli {

namespace {

const char* const kHelp =
    "usage: krt-cli check <card-folder-or-file>... [--model <model>] [--json]\n\n"
    "Checks every value against what the model's dialogs can store: the positions\n"
    "of their lists, the ranges of hours, minutes, the Work Day mask and the clock,\n"
    "ports, field lengths, phone numbers as the main dialog saves them; and unknown,\n"
    "doubled and missing keys. One line per problem, naming the allowed values; exit\n"
    "1 when any file has a problem or cannot be read.\n"
    "--json: {\"files\": [{\"target\", \"file\", \"model\", \"ok\", \"problems\": [{\"section\",\n"
    "\"key\", \"value\", \"problem\", \"text\"}]}]}; a target that fails has \"target\" and\n"
    "\"error\" instead.\n";

void printJson(std::ostream& out, const std::string& target, const LoadedFile& loaded,
               const std::vector<FileProblem>& problems)
{
    out << "{\"target\": " << jsonString(target) << ", \"file\": " << jsonString(loaded.path.string())
        << ", \"model\": " << jsonString(loaded.model->listEntry)
        << ", \"ok\": " << jsonBool(problems.empty()) << ", \"problems\": [";
    for (std::size_t i = 0; i < problems.size(); ++i) {
        const FileProblem& p = problems[i];
        out << (i ? ", " : "") << "{\"section\": " << jsonString(p.section)
            << ", \"key\": " << jsonString(p.key) << ", \"value\": " << jsonString(p.value)
            << ", \"problem\": " << jsonString(p.text) << ", \"text\": " << jsonString(problemText(p)) << "}";
    }
    out << "]}";
}

int run(const Options& options, const Environment& environment, std::ostream& out, std::ostream& err)
{
    if (options.positional.empty()) {
        err << kHelp;
        return kUsage;
    }
    return forEachParameterFile(
        options, environment, out, err, [&](const std::string& target, const LoadedFile& file) {
            const std::vector<FileProblem> problems = ParameterFileRules::problemsOf(*file.model, file.text);
            if (options.json) {
                printJson(out, target, file, problems);
            } else {
                for (const FileProblem& problem : problems)
                    out << file.path.string() << ": " << problemText(problem) << "\n";
                if (problems.empty())
                    out << file.path.string() << ": no problems (" << file.model->listEntry << ")\n";
            }
            return problems.empty();
        });
}

} // namespace

const Command kCheckCommand{
    "check", "every value checked against what the dialogs store", kHelp, {"--model", "--json"}, run};

} // namespace cli
