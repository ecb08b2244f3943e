#pragma once

#include "base/status.h"

#include <QImage>
#include <QString>

namespace montora {

// An encoder chosen by a file path, a file name or a MIME type, as the picture
// writers of the platform were chosen: the first whose MIME type equals the key or
// whose extension list contains "*.<ext>" of the key.
class ImageEncoder {
public:
    explicit ImageEncoder(const QString& key);

    bool found() const { return m_found; }
    const QString& mimeType() const { return m_mimeType; }
    int quality() const { return m_quality; }
    void setQuality(int quality) { m_quality = quality; }

    // Encodes the picture and replaces the file at `path` through a temporary file,
    // so a failed save (no encoder, a picture that cannot be encoded, a full disk)
    // keeps the old file and says why.
    Status save(const QImage& image, const QString& path) const;

    // The encoded bytes, without touching any file.
    Result<QByteArray> encode(const QImage& image) const;

private:
    bool m_found = false;
    QString m_mimeType;
    int m_quality = 90;
};

} // namespace montora
