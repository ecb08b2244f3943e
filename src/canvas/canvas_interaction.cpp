#include "canvas/canvas_interaction.h"

#include "canvas/canvas_viewport.h"
#include "canvas/item_geometry.h"
#include "canvas/selection_handles.h"

#include <cmath>

namespace montora {

namespace {

constexpr int kMaxStampCounter = 1000;
constexpr double kPi = 3.14159265358979323846;

// Direction of a point seen from the centre, in degrees: 90 straight above.
double direction(QPointF centre, QPointF point)
{
    return std::atan2(centre.y() - point.y(), centre.x() - point.x()) * 180.0 / kPi;
}

// The item's centre in surface pixels, each coordinate truncated.
QPoint centreOf(const CanvasItem& item, double zoom)
{
    const QSize box = item.boxSize();
    const double scale = item.scale();
    const QPoint at = item.position();
    return QPoint(int(std::trunc((at.x() + box.width() * scale / 2) * zoom)),
                  int(std::trunc((box.height() * scale / 2 + at.y()) * zoom)));
}

// What an item can paint, with room for the soft shadows of text effects, which
// reach past the measured box.
QRect changedBounds(const CanvasItem& item, float zoom)
{
    const QRect bounds = ItemGeometry::surfaceBounds(item, zoom);
    const int margin = 2 * CanvasViewport::kMargin + std::max(bounds.width(), bounds.height()) / 8;
    return bounds.adjusted(-margin, -margin, margin, margin);
}

} // namespace

QRect CanvasInteraction::selectedArea() const
{
    QRect area;
    for (const CanvasItem& item : m_project.items())
        if (item.isSelected() && ItemGeometry::isDrawable(item, m_project.zoom()))
            area |= changedBounds(item, m_project.zoom());
    return area;
}

QPointF CanvasInteraction::surfacePoint(QPoint windowPoint) const
{
    return QPointF(windowPoint + m_project.scroll());
}

void CanvasInteraction::recompose(const QRect& changedArea)
{
    if (m_recompose)
        m_recompose(changedArea);
}

int CanvasInteraction::handleAt(QPointF surface) const
{
    const int selected = m_project.firstSelectedIndex();
    if (selected < 0)
        return -1;
    const CanvasItem& item = m_project.item(selected);
    const float zoom = m_project.zoom();
    return SelectionHandles::hitTest(SelectionHandles::layout(ItemGeometry::handleRect(item, zoom)),
                                     m_project.selectionTransform(), surface);
}

int CanvasInteraction::itemAt(QPointF surface) const
{
    for (int i = m_project.itemCount() - 1; i >= 0; --i) {
        const auto& region = m_project.item(i).runtime().transformedRegion;
        if (region && region->contains(surface))
            return i;
    }
    return -1;
}

CanvasResponse CanvasInteraction::press(QPoint windowPoint)
{
    CanvasResponse response;
    if (m_project.previewMode()) {
        response.leavePreview = true;
        return response;
    }
    const QPointF surface = surfacePoint(windowPoint);
    const BrushSettings& brush = m_project.brushSettings();
    if (brush.brushMode && brush.hasBrush()) {
        m_painting = true;
        response.cursor = CanvasCursor::Brush;
        stamp(windowPoint);
        m_project.setModified(true);
        response.capture = true;
    } else if (const int handle = handleAt(surface); handle >= 0) {
        m_handleDrag = true;
        m_handle = handle;
        response.capture = true;
    } else if (const int picked = itemAt(surface); picked >= 0) {
        m_project.deselectAll();
        CanvasItem& item = m_project.item(picked);
        item.setSelected(true);
        m_moving = true;
        m_downPoint = windowPoint;
        item.savePosition();
        recompose();
        response.capture = true;
        if (const auto* text = item.asText())
            response.pickedText = text->text();
    } else {
        m_project.deselectAll();
        recompose();
    }
    response.changed = true;
    return response;
}

CanvasResponse CanvasInteraction::move(QPoint windowPoint)
{
    CanvasResponse response;
    if (m_project.previewMode())
        return response;
    const QPointF surface = surfacePoint(windowPoint);
    if (m_painting) {
        if (++m_stampCounter > kMaxStampCounter)
            m_stampCounter = 0;
        if (m_stampCounter % 3 == 0)
            stamp(windowPoint);
    }
    if (m_project.brushSettings().brushMode) {
        response.cursor = CanvasCursor::Brush;
        return response;
    }
    const int handle = handleAt(surface);
    if (handle >= 0)
        response.cursor = cursorForHandle(handle);
    else if (!m_handleDrag && !m_moving)
        response.cursor = CanvasCursor::Arrow; // over nothing: the arrow comes back
    if (m_handleDrag) {
        if (SelectionHandles::isRotateHandle(m_handle))
            rotateSelected(surface);
        else
            resizeSelected(surface);
    } else if (overSelectedItem(surface)) {
        response.cursor = CanvasCursor::SizeAll;
    }
    if (m_moving) {
        response.cursor = CanvasCursor::SizeAll;
        moveSelected(windowPoint);
    }
    return response;
}

CanvasResponse CanvasInteraction::release()
{
    CanvasResponse response;
    if (m_painting) {
        response.release = true;
        m_painting = false;
        m_project.pushHistory();
    }
    if (m_moving) {
        response.release = true;
        m_project.pushHistory();
        m_moving = false;
        m_project.setModified(true);
        recompose();
    }
    if (m_handleDrag) {
        response.release = true;
        m_handleDrag = false;
        const int photo = m_project.selectedPhotoIndex();
        if (photo >= 0)
            m_project.item(photo).runtime().clear();
        m_project.pushHistory();
        m_project.setModified(true);
        recompose();
    }
    return response;
}

CanvasResponse CanvasInteraction::deleteKey()
{
    m_project.deleteSelected();
    recompose();
    return CanvasResponse{};
}

CanvasResponse CanvasInteraction::escapeKey()
{
    CanvasResponse response;
    response.leavePreview = m_project.previewMode();
    return response;
}

void CanvasInteraction::stamp(QPoint windowPoint)
{
    // A stamp deselects everything: the handles it takes away are redrawn too.
    const QRect deselected = selectedArea();
    if (m_project.addBrushStamp(m_project.viewPoint(windowPoint)).isOk())
        recompose(deselected | changedBounds(m_project.items().back(), m_project.zoom()));
}

void CanvasInteraction::rotateSelected(QPointF surface)
{
    const int selected = m_project.firstSelectedIndex();
    if (selected < 0)
        return;
    CanvasItem& item = m_project.item(selected);
    const double zoom = m_project.zoom();
    const QSize box = item.boxSize();
    const double scale = item.scale();
    const QPoint at = item.position();
    const bool right = m_handle == 10 || m_handle == 11;
    const bool bottom = m_handle == 9 || m_handle == 11;
    const double cornerX = right ? (at.x() + box.width() * scale) * zoom : at.x() * zoom;
    const double cornerY = bottom ? (at.y() + box.height() * scale) * zoom : at.y() * zoom;
    const QPointF corner(std::trunc(cornerX), std::trunc(cornerY));
    const QPointF centre = centreOf(item, zoom);
    const QRect before = selectedArea();
    item.setAngle(float(direction(centre, surface) - direction(centre, corner)));
    recompose(before | selectedArea());
}

void CanvasInteraction::resizeSelected(QPointF surface)
{
    const int selected = m_project.firstSelectedIndex();
    if (selected < 0)
        return;
    CanvasItem& item = m_project.item(selected);
    const double zoom = m_project.zoom();
    const QSize box = item.boxSize();
    const QPoint centre = centreOf(item, zoom);
    const qint64 dx = qint64(std::trunc(surface.x())) - centre.x();
    const qint64 dy = qint64(std::trunc(surface.y())) - centre.y();
    const int distance = int(std::sqrt(double(dx * dx + dy * dy)));
    const int halfWidth = int(std::trunc(box.width() * zoom / 2));
    const int halfHeight = int(std::trunc(box.height() * zoom / 2));
    int reference = 0;
    if (m_handle % 2 == 0)
        reference = int(std::sqrt(double(halfHeight) * halfHeight + double(halfWidth) * halfWidth));
    else if (m_handle == 1 || m_handle == 5)
        reference = halfWidth;
    else
        reference = halfHeight;
    // An item too small for the handle to have a length cannot be sized from it.
    if (reference <= 0 || box.width() + box.height() <= 0)
        return;
    float scale = float(distance) / float(reference);
    const QRect before = selectedArea();
    item.setPosition(QPoint(int(std::trunc((centre.x() - box.width() * double(scale) * zoom / 2) / zoom)),
                            int(std::trunc((centre.y() - box.height() * double(scale) * zoom / 2) / zoom))));
    if ((box.width() + box.height()) * scale < 16.0f)
        scale = 16.0f / float(box.width() + box.height());
    item.setScale(scale);
    if (item.asPhoto())
        item.runtime().clear();
    recompose(before | selectedArea());
}

void CanvasInteraction::moveSelected(QPoint windowPoint)
{
    const double zoom = m_project.zoom();
    const QPoint delta = windowPoint - m_downPoint;
    const QRect before = selectedArea();
    for (CanvasItem& item : m_project.items()) {
        if (!item.isSelected() || !item.runtime().transformedRegion)
            continue;
        const QPoint saved = item.savedPosition();
        item.setPosition(QPoint(int(std::trunc((zoom * saved.x() + delta.x()) / zoom)),
                                int(std::trunc((zoom * saved.y() + delta.y()) / zoom))));
    }
    recompose(before | selectedArea());
}

bool CanvasInteraction::overSelectedItem(QPointF surface) const
{
    for (const CanvasItem& item : m_project.items()) {
        const auto& region = item.runtime().transformedRegion;
        if (item.isSelected() && region && region->contains(surface))
            return true;
    }
    return false;
}

CanvasCursor CanvasInteraction::cursorForHandle(int handle)
{
    switch (handle) {
    case 0:
    case 4: return CanvasCursor::SizeDiagonalDown;
    case 1:
    case 5: return CanvasCursor::SizeHorizontal;
    case 2:
    case 6: return CanvasCursor::SizeDiagonalUp;
    case 3:
    case 7: return CanvasCursor::SizeVertical;
    default: return CanvasCursor::Rotate;
    }
}

} // namespace montora
