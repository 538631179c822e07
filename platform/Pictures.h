#pragma once

#include <QIcon>
#include <QPixmap>

/// The tool's pictures by their resource id (128 icon, 131 banner, 135 no
/// selection, product pictures ...), drawn from SVG at the screen's scale.
namespace Pictures {

inline constexpr int kAppIcon = 128;

/// The picture at its natural size, rendered for the given device pixel
/// ratio; a null pixmap when there is no picture of that id.
[[nodiscard]] QPixmap pixmap(int id, qreal devicePixelRatio = 1.0);

/// The picture scaled, keeping its proportions, to the given width in
/// device-independent pixels; a banner fills its window this way.
[[nodiscard]] QPixmap pixmapForWidth(int id, int width, qreal devicePixelRatio = 1.0);

/// The application icon at the usual icon sizes.
[[nodiscard]] QIcon appIcon();

} // namespace Pictures
