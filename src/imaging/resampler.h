#pragma once

#include <QSize>

#include <cstdint>

namespace montora {

enum class FlipAndSwap { No, Yes };
enum class Enlarge { No, Yes };

class Resampler {
public:
    // Integer bilinear resampling between packed buffers (rows of width * n bytes).
    // The source coordinate of destination column j is j * sourceWidth / width (no
    // half-pixel centring). Every destination pixel is written; neighbours beyond
    // the last source row or column are clamped to it. With FlipAndSwap the rows
    // are written bottom-up and the three bytes of each pixel reversed.
    static void resampleBilinear(const std::uint8_t* source, std::uint8_t* destination, int sourceWidth,
                                 int sourceHeight, int width, int height, int bytesPerPixel,
                                 FlipAndSwap flip = FlipAndSwap::No);

    // The size of a picture fitted into a box, keeping its aspect ratio; only
    // shrunk unless `enlarge`. Any zero size gives (0, 0).
    static QSize fitSize(int width, int height, int boxWidth, int boxHeight, Enlarge enlarge = Enlarge::No);
};

} // namespace montora
