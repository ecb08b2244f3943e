#pragma once

#include "library/photo_list.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>

class QObject;

namespace montora {

// The thread of one photo import. It walks the picked paths in order, reads each
// picture and makes its thumbnail, and hands every new entry to the thread of
// `receiver` synchronously, so the photo library itself only ever changes there.
// A stop request is seen at the next file, or at once while the worker waits for
// the receiver; the entry in hand is then dropped. The import also ends at the
// first picked file that no longer exists.
class ImportWorker {
public:
    enum class End { Done, Stopped, Missing };

    // All called on the receiver's thread.
    struct Hooks {
        std::function<void(int index, const QString& path)> fileStarted; // not waited for
        std::function<bool(const QString& path)> isKnown;                // already in the library?
        std::function<void(PhotoListEntry entry)> accept;                // ownership passes
        std::function<void(const QString& path, const QString& reason)> skipped; // not waited for
        std::function<void(End end, const QString& missingPath)> finished; // not waited for
    };

    struct Options {
        QSize minimum = QSize(5, 5);
        // Between files, so the receiver's thread gets room to repaint.
        std::chrono::milliseconds pause{10};
    };

    ImportWorker(QStringList paths, QObject* receiver, Hooks hooks, Options options);
    ImportWorker(QStringList paths, QObject* receiver, Hooks hooks);
    // Stops and joins.
    ~ImportWorker();

    ImportWorker(const ImportWorker&) = delete;
    ImportWorker& operator=(const ImportWorker&) = delete;

    static QString alreadyInReason() { return QStringLiteral("It is already in the photo library."); }

    void start();
    bool isRunning() const { return m_running.load(); }
    // Asks the worker to stop; returns at once.
    void requestStop();
    // Waits until the thread has ended. Never call it from inside a hook.
    void join();
    // Blocks until the worker waits for the receiver to take a hand-over, or has
    // ended; false when `timeout` passed first. Lets a caller that runs no events
    // meet the worker at a definite point.
    bool waitUntilHandingOver(std::chrono::milliseconds timeout) const;

private:
    struct Shared;
    void run();
    bool stopRequested() const;
    // Runs `work` on the receiver's thread and waits for it; false when a stop
    // came first (the work then never runs).
    bool handOver(std::function<void()> work);
    void post(std::function<void()> work);
    void skip(const QString& path, const QString& reason);
    void pause();

    const QStringList m_paths;
    QObject* m_receiver;
    Hooks m_hooks;
    Options m_options;
    std::shared_ptr<Shared> m_shared;
    std::atomic<bool> m_running{false};
    std::jthread m_thread;
};

} // namespace montora
