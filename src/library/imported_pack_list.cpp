#include "library/imported_pack_list.h"

#include "base/atomic_file.h"
#include "base/binary_reader.h"
#include "base/binary_writer.h"
#include "base/fixed_text.h"
#include "base/posix_file.h"

#include <QFile>
#include <QFileInfo>

namespace montora {

namespace {

// The name fields as stored, NUL and padding included.
Result<QList<QByteArray>> readFields(BinaryReader& reader, const QString& path)
{
    auto count = reader.readI32();
    if (!count)
        return Result<QList<QByteArray>>::error(QStringLiteral("\"%1\" is damaged: %2").arg(path, count.message()));
    if (*count <= 0)
        return Result<QList<QByteArray>>::error(
            QStringLiteral("\"%1\" is damaged: it lists %2 packs.").arg(path).arg(*count));
    const Status fits = reader.checkFits(*count, ImportedPackList::kNameFieldSize, "pack names");
    if (!fits)
        return Result<QList<QByteArray>>::error(QStringLiteral("\"%1\" is damaged: %2").arg(path, fits.message()));
    QList<QByteArray> fields;
    for (std::int32_t i = 0; i < *count; ++i) {
        MONTORA_TRY_ASSIGN(field, reader.readBytes(ImportedPackList::kNameFieldSize));
        fields.append(field);
    }
    return fields;
}

QStringList namesOf(const QList<QByteArray>& fields)
{
    QStringList names;
    for (const QByteArray& field : fields)
        names.append(FixedText::decode(field));
    return names;
}

QByteArray encodeCount(std::int32_t count)
{
    QByteArray bytes;
    BinaryWriter(bytes).writeI32(count);
    return bytes;
}

qint64 endOf(qsizetype names) { return 4 + qint64(names) * ImportedPackList::kNameFieldSize; }

} // namespace

ImportedPackList::ImportedPackList(QString path) : m_path(std::move(path)) {}

Result<QList<QByteArray>> ImportedPackList::fields() const
{
    QFile file(m_path);
    if (!QFileInfo::exists(m_path))
        return QList<QByteArray>();
    if (!file.open(QIODevice::ReadOnly))
        return Result<QList<QByteArray>>::error(
            QStringLiteral("Cannot open \"%1\": %2").arg(m_path, file.errorString()));
    BinaryReader reader(file);
    return readFields(reader, m_path);
}

Result<QStringList> ImportedPackList::names() const
{
    MONTORA_TRY_ASSIGN(stored, fields());
    return namesOf(stored);
}

Result<ImportedPackList::Check> ImportedPackList::checkAndRecord(const QString& name) const
{
    MONTORA_TRY_ASSIGN(field, FixedText::encode(name, kNameFieldSize, FixedText::Overflow::Refuse));
    if (!QFileInfo::exists(m_path)) {
        MONTORA_TRY(AtomicFile::write(m_path, encodeCount(1) + field));
        return Check::Recorded;
    }
    MONTORA_TRY_ASSIGN(names, this->names());
    if (names.contains(name))
        return Check::AlreadyInLibrary;
    // The name goes after the listed ones and reaches the disk before the count does.
    PosixFile file;
    MONTORA_TRY(file.open(m_path, PosixFile::Mode::ReadWrite));
    const qint64 end = endOf(names.size());
    Status written = file.writeAt(end, field);
    if (written)
        written = file.sync();
    if (written)
        written = file.writeAt(0, encodeCount(std::int32_t(names.size() + 1)));
    if (written)
        written = file.sync();
    if (!written) {
        // Back to the old list as far as the disk lets us; the count is what
        // readers trust, and a name beyond it is never read.
        if (file.writeAt(0, encodeCount(std::int32_t(names.size()))).isOk())
            (void)file.truncate(end);
        return Result<Check>(written);
    }
    return Check::Recorded;
}

Status ImportedPackList::forget(const QString& name) const
{
    MONTORA_TRY_ASSIGN(stored, fields());
    const QStringList names = namesOf(stored);
    const qsizetype at = names.lastIndexOf(name);
    if (at < 0)
        return Status::ok();
    if (names.size() == 1) // a list of no names reads as damaged: none at all is right
        return QFile::remove(m_path) || !QFileInfo::exists(m_path)
                   ? Status::ok()
                   : Status::error(QStringLiteral("Cannot delete \"%1\".").arg(m_path));
    if (at != names.size() - 1) {
        // The other fields go back as they were read: a name from the original
        // platform (Windows-1252) may not fit its field once written as UTF-8.
        stored.removeAt(at);
        QByteArray bytes = encodeCount(std::int32_t(stored.size()));
        for (const QByteArray& kept : stored)
            bytes += kept;
        return AtomicFile::write(m_path, bytes);
    }
    PosixFile file;
    MONTORA_TRY(file.open(m_path, PosixFile::Mode::ReadWrite));
    MONTORA_TRY(file.writeAt(0, encodeCount(std::int32_t(names.size() - 1))));
    MONTORA_TRY(file.truncate(endOf(names.size() - 1)));
    return file.sync();
}

} // namespace montora
