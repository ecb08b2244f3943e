#include "imaging/png_writer.h"

#include <libdeflate.h>

#include <QColorSpace>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <memory>
#include <vector>

namespace montora {

namespace {

constexpr size_t kIdatChunk = 256 * 1024;

struct CompressorFree {
    void operator()(libdeflate_compressor* c) const { libdeflate_free_compressor(c); }
};
using Compressor = std::unique_ptr<libdeflate_compressor, CompressorFree>;

class ChunkWriter {
public:
    QByteArray bytes;

    void chunk(const char type[4], const uchar* data, size_t size)
    {
        const quint32 length = qToBigEndian(quint32(size));
        bytes.append(reinterpret_cast<const char*>(&length), 4);
        const qsizetype start = bytes.size();
        bytes.append(type, 4);
        if (size > 0)
            bytes.append(reinterpret_cast<const char*>(data), qsizetype(size));
        const auto* typed = reinterpret_cast<const uchar*>(bytes.constData() + start);
        const quint32 crc = qToBigEndian(quint32(libdeflate_crc32(0, typed, size + 4)));
        bytes.append(reinterpret_cast<const char*>(&crc), 4);
    }
    void chunk(const char type[4], const QByteArray& data)
    {
        chunk(type, reinterpret_cast<const uchar*>(data.constData()), size_t(data.size()));
    }
};

QByteArray zlibCompress(libdeflate_compressor* compressor, const uchar* data, size_t size)
{
    QByteArray out(qsizetype(libdeflate_zlib_compress_bound(compressor, size)), Qt::Uninitialized);
    const size_t written = libdeflate_zlib_compress(compressor, data, size, out.data(), size_t(out.size()));
    out.resize(qsizetype(written));
    return out;
}

QByteArray bigEndian32(quint32 value)
{
    const quint32 be = qToBigEndian(value);
    return QByteArray(reinterpret_cast<const char*>(&be), 4);
}

// Readers take keywords of 1 to 79 printable Latin-1 characters, with no
// leading, trailing or doubled space.
bool validKeyword(const QString& text)
{
    if (text.isEmpty() || text.size() > 79 || text.startsWith(' ') || text.endsWith(' ') || text.contains("  "))
        return false;
    for (QChar c : text)
        if (c.unicode() < 32 || (c.unicode() > 126 && c.unicode() < 161) || c.unicode() > 255)
            return false;
    return true;
}

bool isLatin1(const QString& text)
{
    for (QChar c : text)
        if (c.unicode() > 255)
            return false;
    return true;
}

void writeMetadata(ChunkWriter& png, const QImage& image, libdeflate_compressor* compressor)
{
    const QColorSpace space = image.colorSpace();
    const QByteArray profile = space.isValid() ? space.iccProfile() : QByteArray();
    if (!profile.isEmpty()) {
        const QString description = space.description();
        QByteArray iccp = (validKeyword(description) ? description : QStringLiteral("ICC profile")).toLatin1();
        iccp.append('\0').append('\0'); // the name's end, then deflate
        iccp.append(zlibCompress(compressor, reinterpret_cast<const uchar*>(profile.constData()), size_t(profile.size())));
        png.chunk("iCCP", iccp);
    }
    if (image.dotsPerMeterX() > 0 && image.dotsPerMeterY() > 0) {
        QByteArray phys = bigEndian32(quint32(image.dotsPerMeterX())) + bigEndian32(quint32(image.dotsPerMeterY()));
        phys.append('\1'); // per metre
        png.chunk("pHYs", phys);
    }
    for (const QString& key : image.textKeys()) {
        if (!validKeyword(key))
            continue;
        const QString text = image.text(key);
        QByteArray body = key.toLatin1();
        body.append('\0');
        if (isLatin1(text)) {
            png.chunk("tEXt", body + text.toLatin1());
        } else {
            body.append("\0\0\0\0", 4); // uncompressed, no language, no translated keyword
            png.chunk("iTXt", body + text.toUtf8());
        }
    }
}

// The filtered rows, each led by its filter type.
class RowFilter {
public:
    RowFilter(size_t rowBytes, int bpp) : m_rowBytes(rowBytes), m_bpp(bpp)
    {
        for (auto& c : m_candidates)
            c.resize(rowBytes);
    }

