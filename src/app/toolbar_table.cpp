#include "app/toolbar_table.h"

namespace montora {

const std::array<ToolbarEntry, ToolbarTable::kCount>& ToolbarTable::buttons()
{
    static const std::array<ToolbarEntry, kCount> table = {{
        {ToolbarSlot::New, CommandId::ToolNewProject, "New Collage Project", true, "tool_new"},
        {ToolbarSlot::Open, CommandId::ToolOpenProject, "Open Project", true, "tool_open"},
        {ToolbarSlot::SaveAs, CommandId::ToolSaveProjectAs, "Save Project As...", true, "tool_save_as"},
        {ToolbarSlot::SaveCollage, CommandId::ToolSaveCollage, "Save Collage", true, "tool_save_collage"},
        {ToolbarSlot::Setting, CommandId::ToolSetting, "Setting", true, "tool_setting"},
        {ToolbarSlot::Preview, CommandId::ToolPreview, "Preview", true, "tool_preview"},
        {ToolbarSlot::Undo, CommandId::ToolUndo, "Undo", false, "tool_undo"},
        {ToolbarSlot::Redo, CommandId::ToolRedo, "Redo", false, "tool_redo"},
        {ToolbarSlot::Delete, CommandId::ToolDelete, "Delete", false, "tool_delete"},
        {ToolbarSlot::Crop, CommandId::ToolCrop, "Crop", false, "tool_crop"},
        {ToolbarSlot::MoveForward, CommandId::ToolMoveForward, "Move to Front", false, "tool_forward"},
        {ToolbarSlot::MoveBackward, CommandId::ToolMoveBackward, "Move to Back", false, "tool_backward"},
        {ToolbarSlot::MoveToFront, CommandId::ToolMoveToFront, "Move to Front of all Layers", false, "tool_front"},
        {ToolbarSlot::MoveToBack, CommandId::ToolMoveToBack, "Move to Back of all Layers", false, "tool_back"},
        {ToolbarSlot::ZoomIn, CommandId::ZoomIn, "Zoom In", true, "tool_zoom_in"},
        {ToolbarSlot::ZoomOut, CommandId::ZoomOut, "Zoom Out", true, "tool_zoom_out"},
    }};
    return table;
}

} // namespace montora
