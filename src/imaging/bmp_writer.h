#pragma once

#include "base/status.h"
#include "imaging/pixel_rows.h"

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace montora {

// Uncompressed 24-bit BMP with the 40-byte header, rows from the bottom up in
// blue, green, red order, each padded with zeros to four bytes: the file Qt's
// writer makes of a picture without a palette, made in one pass into the file's
// own bytes. Alpha is dropped; the resolution goes along.
class BmpWriter {
public:
    // RGB888, BGR888, RGB32 and ARGB32; others are left to Qt's writer.
    static bool handles(QImage::Format format);
    static Result<QByteArray> encode(const QImage& image);

    // A whole file of that size with its header and row padding written, and the
    // rows of its pixels to be filled in.
    struct Blank {
        QByteArray bytes;
        PixelRows rows;
    };
    static Result<Blank> blank(const QSize& size, const QSize& dotsPerMeter);
};

} // namespace montora
