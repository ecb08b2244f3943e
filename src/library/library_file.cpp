#include "library/library_file.h"

#include "base/binary_reader.h"
#include "library/library_appender.h"

#include <QFile>
#include <QFileInfo>

#include <optional>

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

LibraryFile::Walk LibraryFile::walk(BinaryReader& reader, LibraryLayout layout, const Visitor& visit)
{
    Walk walk;
    auto count = readCount(reader);
    if (!count) {
        walk.damage = count.status();
        walk.damageOffset = 0;
        return walk;
    }
    walk.count = *count;
    for (int i = 0; i < walk.count; ++i) {
        const qint64 offset = reader.position();
        auto header = readHeader(reader, layout);
        auto goOn = header ? visit(*header, i, walk.count, reader) : Result<bool>(header.status());
        if (!goOn) {
            walk.damage = goOn.status();
            walk.damageIndex = i;
            walk.damageOffset = offset;
            return walk;
        }
        if (!*goOn)
            break;
    }
    return walk;
}

Result<bool> LibraryFile::skipPayload(BinaryReader& reader, const LibraryRecordHeader& header)
{
    MONTORA_TRY(reader.skip(header.payloadSize));
    return true;
}

Result<LibraryRecordHeader> LibraryFile::seekTo(BinaryReader& reader, int index) const
{
    std::optional<LibraryRecordHeader> found;
    const Walk walked = walk(reader, m_layout, [&](const LibraryRecordHeader& header, int i, std::int32_t count,
                                                   BinaryReader& in) -> Result<bool> {
        if (index < 0 || index >= count)
            return false;
        if (i < index)
            return skipPayload(in, header);
        found = header;
        return false;
    });
    if (!walked.damage)
        return walked.damageIndex < 0 ? walked.damage : located(walked);
    if (!found)
        return Result<LibraryRecordHeader>::error(
            QStringLiteral("\"%1\" has no record %2: it holds %3.").arg(m_path).arg(index).arg(walked.count));
    return *found;
}

Result<LibraryRecord> LibraryFile::readPayload(BinaryReader& reader, const LibraryRecordHeader& header)
{
    LibraryRecord record;
    record.width = header.width;
    record.height = header.height;
    record.extra = header.extra;
    MONTORA_TRY_ASSIGN(payload, reader.readBytes(header.payloadSize));
    record.payload = std::move(payload);
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

LibraryFile::Walk LibraryFile::walkWhole(const Visitor& visit) const
{
    QFile file;
    if (Status opened = open(file); !opened) {
        Walk unopened;
        unopened.damage = std::move(opened);
        return unopened;
    }
    BinaryReader reader(file);
    Walk walked = walk(reader, m_layout, visit);
    if (!walked.damage)
        walked.damage = located(walked);
    return walked;
}

LibraryListing LibraryFile::list() const
{
    LibraryListing listing;
    const Walk walked = walkWhole([&](const LibraryRecordHeader& header, int, std::int32_t,
                                      BinaryReader& in) -> Result<bool> {
        MONTORA_TRY(in.skip(header.payloadSize));
        listing.headers.push_back(header);
        return true;
    });
    listing.count = walked.count;
    listing.damage = walked.damage;
    listing.damageOffset = walked.damageOffset;
    return listing;
}

LibraryContents LibraryFile::readAll() const
{
    LibraryContents contents;
    contents.damage = walkWhole([&](const LibraryRecordHeader& header, int, std::int32_t,
                                    BinaryReader& in) -> Result<bool> {
        MONTORA_TRY_ASSIGN(record, readPayload(in, header));
        contents.records.push_back(std::move(record));
        return true;
    }).damage;
    return contents;
}

Result<LibraryRecord> LibraryFile::findByKey(const MaskKey& key) const
{
    QFile file;
    MONTORA_TRY(open(file));
    BinaryReader reader(file);
    std::optional<LibraryRecord> found;
    const Walk walked = walk(reader, m_layout, [&](const LibraryRecordHeader& header, int, std::int32_t,
                                                   BinaryReader& in) -> Result<bool> {
        if (header.key() != key)
            return skipPayload(in, header);
        MONTORA_TRY_ASSIGN(record, readPayload(in, header));
        found = std::move(record);
        return false;
    });
    if (!walked.damage)
        return walked.damageIndex < 0 ? walked.damage : located(walked);
    if (!found)
        return Result<LibraryRecord>::error(
            QStringLiteral("\"%1\" has no mask with the key %2.").arg(m_path, key.toString()));
    return std::move(*found);
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
