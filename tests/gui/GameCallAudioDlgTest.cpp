#include "TestDrives.h"
#include "audio/ConversionTool.h"
#include "camera/CameraSettingsDialog.h"
#include "context/AppContext.h"
#include "models/CameraDialogVariants.h"
#include "params/CKRT_MainParaDlg.h"
#include "platform/DialogControls.h"

#include "GuiTestSupport.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QProgressDialog>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

// A user picks a sound in the TQ270 camera dialog; SAVE converts it behind
// a progress window and the card holds the camera's sound file.
TEST(GameCallAudioDlgTest, ChosenSoundReachesTheCardOnSave)
{
    if (ConversionTool::findProgram().empty())
        GTEST_SKIP() << "no ffmpeg on this machine";
    TestDrives drives;
    drives.addDrive('C');
    drives.addDrive('E');
    RecordingMessageService messages;
    FixedClock clock({2025, 6, 1, 8, 30, 0});
    AppContext context(drives.map(), RegistryStore((drives.base() / "registry").string()), messages, clock);

    const fs::path source = drives.base() / "elk call.wav";
    const std::string make = "\"" + ConversionTool::findProgram() +
                             "\" -nostdin -loglevel error -f lavfi -i sine=frequency=300:duration=2 \"" +
                             source.string() + "\"";
    ASSERT_EQ(std::system(make.c_str()), 0);

    CKRT_MainParaDlg main(context, "TQ270");
    ASSERT_TRUE(main.initialise());
    whenModalShows([&](QWidget* modal) {
        auto* camera = qobject_cast<CameraSettingsDialog*>(modal);
        ASSERT_NE(camera, nullptr);
        camera->setFileChooser([&](QWidget*, const QString&) -> std::optional<QString> {
            return QString::fromStdString(source.string());
        });
        auto* gameCall = control<QComboBox>(camera, CameraCtl::GameCall);
        gameCall->setCurrentIndex(1);
        Q_EMIT gameCall->activated(1);
        control<QAbstractButton>(camera, CameraCtl::AddAudio)->click();
        control<QAbstractButton>(camera, 1)->click();
    });
    main.Mng_JumpToCertainMod();
    EXPECT_EQ(context.records().gameCallAudioPath, source.string());

    bool progressShown = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        progressShown = progressShown || qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
    });
    watch.start(5);
    main.saveParameters();
    watch.stop();
    const fs::path wav = drives.native('E', "DCIM/100KRTIM/ADUI0001.WAV");
    ASSERT_TRUE(fs::exists(wav)) << "messages: " << (messages.texts().empty() ? "" : messages.texts().back());
    const std::string bytes = TestDrives::readText(wav);
    EXPECT_EQ(bytes.substr(36, 4), "data") << "the 44-byte header";
    EXPECT_TRUE(progressShown);
    EXPECT_EQ(messages.texts().back(), "OK,All parameters have been saved success !")
        << "no question or failure about the sound";
}

} // namespace
