#include "imaging/tiff_writer.h"

#include "imaging/lzw_encoder.h"

#include <QtEndian>

#include <cstring>
#include <new>
#include <limits>
#include <vector>

namespace montora {

namespace {

constexpr size_t kStripBytes = 64 * 1024;

enum TiffType : quint16 { kShort = 3, kLong = 4, kRational = 5 };

struct IfdEntry {
    quint16 tag;
    quint16 type;
    quint32 count;
    quint32 value; // the value itself when it fits in four bytes, else its offset
};
static_assert(sizeof(IfdEntry) == 12);

class LittleEndianBuffer {
public:
    QByteArray bytes;

    void u16(quint16 v) { append(qToLittleEndian(v)); }
    void u32(quint32 v) { append(qToLittleEndian(v)); }
    void padToWord()
    {
        if (bytes.size() % 2)
            bytes.append('\0');
    }

private:
    template <typename T> void append(T v)
    {
        bytes.append(reinterpret_cast<const char*>(&v), sizeof(T));
    }
};

// One row as R,G,B[,A] bytes, each sample replaced by its difference from the same
// sample of the pixel to its left (the horizontal predictor). All four differences
// of a pixel at once, with no borrow between bytes; each pixel stores four bytes, so
// `out` needs one byte of room past the row.
template <int Channels> void packDifferencedRow(const QRgb* pixels, int width, uchar* out)
{
    constexpr quint32 kHigh = 0x80808080u;
    quint32 left = 0;
    for (int x = 0; x < width; ++x) {
        const quint32 p = pixels[x];
        const quint32 d = ((p | kHigh) - (left & ~kHigh)) ^ ((p ^ ~left) & kHigh); // 0xAARRGGBB
        left = p;
        const quint32 swapped = qbswap(d);                                        // 0xBBGGRRAA
        const quint32 word = Channels == 4 ? (swapped >> 8 | swapped << 24) : swapped >> 8; // R,G,B[,A] in memory
        std::memcpy(out, &word, sizeof word);
        out += Channels;
    }
}

Result<QByteArray> encodeTiff(const QImage& source)
{
    const bool alpha = source.hasAlphaChannel();
    const QImage image = source.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull())
        return Result<QByteArray>::error(QStringLiteral("Not enough memory to write the picture."));
    const int width = image.width();
    const int height = image.height();
    const int channels = alpha ? 4 : 3;
    const size_t rowBytes = size_t(width) * channels;
    const int rowsPerStrip = int(qBound<size_t>(1, kStripBytes / rowBytes, size_t(height)));
    const int strips = (height + rowsPerStrip - 1) / rowsPerStrip;

    // Header, then the strips, then the IFD and the values that do not fit in it.
    QByteArray data(8, '\0');
    data.reserve(8 + qsizetype(LzwEncoder::maxEncodedSize(rowBytes * size_t(height)))); // address space; never copied
    std::vector<quint32> offsets, counts;
    // Strips go to the encoder two at a time, which overlaps their lookups.
    std::vector<uchar> pair(2 * rowBytes * rowsPerStrip + 1);
    LzwEncoder lzw;
    for (int s = 0; s < strips; s += 2) {
        const int count = std::min(2, strips - s);
        size_t sizes[2] = {0, 0};
        for (int k = 0; k < count; ++k) {
            const int first = (s + k) * rowsPerStrip;
            const int rows = std::min(rowsPerStrip, height - first);
            uchar* const strip = pair.data() + k * rowBytes * rowsPerStrip;
            for (int y = 0; y < rows; ++y) {
                const auto* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(first + y));
                if (alpha)
                    packDifferencedRow<4>(pixels, width, strip + y * rowBytes);
                else
                    packDifferencedRow<3>(pixels, width, strip + y * rowBytes);
            }
            sizes[k] = rowBytes * rows;
        }
        const qsizetype before = data.size();
        if (count == 2) {
            const qsizetype second = lzw.encodeStrips(pair.data(), sizes[0], pair.data() + rowBytes * rowsPerStrip,
                                                      sizes[1], data);
            offsets.insert(offsets.end(), {quint32(before), quint32(second)});
            counts.insert(counts.end(), {quint32(second - before), quint32(data.size() - second)});
        } else {
            lzw.encodeStrip(pair.data(), sizes[0], data);
            offsets.push_back(quint32(before));
            counts.push_back(quint32(data.size() - before));
        }
        if (quint64(data.size()) > std::numeric_limits<quint32>::max() / 2)
            return Result<QByteArray>::error(QStringLiteral("The picture is too large for a TIFF file."));
    }

    LittleEndianBuffer tail;
    tail.bytes = std::move(data);
    tail.padToWord();
    auto place = [&tail](auto&& write) {
        const quint32 at = quint32(tail.bytes.size());
        write();
        tail.padToWord();
        return at;
    };
    const quint32 bitsAt = place([&] { for (int c = 0; c < channels; ++c) tail.u16(8); });
    const quint32 offsetsAt = place([&] { for (quint32 v : offsets) tail.u32(v); });
    const quint32 countsAt = place([&] { for (quint32 v : counts) tail.u32(v); });
    // Dots per centimetre as a fraction: dots per metre over 100.
    const quint32 xResAt = place([&] { tail.u32(quint32(std::max(1, image.dotsPerMeterX()))); tail.u32(100); });
    const quint32 yResAt = place([&] { tail.u32(quint32(std::max(1, image.dotsPerMeterY()))); tail.u32(100); });

    std::vector<IfdEntry> entries = {
        {256, kLong, 1, quint32(width)},
        {257, kLong, 1, quint32(height)},
        {258, kShort, quint32(channels), bitsAt},
        {259, kShort, 1, 5},  // LZW
        {262, kShort, 1, 2},  // RGB
        {273, kLong, quint32(strips), strips == 1 ? offsets[0] : offsetsAt},
        {277, kShort, 1, quint32(channels)},
        {278, kLong, 1, quint32(rowsPerStrip)},
        {279, kLong, quint32(strips), strips == 1 ? counts[0] : countsAt},
        {282, kRational, 1, xResAt},
        {283, kRational, 1, yResAt},
        {284, kShort, 1, 1},  // samples interleaved
        {296, kShort, 1, 3},  // centimetre
        {317, kShort, 1, 2},  // horizontal differencing
    };
    if (alpha)
        entries.push_back({338, kShort, 1, 2}); // unassociated alpha
    const quint32 ifdAt = quint32(tail.bytes.size());
    tail.u16(quint16(entries.size()));
    for (const IfdEntry& e : entries) {
        tail.u16(e.tag);
        tail.u16(e.type);
        tail.u32(e.count);
        // A SHORT held in the entry sits in its first two bytes.
        if (e.type == kShort && e.count == 1) {
            tail.u16(quint16(e.value));
            tail.u16(0);
        } else {
            tail.u32(e.value);
        }
    }
    tail.u32(0); // no next IFD

    const uchar header[8] = {'I', 'I', 42, 0, uchar(ifdAt), uchar(ifdAt >> 8), uchar(ifdAt >> 16), uchar(ifdAt >> 24)};
    std::memcpy(tail.bytes.data(), header, sizeof header);
    return std::move(tail.bytes);
}

} // namespace

Result<QByteArray> TiffWriter::encode(const QImage& source)
{
    if (source.isNull())
        return Result<QByteArray>::error(QStringLiteral("There is no picture to write."));
    try {
        return encodeTiff(source);
    } catch (const std::bad_alloc&) {
        return Result<QByteArray>::error(QStringLiteral("Not enough memory to write the picture."));
    }
}

} // namespace montora
