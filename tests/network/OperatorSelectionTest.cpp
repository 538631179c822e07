#include "network/OperatorSelection.h"
#include "network/OperatorDatabase.h"
#include "platform/MessageService.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Variant = OperatorSelection::Variant;

class OperatorSelectionTest : public testing::Test
{
protected:
    /// A selection whose "Others......" dialog types `typed` into the record
    /// and answers as `dialogAnswers` says.
    OperatorSelection& make(Variant variant)
    {
        selection.emplace(current, loadedCopy, messages, "CKRT_MainParaDlg", variant);
        selection->setUserDefinedDialog([this] {
            ++dialogRuns;
            wapFieldsWhenDialogOpened =
                std::vector<std::string>(current.fields.begin(), current.fields.begin() + 6);
            if (!confirmDialog)
                return false;
            current.fields[NetworkParameters::MmsApn] = "typed.apn";
            return true;
        });
        selection->Mng_OperatorSelection(OperatorSelection::kFill);
        return *selection;
    }

    static int row(const OperatorSelection::List& list, std::string_view text)
    {
        const auto it = std::find(list.items.begin(), list.items.end(), text);
        return it == list.items.end() ? -1 : static_cast<int>(it - list.items.begin());
    }

    void chooseCountry(std::string_view name)
    {
        selection->countrySelectionChanged(row(selection->countries(), name));
    }
    void chooseOperator(std::string_view name)
    {
        selection->operatorSelectionChanged(row(selection->operators(), name));
    }

    static NetworkParameters presetRecord(std::string_view country, std::string_view operatorName)
    {
        const OperatorDatabase& db = OperatorDatabase::instance();
        const OperatorDatabase::Preset* preset = db.findPreset(db.findCountry(country), operatorName);
        NetworkParameters record;
        std::copy(preset->begin(), preset->end(), record.fields.begin());
        return record;
    }

    NetworkParameters current;
    NetworkParameters loadedCopy;
    RecordingMessageService messages;
    std::optional<OperatorSelection> selection;
    bool confirmDialog = true;
    int dialogRuns = 0;
    std::vector<std::string> wapFieldsWhenDialogOpened;
};

NetworkParameters userRecord()
{
    NetworkParameters record;
    for (std::size_t i = 0; i < NetworkParameters::FieldCount; ++i)
        record.fields[i] = "user" + std::to_string(i);
    record.smtpSecurity = "2";
    return record;
}

TEST_F(OperatorSelectionTest, FillSortsCountriesIgnoringCaseWithOthersLast)
{
    const OperatorSelection& s = make(Variant::Plain);
    const auto& items = s.countries().items;
    ASSERT_EQ(items.size(), 39u);
    EXPECT_EQ(items.front(), "Australia");
    EXPECT_EQ(items[37], "USA");
    EXPECT_EQ(items.back(), "Others......");
    EXPECT_TRUE(
        std::is_sorted(items.begin(), items.end() - 1, [](const std::string& a, const std::string& b) {
            std::string la = a, lb = b;
            std::transform(la.begin(), la.end(), la.begin(), ::tolower);
            std::transform(lb.begin(), lb.end(), lb.begin(), ::tolower);
            return la < lb;
        }));
    EXPECT_TRUE(s.operators().items.empty());
    EXPECT_EQ(s.countries().selected, -1);
    EXPECT_EQ(s.savedSmtpSecurity(), "0");
    EXPECT_FALSE(s.keepSmtpSecurity());
}

TEST_F(OperatorSelectionTest, OperatorListSortsIgnoringCase)
{
    make(Variant::Plain);
    chooseCountry("Mexico");
    EXPECT_EQ(selection->operators().items, (std::vector<std::string>{"lcel", "Movistar", "Others......"}));
    chooseCountry("France");
    EXPECT_EQ(selection->operators().items, (std::vector<std::string>{"Orange", "Others......"}));
    chooseCountry("Slovakia");
    EXPECT_EQ(selection->operators().items,
              (std::vector<std::string>{"4ka", "O2", "Orange", "Telekom", "T-mobile", "Others......"}))
        << "the hyphen does not count in the order";
}

TEST_F(OperatorSelectionTest, PlainCountryChoiceAppliesTheFirstSortedOperator)
{
    make(Variant::Plain);
    current = userRecord();
    chooseCountry("Germany-1");
    EXPECT_EQ(selection->operators().selectedText(), "Bild-Vodafone");
    EXPECT_EQ(selection->operatorIndex(), 0);
    NetworkParameters expected = presetRecord("Germany-1", "Bild-Vodafone");
    expected.smtpSecurity = "0";
    EXPECT_EQ(current, expected) << "preset copied, sending mail emptied, option reset";
    EXPECT_FALSE(current.fields[NetworkParameters::GprsApn].empty());
    EXPECT_TRUE(selection->changeWatch());
}

TEST_F(OperatorSelectionTest, EncryptedCountryChoiceSelectsNoOperatorAndChangesNothing)
{
    make(Variant::Encrypted);
    current = userRecord();
    chooseCountry("Germany-1");
    EXPECT_EQ(selection->operators().items.size(), 6u);
    EXPECT_EQ(selection->operators().selected, -1);
    EXPECT_EQ(current, userRecord());
    EXPECT_FALSE(selection->changeWatch());

    chooseOperator("O2");
    NetworkParameters expected = presetRecord("Germany-1", "O2");
    expected.smtpSecurity = "0";
    EXPECT_EQ(current, expected);
}

