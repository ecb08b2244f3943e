#include "library/thumbnail_library_file.h"

#include "imaging/picture_limits.h"
#include "imaging/tint_picture.h"
#include "library/library_file_encoder.h"

#include <cstring>

namespace montora {

Result<QImage> ThumbnailLibraryFile::image(int index, std::optional<std::uint32_t> tint) const
{
    MONTORA_TRY_ASSIGN(record, this->record(index));
    return toImage(record, tint);
}

Result<QImage> ThumbnailLibraryFile::toImage(const LibraryRecord& record, std::optional<std::uint32_t> tint)
{
    const QSize size(record.width, record.height);
    MONTORA_TRY(PictureLimits::check(size));
    const qint64 rowBytes = qint64(record.width) * 4;
    if (record.payload.size() != rowBytes * record.height)
        return Result<QImage>::error(QStringLiteral("The record holds %1 bytes of pixels for %2 x %3 pixels.")
                                         .arg(record.payload.size())
                                         .arg(record.width)
                                         .arg(record.height));
    QImage image(size, QImage::Format_ARGB32);
    if (image.isNull())
        return Result<QImage>::error(QStringLiteral("Out of memory for a %1 x %2 picture.")
                                         .arg(record.width)
                                         .arg(record.height));
    for (int y = 0; y < record.height; ++y)
        std::memcpy(image.scanLine(y), record.payload.constData() + rowBytes * y, size_t(rowBytes));
    if (tint)
        image = TintPicture::applied(image, *tint);
    return image;
}

LibraryRecord ThumbnailLibraryFile::fromImage(const QImage& image) { return LibraryFileEncoder::thumbnailRecord(image); }

} // namespace montora
