#pragma once

#include <QImage>
#include <QSize>

namespace montora {

// Separable bicubic (Catmull-Rom) resampling of premultiplied ARGB pictures, for
// enlargements where bilinear filtering would show the source's pixel grid as
// diamonds. Pixel centres are mapped onto pixel centres; edges are clamped.
class CubicResampler {
public:
    // `source` in any format (converted to premultiplied ARGB); returns a premultiplied
    // picture of `size`, or a null picture when either size is empty.
    static QImage resize(const QImage& source, const QSize& size);
};

} // namespace montora
