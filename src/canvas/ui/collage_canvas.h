#pragma once

#include "base/status.h"
#include "canvas/canvas_interaction.h"
#include "canvas/collage_project.h"
#include "canvas/compositor.h"
#include "controls_model/scroll_bar_model.h"

#include <QImage>
#include <QWidget>

namespace montora {

class SkinScrollBar;

// The canvas window: shows the collage at the project's zoom and scroll from a
// picture of only the visible part, centred while it fits, and turns mouse, keys and the two skinned
// scroll bars into edits through CanvasInteraction.
class CollageCanvas : public QWidget {
    Q_OBJECT

public:
    static constexpr int kBarThickness = ScrollBarModel::kThickness;

    explicit CollageCanvas(QWidget* parent = nullptr);
    ~CollageCanvas() override;

    CollageProject& project() { return m_project; }
    const CollageProject& project() const { return m_project; }
    CanvasInteraction& interaction() { return m_interaction; }
    // The picture of the visible part as last composed.
    const QImage& surface() const { return m_surface; }
    SkinScrollBar* verticalBar() const { return m_verticalBar; }
    SkinScrollBar* horizontalBar() const { return m_horizontalBar; }

    // The project's items were replaced (a new or opened collage): cached pictures
    // go, the view scrolls back to the top-left corner and everything is redrawn.
    void contentsReplaced();
    void dropCaches() { m_compositor.dropCaches(); }
    void setZoom(float zoom);
    // Zooms keeping the collage point under the window point where it is.
    void zoomAbout(float zoom, QPoint windowPoint);
    void setPreviewMode(bool preview);
    // Scroll requests in the bars' action codes.
    void scrollVertically(ScrollAction action, int position = 0);
    void scrollHorizontally(ScrollAction action, int position = 0);

    void recompose();
    // Recomposes only a part of the surface (in surface coordinates at the zoom);
    // empty means all of it.
    void recompose(const QRect& changedArea);
    bool undo();
    bool redo();
    void deleteSelected();
    void bringForward();
    void sendBackward();
    void bringToFront();
    void sendToBack();

signals:
    // Items, selection or history changed.
    void canvasChanged();
    void canvasContextMenu();
    // Ctrl+wheel: positive steps zoom in; the window that keeps the zoom list answers
    // with zoomAbout().
    void wheelZoomRequested(int steps, QPoint windowPoint);
    // Ctrl+0: show the whole collage.
    void fitRequested();
    // A click or Escape in preview mode.
    void canvasLeavePreview();
    // A text item was clicked; its text goes to the text panel.
    void textItemPicked(const QString& text);
    // Undo or redo put back an earlier state of the items.
    void historyRestored();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void apply(const CanvasResponse& response);
    Compositor::Options composeOptions(const QRect& area) const;
    void updateScrollRanges();
    void layoutScrollBars();
    void scroll(SkinScrollBar* bar, ScrollAction action, int position);
    void scrollTo(SkinScrollBar* bar, int position);
    int viewMargin() const;
    void showCursor(CanvasCursor cursor);
    bool afterLayerCommand(bool acted);

    CollageProject m_project;
    Compositor m_compositor;
    CanvasInteraction m_interaction;
    QImage m_surface;
    SkinScrollBar* m_verticalBar = nullptr;
    SkinScrollBar* m_horizontalBar = nullptr;
    int m_zoomDelta = 0;
};

} // namespace montora
