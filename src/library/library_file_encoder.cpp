#include "library/library_file_encoder.h"

#include "base/binary_writer.h"

#include <QImage>

#include <cstring>

namespace montora {

QByteArray LibraryFileEncoder::record(LibraryLayout layout, const LibraryRecord& record)
{
    QByteArray bytes;
    BinaryWriter writer(bytes);
    writer.writeI32(record.width);
    writer.writeI32(record.height);
    if (layout != LibraryLayout::Thumbnail)
        writer.writeI32(std::int32_t(record.payload.size()));
    if (hasExtraField(layout))
        writer.writeRaw(record.extra.data(), qint64(record.extra.size()));
    writer.writeBytes(record.payload);
    return bytes;
}

QByteArray LibraryFileEncoder::file(LibraryLayout layout, const std::vector<LibraryRecord>& records)
{
    QByteArray bytes;
    BinaryWriter writer(bytes);
    writer.writeI32(std::int32_t(records.size()));
    for (const LibraryRecord& r : records)
        bytes.append(record(layout, r));
    return bytes;
}

LibraryRecord LibraryFileEncoder::thumbnailRecord(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    LibraryRecord record;
    record.width = argb.width();
    record.height = argb.height();
    const qsizetype rowBytes = qsizetype(argb.width()) * 4;
    record.payload.resize(rowBytes * argb.height());
    for (int y = 0; y < argb.height(); ++y)
        std::memcpy(record.payload.data() + rowBytes * y, argb.constScanLine(y), size_t(rowBytes));
    return record;
}

} // namespace montora
