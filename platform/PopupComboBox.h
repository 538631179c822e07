#pragma once

#include <QComboBox>

/// A drop-down list that tells, before its list opens, that the user is
/// about to look at it, so its owner can bring the items up to date.
class PopupComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit PopupComboBox(QWidget* parent = nullptr) : QComboBox(parent) {}

    void showPopup() override
    {
        Q_EMIT aboutToShowPopup();
        QComboBox::showPopup();
    }

Q_SIGNALS:
    void aboutToShowPopup();
};
