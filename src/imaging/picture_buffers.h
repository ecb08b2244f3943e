#pragma once

#include "base/status.h"

#include <QByteArray>
#include <QString>

namespace montora {

// Pictures stretched into packed 24-bit buffers (rows of exactly width * 3 bytes).
class PictureBuffers {
public:
    static constexpr int kThumbnailSide = 80;
    static constexpr int kThumbnailQuality = 75;

    // Bottom-up R,G,B, the picture stretched to exactly width x height over white
    // (the photo list's thumbnails). Large JPEGs are decoded at a reduced size.
    static Status loadPictureRgb(const QString& path, uchar* buffer, int width, int height);
    // Top-down B,G,R by the bilinear resampler (the batch converter).
    static Status loadPictureBgr(const QString& path, uchar* buffer, int width, int height);

    // The photo list's thumbnail: 80 x 80 bottom-up RGB compressed at quality 75
    // (so the JPEG is stored upside down).
    static Result<QByteArray> photoThumbnail(const QString& path);
};

} // namespace montora
