#include "controls_model/colour_popup_layout.h"

#include <algorithm>

namespace montora {

namespace {

constexpr int kColumns = ColourTable::kColumns;
constexpr int kCount = ColourTable::kCount;

bool isGridEntry(int entry)
{
    return entry >= 0 && entry < kCount;
}

} // namespace

ColourPopupLayout::ColourPopupLayout(int margin, QSize defaultCaption, bool hasDefault, QSize customCaption,
                                     bool hasCustom)
    : m_margin(margin), m_hasDefault(hasDefault), m_hasCustom(hasCustom), m_gridTop(margin)
{
    const int m = margin;
    int width = 2 * m + kColumns * kBoxSize;
    int height = 2 * m + ColourTable::kRows * kBoxSize;
    const int textHeight = std::max(defaultCaption.height(), customCaption.height()) + 4 * m + 2;
    const int textWidth = std::max(defaultCaption.width(), customCaption.width()) + 2 * m;
    // Widened for either caption, so a long custom caption is not clipped when
    // there is no default entry.
    if (hasDefault || hasCustom)
        width = std::max(width, textWidth);
    if (hasDefault) {
        m_defaultRect = QRect(QPoint(m, m), QPoint(width - m - 1, m + textHeight + 2 * m - 1));
        m_gridTop += m_defaultRect.height() + 2 * m;
        height += m_defaultRect.height() + 2 * m;
    }
    if (hasCustom) {
        m_customRect = QRect(QPoint(m, height), QPoint(width - m - 1, height + m + textHeight - 1));
        height += m_customRect.height() + 2 * m;
    }
    m_window = QSize(width, height);
}

QRect ColourPopupLayout::gridRect() const
{
    return QRect(m_margin, m_gridTop, kColumns * kBoxSize, ColourTable::kRows * kBoxSize);
}

QRect ColourPopupLayout::boxRect(int index) const
{
    if (!isGridEntry(index))
        return QRect();
    return QRect(index % kColumns * kBoxSize + m_margin, index / kColumns * kBoxSize + m_gridTop, kBoxSize,
                 kBoxSize);
}

QRect ColourPopupLayout::entryRect(int entry) const
{
    if (entry == kDefaultEntry)
        return m_defaultRect;
    if (entry == kCustomEntry)
        return m_customRect;
    return boxRect(entry);
}

int ColourPopupLayout::entryAt(QPoint point) const
{
    if (m_hasDefault && m_defaultRect.contains(point))
        return kDefaultEntry;
    if (m_hasCustom && m_customRect.contains(point))
        return kCustomEntry;
    if (!gridRect().contains(point))
        return kNoEntry;
    const int column = (point.x() - m_margin) / kBoxSize;
    const int row = (point.y() - m_gridTop) / kBoxSize;
    const int index = row * kColumns + column;
    return isGridEntry(index) ? index : kNoEntry;
}

// Moving past the top of the grid goes to the default entry, past its end to
// the custom entry; without them the move wraps round to `fallback`.
int ColourPopupLayout::stepBeforeGrid(int fallback) const
{
    if (m_hasDefault)
        return kDefaultEntry;
    return m_hasCustom ? kCustomEntry : fallback;
}

int ColourPopupLayout::stepAfterGrid(int fallback) const
{
    if (m_hasCustom)
        return kCustomEntry;
    return m_hasDefault ? kDefaultEntry : fallback;
}

int ColourPopupLayout::move(int hot, Move direction, int marked) const
{
    const int lastRowStart = (ColourTable::kRows - 1) * kColumns;
    if (hot == kNoEntry)
        return marked != kNoEntry ? marked : 0;
    if (hot == kDefaultEntry) {
        if (direction == Move::Up || direction == Move::Left)
            return m_hasCustom ? kCustomEntry : kCount - 1;
        return 0;
    }
    if (hot == kCustomEntry) {
        if (direction == Move::Up)
            return lastRowStart;
        if (direction == Move::Left)
            return kCount - 1;
        return m_hasDefault ? kDefaultEntry : 0;
    }
    switch (direction) {
    case Move::Left: return hot > 0 ? hot - 1 : stepBeforeGrid(kCount - 1);
    case Move::Right: return hot + 1 < kCount ? hot + 1 : stepAfterGrid(0);
    case Move::Up: return hot >= kColumns ? hot - kColumns : stepBeforeGrid(hot + lastRowStart);
    case Move::Down: return hot + kColumns < kCount ? hot + kColumns : stepAfterGrid(hot % kColumns);
    }
    return hot;
}

ColorRef ColourPopupLayout::entryColour(int entry, ColorRef opening)
{
    if (entry == kDefaultEntry)
        return ColourTable::kDefaultColour;
    return isGridEntry(entry) ? ColourTable::colour(entry) : opening;
}

int ColourPopupLayout::markedEntry(ColorRef opening) const
{
    const int index = ColourTable::indexOf(opening);
    if (index >= 0)
        return index;
    if (opening == ColourTable::kDefaultColour && m_hasDefault)
        return kDefaultEntry;
    return m_hasCustom ? kCustomEntry : kNoEntry;
}

QPoint ColourPopupLayout::place(QSize size, const QRect& button, const QRect& screen)
{
    QPoint corner(button.left(), button.bottom() + 1);
    if (corner.x() + size.width() > screen.right() + 1)
        corner.setX(screen.right() + 1 - size.width());
    corner.setX(std::max(corner.x(), screen.left()));
    if (corner.y() + size.height() > screen.bottom() + 1)
        corner.setY(button.top() - size.height());
    corner.setY(std::max(corner.y(), screen.top()));
    return corner;
}

} // namespace montora
