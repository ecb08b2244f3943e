#pragma once

#include <QList>

namespace montora {

// Fixed numeric command identifiers. Menus, toolbar buttons and shortcuts all
// reach the main window as one of these. Where a menu item and a toolbar button
// do the same thing they keep their own numbers (menus 108xx/109xx, toolbar 104xx/105xx).
enum class CommandId : int {
    // Project and collage output.
    NewProject = 10850,
    ToolNewProject = 10551,
    OpenProject = 10851,
    ToolOpenProject = 10552,
    SaveProjectAs = 10852,
    ToolSaveProjectAs = 10553,
    SaveCollage = 10902,
    ToolSaveCollage = 10557,
    Preview = 10901,
    ToolPreview = 10556,
    Exit = 10903,

    // Photo library.
    ImportPhoto = 10900,
    LibraryImportPhoto = 10483,
    ImportButton = 10601,
    LibraryRemovePhoto = 10482,
    RemoveButton = 10602,
    LibraryAddToCanvas = 10481,
    AddDecorationToCanvas = 10015,

    // Caption buttons.
    CaptionClose = 10010,
    CaptionMinimise = 10011,
    CaptionMaximise = 10012,

    // Editing.
    Undo = 10934,
    ToolUndo = 10554,
    Redo = 10935,
    ToolRedo = 10555,
    Setting = 10853,
    ToolSetting = 10558,
    Delete = 10854,
    ToolDelete = 10494,
    Crop = 10855,
    ToolCrop = 10495,
    MoveForward = 10856,
    ToolMoveForward = 10490,
    MoveBackward = 10857,
    ToolMoveBackward = 10491,
    MoveToFront = 10858,
    ToolMoveToFront = 10492,
    MoveToBack = 10859,
    ToolMoveToBack = 10493,

    // Zoom.
    ZoomIn = 10496,
    ZoomOut = 10497,
    ZoomBox = 10498,

    // Library tabs and the panel menu.
    TabFrame = 10700,
    TabMask = 10701,
    TabClipart = 10702,
    TabTuning = 10703,
    TabText = 10705,
    TabBrush = 10704,
    PanelFrame = 10910,
    PanelMask = 10911,
    PanelClipart = 10912,
    PanelTuning = 10914,
    PanelText = 10916,
    PanelBrush = 10913,

    // Help.
    OnlineHelp = 10930,
    FrameworkHelp = 57670,
    About = 10931,
    SystemAbout = 16,

    // Menu-bar buttons and their Alt shortcuts.
    FileMenuButton = 11000,
    PanelMenuButton = 11002,
    EditMenuButton = 11003,
    HelpMenuButton = 11005,
    OpenFileMenu = 11007,  // Alt+F
    OpenEditMenu = 11008,  // Alt+E
    OpenPanelMenu = 11009, // Alt+N
    OpenHelpMenu = 11011,  // Alt+H

    // Our own: a plain Save (Ctrl+S) and the File menu's recent projects.
    SaveProject = 10860,
    RecentProjectFirst = 10870,
    RecentProjectLast = 10877,
    // The red-eye instruction panel, shown from the panel menu.
    PanelRedEye = 10917,

    // Commands no menu or button of the window sends yet.
    Calendar = 10998,
    BatchConverter = 11996,
    ImportResourcePack = 10904,
    WallpaperMode1 = 10950,
    WallpaperMode0 = 10951,
    WallpaperMode2 = 10952,
    WindowColour = 10932,
    ClearWindowFlag = 10907,
    SetWindowFlag = 10908,
    CanvasOperation = 11995,
    PictureFilterFirst = 11980,
    PictureFilterLast = 11994,
};

// Every identifier the main window answers, the picture-filter range spelled out.
QList<CommandId> allCommandIds();
// The identifiers that do the same as `id` (a menu item and its toolbar button,
// the three import commands...), `id` first; just `id` when it has no twin.
QList<CommandId> sameCommandIds(CommandId id);

} // namespace montora
