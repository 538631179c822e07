#include "platform/DialogScreenFit.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr const char* kFittedProperty = "krtFittedToScreen";

// Takes the dialog's row of buttons out of the layout tree, wherever it is.
QLayoutItem* takeButtonRow(QLayout* layout)
{
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (qobject_cast<QDialogButtonBox*>(item->widget()))
            return layout->takeAt(i);
        if (QLayout* inner = item->layout()) {
            if (inner->objectName() == QLatin1String("buttonLayout"))
                return layout->takeAt(i);
            if (QLayoutItem* found = takeButtonRow(inner))
                return found;
        }
    }
    return nullptr;
}

} // namespace

namespace DialogScreenFit {

bool fit(QDialog* dialog, const QSize& available)
{
    QLayout* layout = dialog->layout();
    if (!layout || dialog->property(kFittedProperty).toBool())
        return false;
    dialog->setProperty(kFittedProperty, true);
    const QSize wanted = dialog->sizeHint();
    if (wanted.width() <= available.width() && wanted.height() <= available.height())
        return false;

    const QMargins margins = layout->contentsMargins();
    QLayoutItem* buttons = takeButtonRow(layout);
    // The contents take the dialog's own layout along, and with it every
    // widget it holds; the buttons, taken out above, stay with the dialog.
    auto* contents = new QWidget;
    contents->setLayout(layout);
    auto* area = new QScrollArea(dialog);
    area->setObjectName(QStringLiteral("screenFitArea"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(contents);

    auto* top = new QVBoxLayout(dialog);
    top->setContentsMargins(0, 0, 0, 0);
    top->addWidget(area, 1);
    if (buttons) {
        auto* row = new QHBoxLayout;
        row->setContentsMargins(margins.left(), margins.top(), margins.right(), margins.bottom());
        if (QWidget* widget = buttons->widget()) {
            row->addWidget(widget);
            delete buttons;
        } else if (QLayout* inner = buttons->layout()) {
            row->addLayout(inner);
        }
        top->addLayout(row);
    }

    const int bar = dialog->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area);
    const int rowHeight = top->count() > 1 ? top->itemAt(1)->sizeHint().height() : 0;
    // Room for the contents at their own size and a scroll bar beside them,
    // as far as the screen allows, so only the direction that does not fit
    // scrolls. Measured twice: word-wrapped labels measure anew once they
    // have been laid out in their new place.
    for (int pass = 0; pass < 2; ++pass) {
        const QSize inner = contents->sizeHint().expandedTo(contents->minimumSizeHint());
        const QSize whole(inner.width() + bar + 2 * area->frameWidth(), inner.height() + rowHeight + bar);
        dialog->resize(whole.boundedTo(available));
        // Wide enough: the width the layout settles on can still run a few
        // pixels past the view, which is no reason for a second scroll bar.
        if (pass == 1 && whole.width() <= available.width())
            area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    return true;
}

bool Filter::eventFilter(QObject* watched, QEvent* event)
{
    // Show comes after the first show has sized the window and before it is
    // mapped, so the size set here is the one the user sees.
    if (event->type() == QEvent::Show) {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (dialog && dialog->isWindow() && dialog->objectName().startsWith(QLatin1String("CKRT_"))) {
            if (const QScreen* screen = dialog->screen()) {
                // The window frame is not known before the window is mapped:
                // a title bar's height is kept free for it.
                const int titleBar = dialog->style()->pixelMetric(QStyle::PM_TitleBarHeight);
                const QRect free = screen->availableGeometry().adjusted(0, titleBar, 0, 0);
                if (fit(dialog, free.size())) {
                    QRect placed(QPoint(), dialog->size());
                    placed.moveCenter(free.center());
                    dialog->move(placed.topLeft());
                }
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace DialogScreenFit
