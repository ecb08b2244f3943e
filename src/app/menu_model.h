#pragma once

#include "app/command_id.h"
#include "app/toolbar_table.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace montora {

// The library panels the tabs and the panel menu switch between.
// RedEye has no tab; the panel menu shows it in the same place.
enum class LibraryPanelSlot : int { Frame = 0, Mask = 1, Clipart = 2, Tuning = 3, Text = 4, Brush = 5, RedEye = 6 };

// One entry of a popup menu: a separator, or a caption with its command and its
// icon's artwork name. `enabledBy` names the toolbar button whose enabled state
// the item shows; `panel` the library panel whose visibility puts a check mark on it.
struct MenuItem {
    bool separator = false;
    QString caption;
    CommandId command{};
    QString icon;
    std::optional<ToolbarSlot> enabledBy;
    std::optional<LibraryPanelSlot> panel;
    // Not empty: the item opens this submenu and runs no command itself.
    QList<MenuItem> submenu;

    static MenuItem line() { return MenuItem{true, {}, {}, {}, {}, {}, {}}; }
};

enum class MenuKind { File, Edit, Panel, Help, CanvasContext, PhotoLibraryContext };

class MenuModel {
public:
    // `recent`: the recent projects the file menu lists, newest first.
    static QList<MenuItem> items(MenuKind kind, const QStringList& recent = {});
    // "1 trip.mcf": the caption of recent project `index`.
    static QString recentCaption(int index, const QString& path);
    // The item the check mark goes to in the panel menu.
    static bool isChecked(const MenuItem& item, LibraryPanelSlot visiblePanel)
    {
        return item.panel && *item.panel == visiblePanel;
    }
};

} // namespace montora
