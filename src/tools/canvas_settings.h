#pragma once

#include "base/colour_ref.h"

#include <QString>

#include <cstdint>

namespace montora {

// The size and background of a collage, as chosen in the new-collage dialog and
// kept by the canvas.
struct CanvasSettings {
    static constexpr int kMinSize = 10;
    static constexpr int kMaxSize = 3200;

    enum PictureMode : int { Center = 0, Tile = 1, Stretch = 2 };

    int width = 1024;
    int height = 768;
    // May be the colour picker's default value 0xFF000000, which reads as black.
    ColorRef backgroundColour = 0xFFFFFF;
    QString picturePath; // empty: no background picture
    int pictureMode = Center;

    bool operator==(const CanvasSettings&) const = default;
};

} // namespace montora
