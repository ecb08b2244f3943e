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
    static constexpr int kOk = 0;
    static constexpr int kNoEncoder = 1;
    static constexpr int kWriteFailed = 7;

    explicit ImageEncoder(const QString& key);

    bool found() const { return m_found; }
    const QString& mimeType() const { return m_mimeType; }
    int quality() const { return m_quality; }
    void setQuality(int quality) { m_quality = quality; }

    // Encodes the picture and replaces the file at `path` through a temporary file,
    // so a failed save keeps the old file. Returns kOk, kNoEncoder (nothing written)
    // or kWriteFailed; lastError() says why.
    int save(const QImage& image, const QString& path);
    const QString& lastError() const { return m_lastError; }

    // The encoded bytes, without touching any file.
    QByteArray encode(const QImage& image);

private:
    QByteArray encodeWithImageLibrary(const QImage& image, const char* format);
    QByteArray keepError(const Result<QByteArray>& bytes);

    bool m_found = false;
    QString m_mimeType;
    int m_quality = 90;
    QString m_lastError;
};

} // namespace montora
