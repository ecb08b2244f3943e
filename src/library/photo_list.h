#pragma once

#include "base/status.h"
#include "library/photo_list_record.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace montora {

// A photo of the photo library: its record and its thumbnail, an upside-down
// 80 x 80 JPEG (empty when the photo has none).
struct PhotoListEntry {
    PhotoListRecord record;
    QByteArray thumbnail;
    // Only part of the picture could be decoded (a cut file): the rest shows grey.
    // Found when the photo is imported; the photo list file does not keep it.
    bool partial = false;
};

// The photo library as kept in "srcmedia.cfg": a count, the records, then one
// thumbnail per record (a length and the JPEG bytes).
class PhotoList {
public:
    static constexpr int kRecordSize = int(sizeof(PhotoListRecord));
    // A damaged "srcmedia.cfg" is renamed to "srcmedia.cfg.damaged", replacing an older one.
    static inline const QString kDamagedSuffix = QStringLiteral(".damaged");

    enum class LoadState {
        Loaded,     // every entry read
        Missing,    // no "srcmedia.cfg" yet: an empty library
        Unreadable, // it could not be opened; it is left as it is
        Damaged,    // cut short or garbage: the complete entries are used and the file is set aside
    };
    struct LoadResult {
        LoadState state = LoadState::Loaded;
        QString message; // why, for anything but Loaded
        bool isOk() const { return state == LoadState::Loaded; }
    };

    std::vector<PhotoListEntry>& entries() { return m_entries; }
    const std::vector<PhotoListEntry>& entries() const { return m_entries; }

    // Replaces the entries by those of `folder`'s "srcmedia.cfg". Each entry's
    // position becomes its index and its state flag 0. A damaged list gives its
    // complete entries and is renamed aside; while there is no "srcmedia.cfg", the
    // copy set aside is read instead, so that its entries survive until a save.
    LoadResult load(const QString& folder);

    // Rebuilds the custom-mask copy first (so that "cusmask.cfg" follows
    // "mask.cfg" at every save), then replaces "srcmedia.cfg" whole with the entries
    // whose removed flag is 0. A failed save leaves the old file as it was.
    Status save(const QString& folder) const;

    // The bytes save() writes, without touching any file.
    QByteArray encode() const;

private:
    // Reads `path`; a damaged file is renamed to `aside` unless that is empty
    // (then `path` is itself the damaged copy).
    LoadResult loadFile(const QString& path, const QString& aside);

    std::vector<PhotoListEntry> m_entries;
};

} // namespace montora
