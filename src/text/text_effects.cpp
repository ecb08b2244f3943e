#include "text/text_effects.h"

#include "imaging/cubic_resampler.h"
#include "imaging/hatch_brush.h"
#include "text/path_outline.h"
#include "text/styled_text.h"
#include "text/text_fonts.h"
#include "text/text_lines.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace montora {

namespace {

constexpr qreal kFlatness = 0.25;
const QColor kGreyOutline(0xA8, 0xA8, 0xA8);
const QColor kFallbackTop(0xD2, 0x69, 0x1E);
const QColor kFallbackBottom(0xFA, 0xEB, 0xD7);

void setQualityHints(QPainter& painter)
{
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
}

int pathEmPixels(const FontRecord& font, PathTextSize size)
{
    const qint64 numerator = size == PathTextSize::Gallery ? 18 : 15;
    return int(std::clamp<qint64>(qint64(font.lfHeight) * numerator / 20, 1, TextFonts::kMaxEmPixels));
}

// Flat ends and mitred corners (up to ten widths long), so outlines keep sharp corners.
QPen outlinePen(const QColor& colour, qreal width)
{
    QPen pen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    pen.setMiterLimit(10.0);
    return pen;
}

} // namespace

TextEffects::TextEffects(QPainter& painter, const QString& text, const FontRecord& font, const QRectF& box,
                         ColorRef colour1, ColorRef colour2, int alpha, PathTextSize size)
    : m_painter(painter),
      m_lines(TextLines::split(text)),
      m_box(box),
      m_colour1(colourWithAlpha(colour1, alpha)),
      m_colour2(colourWithAlpha(colour2, alpha)),
      m_plainFont(TextFonts::plainFont(font)),
      m_pathFont(TextFonts::pathFont(font.faceName(), pathEmPixels(font, size)))
{
    // The grey outline of effect 2 fades with the item too, so a fully transparent
    // item is invisible whatever its effect.
    m_grey = kGreyOutline;
    m_grey.setAlpha(alpha);
}

void TextEffects::draw(int style)
{
    setQualityHints(m_painter);
    switch (style) {
    case 0:
        return drawStyle0();
    case 1:
        return drawStyle1();
    case 2:
        return drawStyle2();
    case 3:
        return drawStyle3();
    case 4:
        return drawStyle4();
    case 5:
        return drawStyle5();
    case 6:
        return drawStyle6();
    case 7:
        return drawStyle7();
    default:
        return drawFallback();
    }
}

// --- the effects -------------------------------------------------------------------------

void TextEffects::drawStyle0()
{
    drawSoftCopy(0.25, 0.75, [this](QPainter& p) { drawPlainText(p, QPen(m_colour2)); });
    drawPlainText(m_painter, QPen(QBrush(verticalGradient(m_colour1, m_colour2)), 1.0));
}

void TextEffects::drawStyle1()
{
    drawSoftCopy(0.25, 0.75, [this](QPainter& p) { drawPlainText(p, QPen(m_colour1)); });
    // Triangular blend: colour 1 at top and bottom, colour 2 at 60 percent of the height.
    QLinearGradient gradient = verticalGradient(m_colour1, m_colour1);
    gradient.setColorAt(0.6, m_colour2);
    drawPlainText(m_painter, QPen(QBrush(gradient), 1.0));
}

void TextEffects::drawStyle2()
{
    const Groups groups = pathGroups(m_painter);
    fillEach(m_painter, groups, hatch(HatchStyle::DottedGrid));
    strokeEach(m_painter, flattenedEach(groups), outlinePen(m_grey, 1.0));
}

void TextEffects::drawStyle3()
{
    fillEach(m_painter, pathGroups(m_painter), hatch(HatchStyle::Percent05));
}

void TextEffects::drawStyle4()
{
    drawSoftCopy(0.125, 0, [&](QPainter& p) { fillEach(p, pathGroups(p), m_colour1); });
    // Blend factors 0, 0.5, 1 at positions 0, 0.5, 1: an even blend.
    const Groups groups = pathGroups(m_painter);
    fillEach(m_painter, groups, verticalGradient(m_colour1, m_colour2));
    for (const QPainterPath& outline : outlinesOf(groups))
        drawBevelEdges(outline);
}

