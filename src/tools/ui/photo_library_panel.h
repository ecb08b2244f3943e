#pragma once

#include "controls_model/scroll_bar_model.h"
#include "library/photo_list.h"
#include "tools/photo_grid_layout.h"
#include "tools/photo_selection.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QWidget>

#include <vector>

namespace montora {

class SkinButton;
class SkinScrollBar;

// The photo library's thumbnail grid: a picture and a name per photo, selected
// with the mouse and the keys, dragged towards the canvas. It shows the entries
// its owner hands it and keeps no copy of them; the owner calls entriesChanged()
// whenever it changed the list, and decides what the signals lead to.
class PhotoLibraryPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int kAddToCanvasId = 10480;
    static constexpr int kContextMenuSource = 1;
    static QString addToCanvasCaption() { return QStringLiteral("Add to Canvas"); }

    explicit PhotoLibraryPanel(QWidget* parent = nullptr);

    // "Set lists": the entries to show (they stay the owner's), or none.
    void setEntries(std::vector<PhotoListEntry>* entries);
    void entriesChanged();
    // Marks the selected entries removed; false (and nothing changes) when none is selected.
    bool removeSelected();
    // The entry the main window adds to the canvas, or -1.
    int anchor() const { return m_selection.anchor(); }
    bool dragStarted() const { return m_dragStarted; }
    void resetDragStarted() { m_dragStarted = false; }

    const PhotoGridLayout& gridLayout() const { return m_layout; }
    const PhotoSelection& selection() const { return m_selection; }
    SkinScrollBar* verticalBar() const { return m_verticalBar; }
    SkinButton* addToCanvasButton() const { return m_addButton; }
    // The name as drawn under cell k.
    QString shownName(int k) const;
    // Whether cell k shows the missing-file icon (its file no longer exists).
    bool showsMissingIcon(int k) const;
    // Whether cell k is marked as a picture that could be read only in part.
    bool showsPartialMark(int k) const;
    QString toolTipText(int k) const;
    // The rectangle cell k's picture is drawn in.
    QRect fittedRect(int k) const;
    bool isBanding() const { return m_banding; }

signals:
    // PHOTO_SELECTION_LIST: after every change of the selected set; the positions
    // of the selected entries.
    void photoSelectionList(const QList<int>& ids);
    // PHOTO_SELECTION_CHANGED: a click or a key changed the selection.
    void photoSelectionChanged();
    // PHOTO_ADD_TO_CANVAS: the "Add to Canvas" button or a double click.
    void photoAddToCanvas();
    // CANVAS_CONTEXT_MENU with lParam 1: the right button, after selecting there.
    void canvasContextMenu(int source, const QPoint& globalPosition);
    // A press on a thumbnail moved far enough to be a drag; then where it goes and
    // where the button was let go (the main window performs the drop).
    void photoDragStarted();
    void photoDragMoved(const QPoint& globalPosition);
    void photoDragEnded(const QPoint& globalPosition);

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
    struct CachedThumbnail {
        QByteArray source;
        int quarterTurns = 0;
        QImage image;
    };

    void relayout();
    void updateScrollBar();
    void scrollTo(int position);
    void onVerticalScroll(ScrollAction action, int position);
    bool handleKey(QKeyEvent* event);
    // A left click (or the right button's selection) at `point`; true when a cell was hit.
    bool clickAt(QPoint point, Qt::KeyboardModifiers modifiers);
    void moveBand(QPoint pointer);
    void sendSelection(bool changedByClick);
    const QImage& thumbnail(int k);
    void paintCell(QPainter& painter, int k);
    static void paintPartialMark(QPainter& painter, const QRect& fitted);

    std::vector<PhotoListEntry>* m_entries = nullptr;
    PhotoGridLayout m_layout;
    PhotoSelection m_selection;
    SkinScrollBar* m_verticalBar;
    SkinButton* m_addButton;
    std::vector<CachedThumbnail> m_thumbnails;

    bool m_banding = false;
    QPoint m_bandPress;
    QPoint m_bandPointer;

    bool m_pressedOnThumbnail = false;
    QPoint m_pressPoint;
    bool m_dragStarted = false;
};

} // namespace montora
