#pragma once

#include "base/status.h"
#include "library/library_record.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <optional>

namespace montora {

enum class ResourceKind : std::int32_t { Frames = 0, Masks = 1, Cliparts = 2, Decorations = 3, Brushes = 4 };

#pragma pack(push, 1)
struct ResourcePackHeader {
    std::int32_t kind;
    std::int32_t count;
};
#pragma pack(pop)
static_assert(sizeof(ResourcePackHeader) == 8);
static_assert(offsetof(ResourcePackHeader, kind) == 0 && offsetof(ResourcePackHeader, count) == 4);

// One record of a pack: a thumbnail (width, height, B,G,R,A pixels), then the
// picture (width, height, length, for frames the insets, then the encoded file).
struct ResourcePackRecord {
    LibraryRecord thumbnail;
    LibraryRecord picture;
};

// A resource pack (".irs"): the kind, a record count and the records. Importing
// appends each record to the library files of its kind.
class ResourcePack {
public:
    static inline const QString kExtension = QStringLiteral("irs");
    // The open-file dialog's filter for importing a pack.
    static inline const QString kOpenFilter = QStringLiteral("(*.irs)|*.irs||");

    static bool isValidKind(std::int32_t kind) { return kind >= 0 && kind <= 4; }
    // "frame", "mask", "clipart", "decoration", "brush".
    static QString kindName(ResourceKind kind);
    static std::optional<ResourceKind> kindFromName(const QString& name);

    // Where a kind's records go: its thumbnail file, and the picture file and its
    // layout for the kinds that keep the picture (frames, masks, decorations).
    static QString thumbnailFile(ResourceKind kind);
    static std::optional<QString> pictureFile(ResourceKind kind);
    static LibraryLayout pictureLayout(ResourceKind kind);
    // The picture record in a pack carries the insets of frames.
    static bool packCarriesInsets(ResourceKind kind) { return kind == ResourceKind::Frames; }

    static QByteArray encodeHeader(ResourceKind kind, std::int32_t count);
    static QByteArray encodeRecord(ResourceKind kind, const ResourcePackRecord& record);
};

} // namespace montora
