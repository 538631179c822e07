#include "TestDrives.h"
#include "app/CKRT_ModSelDlg.h"
#include "app/RememberedChoice.h"
#include "context/AppContext.h"
#include "models/ModelCatalogue.h"
#include "platform/DialogControls.h"

#include "GuiTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class ModSelDlgTest : public testing::Test
{
protected:
    ModSelDlgTest()
        : clock({2026, 12, 9, 10, 0, 0}),
          context(drives.map(), RegistryStore((drives.base() / "registry").string()), messages, clock)
    {
    }

    /// Opens the dialog as a start of the tool would, with a main dialog that
    /// only records which model it was opened for.
    std::unique_ptr<CKRT_ModSelDlg> start()
    {
        opened.clear();
        return std::make_unique<CKRT_ModSelDlg>(context, [this](const ModelDescriptor& model, const std::string& entry) {
            opened.push_back(entry);
            EXPECT_EQ(model.listEntry, entry);
        });
    }

    static QComboBox* list(CKRT_ModSelDlg& d) { return control<QComboBox>(&d, 1000); }
    static QCheckBox* box(CKRT_ModSelDlg& d) { return control<QCheckBox>(&d, 1001); }
    static int picture(CKRT_ModSelDlg& d) { return control<QLabel>(&d, 1002)->property("pictureId").toInt(); }
    static void pressOk(CKRT_ModSelDlg& d) { control<QPushButton>(&d, 1)->click(); }

    [[nodiscard]] std::optional<std::string> stored() { return RememberedChoice(context.registry()).value(); }
    [[nodiscard]] bool keyExists() { return context.registry().keyExists(RememberedChoice::kKey); }
    [[nodiscard]] bool parentExists() { return context.registry().keyExists(RememberedChoice::kParentKey); }

    TestDrives drives;
    RecordingMessageService messages;
    FixedClock clock;
    AppContext context;
    std::vector<std::string> opened;
};

TEST_F(ModSelDlgTest, ShowsTheThirtyModelsInOrder)
{
    auto dlg = start();
    EXPECT_EQ(dlg->windowTitle(), "KRT CONFIG 2.9.0.9");
    ASSERT_EQ(list(*dlg)->count(), 30);
    int i = 0;
    for (const ModelDescriptor& m : ModelCatalogue::all())
        EXPECT_EQ(list(*dlg)->itemText(i++).toStdString(), m.listEntry);
    EXPECT_EQ(control<QPushButton>(dlg.get(), 1)->text(), "OK (&Y)");
    EXPECT_EQ(control<QPushButton>(dlg.get(), 2)->text(), "EXIT (&N)");
    EXPECT_EQ(box(*dlg)->text(), "Remember My Choice");
}

TEST_F(ModSelDlgTest, FirstStartSelectsNothingAndStoresMinusOne)
{
    auto dlg = start();
    EXPECT_EQ(list(*dlg)->currentIndex(), -1);
    EXPECT_FALSE(box(*dlg)->isChecked());
    EXPECT_EQ(picture(*dlg), 135);
    EXPECT_EQ(stored(), "-1");
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(ModSelDlgTest, SelectionChangesThePicture)
{
    auto dlg = start();
    list(*dlg)->setCurrentIndex(6);
    EXPECT_EQ(picture(*dlg), 203);
    list(*dlg)->setCurrentIndex(26);
    EXPECT_EQ(picture(*dlg), 174);
    EXPECT_FALSE(control<QLabel>(dlg.get(), 1002)->pixmap().isNull());
}

TEST_F(ModSelDlgTest, RememberedTq330IsRestoredAtTheNextStart)
{
    {
        auto dlg = start();
        list(*dlg)->setCurrentIndex(6);
        box(*dlg)->setChecked(true);
        pressOk(*dlg);
        EXPECT_EQ(opened, std::vector<std::string>{"TQ330"});
        EXPECT_EQ(dlg->result(), QDialog::Accepted);
        EXPECT_EQ(stored(), "6");
    }
    auto next = start();
    EXPECT_EQ(list(*next)->currentText(), "TQ330");
    EXPECT_TRUE(box(*next)->isChecked());
    EXPECT_EQ(picture(*next), 203);
}

TEST_F(ModSelDlgTest, UntickedBoxForgetsTheChoiceOverTwoStarts)
{
    {
        auto dlg = start();
        list(*dlg)->setCurrentIndex(3);
        pressOk(*dlg);
        EXPECT_EQ(stored(), "-1");
    }
    {
        auto dlg = start();
        EXPECT_EQ(list(*dlg)->currentIndex(), -1);
        EXPECT_FALSE(keyExists());
        EXPECT_FALSE(parentExists()) << "the reset deletes \"Software\\Tavrinoxa\" too";
    }
    auto third = start();
    EXPECT_EQ(stored(), "-1") << "a missing key is created again";
    EXPECT_EQ(list(*third)->currentIndex(), -1);
}

TEST_F(ModSelDlgTest, StoredValuesThatAreNoPosition)
{
    struct Case
    {
        const char* value;
        int selected; // -1: reset
    } const cases[] = {{"30", -1}, {"31", -1}, {"-7", -1}, {"99999999999999999999", -1},
                       {"abc", 0},  {"", 0},   {"29", 29}, {"12xyz", 12}};
    for (const Case& c : cases) {
        RememberedChoice(context.registry()).remove();
        context.registry().setDefaultValue(RememberedChoice::kKey, c.value);
        auto dlg = start();
        EXPECT_EQ(list(*dlg)->currentIndex(), c.selected) << '"' << c.value << '"';
        EXPECT_EQ(box(*dlg)->isChecked(), c.selected >= 0) << '"' << c.value << '"';
        EXPECT_EQ(keyExists(), c.selected >= 0) << '"' << c.value << '"';
    }
}

TEST_F(ModSelDlgTest, OkWithoutSelectionWarnsAndStays)
{
    context.registry().setDefaultValue(RememberedChoice::kKey, "4");
    auto dlg = start();
    list(*dlg)->setCurrentIndex(-1);
    dlg->show();
    pressOk(*dlg);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "Please Select A Product !");
    EXPECT_EQ(messages.shown()[0].icon, MessageIcon::Warning);
    EXPECT_EQ(messages.shown()[0].title, "KRT提示信息 ");
    EXPECT_TRUE(opened.empty());
    EXPECT_TRUE(dlg->isVisible()) << "the dialog stays open";
    EXPECT_EQ(stored(), "-1") << "the store step still runs";
    list(*dlg)->hidePopup();
}

TEST_F(ModSelDlgTest, UnknownModeIsReported)
{
    auto dlg = start();
    EXPECT_EQ(dlg->Mng_RegistryValue(4, 1000, 1001), 0);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "Invalid call for CKRT_ModSelDlg::Mng_RegistryValue() !");
    EXPECT_EQ(messages.shown()[0].icon, MessageIcon::Error);
}

TEST_F(ModSelDlgTest, ExitLeavesTheRegistryAlone)
{
    context.registry().setDefaultValue(RememberedChoice::kKey, "6");
    auto dlg = start();
    list(*dlg)->setCurrentIndex(2);
    box(*dlg)->setChecked(false);
    control<QPushButton>(dlg.get(), 2)->click();
    EXPECT_EQ(dlg->result(), QDialog::Rejected);
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(stored(), "6");
}

} // namespace
