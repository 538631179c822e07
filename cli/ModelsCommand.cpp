#include "cli/Commands.h"

#include "models/ModelCatalogue.h"

#include <iomanip>

namespace cli {

namespace {

const char* const kHelp =
    "usage: krt-cli models [--json]\n\n"
    "Lists the models as the selection list names them, with their file name,\n"
    "camera layout, main dialog (plain or encrypted file) and whether their file has\n"
    "an FTP section, an SMTP security option and a game-call sound.\n"
    "--json: {\"models\": [{\"model\", \"model_value\", \"file\", \"layout\", \"file_kind\",\n"
    "\"ftp\", \"smtp_security\", \"game_call\"}]}.\n";

constexpr const char* kLayouts[] = {"A", "B", "B-enc", "C", "D", "E"};

const char* layoutName(const ModelDescriptor& m)
{
    return kLayouts[static_cast<int>(m.cameraLayout)];
}

const char* fileKind(const ModelDescriptor& m)
{
    return isEncrypted(m) ? "encrypted" : "plain";
}

int run(const Options& options, const Environment&, std::ostream& out, std::ostream& err)
{
    if (!options.positional.empty()) {
        err << kHelp;
        return kUsage;
    }
    if (options.json) {
        out << "{\"models\": [";
        bool first = true;
        for (const ModelDescriptor& m : ModelCatalogue::all()) {
            out << (first ? "" : ", ") << "{\"model\": " << jsonString(m.listEntry)
                << ", \"model_value\": " << jsonString(m.modelValue)
                << ", \"file\": " << jsonString(m.fileName) << ", \"layout\": " << jsonString(layoutName(m))
                << ", \"file_kind\": " << jsonString(fileKind(m))
                << ", \"ftp\": " << jsonBool(m.hasFtpSection)
                << ", \"smtp_security\": " << jsonBool(m.hasSmtpSecurity)
                << ", \"game_call\": " << jsonBool(m.hasGameCallAudio) << "}";
            first = false;
        }
        out << "]}\n";
        return kOk;
    }
    out << std::left << std::setw(15) << "model" << std::setw(20) << "file" << std::setw(8) << "layout"
        << std::setw(11) << "file kind"
        << "FTP SMTP-option game-call\n";
    for (const ModelDescriptor& m : ModelCatalogue::all()) {
        out << std::setw(15) << m.listEntry << std::setw(20) << m.fileName << std::setw(8) << layoutName(m)
            << std::setw(11) << fileKind(m) << std::setw(4) << (m.hasFtpSection ? "yes" : "no")
            << std::setw(12) << (m.hasSmtpSecurity ? "yes" : "no") << (m.hasGameCallAudio ? "yes" : "no")
            << "\n";
    }
    return kOk;
}

} // namespace

const Command kModelsCommand{
    "models", "the thirty camera models and what their files hold", kHelp, {"--json"}, run};

} // namespace cli
