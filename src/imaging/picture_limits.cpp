#include "imaging/picture_limits.h"

#include <QFile>

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

Result<QByteArray> PictureLimits::readFile(const QString& path, qint64 maxBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Result<QByteArray>::error(QStringLiteral("Cannot open \"%1\": %2").arg(path, file.errorString()));
    const qint64 size = file.size();
    if (size > maxBytes)
        return Result<QByteArray>::error(QStringLiteral("\"%1\" is too large (%2 MB); picture files of at most "
                                                        "%3 MB are supported.")
                                             .arg(path)
                                             .arg(size >> 20)
                                             .arg(maxBytes >> 20));
    // Read at most one byte more than allowed: a file that grew since is refused too.
    QByteArray bytes = file.read(maxBytes + 1);
    if (bytes.size() > maxBytes)
        return Result<QByteArray>::error(QStringLiteral("\"%1\" is too large.").arg(path));
    if (file.error() != QFileDevice::NoError)
        return Result<QByteArray>::error(QStringLiteral("Cannot read \"%1\": %2").arg(path, file.errorString()));
    return bytes;
}

} // namespace montora
