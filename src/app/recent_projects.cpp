#include "app/recent_projects.h"

#include "base/atomic_file.h"

#include <QFile>
#include <QFileInfo>

namespace montora {

RecentProjects::RecentProjects(QString folder) : m_folder(std::move(folder)) {}

void RecentProjects::load()
{
    m_paths.clear();
    if (m_folder.isEmpty())
        return;
    QFile file(m_folder + kFileName);
    if (!file.open(QIODevice::ReadOnly))
        return;
    // Bounded: a list is a few lines, whatever the file holds.
    const QByteArray bytes = file.read(64 * 1024);
    for (const QByteArray& line : bytes.split('\n')) {
        const QString path = QString::fromUtf8(line.trimmed());
        if (!path.isEmpty() && !m_paths.contains(path) && m_paths.size() < kMaxEntries)
            m_paths << path;
    }
}

Status RecentProjects::add(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_paths.removeAll(absolute);
    m_paths.prepend(absolute);
    while (m_paths.size() > kMaxEntries)
        m_paths.removeLast();
    return save();
}

Status RecentProjects::remove(const QString& path)
{
    if (m_paths.removeAll(path) == 0)
        return Status::ok();
    return save();
}

Status RecentProjects::save() const
{
    if (m_folder.isEmpty())
        return Status::ok();
    QByteArray bytes;
    for (const QString& path : m_paths)
        bytes += path.toUtf8() + '\n';
    return AtomicFile::write(m_folder + kFileName, bytes);
}

} // namespace montora
