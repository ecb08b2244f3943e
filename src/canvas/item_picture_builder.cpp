#include "canvas/item_picture_builder.h"

#include "imaging/picture_decoder.h"
#include "imaging/resampler.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace montora {

namespace {

QImage toArgb32(const QImage& image)
{
    if (image.format() == QImage::Format_ARGB32)
        return image;
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

CropBox ItemPictureBuilder::clampCrop(const CropBox& crop, QSize picture)
{
    const int width = picture.width();
    const int height = picture.height();
    CropBox clamped = crop;
    if (clamped.left < 0 || clamped.left > width)
        clamped.left = 0;
    if (clamped.top < 0 || clamped.top > height)
        clamped.top = 0;
    if (clamped.right < 0 || clamped.right > width)
        clamped.right = width;
    if (clamped.bottom < 0 || clamped.bottom > height)
        clamped.bottom = height;
    return clamped;
}

QSize ItemPictureBuilder::decodeSizeFor(const PhotoPictureRequest& request)
{
    const int cropWidth = request.crop.right - request.crop.left;
    const int cropHeight = request.crop.bottom - request.crop.top;
    if (cropWidth <= 0 || cropHeight <= 0 || request.display.isEmpty())
        return QSize();
    const double factor = std::max(double(request.display.width()) / cropWidth,
                                   double(request.display.height()) / cropHeight);
    if (factor >= 1.0)
        return QSize();
    return QSize(int(std::ceil(request.fullSize.width() * factor)),
                 int(std::ceil(request.fullSize.height() * factor)));
}

QImage ItemPictureBuilder::photo(const PhotoPictureRequest& request, CanvasResources* resources, PictureWork& work)
{
    if (request.crop.isEmpty() || request.display.isEmpty() || request.fullSize.isEmpty())
        return QImage();
    const QSize atLeast = decodeSizeFor(request);
    auto decoded = atLeast.isValid() ? PictureDecoder::decodeReduced(request.path, atLeast)
                                     : PictureDecoder::decode(request.path);
    ++work.decodes;
    if (!decoded || decoded->image.isNull())
        return QImage();
    QImage image = std::move(decoded->image);
    if (image.depth() < 8)
        image = image.convertToFormat(QImage::Format_ARGB32);
    // The crop is in full-size pixels; the picture may have been decoded smaller.
    const double sx = double(image.width()) / request.fullSize.width();
    const double sy = double(image.height()) / request.fullSize.height();
    const QRect cropRect = QRect(QPoint(int(std::floor(request.crop.left * sx)), int(std::floor(request.crop.top * sy))),
                                 QPoint(int(std::ceil(request.crop.right * sx)) - 1,
                                        int(std::ceil(request.crop.bottom * sy)) - 1))
                               .intersected(image.rect());
    if (cropRect.isEmpty())
        return QImage();
    // The crop as a view on the decoded pixels: reduced first, converted after, so the
    // large picture is never copied.
    const int depth = image.depth() / 8;
    QImage cropped(image.constBits() + qsizetype(cropRect.top()) * image.bytesPerLine() + cropRect.left() * depth,
                   cropRect.width(), cropRect.height(), image.bytesPerLine(), image.format());
    if (image.format() == QImage::Format_Indexed8)
        cropped.setColorTable(image.colorTable());
    QImage picture;
    if (request.display.width() < cropped.width()) {
        picture = toArgb32(cropped.scaled(request.display, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        ++work.rescales;
    } else {
        // A deep copy: the view dies with the decoded picture.
        picture = cropped.format() == QImage::Format_ARGB32 ? cropped.copy() : cropped.convertToFormat(QImage::Format_ARGB32);
    }
    if (request.maskNumber > 0 && resources) {
        const QImage mask = request.customMask ? resources->customMaskPicture(request.maskKey)
                                               : resources->maskPicture(request.maskNumber - 1);
        if (!mask.isNull()) {
            applyMask(picture, mask);
            ++work.masks;
        }
    }
    return picture;
}

QImage ItemPictureBuilder::reduced(const QImage& source, QSize display, PictureWork& work)
{
    if (source.isNull() || display.isEmpty())
        return QImage();
    if (display.width() < source.width()) {
        ++work.rescales;
        return toArgb32(source.scaled(display, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    QImage copy = toArgb32(source);
    return copy;
}

QImage ItemPictureBuilder::brush(const QImage& source, ColorRef colour, QSize display, PictureWork& work)
{
    if (source.isNull())
        return QImage();
    QImage coloured = source.convertToFormat(QImage::Format_ARGB32);
    const QRgb rgb = qRgb(int(colour & 0xFF), int(colour >> 8 & 0xFF), int(colour >> 16 & 0xFF)) & 0x00FFFFFFu;
    for (int y = 0; y < coloured.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(coloured.scanLine(y));
        for (int x = 0; x < coloured.width(); ++x)
            line[x] = (line[x] & 0xFF000000u) | rgb;
    }
    return reduced(coloured, display, work);
}

QImage ItemPictureBuilder::frame(const QImage& source, QSize display, PictureWork& work)
{
    if (source.isNull() || display.isEmpty())
        return QImage();
    ++work.frames;
    // Like every cached picture, a frame is only ever reduced; the draw enlarges it.
    if (display.width() >= source.width() && display.height() >= source.height())
        return toArgb32(source);
    return toArgb32(source.scaled(display, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void ItemPictureBuilder::applyMask(QImage& picture, const QImage& mask)
{
    if (picture.isNull() || mask.isNull())
        return;
    if (picture.format() != QImage::Format_ARGB32)
        picture = picture.convertToFormat(QImage::Format_ARGB32);
    const QImage source = toArgb32(mask);
    const int width = picture.width();
    const int height = picture.height();
    // The resampler wants packed rows; a QImage row may carry padding.
    std::vector<std::uint8_t> packed(size_t(source.width()) * size_t(source.height()) * 4);
    for (int y = 0; y < source.height(); ++y)
        std::copy_n(source.constScanLine(y), size_t(source.width()) * 4, packed.data() + size_t(y) * source.width() * 4);
    std::vector<std::uint8_t> resized(size_t(width) * size_t(height) * 4, 255);
    Resampler::resampleBilinear(packed.data(), resized.data(), source.width(), source.height(), width, height, 4);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        const std::uint8_t* maskRow = resized.data() + size_t(y) * width * 4;
        for (int x = 0; x < width; ++x)
            line[x] = (line[x] & 0x00FFFFFFu) | std::uint32_t(255 - maskRow[size_t(x) * 4]) << 24;
    }
}

} // namespace montora
