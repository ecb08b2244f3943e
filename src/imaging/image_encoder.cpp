#include "imaging/image_encoder.h"

#include "base/atomic_file.h"
#include "imaging/bmp_writer.h"
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

Result<QByteArray> writeWithQt(const QImage& image, const char* format, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return Result<QByteArray>::error(QStringLiteral("Cannot open a memory buffer."));
    QImageWriter writer(&buffer, format);
    if (quality >= 0)
        writer.setQuality(quality);
    if (!writer.write(image))
        return Result<QByteArray>::error(QStringLiteral("The picture could not be encoded as %1: %2")
                                             .arg(QString::fromLatin1(format), writer.errorString()));
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

Result<QByteArray> ImageEncoder::encode(const QImage& image) const
{
    if (!m_found)
        return Result<QByteArray>::error(QStringLiteral("No encoder is chosen."));
    if (image.isNull())
        return Result<QByteArray>::error(QStringLiteral("The picture is empty."));
    if (m_mimeType == QLatin1String("image/jpeg"))
        return writeWithQt(image.convertToFormat(QImage::Format_RGB32), "jpeg", m_quality);
    if (m_mimeType == QLatin1String("image/tiff"))
        return TiffWriter::encode(image);
    if (m_mimeType == QLatin1String("image/png"))
        return PngWriter::handles(image.format()) ? PngWriter::encode(image) : writeWithQt(image, "png", -1);
    if (m_mimeType == QLatin1String("image/bmp"))
        return BmpWriter::handles(image.format()) ? BmpWriter::encode(image) : writeWithQt(image, "bmp", -1);
    return ImageLibrary::encodeAs(image, "GIF");
}

Status ImageEncoder::save(const QImage& image, const QString& path) const
{
    if (!m_found)
        return Status::error(QStringLiteral("No encoder writes \"%1\".").arg(path));
    MONTORA_TRY_ASSIGN(bytes, encode(image));
    return AtomicFile::write(path, bytes);
}

} // namespace montora
