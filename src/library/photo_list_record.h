#pragma once

#include "base/status.h"

#include <QString>

#include <cstddef>
#include <cstdint>

namespace montora {

#pragma pack(push, 1)
// One photo of the photo library, as "srcmedia.cfg" stores it. Zero-filled when
// created; the reserved bytes stay zero.
struct PhotoListRecord {
    char fullPath[260];
    char drive[3];
    char directory[256];
    char fileName[256];  // without the extension
    char extension[256]; // with the dot
    std::uint8_t reserved[41];
    std::int32_t position; // index in the list, rewritten on load
    std::int32_t width;
    std::int32_t height;
    std::int32_t quarterTurns; // applied when the thumbnail is drawn
    std::int32_t state;        // selected in the panel; cleared on add and on load
    std::int32_t reserved2;
    std::int32_t removed; // removed entries are not saved
    std::int32_t reserved3;

    // A zero-filled record for a picture path, split into its drive (always empty
    // here), folder (with the trailing separator), name and lower-case extension.
    // A path or a part too long for its field is refused, never cut.
    static Result<PhotoListRecord> forPath(const QString& path);

    QString path() const;
    QString name() const;      // file name and extension
    bool isRemoved() const { return removed != 0; }
};
#pragma pack(pop)

static_assert(sizeof(PhotoListRecord) == 1104);
static_assert(offsetof(PhotoListRecord, drive) == 260);
static_assert(offsetof(PhotoListRecord, directory) == 263);
static_assert(offsetof(PhotoListRecord, fileName) == 519);
static_assert(offsetof(PhotoListRecord, extension) == 775);
static_assert(offsetof(PhotoListRecord, reserved) == 1031);
static_assert(offsetof(PhotoListRecord, position) == 1072);
static_assert(offsetof(PhotoListRecord, width) == 1076);
static_assert(offsetof(PhotoListRecord, height) == 1080);
static_assert(offsetof(PhotoListRecord, quarterTurns) == 1084);
static_assert(offsetof(PhotoListRecord, state) == 1088);
static_assert(offsetof(PhotoListRecord, reserved2) == 1092);
static_assert(offsetof(PhotoListRecord, removed) == 1096);
static_assert(offsetof(PhotoListRecord, reserved3) == 1100);

} // namespace montora
