#include "library/library_appender.h"

#include "base/binary_reader.h"
#include "base/binary_writer.h"
#include "library/library_file.h"
#include "library/library_file_encoder.h"

#include <QFileInfo>

#include <limits>

namespace montora {

LibraryAppender::LibraryAppender(QString path, LibraryLayout layout) : m_path(std::move(path)), m_layout(layout) {}

LibraryAppender::~LibraryAppender() { rollback(); }

Status LibraryAppender::writeFailed(const QString& what)
{
    const QString reason = m_file.errorString();
    rollback();
    return Status::error(QStringLiteral("Cannot %1 \"%2\": %3").arg(what, m_path, reason));
}

Status LibraryAppender::walkExisting()
{
    if (m_file.size() < 4) { // created but never given its count: as good as empty
        m_count = 0;
        m_end = 0;
        return Status::ok();
    }
    BinaryReader reader(m_file);
    auto count = LibraryFile::readCount(reader);
    if (!count)
        return Status::error(QStringLiteral("\"%1\" is damaged (%2); nothing was added.").arg(m_path, count.message()));
    for (int i = 0; i < *count; ++i) {
        auto header = LibraryFile::readHeader(reader, m_layout);
        const Status status = header ? reader.skip(header->payloadSize) : header.status();
        if (!status)
            return Status::error(QStringLiteral("\"%1\" is damaged at record %2 (%3); nothing was added.")
                                     .arg(m_path)
                                     .arg(i)
                                     .arg(status.message()));
    }
    m_count = *count;
    m_end = reader.position();
    return Status::ok();
}

Status LibraryAppender::begin()
{
    m_file.setFileName(m_path);
    m_created = !QFileInfo::exists(m_path);
    if (!m_file.open(m_created ? QIODevice::ReadWrite | QIODevice::NewOnly : QIODevice::ReadWrite))
        return Status::error(QStringLiteral("Cannot open \"%1\" for writing: %2").arg(m_path, m_file.errorString()));
    m_open = true;
    if (const Status walked = walkExisting(); !walked) {
        m_file.close();
        m_open = false;
        return walked;
    }
    if (m_end == 0) { // a new or empty file: its count comes first
        if (!m_file.seek(0))
            return writeFailed(QStringLiteral("write"));
        BinaryWriter writer(m_file);
        writer.writeI32(0);
        if (!writer.status())
            return writeFailed(QStringLiteral("write"));
        m_end = 4;
    }
    m_writeAt = m_end;
    return Status::ok();
}

Status LibraryAppender::add(const LibraryRecord& record)
{
    Q_ASSERT(m_open);
    if (m_count + qint64(m_added) >= std::numeric_limits<std::int32_t>::max())
        return Status::error(QStringLiteral("\"%1\" cannot hold more records.").arg(m_path));
    const QByteArray bytes = LibraryFileEncoder::record(m_layout, record);
    if (!m_file.seek(m_writeAt) || m_file.write(bytes) != bytes.size())
        return writeFailed(QStringLiteral("append to"));
    m_writeAt += bytes.size();
    ++m_added;
    return Status::ok();
}

Status LibraryAppender::commit()
{
    Q_ASSERT(m_open);
    // Whatever lay beyond the old records belonged to no record.
    if (m_file.size() > m_writeAt && !m_file.resize(m_writeAt))
        return writeFailed(QStringLiteral("shorten"));
    if (!m_file.flush())
        return writeFailed(QStringLiteral("write"));
    BinaryWriter writer(m_file);
    if (!m_file.seek(0))
        return writeFailed(QStringLiteral("write"));
    writer.writeI32(m_count + m_added);
    if (!writer.status() || !m_file.flush())
        return writeFailed(QStringLiteral("write the count of"));
    m_file.close();
    m_open = false;
    m_created = false;
    return Status::ok();
}

void LibraryAppender::rollback()
{
    if (!m_open)
        return;
    if (m_created) {
        m_file.close();
        QFile::remove(m_path);
    } else {
        m_file.resize(m_end);
        m_file.close();
    }
    m_open = false;
    m_added = 0;
}

} // namespace montora
