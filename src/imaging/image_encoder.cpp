#include "imaging/image_encoder.h"

#include "base/atomic_file.h"
#include "imaging/image_library.h"
#include "imaging/png_writer.h"
#include "imaging/tiff_writer.h"

#include <QBuffer>
#include <QImageWriter>

namespace montora {

namespace {

struct EncoderEntry {
    const char* mimeType;
    const char* extensions;
};

// The encoders in the order the platform listed them.
constexpr EncoderEntry kEncoders[] = {
    {"image/bmp", "*.bmp;*.dib;*.rle"},
    {"image/jpeg", "*.jpg;*.jpeg;*.jpe;*.jfif"},
    {"image/gif", "*.gif"},
    {"image/tiff", "*.tif;*.tiff"},
    {"image/png", "*.png"},
};

QString encoderKey(const QString& key)
{
    QString lower = key.toLower();
    const int dot = lower.lastIndexOf('.');
    if (dot >= 0)
        lower = '*' + lower.mid(dot);
    return lower;
}

QByteArray writeWithQt(const QImage& image, const char* format, int quality, int compression)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (quality >= 0)
        writer.setQuality(quality);
    if (compression >= 0)
        writer.setCompression(compression);
    if (!writer.write(image))
        return QByteArray();
    return bytes;
}

} // namespace

ImageEncoder::ImageEncoder(const QString& key)
{
    const QString wanted = encoderKey(key);
    for (const EncoderEntry& entry : kEncoders) {
        if (wanted == QLatin1String(entry.mimeType) || QString::fromLatin1(entry.extensions).contains(wanted)) {
            m_found = true;
            m_mimeType = QString::fromLatin1(entry.mimeType);
            return;
        }
    }
}

QByteArray ImageEncoder::encode(const QImage& image)
{
    if (m_mimeType == QLatin1String("image/jpeg"))
        return writeWithQt(image.convertToFormat(QImage::Format_RGB32), "jpeg", m_quality, -1);
    if (m_mimeType == QLatin1String("image/tiff"))
        return keepError(TiffWriter::encode(image));
    if (m_mimeType == QLatin1String("image/png"))
        return PngWriter::handles(image.format()) ? keepError(PngWriter::encode(image))
                                                  : writeWithQt(image, "png", -1, -1);
    if (m_mimeType == QLatin1String("image/bmp"))
        return writeWithQt(image, "bmp", -1, -1);
    if (m_mimeType == QLatin1String("image/gif"))
        return encodeWithImageLibrary(image, "GIF");
    return QByteArray();
}

QByteArray ImageEncoder::encodeWithImageLibrary(const QImage& image, const char* format)
{
    return keepError(ImageLibrary::encodeAs(image, format));
}

QByteArray ImageEncoder::keepError(const Result<QByteArray>& bytes)
{
    if (!bytes)
        m_lastError = bytes.message();
    return bytes.valueOr(QByteArray());
}

int ImageEncoder::save(const QImage& image, const QString& path)
{
    m_lastError.clear();
    if (!m_found) {
        m_lastError = QStringLiteral("No encoder writes \"%1\".").arg(path);
        return kNoEncoder;
    }
    const QByteArray bytes = image.isNull() ? QByteArray() : encode(image);
    if (bytes.isEmpty()) {
        if (m_lastError.isEmpty())
            m_lastError = QStringLiteral("The picture could not be encoded as %1.").arg(m_mimeType);
        return kWriteFailed;
    }
    const Status written = AtomicFile::write(path, bytes);
    if (!written) {
        m_lastError = written.message();
        return kWriteFailed;
    }
    return kOk;
}

} // namespace montora
