#include "platform/LineEditText.h"

#include "GuiTestSupport.h"

#include <QDragEnterEvent>
#include <QIntValidator>
#include <QLineEdit>
#include <QMimeData>
#include <QRegularExpressionValidator>

#include <gtest/gtest.h>

namespace {

TEST(LineEditTextTest, EveryWayInDropsLineBreaksAndNul)
{
    QWidget dialog;
    auto* edit = new QLineEdit(&dialog);
    LineEditText::makeSingleLine(&dialog);
    dialog.show();

    edit->setText(QStringLiteral("a\r\nb\nc\rd"));
    EXPECT_EQ(edit->text(), "abcd");
    pasteInto(edit, QStringLiteral("+49123\r\n[Camera Setting]\r\nx=1"));
    EXPECT_EQ(edit->text(), "+49123[Camera Setting]x=1");
    edit->clear();
    edit->insert(QStringLiteral("one\r\ntwo"));
    edit->insert(QString(QChar(u'\0')) + QStringLiteral("three"));
    EXPECT_EQ(edit->text(), "onetwothree");
    EXPECT_EQ(edit->cursorPosition(), edit->text().size()) << "the cursor stays behind the inserted text";

    // Drag and drop runs the same insertion.
    edit->clear();
    QMimeData mime;
    mime.setText(QStringLiteral("dropped\r\nline"));
    QDragEnterEvent enter(edit->rect().center(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(edit, &enter);
    QDropEvent drop(edit->rect().center(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(edit, &drop);
    EXPECT_EQ(edit->text(), "droppedline");
}

TEST(LineEditTextTest, NotifiesOnlyTheSingleLine)
{
    QLineEdit edit;
    LineEditText::makeSingleLine(&edit);
    QStringList seen;
    QObject::connect(&edit, &QLineEdit::textChanged, &edit, [&seen](const QString& text) { seen << text; });
    edit.setText(QStringLiteral("me@qq.com\r\n"));
    EXPECT_EQ(seen, QStringList{QStringLiteral("me@qq.com")});
}

TEST(LineEditTextTest, TheEditsOwnValidatorStillJudges)
{
    QWidget dialog;
    auto* port = new QLineEdit(&dialog);
    auto* digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), &dialog);
    port->setValidator(digits);
    auto* part = new QLineEdit(&dialog);
    part->setValidator(new QIntValidator(0, 255, part));
    LineEditText::makeSingleLine(&dialog);
    LineEditText::makeSingleLine(&dialog);
    dialog.show();

    const auto* wrapper = qobject_cast<const SingleLineValidator*>(port->validator());
    ASSERT_NE(wrapper, nullptr);
    EXPECT_EQ(wrapper->inner(), digits);
    EXPECT_EQ(qobject_cast<const SingleLineValidator*>(wrapper->inner()), nullptr) << "not wrapped twice";

    pasteInto(port, QStringLiteral("8080\r\n"));
    EXPECT_EQ(port->text(), "8080");
    pasteInto(port, QStringLiteral("80a"));
    EXPECT_EQ(port->text(), "8080") << "letters still refused";
    pasteInto(part, QStringLiteral("10\n"));
    EXPECT_EQ(part->text(), "10");
    part->insert(QStringLiteral("x"));
    EXPECT_EQ(part->text(), "10");
}

TEST(LineEditTextTest, UnchangedFieldGivesBackItsBytes)
{
    QLineEdit edit;
    LineEditText::makeSingleLine(&edit);
    for (const std::string& bytes :
         {std::string("Caf\xE9"), std::string("\xC4\xE3\xBA\xC3"), std::string("plain"),
          std::string("caf\xC3\xA9"), std::string("cut \xE4\xB8"), std::string()}) {
        LineEditText::setBytes(&edit, bytes);
        EXPECT_EQ(LineEditText::bytes(&edit), bytes);
    }

    LineEditText::setBytes(&edit, "Caf\xE9");
    EXPECT_EQ(edit.text(), QStringLiteral("Caf\uFFFD"));
    edit.setText(QStringLiteral("Caf\u00e9"));
    EXPECT_EQ(LineEditText::bytes(&edit), "Caf\xC3\xA9") << "an edited field is its new text";
    edit.setText(QStringLiteral("Caf\uFFFD"));
    EXPECT_EQ(LineEditText::bytes(&edit), "Caf\xE9") << "the shown text again is the shown bytes";
    edit.clear();
    EXPECT_EQ(LineEditText::bytes(&edit), "");

    QLineEdit plain;
    plain.setText(QStringLiteral("caf\u00e9"));
    EXPECT_EQ(LineEditText::bytes(&plain), "caf\xC3\xA9") << "a field never given bytes";
}

TEST(LineEditTextTest, BytesWithLineBreaksAreShownAndKeptWithoutThem)
{
    QLineEdit edit;
    LineEditText::makeSingleLine(&edit);
    LineEditText::setBytes(&edit, std::string("a\r\nb\0c\xE9", 7));
    EXPECT_EQ(edit.text(), QStringLiteral("abc\uFFFD"));
    EXPECT_EQ(LineEditText::bytes(&edit), "abc\xE9");
}

} // namespace
