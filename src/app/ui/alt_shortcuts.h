#pragma once

#include "app/command_id.h"

#include <QObject>

class QWidget;

namespace montora {

// The four Alt+letter shortcuts that open the menu-bar popups. They belong to the
// whole window, so they work whichever child has the focus.
class AltShortcuts : public QObject {
    Q_OBJECT
public:
    explicit AltShortcuts(QWidget* window);

signals:
    void commandTriggered(montora::CommandId id);
};

} // namespace montora
