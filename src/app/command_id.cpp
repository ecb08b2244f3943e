#include "app/command_id.h"

namespace montora {

QList<CommandId> allCommandIds()
{
    QList<CommandId> ids = {
        CommandId::NewProject,         CommandId::ToolNewProject,     CommandId::OpenProject,
        CommandId::ToolOpenProject,    CommandId::SaveProjectAs,      CommandId::ToolSaveProjectAs,
        CommandId::SaveCollage,        CommandId::ToolSaveCollage,    CommandId::Preview,
        CommandId::ToolPreview,        CommandId::Exit,               CommandId::ImportPhoto,
        CommandId::LibraryImportPhoto, CommandId::ImportButton,       CommandId::LibraryRemovePhoto,
        CommandId::RemoveButton,       CommandId::LibraryAddToCanvas, CommandId::AddDecorationToCanvas,
        CommandId::CaptionClose,       CommandId::CaptionMinimise,    CommandId::CaptionMaximise,
        CommandId::Undo,               CommandId::ToolUndo,           CommandId::Redo,
        CommandId::ToolRedo,           CommandId::Setting,            CommandId::ToolSetting,
        CommandId::Delete,             CommandId::ToolDelete,         CommandId::Crop,
        CommandId::ToolCrop,           CommandId::MoveForward,        CommandId::ToolMoveForward,
        CommandId::MoveBackward,       CommandId::ToolMoveBackward,   CommandId::MoveToFront,
        CommandId::ToolMoveToFront,    CommandId::MoveToBack,         CommandId::ToolMoveToBack,
        CommandId::ZoomIn,             CommandId::ZoomOut,            CommandId::ZoomBox,
        CommandId::TabFrame,           CommandId::TabMask,            CommandId::TabClipart,
        CommandId::TabTuning,          CommandId::TabText,            CommandId::PanelFrame,
        CommandId::PanelMask,          CommandId::PanelClipart,       CommandId::PanelTuning,
        CommandId::PanelText,          CommandId::OnlineHelp,         CommandId::FrameworkHelp,
        CommandId::About,              CommandId::SystemAbout,        CommandId::FileMenuButton,
        CommandId::PanelMenuButton,    CommandId::EditMenuButton,     CommandId::HelpMenuButton,
        CommandId::OpenFileMenu,       CommandId::OpenEditMenu,       CommandId::OpenPanelMenu,
        CommandId::OpenHelpMenu,       CommandId::Calendar,           CommandId::BatchConverter,
        CommandId::ImportResourcePack, CommandId::WallpaperMode1,     CommandId::WallpaperMode0,
        CommandId::WallpaperMode2,     CommandId::WindowColour,       CommandId::ClearWindowFlag,
        CommandId::SetWindowFlag,      CommandId::CanvasOperation,    CommandId::SaveProject,
        CommandId::TabBrush,           CommandId::PanelBrush,         CommandId::PanelRedEye,
    };
    for (int id = int(CommandId::RecentProjectFirst); id <= int(CommandId::RecentProjectLast); ++id)
        ids << CommandId(id);
    for (int id = int(CommandId::PictureFilterFirst); id <= int(CommandId::PictureFilterLast); ++id)
        ids << CommandId(id);
    return ids;
}

QList<CommandId> sameCommandIds(CommandId id)
{
    static const QList<QList<CommandId>> groups = {
        {CommandId::NewProject, CommandId::ToolNewProject},
        {CommandId::OpenProject, CommandId::ToolOpenProject},
        {CommandId::SaveProjectAs, CommandId::ToolSaveProjectAs},
        {CommandId::SaveCollage, CommandId::ToolSaveCollage},
        {CommandId::Preview, CommandId::ToolPreview},
        {CommandId::Exit, CommandId::CaptionClose},
        {CommandId::ImportPhoto, CommandId::LibraryImportPhoto, CommandId::ImportButton},
        {CommandId::LibraryRemovePhoto, CommandId::RemoveButton},
        {CommandId::Undo, CommandId::ToolUndo},
        {CommandId::Redo, CommandId::ToolRedo},
        {CommandId::Setting, CommandId::ToolSetting},
        {CommandId::Delete, CommandId::ToolDelete},
        {CommandId::Crop, CommandId::ToolCrop},
        {CommandId::MoveForward, CommandId::ToolMoveForward},
        {CommandId::MoveBackward, CommandId::ToolMoveBackward},
        {CommandId::MoveToFront, CommandId::ToolMoveToFront},
        {CommandId::MoveToBack, CommandId::ToolMoveToBack},
        {CommandId::TabFrame, CommandId::PanelFrame},
        {CommandId::TabMask, CommandId::PanelMask},
        {CommandId::TabClipart, CommandId::PanelClipart},
        {CommandId::TabTuning, CommandId::PanelTuning},
        {CommandId::TabText, CommandId::PanelText},
        {CommandId::TabBrush, CommandId::PanelBrush},
        {CommandId::OnlineHelp, CommandId::FrameworkHelp},
        {CommandId::About, CommandId::SystemAbout},
        {CommandId::FileMenuButton, CommandId::OpenFileMenu},
        {CommandId::PanelMenuButton, CommandId::OpenPanelMenu},
        {CommandId::EditMenuButton, CommandId::OpenEditMenu},
        {CommandId::HelpMenuButton, CommandId::OpenHelpMenu},
    };
    for (const QList<CommandId>& group : groups) {
        if (!group.contains(id))
            continue;
        QList<CommandId> same = {id};
        for (CommandId other : group)
            if (other != id)
                same << other;
        return same;
    }
    return {id};
}

} // namespace montora
