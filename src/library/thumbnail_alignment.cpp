#include "library/thumbnail_alignment.h"

#include "library/library_appender.h"
#include "library/library_file.h"
#include "library/library_file_encoder.h"
#include "library/picture_library_file.h"
#include "library/resource_pack_builder.h"

#include <QFileInfo>

namespace montora {

namespace {

// A picture that is whole on disk but cannot be decoded still needs its place
// kept: a grey thumbnail of its proportions.
QImage thumbnailOf(const LibraryRecord& record, ResourceKind kind, int index)
{
    auto picture = PictureLibraryFile::decode(record, QStringLiteral("record %1").arg(index + 1));
    if (picture)
        return ResourcePackBuilder::thumbnailFor(kind, *picture);
    QImage grey(QSize(record.width, record.height)
                    .boundedTo(QSize(ResourcePackBuilder::kThumbnailSide, ResourcePackBuilder::kThumbnailSide))
                    .expandedTo(QSize(1, 1)),
                QImage::Format_ARGB32);
    grey.fill(Qt::gray);
    return grey;
}

// As LibraryAppender counts: a file created but cut off before its count holds none.
Result<int> recordsIn(const LibraryFile& file, const QString& path)
{
    if (!file.exists() || QFileInfo(path).size() < 4)
        return 0;
    return file.count();
}

} // namespace

Result<int> ThumbnailAlignment::repair(const QString& picturePath, LibraryLayout pictureLayout,
                                       const QString& thumbnailPath, ResourceKind kind)
{
    const LibraryFile pictures(picturePath, pictureLayout);
    const LibraryFile thumbnails(thumbnailPath, LibraryLayout::Thumbnail);
    MONTORA_TRY_ASSIGN(pictureCount, recordsIn(pictures, picturePath));
    MONTORA_TRY_ASSIGN(thumbnailCount, recordsIn(thumbnails, thumbnailPath));
    if (pictureCount <= thumbnailCount)
        return 0;
    LibraryAppender appender(thumbnailPath, LibraryLayout::Thumbnail);
    MONTORA_TRY(appender.begin());
    for (int index = thumbnailCount; index < pictureCount; ++index) {
        MONTORA_TRY_ASSIGN(record, pictures.record(index));
        MONTORA_TRY(appender.add(LibraryFileEncoder::thumbnailRecord(thumbnailOf(record, kind, index))));
    }
    MONTORA_TRY(appender.commit());
    return pictureCount - thumbnailCount;
}

} // namespace montora
