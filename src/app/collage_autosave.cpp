#include "app/collage_autosave.h"

#include "canvas/collage_project.h"
#include "project/project_file_writer.h"

#include <algorithm>

namespace montora {

int CollageAutosave::intervalFromEnvironment()
{
    bool ok = false;
    const double seconds = qEnvironmentVariable("MONTORA_AUTOSAVE_SECONDS").toDouble(&ok);
    if (!ok || seconds <= 0)
        return kDefaultIntervalMs;
    return int(std::min(seconds * 1000.0, double(kDefaultIntervalMs)));
}

CollageAutosave::CollageAutosave(CollageProject& project, RecoveryFile file, int intervalMs, QObject* parent)
    : QObject(parent), m_project(project), m_file(std::move(file))
{
    m_writer.setMaxThreadCount(1);
    m_timer.setInterval(std::max(1, intervalMs));
    connect(&m_timer, &QTimer::timeout, this, &CollageAutosave::writeNow);
    m_timer.start();
}

CollageAutosave::~CollageAutosave() { waitForWrites(); }

void CollageAutosave::noteEdit()
{
    if (++m_edits >= kEditsPerWrite)
        writeNow();
}

void CollageAutosave::writeNow()
{
    m_edits = 0;
    if (!m_project.isModified())
        return;
    Result<QByteArray> snapshot = ProjectFileWriter::encode(m_project);
    if (!snapshot) {
        QMutexLocker lock(&m_failureMutex);
        m_lastFailure = snapshot.message();
        return;
    }
    m_writer.start([this, bytes = std::move(*snapshot)] {
        const Status written = m_file.write(bytes);
        QMutexLocker lock(&m_failureMutex);
        m_lastFailure = written ? QString() : written.message();
    });
}

void CollageAutosave::discard()
{
    m_edits = 0;
    waitForWrites();
    const Status removed = m_file.remove();
    QMutexLocker lock(&m_failureMutex);
    m_lastFailure = removed ? QString() : removed.message();
}

void CollageAutosave::waitForWrites() { m_writer.waitForDone(); }

QString CollageAutosave::lastFailure() const
{
    QMutexLocker lock(&m_failureMutex);
    return m_lastFailure;
}

} // namespace montora
