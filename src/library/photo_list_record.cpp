#include "library/photo_list_record.h"

#include "base/fixed_text.h"

#include <QFileInfo>

#include <cstring>

namespace montora {

namespace {

Status fill(char* field, int size, const QString& text, const char* what)
{
    auto bytes = FixedText::encode(text, size, FixedText::Overflow::Refuse);
    if (!bytes)
        return Status::error(QStringLiteral("The %1 of the picture is too long: %2").arg(QLatin1String(what), bytes.message()));
    std::memcpy(field, bytes->constData(), size_t(size));
    return Status::ok();
}

} // namespace

Result<PhotoListRecord> PhotoListRecord::forPath(const QString& path)
{
    PhotoListRecord record;
    std::memset(&record, 0, sizeof record);
    const QFileInfo info(path);
    const QString name = info.fileName();
    const int dot = name.lastIndexOf('.');
    const QString base = dot > 0 ? name.left(dot) : name;
    const QString extension = dot > 0 ? name.mid(dot).toLower() : QString();
    QString folder = path.left(path.size() - name.size());
    MONTORA_TRY(fill(record.fullPath, sizeof record.fullPath, path, "path"));
    MONTORA_TRY(fill(record.directory, sizeof record.directory, folder, "folder"));
    MONTORA_TRY(fill(record.fileName, sizeof record.fileName, base, "name"));
    MONTORA_TRY(fill(record.extension, sizeof record.extension, extension, "extension"));
    return record;
}

QString PhotoListRecord::path() const { return FixedText::decode(fullPath, sizeof fullPath); }

QString PhotoListRecord::name() const
{
    return FixedText::decode(fileName, sizeof fileName) + FixedText::decode(extension, sizeof extension);
}

} // namespace montora
