#include "canvas/edit_history.h"

#include <algorithm>

namespace montora {

void EditHistory::push(HistorySnapshot snapshot)
{
    m_steps.resize(size_t(m_index + 1));
    m_steps.push_back(std::move(snapshot));
    m_index = int(m_steps.size()) - 1;
}

void EditHistory::clear()
{
    m_steps.clear();
    m_index = -1;
    m_base = HistorySnapshot();
}

void EditHistory::setCurrentIndex(int index) { m_index = std::clamp(index, -1, size() - 1); }

const HistorySnapshot* EditHistory::at(int index) const
{
    if (index < 0 || index >= size())
        return nullptr;
    return &m_steps[size_t(index)];
}

} // namespace montora
