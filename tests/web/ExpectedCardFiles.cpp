// Writes, for each of the thirty models, the card file the desktop flow
// writes on an empty card: the main dialog's core opened over an empty
// PC drive C: and an empty card E:, then SAVE. The web page's tests compare
// what the page saves with these files (their clock lines aside).
//
//   krt_web_expected <folder>   ->  <folder>/<parameter file> for every model,
//                                   <folder>/edited/<file> for TQ270 and RV731Q-33K
//
// The edited files carry values that are not the defaults (a phone number,
// a sending address, camera values), as a user's card does, so that the
// page's loading of a card shows in what it offers; they are saved twice,
// the second time after a fresh load, as a card in use is.

#include "context/AppContext.h"
#include "models/CameraLayoutKeys.h"
#include "models/ModelCatalogue.h"
#include "params/MainParaCore.h"
#include "platform/MessageService.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

namespace fs = std::filesystem;

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: krt_web_expected <folder>\n";
        return 2;
    }
    const fs::path out = argv[1];
    const fs::path work = out / "drives";
    std::error_code ec;
    fs::remove_all(out, ec);
    fs::create_directories(out);

    FixedClock clock({2024, 3, 5, 14, 7, 9});
    for (const ModelDescriptor& model : ModelCatalogue::all()) {
        const std::string entry(model.listEntry);
        const fs::path pc = work / "C";
        const fs::path card = work / "E";
        fs::remove_all(work, ec);
        fs::create_directories(pc);
        fs::create_directories(card);
        DriveMap drives;
        drives.set('C', pc.string());
        drives.set('E', card.string());
        RecordingMessageService messages;
        AppContext context(drives, RegistryStore((work / "registry").string()), messages, clock);
        const auto variant = model.mainDialog == ModelCatalogue::kEncryptedMainDialog ? MainParaCore::Variant::Encrypted
                                                                                       : MainParaCore::Variant::Plain;
        MainParaCore core(context, entry, variant);
        if (!core.Mng_CurModSaveInfoSet()) {
            std::cerr << entry << ": no set-up\n";
            return 1;
        }
        core.Mng_SearchDisks();
        core.saveAll();
        const fs::path written = card / "GSM" / std::string(model.fileName);
        if (!fs::is_regular_file(written) || core.saveTarget().rfind("E:\\", 0) != 0) {
            std::cerr << entry << ": the save wrote no card file\n";
            return 1;
        }
        fs::copy_file(written, out / std::string(model.fileName), fs::copy_options::overwrite_existing);

        if (entry == "TQ270" || entry == "RV731Q-33K") {
            ParameterRecords& records = context.records();
            core.customerInfo()[1] = "+49 170 5550123";
            core.customerInfo()[5] = "ranger@example.org";
            records.networkParameters.fields[NetworkParameters::SendEmailAddr] = "camera@example.org";
            records.cameraSettings.setValue(CameraKey::PirTrigger, 2);
            records.cameraSettings.setValue(CameraKey::PhotoSize, 1);
            records.cameraSettings.setValue(CameraKey::WorkHour, 1);
            records.cameraSettings.setValue(CameraKey::WorkHourStartH, 6);
            core.saveAll();
            // A card the tool has loaded and saved again: the form its files
            // keep from then on (an empty value the first save wrote, such as
            // B-enc's untouched "Picture Type", reads back as 0).
            AppContext again(drives, RegistryStore((work / "registry").string()), messages, clock);
            MainParaCore reopened(again, entry, variant);
            reopened.Mng_CurModSaveInfoSet();
            reopened.Mng_SearchDisks();
            reopened.saveAll();
            fs::create_directories(out / "edited");
            fs::copy_file(written, out / "edited" / std::string(model.fileName), fs::copy_options::overwrite_existing);
        }
    }
    fs::remove_all(work, ec);
    std::cout << "krt_web_expected: " << ModelCatalogue::all().size() << " card files in " << out.string() << "\n";
    return 0;
}
