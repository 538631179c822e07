#include "platform/Pictures.h"

#include <QPainter>
#include <QSvgRenderer>

namespace Pictures {

namespace {
QString resourcePath(int id)
{
    return id == kAppIcon ? QStringLiteral(":/pictures/icon_128.svg")
                          : QStringLiteral(":/pictures/bitmap_%1.svg").arg(id);
}

QPixmap render(QSvgRenderer& renderer, QSize logical, qreal dpr)
{
    QPixmap pm(logical * dpr);
    pm.fill(Qt::transparent);
    QPainter painter(&pm);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    pm.setDevicePixelRatio(dpr);
    return pm;
}
} // namespace

QPixmap pixmap(int id, qreal devicePixelRatio)
{
    QSvgRenderer renderer(resourcePath(id));
    if (!renderer.isValid())
        return {};
    return render(renderer, renderer.defaultSize(), devicePixelRatio);
}

QPixmap pixmapForWidth(int id, int width, qreal devicePixelRatio)
{
    QSvgRenderer renderer(resourcePath(id));
    if (!renderer.isValid() || width <= 0)
        return {};
    const QSize natural = renderer.defaultSize();
    return render(renderer, QSize(width, natural.height() * width / natural.width()), devicePixelRatio);
}

QIcon appIcon()
{
    QSvgRenderer renderer(resourcePath(kAppIcon));
    QIcon icon;
    if (!renderer.isValid())
        return icon;
    for (const int side : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(render(renderer, QSize(side, side), 1.0));
    return icon;
}

} // namespace Pictures