void TextEffects::drawStyle5()
{
    const Groups outlines = outlinesOf(pathGroups(m_painter));
    fillEach(m_painter, outlines, hatch(HatchStyle::Weave));
    strokeEach(m_painter, outlines, outlinePen(m_colour1, 2.0));
}

void TextEffects::drawStyle6()
{
    drawSoftCopy(0.125, 0, [&](QPainter& p) { fillEach(p, pathGroups(p), m_colour2); });
    const Groups groups = pathGroups(m_painter);
    fillEach(m_painter, groups, m_colour2);
    strokeEach(m_painter, outlinesOf(groups), outlinePen(m_colour1, 2.0));
}

void TextEffects::drawStyle7()
{
    drawSoftCopy(0.5, 0, [&](QPainter& p) {
        const Groups groups = pathGroups(p);
        fillEach(p, groups, m_colour1);
        strokeEach(p, groups, outlinePen(m_colour2, 2.0));
    });
}

void TextEffects::drawFallback()
{
    drawPlainText(m_painter, QPen(QBrush(verticalGradient(kFallbackTop, kFallbackBottom)), 1.0));
}

// --- building blocks ---------------------------------------------------------------------

QPainterPath TextEffects::pathText() const
{
    QPainterPath path = TextLines::path(m_pathFont, m_lines, m_box.topLeft());
    // Glyphs of variable fonts are made of overlapping contours; the winding rule keeps
    // their overlaps filled.
    path.setFillRule(Qt::WindingFill);
    return path;
}

// The path text in groups far enough apart on `painter`'s device that the widest pen
// (2) and anti-aliasing of one group never touch another's pixels.
TextEffects::Groups TextEffects::pathGroups(const QPainter& painter)
{
    if (m_path.isEmpty())
        m_path = pathText();
    const qreal scale = std::sqrt(std::abs(painter.combinedTransform().determinant()));
    const qreal gap = 2.0 + (scale > 1e-6 ? 3.0 / scale : 1e9);
    return PathOutline::separated(m_path, gap);
}

TextEffects::Groups TextEffects::outlinesOf(const Groups& groups)
{
    Groups outlines;
    outlines.reserve(groups.size());
    for (const QPainterPath& group : groups)
        outlines.push_back(PathOutline::windingOutline(group, kFlatness));
    return outlines;
}

TextEffects::Groups TextEffects::flattenedEach(const Groups& groups)
{
    Groups flat;
    flat.reserve(groups.size());
    for (const QPainterPath& group : groups)
        flat.push_back(PathOutline::flattened(group, kFlatness));
    return flat;
}

void TextEffects::fillEach(QPainter& painter, const Groups& groups, const QBrush& brush)
{
    for (const QPainterPath& group : groups)
        painter.fillPath(group, brush);
}

void TextEffects::strokeEach(QPainter& painter, const Groups& groups, const QPen& pen)
{
    for (const QPainterPath& group : groups)
        painter.strokePath(group, pen);
}

QBrush TextEffects::hatch(HatchStyle style) const
{
    return HatchBrush::brush(style, m_colour2, m_colour1, m_painter.combinedTransform());
}

void TextEffects::drawPlainText(QPainter& painter, const QPen& pen) const
{
    painter.setPen(pen);
    TextLines::draw(painter, m_plainFont, m_lines, m_box.topLeft());
}

