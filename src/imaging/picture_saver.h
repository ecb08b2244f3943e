#pragma once

#include "base/status.h"

#include <QImage>
#include <QString>

namespace montora {

// Saving a picture by its file's extension: JPEG, GIF, BMP and PNG through the
// encoders (JPEG quality 90); TIFF (LZW) by our own writer; PCX, PNM (pnm, ppm, pgm)
// and TGA through the image library. The old file is replaced only once the new one
// is complete.
class PictureSaver {
public:
    static Status saveByExtension(const QImage& image, const QString& path);
    // The bytes saveByExtension() would write to `path`, without touching any file.
    static Result<QByteArray> encodeByExtension(const QImage& image, const QString& path);
    static bool canSave(const QString& path);
    static QStringList writableExtensions();
};

} // namespace montora
