#pragma once

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <ostream>

/// GoogleTest shows a QString as its text, not as a list of bytes.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

/// Acts on the next modal window once the event loop runs, so a test can
/// drive a dialog's exec() from the outside.
inline void whenModalShows(std::function<void(QWidget*)> act)
{
    QTimer::singleShot(0, [act = std::move(act)] {
        if (QWidget* modal = QApplication::activeModalWidget())
            act(modal);
    });
}

/// Pastes `text` into `edit` the way the user does: through the clipboard
/// and the edit's own paste (what Ctrl+V and the context menu run).
inline void pasteInto(QLineEdit* edit, const QString& text)
{
    QApplication::clipboard()->setText(text);
    edit->setFocus();
    edit->selectAll();
    edit->paste();
}
