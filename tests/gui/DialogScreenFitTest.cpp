#include "camera/CKRT_CamPara4GDlg.h"
#include "context/AppContext.h"
#include "network/CKRT_WapInternetDlg.h"
#include "params/CKRT_MainParaDlg.h"
#include "platform/DialogControls.h"
#include "platform/DialogScreenFit.h"

#include "CameraDialogFixture.h"

#include <QComboBox>
#include <QPushButton>
#include <QScrollArea>

#include <gtest/gtest.h>

namespace {

class DialogScreenFitTest : public CameraDialogFixture
{
protected:
    static bool inside(const QWidget* widget, const QWidget* area)
    {
        for (const QWidget* w = widget; w; w = w->parentWidget())
            if (w == area)
                return true;
        return false;
    }
};

// A dialog taller or wider than the screen scrolls its contents; its
// buttons stay outside the scrolling part, so they can always be reached.
TEST_F(DialogScreenFitTest, ADialogLargerThanTheScreenScrollsAndKeepsItsButtonsInView)
{
    CKRT_MainParaDlg main(*context, "TQ270");
    ASSERT_TRUE(main.initialise());
    CKRT_CamPara4GDlg camera(*context, "TQ480-E");
    CKRT_WapInternetDlg network(*context, CKRT_WapInternetDlg::Mode::UserDefined, true);
    struct Case
    {
        QDialog* dialog;
        int buttonId;
    } const cases[] = {{&main, 1}, {&camera, 2}, {&network, 2}};
    for (const Case& c : cases) {
        const QSize hint = c.dialog->sizeHint();
        const QSize small(hint.width() * 2 / 3, hint.height() / 2);
        ASSERT_TRUE(DialogScreenFit::fit(c.dialog, small)) << c.dialog->objectName().toStdString();
        auto* area = c.dialog->findChild<QScrollArea*>("screenFitArea");
        ASSERT_NE(area, nullptr);
        QWidget* button = control<QWidget>(c.dialog, c.buttonId);
        ASSERT_NE(button, nullptr);
        EXPECT_FALSE(inside(button, area)) << c.dialog->objectName().toStdString();
        EXPECT_TRUE(inside(control<QWidget>(c.dialog, 1000), area) || c.buttonId != 1);
        EXPECT_LE(c.dialog->width(), small.width());
        EXPECT_LE(c.dialog->height(), small.height());
        EXPECT_FALSE(DialogScreenFit::fit(c.dialog, small)) << "a dialog is fitted once";
    }

    // Still the same dialog: its buttons work from below the scroll area.
    messages.answerNext(MessageAnswer::Cancel);
    control<QPushButton>(&main, 1)->click();
    ASSERT_FALSE(messages.texts().empty());
    EXPECT_EQ(messages.texts().front(), "Sava all parameters to \"E:\\GSM\\TQ270.TXT\" ?");
}

TEST_F(DialogScreenFitTest, ADialogThatFitsIsLeftAlone)
{
    CKRT_MainParaDlg main(*context, "TQ270");
    ASSERT_TRUE(main.initialise());
    QLayout* before = main.layout();
    EXPECT_FALSE(DialogScreenFit::fit(&main, main.sizeHint() + QSize(1, 1)));
    EXPECT_EQ(main.layout(), before);
    EXPECT_EQ(main.findChild<QScrollArea*>("screenFitArea"), nullptr);
}

} // namespace
