#include "tools/photo_selection.h"

#include <algorithm>

namespace montora {

void PhotoSelection::setEntries(std::vector<PhotoListEntry>* entries)
{
    m_entries = entries;
    rebuild();
}

void PhotoSelection::rebuild()
{
    m_visible.clear();
    if (m_entries) {
        for (size_t i = 0; i < m_entries->size(); ++i)
            if (!(*m_entries)[i].record.isRemoved())
                m_visible.push_back(int(i));
    }
    // An anchor on a removed or vanished entry would send that entry to the canvas.
    if (positionOf(m_anchor) < 0)
        m_anchor = -1;
}

int PhotoSelection::positionOf(int entryIndex) const
{
    const auto found = std::lower_bound(m_visible.begin(), m_visible.end(), entryIndex);
    return found != m_visible.end() && *found == entryIndex ? int(found - m_visible.begin()) : -1;
}

int PhotoSelection::selectedCount() const
{
    int count = 0;
    for (int k = 0; k < visibleCount(); ++k)
        count += isSelected(k) ? 1 : 0;
    return count;
}

QList<int> PhotoSelection::selectedIds() const
{
    QList<int> ids;
    for (int k = 0; k < visibleCount(); ++k)
        if (isSelected(k))
            ids.append(visibleEntry(k).record.position);
    return ids;
}

void PhotoSelection::setSelected(int k, bool selected)
{
    (*m_entries)[size_t(entryIndex(k))].record.state = selected ? 1 : 0;
}

std::vector<bool> PhotoSelection::snapshot() const
{
    std::vector<bool> flags(m_visible.size());
    for (int k = 0; k < visibleCount(); ++k)
        flags[size_t(k)] = isSelected(k);
    return flags;
}

bool PhotoSelection::click(int k, Qt::KeyboardModifiers modifiers)
{
    if (k < 0 || k >= visibleCount())
        return false;
    const std::vector<bool> before = snapshot();
    const bool ctrl = modifiers & Qt::ControlModifier;
    const bool shift = modifiers & Qt::ShiftModifier;
    if (!isSelected(k) && !ctrl && !shift) {
        for (int i = 0; i < visibleCount(); ++i)
            setSelected(i, false);
        m_anchor = -1;
    }
    const int anchorCell = positionOf(m_anchor);
    if (!shift) {
        setSelected(k, ctrl ? !isSelected(k) : true);
        if (isSelected(k))
            m_anchor = entryIndex(k);
    } else if (ctrl || anchorCell < 0) {
        setSelected(k, true);
        m_anchor = entryIndex(k);
    } else {
        const int from = std::min(anchorCell, k);
        const int to = std::max(anchorCell, k);
        for (int i = 0; i < visibleCount(); ++i)
            setSelected(i, i >= from && i <= to);
    }
    return snapshot() != before;
}

bool PhotoSelection::clear()
{
    const std::vector<bool> before = snapshot();
    for (int k = 0; k < visibleCount(); ++k)
        setSelected(k, false);
    m_anchor = -1;
    return snapshot() != before;
}

bool PhotoSelection::selectAll()
{
    const std::vector<bool> before = snapshot();
    for (int k = 0; k < visibleCount(); ++k)
        setSelected(k, true);
    if (m_anchor < 0 && visibleCount() > 0)
        m_anchor = entryIndex(0);
    return snapshot() != before;
}

int PhotoSelection::step(Step step, int columns)
{
    if (visibleCount() == 0)
        return -1;
    const int from = positionOf(m_anchor);
    if (from < 0) {
        setSelected(0, true);
        m_anchor = entryIndex(0);
        return 0;
    }
    if (columns <= 0)
        return from;
    const int column = from % columns;
    int to = -1;
    switch (step) {
    case Step::Left: to = column > 0 ? from - 1 : -1; break;
    case Step::Right: to = column + 1 < columns ? from + 1 : -1; break;
    case Step::Up: to = from - columns; break;
    case Step::Down: to = from + columns; break;
    }
    if (to < 0 || to >= visibleCount())
        return from;
    setSelected(from, false);
    setSelected(to, true);
    m_anchor = entryIndex(to);
    return to;
}

bool PhotoSelection::selectWhere(const std::function<bool(int k)>& inside)
{
    const std::vector<bool> before = snapshot();
    for (int k = 0; k < visibleCount(); ++k) {
        const bool in = inside(k);
        setSelected(k, in);
        if (in)
            m_anchor = entryIndex(k);
    }
    return snapshot() != before;
}

bool PhotoSelection::removeSelected()
{
    if (selectedCount() == 0)
        return false;
    for (int k = 0; k < visibleCount(); ++k)
        if (isSelected(k))
            (*m_entries)[size_t(entryIndex(k))].record.removed = 1;
    rebuild();
    return true;
}

} // namespace montora
