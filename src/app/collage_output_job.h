#pragma once

#include "base/status.h"
#include "canvas/collage_exporter.h"

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

class QThread;

namespace montora {

// Runs one collage output (an export, a wallpaper) on a thread of its own, so the
// window stays responsive; the work gets an exporter whose cancel() the window's
// Cancel reaches. Progress and the end come back to this object's thread. The
// destructor cancels a running job and waits for it.
class CollageOutputJob : public QObject {
    Q_OBJECT
public:
    using Work = std::function<Status(CollageExporter& exporter)>;

    explicit CollageOutputJob(QObject* parent = nullptr);
    ~CollageOutputJob() override;

    // False (and nothing started) while a job runs.
    bool start(Work work);
    bool isRunning() const { return m_running; }
    void cancel();
    // Waits for the thread (tests and shutdown); the end is still reported through
    // the event loop.
    void join();
    // The photos the last job's picture had to leave out; read it once finished.
    std::vector<Compositor::UndrawnPhoto> undrawnPhotos() const;

signals:
    void progress(double done);
    // `cancelled` when the user's cancel ended the work.
    void finished(const montora::Status& status, bool cancelled);

private:
    void end(const Status& status);

    std::shared_ptr<CollageExporter> m_exporter;
    QThread* m_thread = nullptr;
    bool m_running = false;
};

} // namespace montora
