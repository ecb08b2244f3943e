#pragma once

#include "base/status.h"
#include "library/library_record.h"

#include <QString>

#include <functional>
#include <vector>

class QFile;

namespace montora {

class BinaryReader;

// What a walk over a whole file found: the records that are complete, and where
// and why the walk stopped early when the file is damaged.
struct LibraryListing {
    std::int32_t count = 0; // as the file states it
    std::vector<LibraryRecordHeader> headers;
    Status damage;           // ok when all `count` records are complete
    qint64 damageOffset = -1; // where the first incomplete record starts
};

struct LibraryContents {
    std::vector<LibraryRecord> records; // the complete records, in file order
    Status damage;
};

// A library file of either layout. Records are found by walking from the start,
// as the files have no index. Every read is checked: an index at or beyond the
// count, a negative size or a record larger than what is left in the file is
// reported as an error, never read or allocated.
class LibraryFile {
public:
    LibraryFile(QString path, LibraryLayout layout);

    const QString& path() const { return m_path; }
    LibraryLayout layout() const { return m_layout; }
    bool exists() const;

    Result<int> count() const;
    Result<LibraryRecordHeader> header(int index) const;
    Result<LibraryRecord> record(int index) const;
    LibraryListing list() const;
    LibraryContents readAll() const;
    // The first record whose 16-byte extra field equals the key.
    Result<LibraryRecord> findByKey(const MaskKey& key) const;

    // Appends the records and raises the count; the file is created when missing.
    // A damaged file is refused and left as it is.
    Status append(const std::vector<LibraryRecord>& records) const;

    // Where a walk over the records ended.
    struct Walk {
        std::int32_t count = 0; // as the file states it
        Status damage;          // ok unless a count, header or payload could not be read
        int damageIndex = -1;   // the record it is in; -1 for the count
        qint64 damageOffset = -1;
    };
    // Gets each record's header in turn with the reader at its payload; consumes
    // the payload (skipPayload() or readPayload()) and says whether to go on.
    using Visitor = std::function<Result<bool>(const LibraryRecordHeader& header, int index, std::int32_t count,
                                               BinaryReader& reader)>;
    // The walk every reader of a library file shares, from the count at the
    // reader's position: no record is reached but by walking over the ones before.
    static Walk walk(BinaryReader& reader, LibraryLayout layout, const Visitor& visit);
    static Result<bool> skipPayload(BinaryReader& reader, const LibraryRecordHeader& header);
    static Result<LibraryRecord> readPayload(BinaryReader& reader, const LibraryRecordHeader& header);

    // The walk's steps, shared with readers of a file's parts.
    static Result<std::int32_t> readCount(BinaryReader& reader);
    static Result<LibraryRecordHeader> readHeader(BinaryReader& reader, LibraryLayout layout);

protected:
    Status open(QFile& file) const;
    Status located(const Status& status, int index, qint64 offset) const;
    Status located(const Walk& walk) const { return located(walk.damage, walk.damageIndex, walk.damageOffset); }
    Result<LibraryRecordHeader> seekTo(BinaryReader& reader, int index) const;
    // Opens the file and walks all of it; a file that cannot be opened is damage
    // before the count (offset -1), any other damage is located.
    Walk walkWhole(const Visitor& visit) const;

private:
    QString m_path;
    LibraryLayout m_layout;
};

} // namespace montora
