#include "controls/skin_scroll_bar.h"

#include "controls/skin_art.h"

#include <QMouseEvent>
#include <QPainter>

namespace montora {

namespace {

using Part = ScrollBarModel::Part;

constexpr int kThickness = ScrollBarModel::kThickness;
constexpr int kArrow = ScrollBarModel::kArrowLength;
constexpr int kCap = 10;

QString art(const char* name)
{
    return QStringLiteral(":/controls/scroll_%1.svg").arg(QLatin1String(name));
}

} // namespace

SkinScrollBar::SkinScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent), m_orientation(orientation)
{
    SkinArt::ensureLoaded();
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::ArrowCursor);
    setAutoFillBackground(false);
    m_model.setLength(length());
}

QSize SkinScrollBar::sizeHint() const
{
    return m_orientation == Qt::Vertical ? QSize(kThickness, 200) : QSize(200, kThickness);
}

int SkinScrollBar::length() const
{
    return m_orientation == Qt::Vertical ? height() : width();
}

int SkinScrollBar::along(const QPointF& point) const
{
    return int(m_orientation == Qt::Vertical ? point.y() : point.x());
}

void SkinScrollBar::setRange(int range)
{
    m_model.setRange(range);
    update();
}

void SkinScrollBar::setPosition(int position)
{
    m_model.setPosition(position);
    update();
}

void SkinScrollBar::setSizeFactor(int factor)
{
    m_model.setSizeFactor(factor);
    update();
}

void SkinScrollBar::notify(ScrollAction action, int position)
{
    if (m_orientation == Qt::Vertical)
        emit canvasVScroll(action, position);
    else
        emit canvasHScroll(action, position);
}

void SkinScrollBar::resizeEvent(QResizeEvent*)
{
    m_model.setLength(length());
}

void SkinScrollBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int at = along(event->position());
    m_pressedPart = m_model.range() > 0 ? m_model.partAt(at) : Part::None;
    switch (m_pressedPart) {
    case Part::Thumb:
        m_dragging = true;
        m_dragStartPointer = at;
        m_dragStartThumb = m_model.thumbStart();
        break;
    case Part::FirstArrow: notify(ScrollAction::LineUp); break;
    case Part::SecondArrow: notify(ScrollAction::LineDown); break;
    default: break;
    }
    update();
}

void SkinScrollBar::mouseMoveEvent(QMouseEvent* event)
{
    const int at = along(event->position());
    const bool overThumb = m_model.range() > 0 && m_model.partAt(at) == Part::Thumb;
    if (overThumb != m_thumbHot && !m_dragging) {
        m_thumbHot = overThumb;
        update();
    }
    if (!m_dragging || m_model.range() <= 0)
        return;
    const int position = m_model.positionForDrag(m_dragStartThumb, at - m_dragStartPointer);
    if (position < 0 || position > m_model.range())
        return;
    m_model.setPosition(position);
    notify(ScrollAction::ThumbTrack, position);
    update();
}

void SkinScrollBar::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const Part released = m_model.partAt(along(event->position()));
    // Only a click that both began and ended on the track pages; a press on an
    // arrow that slides onto the track has already scrolled by a line.
    const bool onTrack = released == Part::TrackBefore || released == Part::TrackAfter;
    const bool pressedOnTrack = m_pressedPart == Part::TrackBefore || m_pressedPart == Part::TrackAfter;
    if (!m_dragging && onTrack && pressedOnTrack && m_model.range() > 0)
        notify(released == Part::TrackAfter ? ScrollAction::PageDown : ScrollAction::PageUp);
    m_dragging = false;
    m_pressedPart = Part::None;
    update();
}

void SkinScrollBar::leaveEvent(QEvent*)
{
    if (m_thumbHot && !m_dragging) {
        m_thumbHot = false;
        update();
    }
}

void SkinScrollBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (m_model.range() <= 0)
        return;
    // Drawn as a vertical bar; the horizontal twin is the same picture mirrored
    // about the diagonal.
    if (m_orientation == Qt::Horizontal)
        painter.setTransform(QTransform(0, 1, 1, 0, 0, 0));
    const int extent = length();
    const qreal ratio = devicePixelRatioF();
    const QSize arrowSize(kThickness, kArrow);
    const bool firstDown = m_pressedPart == Part::FirstArrow;
    const bool secondDown = m_pressedPart == Part::SecondArrow;
    if (extent > 2 * kArrow)
        painter.drawPixmap(QRect(0, kArrow, kThickness, extent - 2 * kArrow),
                           SkinArt::pixmap(art("track"), QSize(kThickness, 4), ratio));
    painter.drawPixmap(0, 0, SkinArt::pixmap(art(firstDown ? "up_pressed" : "up"), arrowSize, ratio));
    painter.drawPixmap(0, extent - kArrow,
                       SkinArt::pixmap(art(secondDown ? "down_pressed" : "down"), arrowSize, ratio));
    paintThumb(painter, extent);
}

void SkinScrollBar::paintThumb(QPainter& painter, int extent)
{
    const qreal ratio = devicePixelRatioF();
    const bool hot = m_thumbHot || m_dragging;
    const int top = m_model.thumbStart();
    const int end = m_model.thumbEnd();
    if (end - top <= 0 || extent <= 2 * kArrow)
        return;
    const QSize cap(kThickness, kCap);
    const QPixmap middle = SkinArt::pixmap(art(hot ? "thumb_middle_hot" : "thumb_middle"), QSize(kThickness, 4), ratio);
    if (end - top > 2 * kCap)
        painter.drawTiledPixmap(QRect(0, top + kCap, kThickness, end - top - 2 * kCap), middle);
    painter.save();
    painter.setClipRect(QRect(0, top, kThickness, end - top));
    painter.drawPixmap(0, top, SkinArt::pixmap(art(hot ? "thumb_top_hot" : "thumb_top"), cap, ratio));
    painter.drawPixmap(0, end - kCap, SkinArt::pixmap(art(hot ? "thumb_bottom_hot" : "thumb_bottom"), cap, ratio));
    painter.restore();
}

} // namespace montora
