#pragma once

#include "base/binary_reader.h"
#include "base/status.h"
#include "library/resource_pack.h"

#include <QFile>
#include <QString>

#include <memory>

namespace montora {

// Reads a resource pack record by record, each checked against what is left in
// the file before anything is allocated.
class ResourcePackReader {
public:
    enum class Picture { Keep, Skip };

    // Opens the pack and reads its kind and count. Kinds outside 0 to 4 are refused.
    Status open(const QString& path);

    ResourceKind kind() const { return m_kind; }
    std::int32_t declaredCount() const { return m_count; }
    int recordsRead() const { return m_read; }
    bool atEnd() const { return m_read >= m_count; }

    // The next record. With Picture::Skip the picture's bytes are passed over and
    // its payload stays empty (cliparts and brushes keep only the thumbnail).
    Result<ResourcePackRecord> next(Picture picture = Picture::Keep);

private:
    QFile m_file;
    std::unique_ptr<BinaryReader> m_reader;
    ResourceKind m_kind = ResourceKind::Frames;
    std::int32_t m_count = 0;
    int m_read = 0;
};

} // namespace montora
