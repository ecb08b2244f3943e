#include "app/recovery_file.h"

#include "base/atomic_file.h"

#include <QFile>
#include <QFileInfo>

namespace montora {

bool RecoveryFile::exists() const { return QFileInfo(path()).isFile(); }

Status RecoveryFile::write(const QByteArray& project) const { return AtomicFile::write(path(), project); }

Status RecoveryFile::remove() const
{
    if (QFile::exists(path()) && !QFile::remove(path()))
        return Status::error(QStringLiteral("Cannot delete \"%1\".").arg(path()));
    return Status::ok();
}

Result<QString> RecoveryFile::setAside() const
{
    const QString aside = declinedPath();
    if (QFile::exists(aside) && !QFile::remove(aside))
        return Result<QString>::error(QStringLiteral("Cannot replace \"%1\".").arg(aside));
    if (!QFile::rename(path(), aside))
        return Result<QString>::error(QStringLiteral("Cannot move \"%1\" to \"%2\".").arg(path(), aside));
    return aside;
}

} // namespace montora
