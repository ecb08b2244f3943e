#include "library/resource_pack.h"

#include "base/binary_writer.h"
#include "library/library_file_encoder.h"
#include "library/library_files.h"

#include <QStringList>

namespace montora {

namespace {

const QStringList& kindNames()
{
    static const QStringList names = {QStringLiteral("frame"), QStringLiteral("mask"), QStringLiteral("clipart"),
                                      QStringLiteral("decoration"), QStringLiteral("brush")};
    return names;
}

} // namespace

QString ResourcePack::kindName(ResourceKind kind) { return kindNames().value(int(kind)); }

std::optional<ResourceKind> ResourcePack::kindFromName(const QString& name)
{
    const int index = kindNames().indexOf(name);
    if (index < 0)
        return std::nullopt;
    return ResourceKind(index);
}

QString ResourcePack::thumbnailFile(ResourceKind kind)
{
    switch (kind) {
    case ResourceKind::Frames:
        return LibraryFiles::kFrameThumbnails;
    case ResourceKind::Masks:
        return LibraryFiles::kMaskThumbnails;
    case ResourceKind::Cliparts:
        return LibraryFiles::kClipart;
    case ResourceKind::Decorations:
        return LibraryFiles::kDecorationThumbnails;
    case ResourceKind::Brushes:
        return LibraryFiles::kBrushes;
    }
    return QString();
}

std::optional<QString> ResourcePack::pictureFile(ResourceKind kind)
{
    switch (kind) {
    case ResourceKind::Frames:
        return LibraryFiles::kFrames;
    case ResourceKind::Masks:
        return LibraryFiles::kMasks;
    case ResourceKind::Decorations:
        return LibraryFiles::kDecorations;
    default:
        return std::nullopt;
    }
}

LibraryLayout ResourcePack::pictureLayout(ResourceKind kind)
{
    if (kind == ResourceKind::Frames)
        return LibraryLayout::PictureWithInsets;
    if (kind == ResourceKind::Masks)
        return LibraryLayout::PictureWithKey;
    return LibraryLayout::Picture;
}

QByteArray ResourcePack::encodeHeader(ResourceKind kind, std::int32_t count)
{
    QByteArray bytes;
    BinaryWriter writer(bytes);
    writer.writeI32(std::int32_t(kind));
    writer.writeI32(count);
    return bytes;
}

QByteArray ResourcePack::encodeRecord(ResourceKind kind, const ResourcePackRecord& record)
{
    QByteArray bytes = LibraryFileEncoder::record(LibraryLayout::Thumbnail, record.thumbnail);
    bytes += LibraryFileEncoder::record(
        packCarriesInsets(kind) ? LibraryLayout::PictureWithInsets : LibraryLayout::Picture, record.picture);
    return bytes;
}

} // namespace montora
