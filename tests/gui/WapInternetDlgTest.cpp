#include "TestDrives.h"
#include "context/AppContext.h"
#include "network/CKRT_AdvancedSetupDlg.h"
#include "network/CKRT_WapInternetDlg.h"
#include "network/Ipv4AddressEdit.h"
#include "network/SmtpProviders.h"
#include "platform/DialogControls.h"

#include "GuiTestSupport.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace {

using Mode = CKRT_WapInternetDlg::Mode;
using F = NetworkParameters;

class WapInternetDlgTest : public testing::Test
{
protected:
    WapInternetDlgTest()
        : clock({2025, 6, 1, 8, 30, 0}),
          context(drives.map(), RegistryStore((drives.base() / "registry").string()), messages, clock)
    {
    }

    NetworkParameters& record() { return context.records().networkParameters; }

    void completeRecord()
    {
        for (std::size_t i = 0; i < F::FieldCount; ++i)
            record().fields[i] = "v" + std::to_string(i);
        record().fields[F::MmsIp] = "10.0.0.172";
        record().fields[F::MmsPort] = "8080";
        record().fields[F::SendEmailServer] = "smtp.example.org";
        record().fields[F::SendEmailPort] = "25";
        record().fields[F::SendEmailAddr] = "cam@example.org";
        record().fields[F::SendEmailPassword] = "secret";
        record().smtpSecurity = "0";
    }

    std::unique_ptr<CKRT_WapInternetDlg> open(Mode mode, bool advanced = true)
    {
        return std::make_unique<CKRT_WapInternetDlg>(context, mode, advanced);
    }

    static QLineEdit* edit(QWidget& d, int id) { return control<QLineEdit>(&d, id); }
    static Ipv4AddressEdit* ip(QWidget& d) { return control<Ipv4AddressEdit>(&d, 1018); }
    static void click(QWidget& d, int id) { control<QPushButton>(&d, id)->click(); }
    static void type(QWidget& d, int id, const QString& text)
    {
        QLineEdit* e = edit(d, id);
        e->setText(text);
    }
    static void focusEvent(QWidget* w, QEvent::Type type)
    {
        QFocusEvent event(type, Qt::TabFocusReason);
        QApplication::sendEvent(w, &event);
    }
    static QString ipText(QWidget& d)
    {
        QStringList parts;
        for (int i = 0; i < 4; ++i)
            parts << ip(d)->field(i)->text();
        return parts.join('.');
    }

    TestDrives drives;
    RecordingMessageService messages;
    FixedClock clock;
    AppContext context;
};

TEST_F(WapInternetDlgTest, ModesDifferInTopLineAndEnabling)
{
    completeRecord();
    auto current = open(Mode::CurrentParameters);
    EXPECT_EQ(current->windowTitle(), "WAP / Internet Parameters");
    EXPECT_EQ(control<QLabel>(current.get(), 1026)->text(),
              "Current WAP/internet parameters as follows, You can just modify highlighted items !");
    for (std::size_t i = 0; i < CKRT_WapInternetDlg::kIndexedControls.size(); ++i) {
        const int id = CKRT_WapInternetDlg::kIndexedControls[i];
        EXPECT_EQ(control(current.get(), id)->isEnabled(), i >= 9 && i <= 12) << id;
    }
    EXPECT_EQ(edit(*current, 1024)->text(), "v6");

    auto user = open(Mode::UserDefined);
    EXPECT_EQ(control<QLabel>(user.get(), 1026)->text(),
              "Please input user-defined WAP/internet parameters here!");
    for (int id : CKRT_WapInternetDlg::kIndexedControls)
        EXPECT_TRUE(control(user.get(), id)->isEnabled()) << id;
    EXPECT_TRUE(control(user.get(), 1010)->isEnabled());

    auto noAdvanced = open(Mode::UserDefined, false);
    EXPECT_TRUE(control(noAdvanced.get(), 1010)->isHidden());
    EXPECT_TRUE(control(current.get(), 1010)->isEnabled());
    EXPECT_FALSE(control(current.get(), 1010)->isHidden());
}

