#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

class QPainter;
class QRect;

namespace montora {

struct ThreeSlice;

// The controls' artwork: SVG files compiled into the program, rendered at the
// size and pixel ratio they are shown at, and cached.
class SkinArt {
public:
    // Makes the compiled-in artwork of the widget library available; cheap to repeat.
    static void ensureLoaded();

    // `resource` rendered into `size` logical pixels (stretched to fill it).
    static QPixmap pixmap(const QString& resource, QSize size, qreal pixelRatio);
    // The artwork's own size in logical pixels.
    static QSize naturalSize(const QString& resource);

    // Draws `resource` into `target` as three slices: the picture is rendered
    // `sourceWidth` wide and as tall as the target, then cut as `slices` says.
    static void drawThreeSlice(QPainter& painter, const QRect& target, const QString& resource, int sourceWidth,
                               const ThreeSlice& slices);
};

} // namespace montora
