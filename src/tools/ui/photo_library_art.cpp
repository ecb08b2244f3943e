#include "tools/ui/photo_library_art.h"

#include "controls/skin_art.h"

#include <QPainter>

static void initialisePhotoArtwork()
{
    Q_INIT_RESOURCE(photos);
}

namespace montora {

void PhotoLibraryArt::ensureLoaded()
{
    static const bool loaded = [] {
        SkinArt::ensureLoaded();
        initialisePhotoArtwork();
        return true;
    }();
    Q_UNUSED(loaded);
}

SkinButton::Skin PhotoLibraryArt::addToCanvasSkin()
{
    return {QStringLiteral(":/photos/add_canvas_normal.svg"), QStringLiteral(":/photos/add_canvas_hot.svg"),
            QStringLiteral(":/photos/add_canvas_pressed.svg"), QStringLiteral(":/photos/add_canvas_disabled.svg")};
}

void PhotoLibraryArt::drawFrame(QPainter& painter, const QRect& framed)
{
    ensureLoaded();
    const QString resource = QStringLiteral(":/photos/frame.svg");
    const QSize natural = SkinArt::naturalSize(resource);
    const qreal ratio = painter.device()->devicePixelRatioF();
    const QPixmap art = SkinArt::pixmap(resource, natural, ratio);
    if (art.isNull() || framed.width() < 4 || framed.height() < 4)
        return;
    // Columns and rows of the nine slices: the left/top edge, the middle, the right/bottom edge.
    const int xs[] = {0, 1, natural.width() - 2, natural.width()};
    const int ys[] = {0, 1, natural.height() - 2, natural.height()};
    const int xt[] = {framed.left(), framed.left() + 1, framed.right() - 1, framed.right() + 1};
    const int yt[] = {framed.top(), framed.top() + 1, framed.bottom() - 1, framed.bottom() + 1};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const QRectF source(xs[column] * ratio, ys[row] * ratio, (xs[column + 1] - xs[column]) * ratio,
                                (ys[row + 1] - ys[row]) * ratio);
            const QRectF target(xt[column], yt[row], xt[column + 1] - xt[column], yt[row + 1] - yt[row]);
            painter.drawPixmap(target, art, source);
        }
    }
}

QPixmap PhotoLibraryArt::missingFileIcon(QSize size, qreal pixelRatio)
{
    ensureLoaded();
    return SkinArt::pixmap(QStringLiteral(":/photos/missing_file.svg"), size, pixelRatio);
}

} // namespace montora
