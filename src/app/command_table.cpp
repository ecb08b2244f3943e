#include "app/command_table.h"

namespace montora {

void CommandTable::setHandler(CommandId id, Handler handler)
{
    Entry& entry = m_entries[id];
    entry.enabled = bool(handler);
    entry.handler = std::move(handler);
}

void CommandTable::addDisabled(CommandId id) { m_entries[id] = Entry{}; }

void CommandTable::setEnabled(CommandId id, bool enabled)
{
    auto it = m_entries.find(id);
    if (it != m_entries.end())
        it->enabled = enabled && bool(it->handler);
}

bool CommandTable::isEnabled(CommandId id) const
{
    auto it = m_entries.constFind(id);
    return it != m_entries.constEnd() && it->enabled;
}

bool CommandTable::hasHandler(CommandId id) const
{
    auto it = m_entries.constFind(id);
    return it != m_entries.constEnd() && bool(it->handler);
}

bool CommandTable::run(CommandId id) const
{
    auto it = m_entries.constFind(id);
    if (it == m_entries.constEnd() || !it->enabled || !it->handler)
        return false;
    // A copy: the handler may replace its own entry while it runs.
    const Handler handler = it->handler;
    handler();
    return true;
}

} // namespace montora
