#include "app/StandInDialog.h"

#include "platform/DialogControls.h"
#include "platform/Pictures.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

StandInDialog::StandInDialog(const QString& caption, const QString& closeText, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(caption);
    setWindowIcon(Pictures::appIcon());
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(tr("This part of KRT CONFIG is not available in this version."), this);
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* close = new QPushButton(closeText, this);
    setCtrlId(close, 2);
    layout->addWidget(close, 0, Qt::AlignRight);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    setMinimumWidth(360);
}
