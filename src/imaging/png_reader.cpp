#include "imaging/png_reader.h"

#include "imaging/picture_limits.h"

#include <libdeflate.h>

#include <QtEndian>

#include <cstdlib>
#include <cstring>
#include <new>
#include <memory>
#include <vector>

namespace montora {

namespace {

struct DecompressorFree {
    void operator()(libdeflate_decompressor* d) const { libdeflate_free_decompressor(d); }
};

quint32 be32(const uchar* p) { return qFromBigEndian<quint32>(p); }

// Chunks Qt's reader ignores or that we carry over the same way; any other one
// (colour information, palette, transparency, compressed text, unknown critical
// chunks) sends the file to Qt's reader.
bool plainChunk(const QByteArray& type)
{
    static const QList<QByteArray> ignorable = {"IDAT", "IEND", "pHYs", "tEXt", "sBIT", "tIME", "vpAg"};
    return ignorable.contains(type);
}

inline uchar paeth(int a, int b, int c)
{
    const int p = a + b - c;
    const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return uchar((pa <= pb && pa <= pc) ? a : (pb <= pc ? b : c));
}

// Undoes one row's filter in place; `above` is the previous unfiltered row (zeros for the first).
bool unfilter(int type, uchar* row, const uchar* above, size_t n, int bpp)
{
    switch (type) {
    case 0:
        return true;
    case 1:
        for (size_t i = bpp; i < n; ++i)
            row[i] = uchar(row[i] + row[i - bpp]);
        return true;
    case 2:
        for (size_t i = 0; i < n; ++i)
            row[i] = uchar(row[i] + above[i]);
        return true;
    case 3:
        for (size_t i = 0; i < n; ++i)
            row[i] = uchar(row[i] + (((i >= size_t(bpp) ? row[i - bpp] : 0) + above[i]) >> 1));
        return true;
    case 4:
        for (size_t i = 0; i < n; ++i) {
            const bool left = i >= size_t(bpp);
            row[i] = uchar(row[i] + paeth(left ? row[i - bpp] : 0, above[i], left ? above[i - bpp] : 0));
        }
        return true;
    default:
        return false;
    }
}

std::optional<QImage> readPlainPng(const QByteArray& bytes)
{
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const size_t size = size_t(bytes.size());
    if (size < 8 + 25 || std::memcmp(data, "\x89PNG\r\n\x1a\n", 8) != 0 || std::memcmp(data + 12, "IHDR", 4) != 0 ||
        be32(data + 8) != 13 || libdeflate_crc32(0, data + 12, 17) != be32(data + 29))
        return std::nullopt;
    const uchar* header = data + 16;
    const quint32 width = be32(header);
    const quint32 height = be32(header + 4);
    const int depth = header[8], colourType = header[9];
    if (depth != 8 || (colourType != 2 && colourType != 6) || header[10] != 0 || header[11] != 0 || header[12] != 0)
        return std::nullopt;
    if (width == 0 || height == 0 || width > quint32(PictureLimits::kMaxSide) || height > quint32(PictureLimits::kMaxSide) ||
        !PictureLimits::check(QSize(int(width), int(height))))
        return std::nullopt;

    QByteArray deflated;
    std::vector<std::pair<QString, QString>> texts;
    int dotsX = 0, dotsY = 0;
    bool ended = false;
    for (size_t at = 8 + 25; at + 12 <= size && !ended;) {
        const quint32 length = be32(data + at);
        if (length > size - at - 12)
            return std::nullopt;
        const QByteArray type(reinterpret_cast<const char*>(data + at + 4), 4);
        const uchar* body = data + at + 8;
        if (!plainChunk(type) || libdeflate_crc32(0, data + at + 4, length + 4) != be32(body + length))
            return std::nullopt;
        if (type == "IDAT") {
            deflated.append(reinterpret_cast<const char*>(body), qsizetype(length));
        } else if (type == "IEND") {
            ended = true;
        } else if (type == "pHYs" && length == 9 && body[8] == 1) {
            dotsX = int(qMin<quint32>(be32(body), INT_MAX));
            dotsY = int(qMin<quint32>(be32(body + 4), INT_MAX));
        } else if (type == "tEXt") {
            const auto* end = static_cast<const uchar*>(std::memchr(body, 0, length));
            if (end) {
                const QString key = QString::fromLatin1(reinterpret_cast<const char*>(body), end - body);
                texts.emplace_back(key, QString::fromLatin1(reinterpret_cast<const char*>(end + 1),
                                                            qsizetype(body + length - end - 1)));
            }
        }
        at += 12 + length;
    }
    if (!ended || deflated.isEmpty())
        return std::nullopt;

    const int bpp = colourType == 6 ? 4 : 3;
    const size_t rowBytes = size_t(width) * bpp;
    std::vector<uchar> raw((rowBytes + 1) * height);
    const std::unique_ptr<libdeflate_decompressor, DecompressorFree> inflater(libdeflate_alloc_decompressor());
    size_t inflated = 0;
    if (!inflater || libdeflate_zlib_decompress(inflater.get(), deflated.constData(), size_t(deflated.size()),
                                                raw.data(), raw.size(), &inflated) != LIBDEFLATE_SUCCESS ||
        inflated != raw.size())
        return std::nullopt;

    QImage image(int(width), int(height), bpp == 4 ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull())
        return std::nullopt;
    const std::vector<uchar> zeros(rowBytes, 0);
    const uchar* above = zeros.data();
    for (quint32 y = 0; y < height; ++y) {
        uchar* row = raw.data() + y * (rowBytes + 1);
        if (!unfilter(row[0], row + 1, above, rowBytes, bpp))
            return std::nullopt;
        above = row + 1;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(int(y)));
        const uchar* p = row + 1;
        if (bpp == 4) {
            for (quint32 x = 0; x < width; ++x, p += 4)
                out[x] = qRgba(p[0], p[1], p[2], p[3]);
        } else {
            for (quint32 x = 0; x < width; ++x, p += 3)
                out[x] = qRgb(p[0], p[1], p[2]);
        }
    }
    if (dotsX > 0 && dotsY > 0) {
        image.setDotsPerMeterX(dotsX);
        image.setDotsPerMeterY(dotsY);
    }
    for (const auto& [key, text] : texts)
        image.setText(key, text);
    return image;
}

} // namespace

// Out of memory, Qt's reader tries with its row-at-a-time decoding.
std::optional<QImage> PngReader::readPlain(const QByteArray& bytes)
{
    try {
        return readPlainPng(bytes);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

} // namespace montora
