#include "params/CKRT_AboutDlg.h"

#include "platform/Pictures.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>

CKRT_AboutDlg::CKRT_AboutDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About Us"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(20, 16, 28, 16);
    layout->setSpacing(20);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("aboutPicture"));
    picture->setPixmap(Pictures::pixmap(140, devicePixelRatioF()));
    layout->addWidget(picture);

    auto* text = new QLabel(QStringLiteral("KRT CONFIG 2.9.0.9 \n") + QString::fromUtf8(kCompanyLine), this);
    text->setObjectName(QStringLiteral("aboutText"));
    text->setAlignment(Qt::AlignCenter);
    text->setEnabled(false);
    // Disabled means "not for clicking" here; the text must still read well.
    QPalette palette = text->palette();
    palette.setColor(QPalette::Disabled, QPalette::WindowText,
                     palette.color(QPalette::Active, QPalette::WindowText).lighter(250));
    text->setPalette(palette);
    QFont font = text->font();
    font.setPointSizeF(font.pointSizeF() * 1.15);
    text->setFont(font);
    layout->addWidget(text, 1);
}
