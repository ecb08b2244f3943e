#pragma once

#include "base/status.h"

#include <QByteArray>
#include <QString>

namespace montora {

// A file descriptor whose every write, truncation, sync and close is checked and
// reported with the system's reason ("No space left on device", "Read-only file
// system", "Permission denied"). Buffered Qt devices report a full disk late or
// not at all, which is why the writers that must never lie about success use this.
class PosixFile {
public:
    enum class Mode { ReadWrite, CreateNew };

    PosixFile() = default;
    ~PosixFile();
    PosixFile(PosixFile&& other) noexcept;
    PosixFile& operator=(PosixFile&& other) noexcept;
    PosixFile(const PosixFile&) = delete;
    PosixFile& operator=(const PosixFile&) = delete;

    // CreateNew fails when the file exists; the umask applies to its permissions.
    Status open(const QString& path, Mode mode);
    bool isOpen() const { return m_fd >= 0; }
    int descriptor() const { return m_fd; }
    const QString& path() const { return m_path; }
    // The errno of the last call that failed.
    int lastError() const { return m_error; }

    Status writeAt(qint64 offset, const QByteArray& bytes);
    Status truncate(qint64 size);
    Status sync();
    Result<qint64> size() const;
    // Closes and reports what the close reported (a late write error on some file systems).
    Status close();

    // The system's text for an errno value.
    static QString reason(int error);
    static Status failure(const QString& what, const QString& path, int error);

private:
    Status failed(const QString& what, int error);

    int m_fd = -1;
    int m_error = 0;
    QString m_path;
};

} // namespace montora
