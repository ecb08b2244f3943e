#pragma once

#include "controls/skin_button.h"

#include <QPixmap>
#include <QRect>
#include <QSize>

class QPainter;

namespace montora {

// The photo library panel's own artwork: the frame stretched around each
// thumbnail, the missing-file icon and the "Add to Canvas" button.
class PhotoLibraryArt {
public:
    static void ensureLoaded();
    static SkinButton::Skin addToCanvasSkin();
    // The frame around a thumbnail's rectangle grown by 1 pixel left and top and
    // 2 right and bottom: its edges keep their width, its middle stretches.
    static void drawFrame(QPainter& painter, const QRect& framed);
    static QPixmap missingFileIcon(QSize size, qreal pixelRatio);
};

} // namespace montora
