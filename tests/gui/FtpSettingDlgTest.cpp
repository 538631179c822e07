#include "TestDrives.h"
#include "context/AppContext.h"
#include "network/CKRT_FtpSettingDlg.h"
#include "platform/DialogControls.h"

#include "GuiTestSupport.h"

#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class FtpSettingDlgTest : public testing::Test
{
protected:
    FtpSettingDlgTest()
        : clock({2025, 6, 1, 8, 30, 0}),
          context(drives.map(), RegistryStore((drives.base() / "registry").string()), messages, clock)
    {
        ftp() = FtpParameters{{"ftp.example.org", "21", "camera", "pw"}};
    }

    FtpParameters& ftp() { return context.records().ftpParameters; }
    static QLineEdit* edit(QWidget& d, int id) { return control<QLineEdit>(&d, id); }
    static void click(QWidget& d, int id) { control<QPushButton>(&d, id)->click(); }

    TestDrives drives;
    RecordingMessageService messages;
    FixedClock clock;
    AppContext context;
};

TEST_F(FtpSettingDlgTest, ShowsTheRecord)
{
    CKRT_FtpSettingDlg dlg(ftp(), messages);
    EXPECT_EQ(dlg.windowTitle(), "FTP Setting");
    EXPECT_EQ(edit(dlg, 1079)->text(), "ftp.example.org");
    EXPECT_EQ(edit(dlg, 1081)->text(), "21");
    EXPECT_EQ(edit(dlg, 1080)->text(), "camera");
    EXPECT_EQ(edit(dlg, 1082)->text(), "pw");
    EXPECT_EQ(edit(dlg, 1082)->echoMode(), QLineEdit::Password);
    EXPECT_EQ(control<QPushButton>(&dlg, 1)->text(), "OK(&Y)");
    EXPECT_EQ(control<QPushButton>(&dlg, 2)->text(), "Cancel(&N)");
}

TEST_F(FtpSettingDlgTest, RefusesEmptyOrBlankFieldsFocusingTheFirstInOrder)
{
    struct Case
    {
        std::vector<int> blanked;
        int focused;
    } const cases[] = {
        {{1082}, 1082},
        {{1080, 1082}, 1080},
        {{1081, 1080}, 1081},
        {{1079, 1081, 1080, 1082}, 1079},
    };
    const FtpParameters before = ftp();
    for (const Case& c : cases) {
        CKRT_FtpSettingDlg dlg(ftp(), messages);
        for (int id : c.blanked)
            edit(dlg, id)->setText(id == 1081 ? "" : " \t ");
        messages.clear();
        click(dlg, 1);
        EXPECT_EQ(messages.texts(),
                  std::vector<std::string>{"Before saving , you must complete the 4 items in FTP setting !"});
        EXPECT_EQ(messages.shown()[0].icon, MessageIcon::Warning);
        EXPECT_EQ(dlg.focusWidget(), edit(dlg, c.focused)) << c.focused;
        EXPECT_EQ(dlg.result(), QDialog::Rejected);
        EXPECT_EQ(ftp(), before);
    }
}

TEST_F(FtpSettingDlgTest, SavesTrimmedAndCutTo100AfterTheQuestion)
{
    CKRT_FtpSettingDlg dlg(ftp(), messages);
    edit(dlg, 1079)->setText(QString(120, 's'));
    edit(dlg, 1082)->setText("  new pw  ");

    messages.answerNext(MessageAnswer::Cancel);
    click(dlg, 1);
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(ftp().fields[FtpParameters::FtpServer], "ftp.example.org");

    messages.clear();
    click(dlg, 1);
    EXPECT_EQ(messages.texts(), (std::vector<std::string>{"Save all Internet parameters ?",
                                                          "OK,Internet Parameters saved success !"}));
    EXPECT_EQ(messages.shown()[0].icon, MessageIcon::Question);
    EXPECT_EQ(messages.shown()[1].icon, MessageIcon::Information);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(ftp(), (FtpParameters{{std::string(100, 's'), "21", "camera", "new pw"}}));
}

TEST_F(FtpSettingDlgTest, UntouchedFieldsKeepTheirBytesEditedOnesTakeTheText)
{
    ftp() = FtpParameters{{"ftp.caf\xE9.example", "21", "\xC4\xE3\xBA\xC3", "pw\xE9"}};
    CKRT_FtpSettingDlg dlg(ftp(), messages);
    edit(dlg, 1080)->setText(QStringLiteral("caf\u00e9"));
    click(dlg, 1);
    ASSERT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(ftp().fields, (FtpParameters{{"ftp.caf\xE9.example", "21", "caf\xC3\xA9", "pw\xE9"}}).fields);
}

TEST_F(FtpSettingDlgTest, PastedLineBreaksAreDropped)
{
    CKRT_FtpSettingDlg dlg(ftp(), messages);
    dlg.show();
    pasteInto(edit(dlg, 1079), QStringLiteral("ftp.example.org\r\n[Camera Setting]\r\nx=1"));
    pasteInto(edit(dlg, 1082), QStringLiteral("secret\n"));
    edit(dlg, 1081)->insert(QStringLiteral("\r\n"));
    click(dlg, 1);
    ASSERT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(ftp().fields, (FtpParameters{{"ftp.example.org[Camera Setting]x=1", "21", "camera", "secret"}}).fields);
}

TEST_F(FtpSettingDlgTest, CancelLeavesTheRecord)
{
    const FtpParameters before = ftp();
    CKRT_FtpSettingDlg dlg(ftp(), messages);
    edit(dlg, 1079)->setText("changed");
    edit(dlg, 1082)->setText("");
    click(dlg, 2);
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(ftp(), before);
    EXPECT_TRUE(messages.shown().empty());
}

} // namespace
