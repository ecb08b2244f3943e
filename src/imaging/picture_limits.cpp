#include "imaging/picture_limits.h"

namespace montora {

Status PictureLimits::check(const QSize& size)
{
    if (size.width() <= 0 || size.height() <= 0)
        return Status::error(QStringLiteral("The picture has no size."));
    const qint64 pixels = qint64(size.width()) * qint64(size.height());
    if (size.width() > kMaxSide || size.height() > kMaxSide || pixels > kMaxPixels)
        return Status::error(QStringLiteral("The picture is too large (%1 x %2 pixels); at most %3 pixels on a side "
                                            "and %4 million pixels are supported.")
                                 .arg(size.width())
                                 .arg(size.height())
                                 .arg(kMaxSide)
                                 .arg(kMaxPixels / 1'000'000));
    return Status::ok();
}

} // namespace montora
