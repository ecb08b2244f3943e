#include "library/resource_pack_builder.h"

#include "base/atomic_file.h"
#include "imaging/image_encoder.h"
#include "imaging/picture_decoder.h"
#include "imaging/resampler.h"
#include "library/library_file_encoder.h"

#include <limits>

namespace montora {

QImage ResourcePackBuilder::thumbnailFor(ResourceKind kind, const QImage& picture)
{
    if (kind == ResourceKind::Cliparts || kind == ResourceKind::Brushes)
        return picture;
    const QSize size = Resampler::fitSize(picture.width(), picture.height(), kThumbnailSide, kThumbnailSide);
    if (size == picture.size())
        return picture;
    return picture.scaled(size.expandedTo(QSize(1, 1)), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

Result<ResourcePackRecord> ResourcePackBuilder::recordFor(ResourceKind kind, const QImage& picture,
                                                          std::optional<FrameInsets> insets)
{
    if (picture.isNull())
        return Result<ResourcePackRecord>::error(QStringLiteral("The picture is empty."));
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    ResourcePackRecord record;
    record.thumbnail = LibraryFileEncoder::thumbnailRecord(thumbnailFor(kind, argb));
    record.picture.width = argb.width();
    record.picture.height = argb.height();
    ImageEncoder png(QStringLiteral("png"));
    MONTORA_TRY_ASSIGN(payload, png.encode(argb));
    record.picture.payload = std::move(payload);
    if (kind == ResourceKind::Frames) {
        if (!insets) {
            MONTORA_TRY_ASSIGN(opening, FrameInsets::fromTransparentOpening(argb));
            insets = opening;
        }
        MONTORA_TRY(insets->check());
        record.picture.setInsets(*insets);
    }
    return record;
}

Result<QByteArray> ResourcePackBuilder::encode(ResourceKind kind, const QStringList& picturePaths,
                                               std::optional<FrameInsets> insets)
{
    if (picturePaths.isEmpty())
        return Result<QByteArray>::error(QStringLiteral("A pack needs at least one picture."));
    QByteArray bytes = ResourcePack::encodeHeader(kind, std::int32_t(picturePaths.size()));
    for (const QString& path : picturePaths) {
        auto decoded = PictureDecoder::decode(path);
        if (!decoded)
            return Result<QByteArray>::error(QStringLiteral("%1: %2").arg(path, decoded.message()));
        auto record = recordFor(kind, decoded->image, insets);
        if (!record)
            return Result<QByteArray>::error(QStringLiteral("%1: %2").arg(path, record.message()));
        bytes += ResourcePack::encodeRecord(kind, *record);
        if (bytes.size() > std::numeric_limits<std::int32_t>::max())
            return Result<QByteArray>::error(QStringLiteral("The pack would exceed 2 GB."));
    }
    return bytes;
}

Status ResourcePackBuilder::build(ResourceKind kind, const QStringList& picturePaths,
                                  std::optional<FrameInsets> insets, const QString& outPath)
{
    MONTORA_TRY_ASSIGN(bytes, encode(kind, picturePaths, insets));
    return AtomicFile::write(outPath, bytes);
}

} // namespace montora
