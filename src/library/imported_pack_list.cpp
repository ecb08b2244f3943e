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

QByteArray encodeCount(std::int32_t count)
{
    QByteArray bytes;
    BinaryWriter(bytes).writeI32(count);
    return bytes;
}

qint64 endOf(qsizetype names) { return 4 + qint64(names) * ImportedPackList::kNameFieldSize; }

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
    MONTORA_TRY_ASSIGN(names, this->names());
    const qsizetype at = names.lastIndexOf(name);
    if (at < 0)
        return Status::ok();
    if (names.size() == 1) // a list of no names reads as damaged: none at all is right
        return QFile::remove(m_path) || !QFileInfo::exists(m_path)
                   ? Status::ok()
                   : Status::error(QStringLiteral("Cannot delete \"%1\".").arg(m_path));
    if (at != names.size() - 1) {
        names.removeAt(at);
        QByteArray bytes = encodeCount(std::int32_t(names.size()));
        for (const QString& kept : names)
            bytes += FixedText::encode(kept, kNameFieldSize, FixedText::Overflow::Refuse).valueOr(QByteArray());
        return AtomicFile::write(m_path, bytes);
    }
    PosixFile file;
    MONTORA_TRY(file.open(m_path, PosixFile::Mode::ReadWrite));
    MONTORA_TRY(file.writeAt(0, encodeCount(std::int32_t(names.size() - 1))));
    MONTORA_TRY(file.truncate(endOf(names.size() - 1)));
    return file.sync();
}

} // namespace montora
