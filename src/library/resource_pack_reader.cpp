#include "library/resource_pack_reader.h"

#include "library/library_file.h"

namespace montora {

Status ResourcePackReader::open(const QString& path)
{
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly))
        return Status::error(QStringLiteral("Cannot open \"%1\": %2").arg(path, m_file.errorString()));
    m_reader = std::make_unique<BinaryReader>(m_file);
    ResourcePackHeader header;
    const Status read = m_reader->readRecord(header);
    if (!read)
        return Status::error(QStringLiteral("\"%1\" is not a resource pack: %2").arg(path, read.message()));
    if (!ResourcePack::isValidKind(header.kind))
        return Status::error(QStringLiteral("\"%1\" holds resources of an unknown kind %2.").arg(path).arg(header.kind));
    if (header.count < 0)
        return Status::error(QStringLiteral("\"%1\" states a negative record count.").arg(path));
    m_kind = ResourceKind(header.kind);
    m_count = header.count;
    m_read = 0;
    return Status::ok();
}

Result<ResourcePackRecord> ResourcePackReader::next(Picture picture)
{
    if (atEnd())
        return Result<ResourcePackRecord>::error(QStringLiteral("The pack holds no more records."));
    const qint64 offset = m_reader->position();
    auto fail = [&](const Status& status) {
        return Result<ResourcePackRecord>::error(
            QStringLiteral("The pack is damaged at record %1 (offset %2): %3").arg(m_read).arg(offset).arg(status.message()));
    };
    ResourcePackRecord record;
    auto thumbnail = LibraryFile::readHeader(*m_reader, LibraryLayout::Thumbnail);
    if (!thumbnail)
        return fail(thumbnail.status());
    auto pixels = m_reader->readBytes(thumbnail->payloadSize);
    if (!pixels)
        return fail(pixels.status());
    record.thumbnail = LibraryRecord{thumbnail->width, thumbnail->height, {}, std::move(pixels).value()};

    const LibraryLayout layout =
        ResourcePack::packCarriesInsets(m_kind) ? LibraryLayout::PictureWithInsets : LibraryLayout::Picture;
    auto header = LibraryFile::readHeader(*m_reader, layout);
    if (!header)
        return fail(header.status());
    record.picture = LibraryRecord{header->width, header->height, header->extra, QByteArray()};
    if (picture == Picture::Skip) {
        if (const Status skipped = m_reader->skip(header->payloadSize); !skipped)
            return fail(skipped);
    } else {
        auto bytes = m_reader->readBytes(header->payloadSize);
        if (!bytes)
            return fail(bytes.status());
        record.picture.payload = std::move(bytes).value();
    }
    ++m_read;
    return record;
}

} // namespace montora