    void filter(const uchar* row, const uchar* above, uchar* out)
    {
        const size_t n = m_rowBytes;
        const int bpp = m_bpp;
        uchar* sub = m_candidates[0].data();
        uchar* up = m_candidates[1].data();
        uchar* avg = m_candidates[2].data();
        uchar* paeth = m_candidates[3].data();
        unsigned sums[5] = {0, 0, 0, 0, 0};
        for (size_t i = 0; i < n; ++i) {
            const int x = row[i];
            const int a = i >= size_t(bpp) ? row[i - bpp] : 0;
            const int b = above[i];
            const int c = i >= size_t(bpp) ? above[i - bpp] : 0;
            const int p = a + b - c;
            const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
            const int predicted = (pa <= pb && pa <= pc) ? a : (pb <= pc ? b : c);
            sub[i] = uchar(x - a);
            up[i] = uchar(x - b);
            avg[i] = uchar(x - ((a + b) >> 1));
            paeth[i] = uchar(x - predicted);
            sums[0] += cost(uchar(x));
            sums[1] += cost(sub[i]);
            sums[2] += cost(up[i]);
            sums[3] += cost(avg[i]);
            sums[4] += cost(paeth[i]);
        }
        int best = 0;
        for (int t = 1; t < 5; ++t)
            if (sums[t] < sums[best])
                best = t;
        out[0] = uchar(best);
        std::memcpy(out + 1, best == 0 ? row : m_candidates[best - 1].data(), n);
    }

private:
    // A byte's weight as a signed value: small differences either way are cheap.
    static unsigned cost(uchar v) { return v < 128 ? v : 256u - v; }

    size_t m_rowBytes;
    int m_bpp;
    std::vector<uchar> m_candidates[4];
};

void packRow(const QRgb* pixels, int width, bool alpha, uchar* out)
{
    for (int x = 0; x < width; ++x) {
        const QRgb p = pixels[x];
        *out++ = uchar(qRed(p));
        *out++ = uchar(qGreen(p));
        *out++ = uchar(qBlue(p));
        if (alpha)
            *out++ = uchar(qAlpha(p));
    }
}

Result<QByteArray> encodePng(const QImage& source, int level)
{
    const bool alpha = source.hasAlphaChannel();
    const QImage image = alpha ? source.convertToFormat(QImage::Format_ARGB32) : source;
    const Compressor compressor(libdeflate_alloc_compressor(level));
    if (image.isNull() || !compressor)
        return Result<QByteArray>::error(QStringLiteral("Not enough memory to write the picture."));
    const int width = image.width();
    const int height = image.height();
    const int bpp = alpha ? 4 : 3;
    const size_t rowBytes = size_t(width) * bpp;

    std::vector<uchar> filtered((rowBytes + 1) * size_t(height));
    std::vector<uchar> rows[2] = {std::vector<uchar>(rowBytes, 0), std::vector<uchar>(rowBytes, 0)};
    RowFilter filter(rowBytes, bpp);
    for (int y = 0; y < height; ++y) {
        uchar* row = rows[y % 2].data();
        packRow(reinterpret_cast<const QRgb*>(image.constScanLine(y)), width, alpha, row);
        filter.filter(row, rows[(y + 1) % 2].data(), filtered.data() + size_t(y) * (rowBytes + 1));
    }
    const QByteArray compressed = zlibCompress(compressor.get(), filtered.data(), filtered.size());
    if (compressed.isEmpty())
        return Result<QByteArray>::error(QStringLiteral("The picture could not be compressed."));
    std::vector<uchar>().swap(filtered);

    ChunkWriter png;
    png.bytes.reserve(compressed.size() + 64 * 1024);
    png.bytes.append("\x89PNG\r\n\x1a\n", 8);
    QByteArray header = bigEndian32(quint32(width)) + bigEndian32(quint32(height));
    header.append(char(8)).append(char(alpha ? 6 : 2)).append(3, '\0'); // 8 bits, deflate, adaptive, no interlace
    png.chunk("IHDR", header);
    writeMetadata(png, image, compressor.get());
    const auto* data = reinterpret_cast<const uchar*>(compressed.constData());
    for (size_t at = 0; at < size_t(compressed.size()); at += kIdatChunk)
        png.chunk("IDAT", data + at, std::min(kIdatChunk, size_t(compressed.size()) - at));
    png.chunk("IEND", nullptr, 0);
    return png.bytes;
}

} // namespace

bool PngWriter::handles(QImage::Format format)
{
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

Result<QByteArray> PngWriter::encode(const QImage& source, int level)
{
    if (source.isNull() || !handles(source.format()))
        return Result<QByteArray>::error(QStringLiteral("There is no 32-bit picture to write."));
    try {
        return encodePng(source, level);
    } catch (const std::bad_alloc&) {
        return Result<QByteArray>::error(QStringLiteral("Not enough memory to write the picture."));
    }
}

} // namespace montora
