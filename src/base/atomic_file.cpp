#include "base/atomic_file.h"

#include <QSaveFile>

namespace montora {

Status AtomicFile::write(const QString& path, const Writer& writer)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Status::error(QStringLiteral("Cannot create \"%1\": %2").arg(path, file.errorString()));
    Status written = writer(file);
    if (!written) {
        file.cancelWriting();
        return written;
    }
    if (!file.commit())
        return Status::error(QStringLiteral("Cannot write \"%1\": %2").arg(path, file.errorString()));
    return Status::ok();
}

Status AtomicFile::write(const QString& path, const QByteArray& content)
{
    return write(path, [&content](QIODevice& device) {
        if (device.write(content) != content.size())
            return Status::error(QStringLiteral("Cannot write: %1").arg(device.errorString()));
        return Status::ok();
    });
}

} // namespace montora
