#pragma once

#include "base/status.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace montora {

// The picture the crop dialog shows: the photo's upright picture (EXIF orientation
// applied, as the canvas draws it), reduced when it is large, its width cut to a
// multiple of 4. The source size is always the upright size before any of that, so
// a rectangle on the preview maps back to the picture's own pixels.
class CropPreview {
public:
    // Above this many pixels the preview is resampled.
    static constexpr qint64 kMaxPixels = 1'920'000;

    // The size a picture of `source` pixels is resampled to: itself when small, else
    // 1600 pixels wide for wide pictures and 1200 pixels high for the rest.
    static QSize resampledSize(QSize source);
    // resampledSize with the width rounded down to a multiple of 4.
    static QSize previewSize(QSize source);

    static Result<CropPreview> load(const QString& path);
    // From pixels already decoded, upright and at their full size.
    static CropPreview fromPicture(const QImage& picture);

    QSize sourceSize() const { return m_sourceSize; }
    // 24-bit RGB.
    const QImage& pixels() const { return m_pixels; }

private:
    static CropPreview fromDecoded(const QImage& decoded, QSize sourceSize);

    QSize m_sourceSize;
    QImage m_pixels;
};

} // namespace montora
