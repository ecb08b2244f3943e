#include "imaging/tiff_writer.h"

#include "imaging/lzw_encoder.h"

#include <QtEndian>

#include <atomic>
#include <cstring>
#include <new>
#include <limits>
#include <thread>
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

// Differences and compresses a run of strips, appending them to one buffer.
class StripCoder {
public:
    StripCoder(const QImage& image, int channels, int rowsPerStrip)
        : m_image(image), m_channels(channels), m_rowBytes(size_t(image.width()) * channels),
          m_rowsPerStrip(rowsPerStrip), m_pair(2 * m_rowBytes * rowsPerStrip + 1)
    {
    }

    // Strips go to the encoder two at a time, which overlaps their lookups.
    void encode(int firstStrip, int endStrip, QByteArray& out, std::vector<quint64>& counts)
    {
        for (int s = firstStrip; s < endStrip; s += 2) {
            const size_t first = pack(s, 0);
            const qsizetype before = out.size();
            if (s + 1 < endStrip) {
                const size_t second = pack(s + 1, 1);
                const qsizetype secondAt =
                    m_lzw.encodeStrips(m_pair.data(), first, m_pair.data() + stripBytes(), second, out);
                counts.push_back(quint64(secondAt - before));
                counts.push_back(quint64(out.size() - secondAt));
            } else {
                m_lzw.encodeStrip(m_pair.data(), first, out);
                counts.push_back(quint64(out.size() - before));
            }
        }
    }

private:
    size_t stripBytes() const { return m_rowBytes * m_rowsPerStrip; }

    // Strip `s` into half `half` of the pair buffer; returns its size.
    size_t pack(int s, int half)
    {
        const int first = s * m_rowsPerStrip;
        const int rows = std::min(m_rowsPerStrip, m_image.height() - first);
        uchar* const strip = m_pair.data() + half * stripBytes();
        for (int y = 0; y < rows; ++y) {
            const auto* pixels = reinterpret_cast<const QRgb*>(m_image.constScanLine(first + y));
            if (m_channels == 4)
                packDifferencedRow<4>(pixels, m_image.width(), strip + y * m_rowBytes);
            else
                packDifferencedRow<3>(pixels, m_image.width(), strip + y * m_rowBytes);
        }
        return m_rowBytes * rows;
    }

    const QImage& m_image;
    const int m_channels;
    const size_t m_rowBytes;
    const int m_rowsPerStrip;
    std::vector<uchar> m_pair;
    LzwEncoder m_lzw;
};

// A second core takes half the strips of a big picture, unless another TIFF is being
// written at the same time (the batch converter's other file then has that core).
constexpr int kStripsForHelper = 16;
std::atomic<int> g_tiffsBeingWritten{0};

struct WritingTiff {
    WritingTiff() { ++g_tiffsBeingWritten; }
    ~WritingTiff() { --g_tiffsBeingWritten; }
    WritingTiff(const WritingTiff&) = delete;
    WritingTiff& operator=(const WritingTiff&) = delete;
};

bool helperWanted(int strips, bool mayUseHelper)
{
    return mayUseHelper && strips >= kStripsForHelper && std::thread::hardware_concurrency() > 1 &&
           g_tiffsBeingWritten.load() == 1;
}

Result<QByteArray> encodeTiff(const QImage& source, bool mayUseHelper)
{
    const WritingTiff writing;
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

    // Header, then the strips, then the IFD and the values that do not fit in it. The
    // helper's strips follow this thread's; the bytes are the same either way.
    const int split = helperWanted(strips, mayUseHelper) ? (strips + 3) / 4 * 2 : strips;
    QByteArray data(8, '\0');
    data.reserve(8 + qsizetype(LzwEncoder::maxEncodedSize(rowBytes * size_t(height)))); // address space; never copied
    std::vector<quint64> counts;
    QByteArray helperData;
    std::vector<quint64> helperCounts;
    bool helperOutOfMemory = false;
    {
        std::jthread helper;
        if (split < strips)
            helper = std::jthread([&] {
                try {
                    helperData.reserve(qsizetype(LzwEncoder::maxEncodedSize(rowBytes * size_t(height - split * rowsPerStrip))));
                    StripCoder(image, channels, rowsPerStrip).encode(split, strips, helperData, helperCounts);
                } catch (const std::bad_alloc&) {
                    helperOutOfMemory = true;
                }
            });
        StripCoder(image, channels, rowsPerStrip).encode(0, split, data, counts);
    }
    if (helperOutOfMemory)
        throw std::bad_alloc();
    if (quint64(data.size()) + quint64(helperData.size()) > std::numeric_limits<quint32>::max() / 2)
        return Result<QByteArray>::error(QStringLiteral("The picture is too large for a TIFF file."));
    data.append(helperData);
    counts.insert(counts.end(), helperCounts.begin(), helperCounts.end());
    std::vector<quint32> offsets;
    quint32 at = 8;
    for (quint64 count : counts) {
        offsets.push_back(at);
        at += quint32(count);
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
    const quint32 countsAt = place([&] { for (quint64 v : counts) tail.u32(quint32(v)); });
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
        {279, kLong, quint32(strips), strips == 1 ? quint32(counts[0]) : countsAt},
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

Result<QByteArray> TiffWriter::encode(const QImage& source, bool mayUseHelper)
{
    if (source.isNull())
        return Result<QByteArray>::error(QStringLiteral("There is no picture to write."));
    try {
        return encodeTiff(source, mayUseHelper);
    } catch (const std::bad_alloc&) {
        return Result<QByteArray>::error(QStringLiteral("Not enough memory to write the picture."));
    }
}

} // namespace montora
