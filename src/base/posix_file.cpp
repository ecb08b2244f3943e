#include "base/posix_file.h"

#include "base/write_faults.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <utility>

namespace montora {

PosixFile::~PosixFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

PosixFile::PosixFile(PosixFile&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)), m_path(std::move(other.m_path))
{
}

PosixFile& PosixFile::operator=(PosixFile&& other) noexcept
{
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = std::exchange(other.m_fd, -1);
        m_path = std::move(other.m_path);
    }
    return *this;
}

QString PosixFile::reason(int error) { return QString::fromStdString(std::generic_category().message(error)); }

Status PosixFile::failure(const QString& what, const QString& path, int error)
{
    return Status::error(QStringLiteral("Cannot %1 \"%2\": %3").arg(what, path, reason(error)));
}

Status PosixFile::failed(const QString& what, int error)
{
    m_error = error;
    return failure(what, m_path, error);
}

Status PosixFile::open(const QString& path, Mode mode)
{
    Q_ASSERT(m_fd < 0);
    const int flags = O_RDWR | O_CLOEXEC | (mode == Mode::CreateNew ? O_CREAT | O_EXCL : 0);
    int fd;
    do {
        fd = ::open(QFile::encodeName(path).constData(), flags, 0666);
    } while (fd < 0 && errno == EINTR);
    m_path = path;
    if (fd < 0)
        return failed(mode == Mode::CreateNew ? QStringLiteral("create") : QStringLiteral("open"), errno);
    m_fd = fd;
    return Status::ok();
}

Status PosixFile::writeAt(qint64 offset, const QByteArray& bytes)
{
    Q_ASSERT(m_fd >= 0);
    const char* data = bytes.constData();
    qint64 left = 0;
    const int fault = WriteFaults::beforeWrite(m_fd, offset, bytes.size(), &left);
    while (left > 0) {
        const ssize_t written = ::pwrite(m_fd, data, size_t(left), off_t(offset));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return failed(QStringLiteral("write"), errno);
        if (written == 0) // no progress and no reason: the device is full
            return failed(QStringLiteral("write"), ENOSPC);
        data += written;
        offset += written;
        left -= written;
    }
    return fault ? failed(QStringLiteral("write"), fault) : Status::ok();
}

Status PosixFile::truncate(qint64 size)
{
    Q_ASSERT(m_fd >= 0);
    if (const int fault = WriteFaults::beforeTruncate())
        return failed(QStringLiteral("shorten"), fault);
    int result;
    do {
        result = ::ftruncate(m_fd, off_t(size));
    } while (result < 0 && errno == EINTR);
    return result == 0 ? Status::ok() : failed(QStringLiteral("shorten"), errno);
}

Status PosixFile::sync()
{
    Q_ASSERT(m_fd >= 0);
    if (const int fault = WriteFaults::beforeSync())
        return failed(QStringLiteral("write"), fault);
    int result;
    do {
        result = ::fsync(m_fd);
    } while (result < 0 && errno == EINTR);
    return result == 0 ? Status::ok() : failed(QStringLiteral("write"), errno);
}

Result<qint64> PosixFile::size() const
{
    Q_ASSERT(m_fd >= 0);
    struct stat info {};
    if (::fstat(m_fd, &info) != 0)
        return Result<qint64>(failure(QStringLiteral("read"), m_path, errno));
    return qint64(info.st_size);
}

Status PosixFile::close()
{
    if (m_fd < 0)
        return Status::ok();
    // The descriptor is gone even when close reports an error; never retry it.
    const int result = ::close(std::exchange(m_fd, -1));
    if (result != 0 && errno != EINTR)
        return failed(QStringLiteral("write"), errno);
    return Status::ok();
}

} // namespace montora
