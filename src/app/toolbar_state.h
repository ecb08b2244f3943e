#pragma once

#include "app/toolbar_table.h"

#include <array>

namespace montora {

class CollageProject;

// The toolbar's enabled flags. The menus that mirror toolbar buttons read them
// when they open, so the toolbar is the one place these states are decided.
class ToolbarState {
public:
    ToolbarState();

    bool isEnabled(ToolbarSlot slot) const { return m_enabled[size_t(slot)]; }
    void setEnabled(ToolbarSlot slot, bool enabled) { m_enabled[size_t(slot)] = enabled; }

    // After every canvas change, undo and redo: crop, undo, redo, delete and the
    // four layer buttons follow the selection and the history. The others keep
    // whatever they had.
    void update(const CollageProject& project);

    bool operator==(const ToolbarState&) const = default;

private:
    std::array<bool, ToolbarTable::kCount> m_enabled{};
};

} // namespace montora
