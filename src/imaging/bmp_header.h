#pragma once

#include <QtGlobal>

#include <cstddef>

namespace montora {

// The headers in front of a BMP's pixels: the file header and the 40-byte
// information header every reader knows. Little-endian, as the machines we run on.
#pragma pack(push, 1)
struct BmpFileHeader {
    char magic[2]; // "BM"
    quint32 fileBytes;
    quint16 reserved1;
    quint16 reserved2;
    quint32 pixelOffset;
};

struct BmpInfoHeader {
    quint32 headerBytes; // 40
    qint32 width;
    qint32 height; // negative: the rows are stored from the top down
    quint16 planes;
    quint16 bitsPerPixel;
    quint32 compression; // 0: none
    quint32 imageBytes;
    qint32 dotsPerMeterX;
    qint32 dotsPerMeterY;
    quint32 coloursUsed;
    quint32 coloursImportant;
};
#pragma pack(pop)

static_assert(sizeof(BmpFileHeader) == 14);
static_assert(offsetof(BmpFileHeader, fileBytes) == 2);
static_assert(offsetof(BmpFileHeader, pixelOffset) == 10);
static_assert(sizeof(BmpInfoHeader) == 40);
static_assert(offsetof(BmpInfoHeader, width) == 4);
static_assert(offsetof(BmpInfoHeader, bitsPerPixel) == 14);
static_assert(offsetof(BmpInfoHeader, compression) == 16);
static_assert(offsetof(BmpInfoHeader, dotsPerMeterX) == 24);
static_assert(offsetof(BmpInfoHeader, coloursImportant) == 36);

constexpr qsizetype kBmpHeaderBytes = qsizetype(sizeof(BmpFileHeader) + sizeof(BmpInfoHeader));
constexpr quint32 kBmpNoCompression = 0;

// A 24-bit row is padded to a multiple of four bytes.
constexpr qsizetype bmpRowBytes24(qint64 width) { return qsizetype((width * 3 + 3) / 4 * 4); }

} // namespace montora