QLinearGradient TextEffects::verticalGradient(const QColor& top, const QColor& bottom) const
{
    QLinearGradient gradient(m_box.left(), m_box.top(), m_box.left(), m_box.bottom());
    gradient.setSpread(QGradient::RepeatSpread);
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

// Walks the outline's points: edges heading right, or else down, get colour 1 and the
// others colour 2, so the letters look lit from one side. A figure's closing edge is
// not part of the walk.
void TextEffects::drawBevelEdges(const QPainterPath& outline)
{
    const QPen pen1 = outlinePen(m_colour1, 0.5);
    const QPen pen2 = outlinePen(m_colour2, 0.5);
    QPointF start;
    QPointF current;
    for (const PathOutline::PathPoint& p : PathOutline::points(outline)) {
        switch (p.type) {
        case PathOutline::Start:
            start = current = p.point;
            continue;
        case PathOutline::CloseFlag:
            m_painter.setPen(pen1);
            m_painter.drawLine(QLineF(p.point, start));
            continue;
        case 0x03:
        case 0x07:
        case 0x20:
            continue;
        default:
            break;
        }
        const bool lit = p.point.x() > current.x() || p.point.y() > current.y();
        m_painter.setPen(lit ? pen1 : pen2);
        m_painter.drawLine(QLineF(current, p.point));
        current = p.point;
    }
}

// The picture enlarged towards the size it will have on the device, smoothly: the
// painter's own filtering is bilinear and would show the small picture's pixels as
// diamonds, where a bicubic enlargement gives the soft blur intended. Half of the
// enlargement is done here; the painter's last factor of two no longer shows.
QImage TextEffects::enlarged(const QImage& image, qreal factor)
{
    factor /= 2;
    if (!(factor > 1.5))
        return image;
    const qreal pixels = qreal(image.width()) * image.height() * factor * factor;
    if (pixels > qreal(kMaxSoftCopyPixels))
        factor = std::sqrt(qreal(kMaxSoftCopyPixels) / (qreal(image.width()) * image.height()));
    if (!(factor > 1.5))
        return image;
    const QSize size(int(std::ceil(image.width() * factor)), int(std::ceil(image.height() * factor)));
    QImage result = CubicResampler::resize(image, size);
    return result.isNull() ? image : result;
}

QRectF TextEffects::visibleBoxArea() const
{
    const QPaintDevice* device = m_painter.device();
    bool invertible = false;
    const QTransform toBox = m_painter.combinedTransform().inverted(&invertible);
    if (!device || device->width() <= 0 || device->height() <= 0 || !invertible)
        return QRectF(m_box.topLeft(), QSizeF(1e9, 1e9));
    QRectF visible(0, 0, device->width(), device->height());
    if (m_painter.hasClipping())
        visible &= m_painter.combinedTransform().mapRect(m_painter.clipBoundingRect());
    return toBox.mapRect(visible);
}

void TextEffects::drawSoftCopy(qreal k, qreal d, const Content& content)
{
    // The picture has the box's size in pixels, but the content fills only its top-left
    // k-th (plus d), and of that only the part whose enlargement can reach the visible
    // area is made (and never more than kMaxSoftCopyPixels).
    const QRectF filled(0, 0, std::min(m_box.width(), m_box.width() * k + d + 2),
                         std::min(m_box.height(), m_box.height() * k + 2));
    const QRect picture = filled.toAlignedRect();
    const QRectF visible = visibleBoxArea().translated(-m_box.topLeft());
    const QRectF wanted(visible.x() * k, visible.y() * k, visible.width() * k, visible.height() * k);
    if (!std::isfinite(wanted.x()) || !std::isfinite(wanted.y()) || !std::isfinite(wanted.width())
        || !std::isfinite(wanted.height()))
        return;
    const QRectF limit(picture);
    const QRect part = (wanted.adjusted(-2, -2, 2, 2) & limit).toAlignedRect() & picture;
    if (part.isEmpty() || qint64(part.width()) * part.height() > kMaxSoftCopyPixels)
        return;

    QImage image(part.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        setQualityHints(p);
        p.translate(-part.topLeft());
        // Box point q lands at k * q + (d, 0) in the picture.
        p.translate(d, 0);
        p.scale(k, k);
        p.translate(-m_box.topLeft());
        content(p);
    }
    const QRectF target(m_box.left() + part.x() / k, m_box.top() + part.y() / k, part.width() / k,
                        part.height() / k);
    m_painter.drawImage(target, enlarged(image, std::sqrt(std::abs(m_painter.combinedTransform().determinant())) / k));
}

} // namespace montora
