#include "platform/QtMessageService.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

MessageAnswer QtMessageService::show(const Message& message)
{
    QMessageBox::Icon icon = QMessageBox::Information;
    switch (message.icon) {
    case MessageIcon::Error:
        icon = QMessageBox::Critical;
        break;
    case MessageIcon::Warning:
        icon = QMessageBox::Warning;
        break;
    case MessageIcon::Information:
        icon = QMessageBox::Information;
        break;
    case MessageIcon::Question:
        icon = QMessageBox::Question;
        break;
    }
    // An untitled box carries the program's name, as a Windows message box does.
    const QString title = message.title.empty()
                              ? QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName()
                              : QString::fromUtf8(message.title);
    const QMessageBox::StandardButtons buttons = message.buttons == MessageButtons::OkCancel
                                                     ? QMessageBox::Ok | QMessageBox::Cancel
                                                     : QMessageBox::StandardButtons(QMessageBox::Ok);
    QMessageBox box(icon, title, QString::fromLocal8Bit(message.text), buttons, QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Ok);
    if (!message.detail.empty())
        box.setDetailedText(QString::fromLocal8Bit(message.detail));
    return box.exec() == QMessageBox::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}
