#include "app/toolbar_state.h"

#include "canvas/collage_project.h"

namespace montora {

ToolbarState::ToolbarState()
{
    for (const ToolbarEntry& button : ToolbarTable::buttons())
        setEnabled(button.slot, button.startsEnabled);
}

void ToolbarState::update(const CollageProject& project)
{
    setEnabled(ToolbarSlot::Crop, project.selectedPhotoIndex() >= 0);
    setEnabled(ToolbarSlot::Undo, project.canUndo());
    setEnabled(ToolbarSlot::Redo, project.canRedo());

    const int selected = project.firstSelectedIndex();
    const int count = project.itemCount();
    setEnabled(ToolbarSlot::Delete, selected >= 0);

    // Up is possible below the top layer, down above the bottom one.
    const bool canGoUp = selected >= 0 && selected < count - 1;
    const bool canGoDown = selected > 0;
    setEnabled(ToolbarSlot::MoveForward, canGoUp);
    setEnabled(ToolbarSlot::MoveToFront, canGoUp);
    setEnabled(ToolbarSlot::MoveBackward, canGoDown);
    setEnabled(ToolbarSlot::MoveToBack, canGoDown);
}

} // namespace montora
