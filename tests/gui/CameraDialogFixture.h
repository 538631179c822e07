#pragma once

#include "TestDrives.h"
#include "camera/CKRT_CamPara4GDlg.h"
#include "camera/CKRT_CamParaGroup1Dlg.h"
#include "camera/CKRT_CamParaRV718WDlg.h"
#include "camera/CKRT_CamParaRV720QDlg.h"
#include "camera/CKRT_CamParaTQ240Dlg.h"
#include "camera/CameraDefaults.h"
#include "context/AppContext.h"
#include "models/ModelCatalogue.h"
#include "params/MainParaCore.h"
#include "platform/DialogControls.h"

#include <QAbstractButton>
#include <QComboBox>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

/// Drives C: and E:, the records of a main dialog, and what a user does in
/// a camera settings dialog.
class CameraDialogFixture : public testing::Test
{
protected:
    CameraDialogFixture() : clock({2025, 6, 1, 8, 30, 0})
    {
        drives.addDrive('C');
        drives.addDrive('E');
        context.emplace(drives.map(), RegistryStore((drives.base() / "registry").string()), messages, clock);
    }

    /// The model's defaults, as the main dialog holds them; change what the test needs.
    CameraSettings& record(const char* model)
    {
        applyCameraDefaults(*ModelCatalogue::find(model), settings());
        return settings();
    }
    CameraSettings& settings() { return context->records().cameraSettings; }

    /// The camera settings dialog the main dialog opens for the model.
    std::unique_ptr<CameraSettingsDialog> openCameraDialog(const ModelDescriptor& model)
    {
        const std::string entry(model.listEntry);
        switch (model.cameraDialog) {
        case ModelCatalogue::kFullCameraDialog:
            return std::make_unique<CKRT_CamParaRV718WDlg>(*context, entry);
        case ModelCatalogue::k4GCameraDialog:
            return std::make_unique<CKRT_CamPara4GDlg>(*context, entry);
        case ModelCatalogue::kLayoutDCameraDialog:
            return std::make_unique<CKRT_CamParaRV720QDlg>(*context, entry);
        case ModelCatalogue::kLayoutACameraDialog:
            return std::make_unique<CKRT_CamParaTQ240Dlg>(*context, entry);
        default:
            return std::make_unique<CKRT_CamParaGroup1Dlg>(*context, entry);
        }
    }

    static QComboBox* combo(QWidget* d, int id) { return control<QComboBox>(d, id); }
    static QAbstractButton* button(QWidget* d, int id) { return control<QAbstractButton>(d, id); }
    /// Picks an item from the drop-down.
    static void choose(QWidget* d, int id, int position)
    {
        QComboBox* list = combo(d, id);
        list->setCurrentIndex(position);
        Q_EMIT list->activated(position);
    }
    /// OK, answering the save question with OK.
    static void confirm(QWidget* d) { button(d, 1)->click(); }

    /// SAVE of the main dialog for the model, to the card in E:; the file's bytes.
    std::string saveToCard(const char* model)
    {
        MainParaCore core(*context, model);
        core.Mng_CurModSaveInfoSet();
        core.setSaveTarget("E:\\" + core.fileTexts().relativeCardPath);
        core.Mng_AllPara(MainParaCore::kWrite, MainParaCore::kBackupCopy);
        EXPECT_EQ(core.Mng_AllPara(MainParaCore::kWrite, MainParaCore::kCardFile), 1);
        return TestDrives::readText(drives.native('E', "GSM/" + core.fileTexts().fileName));
    }

    TestDrives drives;
    RecordingMessageService messages;
    FixedClock clock;
    std::optional<AppContext> context;
};
