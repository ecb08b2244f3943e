#include "app/imported_photo.h"

#include "imaging/jpeg_completeness.h"
#include "imaging/picture_buffers.h"
#include "imaging/picture_decoder.h"

#include <algorithm>

namespace montora {

bool ImportedPhoto::isAlreadyIn(const std::vector<PhotoListEntry>& entries, const QString& path)
{
    return std::any_of(entries.begin(), entries.end(), [&path](const PhotoListEntry& entry) {
        return !entry.record.isRemoved() && entry.record.path() == path;
    });
}

Result<PhotoListEntry> ImportedPhoto::prepare(const QString& path, QSize minimum)
{
    MONTORA_TRY_ASSIGN(record, PhotoListRecord::forPath(path));
    MONTORA_TRY_ASSIGN(size, PictureDecoder::size(path));
    if (size.width() <= minimum.width() || size.height() <= minimum.height())
        return Result<PhotoListEntry>::error(QStringLiteral("\"%1\" is only %2 x %3 pixels.")
                                                 .arg(path)
                                                 .arg(size.width())
                                                 .arg(size.height()));
    // A picture whose header reads but whose pixels do not could never go on the
    // canvas either: it is dropped like any unreadable file.
    MONTORA_TRY_ASSIGN(thumbnail, PictureBuffers::photoThumbnail(path));
    record.width = size.width();
    record.height = size.height();
    PhotoListEntry entry{record, std::move(thumbnail)};
    entry.partial = JpegCompleteness::isCutFile(path);
    return entry;
}

} // namespace montora
