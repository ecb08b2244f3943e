#include "tools/photo_grid_layout.h"

#include "imaging/resampler.h"

#include <algorithm>
#include <cstdlib>

namespace montora {

void PhotoGridLayout::setClientSize(QSize size)
{
    m_client = size;
    setScroll(m_scroll);
}

void PhotoGridLayout::setCount(int count)
{
    m_count = std::max(0, count);
    setScroll(m_scroll);
}

int PhotoGridLayout::columns() const { return std::max(0, (m_client.width() - kScrollBarWidth) / kCell); }

int PhotoGridLayout::rows() const
{
    const int perRow = columns();
    return perRow == 0 ? 0 : (m_count + perRow - 1) / perRow;
}

int PhotoGridLayout::verticalRange() const
{
    return std::max(0, rows() * kCell - m_client.height() + kRangeSlack);
}

void PhotoGridLayout::setScroll(int scroll) { m_scroll = std::clamp(scroll, 0, verticalRange()); }

int PhotoGridLayout::scrollBy(int delta)
{
    const int before = m_scroll;
    setScroll(m_scroll + delta);
    return m_scroll - before;
}

int PhotoGridLayout::scrollToShow(int k) const
{
    const int perRow = columns();
    if (perRow == 0 || k < 0 || k >= m_count)
        return m_scroll;
    const int top = (k / perRow) * kCell;
    const int bottom = top + kCell;
    const int view = m_client.height() - kButtonStrip;
    int scroll = m_scroll;
    if (top < scroll)
        scroll = top;
    else if (bottom > scroll + view)
        scroll = bottom - view;
    return std::clamp(scroll, 0, verticalRange());
}

QRect PhotoGridLayout::pictureBox(int k) const
{
    const int perRow = std::max(1, columns());
    const int column = k % perRow;
    const int row = k / perRow;
    return QRect(column * kCell + kMarginX, row * kCell + kMarginY - m_scroll, kCell - 2 * kMarginX,
                 kCell - 2 * kMarginY);
}

QRect PhotoGridLayout::nameStrip(int k) const
{
    const QRect box = pictureBox(k);
    return QRect(box.left() + 2, box.top() + box.height(), box.width() - 2, kNameHeight);
}

QRect PhotoGridLayout::fittedRect(QSize picture, const QRect& box)
{
    const QSize fitted = Resampler::fitSize(std::max(0, picture.width()), std::max(0, picture.height()), box.width(),
                                            box.height());
    return QRect(box.left() + (box.width() - fitted.width()) / 2, box.top() + (box.height() - fitted.height()) / 2,
                 fitted.width(), fitted.height());
}

int PhotoGridLayout::cellAt(QPoint point) const
{
    const int perRow = columns();
    if (perRow == 0 || point.x() < 0 || point.y() < 0 || inButtonStrip(point))
        return -1;
    const int column = point.x() / kCell;
    const int y = point.y() + m_scroll;
    const int row = y / kCell;
    if (column >= perRow)
        return -1;
    const int k = row * perRow + column;
    if (k >= m_count)
        return -1;
    return pictureBox(k).contains(point) ? k : -1;
}

int PhotoGridLayout::firstPaintedCell() const
{
    const int perRow = columns();
    if (perRow == 0)
        return m_count;
    // A row's picture boxes end (exclusive) at row * 68 + 58 - scroll.
    const int boxEnd = kCell - kMarginY;
    const int skippedRows = m_scroll >= boxEnd ? (m_scroll - boxEnd) / kCell + 1 : 0;
    return std::min(m_count, skippedRows * perRow);
}

bool PhotoGridLayout::isBelowPaintedArea(int k) const
{
    return pictureBox(k).top() > m_client.height() - kButtonStrip;
}

QRect PhotoGridLayout::scrollBarRect() const
{
    return QRect(m_client.width() - kScrollBarWidth, -1, kScrollBarWidth, m_client.height() - kButtonStrip + 2);
}

QRect PhotoGridLayout::buttonRect() const
{
    return QRect(0, m_client.height() - kButtonStrip, m_client.width(), kButtonStrip - 1);
}

bool PhotoGridLayout::startsDrag(QPoint press, QPoint now)
{
    return std::abs(now.x() - press.x()) + std::abs(now.y() - press.y()) > kDragDistance;
}

bool PhotoGridLayout::liesInBand(const QRect& inner, QPoint corner, QPoint otherCorner)
{
    if (inner.isEmpty())
        return false;
    const int left = std::min(corner.x(), otherCorner.x());
    const int right = std::max(corner.x(), otherCorner.x());
    const int top = std::min(corner.y(), otherCorner.y());
    const int bottom = std::max(corner.y(), otherCorner.y());
    return inner.left() > left && inner.top() > top && inner.x() + inner.width() < right &&
           inner.y() + inner.height() < bottom;
}

QRect PhotoGridLayout::bandRect(QPoint corner, QPoint otherCorner)
{
    const int left = std::min(corner.x(), otherCorner.x());
    const int right = std::max(corner.x(), otherCorner.x());
    const int top = std::min(corner.y(), otherCorner.y());
    const int bottom = std::max(corner.y(), otherCorner.y());
    return QRect(left, top, right - left, bottom - top);
}

} // namespace montora