TEST_F(OperatorSelectionTest, EveryCountryAndOperatorAppliesItsOwnPreset)
{
    make(Variant::Plain);
    const OperatorDatabase& db = OperatorDatabase::instance();
    int applied = 0;
    for (std::string_view country : db.countryNames()) {
        chooseCountry(country);
        for (std::string_view name : db.operatorNames(db.findCountry(country))) {
            SCOPED_TRACE(std::string(country) + " / " + std::string(name));
            current = userRecord();
            chooseOperator(name);
            NetworkParameters expected = presetRecord(country, name);
            expected.smtpSecurity = "0";
            EXPECT_EQ(current, expected);
            ++applied;
        }
    }
    EXPECT_EQ(applied, 124);
}

TEST_F(OperatorSelectionTest, CountryOthersConfirmedKeepsTypedValuesAndSelectsNothing)
{
    make(Variant::Plain);
    chooseCountry("France");
    chooseCountry("Others......");
    EXPECT_EQ(dialogRuns, 1);
    EXPECT_EQ(current.fields[NetworkParameters::MmsApn], "typed.apn");
    EXPECT_EQ(selection->countries().selected, -1);
    EXPECT_TRUE(selection->operators().items.empty());
    EXPECT_EQ(selection->countryIndex(), -1);
    EXPECT_EQ(selection->operatorIndex(), -1);
    EXPECT_FALSE(selection->keepSmtpSecurity());
}

TEST_F(OperatorSelectionTest, CountryOthersCancelledRestoresSelectionsPresetAndOption)
{
    make(Variant::Plain);
    chooseCountry("Germany-1");
    chooseOperator("T-mobile");
    current.smtpSecurity = "1"; // chosen in Advanced Setup since
    current.fields[NetworkParameters::MmsUrl] = "edited";
    confirmDialog = false;
    chooseCountry("Others......");
    EXPECT_EQ(selection->countries().selectedText(), "Germany-1");
    EXPECT_EQ(selection->operators().selectedText(), "T-mobile");
    NetworkParameters expected = presetRecord("Germany-1", "T-mobile");
    expected.smtpSecurity = "1";
    EXPECT_EQ(current, expected);
    EXPECT_FALSE(selection->keepSmtpSecurity()) << "used up by the re-applied preset";
}

TEST_F(OperatorSelectionTest, CountryOthersCancelledWithNothingChosenBeforeLeavesListsEmpty)
{
    make(Variant::Plain);
    current = userRecord();
    confirmDialog = false;
    chooseCountry("Others......");
    EXPECT_EQ(selection->countries().selected, -1);
    EXPECT_TRUE(selection->operators().items.empty());
    EXPECT_EQ(current, userRecord());
    EXPECT_TRUE(selection->keepSmtpSecurity());
}

TEST_F(OperatorSelectionTest, OperatorOthersCancelledRestoresBothSelectionsAndOption)
{
    make(Variant::Plain);
    chooseCountry("Canada");
    chooseOperator("Telus");
    current.smtpSecurity = "3";
    current.fields[NetworkParameters::GprsApn] = "edited";
    confirmDialog = false;
    chooseOperator("Others......");
    EXPECT_EQ(selection->countries().selectedText(), "Canada");
    EXPECT_EQ(selection->operators().selectedText(), "Telus");
    EXPECT_EQ(selection->operatorIndex(), selection->operators().selected);
    NetworkParameters expected = presetRecord("Canada", "Telus");
    expected.smtpSecurity = "3";
    EXPECT_EQ(current, expected);
}

TEST_F(OperatorSelectionTest, OperatorOthersConfirmedClearsTheLists)
{
    make(Variant::Plain);
    chooseCountry("Canada");
    chooseOperator("Others......");
    EXPECT_EQ(current.fields[NetworkParameters::MmsApn], "typed.apn");
    EXPECT_EQ(selection->countries().selected, -1);
    EXPECT_TRUE(selection->operators().items.empty());
    EXPECT_EQ(selection->countryIndex(), -1);
    EXPECT_EQ(selection->operatorIndex(), -1);
    EXPECT_FALSE(selection->changeWatch());
}

TEST_F(OperatorSelectionTest, EncryptedOthersPutsTheWapFieldsBackFromTheLoadedCopyFirst)
{
    make(Variant::Encrypted);
    loadedCopy = userRecord();
    chooseCountry("France");
    chooseOperator("Orange");
    confirmDialog = false;
    chooseOperator("Others......");
    EXPECT_EQ(wapFieldsWhenDialogOpened,
              std::vector<std::string>(loadedCopy.fields.begin(), loadedCopy.fields.begin() + 6));
    EXPECT_EQ(selection->operators().selectedText(), "Orange");
}

TEST_F(OperatorSelectionTest, EmptySelectionChangesNothing)
{
    make(Variant::Plain);
    chooseCountry("France");
    current.smtpSecurity = "2";
    const NetworkParameters before = current;
    selection->operatorSelectionChanged(-1);
    selection->countrySelectionChanged(-1);
    EXPECT_EQ(current, before);
    EXPECT_EQ(selection->countryIndex(), row(selection->countries(), "France"));
    EXPECT_EQ(dialogRuns, 0);
}

TEST_F(OperatorSelectionTest, ForgetPresetAndUnknownMode)
{
    make(Variant::Plain);
    chooseCountry("Italy");
    selection->forgetPreset();
    EXPECT_EQ(selection->countries().selected, -1);
    EXPECT_TRUE(selection->operators().items.empty());
    EXPECT_EQ(selection->countryIndex(), -1);
    EXPECT_EQ(selection->operatorIndex(), -1);

    EXPECT_EQ(selection->Mng_OperatorSelection(4), 0);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "Invalid call for CKRT_MainParaDlg::Mng_OperatorSelection() !");
    EXPECT_EQ(messages.shown()[0].icon, MessageIcon::Error);
}

} // namespace
