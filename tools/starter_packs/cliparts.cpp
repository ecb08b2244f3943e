// Cliparts from SVG files, each scaled so that what it draws (not its page) fills
// the picture.
#include "starter_art.h"

#include <QFileInfo>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

namespace montora::starter {

namespace {

constexpr int kProbeSide = 512;

QRect drawnBox(const QImage& image)
{
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(row[x]) > 8) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

QImage render(QSvgRenderer& svg, const QSize& size, const QRectF& page)
{
    QImage image = canvas(size.width(), size.height());
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    svg.render(&p, page);
    p.end();
    return image;
}

} // namespace

std::vector<QImage> cliparts(const QString& svgRoot, const QStringList& names, int side, QString* error)
{
    std::vector<QImage> pictures;
    for (const QString& name : names) {
        const QString path = svgRoot + '/' + name;
        QSvgRenderer svg(path);
        QSizeF page = svg.viewBoxF().size();
        if (!QFileInfo(path).isFile() || !svg.isValid() || page.isEmpty()) {
            *error = QStringLiteral("cannot draw %1 (is openclipart-svg installed?)").arg(path);
            return {};
        }
        // First find where the drawing lies on its page, then draw just that part.
        const double probe = kProbeSide / std::max(page.width(), page.height());
        const QSize probeSize(std::ceil(page.width() * probe), std::ceil(page.height() * probe));
        const QRect box = drawnBox(render(svg, probeSize, QRectF(QPointF(0, 0), probeSize)));
        if (box.isEmpty()) {
            *error = QStringLiteral("%1 draws nothing").arg(path);
            return {};
        }
        const double scale = (side - 4) / double(std::max(box.width(), box.height()));
        const QSize out(std::max(1, int(std::ceil(box.width() * scale)) + 4),
                        std::max(1, int(std::ceil(box.height() * scale)) + 4));
        const QRectF pageRect(2 - box.left() * scale, 2 - box.top() * scale, probeSize.width() * scale,
                              probeSize.height() * scale);
        QImage drawn = render(svg, out, pageRect);
        const QRect tight = drawnBox(drawn);
        pictures.push_back(finished(tight.isEmpty() ? drawn : drawn.copy(tight.adjusted(-1, -1, 1, 1))));
    }
    return pictures;
}

} // namespace montora::starter
