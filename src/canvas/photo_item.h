#pragma once

#include "base/status.h"
#include "canvas/item_kind.h"
#include "imaging/tone_settings.h"

#include <QRect>
#include <QSize>
#include <QString>

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace montora {

#pragma pack(push, 1)

// A photo on the canvas (item kind 10). Its bytes are the project file's and the
// edit history's copy of the item, so the layout is fixed. The three runtime slots
// of the original layout are always zero: runtime state lives in ItemRuntime.
struct PhotoItem {
    static constexpr int kPathSize = 260;
    static constexpr int kBuiltinMaskCount = 28;

    std::int32_t creationOrdinal = 0; // item count - 1 when it was added
    float opacity = 1.0f;
    std::int32_t frameNumber = 0; // 0 none, n + 1 = frame library record n
    std::int32_t reserved12 = 0;
    float frameLeft = 0.05f; // the frame's opening, as fractions of the item box
    float frameTop = 0.05f;
    float frameRight = 0.95f;
    float frameBottom = 0.95f;
    std::int32_t cropLeft = 0; // in source pixels
    std::int32_t cropTop = 0;
    std::int32_t cropRight = 0;
    std::int32_t cropBottom = 0;
    std::int32_t maskNumber = 0; // 0 none, 1..28 built-in, above 28 custom
    std::int32_t customMask = 0;
    std::uint8_t customMaskKey[16] = {};
    std::uint8_t reserved72[20] = {};
    char reservedText[260] = {};
    std::int32_t selected = 1;
    float angle = 0.0f; // degrees
    std::int32_t sourceWidth = 0;
    std::int32_t sourceHeight = 0;
    std::int32_t boxWidth = 0; // crop size, or enlarged by a frame
    std::int32_t boxHeight = 0;
    float scale = 1.0f;
    float baseScale = 1.0f; // the scale the base hit region was built at
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t savedLeft = 0; // left and top when a move started
    std::int32_t savedTop = 0;
    char path[kPathSize] = {}; // UTF-8 (Windows-1252 in old files), NUL-terminated
    std::int32_t regionIndex = -1;
    std::uint32_t runtimeRegion = 0;
    std::uint32_t runtimePicture = 0;
    std::uint32_t runtimeFrame = 0;
    ToneSettings tone;

    // A new photo: box and crop the whole picture, a scale that makes its width plus
    // height a third of the collage's, placed with its top-left corner at (left, top).
    static Result<PhotoItem> create(const QString& picturePath, QSize pictureSize, QSize collageSize, int left,
                                    int top, int creationOrdinal);

    QString picturePath() const;
    // Refuses a path that does not fit its field (a cut path names another file).
    Status setPicturePath(const QString& picturePath);

    QRect cropRect() const { return QRect(QPoint(cropLeft, cropTop), QPoint(cropRight - 1, cropBottom - 1)); }
    bool hasFrame() const { return frameNumber > 0; }
    bool hasMask() const { return maskNumber > 0; }
    bool usesCustomMask() const { return customMask != 0; }

    void clearRuntime();
};

#pragma pack(pop)

static_assert(std::endian::native == std::endian::little, "records are stored little-endian");
static_assert(std::is_trivially_copyable_v<PhotoItem> && std::is_standard_layout_v<PhotoItem>);
static_assert(sizeof(PhotoItem) == 704);
static_assert(offsetof(PhotoItem, creationOrdinal) == 0);
static_assert(offsetof(PhotoItem, opacity) == 4);
static_assert(offsetof(PhotoItem, frameNumber) == 8);
static_assert(offsetof(PhotoItem, reserved12) == 12);
static_assert(offsetof(PhotoItem, frameLeft) == 16);
static_assert(offsetof(PhotoItem, frameTop) == 20);
static_assert(offsetof(PhotoItem, frameRight) == 24);
static_assert(offsetof(PhotoItem, frameBottom) == 28);
static_assert(offsetof(PhotoItem, cropLeft) == 32);
static_assert(offsetof(PhotoItem, cropTop) == 36);
static_assert(offsetof(PhotoItem, cropRight) == 40);
static_assert(offsetof(PhotoItem, cropBottom) == 44);
static_assert(offsetof(PhotoItem, maskNumber) == 48);
static_assert(offsetof(PhotoItem, customMask) == 52);
static_assert(offsetof(PhotoItem, customMaskKey) == 56);
static_assert(offsetof(PhotoItem, reserved72) == 72);
static_assert(offsetof(PhotoItem, reservedText) == 92);
static_assert(offsetof(PhotoItem, selected) == 352);
static_assert(offsetof(PhotoItem, angle) == 356);
static_assert(offsetof(PhotoItem, sourceWidth) == 360);
static_assert(offsetof(PhotoItem, sourceHeight) == 364);
static_assert(offsetof(PhotoItem, boxWidth) == 368);
static_assert(offsetof(PhotoItem, boxHeight) == 372);
static_assert(offsetof(PhotoItem, scale) == 376);
static_assert(offsetof(PhotoItem, baseScale) == 380);
static_assert(offsetof(PhotoItem, left) == 384);
static_assert(offsetof(PhotoItem, top) == 388);
static_assert(offsetof(PhotoItem, savedLeft) == 392);
static_assert(offsetof(PhotoItem, savedTop) == 396);
static_assert(offsetof(PhotoItem, path) == 400);
static_assert(offsetof(PhotoItem, regionIndex) == 660);
static_assert(offsetof(PhotoItem, runtimeRegion) == 664);
static_assert(offsetof(PhotoItem, runtimePicture) == 668);
static_assert(offsetof(PhotoItem, runtimeFrame) == 672);
static_assert(offsetof(PhotoItem, tone) == 676);

} // namespace montora
