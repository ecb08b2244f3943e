#pragma once

#include "base/status.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace montora {

// Decodes a picture file held in memory (the encoded pictures inside library
// files and resource packs) to ARGB32, as stored: no EXIF orientation is applied,
// so the size is the one the file's header gives. Qt's readers first, the image
// library for anything they cannot read. Pictures over the limits, or not of the
// expected size when one is given, are refused from the header before decoding.
class MemoryPictureDecoder {
public:
    static Result<QImage> decode(const QByteArray& bytes, const QString& nameForErrors,
                                 const QSize& expectedSize = QSize());
};

} // namespace montora
