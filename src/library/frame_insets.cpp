#include "library/frame_insets.h"

#include <cmath>

namespace montora {

bool FrameInsets::isValid() const
{
    auto inRange = [](float v) { return std::isfinite(v) && v >= 0.0f && v <= 1.0f; };
    return inRange(left) && inRange(top) && inRange(right) && inRange(bottom) && left < right && top < bottom;
}

Status FrameInsets::check() const
{
    if (isValid())
        return Status::ok();
    return Status::error(QStringLiteral("Frame insets %1, %2, %3, %4 do not describe an opening: each must lie "
                                        "between 0 and 1, left below right and top below bottom.")
                             .arg(left)
                             .arg(top)
                             .arg(right)
                             .arg(bottom));
}

QSize FrameInsets::frameBox(const QSize& photoSize) const
{
    if (!isValid())
        return QSize();
    // Single precision on purpose: it is what stored collages were laid out with.
    const float width = float(photoSize.width()) / (right - left);
    const float height = float(photoSize.height()) / (bottom - top);
    if (!(width < 2e9f) || !(height < 2e9f))
        return QSize();
    return QSize(int(width), int(height));
}

Result<FrameInsets> FrameInsets::fromTransparentOpening(const QImage& frame)
{
    const QImage image = frame.convertToFormat(QImage::Format_ARGB32);
    int minX = image.width(), minY = image.height(), maxX = -1, maxY = -1;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(row[x]) >= 128)
                continue;
            minX = std::min(minX, x);
            maxX = std::max(maxX, x);
            minY = std::min(minY, y);
            maxY = std::max(maxY, y);
        }
    }
    if (maxX < 0)
        return Result<FrameInsets>::error(
            QStringLiteral("The frame picture has no transparent opening; give its insets."));
    const float w = float(image.width());
    const float h = float(image.height());
    FrameInsets insets{float(minX) / w, float(minY) / h, float(maxX + 1) / w, float(maxY + 1) / h};
    MONTORA_TRY(insets.check());
    return insets;
}

} // namespace montora
