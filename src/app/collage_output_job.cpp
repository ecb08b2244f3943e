#include "app/collage_output_job.h"

#include <QMetaObject>
#include <QThread>

namespace montora {

CollageOutputJob::CollageOutputJob(QObject* parent) : QObject(parent) {}

CollageOutputJob::~CollageOutputJob()
{
    cancel();
    join();
}

bool CollageOutputJob::start(Work work)
{
    if (m_running)
        return false;
    join();
    m_running = true;
    auto exporter = std::make_shared<CollageExporter>();
    m_exporter = exporter;
    exporter->setProgress([this](double done) {
        QMetaObject::invokeMethod(this, [this, done] { emit progress(done); }, Qt::QueuedConnection);
    });
    m_thread = QThread::create([this, exporter, work = std::move(work)] {
        const Status status = work(*exporter);
        // Dropped unread when this object is gone by then.
        QMetaObject::invokeMethod(this, [this, status] { end(status); }, Qt::QueuedConnection);
    });
    m_thread->start();
    return true;
}

void CollageOutputJob::cancel()
{
    if (m_exporter)
        m_exporter->cancel();
}

void CollageOutputJob::join()
{
    if (!m_thread)
        return;
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
}

std::vector<Compositor::UndrawnPhoto> CollageOutputJob::undrawnPhotos() const
{
    if (m_running || !m_exporter)
        return {};
    return m_exporter->undrawnPhotos();
}

void CollageOutputJob::end(const Status& status)
{
    const bool cancelled = m_exporter && m_exporter->isCancelled();
    join();
    m_running = false;
    emit finished(status, cancelled);
}

} // namespace montora
