#include "app/StandInDialog.h"

#include "platform/DialogText.h"
#include "platform/Pictures.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {
QDialogButtonBox* buildFrame(QDialog* dialog, const QString& caption, QDialogButtonBox::StandardButtons buttons)
{
    dialog->setWindowTitle(caption);
    dialog->setWindowIcon(Pictures::appIcon());
    dialog->setMinimumWidth(360);
    auto* layout = new QVBoxLayout(dialog);
    auto* note = new QLabel(QObject::tr("This part of KRT CONFIG is not available in this version."), dialog);
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* box = new QDialogButtonBox(buttons, dialog);
    layout->addWidget(box);
    return box;
}
} // namespace

StandInDialog::StandInDialog(const QString& caption, const QString& closeText, QWidget* parent) : QDialog(parent)
{
    QDialogButtonBox* box = buildFrame(this, caption, QDialogButtonBox::Cancel);
    QPushButton* close = box->button(QDialogButtonBox::Cancel);
    close->setText(closeText);
    setCtrlId(close, 2);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}
