#include "cli/Commands.h"

#include "models/ModelCatalogue.h"

#include <iomanip>

namespace cli {

const char* const kModelsHelp =
    "usage: krt-cli models\n\nLists the models as the selection list names them, with their file name,\n"
               "camera layout, main dialog (plain or encrypted file) and whether their file has\n"
               "an FTP section, an SMTP security option and a game-call sound.\n";

int commandModels(std::ostream& out)
{
    static constexpr const char* kLayouts[] = {"A", "B", "B-enc", "C", "D", "E"};
    out << std::left << std::setw(15) << "model" << std::setw(20) << "file" << std::setw(8) << "layout"
        << std::setw(11) << "file kind" << "FTP SMTP-option game-call\n";
    for (const ModelDescriptor& m : ModelCatalogue::all()) {
        out << std::setw(15) << m.listEntry << std::setw(20) << m.fileName << std::setw(8)
            << kLayouts[static_cast<int>(m.cameraLayout)] << std::setw(11)
            << (m.mainDialog == ModelCatalogue::kEncryptedMainDialog ? "encrypted" : "plain")
            << std::setw(4) << (m.hasFtpSection ? "yes" : "no") << std::setw(12)
            << (m.hasSmtpSecurity ? "yes" : "no") << (m.hasGameCallAudio ? "yes" : "no") << "\n";
    }
    return kOk;
}

} // namespace cli
