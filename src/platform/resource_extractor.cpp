#include "platform/resource_extractor.h"

#include "base/atomic_file.h"

#include <QFile>

namespace montora {

Status ResourceExtractor::extractToFile(const QString& resource, const QString& path)
{
    QFile source(resource);
    if (!source.open(QIODevice::ReadOnly))
        return Status::error(QStringLiteral("The built-in resource \"%1\" is missing.").arg(resource));
    return AtomicFile::write(path, source.readAll());
}

} // namespace montora
