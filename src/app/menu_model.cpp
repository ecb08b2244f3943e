#include "app/menu_model.h"

#include "imaging/effect_filter.h"

#include <QFileInfo>

#include <algorithm>

namespace montora {

namespace {

MenuItem entry(const char* caption, CommandId command, const char* icon,
               std::optional<ToolbarSlot> enabledBy = std::nullopt)
{
    return MenuItem{false, QString::fromLatin1(caption), command, QString::fromLatin1(icon), enabledBy, {}, {}};
}

MenuItem panelEntry(const char* caption, CommandId command, const char* icon, LibraryPanelSlot panel)
{
    MenuItem item = entry(caption, command, icon);
    item.panel = panel;
    return item;
}

QList<MenuItem> projectItems()
{
    return {entry("New Project", CommandId::NewProject, "menu_new"),
            entry("Open Project", CommandId::OpenProject, "menu_open"),
            entry("Save Project (Ctrl+S)", CommandId::SaveProject, "menu_save_as"),
            entry("Save Project As...", CommandId::SaveProjectAs, "menu_save_as"),
            entry("Save Collage", CommandId::SaveCollage, "menu_save_collage")};
}

QList<MenuItem> recentItems(const QStringList& recent)
{
    QList<MenuItem> items;
    const int count = std::min(int(recent.size()),
                               int(CommandId::RecentProjectLast) - int(CommandId::RecentProjectFirst) + 1);
    for (int i = 0; i < count; ++i) {
        MenuItem item = entry("", CommandId(int(CommandId::RecentProjectFirst) + i), "menu_open");
        item.caption = MenuModel::recentCaption(i, recent[i]);
        items << item;
    }
    if (!items.isEmpty())
        items.prepend(MenuItem::line());
    return items;
}

QList<MenuItem> historyItems()
{
    return {entry("Undo (Ctrl+Z)", CommandId::Undo, "menu_undo", ToolbarSlot::Undo),
            entry("Redo (Ctrl+Y)", CommandId::Redo, "menu_redo", ToolbarSlot::Redo)};
}

QList<MenuItem> selectionItems()
{
    return {entry("Delete", CommandId::Delete, "menu_delete", ToolbarSlot::Delete),
            entry("Crop Photo", CommandId::Crop, "menu_crop", ToolbarSlot::Crop), MenuItem::line(),
            entry("Move to Front", CommandId::MoveForward, "menu_forward", ToolbarSlot::MoveForward),
            entry("Move to Back", CommandId::MoveBackward, "menu_backward", ToolbarSlot::MoveBackward),
            entry("Move to Front of all Layers", CommandId::MoveToFront, "menu_front", ToolbarSlot::MoveToFront),
            entry("Move to Back of all Layers", CommandId::MoveToBack, "menu_back", ToolbarSlot::MoveToBack)};
}

MenuItem settingItem() { return entry("Setting", CommandId::Setting, "menu_setting"); }
MenuItem previewItem() { return entry("Preview", CommandId::Preview, "menu_preview"); }

QList<MenuItem> fileMenu(const QStringList& recent)
{
    return projectItems() + recentItems(recent) + QList<MenuItem>{MenuItem::line(),
                                            entry("Set as Wallpaper", CommandId::WallpaperMode0, "menu_wallpaper"),
                                            entry("Remove Wallpaper", CommandId::WallpaperMode1,
                                                  "menu_wallpaper_remove"),
                                            MenuItem::line(),
                                            entry("Import Photo to Library", CommandId::ImportPhoto,
                                                  "menu_import_photo"),
                                            entry("Import Resource Pack...", CommandId::ImportResourcePack,
                                                  "menu_import_pack"),
                                            entry("Batch Convert", CommandId::BatchConverter, "menu_batch_convert"),
                                            MenuItem::line(), previewItem(), MenuItem::line(),
                                            entry("Exit", CommandId::Exit, "menu_exit")};
}

MenuItem filtersItem()
{
    MenuItem filters = entry("Filters", CommandId::PictureFilterFirst, "menu_filter");
    for (const EffectFilter::Entry& effect : EffectFilter::entries())
        filters.submenu << entry(effect.caption, CommandId(effect.commandId), "menu_filter");
    return filters;
}

QList<MenuItem> editMenu()
{
    return QList<MenuItem>{MenuItem::line()} + historyItems() +
           QList<MenuItem>{MenuItem::line(), settingItem(),
                           entry("Add Transparent Month Calender", CommandId::Calendar, "menu_calendar"),
                           filtersItem(), MenuItem::line()} +
           selectionItems();
}

QList<MenuItem> canvasContextMenu()
{
    return projectItems() +
           QList<MenuItem>{MenuItem::line(), settingItem(), MenuItem::line(), previewItem(), MenuItem::line()} +
           historyItems() + QList<MenuItem>{MenuItem::line()} + selectionItems();
}

} // namespace

QString MenuModel::recentCaption(int index, const QString& path)
{
    return QStringLiteral("%1 %2").arg(index + 1).arg(QFileInfo(path).fileName());
}

QList<MenuItem> MenuModel::items(MenuKind kind, const QStringList& recent)
{
    switch (kind) {
    case MenuKind::File:
        return fileMenu(recent);
    case MenuKind::Edit:
        return editMenu();
    case MenuKind::Panel:
        return {panelEntry("Frame", CommandId::PanelFrame, "menu_frame", LibraryPanelSlot::Frame),
                panelEntry("Mask", CommandId::PanelMask, "menu_mask", LibraryPanelSlot::Mask),
                panelEntry("Clipart", CommandId::PanelClipart, "menu_clipart", LibraryPanelSlot::Clipart),
                panelEntry("Tuning", CommandId::PanelTuning, "menu_tuning", LibraryPanelSlot::Tuning),
                panelEntry("Text", CommandId::PanelText, "menu_text", LibraryPanelSlot::Text),
                panelEntry("Brush", CommandId::PanelBrush, "menu_brush", LibraryPanelSlot::Brush),
                panelEntry("Red Eye", CommandId::PanelRedEye, "menu_red_eye", LibraryPanelSlot::RedEye)};
    case MenuKind::Help:
        return {entry("Online Help Content", CommandId::OnlineHelp, "menu_help"),
                entry("About", CommandId::About, "menu_about")};
    case MenuKind::CanvasContext:
        return canvasContextMenu();
    case MenuKind::PhotoLibraryContext:
        return {entry("Add to Canvas", CommandId::LibraryAddToCanvas, "menu_add_to_canvas"),
                entry("Import Photo to Library", CommandId::LibraryImportPhoto, "menu_import_photo"),
                entry("Remove", CommandId::LibraryRemovePhoto, "menu_remove")};
    }
    return {};
}

} // namespace montora
