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
    const qreal ratio = parent ? parent->devicePixelRatioF() : 1.0;
    for (const MenuItem& item : MenuModel::items(kind, recent)) {
        if (item.separator) {
            addSeparator();
            continue;
        }
        const bool isChecked = checked && checked(item);
        QAction* action = addAction(menuIcon(isChecked ? QStringLiteral("menu_check") : item.icon, ratio), item.caption);
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
    for (QAction* action : actions())
        if (!action->isSeparator() && action->data().toInt() == int(command))
            return action;
    return nullptr;
}

} // namespace montora
