#pragma once

#include <QPointer>
#include <QValidator>

#include <string>
#include <string_view>

class QLineEdit;
class QWidget;

/// The platform's single-line edit never holds a line break; QLineEdit keeps
/// one from pasted or set text, and in a parameter file a line break inside
/// a value starts a key or section of its own. This validator drops CR, LF
/// and NUL from whatever reaches the edit (typing, paste, drop, setText) and
/// lets the edit's own validator, if any, judge the rest.
class SingleLineValidator : public QValidator
{
    Q_OBJECT

public:
    /// `inner` may be null; it is not owned.
    SingleLineValidator(QValidator* inner, QObject* parent);

    State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

    [[nodiscard]] QValidator* inner() const { return m_inner; }

    /// Keeps the text within `bytes` bytes of the system's 8-bit encoding,
    /// cutting what is typed or pasted beyond at a whole character; 0 for
    /// no limit.
    void setMaxBytes(int bytes) { m_maxBytes = bytes; }
    [[nodiscard]] int maxBytes() const { return m_maxBytes; }

private:
    void cutToMaxBytes(QString& input, int* pos) const;

    QPointer<QValidator> m_inner;
    int m_maxBytes = 0;
};

/// How the dialogs' edit fields meet the records: single-line edits, and
/// record bytes that come back unchanged from a field the user left alone.
namespace LineEditText {

/// Makes `root`, when it is a QLineEdit, and every QLineEdit below it
/// single-line (SingleLineValidator around the edit's validator). Call it
/// once the edits have their own validators; a second call changes nothing.
void makeSingleLine(QWidget* root);

/// Limits `edit` to `bytes` bytes of the text as the file stores it (the
/// system's 8-bit encoding), where a limit in characters would let
/// non-ASCII text grow past what the file keeps. Makes the edit single-line.
void setMaxBytes(QLineEdit* edit, int bytes);

/// Shows record bytes (the system's 8-bit text) in `edit` and keeps them:
/// while the edit still shows that text, bytes() gives back exactly these
/// bytes, also those the 8-bit conversion cannot show (another code page).
/// CR, LF and NUL are dropped, as the edit drops them.
void setBytes(QLineEdit* edit, std::string_view bytes);

/// The record bytes `edit` holds: those given to setBytes() while its text
/// is still the text shown for them, otherwise its text in the system's
/// 8-bit encoding.
[[nodiscard]] std::string bytes(const QLineEdit* edit);

} // namespace LineEditText
