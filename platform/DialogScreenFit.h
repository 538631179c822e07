#pragma once

#include <QObject>

class QDialog;
class QSize;

/// A dialog larger than the screen (a small screen, or a large scale
/// factor) gets its contents in a scroll area while its row of buttons stays
/// below it, always visible; a dialog that fits is left exactly as it is.
namespace DialogScreenFit {

/// Fits `dialog` into `available` (the screen's free area, without the
/// window frame). True when its contents were put into a scroll area. The
/// button row is the dialog's QDialogButtonBox, or its layout named
/// "buttonLayout". A dialog is fitted once.
bool fit(QDialog* dialog, const QSize& available);

/// Fits every dialog of the tool (those whose object name starts with
/// "CKRT_") to its screen as it is first shown, and centres a fitted one
/// there. Installed on the application object.
class Filter : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace DialogScreenFit
