#include "TestDrives.h"
#include "cli/CliApp.h"
#include "context/AppContext.h"
#include "models/ModelCatalogue.h"
#include "params/CKRT_MainParaDlg.h"
#include "params/CKRT_MainParaEncryptDlg.h"
#include "platform/DialogControls.h"

#include <QPushButton>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <sstream>

// For every model, the file krt-cli writes from the defaults is the file
// the main dialog's first SAVE writes on a card with no file: both flows run
// here, each over drives of its own, at the same fixed time, and the bytes
// are compared whole, clock lines included.

namespace {

const LocalDateTime kNow{2025, 6, 1, 8, 30, 0};

/// The main dialog opened on an empty card in E:, SAVE pressed and the
/// question answered with OK: the card file and the backup copy.
std::pair<std::string, std::string> firstSave(const ModelDescriptor& model)
{
    TestDrives drives;
    drives.addDrive('C');
    drives.addDrive('E');
    RecordingMessageService messages;
    FixedClock clock(kNow);
    AppContext context(drives.map(), RegistryStore((drives.base() / "registry").string()), messages, clock);
    std::unique_ptr<CKRT_MainParaDlg> dialog;
    const std::string entry(model.listEntry);
    if (model.mainDialog == ModelCatalogue::kEncryptedMainDialog)
        dialog = std::make_unique<CKRT_MainParaEncryptDlg>(context, entry);
    else
        dialog = std::make_unique<CKRT_MainParaDlg>(context, entry);
    EXPECT_TRUE(dialog->initialise()) << entry;
    control<QPushButton>(dialog.get(), 1)->click();
    EXPECT_EQ(messages.texts().back(), "OK,All parameters have been saved success !") << entry;
    dialog->reject();
    return {TestDrives::readText(drives.native('E', "GSM/" + std::string(model.fileName))),
            TestDrives::readText(drives.native('C', "TavrinoxaBackup/" + std::string(model.fileName)))};
}

/// krt-cli write of the defaults onto an empty card in E:.
std::pair<std::string, std::string> cliWrite(const ModelDescriptor& model)
{
    TestDrives drives;
    drives.addDrive('C');
    drives.addDrive('E');
    const std::string map = "C=" + drives.native('C', "").string() + ";E=" + drives.native('E', "").string();
    ::setenv("KRT_DRIVES", map.c_str(), 1);
    std::ostringstream out;
    std::ostringstream err;
    const FixedClock clock(kNow);
    EXPECT_EQ(runCli({"write", std::string(model.listEntry), "E:"}, out, err, clock), 0) << err.str();
    ::unsetenv("KRT_DRIVES");
    return {TestDrives::readText(drives.native('E', "GSM/" + std::string(model.fileName))),
            TestDrives::readText(drives.native('C', "TavrinoxaBackup/" + std::string(model.fileName)))};
}

TEST(CliDefaultsMatchSaveTest, EveryModelsFileIsTheFirstSavesFileByteForByte)
{
    for (const ModelDescriptor& model : ModelCatalogue::all()) {
        const auto [guiCard, guiBackup] = firstSave(model);
        const auto [cliCard, cliBackup] = cliWrite(model);
        ASSERT_FALSE(guiCard.empty()) << model.listEntry;
        EXPECT_EQ(cliCard, guiCard) << model.listEntry;
        EXPECT_EQ(cliBackup, guiBackup) << model.listEntry;
    }
}

} // namespace
