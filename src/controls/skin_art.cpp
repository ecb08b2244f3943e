#include "controls/skin_art.h"

#include "controls_model/three_slice.h"

#include <QFile>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

static void initialiseControlArtwork()
{
    Q_INIT_RESOURCE(controls);
}

namespace montora {

void SkinArt::ensureLoaded()
{
    static const bool loaded = [] {
        initialiseControlArtwork();
        return true;
    }();
    Q_UNUSED(loaded);
}

QSize SkinArt::naturalSize(const QString& resource)
{
    ensureLoaded();
    static QHash<QString, QSize> sizes;
    auto found = sizes.constFind(resource);
    if (found != sizes.constEnd())
        return *found;
    const QSize size = QSvgRenderer(resource).defaultSize();
    sizes.insert(resource, size);
    return size;
}

QPixmap SkinArt::pixmap(const QString& resource, QSize size, qreal pixelRatio)
{
    ensureLoaded();
    if (size.isEmpty())
        return QPixmap();
    const QString key = QStringLiteral("montora-skin:%1:%2x%3@%4")
                            .arg(resource)
                            .arg(size.width())
                            .arg(size.height())
                            .arg(pixelRatio);
    QPixmap cached;
    if (QPixmapCache::find(key, &cached))
        return cached;
    QImage image(size * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        QSvgRenderer renderer(resource);
        renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
    }
    image.setDevicePixelRatio(pixelRatio);
    cached = QPixmap::fromImage(image);
    QPixmapCache::insert(key, cached);
    return cached;
}

void SkinArt::drawThreeSlice(QPainter& painter, const QRect& target, const QString& resource, int sourceWidth,
                             const ThreeSlice& slices)
{
    const qreal ratio = painter.device()->devicePixelRatioF();
    const QPixmap source = pixmap(resource, QSize(sourceWidth, target.height()), ratio);
    if (source.isNull())
        return;
    for (const ThreeSlice::Piece& piece : slices.pieces(target.size(), target.height())) {
        const QRectF from(piece.source.x() * ratio, piece.source.y() * ratio, piece.source.width() * ratio,
                          piece.source.height() * ratio);
        painter.drawPixmap(QRectF(piece.target.translated(target.topLeft())), source, from);
    }
}

} // namespace montora