TEST_F(WapInternetDlgTest, OkRefusesIncompleteSendingFieldsFocusingTheFirst)
{
    struct Case
    {
        std::vector<int> blanked; // control ids emptied before OK
        int focused;
    } const cases[] = {
        {{1023}, 1023},
        {{1019, 1023}, 1019},
        {{1025, 1019}, 1025},
        {{1020, 1025}, 1020},
    };
    for (Mode mode : {Mode::CurrentParameters, Mode::UserDefined}) {
        for (const Case& c : cases) {
            completeRecord();
            const NetworkParameters before = record();
            auto dlg = open(mode);
            for (int id : c.blanked)
                type(*dlg, id, id == 1020 ? QString() : QStringLiteral("  "));
            messages.clear();
            click(*dlg, 1);
            ASSERT_EQ(messages.shown().size(), 1u);
            EXPECT_EQ(messages.shown()[0].text,
                      "Before saving , you must complete the highlighted 4 items (with red "
                      "sign) in internet setting !");
            EXPECT_EQ(messages.shown()[0].icon, MessageIcon::Warning);
            EXPECT_EQ(dlg->focusWidget(), control(dlg.get(), c.focused)) << c.focused;
            EXPECT_EQ(dlg->result(), QDialog::Rejected);
            EXPECT_EQ(record(), before);
        }
    }
}

TEST_F(WapInternetDlgTest, PresetWithoutSendingMailShowsPlaceholderAndRefusesIt)
{
    record().fields[F::GprsApn] = "internet";
    auto dlg = open(Mode::CurrentParameters);
    QLineEdit* address = edit(*dlg, 1020);
    EXPECT_EQ(address->text().toStdString(), kPlaceholderAddress);
    EXPECT_EQ(address->palette().color(QPalette::Text), QColor(200, 200, 200));
    type(*dlg, 1025, "pw");
    type(*dlg, 1019, "smtp.x");
    type(*dlg, 1023, "25");
    click(*dlg, 1);
    EXPECT_EQ(dlg->focusWidget(), address);
    EXPECT_EQ(dlg->result(), QDialog::Rejected);
}

