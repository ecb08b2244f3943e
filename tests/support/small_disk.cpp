#include "support/small_disk.h"

#include "base/atomic_file.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace montora::test {

namespace {

constexpr qint64 kPage = 4096;

QString filler(const QString& root) { return root + QStringLiteral("/.filler"); }

} // namespace

SmallDisk::SmallDisk(int kilobytes)
{
    if (geteuid() != 0) {
        m_whyNot = QStringLiteral("mounting a tmpfs needs root");
        return;
    }
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
    const QByteArray target = QFile::encodeName(m_dir.path());
    if (::mount("tmpfs", target.constData(), "tmpfs", MS_NOSUID | MS_NODEV, options.constData()) != 0) {
        m_whyNot = QStringLiteral("mount failed: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    m_mounted = true;
}

SmallDisk::~SmallDisk()
{
    if (m_mounted)
        ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
}

QString SmallDisk::path(const QString& name) const { return name.isEmpty() ? m_dir.path() : m_dir.filePath(name); }

void SmallDisk::fill(qint64 leave)
{
    QFile file(filler(m_dir.path()));
    file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered);
    const QByteArray page(kPage, 'f');
    while (file.write(page) == page.size()) {
    }
    file.close();
    const qint64 size = QFileInfo(file).size();
    QFile::resize(file.fileName(), qMax<qint64>(0, size - (leave + kPage - 1) / kPage * kPage));
}

void SmallDisk::release() { QFile::remove(filler(m_dir.path())); }

QStringList SmallDisk::leftovers() const
{
    QStringList found;
    QDirIterator it(m_dir.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString name = it.next();
        if (name.contains(QLatin1String(AtomicFile::kTemporarySuffix)))
            found.append(name);
    }
    return found;
}

bool SmallDisk::remountReadOnly()
{
    return ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr)
        == 0;
}

} // namespace montora::test
