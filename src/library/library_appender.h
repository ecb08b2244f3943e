#pragma once

#include "base/posix_file.h"
#include "base/status.h"
#include "library/library_record.h"

#include <QString>

namespace montora {

// Appends records to one library file so that its count always equals the
// records it holds: the records are written and synced first, the count last. A
// file whose counted records are not all there is refused untouched; bytes after
// the last counted record (an append cut short by a crash) are written over, and
// a file too short to hold its count is taken as empty. Until commit() nothing the
// file's readers see has changed, and rollback() (also run by the destructor, and
// by every failed step) cuts the file back to its old length through its
// descriptor, which works on a full disk too. Files that must stay in step (a
// thumbnail file and its picture file) use one appender each, begin both, add to
// both, and commit both.
//
// A file holds at most kMaxRecords records (indices 0 to 999): item ids are
// file * 1000 + index, so a 1001st record would take the id of the next file's first.
class LibraryAppender {
public:
    static constexpr int kMaxRecords = 1000;

    LibraryAppender(QString path, LibraryLayout layout);
    ~LibraryAppender();
    LibraryAppender(const LibraryAppender&) = delete;
    LibraryAppender& operator=(const LibraryAppender&) = delete;

    Status begin();
    Status add(const LibraryRecord& record);
    Status commit();
    void rollback();
    // Takes back the commit just made, for a file that must stay in step with
    // another whose commit then failed.
    Status revertCommit();

    const QString& path() const { return m_path; }
    int added() const { return m_added; }
    // The count the file states after commit().
    int countAfterCommit() const { return m_count + m_added; }

private:
    Status walkExisting();
    Status checkRecord(const LibraryRecord& record) const;
    Status failed(Status why);
    Status writeCount(std::int32_t count);

    QString m_path;
    LibraryLayout m_layout;
    PosixFile m_file;
    qint64 m_end = 0;       // after the last counted record when begin() ran
    qint64 m_writeAt = 0;   // where the next record goes
    std::int32_t m_count = 0; // when begin() ran
    int m_added = 0;
    bool m_created = false;
    bool m_countWritten = false; // the count at offset 0 may differ from m_count
    bool m_committed = false;
};

} // namespace montora
