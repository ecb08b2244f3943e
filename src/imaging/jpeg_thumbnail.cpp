#include "imaging/jpeg_thumbnail.h"

#include <QPainter>
#include <QTransform>

namespace montora {

Result<QImage> JpegThumbnail::orient(const QByteArray& jpeg, int quarterTurns, bool mirror)
{
    QImage image;
    if (jpeg.isEmpty() || !image.loadFromData(jpeg, "JPEG"))
        return Result<QImage>::error(QStringLiteral("The thumbnail is not a readable JPEG."));
    // Mirror flag: a half turn (which also undoes the upside-down storage, mirrored).
    image = mirror ? image.mirrored(true, true) : image.mirrored(false, true);
    if (quarterTurns >= 1 && quarterTurns <= 3)
        image = image.transformed(QTransform().rotate(90.0 * quarterTurns));
    return image;
}

Status JpegThumbnail::draw(QPainter& painter, const QByteArray& jpeg, const QRect& target, int quarterTurns,
                           bool mirror)
{
    MONTORA_TRY_ASSIGN(image, orient(jpeg, quarterTurns, mirror));
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image);
    painter.restore();
    return Status::ok();
}

} // namespace montora
