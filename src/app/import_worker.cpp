#include "app/import_worker.h"

#include "app/imported_photo.h"

#include <QFileInfo>
#include <QMetaObject>
#include <QObject>

#include <condition_variable>
#include <mutex>

namespace montora {

// What the worker and the receiver's thread share. It outlives the worker when a
// hand-over it abandoned is still queued for the receiver.
struct ImportWorker::Shared {
    std::mutex mutex;
    std::condition_variable wake;
    std::atomic<bool> stop{false}; // written under the mutex, so no waiter misses it
    bool handingOver = false;      // the worker waits for the receiver
    bool ended = false;
};

namespace {

// One hand-over. The receiver takes it unless the worker gave up on it first.
struct HandOverState {
    bool taken = false;
    bool done = false;
    bool abandoned = false;
};

} // namespace

ImportWorker::ImportWorker(QStringList paths, QObject* receiver, Hooks hooks)
    : ImportWorker(std::move(paths), receiver, std::move(hooks), Options())
{
}

ImportWorker::ImportWorker(QStringList paths, QObject* receiver, Hooks hooks, Options options)
    : m_paths(std::move(paths)),
      m_receiver(receiver),
      m_hooks(std::move(hooks)),
      m_options(options),
      m_shared(std::make_shared<Shared>())
{
}

ImportWorker::~ImportWorker()
{
    requestStop();
    join();
}

void ImportWorker::start()
{
    if (m_thread.joinable())
        return;
    m_running = true;
    m_thread = std::jthread([this] { run(); });
}

void ImportWorker::requestStop()
{
    {
        std::lock_guard lock(m_shared->mutex);
        m_shared->stop = true;
    }
    m_shared->wake.notify_all();
}

void ImportWorker::join()
{
    if (m_thread.joinable())
        m_thread.join();
}

bool ImportWorker::waitUntilHandingOver(std::chrono::milliseconds timeout) const
{
    std::unique_lock lock(m_shared->mutex);
    return m_shared->wake.wait_for(lock, timeout, [this] { return m_shared->handingOver || m_shared->ended; });
}

bool ImportWorker::stopRequested() const { return m_shared->stop.load(); }

void ImportWorker::post(std::function<void()> work)
{
    QMetaObject::invokeMethod(m_receiver, std::move(work), Qt::QueuedConnection);
}

// A blocking queued call would hang a shutdown that waits for this thread while
// this thread waits for the receiver's: the wait here also ends on a stop request.
bool ImportWorker::handOver(std::function<void()> work)
{
    auto state = std::make_shared<HandOverState>();
    auto shared = m_shared;
    post([state, shared, work = std::move(work)] {
        {
            std::lock_guard lock(shared->mutex);
            if (state->abandoned)
                return;
            state->taken = true;
        }
        work();
        {
            std::lock_guard lock(shared->mutex);
            state->done = true;
        }
        shared->wake.notify_all();
    });
    std::unique_lock lock(m_shared->mutex);
    m_shared->handingOver = true;
    m_shared->wake.notify_all();
    m_shared->wake.wait(lock, [&] { return state->done || (m_shared->stop && !state->taken); });
    m_shared->handingOver = false;
    if (!state->done)
        state->abandoned = true;
    return state->done;
}

void ImportWorker::skip(const QString& path, const QString& reason)
{
    if (m_hooks.skipped)
        post([hook = m_hooks.skipped, path, reason] { hook(path, reason); });
}

void ImportWorker::pause()
{
    std::unique_lock lock(m_shared->mutex);
    m_shared->wake.wait_for(lock, m_options.pause, [this] { return m_shared->stop.load(); });
}

void ImportWorker::run()
{
    End end = End::Done;
    QString missing;
    for (int i = 0; i < m_paths.size(); ++i) {
        const QString& path = m_paths[i];
        const bool found = QFileInfo::exists(path);
        if (stopRequested()) {
            end = End::Stopped;
            break;
        }
        if (!found) {
            end = End::Missing;
            missing = path;
            break;
        }
        if (m_hooks.fileStarted)
            post([hook = m_hooks.fileStarted, i, path] { hook(i, path); });
        bool known = false;
        if (m_hooks.isKnown && !handOver([&] { known = m_hooks.isKnown(path); })) {
            end = End::Stopped;
            break;
        }
        if (known) {
            skip(path, alreadyInReason());
        } else {
            auto entry = ImportedPhoto::prepare(path, m_options.minimum);
            if (!entry)
                skip(path, entry.message());
            else if (!handOver([&] { m_hooks.accept(std::move(entry).value()); })) {
                end = End::Stopped;
                break;
            }
        }
        pause();
    }
    m_running = false;
    {
        std::lock_guard lock(m_shared->mutex);
        m_shared->ended = true;
    }
    m_shared->wake.notify_all();
    if (m_hooks.finished)
        post([hook = m_hooks.finished, end, missing] { hook(end, missing); });
}

} // namespace montora
