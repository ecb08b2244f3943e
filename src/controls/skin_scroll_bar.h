#pragma once

#include "controls_model/scroll_bar_model.h"

#include <QWidget>

namespace montora {

// The skinned scroll bar that panels and the canvas put along their edge. It
// keeps a range and a position and reports what the user did with an action
// code; the owner decides how far that scrolls and writes the position back.
class SkinScrollBar : public QWidget {
    Q_OBJECT

public:
    explicit SkinScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

    Qt::Orientation orientation() const { return m_orientation; }

    void setRange(int range);
    int range() const { return m_model.range(); }
    void setPosition(int position);
    int position() const { return m_model.position(); }
    void setSizeFactor(int factor);
    const ScrollBarModel& model() const { return m_model; }

    QSize sizeHint() const override;

signals:
    // CANVAS_VSCROLL: an action on a vertical bar; `position` is set for ThumbTrack.
    void canvasVScroll(montora::ScrollAction action, int position);
    // CANVAS_HSCROLL: the same for a horizontal bar.
    void canvasHScroll(montora::ScrollAction action, int position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int along(const QPointF& point) const;
    int length() const;
    void notify(ScrollAction action, int position = 0);
    void paintThumb(QPainter& painter, int extent);

    Qt::Orientation m_orientation;
    ScrollBarModel m_model;
    ScrollBarModel::Part m_pressedPart = ScrollBarModel::Part::None;
    bool m_dragging = false;
    int m_dragStartPointer = 0;
    int m_dragStartThumb = 0;
    bool m_thumbHot = false;
};

} // namespace montora
