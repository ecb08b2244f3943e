#include "app/ui/shell_art.h"

#include <QImage>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

static void initialiseShellArtwork()
{
    Q_INIT_RESOURCE(shell);
}

namespace montora {

static void ensureShellArtwork()
{
    static const bool loaded = [] {
        initialiseShellArtwork();
        return true;
    }();
    Q_UNUSED(loaded);
}

QString ShellArt::path(const QString& name)
{
    ensureShellArtwork();
    return QStringLiteral(":/shell/%1.svg").arg(name);
}

QPixmap ShellArt::pixmap(const QString& name, QSize size, qreal devicePixelRatio)
{
    const QString resource = path(name);
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    const QString key = QStringLiteral("montora-shell:%1:%2x%3@%4")
                            .arg(name)
                            .arg(size.width())
                            .arg(size.height())
                            .arg(ratio);
    QPixmap cached;
    if (QPixmapCache::find(key, &cached))
        return cached;

    QSvgRenderer renderer(resource);
    if (!renderer.isValid())
        return QPixmap();
    const QSize logical = size.isEmpty() ? renderer.defaultSize() : size;
    if (logical.isEmpty())
        return QPixmap();
    // Rendering straight at the device size (instead of scaling a 1x picture) keeps
    // the half-pixel strokes on whole device pixels at 2x.
    const QSize device(qRound(logical.width() * ratio), qRound(logical.height() * ratio));
    QImage image(device, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(device)));
    }
    image.setDevicePixelRatio(ratio);
    cached = QPixmap::fromImage(std::move(image));
    QPixmapCache::insert(key, cached);
    return cached;
}

} // namespace montora
