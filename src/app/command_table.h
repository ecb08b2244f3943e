#pragma once

#include "app/command_id.h"

#include <QHash>

#include <functional>

namespace montora {

// The main window's commands: what each identifier does and whether it may run.
// Every identifier the window answers has an entry, also those whose feature is
// not there yet (disabled, no handler).
class CommandTable {
public:
    using Handler = std::function<void()>;

    // Adds or replaces the entry; a command with a handler starts enabled.
    void setHandler(CommandId id, Handler handler);
    // An entry that does nothing until a handler is set.
    void addDisabled(CommandId id);
    void setEnabled(CommandId id, bool enabled);

    bool contains(CommandId id) const { return m_entries.contains(id); }
    bool isEnabled(CommandId id) const;
    bool hasHandler(CommandId id) const;
    // Runs the handler of an enabled command; false when nothing ran.
    bool run(CommandId id) const;
    QList<CommandId> ids() const { return m_entries.keys(); }

private:
    struct Entry {
        Handler handler;
        bool enabled = false;
    };
    QHash<CommandId, Entry> m_entries;
};

} // namespace montora
