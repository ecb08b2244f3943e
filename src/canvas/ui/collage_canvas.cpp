#include "canvas/ui/collage_canvas.h"

#include "canvas/canvas_viewport.h"
#include "controls/skin_scroll_bar.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

// The cursors live in a resource of this static library; nothing else refers to it.
static void initialiseCanvasArtwork() { Q_INIT_RESOURCE(canvas); }

namespace montora {

namespace {

constexpr int kLineStep = 1;
constexpr int kPageStep = 100;
constexpr int kWheelNotchPixels = 60;

QCursor artCursor(const QString& resource, QPoint hotSpot)
{
    static const bool loaded = [] {
        initialiseCanvasArtwork();
        return true;
    }();
    Q_UNUSED(loaded);
    QImage picture(32, 32, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    QSvgRenderer(resource).render(&painter);
    painter.end();
    return QCursor(QPixmap::fromImage(picture), hotSpot.x(), hotSpot.y());
}

} // namespace

CollageCanvas::CollageCanvas(QWidget* parent)
    : QWidget(parent), m_interaction(m_project),
      m_verticalBar(new SkinScrollBar(Qt::Vertical, this)),
      m_horizontalBar(new SkinScrollBar(Qt::Horizontal, this))
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_verticalBar->hide();
    m_horizontalBar->hide();
    m_interaction.setRecompose([this](const QRect& changedArea) { recompose(changedArea); });
    m_project.setHistoryListener([this] { emit canvasChanged(); });
    connect(m_verticalBar, &SkinScrollBar::canvasVScroll, this,
            [this](ScrollAction action, int position) { scrollVertically(action, position); });
    connect(m_horizontalBar, &SkinScrollBar::canvasHScroll, this,
            [this](ScrollAction action, int position) { scrollHorizontally(action, position); });
}

CollageCanvas::~CollageCanvas() { m_project.setHistoryListener({}); }

void CollageCanvas::contentsReplaced()
{
    m_compositor.dropCaches();
    m_verticalBar->setPosition(0);
    m_horizontalBar->setPosition(0);
    recompose();
    emit canvasChanged();
}

void CollageCanvas::setZoom(float zoom)
{
    m_project.setZoom(zoom);
    m_verticalBar->setPosition(0);
    m_horizontalBar->setPosition(0);
    recompose();
}

void CollageCanvas::zoomAbout(float zoom, QPoint windowPoint)
{
    const QPointF collagePoint = QPointF(windowPoint + m_project.scroll()) / double(m_project.zoom());
    m_project.setZoom(zoom);
    updateScrollRanges();
    const QPoint wanted = (collagePoint * double(m_project.zoom())).toPoint() - windowPoint;
    const int margin = viewMargin();
    m_horizontalBar->setPosition(CanvasViewport::positionFor(wanted.x(), m_horizontalBar->range(), margin));
    m_verticalBar->setPosition(CanvasViewport::positionFor(wanted.y(), m_verticalBar->range(), margin));
    recompose();
}

void CollageCanvas::setPreviewMode(bool preview)
{
    m_project.setPreviewMode(preview);
    recompose();
}

// A scrolled view keeps a strip of workspace beyond each edge of the collage, so
// the handles of an item at the edge are never cut; Preview shows no handles.
int CollageCanvas::viewMargin() const { return m_project.previewMode() ? 0 : CanvasViewport::kMargin; }

void CollageCanvas::updateScrollRanges()
{
    const QRect collage = Compositor::collageRect(m_project.size(), m_project.zoom());
    const bool preview = m_project.previewMode();
    const int margin = viewMargin();
    const int thickness = preview ? 0 : kBarThickness;
    // isHidden(), not isVisible(): the bars count before the canvas itself is shown.
    const bool verticalWas = !m_verticalBar->isHidden();
    const bool horizontalWas = !m_horizontalBar->isHidden();
    auto update = [preview](SkinScrollBar* bar, int range) {
        bar->setRange(range);
        bar->setVisible(range > 0 && !preview);
    };
    update(m_verticalBar, CanvasViewport::range(collage.height(), height(), margin, thickness));
    update(m_horizontalBar, CanvasViewport::range(collage.width(), width(), margin, thickness));
    const int across = width() - (m_verticalBar->isHidden() ? 0 : thickness);
    const int down = height() - (m_horizontalBar->isHidden() ? 0 : thickness);
    m_project.setScroll(QPoint(CanvasViewport::origin(collage.width(), across, m_horizontalBar->position(),
                                                      m_horizontalBar->range(), margin),
                               CanvasViewport::origin(collage.height(), down, m_verticalBar->position(),
                                                      m_verticalBar->range(), margin)));
    if (verticalWas == m_verticalBar->isHidden() || horizontalWas == m_horizontalBar->isHidden())
        layoutScrollBars();
}

void CollageCanvas::layoutScrollBars()
{
    const int right = width();
    const int bottom = height();
    const int thickness = kBarThickness;
    const int belowBar = m_horizontalBar->isHidden() ? 0 : thickness;
    const int besideBar = m_verticalBar->isHidden() ? 0 : thickness;
    m_verticalBar->setGeometry(QRect(QPoint(right - 16, -1), QPoint(right, bottom - belowBar)));
    m_horizontalBar->setGeometry(QRect(QPoint(-1, bottom - 16), QPoint(right - besideBar, bottom)));
}

void CollageCanvas::recompose(const QRect& changedArea)
{
    if (changedArea.isEmpty() || m_surface.size() != size())
        return recompose();
    const QPoint origin = m_project.scroll();
    const QRect area = changedArea & QRect(origin, size());
    if (area.isEmpty())
        return;
    m_compositor.compose(m_project, m_surface, composeOptions(area));
    update(area.translated(-origin));
}

Compositor::Options CollageCanvas::composeOptions(const QRect& area) const
{
    Compositor::Options options;
    options.zoom = m_project.zoom();
    options.area = area;
    options.drawHandles = !m_project.previewMode();
    options.origin = m_project.scroll();
    return options;
}

void CollageCanvas::recompose()
{
    updateScrollRanges();
    const QSize client = size();
    if (client.isEmpty())
        return;
    if (m_surface.size() != client)
        m_surface = QImage(client, QImage::Format_RGB32);
    m_surface.fill(QColor::fromRgba(Compositor::kWorkspace));
    m_compositor.compose(m_project, m_surface, composeOptions(QRect(m_project.scroll(), client)));
    update();
}

void CollageCanvas::scrollVertically(ScrollAction action, int position)
{
    scroll(m_verticalBar, action, position);
}

void CollageCanvas::scrollHorizontally(ScrollAction action, int position)
{
    scroll(m_horizontalBar, action, position);
}

void CollageCanvas::scroll(SkinScrollBar* bar, ScrollAction action, int position)
{
    const int range = bar->range();
    int now = bar->position();
    switch (action) {
    case ScrollAction::LineUp: now -= kLineStep; break;
    case ScrollAction::LineDown: now += kLineStep; break;
    case ScrollAction::PageUp: now -= kPageStep; break;
    case ScrollAction::PageDown: now += kPageStep; break;
    case ScrollAction::ThumbPosition:
    case ScrollAction::ThumbTrack: now = position; break;
    case ScrollAction::Top: now = 0; break;
    case ScrollAction::Bottom: now = range; break;
    }
    scrollTo(bar, now);
}

void CollageCanvas::scrollTo(SkinScrollBar* bar, int position)
{
    bar->setPosition(std::clamp(position, 0, std::max(0, bar->range())));
    recompose();
}

void CollageCanvas::wheelEvent(QWheelEvent* event)
{
    event->accept();
    if (event->modifiers() & Qt::ControlModifier) {
        // Notches add up, so a touchpad's small steps zoom once per notch's worth.
        m_zoomDelta += event->angleDelta().y();
        const int steps = m_zoomDelta / 120;
        m_zoomDelta -= steps * 120;
        if (steps != 0)
            emit wheelZoomRequested(steps, event->position().toPoint());
        return;
    }
    // A touchpad reports pixels; a wheel reports notches of 120.
    QPoint delta = event->pixelDelta();
    if (delta.isNull())
        delta = event->angleDelta() * kWheelNotchPixels / 120;
    if (event->modifiers() & Qt::ShiftModifier)
        delta = QPoint(delta.x() != 0 ? delta.x() : delta.y(), 0);
    if (event->inverted())
        delta = -delta;
    if (delta.y() != 0 && m_verticalBar->range() > 0)
        scrollTo(m_verticalBar, m_verticalBar->position() - delta.y());
    if (delta.x() != 0 && m_horizontalBar->range() > 0)
        scrollTo(m_horizontalBar, m_horizontalBar->position() - delta.x());
}

void CollageCanvas::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect dirty = event->rect();
    if (m_surface.isNull())
        painter.fillRect(dirty, QColor::fromRgba(Compositor::kWorkspace));
    else
        painter.drawImage(dirty, m_surface, dirty);
}

