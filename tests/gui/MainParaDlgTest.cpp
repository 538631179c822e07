#include "TestDrives.h"
#include "context/AppContext.h"
#include "params/CKRT_AboutDlg.h"
#include "params/CKRT_MainParaDlg.h"
#include "platform/DialogControls.h"

#include "GuiTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>

namespace {

/// Records like the usual fake, and lets a test act while a box is "open".
class ReentrantMessages : public RecordingMessageService
{
public:
    MessageAnswer show(const Message& message) override
    {
        if (whileShown)
            whileShown();
        return RecordingMessageService::show(message);
    }
    std::function<void()> whileShown;
};

class MainParaDlgTest : public testing::Test
{
protected:
    MainParaDlgTest() : clock({2025, 6, 1, 8, 30, 0})
    {
        drives.addDrive('C');
        drives.addDrive('E');
        context.emplace(drives.map(), RegistryStore((drives.base() / "registry").string()), messages, clock);
    }

    std::unique_ptr<CKRT_MainParaDlg> open(const std::string& entry)
    {
        auto dlg = std::make_unique<CKRT_MainParaDlg>(*context, entry);
        EXPECT_TRUE(dlg->initialise());
        return dlg;
    }

    void cardFile(const std::string& file, const std::string& body)
    {
        TestDrives::writeText(drives.native('E', "GSM/" + file), body);
    }

