#include "library/imported_pack_list.h"

#include "base/atomic_file.h"
#include "base/binary_reader.h"
#include "base/binary_writer.h"
#include "base/fixed_text.h"

#include <QFile>
#include <QFileInfo>

namespace montora {

namespace {

Result<QStringList> readNames(BinaryReader& reader, const QString& path)
{
    auto count = reader.readI32();
    if (!count)
        return Result<QStringList>::error(QStringLiteral("\"%1\" is damaged: %2").arg(path, count.message()));
    if (*count <= 0)
        return Result<QStringList>::error(QStringLiteral("\"%1\" is damaged: it lists %2 packs.").arg(path).arg(*count));
    const Status fits = reader.checkFits(*count, ImportedPackList::kNameFieldSize, "pack names");
    if (!fits)
        return Result<QStringList>::error(QStringLiteral("\"%1\" is damaged: %2").arg(path, fits.message()));
    QStringList names;
    char field[ImportedPackList::kNameFieldSize];
    for (std::int32_t i = 0; i < *count; ++i) {
        MONTORA_TRY(reader.readInto(field, sizeof field));
        names.append(FixedText::decode(field, sizeof field));
    }
    return names;
}

} // namespace

ImportedPackList::ImportedPackList(QString path) : m_path(std::move(path)) {}

Result<QStringList> ImportedPackList::names() const
{
    QFile file(m_path);
    if (!QFileInfo::exists(m_path))
        return QStringList();
    if (!file.open(QIODevice::ReadOnly))
        return Result<QStringList>::error(QStringLiteral("Cannot open \"%1\": %2").arg(m_path, file.errorString()));
    BinaryReader reader(file);
    return readNames(reader, m_path);
}

Result<ImportedPackList::Check> ImportedPackList::checkAndRecord(const QString& name) const
{
    MONTORA_TRY_ASSIGN(field, FixedText::encode(name, kNameFieldSize, FixedText::Overflow::Refuse));
    if (!QFileInfo::exists(m_path)) {
        QByteArray bytes;
        BinaryWriter writer(bytes);
        writer.writeI32(1);
        writer.writeBytes(field);
        MONTORA_TRY(AtomicFile::write(m_path, bytes));
        return Check::Recorded;
    }
    QFile file(m_path);
    if (!file.open(QIODevice::ReadWrite))
        return Result<Check>::error(QStringLiteral("Cannot open \"%1\": %2").arg(m_path, file.errorString()));
    BinaryReader reader(file);
    MONTORA_TRY_ASSIGN(names, readNames(reader, m_path));
    if (names.contains(name))
        return Check::AlreadyInLibrary;
    // The name goes after the listed ones, the count last.
    BinaryWriter writer(file);
    const qint64 end = 4 + qint64(names.size()) * kNameFieldSize;
    if (!file.seek(end))
        return Result<Check>::error(QStringLiteral("Cannot write \"%1\".").arg(m_path));
    writer.writeBytes(field);
    MONTORA_TRY(writer.status());
    if (!file.flush() || !file.seek(0))
        return Result<Check>::error(QStringLiteral("Cannot write \"%1\".").arg(m_path));
    writer.writeI32(std::int32_t(names.size() + 1));
    MONTORA_TRY(writer.status());
    if (!file.flush())
        return Result<Check>::error(QStringLiteral("Cannot write \"%1\".").arg(m_path));
    return Check::Recorded;
}

} // namespace montora
