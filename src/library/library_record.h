#pragma once

#include "library/frame_insets.h"
#include "library/mask_key.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace montora {

static_assert(std::endian::native == std::endian::little, "library records are read as little-endian bytes");

// The two record layouts every library file uses. A file is a 32-bit record count
// followed by its records, with no header, magic or version.
enum class LibraryLayout {
    Thumbnail,         // width, height, width x height x 4 bytes of B,G,R,A pixels, top row first
    Picture,           // width, height, length L, L bytes of an encoded picture file
    PictureWithKey,    // as Picture, with a 16-byte MaskKey after the length
    PictureWithInsets, // as Picture, with 16 bytes of FrameInsets after the length
};

QString layoutName(LibraryLayout layout);
bool hasExtraField(LibraryLayout layout);

#pragma pack(push, 1)
struct ThumbnailRecordHeader {
    std::int32_t width;
    std::int32_t height;
};
struct PictureRecordHeader {
    std::int32_t width;
    std::int32_t height;
    std::int32_t length;
};
struct PictureRecordHeaderWithExtra {
    std::int32_t width;
    std::int32_t height;
    std::int32_t length;
    std::uint8_t extra[16];
};
#pragma pack(pop)
static_assert(sizeof(ThumbnailRecordHeader) == 8);
static_assert(offsetof(ThumbnailRecordHeader, width) == 0 && offsetof(ThumbnailRecordHeader, height) == 4);
static_assert(sizeof(PictureRecordHeader) == 12);
static_assert(offsetof(PictureRecordHeader, height) == 4 && offsetof(PictureRecordHeader, length) == 8);
static_assert(sizeof(PictureRecordHeaderWithExtra) == 28);
static_assert(offsetof(PictureRecordHeaderWithExtra, length) == 8);
static_assert(offsetof(PictureRecordHeaderWithExtra, extra) == 12);

// One record of any layout, in memory. For thumbnails the payload is the pixel
// block; for pictures it is the encoded file. `extra` holds the key or the
// insets in the layouts that have them.
struct LibraryRecord {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::array<std::uint8_t, 16> extra{};
    QByteArray payload;

    MaskKey key() const { return MaskKey::fromBytes(extra.data()); }
    void setKey(const MaskKey& key) { extra = key.bytes; }
    FrameInsets insets() const;
    void setInsets(const FrameInsets& insets);
};

// Where a record sits in its file and what its header says.
struct LibraryRecordHeader {
    qint64 offset = 0; // of the record's first byte
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t length = 0; // picture layouts: the encoded length
    std::array<std::uint8_t, 16> extra{};
    qint64 payloadSize = 0; // bytes after the header

    MaskKey key() const { return MaskKey::fromBytes(extra.data()); }
    FrameInsets insets() const;
};

} // namespace montora
