#pragma once

#include <QImage>

#include <vector>

namespace montora {

// Pixel pictures placed on the canvas (month calendars). Entries are only ever
// appended and outlive clearing the collage; every history copy of an item shares
// its entry. Project files carry them after the items; an index that names no
// entry (pixels lost, or a file from a writer without them) draws nothing.
class PixelStore {
public:
    // Copies the pixels (as 32-bit ARGB) and returns the new entry's index.
    int append(const QImage& pixels);
    // Keeps the handle (pixels shared, not copied); for entries of another store.
    int share(const QImage& argb32);
    // Null when the index names no entry.
    const QImage* at(int index) const;
    int size() const { return int(m_entries.size()); }

private:
    std::vector<QImage> m_entries;
};

} // namespace montora
