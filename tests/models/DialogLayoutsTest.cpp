#include "models/DialogLayouts.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(DialogLayouts, EveryDialogLayoutIsRead)
{
    for (const char* name : {"CKRT_MainParaDlg", "CKRT_WapInternetDlg", "CKRT_FtpSettingDlg", "CKRT_AdvancedSetupDlg",
                             "CKRT_CamParaRV718WDlg", "CKRT_CamPara4GDlg", "CKRT_CamParaGroup1Dlg",
                             "CKRT_CamParaRV720QDlg", "CKRT_CamParaTQ240Dlg"}) {
        const DialogLayout* layout = DialogLayouts::find(name);
        ASSERT_NE(layout, nullptr) << name;
        EXPECT_FALSE(layout->widgets.empty()) << name;
    }
    EXPECT_EQ(DialogLayouts::find("CKRT_CamParaRV718WDlg")->title, "Camera Setting");
    EXPECT_EQ(DialogLayouts::cameraDialog(156)->name, "CKRT_CamParaTQ240Dlg");
    EXPECT_EQ(DialogLayouts::cameraDialog(137), nullptr);
}

// The label a field is shown with follows the layout, so the labels a front
// end without Qt shows are the dialogs' own, spacing included.
TEST(DialogLayouts, FieldsTakeTheLabelsBesideThem)
{
    struct Case
    {
        const char* layout;
        int ctrlId;
        const char* label;
    };
    const Case cases[] = {
        {"CKRT_CamParaRV718WDlg", 1007, "PIR Trigger"},
        {"CKRT_CamParaRV718WDlg", 1002, "Photo Size"},
        {"CKRT_CamParaTQ240Dlg", 1002, "Photo  Size"},
        // The minute beside the hour shares its label, past the ":" between them.
        {"CKRT_CamParaRV718WDlg", 1018, "Start Time"},
        {"CKRT_CamParaRV718WDlg", 1019, "Start Time"},
        {"CKRT_CamParaRV718WDlg", 1022, "Send Time :"},
        // The camera name stands in Camera Position's row, under its label.
        {"CKRT_CamPara4GDlg", 1075, "Camera Position"},
        {"CKRT_CamParaRV718WDlg", 1013, "H:"},
        {"CKRT_CamParaRV718WDlg", 1015, "Replay Time"},
        // After the "Add Audio" button no label is left: the box's title.
        {"CKRT_CamParaRV718WDlg", 1030, "Game Call"},
        // Pickers without a label of their own.
        {"CKRT_CamParaRV718WDlg", 1048, "Clock"},
        // Two labels over two lists: each takes one, in order.
        {"CKRT_MainParaDlg", 1003, "Select Country"},
        {"CKRT_MainParaDlg", 1004, "Select Operator"},
        {"CKRT_MainParaDlg", 1010, "Phone Number 2 :"},
        {"CKRT_MainParaDlg", 1015, "Receive Email 1 :"},
        {"CKRT_MainParaDlg", 1016, "Receive Email 2 :"},
        {"CKRT_WapInternetDlg", 1016, "PORT :"},
        {"CKRT_WapInternetDlg", 1018, "MMS IP :"},
        {"CKRT_WapInternetDlg", 1021, "GPRS PASSWORD :"},
        {"CKRT_FtpSettingDlg", 1082, "FTP Password:"},
    };
    for (const Case& c : cases) {
        const DialogLayout* layout = DialogLayouts::find(c.layout);
        ASSERT_NE(layout, nullptr) << c.layout;
        EXPECT_EQ(DialogLayouts::labelText(*layout, c.ctrlId), c.label) << c.layout << " " << c.ctrlId;
    }
}

TEST(DialogLayouts, TextsAndGroupsAreTheLayouts)
{
    const DialogLayout& camera = *DialogLayouts::find("CKRT_CamParaRV718WDlg");
    const LayoutWidget* setClock = DialogLayouts::widget(camera, 1051);
    ASSERT_NE(setClock, nullptr);
    EXPECT_EQ(setClock->kind, LayoutWidgetKind::Check);
    EXPECT_EQ(setClock->text, "Set Clock  : (SYSTEM TIME)");
    EXPECT_EQ(DialogLayouts::groupTitle(camera, *setClock), "Clock");
    const LayoutWidget* ftp = DialogLayouts::widget(camera, 1050);
    ASSERT_NE(ftp, nullptr);
    EXPECT_EQ(ftp->kind, LayoutWidgetKind::Radio);
    EXPECT_EQ(ftp->text, "FTP");
    // A list's items are not taken for its text.
    EXPECT_EQ(DialogLayouts::widget(camera, 1007)->text, "");
    // Escaped characters come back as they are shown.
    const DialogLayout& main = *DialogLayouts::find("CKRT_MainParaDlg");
    bool hint = false;
    for (const LayoutWidget& w : main.widgets)
        hint = hint || w.text == "Click \"Default Setting\" button if you don't know how to modify camera parameters !";
    EXPECT_TRUE(hint);
    EXPECT_EQ(DialogLayouts::labelOf(main, 1005), nullptr) << "a button has its own text";
    EXPECT_EQ(DialogLayouts::labelText(main, 4711), "");
}

} // namespace
