#include "library/library_grid_layout.h"

#include "library/library_panel_rules.h"

#include <algorithm>

namespace montora {

void LibraryGridLayout::setClientSize(QSize size)
{
    m_client = size;
    setScroll(m_scroll);
}

void LibraryGridLayout::setCount(int count)
{
    m_count = std::max(0, count);
    setScroll(m_scroll);
}

void LibraryGridLayout::setButtonStrip(bool on)
{
    m_buttonStrip = on;
    setScroll(m_scroll);
}

int LibraryGridLayout::columns() const
{
    return std::max(0, (m_client.width() - 2 * kMargin - kScrollBarWidth) / kCell);
}

int LibraryGridLayout::rows() const
{
    const int perRow = columns();
    return perRow == 0 ? 0 : (m_count + perRow - 1) / perRow;
}

int LibraryGridLayout::viewHeight() const
{
    return std::max(0, m_client.height() - (m_buttonStrip ? kButtonStrip : 0));
}

int LibraryGridLayout::verticalRange() const
{
    if (rows() == 0)
        return 0;
    return std::max(0, rows() * kCell + 2 * kMargin - viewHeight());
}

void LibraryGridLayout::setScroll(int scroll) { m_scroll = std::clamp(scroll, 0, verticalRange()); }

int LibraryGridLayout::scrollToShow(int k) const
{
    if (k < 0 || k >= m_count || columns() == 0)
        return m_scroll;
    const int top = kMargin + (k / columns()) * kCell;
    int scroll = m_scroll;
    if (top - scroll < 0)
        scroll = top - kMargin;
    else if (top + kCell - scroll > viewHeight())
        scroll = top + kCell + kMargin - viewHeight();
    return std::clamp(scroll, 0, verticalRange());
}

int LibraryGridLayout::originX() const
{
    const int spare = m_client.width() - 2 * kMargin - kScrollBarWidth - columns() * kCell;
    return kMargin + std::max(0, spare) / 2;
}

QRect LibraryGridLayout::cellRect(int k) const
{
    const int perRow = std::max(1, columns());
    return QRect(originX() + (k % perRow) * kCell, kMargin + (k / perRow) * kCell - m_scroll, kCell, kCell);
}

QRect LibraryGridLayout::pictureBox(int k) const
{
    return cellRect(k).adjusted(kPictureInset, kPictureInset, -kPictureInset, -kPictureInset);
}

QRect LibraryGridLayout::fittedRect(QSize picture, const QRect& box)
{
    if (picture.isEmpty() || box.isEmpty())
        return QRect(box.center(), QSize(0, 0));
    QSize fitted = picture;
    if (fitted.width() > box.width() || fitted.height() > box.height())
        fitted = picture.scaled(box.size(), Qt::KeepAspectRatio);
    fitted = fitted.expandedTo(QSize(1, 1));
    return QRect(box.x() + (box.width() - fitted.width()) / 2, box.y() + (box.height() - fitted.height()) / 2,
                 fitted.width(), fitted.height());
}

bool LibraryGridLayout::inCellArea(QPoint point) const
{
    return point.x() >= 0 && point.y() >= 0 && point.y() < viewHeight() &&
           point.x() < m_client.width() - kScrollBarWidth;
}

int LibraryGridLayout::cellAt(QPoint point) const
{
    if (!inCellArea(point) || columns() == 0)
        return -1;
    const int x = point.x() - originX();
    const int y = point.y() - kMargin + m_scroll;
    if (x < 0 || y < 0)
        return -1;
    const int column = x / kCell;
    if (column >= columns())
        return -1;
    const int k = (y / kCell) * columns() + column;
    return k < m_count ? k : -1;
}

QRect LibraryGridLayout::scrollBarRect() const
{
    return QRect(m_client.width() - kScrollBarWidth, 0, kScrollBarWidth, viewHeight());
}

QRect LibraryGridLayout::buttonRect(int i) const
{
    constexpr int width = LibraryPanelRules::kButtonWidth;
    constexpr int height = LibraryPanelRules::kButtonHeight;
    return QRect(kMargin + i * width, m_client.height() - height - kMargin, width, height);
}

bool LibraryGridLayout::startsDrag(QPoint press, QPoint now) { return (now - press).manhattanLength() > kDragDistance; }

} // namespace montora
