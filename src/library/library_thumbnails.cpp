#include "library/library_thumbnails.h"

#include "base/binary_reader.h"
#include "library/library_grid_layout.h"
#include "library/thumbnail_library_file.h"

#include <QFile>

namespace montora {

namespace {

Result<LibraryThumbnails::Entry> readEntry(BinaryReader& reader, QSize box, LibraryThumbnails::Records records)
{
    MONTORA_TRY_ASSIGN(header, LibraryFile::readHeader(reader, LibraryLayout::Thumbnail));
    LibraryRecord record;
    record.width = header.width;
    record.height = header.height;
    MONTORA_TRY_ASSIGN(payload, reader.readBytes(header.payloadSize));
    record.payload = std::move(payload);
    MONTORA_TRY_ASSIGN(image, ThumbnailLibraryFile::toImage(record));
    record.payload = QByteArray();
    const QSize size(record.width, record.height);
    const QSize fitted = LibraryGridLayout::fittedRect(size, QRect(QPoint(0, 0), box)).size();
    QImage picture = fitted != size ? image.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation) : image;
    return LibraryThumbnails::Entry{size, picture.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                                    records == LibraryThumbnails::Records::Keep ? image : QImage()};
}

} // namespace

// Record by record, so that only one full-size picture is in memory at a time
// (custom mask thumbnails are whole pictures).
Status LibraryThumbnails::load(const QString& path, QSize box, Records records)
{
    m_entries.clear();
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return Status::error(QStringLiteral("Cannot open \"%1\".").arg(path));
    BinaryReader reader(file);
    MONTORA_TRY_ASSIGN(count, LibraryFile::readCount(reader));
    for (std::int32_t i = 0; i < count; ++i) {
        auto entry = readEntry(reader, box, records);
        if (!entry) // a damaged record ends the list: the ones before it keep their indices
            return Status::error(QStringLiteral("\"%1\" is damaged at record %2: %3").arg(path).arg(i).arg(entry.message()));
        m_entries.push_back(std::move(entry).value());
    }
    return Status::ok();
}

} // namespace montora
