#include "imaging/bmp_reader.h"

#include "base/binary_reader.h"
#include "imaging/bmp_header.h"
#include "imaging/picture_limits.h"

#include <QFileInfo>

#include <cstdlib>
#include <cstring>
#include <limits>

namespace montora {

namespace {

bool isPlain(const BmpFileHeader& file, const BmpInfoHeader& info)
{
    return std::memcmp(file.magic, "BM", 2) == 0 && info.headerBytes == sizeof(BmpInfoHeader) && info.planes == 1
           && info.bitsPerPixel == 24 && info.compression == kBmpNoCompression && info.width > 0
           && info.height != 0 && info.height != std::numeric_limits<qint32>::min()
           && file.pixelOffset >= kBmpHeaderBytes;
}

} // namespace

std::optional<BmpReader::Plain> BmpReader::plain(const QByteArray& bytes)
{
    BinaryReader reader(bytes);
    BmpFileHeader file{};
    BmpInfoHeader info{};
    if (!reader.readRecord(file) || !reader.readRecord(info) || !isPlain(file, info))
        return std::nullopt;
    const int height = std::abs(info.height);
    if (!PictureLimits::check(QSize(info.width, height)))
        return std::nullopt;
    const qsizetype rowBytes = bmpRowBytes24(info.width);
    const qint64 needed = qint64(rowBytes) * height;
    if (!reader.seek(file.pixelOffset) || !reader.checkFits(needed, 1, "BMP pixels"))
        return std::nullopt;
    const uchar* pixels = reinterpret_cast<const uchar*>(bytes.constData()) + file.pixelOffset;
    Plain plain;
    plain.rows = info.height > 0
                     ? ConstPixelRows{pixels + (height - 1) * rowBytes, -rowBytes, info.width, height, ChannelOrder::Bgr}
                     : ConstPixelRows{pixels, rowBytes, info.width, height, ChannelOrder::Bgr};
    plain.dotsPerMeter = QSize(std::max(0, info.dotsPerMeterX), std::max(0, info.dotsPerMeterY));
    return plain;
}

std::optional<BmpReader::Loaded> BmpReader::load(const QString& path)
{
    // Only a regular file: opening a pipe would wait for its writer.
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    Result<QByteArray> bytes = PictureLimits::readFile(path);
    if (!bytes || bytes->size() < kBmpHeaderBytes)
        return std::nullopt;
    Loaded loaded;
    loaded.m_bytes = std::move(*bytes);
    const std::optional<Plain> picture = plain(loaded.m_bytes);
    if (!picture)
        return std::nullopt;
    loaded.m_picture = *picture;
    return loaded;
}

QImage BmpReader::toImage(const Plain& picture)
{
    const ConstPixelRows& rows = picture.rows;
    QImage image(rows.width, rows.height, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    for (int y = 0; y < rows.height; ++y) {
        const uchar* in = rows.row(y);
        QRgb* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < rows.width; ++x, in += 3)
            out[x] = qRgb(in[2], in[1], in[0]);
    }
    if (picture.dotsPerMeter.width() > 0)
        image.setDotsPerMeterX(picture.dotsPerMeter.width());
    if (picture.dotsPerMeter.height() > 0)
        image.setDotsPerMeterY(picture.dotsPerMeter.height());
    return image;
}

} // namespace montora
