#include "base/atomic_file.h"

#include "base/posix_file.h"
#include "base/write_faults.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace montora {

namespace {

// A symbolic link keeps pointing at the file it named: its target is replaced.
QString targetOf(const QString& path)
{
    const QFileInfo info(path);
    return info.isSymLink() ? info.symLinkTarget() : path;
}

Result<PosixFile> createTemporary(const QString& path, QString* temporary)
{
    for (int attempt = 0;; ++attempt) {
        *temporary = path + QLatin1String(AtomicFile::kTemporarySuffix)
                     + QString::number(QRandomGenerator::global()->generate(), 36);
        PosixFile file;
        const Status opened = file.open(*temporary, PosixFile::Mode::CreateNew);
        if (opened)
            return file;
        if (file.lastError() != EEXIST || attempt == 16)
            return Result<PosixFile>(PosixFile::failure(QStringLiteral("create"), path, file.lastError()));
    }
}

// The new file keeps the permissions of the one it replaces.
void keepPermissions(const PosixFile& file, const QString& path)
{
    struct stat old {};
    if (::stat(QFile::encodeName(path).constData(), &old) == 0)
        ::fchmod(file.descriptor(), old.st_mode & 07777);
}

// Makes the rename itself survive a power cut; a folder that cannot be synced
// (some file systems refuse) still holds the complete new file.
void syncFolder(const QString& path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Failures name the file the user asked for, not the temporary one.
Status writeTemporary(PosixFile& file, const QString& path, const QByteArray& content)
{
    keepPermissions(file, path);
    Status written = file.writeAt(0, content);
    if (written)
        written = file.sync();
    if (written)
        written = file.close();
    return written ? written : PosixFile::failure(QStringLiteral("write"), path, file.lastError());
}

// 0 or the errno of the failed rename.
int renameOver(const QString& temporary, const QString& path)
{
    if (const int fault = WriteFaults::beforeRename())
        return fault;
    return ::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData()) == 0 ? 0 : errno;
}

} // namespace

Status AtomicFile::write(const QString& path, const Writer& writer)
{
    QByteArray content;
    QBuffer buffer(&content);
    buffer.open(QIODevice::WriteOnly);
    MONTORA_TRY(writer(buffer));
    buffer.close();
    return write(path, content);
}

Status AtomicFile::write(const QString& requested, const QByteArray& content)
{
    const QString path = targetOf(requested);
    QString temporary;
    MONTORA_TRY_ASSIGN(file, createTemporary(path, &temporary));
    Status written = writeTemporary(file, path, content);
    if (written)
        if (const int error = renameOver(temporary, path))
            written = PosixFile::failure(QStringLiteral("replace"), path, error);
    if (!written) {
        // The temporary goes anyway; the first failure is the one to report.
        (void)file.close();
        ::unlink(QFile::encodeName(temporary).constData());
        return written;
    }
    syncFolder(path);
    return Status::ok();
}

} // namespace montora
