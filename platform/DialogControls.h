#pragma once

#include <QVariant>
#include <QWidget>

/// Controls carry their dialog-resource number in the dynamic property
/// "ctrlId", so behaviour and tests can name them as the dialogs do.
inline constexpr const char* kCtrlIdProperty = "ctrlId";

inline void setCtrlId(QWidget* widget, int id)
{
    widget->setProperty(kCtrlIdProperty, id);
}

/// The child of `dialog` with that control id, or nullptr.
template <typename T = QWidget>
T* control(const QWidget* dialog, int id)
{
    for (T* child : dialog->findChildren<T*>()) {
        if (child->property(kCtrlIdProperty).toInt() == id && child->property(kCtrlIdProperty).isValid())
            return child;
    }
    return nullptr;
}
