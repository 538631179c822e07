#include "TestDrives.h"
#include "context/AppContext.h"
#include "params/CKRT_MainParaEncryptDlg.h"
#include "params/ParameterFileCodec.h"
#include "platform/DialogControls.h"

#include "GuiTestSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class MainParaEncryptDlgTest : public testing::Test
{
protected:
    MainParaEncryptDlgTest() : clock({2025, 6, 1, 8, 30, 0})
    {
        drives.addDrive('C');
        drives.addDrive('E');
        context.emplace(drives.map(), RegistryStore((drives.base() / "registry").string()), messages, clock);
    }

    TestDrives drives;
    RecordingMessageService messages;
    FixedClock clock;
    std::optional<AppContext> context;
};

TEST_F(MainParaEncryptDlgTest, TheEncryptedVariantOfTheMainDialog)
{
    struct Case
    {
        const char* model;
        const char* firstLabel;
    } const cases[] = {{"RV731Q-40K", "Phone Number 1 :"}, {"RV731Q-33K", "Admin...Number :"}};
    for (const Case& c : cases) {
        CKRT_MainParaEncryptDlg dlg(*context, c.model);
        ASSERT_TRUE(dlg.initialise());
        EXPECT_EQ(dlg.windowTitle().toStdString(), std::string("KRT CONFIG : For ") + c.model);
        EXPECT_FALSE(dlg.windowFlags() & Qt::WindowMinimizeButtonHint);
        EXPECT_EQ(control<QLabel>(&dlg, 1060)->text().toStdString(), c.firstLabel);
        EXPECT_EQ(control<QLabel>(&dlg, 1061)->text(), "Phone Number 2 :");
        EXPECT_EQ(control<QLabel>(&dlg, 1063)->text(), "Phone Number 4 :");
        EXPECT_EQ(dlg.core().saveTarget(), std::string("E:\\GSM\\") + c.model + ".BIN");
    }
}

TEST_F(MainParaEncryptDlgTest, OpeningNamesTheModelOnTheDebugChannel)
{
    ::setenv("KRT_DEBUG", "1", 1);
    testing::internal::CaptureStderr();
    {
        CKRT_MainParaEncryptDlg dlg(*context, "RV731Q-33K");
        dlg.initialise();
    }
    const std::string said = testing::internal::GetCapturedStderr();
    ::unsetenv("KRT_DEBUG");
    EXPECT_NE(said.find("===========当前型号是：RV731Q-33K=================\n"), std::string::npos) << said;
}

TEST_F(MainParaEncryptDlgTest, SaveWritesTheEncodedFileAndChangeSettingOpensDialog143)
{
    CKRT_MainParaEncryptDlg dlg(*context, "RV731Q-40K");
    ASSERT_TRUE(dlg.initialise());
    control<QLineEdit>(&dlg, 1009)->setText("+49 170 555");
    control<QPushButton>(&dlg, 1)->click();
    const std::string text = ParameterFileCodec::decode(TestDrives::readText(drives.native('E', "GSM/RV731Q-40K.BIN")));
    EXPECT_NE(text.find("AdministratorNum=+49170555\r\n"), std::string::npos) << text;
    EXPECT_EQ(messages.texts().front(), "Save all parameters to \"E:\\GSM\\RV731Q-40K.BIN\" ?");

    QString shown;
    whenModalShows([&](QWidget* modal) {
        shown = modal->metaObject()->className();
        modal->close();
    });
    dlg.Mng_JumpToCertainMod();
    EXPECT_EQ(shown, "CKRT_CamParaRV718WDlg");
}

} // namespace
