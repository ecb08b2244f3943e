#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace montora {

// Where everything of the photo library panel sits: the 68 x 68 cells in
// columns beside the scroll bar, the picture box and name strip of each cell, the
// vertical scroll range and position, and the button strip along the bottom.
// Cell k is the k-th entry of the visible list.
class PhotoGridLayout {
public:
    static constexpr int kCell = 68;
    static constexpr int kMarginX = 5;
    static constexpr int kMarginY = 10;
    static constexpr int kScrollBarWidth = 17;
    static constexpr int kButtonStrip = 26;
    static constexpr int kNameHeight = 20;
    // Room added below the last row so that it clears the button strip.
    static constexpr int kRangeSlack = 33;
    // |dx| + |dy| beyond this from the press point starts a drag.
    static constexpr int kDragDistance = 25;

    void setClientSize(QSize size);
    QSize clientSize() const { return m_client; }
    void setCount(int count);
    int count() const { return m_count; }

    // Columns that fit beside the scroll bar; 0 means nothing is drawn or hit.
    int columns() const;
    int rows() const;
    // How far the view scrolls; 0 when everything fits (the bar is then hidden).
    int verticalRange() const;
    bool showsVerticalBar() const { return verticalRange() > 0; }

    int scroll() const { return m_scroll; }
    // Clamped to 0..verticalRange().
    void setScroll(int scroll);
    // Scrolls by `delta` pixels as far as the range allows; returns the distance moved.
    int scrollBy(int delta);
    // The scroll position that brings cell k fully into view, moving as little as possible.
    int scrollToShow(int k) const;

    // 58 x 48 pixels, already moved by the scroll position.
    QRect pictureBox(int k) const;
    // The 20 pixels under the picture box, from its left + 2 to its right.
    QRect nameStrip(int k) const;
    // The picture's size fitted into the box (never enlarged) and centred in it.
    static QRect fittedRect(QSize picture, const QRect& box);

    // The cell whose picture box holds the point, or -1 (always -1 in the bottom strip).
    int cellAt(QPoint point) const;
    bool inButtonStrip(QPoint point) const { return point.y() >= m_client.height() - kButtonStrip; }
    // Cells worth painting: those whose picture box is not wholly above the top,
    // up to the first one that starts below the button strip's top.
    int firstPaintedCell() const;
    bool isBelowPaintedArea(int k) const;

    QRect scrollBarRect() const;
    QRect buttonRect() const;

    static bool startsDrag(QPoint press, QPoint now);
    // Whether `inner` lies strictly inside the rubber band spanned by two corners.
    static bool liesInBand(const QRect& inner, QPoint corner, QPoint otherCorner);
    // The band as a rectangle to fill.
    static QRect bandRect(QPoint corner, QPoint otherCorner);

private:
    QSize m_client;
    int m_count = 0;
    int m_scroll = 0;
};

} // namespace montora
