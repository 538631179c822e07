#include "TestDrives.h"
#include "context/AppContext.h"
#include "network/CKRT_WapInternetDlg.h"
#include "network/OperatorDatabase.h"
#include "params/CKRT_MainParaDlg.h"
#include "platform/DialogControls.h"

#include "GuiTestSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

using F = NetworkParameters;

class MainParaOperatorListTest : public testing::Test
{
protected:
    MainParaOperatorListTest()
        : clock({2025, 6, 1, 8, 30, 0}),
          context(drives.map(), RegistryStore((drives.base() / "registry").string()), messages, clock)
    {
        drives.addDrive('C');
        drives.addDrive('E');
    }

    std::unique_ptr<CKRT_MainParaDlg> open(const std::string& entry = "TQ270")
    {
        auto dlg = std::make_unique<CKRT_MainParaDlg>(context, entry);
        EXPECT_TRUE(dlg->initialise());
        messages.clear();
        return dlg;
    }

    NetworkParameters& record() { return context.records().networkParameters; }
    static QListWidget* countries(CKRT_MainParaDlg& d) { return control<QListWidget>(&d, 1003); }
    static QListWidget* operators(CKRT_MainParaDlg& d) { return control<QListWidget>(&d, 1004); }

    static QStringList items(QListWidget* list)
    {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
        return texts;
    }
    static QString selected(QListWidget* list)
    {
        const auto items = list->selectedItems();
        return items.isEmpty() ? QString() : items.first()->text();
    }
    static void choose(QListWidget* list, const QString& text)
    {
        const auto found = list->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        list->setCurrentItem(found.first());
    }

    NetworkParameters preset(std::string_view country, std::string_view name)
    {
        const OperatorDatabase& db = OperatorDatabase::instance();
        const auto* values = db.findPreset(db.findCountry(country), name);
        NetworkParameters r;
        std::copy(values->begin(), values->end(), r.fields.begin());
        r.smtpSecurity = "0";
        return r;
    }

    TestDrives drives;
    RecordingMessageService messages;
    FixedClock clock;
    AppContext context;
};

TEST_F(MainParaOperatorListTest, CountriesSortedWithOthersLastAndNothingSelected)
{
    auto dlg = open();
    const QStringList list = items(countries(*dlg));
    ASSERT_EQ(list.size(), 39);
    EXPECT_EQ(list.first(), "Australia");
    EXPECT_EQ(list.last(), "Others......");
    EXPECT_EQ(selected(countries(*dlg)), "");
    EXPECT_EQ(operators(*dlg)->count(), 0);
}

TEST_F(MainParaOperatorListTest, CountryChoiceFillsAndAppliesTheFirstOperator)
{
    auto dlg = open();
    record().fields[F::SendEmailAddr] = "me@gmail.com";
    record().smtpSecurity = "1";
    choose(countries(*dlg), "Germany-1");
    EXPECT_EQ(items(operators(*dlg)),
              (QStringList{"Bild-Vodafone", "E-plus", "O2", "T-mobile", "Vodafone", "Others......"}));
    EXPECT_EQ(selected(operators(*dlg)), "Bild-Vodafone");
    EXPECT_EQ(record(), preset("Germany-1", "Bild-Vodafone"));

    choose(countries(*dlg), "France");
    EXPECT_EQ(items(operators(*dlg)), (QStringList{"Orange", "Others......"}));
}

TEST_F(MainParaOperatorListTest, OthersConfirmedKeepsTypedValuesAndClearsTheLists)
{
    auto dlg = open();
    choose(countries(*dlg), "France");
    bool userDefined = false;
    whenModalShows([&](QWidget* modal) {
        userDefined =
            control<QLabel>(modal, 1026)->text() == "Please input user-defined WAP/internet parameters here!";
        control<QLineEdit>(modal, 1015)->setText("my.apn");
        control<QLineEdit>(modal, 1020)->setText("cam@example.org");
        control<QLineEdit>(modal, 1025)->setText("pw");
        control<QLineEdit>(modal, 1019)->setText("smtp.example.org");
        control<QLineEdit>(modal, 1023)->setText("25");
        control<QPushButton>(modal, 1)->click();
    });
    choose(countries(*dlg), "Others......");
    EXPECT_TRUE(userDefined);
    EXPECT_EQ(selected(countries(*dlg)), "");
    EXPECT_EQ(operators(*dlg)->count(), 0);
    EXPECT_EQ(record().fields[F::MmsApn], "my.apn");
    EXPECT_EQ(record().fields[F::SendEmailAddr], "cam@example.org");
    EXPECT_EQ(dlg->operatorSelection().countryIndex(), -1);
}

TEST_F(MainParaOperatorListTest, OperatorOthersCancelledRestoresSelectionsAndOption)
{
    auto dlg = open();
    choose(countries(*dlg), "Canada");
    choose(operators(*dlg), "Telus");
    record().smtpSecurity = "2";
    whenModalShows([](QWidget* modal) { control<QPushButton>(modal, 2)->click(); });
    choose(operators(*dlg), "Others......");
    EXPECT_EQ(selected(countries(*dlg)), "Canada");
    EXPECT_EQ(selected(operators(*dlg)), "Telus");
    NetworkParameters expected = preset("Canada", "Telus");
    expected.smtpSecurity = "2";
    EXPECT_EQ(record(), expected);
}

TEST_F(MainParaOperatorListTest, CheckButtonReportsAnEditedPresetAndTheListsForgetIt)
{
    struct Case
    {
        bool editServer;
        bool confirm;
        bool listsCleared;
    } const cases[] = {{true, true, true}, {false, true, false}, {true, false, false}};
    for (const Case& c : cases) {
        auto dlg = open();
        choose(countries(*dlg), "Italy");
        record().fields[F::SendEmailServer] = "smtp.example.org";
        record().fields[F::SendEmailPort] = "25";
        record().fields[F::SendEmailAddr] = "cam@example.org";
        record().fields[F::SendEmailPassword] = "pw";
        QString caption;
        whenModalShows([&](QWidget* modal) {
            caption = control<QLabel>(modal, 1026)->text();
            if (c.editServer)
                control<QLineEdit>(modal, 1019)->setText("other.example.org");
            control<QPushButton>(modal, c.confirm ? 1 : 2)->click();
        });
        control<QPushButton>(dlg.get(), 1005)->click();
        EXPECT_EQ(caption,
                  "Current WAP/internet parameters as follows, You can just modify highlighted items !");
        EXPECT_EQ(selected(countries(*dlg)).isEmpty(), c.listsCleared);
        EXPECT_EQ(operators(*dlg)->count() == 0, c.listsCleared);
        EXPECT_EQ(dlg->operatorSelection().countryIndex() == -1, c.listsCleared);
    }
}

TEST_F(MainParaOperatorListTest, AdvancedButtonFollowsTheModelsSmtpOption)
{
    for (const auto& [entry, shown] : {std::pair{"TQ270", true}, std::pair{"TQ240 SERIES", false}}) {
        auto dlg = open(entry);
        bool hidden = !shown;
        whenModalShows([&](QWidget* modal) {
            hidden = control(modal, 1010)->isHidden();
            control<QPushButton>(modal, 2)->click();
        });
        control<QPushButton>(dlg.get(), 1005)->click();
        EXPECT_EQ(hidden, !shown) << entry;
    }
}

} // namespace
