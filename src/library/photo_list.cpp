#include "library/photo_list.h"

#include "base/atomic_file.h"
#include "base/binary_reader.h"
#include "base/binary_writer.h"
#include "base/posix_file.h"
#include "library/library_files.h"
#include "library/mask_library.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>

namespace montora {

namespace {

// Reads the records, then their thumbnails; stops at the first damage. Only
// entries whose record and thumbnail are both complete end up in `entries`.
Status readEntries(BinaryReader& reader, std::vector<PhotoListEntry>& entries)
{
    MONTORA_TRY_ASSIGN(count, reader.readI32());
    if (count < 0)
        return Status::error(QStringLiteral("The photo count %1 is negative.").arg(count));
    std::vector<PhotoListRecord> records;
    Status damage;
    for (std::int32_t i = 0; i < count && damage; ++i) {
        PhotoListRecord record;
        damage = reader.readRecord(record);
        if (damage) {
            record.position = std::int32_t(records.size());
            record.state = 0;
            records.push_back(record);
        }
    }
    for (std::size_t i = 0; i < records.size() && damage; ++i) {
        auto length = reader.readI32();
        if (!length) {
            damage = length.status();
        } else if (*length < 0) {
            damage = Status::error(QStringLiteral("Thumbnail %1 has a negative length.").arg(i));
        } else {
            auto jpeg = reader.readBytes(*length);
            if (jpeg)
                entries.push_back(PhotoListEntry{records[i], std::move(jpeg).value()});
            else
                damage = jpeg.status();
        }
    }
    return damage;
}

} // namespace

PhotoList::LoadResult PhotoList::load(const QString& folder)
{
    m_entries.clear();
    if (folder.isEmpty())
        return {LoadState::Unreadable, QStringLiteral("There is no data folder.")};
    const QString path = QDir(folder).filePath(LibraryFiles::kPhotoList);
    const QString aside = path + kDamagedSuffix;
    if (QFileInfo::exists(path))
        return loadFile(path, aside);
    if (!QFileInfo::exists(aside))
        return {LoadState::Missing, QStringLiteral("\"%1\" does not exist.").arg(path)};
    // Set aside by an earlier load and not saved again since (a full disk, say):
    // its complete entries are still the library.
    LoadResult result = loadFile(aside, QString());
    if (result.state == LoadState::Damaged)
        result.message = QStringLiteral("\"%1\" is missing; the %2 complete entries of its damaged copy \"%3\" are "
                                        "used until the list is saved again.")
                             .arg(path)
                             .arg(m_entries.size())
                             .arg(aside);
    return result;
}

PhotoList::LoadResult PhotoList::loadFile(const QString& path, const QString& aside)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {LoadState::Unreadable, QStringLiteral("Cannot open \"%1\": %2").arg(path, file.errorString())};
    BinaryReader reader(file);
    const Status read = readEntries(reader, m_entries);
    file.close();
    if (read && aside.isEmpty()) // a damaged copy that reads whole is still a copy
        return {LoadState::Damaged, QString()};
    if (read)
        return {LoadState::Loaded, QString()};
    if (aside.isEmpty())
        return {LoadState::Damaged, read.message()};
    // Nothing is deleted by a read: the file moves aside (one copy, the newest)
    // and the next save writes the complete entries back.
    QString kept = QStringLiteral("the file was kept as \"%1\"").arg(aside);
    if (::rename(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData()) != 0)
        kept = QStringLiteral("the file could not be set aside (%1) and stays as it is")
                   .arg(PosixFile::reason(errno));
    return {LoadState::Damaged, QStringLiteral("\"%1\" is damaged (%2); its %3 complete entries are used, %4, and "
                                               "the list is written again from them at the next save.")
                                    .arg(path, read.message())
                                    .arg(m_entries.size())
                                    .arg(kept)};
}

QByteArray PhotoList::encode() const
{
    QByteArray bytes;
    BinaryWriter writer(bytes);
    std::int32_t kept = 0;
    for (const PhotoListEntry& entry : m_entries)
        kept += entry.record.isRemoved() ? 0 : 1;
    writer.writeI32(kept);
    for (const PhotoListEntry& entry : m_entries)
        if (!entry.record.isRemoved())
            writer.writeRecord(entry.record);
    // Every kept record gets its thumbnail slot, an empty one when it has none, so
    // that the thumbnails stay in step with the records when read back.
    for (const PhotoListEntry& entry : m_entries) {
        if (entry.record.isRemoved())
            continue;
        writer.writeI32(std::int32_t(entry.thumbnail.size()));
        writer.writeBytes(entry.thumbnail);
    }
    return bytes;
}

Status PhotoList::save(const QString& folder) const
{
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return Status::error(QStringLiteral("Cannot create the folder \"%1\".").arg(folder));
    // A failed rebuild keeps the old copy, which is still the best source of the
    // custom masks; it does not stop the photo list from being saved.
    (void)MaskLibrary(folder).refreshCustomCopy();
    return AtomicFile::write(QDir(folder).filePath(LibraryFiles::kPhotoList), encode());
}

} // namespace montora
