#pragma once

#include "platform/DialogControls.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QString>

#include <string>
#include <utility>

/// The core holds the system's 8-bit text; the widgets show QString. The
/// conversion loses bytes the encoding cannot show: an edit field that
/// shows record bytes and gives them back goes through LineEditText.
inline QString toQt(const std::string& bytes)
{
    return QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline std::string fromQt(const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

/// Gives a dialog's OK and Cancel buttons their texts and the ids 1 and 2;
/// OK is the default button. The box's own accepted/rejected signals stay
/// unconnected: each dialog checks before it closes.
inline std::pair<QPushButton*, QPushButton*> setUpOkCancel(QDialogButtonBox* box, const QString& okText,
                                                           const QString& cancelText)
{
    QPushButton* ok = box->button(QDialogButtonBox::Ok);
    QPushButton* cancel = box->button(QDialogButtonBox::Cancel);
    ok->setText(okText);
    cancel->setText(cancelText);
    ok->setDefault(true);
    setCtrlId(ok, 1);
    setCtrlId(cancel, 2);
    return {ok, cancel};
}
