#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace montora {

// Where everything of a library panel sits: 60 x 60 cells in rows from the top,
// centred across, each with a 58 x 58 picture box, the vertical scroll bar along the right
// edge and, in the modes that have buttons, a button strip along the bottom.
// Cell k is record k of the library file.
class LibraryGridLayout {
public:
    static constexpr int kCell = 60;
    static constexpr int kPictureInset = 1; // 58 x 58 picture boxes
    static constexpr int kMargin = 2;
    static constexpr int kScrollBarWidth = 17;
    static constexpr int kButtonStrip = 24;
    // One wheel notch (120 units) scrolls one row.
    static constexpr int kWheelUnitsPerCell = 120;
    // |dx| + |dy| beyond this from the press point starts a drag.
    static constexpr int kDragDistance = 4;

    void setClientSize(QSize size);
    QSize clientSize() const { return m_client; }
    void setCount(int count);
    int count() const { return m_count; }
    void setButtonStrip(bool on);
    bool hasButtonStrip() const { return m_buttonStrip; }

    // Columns that fit beside the scroll bar; 0 means nothing is drawn or hit.
    int columns() const;
    int rows() const;
    // The height the cells are shown in (above the button strip).
    int viewHeight() const;
    // How far the view scrolls; 0 when every row fits (the bar is then hidden).
    int verticalRange() const;

    int scroll() const { return m_scroll; }
    // Clamped to 0..verticalRange().
    void setScroll(int scroll);
    // The scroll position that brings cell k fully into view, moving as little as possible.
    int scrollToShow(int k) const;

    // The left edge of the first column: the columns are centred beside the scroll bar.
    int originX() const;
    // Already moved by the scroll position.
    QRect cellRect(int k) const;
    QRect pictureBox(int k) const;
    // A picture's size fitted into the box (never enlarged) and centred in it.
    static QRect fittedRect(QSize picture, const QRect& box);

    // The cell under the point, or -1 (outside the cells, past the last one, or
    // over the button strip or the scroll bar).
    int cellAt(QPoint point) const;
    // Whether the point lies where cells are shown (not over the buttons or the bar).
    bool inCellArea(QPoint point) const;

    QRect scrollBarRect() const;
    // Button i of the strip, from the left.
    QRect buttonRect(int i) const;

    static bool startsDrag(QPoint press, QPoint now);

private:
    QSize m_client;
    int m_count = 0;
    int m_scroll = 0;
    bool m_buttonStrip = true;
};

} // namespace montora
