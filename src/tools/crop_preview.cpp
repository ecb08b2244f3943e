#include "tools/crop_preview.h"

#include "imaging/picture_decoder.h"

namespace montora {

QSize CropPreview::resampledSize(QSize source)
{
    const qint64 w = source.width();
    const qint64 h = source.height();
    if (w <= 0 || h <= 0 || w * h <= kMaxPixels)
        return source;
    if (float(w) / float(h) > 1.3333334f)
        return QSize(1600, int(h * 1600 / w));
    return QSize(int(w * 1200 / h), 1200);
}

QSize CropPreview::previewSize(QSize source)
{
    const QSize resampled = resampledSize(source);
    return QSize(resampled.width() / 4 * 4, resampled.height());
}

CropPreview CropPreview::fromDecoded(const QImage& decoded, QSize sourceSize)
{
    CropPreview preview;
    preview.m_sourceSize = sourceSize;
    const QSize target = resampledSize(sourceSize);
    if (target.isEmpty() || decoded.isNull())
        return preview;
    // A large JPEG arrives already reduced by the decoder; this brings it to the exact size.
    const QImage sized =
        decoded.size() == target ? decoded : decoded.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QSize shown = previewSize(sourceSize);
    preview.m_pixels = sized.copy(0, 0, shown.width(), shown.height()).convertToFormat(QImage::Format_RGB888);
    return preview;
}

CropPreview CropPreview::fromPicture(const QImage& picture) { return fromDecoded(picture, picture.size()); }

Result<CropPreview> CropPreview::load(const QString& path)
{
    MONTORA_TRY_ASSIGN(full, PictureDecoder::size(path));
    const QSize target = resampledSize(full);
    auto decoded = target == full ? PictureDecoder::decode(path) : PictureDecoder::decodeReduced(path, target);
    if (!decoded)
        return Result<CropPreview>::error(decoded.message());
    return fromDecoded(decoded->image, decoded->fullSize);
}

} // namespace montora
