#pragma once

#include "base/status.h"

#include <QByteArray>
#include <QImage>

namespace montora {

// A baseline TIFF in memory: 8-bit RGB (RGBA with unassociated alpha when the picture
// has an alpha channel), LZW with the horizontal predictor, strips of about 64 KB,
// the picture's resolution. Little-endian, one image. A big picture's strips are
// shared with a second core when one is likely free; the bytes do not depend on it.
class TiffWriter {
public:
    static Result<QByteArray> encode(const QImage& image, bool mayUseHelper = true);
};

} // namespace montora
