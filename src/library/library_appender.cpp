#include "library/library_appender.h"

#include "base/binary_reader.h"
#include "base/binary_writer.h"
#include "library/library_file.h"
#include "library/library_file_encoder.h"

#include <QFile>
#include <QFileInfo>

namespace montora {

LibraryAppender::LibraryAppender(QString path, LibraryLayout layout) : m_path(std::move(path)), m_layout(layout) {}

LibraryAppender::~LibraryAppender() { rollback(); }

Status LibraryAppender::failed(Status why)
{
    rollback();
    return why;
}

Status LibraryAppender::writeCount(std::int32_t count)
{
    QByteArray bytes;
    BinaryWriter(bytes).writeI32(count);
    return m_file.writeAt(0, bytes);
}

Status LibraryAppender::walkExisting()
{
    QFile file;
    if (!file.open(m_file.descriptor(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        return Status::error(QStringLiteral("Cannot read \"%1\": %2").arg(m_path, file.errorString()));
    if (file.size() < 4) { // created but never given its count: as good as empty
        m_count = 0;
        m_end = 0;
        return Status::ok();
    }
    BinaryReader reader(file);
    const LibraryFile::Walk walked = LibraryFile::walk(
        reader, m_layout, [](const LibraryRecordHeader& header, int, std::int32_t, BinaryReader& in) {
            return LibraryFile::skipPayload(in, header);
        });
    if (!walked.damage && walked.damageIndex < 0)
        return Status::error(
            QStringLiteral("\"%1\" is damaged (%2); nothing was added.").arg(m_path, walked.damage.message()));
    if (!walked.damage)
        return Status::error(QStringLiteral("\"%1\" is damaged at record %2 (%3); nothing was added.")
                                 .arg(m_path)
                                 .arg(walked.damageIndex)
                                 .arg(walked.damage.message()));
    m_count = walked.count;
    m_end = reader.position();
    return Status::ok();
}

Status LibraryAppender::begin()
{
    Q_ASSERT(!m_file.isOpen());
    m_created = !QFileInfo::exists(m_path);
    m_added = 0;
    m_committed = false;
    m_countWritten = false;
    MONTORA_TRY(m_file.open(m_path, m_created ? PosixFile::Mode::CreateNew : PosixFile::Mode::ReadWrite));
    if (const Status walked = walkExisting(); !walked) {
        m_created = false; // a damaged file stays as it is
        (void)m_file.close(); // opened for reading only so far
        return walked;
    }
    if (m_end == 0) { // a new or empty file: its count comes first
        if (const Status written = writeCount(0); !written)
            return failed(written);
        m_end = 4;
    }
    m_writeAt = m_end;
    return Status::ok();
}

// What the readers would take as damage is never written: one such record would
// make the whole file refuse every later append.
Status LibraryAppender::checkRecord(const LibraryRecord& record) const
{
    if (record.width < 0 || record.height < 0)
        return Status::error(QStringLiteral("The picture size %1 x %2 is negative.").arg(record.width).arg(record.height));
    // Pixels rather than bytes: two 31-bit sides times 4 would overflow.
    const qint64 pixels = qint64(record.width) * record.height;
    const qint64 bytes = record.payload.size();
    if (m_layout == LibraryLayout::Thumbnail && (bytes % 4 != 0 || bytes / 4 != pixels))
        return Status::error(QStringLiteral("A %1 x %2 picture cannot hold %3 bytes.")
                                 .arg(record.width)
                                 .arg(record.height)
                                 .arg(bytes));
    return Status::ok();
}

Status LibraryAppender::add(const LibraryRecord& record)
{
    Q_ASSERT(m_file.isOpen());
    if (m_count + qint64(m_added) >= kMaxRecords)
        return failed(Status::error(QStringLiteral("\"%1\" already holds %2 records, the most a library file can "
                                                   "hold; nothing was added.")
                                        .arg(m_path)
                                        .arg(kMaxRecords)));
    if (const Status valid = checkRecord(record); !valid)
        return failed(Status::error(QStringLiteral("\"%1\": %2 Nothing was added.").arg(m_path, valid.message())));
    const QByteArray bytes = LibraryFileEncoder::record(m_layout, record);
    if (const Status written = m_file.writeAt(m_writeAt, bytes); !written)
        return failed(written);
    m_writeAt += bytes.size();
    ++m_added;
    return Status::ok();
}

Status LibraryAppender::commit()
{
    Q_ASSERT(m_file.isOpen());
    auto size = m_file.size();
    if (!size)
        return failed(size.status());
    // Whatever lay beyond the old records belonged to no record.
    if (*size > m_writeAt)
        if (const Status cut = m_file.truncate(m_writeAt); !cut)
            return failed(cut);
    if (const Status synced = m_file.sync(); !synced)
        return failed(synced);
    m_countWritten = true;
    Status counted = writeCount(m_count + m_added);
    if (counted)
        counted = m_file.sync();
    if (!counted)
        return failed(counted);
    (void)m_file.close(); // everything is on the disk already
    m_committed = true;
    m_countWritten = false;
    return Status::ok();
}

Status LibraryAppender::revertCommit()
{
    if (!m_committed)
        return Status::ok();
    m_committed = false;
    m_added = 0;
    if (m_created)
        return QFile::remove(m_path) ? Status::ok()
                                     : Status::error(QStringLiteral("Cannot delete \"%1\".").arg(m_path));
    MONTORA_TRY(m_file.open(m_path, PosixFile::Mode::ReadWrite));
    // The count first, so that it never promises a record the file no longer holds.
    Status reverted = writeCount(m_count);
    if (reverted)
        reverted = m_file.truncate(m_end);
    if (reverted)
        reverted = m_file.sync();
    const Status closed = m_file.close();
    return reverted ? closed : reverted;
}

void LibraryAppender::rollback()
{
    if (!m_file.isOpen())
        return;
    if (m_created) {
        (void)m_file.close(); // the file goes anyway
        QFile::remove(m_path);
    } else {
        // Shortening needs no free space; the old count goes back over bytes the file
        // already has. Nothing here can be reported (the destructor runs it too); a
        // record left beyond the count is never read and is written over next time.
        (void)m_file.truncate(m_end);
        if (m_countWritten)
            (void)writeCount(m_count);
        (void)m_file.close();
    }
    m_added = 0;
    m_countWritten = false;
}

} // namespace montora
