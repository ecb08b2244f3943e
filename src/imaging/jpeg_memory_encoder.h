#pragma once

#include "base/status.h"

#include <QByteArray>

namespace montora {

// Compresses packed R,G,B rows (width * 3 bytes each, row 0 first in the file) into
// baseline JPEG bytes in memory. A bottom-up buffer therefore gives an upside-down
// JPEG, which is how the photo list keeps its thumbnails. A libjpeg error becomes
// a failed result, never an exit.
class JpegMemoryEncoder {
public:
    static Result<QByteArray> encode(const uchar* rgb, int width, int height, int quality);
};

} // namespace montora
