#include "canvas/photo_item.h"

#include "base/fixed_text.h"

#include <cstring>

namespace montora {

Result<PhotoItem> PhotoItem::create(const QString& picturePath, QSize pictureSize, QSize collageSize, int left,
                                    int top, int creationOrdinal)
{
    if (pictureSize.width() <= 0 || pictureSize.height() <= 0)
        return Result<PhotoItem>::error(QStringLiteral("\"%1\" has no pixels.").arg(picturePath));
    PhotoItem item;
    MONTORA_TRY(item.setPicturePath(picturePath));
    item.creationOrdinal = creationOrdinal;
    item.sourceWidth = pictureSize.width();
    item.sourceHeight = pictureSize.height();
    item.cropRight = item.sourceWidth;
    item.cropBottom = item.sourceHeight;
    item.boxWidth = item.sourceWidth;
    item.boxHeight = item.sourceHeight;
    item.scale = float(double(collageSize.width() + collageSize.height())
                       / (3.0 * (double(pictureSize.width()) + pictureSize.height())));
    item.baseScale = item.scale;
    item.left = left;
    item.top = top;
    return item;
}

QString PhotoItem::picturePath() const { return FixedText::decode(path, kPathSize); }

Status PhotoItem::setPicturePath(const QString& picturePath)
{
    MONTORA_TRY_ASSIGN(field, FixedText::encode(picturePath, kPathSize, FixedText::Overflow::Refuse));
    std::memcpy(path, field.constData(), kPathSize);
    return Status::ok();
}

void PhotoItem::clearRuntime()
{
    runtimeRegion = 0;
    runtimePicture = 0;
    runtimeFrame = 0;
}

} // namespace montora
