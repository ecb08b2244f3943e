#pragma once

#include "base/status.h"

#include <QByteArray>
#include <QImage>

namespace montora {

// PNG in memory for 32-bit pictures: 8-bit RGB, or RGBA when the picture has an
// alpha channel; each row with the filter that leaves the smallest sum of signed
// bytes (as libpng chooses), compressed by libdeflate at zlib's default level, which
// gives zlib's size in a third of its time. The colour profile, the resolution and
// the text keys go along.
class PngWriter {
public:
    static constexpr int kDefaultLevel = 6;

    // Formats other than RGB32 and ARGB32 (premultiplied or not) are refused.
    static bool handles(QImage::Format format);
    static Result<QByteArray> encode(const QImage& image, int level = kDefaultLevel);
};

} // namespace montora
