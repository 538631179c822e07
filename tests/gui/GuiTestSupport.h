#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

/// Acts on the next modal window once the event loop runs, so a test can
/// drive a dialog's exec() from the outside.
inline void whenModalShows(std::function<void(QWidget*)> act)
{
    QTimer::singleShot(0, [act = std::move(act)] {
        if (QWidget* modal = QApplication::activeModalWidget())
            act(modal);
    });
}
