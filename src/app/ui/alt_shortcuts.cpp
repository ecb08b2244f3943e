#include "app/ui/alt_shortcuts.h"

#include <QShortcut>
#include <QWidget>

namespace montora {

namespace {

struct Binding {
    Qt::Key key;
    CommandId command;
};

constexpr Binding kBindings[] = {
    {Qt::Key_F, CommandId::OpenFileMenu},
    {Qt::Key_E, CommandId::OpenEditMenu},
    {Qt::Key_N, CommandId::OpenPanelMenu},
    {Qt::Key_H, CommandId::OpenHelpMenu},
};

} // namespace

AltShortcuts::AltShortcuts(QWidget* window) : QObject(window)
{
    for (const Binding& binding : kBindings) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | binding.key), window);
        shortcut->setContext(Qt::WindowShortcut);
        const CommandId command = binding.command;
        connect(shortcut, &QShortcut::activated, this, [this, command] { emit commandTriggered(command); });
    }
}

} // namespace montora