TEST_F(WapInternetDlgTest, SaveWritesBothSetsAfterTheQuestion)
{
    completeRecord();
    record().fields[F::MmsUrl] = "";
    auto dlg = open(Mode::UserDefined);
    type(*dlg, 1011, " http://" + QString(120, 'u') + " ");
    type(*dlg, 1016, "808080");
    type(*dlg, 1025, "pass ");
    type(*dlg, 1024, " internet ");

    messages.answerNext(MessageAnswer::Cancel);
    click(*dlg, 1);
    EXPECT_EQ(dlg->result(), QDialog::Rejected) << "Cancel in the question stays in the dialog";
    EXPECT_EQ(record().fields[F::SendEmailPassword], "secret");

    messages.clear();
    click(*dlg, 1);
    EXPECT_EQ(messages.texts(), (std::vector<std::string>{"Save all WAP/Internet parameters ?",
                                                          "OK,WAP/Internet Parameters saved success !"}));
    EXPECT_EQ(messages.shown()[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(record().fields[F::MmsUrl], ("http://" + std::string(120, 'u')).substr(0, 100));
    EXPECT_EQ(record().fields[F::MmsPort], "8080");
    EXPECT_EQ(record().fields[F::SendEmailPassword], "pass ") << "the sending password is kept as typed";
    EXPECT_EQ(record().fields[F::GprsApn], "internet");
    EXPECT_EQ(record().fields[F::MmsIp], "10.0.0.172");
    EXPECT_EQ(record().smtpSecurity, "0");
    const NetworkParameters& copy = context.records().loadedNetworkCopy;
    EXPECT_TRUE(std::equal(copy.fields.begin(), copy.fields.end(), record().fields.begin()));
}

// The file gives back 30 bytes of the password: a longer one typed here would
// be saved whole, then read back cut (and overflow an encoded file).
TEST_F(WapInternetDlgTest, TheSendingPasswordTakesNoMoreThanTheFileKeeps)
{
    completeRecord();
    auto dlg = open(Mode::UserDefined);
    type(*dlg, 1025, QString(40, 'p'));
    EXPECT_EQ(edit(*dlg, 1025)->text(), QString(30, 'p'));
    pasteInto(edit(*dlg, 1025), QString::fromUtf8("ß") + QString(30, 'q'));
    EXPECT_EQ(edit(*dlg, 1025)->text(), QString::fromUtf8("ß") + QString(28, 'q')) << "in bytes: the ß takes two";
    click(*dlg, 1);
    EXPECT_EQ(record().fields[F::SendEmailPassword].size(), 30u);
}

TEST_F(WapInternetDlgTest, CancelWritesNothing)
{
    completeRecord();
    const NetworkParameters before = record();
    auto dlg = open(Mode::UserDefined);
    type(*dlg, 1011, "changed");
    click(*dlg, 2);
    EXPECT_EQ(dlg->result(), QDialog::Rejected);
    EXPECT_EQ(record(), before);
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(WapInternetDlgTest, InvalidIpShowsBlankAndSavesEmpty)
{
    for (const char* text : {"10.0.0.256", "10.0.0", "abc", "0.0.0.0"}) {
        completeRecord();
        record().fields[F::MmsIp] = text;
        auto dlg = open(Mode::UserDefined);
        if (std::string(text) != "0.0.0.0") {
            EXPECT_TRUE(ip(*dlg)->isBlank()) << text;
            EXPECT_EQ(record().fields[F::MmsIp], "") << text;
        }
        click(*dlg, 1);
        EXPECT_EQ(dlg->result(), QDialog::Accepted);
        EXPECT_EQ(record().fields[F::MmsIp], "") << text;
    }
    completeRecord();
    record().fields[F::MmsIp] = "1..2.3";
    auto dlg = open(Mode::UserDefined);
    EXPECT_EQ(ipText(*dlg), "1.0.2.3");
    ip(*dlg)->field(3)->setText("");
    click(*dlg, 1);
    EXPECT_EQ(record().fields[F::MmsIp], "1.0.2.0");
}

TEST_F(WapInternetDlgTest, AddressAutoFill)
{
    completeRecord();
    auto dlg = open(Mode::UserDefined);
    type(*dlg, 1020, "me@Gmail.com");
    EXPECT_EQ(edit(*dlg, 1019)->text(), "smtp.gmail.com");
    EXPECT_EQ(edit(*dlg, 1023)->text(), "465");
    EXPECT_EQ(dlg->securityOption(), 1);

    type(*dlg, 1019, "by.hand");
    type(*dlg, 1023, "2525");
    for (const QString& text : {QStringLiteral("@gmail.com"), QString::fromLatin1(kPlaceholderAddress.data()),
                                QStringLiteral("me@example.org")}) {
        type(*dlg, 1020, text);
        EXPECT_EQ(edit(*dlg, 1019)->text(), "by.hand") << text.toStdString();
        EXPECT_EQ(edit(*dlg, 1023)->text(), "2525");
    }
    type(*dlg, 1020, "me@outlook.com");
    EXPECT_EQ(edit(*dlg, 1019)->text(), "smtp-mail.outlook.com");
    EXPECT_EQ(edit(*dlg, 1023)->text(), "587");
    EXPECT_EQ(dlg->securityOption(), 2);
    type(*dlg, 1020, "me@yahoo.com");
    EXPECT_EQ(dlg->securityOption(), 2) << "providers 3 to 7 leave the option";
    EXPECT_EQ(edit(*dlg, 1023)->text(), "465");
}

TEST_F(WapInternetDlgTest, OpeningDoesNotOverwriteAServerSetByHand)
{
    completeRecord();
    record().fields[F::SendEmailAddr] = "me@gmail.com";
    record().fields[F::SendEmailServer] = "relay.example.org";
    auto dlg = open(Mode::CurrentParameters);
    EXPECT_EQ(edit(*dlg, 1019)->text(), "relay.example.org");
    EXPECT_EQ(dlg->securityOption(), 0);
    type(*dlg, 1020, "you@gmail.com");
    EXPECT_EQ(edit(*dlg, 1019)->text(), "smtp.gmail.com") << "later edits fill again";
}

TEST_F(WapInternetDlgTest, AddressFocusShowsAndHidesThePlaceholder)
{
    auto dlg = open(Mode::CurrentParameters);
    QLineEdit* address = edit(*dlg, 1020);
    focusEvent(address, QEvent::FocusIn);
    EXPECT_EQ(address->text(), "");
    EXPECT_EQ(address->palette().color(QPalette::Text), QColor(0, 0, 0));
    address->setText("  ");
    focusEvent(address, QEvent::FocusOut);
    EXPECT_EQ(address->text().toStdString(), kPlaceholderAddress);
    EXPECT_EQ(address->palette().color(QPalette::Text), QColor(200, 200, 200));
    focusEvent(address, QEvent::FocusIn);
    address->setText("me@x.org");
    focusEvent(address, QEvent::FocusOut);
    EXPECT_EQ(address->text(), "me@x.org");
    EXPECT_EQ(address->palette().color(QPalette::Text), QColor(0, 0, 0));
}

TEST_F(WapInternetDlgTest, ServerFocusAsksForTheAddressOnEveryOtherFocus)
{
    auto dlg = open(Mode::CurrentParameters);
    QLineEdit* server = edit(*dlg, 1019);
    for (int i = 0; i < 4; ++i)
        focusEvent(server, QEvent::FocusIn);
    ASSERT_EQ(messages.texts(),
              (std::vector<std::string>{"You must input \"SEND EMAIL ADDRESS\" firstly !",
                                        "You must input \"SEND EMAIL ADDRESS\" firstly !"}));
    EXPECT_EQ(dlg->focusWidget(), edit(*dlg, 1020));
    messages.clear();
    edit(*dlg, 1020)->setText("me@x.org");
    focusEvent(server, QEvent::FocusIn);
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(WapInternetDlgTest, ClearParametersEmptiesOnlyTheWapFields)
{
    completeRecord();
    record().fields[F::SendEmailAddr] = "";
    auto dlg = open(Mode::UserDefined);
    edit(*dlg, 1020)->clear();
    click(*dlg, 1017);
    for (int id : {1011, 1015, 1016, 1013, 1012})
        EXPECT_EQ(edit(*dlg, id)->text(), "") << id;
    EXPECT_TRUE(ip(*dlg)->isBlank());
    EXPECT_EQ(edit(*dlg, 1024)->text(), "v6");
    EXPECT_EQ(edit(*dlg, 1025)->text(), "secret");
    EXPECT_EQ(edit(*dlg, 1020)->text().toStdString(), kPlaceholderAddress);
}

TEST_F(WapInternetDlgTest, ChangeReportWatchesTheSendingFields)
{
    struct Case
    {
        bool watch;
        int id;
        QString text;
        bool reported;
    } const cases[] = {
        {true, 1019, " smtp.example.org ", false},
        {true, 1019, "other.server", true},
        {true, 1025, "secret2", true},
        {true, 1023, "26", true},
        {false, 1019, "other.server", false},
        {true, 1011, "not watched", false},
    };
    for (const Case& c : cases) {
        completeRecord();
        auto dlg = open(Mode::UserDefined);
        dlg->setChangeWatch(c.watch);
        type(*dlg, c.id, c.text);
        click(*dlg, 1);
        EXPECT_EQ(dlg->changeReported(), c.reported) << c.id << " " << c.text.toStdString();
    }
}

TEST_F(WapInternetDlgTest, InvalidManageOtherUIMode)
{
    auto dlg = open(Mode::UserDefined);
    EXPECT_EQ(dlg->ManageOtherUI(6), 0);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "Invalid call for ManageOtherUI()!");
    EXPECT_EQ(messages.shown()[0].icon, MessageIcon::Error);
}

TEST_F(WapInternetDlgTest, OptionThreeOpensAdvancedWithTlsV12AndSavesThree)
{
    completeRecord();
    record().smtpSecurity = "3";
    auto dlg = open(Mode::CurrentParameters);
    bool seen = false;
    whenModalShows([&](QWidget* modal) {
        seen = true;
        EXPECT_EQ(modal->windowTitle(), "Advanced Setup");
        EXPECT_TRUE(control<QCheckBox>(modal, 1001)->isChecked());
        EXPECT_TRUE(control<QRadioButton>(modal, 1058)->isChecked());
        EXPECT_FALSE(control<QRadioButton>(modal, 1056)->isChecked());
        control<QPushButton>(modal, 1)->click();
    });
    click(*dlg, 1010);
    EXPECT_TRUE(seen);
    click(*dlg, 1);
    EXPECT_EQ(record().smtpSecurity, "3");
}

TEST_F(WapInternetDlgTest, AdvancedSwitchesTheQqPortWithEncryption)
{
    completeRecord();
    auto dlg = open(Mode::UserDefined);
    type(*dlg, 1020, "me@qq.com");
    EXPECT_EQ(edit(*dlg, 1023)->text(), "25");
    whenModalShows([](QWidget* modal) {
        control<QCheckBox>(modal, 1001)->click(); // the radios are usable once encryption is on
        control<QRadioButton>(modal, 1057)->click();
        control<QPushButton>(modal, 1)->click();
    });
    click(*dlg, 1010);
    EXPECT_EQ(dlg->securityOption(), 2);
    EXPECT_EQ(edit(*dlg, 1023)->text(), "465");
    whenModalShows([](QWidget* modal) {
        control<QCheckBox>(modal, 1001)->click();
        control<QPushButton>(modal, 1)->click();
    });
    click(*dlg, 1010);
    EXPECT_EQ(dlg->securityOption(), 0);
    EXPECT_EQ(edit(*dlg, 1023)->text(), "25");
}

TEST_F(WapInternetDlgTest, QqPortFollowsTheOptionAlreadyChosen)
{
    struct Case
    {
        const char* option;
        const char* port;
    } const cases[] = {{"0", "25"}, {"1", "465"}, {"2", "465"}, {"3", "25"}};
    for (const Case& c : cases) {
        completeRecord();
        record().smtpSecurity = c.option;
        auto dlg = open(Mode::CurrentParameters);
        type(*dlg, 1020, "me@qq.com");
        EXPECT_EQ(edit(*dlg, 1019)->text(), "smtp.qq.com");
        EXPECT_EQ(edit(*dlg, 1023)->text(), c.port) << "option " << c.option;
        EXPECT_EQ(dlg->securityOption(), std::stoi(c.option)) << "provider 4 leaves the option";
    }

    // Chosen in Advanced Setup before the address is typed.
    completeRecord();
    auto dlg = open(Mode::UserDefined);
    whenModalShows([](QWidget* modal) {
        control<QCheckBox>(modal, 1001)->click();
        control<QRadioButton>(modal, 1056)->click();
        control<QPushButton>(modal, 1)->click();
    });
    click(*dlg, 1010);
    ASSERT_EQ(dlg->securityOption(), 1);
    type(*dlg, 1020, "me@QQ.com");
    EXPECT_EQ(edit(*dlg, 1023)->text(), "465");
    click(*dlg, 1);
    EXPECT_EQ(record().fields[F::SendEmailPort], "465");
    EXPECT_EQ(record().smtpSecurity, "1");
}

TEST_F(WapInternetDlgTest, PastedLineBreaksAreDropped)
{
    completeRecord();
    auto dlg = open(Mode::UserDefined);
    dlg->show();
    pasteInto(edit(*dlg, 1019), QStringLiteral("smtp.example.org\r\n[Camera Setting]\r\nx=1"));
    pasteInto(edit(*dlg, 1020), QStringLiteral("me@example.org\n"));
    pasteInto(edit(*dlg, 1025), QStringLiteral("pass\r\nword"));
    pasteInto(edit(*dlg, 1023), QStringLiteral("587\r\n"));
    pasteInto(edit(*dlg, 1016), QStringLiteral("80\n80"));
    pasteInto(ip(*dlg)->field(0), QStringLiteral("192\r\n"));
    edit(*dlg, 1024)->clear();
    edit(*dlg, 1024)->insert(QStringLiteral("inter\rnet\n"));
    EXPECT_EQ(edit(*dlg, 1019)->text(), "smtp.example.org[Camera Setting]x=1");
    EXPECT_EQ(edit(*dlg, 1023)->text(), "587") << "the digits of a pasted port survive the line break";
    EXPECT_EQ(ip(*dlg)->field(0)->text(), "192");

    // The fields' own checks still hold.
    pasteInto(edit(*dlg, 1023), QStringLiteral("5x7"));
    EXPECT_EQ(edit(*dlg, 1023)->text(), "587") << "letters are still refused";
    pasteInto(ip(*dlg)->field(0), QStringLiteral("1a"));
    EXPECT_EQ(ip(*dlg)->field(0)->text(), "192");

    click(*dlg, 1);
    ASSERT_EQ(dlg->result(), QDialog::Accepted);
    for (const std::string& field : record().fields) {
        EXPECT_EQ(field.find_first_of(std::string("\r\n\0", 3)), std::string::npos) << field;
    }
    EXPECT_EQ(record().fields[F::SendEmailServer], "smtp.example.org[Camera Setting]x=1");
    EXPECT_EQ(record().fields[F::SendEmailAddr], "me@example.org");
    EXPECT_EQ(record().fields[F::SendEmailPassword], "password");
    EXPECT_EQ(record().fields[F::SendEmailPort], "587");
    EXPECT_EQ(record().fields[F::MmsPort], "8080");
    EXPECT_EQ(record().fields[F::MmsIp], "192.0.0.172");
    EXPECT_EQ(record().fields[F::GprsApn], "internet");
}

TEST_F(WapInternetDlgTest, UntouchedFieldsKeepTheirBytes)
{
    // Bytes of another code page (Latin-1, GBK) that the UTF-8 locale cannot show.
    completeRecord();
    record().fields[F::MmsUrl] = "http://caf\xE9.example/mms";
    record().fields[F::GprsApn] = "\xC4\xE3\xBA\xC3";
    record().fields[F::GprsAccount] = "old\xE9";
    record().fields[F::SendEmailServer] = "smtp.caf\xE9.example";
    record().fields[F::SendEmailAddr] = "cam\xE9@example.org";
    record().fields[F::SendEmailPassword] = "pw\xB5 ";
    context.records().loadedNetworkCopy = record();
    NetworkParameters expected = record();
    expected.fields[F::GprsAccount] = "new\xC3\xA9";

    auto dlg = open(Mode::UserDefined);
    dlg->setChangeWatch(true);
    edit(*dlg, 1022)->setText(QStringLiteral("new\u00e9"));
    click(*dlg, 1);
    ASSERT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(record().fields, expected.fields);
    EXPECT_EQ(record().smtpSecurity, expected.smtpSecurity);
    EXPECT_EQ(context.records().loadedNetworkCopy.fields, expected.fields);
    EXPECT_FALSE(dlg->changeReported()) << "untouched sending fields are no change";

    // Edited and typed back as it was shown, a field is what it showed.
    auto again = open(Mode::CurrentParameters);
    again->setChangeWatch(true);
    const QString shown = edit(*again, 1019)->text();
    edit(*again, 1019)->setText(QStringLiteral("other"));
    edit(*again, 1019)->setText(shown);
    click(*again, 1);
    EXPECT_EQ(record().fields[F::SendEmailServer], "smtp.caf\xE9.example");
    EXPECT_FALSE(again->changeReported());
}

class AdvancedSetupDlgTest : public WapInternetDlgTest
{
};

TEST_F(AdvancedSetupDlgTest, RadiosFollowTheCheckBox)
{
    CKRT_AdvancedSetupDlg dlg(messages, 7);
    auto* box = control<QCheckBox>(&dlg, 1001);
    auto* ssl = control<QRadioButton>(&dlg, 1056);
    auto* tls = control<QRadioButton>(&dlg, 1057);
    EXPECT_FALSE(box->isChecked()) << "an option outside 0..3 is none";
    EXPECT_FALSE(ssl->isEnabled());
    EXPECT_EQ(tls->text(), "This service requires  TLS (&T)");

    box->click();
    EXPECT_TRUE(ssl->isEnabled());
    EXPECT_FALSE(ssl->isChecked());
    ssl->click();
    EXPECT_TRUE(box->isChecked());
    EXPECT_TRUE(ssl->isChecked());
    EXPECT_TRUE(tls->isEnabled());
    tls->click();
    EXPECT_FALSE(ssl->isChecked());
    EXPECT_TRUE(tls->isChecked());

    box->click();
    EXPECT_FALSE(tls->isChecked());
    EXPECT_FALSE(tls->isEnabled());
    box->click();
    EXPECT_TRUE(tls->isEnabled());
    EXPECT_FALSE(tls->isChecked());
}

TEST_F(AdvancedSetupDlgTest, TickedBoxWithoutRadioIsRefused)
{
    CKRT_AdvancedSetupDlg dlg(messages, 0);
    control<QCheckBox>(&dlg, 1001)->click();
    control<QPushButton>(&dlg, 1)->click();
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Please select a encryption way before saving !"});
    EXPECT_EQ(messages.shown()[0].icon, MessageIcon::Warning);
    EXPECT_EQ(dlg.result(), QDialog::Rejected);

    control<QRadioButton>(&dlg, 1056)->click();
    control<QPushButton>(&dlg, 1)->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.option(), SmtpSecurity::Ssl);
}

TEST_F(AdvancedSetupDlgTest, CancelKeepsTheOption)
{
    CKRT_AdvancedSetupDlg dlg(messages, 2);
    control<QCheckBox>(&dlg, 1001)->click();
    control<QPushButton>(&dlg, 2)->click();
    EXPECT_EQ(dlg.option(), SmtpSecurity::Tls);
}

} // namespace
