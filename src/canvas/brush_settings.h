#pragma once

#include "canvas/item_kind.h"

#include <QImage>
#include <QSize>

#include <vector>

namespace montora {

// What a brush stamp is made from. The pictures and their sizes are the brush
// library's, handed over by the brush panel.
struct BrushSettings {
    bool brushMode = false; // clicks stamp brushes instead of selecting
    int brushIndex = -1;    // negative: none chosen
    int angle = 0;          // degrees
    int opacity = 255;      // 0..255
    int size = 50;          // pixels
    ColorRef colour = 0;
    std::vector<QImage> pictures; // ARGB32, one per brush library record
    std::vector<QSize> sizes;

    bool hasBrush() const { return brushIndex >= 0 && brushIndex < int(sizes.size()); }
    // The brush library's pictures, in record order. A chosen index past the new
    // library is let go, and with it brush mode.
    void setLibrary(std::vector<QImage> libraryPictures);
};

} // namespace montora
