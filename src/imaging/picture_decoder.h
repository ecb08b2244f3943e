#pragma once

#include "base/status.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace montora {

enum class DecodePath { Qt, ImageLibrary };

struct DecodedPicture {
    QImage image;        // ARGB32, RGB32 or another Qt format; upright (EXIF orientation applied)
    DecodePath path = DecodePath::Qt;
    QSize fullSize;      // the picture's upright size before any reduced decoding
};

// Opens a picture file the way the whole program does: Qt's readers first, the
// image library when Qt cannot make sense of the file, and always the image
// library for WMF and EMF. Sizes and pixels honour the EXIF orientation, and
// pictures over the limits are refused from their header.
class PictureDecoder {
public:
    static Result<DecodedPicture> decode(const QString& path);
    // Decodes a JPEG at a reduced size (DCT scaling) when the result still covers
    // `atLeast` (upright) in both directions; other formats decode in full.
    static Result<DecodedPicture> decodeReduced(const QString& path, const QSize& atLeast);
    // Header only.
    static Result<QSize> size(const QString& path);
    static Result<DecodePath> pathFor(const QString& path);
    // A JPEG whose compressed data never reaches its end marker: a file cut short
    // by a broken copy or download. Qt decodes the part that is there and greys
    // the rest, so only this tells such a file from a whole one.
    static bool isCutShort(const QString& path);

    static QString pathName(DecodePath path) { return path == DecodePath::Qt ? "qt" : "image-library"; }

private:
    static Result<DecodedPicture> decodeWith(const QString& path, const QSize& atLeast);
};

} // namespace montora
