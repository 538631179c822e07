#include "platform/LineEditText.h"

#include "platform/DialogText.h"

#include <QByteArray>
#include <QLineEdit>
#include <QVariant>

#include <algorithm>

namespace {

// Dynamic properties of an edit filled by setBytes().
constexpr const char* kShownBytesProperty = "krtShownBytes";
constexpr const char* kShownTextProperty = "krtShownText";

bool isLineBreakOrNul(QChar c)
{
    return c == u'\r' || c == u'\n' || c == u'\0';
}

/// Drops the characters a single-line edit cannot hold; `pos` keeps its
/// place in the remaining text.
void dropLineBreaks(QString& text, int* pos)
{
    qsizetype kept = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isLineBreakOrNul(text[i]))
            text[kept++] = text[i];
        else if (pos && i < *pos)
            --*pos;
    }
    text.truncate(kept);
}

void makeEditSingleLine(QLineEdit* edit)
{
    const QValidator* current = edit->validator();
    if (qobject_cast<const SingleLineValidator*>(current))
        return;
    edit->setValidator(new SingleLineValidator(const_cast<QValidator*>(current), edit));
}

} // namespace

SingleLineValidator::SingleLineValidator(QValidator* inner, QObject* parent)
    : QValidator(parent), m_inner(inner)
{
    if (inner)
        connect(inner, &QValidator::changed, this, &QValidator::changed);
}

QValidator::State SingleLineValidator::validate(QString& input, int& pos) const
{
    dropLineBreaks(input, &pos);
    cutToMaxBytes(input, &pos);
    return m_inner ? m_inner->validate(input, pos) : Acceptable;
}

void SingleLineValidator::fixup(QString& input) const
{
    dropLineBreaks(input, nullptr);
    cutToMaxBytes(input, nullptr);
    if (m_inner)
        m_inner->fixup(input);
}

void SingleLineValidator::cutToMaxBytes(QString& input, int* pos) const
{
    if (m_maxBytes <= 0)
        return;
    // Whole characters only, so a cut never leaves half of a multi-byte one.
    while (!input.isEmpty() && fromQt(input).size() > static_cast<std::size_t>(m_maxBytes)) {
        qsizetype last = input.size() - 1;
        if (last > 0 && input[last].isLowSurrogate() && input[last - 1].isHighSurrogate())
            --last;
        input.truncate(last);
    }
    if (pos)
        *pos = std::min(*pos, static_cast<int>(input.size()));
}

namespace LineEditText {

void makeSingleLine(QWidget* root)
{
    if (auto* edit = qobject_cast<QLineEdit*>(root))
        makeEditSingleLine(edit);
    for (QLineEdit* edit : root->findChildren<QLineEdit*>())
        makeEditSingleLine(edit);
}

void setMaxBytes(QLineEdit* edit, int bytes)
{
    makeEditSingleLine(edit);
    if (auto* validator = qobject_cast<SingleLineValidator*>(const_cast<QValidator*>(edit->validator())))
        validator->setMaxBytes(bytes);
}

void setBytes(QLineEdit* edit, std::string_view bytes)
{
    // CR, LF and NUL are single bytes in every 8-bit encoding the cameras'
    // PCs use (ASCII-compatible; no GBK trail byte is below 0x40), so
    // dropping them never cuts a character.
    QByteArray kept(bytes.data(), static_cast<qsizetype>(bytes.size()));
    kept.removeIf([](char c) { return c == '\r' || c == '\n' || c == '\0'; });
    QString shown = toQt(std::string(kept.constData(), static_cast<std::size_t>(kept.size())));
    // Set before the text, so a slot that reads the edit while setText()
    // notifies sees the new bytes.
    edit->setProperty(kShownBytesProperty, kept);
    edit->setProperty(kShownTextProperty, shown);
    edit->setText(shown);
    // The edit may have changed the text on the way in (its validator).
    if (edit->text() != shown)
        edit->setProperty(kShownTextProperty, edit->text());
}

std::string bytes(const QLineEdit* edit)
{
    const QVariant shown = edit->property(kShownTextProperty);
    if (shown.isValid() && shown.toString() == edit->text()) {
        const QByteArray kept = edit->property(kShownBytesProperty).toByteArray();
        return std::string(kept.constData(), static_cast<std::size_t>(kept.size()));
    }
    return fromQt(edit->text());
}

} // namespace LineEditText
