#pragma once

#include "canvas/history_snapshot.h"

#include <vector>

namespace montora {

// A linear, unbounded list of whole-collage snapshots and the index of the one
// that matches the items as they are now (-1 when empty); later ones are redo steps.
class EditHistory {
public:
    // Drops every step after the current one, appends the snapshot and makes it current.
    void push(HistorySnapshot snapshot);
    void clear();
    // Moves the current index without touching the steps (undo and redo use it).
    void setCurrentIndex(int index);

    int currentIndex() const { return m_index; }
    int size() const { return int(m_steps.size()); }
    // Null when there is no such step.
    const HistorySnapshot* at(int index) const;
    // What undoing the oldest step returns to: the collage as it was opened, or
    // nothing (cleared along with the steps).
    void setBase(HistorySnapshot base) { m_base = std::move(base); }
    const HistorySnapshot& base() const { return m_base; }

private:
    HistorySnapshot m_base;
    std::vector<HistorySnapshot> m_steps;
    int m_index = -1;
};

} // namespace montora
