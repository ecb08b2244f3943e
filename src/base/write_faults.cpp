#include "base/write_faults.h"

#include <sys/stat.h>

#include <atomic>
#include <cerrno>
#include <mutex>
#include <numeric>

namespace montora {

namespace {

std::atomic<bool> g_armed{false};
std::mutex g_mutex;
WriteFaults::Plan g_plan;
WriteFaults::Tally g_tally;

// Called with the mutex held.
int failWith(int error)
{
    g_tally.failed = true;
    return error;
}

bool stopped() { return g_plan.stopAtFailure && g_tally.failed; }

} // namespace

qint64 WriteFaults::Tally::bytes() const { return std::accumulate(writes.begin(), writes.end(), qint64(0)); }

void WriteFaults::arm(const Plan& plan)
{
    std::lock_guard lock(g_mutex);
    g_plan = plan;
    g_tally = Tally();
    g_armed = true;
}

void WriteFaults::disarm()
{
    std::lock_guard lock(g_mutex);
    g_armed = false;
    g_plan = Plan();
}

WriteFaults::Tally WriteFaults::tally()
{
    std::lock_guard lock(g_mutex);
    return g_tally;
}

int WriteFaults::beforeWrite(int fd, qint64 offset, qint64 wanted, qint64* allowed)
{
    *allowed = wanted;
    if (!g_armed)
        return 0;
    std::lock_guard lock(g_mutex);
    if (stopped()) {
        *allowed = 0;
        return EIO;
    }
    struct stat info {};
    const qint64 size = ::fstat(fd, &info) == 0 ? qint64(info.st_size) : 0;
    const qint64 inside = qBound<qint64>(0, size - offset, wanted); // bytes written over, needing no room
    const qint64 growth = wanted - inside;
    const qint64 used = g_tally.bytes();
    g_tally.writes.push_back(growth);
    if (int(g_tally.writes.size()) == g_plan.failWrite) {
        g_tally.writes.back() = 0;
        *allowed = 0;
        return failWith(EIO);
    }
    if (g_plan.failAfterBytes < 0 || used + growth <= g_plan.failAfterBytes)
        return 0;
    const qint64 room = qMax<qint64>(0, g_plan.failAfterBytes - used);
    g_tally.writes.back() = room; // what the disk took
    *allowed = inside + room;
    return failWith(ENOSPC);
}

int WriteFaults::beforeTruncate()
{
    if (!g_armed)
        return 0;
    std::lock_guard lock(g_mutex);
    return stopped() ? EIO : 0;
}

int WriteFaults::beforeSync()
{
    if (!g_armed)
        return 0;
    std::lock_guard lock(g_mutex);
    if (stopped())
        return EIO;
    ++g_tally.syncs;
    return g_tally.syncs == g_plan.failSync ? failWith(EIO) : 0;
}

int WriteFaults::beforeRename()
{
    if (!g_armed)
        return 0;
    std::lock_guard lock(g_mutex);
    if (stopped())
        return EIO;
    ++g_tally.renames;
    return g_tally.renames == g_plan.failRename ? failWith(EIO) : 0;
}

} // namespace montora
