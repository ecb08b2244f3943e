#include "app/menu_model.h"

#include <gtest/gtest.h>

using namespace montora;

namespace {

// Captions with "-" for separators, joined by "|".
QString shape(MenuKind kind)
{
    QStringList parts;
    for (const MenuItem& item : MenuModel::items(kind))
        parts << (item.separator ? QStringLiteral("-") : item.caption);
    return parts.join('|');
}

} // namespace

TEST(MenuModel, FileAndHelpMenus)
{
    EXPECT_EQ(shape(MenuKind::File), "New Project|Open Project|Save Project (Ctrl+S)|Save Project As...|Save Collage|-|"
                                     "Set as Wallpaper|Remove Wallpaper|-|"
                                     "Import Photo to Library|Import Resource Pack...|Batch Convert|-|Preview|-|Exit");
    const QList<MenuItem> file = MenuModel::items(MenuKind::File);
    EXPECT_EQ(file[0].command, CommandId::NewProject);
    EXPECT_EQ(file[2].command, CommandId::SaveProject);
    EXPECT_EQ(file[6].command, CommandId::WallpaperMode0);
    EXPECT_EQ(file[7].command, CommandId::WallpaperMode1);
    EXPECT_EQ(file[9].command, CommandId::ImportPhoto);
    EXPECT_EQ(file[10].command, CommandId::ImportResourcePack);
    EXPECT_EQ(file[11].command, CommandId::BatchConverter);
    EXPECT_EQ(file.last().command, CommandId::Exit);
    EXPECT_EQ(file.last().icon, "menu_exit");
    EXPECT_EQ(shape(MenuKind::Help), "Online Help Content|About");
}

TEST(MenuModel, EditItemsFollowTheirToolbarButtons)
{
    EXPECT_EQ(shape(MenuKind::Edit), "-|Undo (Ctrl+Z)|Redo (Ctrl+Y)|-|Setting|Add Transparent Month Calender|Filters|-|"
                                     "Delete|Crop Photo|-|Move to Front|Move to Back|Move to Front of all Layers|Move to Back of all Layers");
    for (const MenuItem& item : MenuModel::items(MenuKind::Edit)) {
        if (item.separator || item.command == CommandId::Setting || item.command == CommandId::Calendar ||
            !item.submenu.isEmpty())
            continue;
        ASSERT_TRUE(item.enabledBy.has_value()) << item.caption.toStdString();
        // The menu item and the toolbar button it follows run the same command.
        const CommandId tool = ToolbarTable::button(*item.enabledBy).command;
        EXPECT_NE(int(tool), int(item.command));
    }
    const QList<MenuItem> edit = MenuModel::items(MenuKind::Edit);
    EXPECT_EQ(edit[12].command, CommandId::MoveBackward);
    EXPECT_EQ(edit[12].enabledBy, ToolbarSlot::MoveBackward);
    EXPECT_EQ(edit[14].enabledBy, ToolbarSlot::MoveToBack);
    // The thirteen picture filters, 11983 and 11987 being no filter.
    const QList<MenuItem>& filters = edit[6].submenu;
    ASSERT_EQ(filters.size(), 13);
    EXPECT_EQ(filters.first().command, CommandId::PictureFilterFirst);
    EXPECT_EQ(filters.last().command, CommandId::PictureFilterLast);
    EXPECT_EQ(filters[6].caption, "Emboss");
    EXPECT_EQ(int(filters[6].command), 11988);
}

TEST(MenuModel, CanvasContextMenuRepeatsFileAndEditItems)
{
    EXPECT_EQ(shape(MenuKind::CanvasContext),
              "New Project|Open Project|Save Project (Ctrl+S)|Save Project As...|Save Collage|-|Setting|-|Preview|-|Undo (Ctrl+Z)|"
              "Redo (Ctrl+Y)|-|Delete|Crop Photo|-|Move to Front|Move to Back|Move to Front of all Layers|"
              "Move to Back of all Layers");
    EXPECT_EQ(shape(MenuKind::PhotoLibraryContext), "Add to Canvas|Import Photo to Library|Remove");
    const QList<MenuItem> library = MenuModel::items(MenuKind::PhotoLibraryContext);
    EXPECT_EQ(library[0].command, CommandId::LibraryAddToCanvas);
    EXPECT_EQ(library[1].command, CommandId::LibraryImportPhoto);
    EXPECT_EQ(library[2].command, CommandId::LibraryRemovePhoto);
}

TEST(MenuModel, PanelMenuChecksTheVisiblePanelOnly)
{
    EXPECT_EQ(shape(MenuKind::Panel), "Frame|Mask|Clipart|Tuning|Text|Brush|Red Eye");
    const QList<MenuItem> panel = MenuModel::items(MenuKind::Panel);
    int checked = 0;
    for (const MenuItem& item : panel)
        checked += MenuModel::isChecked(item, LibraryPanelSlot::Tuning) ? 1 : 0;
    EXPECT_EQ(checked, 1);
    EXPECT_TRUE(MenuModel::isChecked(panel[3], LibraryPanelSlot::Tuning));
    EXPECT_EQ(panel[4].command, CommandId::PanelText);
    EXPECT_FALSE(MenuModel::isChecked(MenuModel::items(MenuKind::File)[0], LibraryPanelSlot::Frame));
}
