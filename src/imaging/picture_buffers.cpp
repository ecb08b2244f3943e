#include "imaging/picture_buffers.h"

#include "imaging/jpeg_memory_encoder.h"
#include "imaging/picture_decoder.h"
#include "imaging/picture_loader.h"
#include "imaging/resampler.h"

#include <QPainter>

#include <cstring>
#include <vector>

namespace montora {

namespace {

Status checkBuffer(const uchar* buffer, int width, int height)
{
    if (!buffer || width <= 0 || height <= 0)
        return Status::error(QStringLiteral("No buffer to fill."));
    return Status::ok();
}

// Writes an RGB32/ARGB32 picture of exactly width x height into bottom-up R,G,B rows.
void writeBottomUpRgb(const QImage& picture, uchar* buffer)
{
    const int width = picture.width();
    const int height = picture.height();
    for (int k = 0; k < height; ++k) {
        const auto* pixels = reinterpret_cast<const QRgb*>(picture.constScanLine(k));
        uchar* out = buffer + qsizetype(height - 1 - k) * width * 3;
        for (int j = 0; j < width; ++j) {
            *out++ = uchar(qRed(pixels[j]));
            *out++ = uchar(qGreen(pixels[j]));
            *out++ = uchar(qBlue(pixels[j]));
        }
    }
}

QImage stretchOverWhite(const QImage& source, int width, int height)
{
    QImage scaled = source.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (!scaled.hasAlphaChannel())
        return scaled.convertToFormat(QImage::Format_RGB32);
    QImage canvas(width, height, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    painter.drawImage(0, 0, scaled);
    painter.end();
    return canvas;
}

} // namespace

Status PictureBuffers::loadPictureRgb(const QString& path, uchar* buffer, int width, int height)
{
    MONTORA_TRY(checkBuffer(buffer, width, height));
    MONTORA_TRY_ASSIGN(decoded, PictureDecoder::decodeReduced(path, QSize(width, height)));
    QImage picture;
    if (decoded.path == DecodePath::Qt) {
        picture = stretchOverWhite(decoded.image, width, height);
    } else {
        // The image library's fast nearest-pixel resampling.
        picture = decoded.image.scaled(width, height, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                      .convertToFormat(QImage::Format_RGB32);
    }
    if (picture.isNull())
        return Status::error(QStringLiteral("Not enough memory to shrink \"%1\".").arg(path));
    writeBottomUpRgb(picture, buffer);
    return Status::ok();
}

Status PictureBuffers::loadPictureBgr(const QString& path, uchar* buffer, int width, int height)
{
    MONTORA_TRY(checkBuffer(buffer, width, height));
    MONTORA_TRY_ASSIGN(decoded, PictureDecoder::decode(path));
    if (decoded.path == DecodePath::ImageLibrary) {
        const QImage picture = decoded.image.scaled(width, height, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                                   .convertToFormat(QImage::Format_BGR888);
        for (int row = 0; row < height; ++row)
            std::memcpy(buffer + qsizetype(row) * width * 3, picture.constScanLine(row), size_t(width) * 3);
        return Status::ok();
    }
    // Rounding the width down to a multiple of 4 makes the rows exactly width * 3
    // bytes, the packed layout the resampler reads.
    const int roundedWidth = decoded.image.width() & ~3;
    if (roundedWidth == 0)
        return Status::error(QStringLiteral("\"%1\" is too narrow to convert.").arg(path));
    const QImage clone = decoded.image.copy(0, 0, roundedWidth, decoded.image.height())
                             .convertToFormat(QImage::Format_BGR888);
    if (clone.isNull() || clone.bytesPerLine() != qsizetype(roundedWidth) * 3)
        return Status::error(QStringLiteral("Not enough memory to convert \"%1\".").arg(path));
    Resampler::resampleBilinear(clone.constBits(), buffer, roundedWidth, clone.height(), width, height, 3);
    return Status::ok();
}

Result<QByteArray> PictureBuffers::photoThumbnail(const QString& path)
{
    std::vector<uchar> rgb(size_t(kThumbnailSide) * kThumbnailSide * 3);
    MONTORA_TRY(loadPictureRgb(path, rgb.data(), kThumbnailSide, kThumbnailSide));
    return JpegMemoryEncoder::encode(rgb.data(), kThumbnailSide, kThumbnailSide, kThumbnailQuality);
}

} // namespace montora
