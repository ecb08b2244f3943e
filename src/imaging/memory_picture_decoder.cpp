#include "imaging/memory_picture_decoder.h"

#include "imaging/image_library.h"
#include "imaging/picture_limits.h"

#include <QBuffer>
#include <QImageReader>

namespace montora {

namespace {

Status checkSize(const QSize& size, const QSize& expected, const QString& name)
{
    MONTORA_TRY(PictureLimits::check(size));
    if (expected.isValid() && size != expected)
        return Status::error(QStringLiteral("%1: the picture is %2 x %3 pixels, but its record says %4 x %5.")
                                 .arg(name)
                                 .arg(size.width())
                                 .arg(size.height())
                                 .arg(expected.width())
                                 .arg(expected.height()));
    return Status::ok();
}

} // namespace

Result<QImage> MemoryPictureDecoder::decode(const QByteArray& bytes, const QString& nameForErrors,
                                            const QSize& expectedSize)
{
    if (bytes.isEmpty())
        return Result<QImage>::error(QStringLiteral("%1: the picture is empty.").arg(nameForErrors));
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(false);
    // Qt's readers only get pictures whose header gives a size to check first. What
    // they may allocate is Qt's process-wide limit, which the image library sets to
    // ours; it is never lifted, as a frame header further in than the size Qt
    // checks can still announce a 2 GB picture.
    ImageLibrary::initialise();
    const QSize stored = reader.canRead() ? reader.size() : QSize();
    if (stored.isValid()) {
        MONTORA_TRY(checkSize(stored, expectedSize, nameForErrors));
        QImage image;
        if (reader.read(&image)) {
            MONTORA_TRY(checkSize(image.size(), expectedSize, nameForErrors));
            return image.convertToFormat(QImage::Format_ARGB32);
        }
    }
    MONTORA_TRY_ASSIGN(size, ImageLibrary::ping(bytes, 0, nameForErrors));
    MONTORA_TRY(checkSize(size, expectedSize, nameForErrors));
    MONTORA_TRY_ASSIGN(image, ImageLibrary::decode(bytes, 0, nameForErrors));
    MONTORA_TRY(checkSize(image.size(), expectedSize, nameForErrors));
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace montora
