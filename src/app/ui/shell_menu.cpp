#include "app/ui/shell_menu.h"

#include "app/ui/shell_art.h"

#include <QIcon>

namespace montora {

namespace {

QIcon menuIcon(const QString& name, qreal ratio)
{
    return QIcon(ShellArt::pixmap(name, QSize(16, 16), ratio));
}

} // namespace

ShellMenu::ShellMenu(MenuKind kind, const ItemTest& enabled, const ItemTest& checked, QWidget* parent,
                     const QStringList& recent)
    : QMenu(parent), m_kind(kind)
{
    addItems(this, MenuModel::items(kind, recent), enabled, checked, parent ? parent->devicePixelRatioF() : 1.0);
}

void ShellMenu::addItems(QMenu* menu, const QList<MenuItem>& items, const ItemTest& enabled, const ItemTest& checked,
                         qreal ratio)
{
    for (const MenuItem& item : items) {
        if (item.separator) {
            menu->addSeparator();
            continue;
        }
        if (!item.submenu.isEmpty()) {
            QMenu* submenu = menu->addMenu(menuIcon(item.icon, ratio), item.caption);
            addItems(submenu, item.submenu, enabled, checked, ratio);
            continue;
        }
        const bool isChecked = checked && checked(item);
        QAction* action =
            menu->addAction(menuIcon(isChecked ? QStringLiteral("menu_check") : item.icon, ratio), item.caption);
        action->setData(int(item.command));
        action->setEnabled(!enabled || enabled(item));
        if (item.panel) {
            action->setCheckable(true);
            action->setChecked(isChecked);
        }
        const CommandId command = item.command;
        connect(action, &QAction::triggered, this, [this, command] { emit commandChosen(command); });
    }
}

QAction* ShellMenu::actionFor(CommandId command) const
{
    QList<QMenu*> menus = findChildren<QMenu*>();
    menus.prepend(const_cast<ShellMenu*>(this));
    for (const QMenu* menu : std::as_const(menus))
        for (QAction* action : menu->actions())
            if (!action->isSeparator() && !action->menu() && action->data().toInt() == int(command))
                return action;
    return nullptr;
}

} // namespace montora
