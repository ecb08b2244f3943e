#pragma once

#include "base/status.h"

#include <cstddef>
#include <cstdint>

namespace montora {

class BinaryReader;
class BinaryWriter;
class CollageProject;

#pragma pack(push, 1)

// Opens the optional block after a project's items that carries the pixels of its
// pixel-picture items (month calendars). Readers that stop after the items never
// see it, and a collage without such pictures writes none.
struct PixelPictureBlockHeader {
    static constexpr std::uint32_t kTag = 0x5850434D; // "MCPX" in file order
    std::uint32_t tag = kTag;
    std::int32_t count = 0;
};

// Then, per picture, this and `pngLength` bytes of PNG.
struct PixelPictureEntryHeader {
    std::int32_t itemIndex = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t pngLength = 0;
};

#pragma pack(pop)

static_assert(sizeof(PixelPictureBlockHeader) == 8);
static_assert(offsetof(PixelPictureBlockHeader, count) == 4);
static_assert(sizeof(PixelPictureEntryHeader) == 16);
static_assert(offsetof(PixelPictureEntryHeader, width) == 4);
static_assert(offsetof(PixelPictureEntryHeader, height) == 8);
static_assert(offsetof(PixelPictureEntryHeader, pngLength) == 12);

// Writes and reads that block.
class PixelPictureBlock {
public:
    // Writes nothing when no item shows pixels from the store.
    static Status write(const CollageProject& project, BinaryWriter& out);
    // Gives each listed item its pixels. Without a block (the end of the file, or
    // bytes that do not start with the tag) the items keep no pixels.
    static Status read(CollageProject& project, BinaryReader& in);
};

} // namespace montora
