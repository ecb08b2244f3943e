#pragma once

#include "base/status.h"
#include "canvas/item_kind.h"

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSize>

#include <array>
#include <cstdint>
#include <optional>

namespace montora {

using MaskKeyBytes = std::array<std::uint8_t, 16>;

// The window of a frame that the photo fills, as fractions of the frame picture.
struct FrameWindow {
    float left = 0.05f;
    float top = 0.05f;
    float right = 0.95f;
    float bottom = 0.95f;
};

// A custom mask as a project file carries it: the library record without its key.
struct CustomMaskBlock {
    std::int32_t width = 0;
    std::int32_t height = 0;
    QByteArray data; // the encoded picture
};

// What the canvas needs from the resource libraries (cliparts and decorations,
// frames, masks, the custom-mask copy). The program's implementation reads the
// library files in the data folder; tests may hand in their own pictures.
class CanvasResources {
public:
    virtual ~CanvasResources() = default;

    // Library picture of an item id (id / 1000 the file, id % 1000 the record),
    // tinted when asked; null when there is none. 32-bit ARGB.
    virtual QImage libraryPicture(int id, ColorRef tint, bool tinted) = 0;
    // Brush library record `index`, 32-bit ARGB.
    virtual QImage brushPicture(int index) = 0;
    virtual QImage framePicture(int index) = 0;
    virtual std::optional<FrameWindow> frameWindow(int index) = 0;
    // Built-in or library mask by record index; its pixels as 32-bit ARGB (only the
    // first byte of each pixel counts).
    virtual QImage maskPicture(int index) = 0;
    virtual std::optional<MaskKeyBytes> maskKey(int index) = 0;
    virtual QImage customMaskPicture(const MaskKeyBytes& key) = 0;
    virtual std::optional<CustomMaskBlock> customMaskBlock(const MaskKeyBytes& key) = 0;
    // Appends a custom mask a project brought along to the custom-mask copy.
    virtual Status addCustomMask(const MaskKeyBytes& key, const CustomMaskBlock& block) = 0;
};

} // namespace montora
