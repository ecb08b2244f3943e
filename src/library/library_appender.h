#pragma once

#include "base/status.h"
#include "library/library_record.h"

#include <QFile>
#include <QString>

namespace montora {

// Appends records to one library file so that its count always equals the
// records it holds: the records are written first, the count last. A file whose
// counted records are not all there is refused untouched; bytes after the last
// counted record (an append cut short by a crash) are written over, and a file
// too short to hold its count is taken as empty. Until commit() nothing the
// file's readers see has changed, and rollback() (also run by the destructor)
// takes the new bytes away again. Files that must stay in step (a thumbnail file
// and its picture file) use one appender each, begin both, add to both, and
// commit both.
class LibraryAppender {
public:
    LibraryAppender(QString path, LibraryLayout layout);
    ~LibraryAppender();
    LibraryAppender(const LibraryAppender&) = delete;
    LibraryAppender& operator=(const LibraryAppender&) = delete;

    Status begin();
    Status add(const LibraryRecord& record);
    Status commit();
    void rollback();

    const QString& path() const { return m_path; }
    int added() const { return m_added; }
    // The count the file will state after commit().
    int countAfterCommit() const { return m_count + m_added; }

private:
    Status walkExisting();
    Status writeFailed(const QString& what);

    QString m_path;
    LibraryLayout m_layout;
    QFile m_file;
    qint64 m_end = 0;       // after the last counted record when begin() ran
    qint64 m_writeAt = 0;   // where the next record goes
    std::int32_t m_count = 0;
    int m_added = 0;
    bool m_created = false;
    bool m_open = false;
};

} // namespace montora
