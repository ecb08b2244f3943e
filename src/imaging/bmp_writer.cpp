#include "imaging/bmp_writer.h"

#include "imaging/bmp_header.h"

#include <cstring>
#include <limits>

namespace montora {

namespace {

void rgbToBgr(const uchar* in, uchar* out, int width)
{
    for (int x = 0; x < width; ++x, in += 3, out += 3) {
        out[0] = in[2];
        out[1] = in[1];
        out[2] = in[0];
    }
}

// 32-bit pixels lie in memory as blue, green, red, alpha on the machines we run on.
void dropFourth(const uchar* in, uchar* out, int width)
{
    for (int x = 0; x < width; ++x, in += 4, out += 3)
        std::memcpy(out, in, 3);
}

} // namespace

bool BmpWriter::handles(QImage::Format format)
{
    return format == QImage::Format_RGB888 || format == QImage::Format_BGR888 || format == QImage::Format_RGB32
           || format == QImage::Format_ARGB32;
}

Result<BmpWriter::Blank> BmpWriter::blank(const QSize& size, const QSize& dotsPerMeter)
{
    const qint64 rowBytes = bmpRowBytes24(size.width());
    const qint64 imageBytes = rowBytes * size.height();
    if (size.isEmpty() || kBmpHeaderBytes + imageBytes > std::numeric_limits<quint32>::max())
        return Result<Blank>::error(
            QStringLiteral("A %1 x %2 picture is too large for a BMP file.").arg(size.width()).arg(size.height()));
    Blank blank;
    blank.bytes = QByteArray(qsizetype(kBmpHeaderBytes + imageBytes), Qt::Uninitialized);
    if (blank.bytes.isNull())
        return Result<Blank>::error(QStringLiteral("There is not enough memory to write a %1 x %2 BMP.")
                                        .arg(size.width())
                                        .arg(size.height()));
    const BmpFileHeader file{{'B', 'M'}, quint32(blank.bytes.size()), 0, 0, quint32(kBmpHeaderBytes)};
    const BmpInfoHeader info{sizeof(BmpInfoHeader), size.width(), size.height(), 1, 24, kBmpNoCompression,
                             quint32(imageBytes), dotsPerMeter.width(), dotsPerMeter.height(), 0, 0};
    uchar* data = reinterpret_cast<uchar*>(blank.bytes.data());
    std::memcpy(data, &file, sizeof file);
    std::memcpy(data + sizeof file, &info, sizeof info);
    uchar* pixels = data + kBmpHeaderBytes;
    const qsizetype used = qsizetype(size.width()) * 3;
    if (rowBytes > used)
        for (int y = 0; y < size.height(); ++y)
            std::memset(pixels + y * rowBytes + used, 0, size_t(rowBytes - used));
    blank.rows = {pixels + (size.height() - 1) * rowBytes, -qsizetype(rowBytes), size.width(), size.height(),
                  ChannelOrder::Bgr};
    return blank;
}

Result<QByteArray> BmpWriter::encode(const QImage& image)
{
    if (!handles(image.format()))
        return Result<QByteArray>::error(QStringLiteral("BMP pictures are written from 24- and 32-bit pictures only."));
    MONTORA_TRY_ASSIGN(blank, BmpWriter::blank(image.size(), {image.dotsPerMeterX(), image.dotsPerMeterY()}));
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        const uchar* in = image.constScanLine(y);
        uchar* out = blank.rows.row(y);
        switch (image.format()) {
        case QImage::Format_RGB888: rgbToBgr(in, out, width); break;
        case QImage::Format_BGR888: std::memcpy(out, in, size_t(width) * 3); break;
        default: dropFourth(in, out, width); break;
        }
    }
    return std::move(blank.bytes);
}

} // namespace montora