void CollageCanvas::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    updateScrollRanges();
    layoutScrollBars();
    recompose();
}

void CollageCanvas::apply(const CanvasResponse& response)
{
    if (response.cursor)
        showCursor(*response.cursor);
    if (response.pickedText)
        emit textItemPicked(*response.pickedText);
    if (response.leavePreview)
        emit canvasLeavePreview();
    if (response.changed)
        emit canvasChanged();
}

void CollageCanvas::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    setFocus(Qt::MouseFocusReason);
    apply(m_interaction.press(event->position().toPoint()));
}

void CollageCanvas::mouseMoveEvent(QMouseEvent* event) { apply(m_interaction.move(event->position().toPoint())); }

void CollageCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    apply(m_interaction.release());
}

void CollageCanvas::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

void CollageCanvas::contextMenuEvent(QContextMenuEvent* event)
{
    event->accept();
    emit canvasContextMenu();
}

bool CollageCanvas::event(QEvent* event)
{
    // Ahead of shortcuts and focus moves, as the key filter of the window does.
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        const int key = keyEvent->key();
        if (key == Qt::Key_0 && keyEvent->modifiers() == Qt::ControlModifier) {
            event->accept();
            if (event->type() == QEvent::KeyPress)
                emit fitRequested();
            return true;
        }
        if (key == Qt::Key_Delete || key == Qt::Key_Escape) {
            event->accept();
            if (event->type() == QEvent::KeyPress)
                apply(key == Qt::Key_Delete ? m_interaction.deleteKey() : m_interaction.escapeKey());
            return true;
        }
    }
    return QWidget::event(event);
}

