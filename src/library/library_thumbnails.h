#pragma once

#include "base/status.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <vector>

namespace montora {

// The pictures a library panel shows: every complete record of a thumbnail
// library file, scaled down once to fit the panel's picture box so that painting
// never touches the full-size pixels again.
class LibraryThumbnails {
public:
    struct Entry {
        QSize recordSize; // as the record states it
        QImage picture;   // ARGB32 premultiplied, fitted into the box
        QImage record;    // ARGB32, the record's pixels as they are; kept only when asked
    };
    enum class Records { Drop, Keep };

    // Replaces the entries with the records of the file at `path`. A missing or
    // unreadable file leaves none; a damaged one keeps the records before the
    // damage. The status tells what went wrong (ok when the whole file was read).
    // Brushes keep their full-size pixels: strokes are stamped from them.
    Status load(const QString& path, QSize box, Records records = Records::Drop);
    void clear() { m_entries.clear(); }

    int count() const { return int(m_entries.size()); }
    const Entry& at(int k) const { return m_entries[size_t(k)]; }

private:
    std::vector<Entry> m_entries;
};

} // namespace montora
