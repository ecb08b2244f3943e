#pragma once

#include "canvas/collage_project.h"

#include <QPoint>
#include <QRect>
#include <QString>

#include <functional>
#include <optional>

namespace montora {

// The pointer shapes the canvas asks for.
enum class CanvasCursor { Arrow, SizeAll, SizeDiagonalDown, SizeHorizontal, SizeDiagonalUp, SizeVertical, Rotate, Brush };

// What one input event asks of the window around the canvas.
struct CanvasResponse {
    bool changed = false;      // canvasChanged(): items, selection or history changed
    bool leavePreview = false; // canvasLeavePreview()
    bool capture = false;      // a drag began
    bool release = false;      // the drag ended
    std::optional<CanvasCursor> cursor; // unset: keep the current one
    std::optional<QString> pickedText;  // a text item was picked
};

// Turns window input, in window coordinates of the project's view (zoom and
// scroll), into edits of the collage: picking, moving, resizing and rotating from
// the selection handles, brush strokes, Delete and Escape. It needs no window, so
// every rule can be checked on its own; the window paints and passes on what the
// responses ask for. The recompose callback must refresh the items' hit regions
// and the selection transform, as a composition does; it is told the part of the
// surface that changed (empty: all of it), so that a drag redraws only around the
// dragged item.
class CanvasInteraction {
public:
    explicit CanvasInteraction(CollageProject& project) : m_project(project) {}

    void setRecompose(std::function<void(const QRect& changedArea)> recompose) { m_recompose = std::move(recompose); }

    CanvasResponse press(QPoint windowPoint);
    CanvasResponse move(QPoint windowPoint);
    CanvasResponse release();
    CanvasResponse deleteKey();
    CanvasResponse escapeKey();

    bool isMoving() const { return m_moving; }
    bool isPainting() const { return m_painting; }
    int handleIndex() const { return m_handleDrag ? m_handle : -1; }
    int stampCounter() const { return m_stampCounter; }

    // The handle of the selected item under a surface point, -1 when none.
    int handleAt(QPointF surfacePoint) const;
    // The topmost item whose hit region holds the surface point, -1 when none.
    int itemAt(QPointF surfacePoint) const;

private:
    QPointF surfacePoint(QPoint windowPoint) const;
    void recompose(const QRect& changedArea = QRect());
    // The surface area the selected items can touch at the view's zoom.
    QRect selectedArea() const;
    void stamp(QPoint windowPoint);
    void rotateSelected(QPointF surface);
    void resizeSelected(QPointF surface);
    void moveSelected(QPoint windowPoint);
    bool overSelectedItem(QPointF surface) const;
    static CanvasCursor cursorForHandle(int handle);

    CollageProject& m_project;
    std::function<void(const QRect&)> m_recompose;
    bool m_moving = false;
    bool m_handleDrag = false;
    int m_handle = 0;
    bool m_painting = false;
    QPoint m_downPoint;
    int m_stampCounter = 0;
};

} // namespace montora