void CollageCanvas::showCursor(CanvasCursor cursor)
{
    static const QCursor brush = artCursor(QStringLiteral(":/canvas/cursor_brush.svg"), QPoint(3, 26));
    static const QCursor rotate = artCursor(QStringLiteral(":/canvas/cursor_rotate.svg"), QPoint(16, 16));
    switch (cursor) {
    case CanvasCursor::Arrow: return setCursor(Qt::ArrowCursor);
    case CanvasCursor::SizeAll: return setCursor(Qt::SizeAllCursor);
    case CanvasCursor::SizeDiagonalDown: return setCursor(Qt::SizeFDiagCursor);
    case CanvasCursor::SizeHorizontal: return setCursor(Qt::SizeHorCursor);
    case CanvasCursor::SizeDiagonalUp: return setCursor(Qt::SizeBDiagCursor);
    case CanvasCursor::SizeVertical: return setCursor(Qt::SizeVerCursor);
    case CanvasCursor::Rotate: return setCursor(rotate);
    case CanvasCursor::Brush: return setCursor(brush);
    }
}

bool CollageCanvas::undo()
{
    const bool acted = m_project.undo();
    if (acted) {
        recompose();
        emit historyRestored();
    }
    return acted;
}

bool CollageCanvas::redo()
{
    const bool acted = m_project.redo();
    if (acted) {
        recompose();
        emit historyRestored();
    }
    return acted;
}

bool CollageCanvas::afterLayerCommand(bool acted)
{
    if (acted)
        recompose();
    return acted;
}

void CollageCanvas::deleteSelected()
{
    m_project.deleteSelected();
    recompose();
}

void CollageCanvas::bringForward() { afterLayerCommand(m_project.bringForward()); }
void CollageCanvas::sendBackward() { afterLayerCommand(m_project.sendBackward()); }
void CollageCanvas::bringToFront() { afterLayerCommand(m_project.bringToFront()); }
void CollageCanvas::sendToBack() { afterLayerCommand(m_project.sendToBack()); }

} // namespace montora
