#pragma once

#include "app/menu_model.h"

#include <QMenu>

#include <functional>

namespace montora {

// A popup of the main window built from the menu model, with the shell's icons.
// It is built afresh each time it opens, so the enabled states and the check
// mark are those of that moment.
class ShellMenu : public QMenu {
    Q_OBJECT
public:
    using ItemTest = std::function<bool(const MenuItem&)>;

    // `recent`: the recent projects a file menu lists.
    ShellMenu(MenuKind kind, const ItemTest& enabled, const ItemTest& checked, QWidget* parent = nullptr,
              const QStringList& recent = {});

    MenuKind kind() const { return m_kind; }
    // The action of the item that runs `command`, or null.
    QAction* actionFor(CommandId command) const;

signals:
    void commandChosen(montora::CommandId command);

private:
    void addItems(QMenu* menu, const QList<MenuItem>& items, const ItemTest& enabled, const ItemTest& checked,
                  qreal ratio);

    MenuKind m_kind;
};

} // namespace montora
