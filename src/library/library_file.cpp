#include "library/library_file.h"

#include "base/binary_reader.h"
#include "library/library_appender.h"

#include <QFile>
#include <QFileInfo>

namespace montora {

LibraryFile::LibraryFile(QString path, LibraryLayout layout) : m_path(std::move(path)), m_layout(layout) {}

bool LibraryFile::exists() const { return QFileInfo(m_path).isFile(); }

Status LibraryFile::open(QFile& file) const
{
    file.setFileName(m_path);
    if (!QFileInfo::exists(m_path))
        return Status::error(QStringLiteral("\"%1\" does not exist.").arg(m_path));
    if (!file.open(QIODevice::ReadOnly))
        return Status::error(QStringLiteral("Cannot open \"%1\": %2").arg(m_path, file.errorString()));
    return Status::ok();
}

Status LibraryFile::located(const Status& status, int index, qint64 offset) const
{
    return Status::error(QStringLiteral("\"%1\" is damaged at record %2 (offset %3): %4")
                             .arg(m_path)
                             .arg(index)
                             .arg(offset)
                             .arg(status.message()));
}

Result<std::int32_t> LibraryFile::readCount(BinaryReader& reader)
{
    MONTORA_TRY_ASSIGN(count, reader.readI32());
    if (count < 0)
        return Result<std::int32_t>::error(QStringLiteral("The record count %1 is negative.").arg(count));
    return count;
}

Result<LibraryRecordHeader> LibraryFile::readHeader(BinaryReader& reader, LibraryLayout layout)
{
    LibraryRecordHeader header;
    header.offset = reader.position();
    if (layout == LibraryLayout::Thumbnail) {
        ThumbnailRecordHeader raw;
        MONTORA_TRY(reader.readRecord(raw));
        header.width = raw.width;
        header.height = raw.height;
    } else {
        PictureRecordHeaderWithExtra raw{};
        MONTORA_TRY(reader.readInto(&raw, hasExtraField(layout) ? sizeof raw : sizeof(PictureRecordHeader)));
        header.width = raw.width;
        header.height = raw.height;
        header.length = raw.length;
        std::copy(std::begin(raw.extra), std::end(raw.extra), header.extra.begin());
    }
    if (header.width < 0 || header.height < 0)
        return Result<LibraryRecordHeader>::error(
            QStringLiteral("The picture size %1 x %2 is negative.").arg(header.width).arg(header.height));
    if (layout == LibraryLayout::Thumbnail) {
        // 64-bit arithmetic: a size that cannot fit in the file is corruption.
        MONTORA_TRY(reader.checkFits(qint64(header.width) * header.height, 4, "pixels"));
        header.payloadSize = qint64(header.width) * header.height * 4;
    } else {
        if (header.length < 0)
            return Result<LibraryRecordHeader>::error(
                QStringLiteral("The picture length %1 is negative.").arg(header.length));
        MONTORA_TRY(reader.checkFits(header.length, 1, "picture bytes"));
        header.payloadSize = header.length;
    }
    return header;
}

Result<LibraryRecordHeader> LibraryFile::seekTo(BinaryReader& reader, int index) const
{
    MONTORA_TRY_ASSIGN(count, readCount(reader));
    if (index < 0 || index >= count)
        return Result<LibraryRecordHeader>::error(
            QStringLiteral("\"%1\" has no record %2: it holds %3.").arg(m_path).arg(index).arg(count));
    for (int i = 0;; ++i) {
        const qint64 offset = reader.position();
        auto header = readHeader(reader, m_layout);
        if (!header)
            return located(header.status(), i, offset);
        if (i == index)
            return header;
        const Status skipped = reader.skip(header->payloadSize);
        if (!skipped)
            return located(skipped, i, offset);
    }
}

Result<LibraryRecord> LibraryFile::readPayload(BinaryReader& reader, const LibraryRecordHeader& header) const
{
    LibraryRecord record;
    record.width = header.width;
    record.height = header.height;
    record.extra = header.extra;
    auto payload = reader.readBytes(header.payloadSize);
    if (!payload)
        return Result<LibraryRecord>(Status::error(payload.message()));
    record.payload = std::move(payload).value();
    return record;
}

Result<int> LibraryFile::count() const
{
    QFile file;
    MONTORA_TRY(open(file));
    BinaryReader reader(file);
    MONTORA_TRY_ASSIGN(count, readCount(reader));
    return int(count);
}

Result<LibraryRecordHeader> LibraryFile::header(int index) const
{
    QFile file;
    MONTORA_TRY(open(file));
    BinaryReader reader(file);
    return seekTo(reader, index);
}

Result<LibraryRecord> LibraryFile::record(int index) const
{
    QFile file;
    MONTORA_TRY(open(file));
    BinaryReader reader(file);
    MONTORA_TRY_ASSIGN(header, seekTo(reader, index));
    auto record = readPayload(reader, header);
    if (!record)
        return located(record.status(), index, header.offset);
    return record;
}

LibraryListing LibraryFile::list() const
{
    LibraryListing listing;
    QFile file;
    listing.damage = open(file);
    if (!listing.damage)
        return listing;
    BinaryReader reader(file);
    auto count = readCount(reader);
    if (!count) {
        listing.damageOffset = 0;
        listing.damage = located(count.status(), -1, 0);
        return listing;
    }
    listing.count = *count;
    for (int i = 0; i < listing.count; ++i) {
        const qint64 offset = reader.position();
        auto header = readHeader(reader, m_layout);
        Status status = header ? reader.skip(header->payloadSize) : header.status();
        if (!status) {
            listing.damageOffset = offset;
            listing.damage = located(status, i, offset);
            break;
        }
        listing.headers.push_back(*header);
    }
    return listing;
}

LibraryContents LibraryFile::readAll() const
{
    LibraryContents contents;
    QFile file;
    contents.damage = open(file);
    if (!contents.damage)
        return contents;
    BinaryReader reader(file);
    auto count = readCount(reader);
    if (!count) {
        contents.damage = located(count.status(), -1, 0);
        return contents;
    }
    for (int i = 0; i < *count; ++i) {
        const qint64 offset = reader.position();
        auto header = readHeader(reader, m_layout);
        auto record = header ? readPayload(reader, *header) : Result<LibraryRecord>(header.status());
        if (!record) {
            contents.damage = located(record.status(), i, offset);
            break;
        }
        contents.records.push_back(std::move(record).value());
    }
    return contents;
}

Result<LibraryRecord> LibraryFile::findByKey(const MaskKey& key) const
{
    QFile file;
    MONTORA_TRY(open(file));
    BinaryReader reader(file);
    MONTORA_TRY_ASSIGN(count, readCount(reader));
    for (int i = 0; i < count; ++i) {
        const qint64 offset = reader.position();
        auto header = readHeader(reader, m_layout);
        if (!header)
            return located(header.status(), i, offset);
        if (header->key() == key) {
            auto record = readPayload(reader, *header);
            if (!record)
                return located(record.status(), i, offset);
            return record;
        }
        const Status skipped = reader.skip(header->payloadSize);
        if (!skipped)
            return located(skipped, i, offset);
    }
    return Result<LibraryRecord>::error(
        QStringLiteral("\"%1\" has no mask with the key %2.").arg(m_path, key.toString()));
}

Status LibraryFile::append(const std::vector<LibraryRecord>& records) const
{
    LibraryAppender appender(m_path, m_layout);
    MONTORA_TRY(appender.begin());
    for (const LibraryRecord& record : records)
        MONTORA_TRY(appender.add(record));
    return appender.commit();
}

} // namespace montora