    static QLineEdit* edit(CKRT_MainParaDlg& d, int id) { return control<QLineEdit>(&d, id); }
    static QCheckBox* tie(CKRT_MainParaDlg& d) { return control<QCheckBox>(&d, 1001); }
    static void focusIn(QWidget* w)
    {
        QFocusEvent event(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(w, &event);
    }

    TestDrives drives;
    ReentrantMessages messages;
    FixedClock clock;
    std::optional<AppContext> context;
};

TEST_F(MainParaDlgTest, CaptionAndFirstPhoneLabelFollowTheModel)
{
    struct Case
    {
        const char* entry;
        const char* label;
    } const cases[] = {{"TQ330", "Phone Number 1 :"}, {"TQ480-E", "Admin...Number :"}};
    for (const Case& c : cases) {
        auto dlg = open(c.entry);
        EXPECT_EQ(dlg->windowTitle().toStdString(), std::string("KRT CONFIG : For ") + c.entry);
        EXPECT_EQ(control<QLabel>(dlg.get(), 1077)->text().toStdString(), c.label);
    }
}

TEST_F(MainParaDlgTest, ControlsCarryTheirTexts)
{
    auto dlg = open("TQ270");
    const std::pair<int, const char*> buttons[] = {{1, "SAVE (&Y)"},
                                                   {2, "EXIT (&N)"},
                                                   {1005, "Check WAP / Internet Parameters (&L)"},
                                                   {1006, "Default Setting (&D)"},
                                                   {1007, "Change Setting (&C)"}};
    for (const auto& [id, text] : buttons)
        EXPECT_EQ(control<QPushButton>(dlg.get(), id)->text().toStdString(), text) << id;
    EXPECT_FALSE(control<QPushButton>(dlg.get(), 1027)->isVisibleTo(dlg.get()));
    EXPECT_EQ(control<QLabel>(dlg.get(), 1059)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    bool attention = false;
    for (const QLabel* label : dlg->findChildren<QLabel*>())
        attention |= label->text() == "Attention Please ,The Data Above Will Be Saved In The Following  File: ";
    EXPECT_TRUE(attention);
}

TEST_F(MainParaDlgTest, SaveTargetsShowTheFolderOfTheirDrive)
{
    auto dlg = open("TQ270");
    const QComboBox* targets = control<QComboBox>(dlg.get(), 1000);
    ASSERT_EQ(targets->count(), 2);
    EXPECT_EQ(targets->currentText(), "E:\\GSM\\TQ270.TXT");
    EXPECT_EQ(targets->itemData(1, Qt::ToolTipRole).toString().toStdString(), (drives.base() / "E").string());
}

TEST_F(MainParaDlgTest, LoadedAddressesDecideTheEmailTie)
{
    const std::string head = "[KRTFileMark]\r\nModel=TQ270\r\n[Via Internet Settings]\r\n"
                             "SendEmailServer=smtp.example.net\r\nSendEmailAddr=cam@example.net\r\n"
                             "[Receive number and receive email]\r\nReceiveEmail1=";
    cardFile("TQ270.TXT", head + "cam@example.net\r\n");
    auto same = open("TQ270");
    EXPECT_TRUE(tie(*same)->isChecked());
    EXPECT_TRUE(edit(*same, 1015)->isReadOnly());

    cardFile("TQ270.TXT", head + "Cam@example.net\r\n");
    auto differentCase = open("TQ270");
    EXPECT_FALSE(tie(*differentCase)->isChecked());
    EXPECT_FALSE(edit(*differentCase, 1015)->isReadOnly());
    EXPECT_EQ(edit(*differentCase, 1015)->text(), "Cam@example.net");
}

TEST_F(MainParaDlgTest, TickingWithoutAServerLocksButKeepsTheText)
{
    context->records().networkParameters.fields[NetworkParameters::SendEmailAddr] = "cam@example.net";
    cardFile("TQ270.TXT", "[KRTFileMark]\r\nModel=TQ270\r\n[Via Internet Settings]\r\nSendEmailAddr=cam@example.net\r\n"
                          "[Receive number and receive email]\r\nReceiveEmail1=me@example.org\r\n");
    auto dlg = open("TQ270");
    ASSERT_FALSE(tie(*dlg)->isChecked());
    tie(*dlg)->click();
    EXPECT_TRUE(tie(*dlg)->isChecked());
    EXPECT_TRUE(edit(*dlg, 1015)->isReadOnly());
    EXPECT_EQ(edit(*dlg, 1015)->text(), "me@example.org");

    context->records().networkParameters.fields[NetworkParameters::SendEmailServer] = "smtp.example.net";
    tie(*dlg)->click();
    EXPECT_FALSE(edit(*dlg, 1015)->isReadOnly());
    tie(*dlg)->click();
    EXPECT_EQ(edit(*dlg, 1015)->text(), "cam@example.net") << "with a server the sending address is taken";
}

TEST_F(MainParaDlgTest, FocusOnTheTiedAddressRemindsOnce)
{
    auto dlg = open("TQ270");
    ASSERT_TRUE(tie(*dlg)->isChecked()) << "both addresses are empty after defaults";
    // The message box takes the focus and gives it back: that must not remind again.
    messages.whileShown = [&] { focusIn(edit(*dlg, 1015)); };
    focusIn(edit(*dlg, 1015));
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "This paramater must keep same with \nWAP/Internet Setting -> SEND EMAIL ADDR !");
    EXPECT_EQ(messages.shown()[0].icon, MessageIcon::Information);
    EXPECT_EQ(dlg->focusWidget(), tie(*dlg));

    messages.whileShown = nullptr;
    tie(*dlg)->click();
    focusIn(edit(*dlg, 1015));
    EXPECT_EQ(messages.shown().size(), 1u) << "an untied field is the user's to edit";
}

TEST_F(MainParaDlgTest, SaveWritesWhatTheFieldsHold)
{
    auto dlg = open("TQ270");
    dlg->show();
    edit(*dlg, 1009)->setText("+49 170-123_456");
    edit(*dlg, 1016)->setText("  friend@example.org ");
    control<QPushButton>(dlg.get(), 1)->click();
    const std::string card = TestDrives::readText(drives.native('E', "GSM/TQ270.TXT"));
    EXPECT_NE(card.find("AdministratorNum=+49170123456\r\n"), std::string::npos);
    EXPECT_NE(card.find("ReceiveEmail2=friend@example.org\r\n"), std::string::npos);
    EXPECT_EQ(messages.texts().back(), "OK,All parameters have been saved success !");
    EXPECT_TRUE(dlg->isVisible()) << "SAVE keeps the dialog open";
}

TEST_F(MainParaDlgTest, PastedLineBreaksCannotAddSectionsOrKeys)
{
    auto dlg = open("TQ270");
    dlg->show();
    const QString injection = QStringLiteral("abc\r\n[Camera Setting]\r\nx=1");
    pasteInto(edit(*dlg, 1016), injection);
    pasteInto(edit(*dlg, 1009), QStringLiteral("+49123\r\n[Via WAP Settings]\nMmsUrl=evil"));
    edit(*dlg, 1017)->insert(QStringLiteral("one\rtwo\ntree"));
    EXPECT_EQ(edit(*dlg, 1016)->text(), "abc[Camera Setting]x=1");
    EXPECT_EQ(edit(*dlg, 1017)->text(), "onetwotree");
    control<QPushButton>(dlg.get(), 1)->click();

    const std::string card = TestDrives::readText(drives.native('E', "GSM/TQ270.TXT"));
    EXPECT_NE(card.find("ReceiveEmail2=abc[Camera Setting]x=1\r\n"), std::string::npos) << card;
    EXPECT_NE(card.find("ReceiveEmail3=onetwotree\r\n"), std::string::npos) << card;
    EXPECT_EQ(card.find("\r\nx=1"), std::string::npos) << "no key of the pasted text stands on a line of its own";
    EXPECT_EQ(card.find("\r\n[Camera Setting]"), card.rfind("\r\n[Camera Setting]")) << "one camera section";
    EXPECT_NE(card.find("AdministratorNum=+49123[ViaWAPSettings]MmsUrl=evil\r\n"), std::string::npos) << card;
    EXPECT_EQ(card.find("\r\nMmsUrl=evil"), std::string::npos) << card;
}

TEST_F(MainParaDlgTest, UntouchedCustomerFieldsKeepTheirBytes)
{
    // Written on a PC with another code page: Latin-1 and GBK bytes that are
    // not UTF-8.
    const std::string latin1 = "Caf\xE9@example.org";
    const std::string gbk = "\xC4\xE3\xBA\xC3@example.cn";
    cardFile("TQ270.TXT", "[KRTFileMark]\r\nModel=TQ270\r\n[Receive number and receive email]\r\n"
                          "ReceiveEmail2=" + latin1 + "\r\nReceiveEmail3=" + gbk +
                              "\r\nReceiveEmail4=" + latin1 + "\r\n");
    auto dlg = open("TQ270");
    dlg->show();
    edit(*dlg, 1018)->setText(QStringLiteral("Caf\u00e9@example.org"));
    control<QPushButton>(dlg.get(), 1)->click();
    for (const std::filesystem::path& file :
         {drives.native('E', "GSM/TQ270.TXT"), drives.native('C', "TavrinoxaBackup/TQ270.TXT")}) {
        const std::string saved = TestDrives::readText(file);
        EXPECT_NE(saved.find("ReceiveEmail2=" + latin1 + "\r\n"), std::string::npos) << file;
        EXPECT_NE(saved.find("ReceiveEmail3=" + gbk + "\r\n"), std::string::npos) << file;
        EXPECT_NE(saved.find("ReceiveEmail4=Caf\xC3\xA9@example.org\r\n"), std::string::npos)
            << "an edited field is stored as the new text";
    }
}

TEST_F(MainParaDlgTest, TiedAddressTakesTheSendingAddressBytes)
{
    const std::string address = "cam\xE9@example.net";
    cardFile("TQ270.TXT", "[KRTFileMark]\r\nModel=TQ270\r\n[Via Internet Settings]\r\n"
                          "SendEmailServer=smtp.example.net\r\nSendEmailAddr=" + address +
                              "\r\n[Receive number and receive email]\r\nReceiveEmail1=other@example.net\r\n");
    auto dlg = open("TQ270");
    dlg->show();
    ASSERT_FALSE(tie(*dlg)->isChecked());
    tie(*dlg)->click();
    control<QPushButton>(dlg.get(), 1)->click();
    const std::string card = TestDrives::readText(drives.native('E', "GSM/TQ270.TXT"));
    EXPECT_NE(card.find("ReceiveEmail1=" + address + "\r\n"), std::string::npos) << card;
}

TEST_F(MainParaDlgTest, ExitAsksNothing)
{
    auto dlg = open("TQ270");
    int cleanedUp = 0;
    dlg->core().setGameCallAudioHooks({{}, [&cleanedUp] { ++cleanedUp; }, {}});
    edit(*dlg, 1010)->setText("unsaved");
    control<QPushButton>(dlg.get(), 2)->click();
    EXPECT_EQ(dlg->result(), QDialog::Rejected);
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(cleanedUp, 1);
    EXPECT_FALSE(std::filesystem::exists(drives.native('E', "GSM/TQ270.TXT")));
}

TEST_F(MainParaDlgTest, UnknownModelDoesNotOpen)
{
    CKRT_MainParaDlg dlg(*context, "TQ 270");
    EXPECT_FALSE(dlg.initialise());
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Error In CKRT_MainParaDlg::Mng_CurModSaveInfoSet() !"});
}

TEST_F(MainParaDlgTest, BannerClickOpensAbout)
{
    auto dlg = open("TQ270");
    QString caption;
    QString text;
    whenModalShows([&](QWidget* modal) {
        caption = modal->windowTitle();
        text = modal->findChild<QLabel*>("aboutText")->text();
        modal->close();
    });
    dlg->openAbout();
    EXPECT_EQ(caption, "About Us");
    EXPECT_TRUE(text.startsWith("KRT CONFIG 2.9.0.9 \n"));
}

} // namespace

namespace {

// With no card in, the only target is a folder on the PC; a user who is not
// told saves there believing the file is on the card.
TEST(MainParaDlgNoCardTest, SaysSoWhileNoCardIsInAndStopsOnceOneIs)
{
    TestDrives drives;
    drives.addDrive('C');
    const std::filesystem::path card = drives.addDrive('E', false);
    RecordingMessageService messages;
    FixedClock clock({2025, 6, 1, 8, 30, 0});
    AppContext context(drives.map(), RegistryStore((drives.base() / "registry").string()), messages, clock);
    CKRT_MainParaDlg dlg(context, "TQ270");
    ASSERT_TRUE(dlg.initialise());

    auto* line = dlg.findChild<QLabel*>("noCardLabel");
    ASSERT_NE(line, nullptr);
    EXPECT_TRUE(line->isVisibleTo(&dlg));
    EXPECT_EQ(line->text(), "No memory card found. Insert the card; it is added when you open this list.");
    auto* targets = control<QComboBox>(&dlg, 1000);
    ASSERT_EQ(targets->count(), 1);
    EXPECT_EQ(targets->itemData(0, Qt::ToolTipRole).toString().toStdString(), (drives.base() / "C").string())
        << "the C: entry names the folder it stands for";

    std::filesystem::create_directories(card);
    targets->showPopup();
    targets->hidePopup();
    EXPECT_EQ(targets->count(), 2);
    EXPECT_FALSE(line->isVisibleTo(&dlg)) << "the card is in the list now";
}

} // namespace
