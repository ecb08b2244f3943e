#pragma once

#include "library/photo_list.h"

#include <QList>
#include <Qt>

#include <functional>
#include <vector>

namespace montora {

// Which photos of the photo library are selected, and the rules that change it:
// clicks with Ctrl and Shift, the arrow keys, Ctrl+A, the rubber band and removal.
// The entries belong to their owner; the selected flag is each record's state
// flag. Positions k count the visible list: the entries not marked removed, in
// list order.
class PhotoSelection {
public:
    enum class Step { Left, Right, Up, Down };

    // Keeps the anchor when its entry is still shown.
    void setEntries(std::vector<PhotoListEntry>* entries);
    // Call after the owner added, removed or reloaded entries.
    void rebuild();

    int visibleCount() const { return int(m_visible.size()); }
    int entryIndex(int k) const { return m_visible[size_t(k)]; }
    const PhotoListEntry& visibleEntry(int k) const { return (*m_entries)[size_t(entryIndex(k))]; }
    int positionOf(int entryIndex) const;
    bool isSelected(int k) const { return visibleEntry(k).record.state != 0; }
    int selectedCount() const;

    // The entry last selected by a click or a key (an index into the entries), or -1.
    int anchor() const { return m_anchor; }
    // The positions (identifiers) of the selected visible entries, in list order.
    QList<int> selectedIds() const;

    // A click on cell k with the given keys held. Returns whether the selected set changed.
    bool click(int k, Qt::KeyboardModifiers modifiers);
    // A click beside the cells: nothing selected, no anchor.
    bool clear();
    // Ctrl+A: everything; the first entry becomes the anchor when there is none.
    bool selectAll();
    // An arrow key: the anchor moves to the neighbouring cell (the old one is
    // deselected, the new one selected); without an anchor the first entry is
    // taken. Returns the anchor's cell afterwards, or -1.
    int step(Step step, int columns);
    // The rubber band: exactly the cells for which `inside` holds are selected; the
    // anchor follows the last of them.
    bool selectWhere(const std::function<bool(int k)>& inside);
    // Marks every selected visible entry removed. Returns false when none was selected.
    bool removeSelected();

private:
    void setSelected(int k, bool selected);
    std::vector<bool> snapshot() const;

    std::vector<PhotoListEntry>* m_entries = nullptr;
    std::vector<int> m_visible;
    int m_anchor = -1;
};

} // namespace montora
