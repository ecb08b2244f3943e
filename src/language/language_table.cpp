#include "language/language_table.h"

#include "language/lang_file_cipher.h"
#include "base/binary_reader.h"
#include "base/fixed_text.h"

#include <QFile>

#include <algorithm>
#include <atomic>

namespace montora {

namespace {
std::atomic<const LanguageTable*> g_current{nullptr};
}

LanguageTable::LanguageTable(QByteArray block, qint64 loadedBytes) : m_block(std::move(block))
{
    const qint64 loaded = std::clamp<qint64>(loadedBytes, 0, m_block.size());
    m_slotCount = int((loaded + kSlotSize - 1) / kSlotSize);
}

Result<LanguageTable> LanguageTable::fromFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Result<LanguageTable>::error(
            QStringLiteral("The language file \"%1\" cannot be opened: %2").arg(path, file.errorString()));
    // An oversized file is refused before any of it is read.
    MONTORA_TRY(LangFileCipher::checkLength(file.size()));
    BinaryReader reader(file);
    MONTORA_TRY_ASSIGN(bytes, reader.readBytes(reader.size()));
    MONTORA_TRY_ASSIGN(block, LangFileCipher::decipher(bytes));
    return LanguageTable(std::move(block), bytes.size());
}

QString LanguageTable::text(int slot) const
{
    if (slot < 0 || slot >= m_slotCount)
        return QString();
    const qint64 start = qint64(slot) * kSlotSize;
    // The last slot of a full 65,536-byte block is only 16 bytes long: never read past the block.
    const int size = int(std::min<qint64>(kSlotSize, m_block.size() - start));
    return FixedText::decode(m_block.constData() + start, size);
}

void LanguageTable::setCurrent(const LanguageTable* table) { g_current.store(table); }

const LanguageTable* LanguageTable::current() { return g_current.load(); }

QString LangString(int slot)
{
    const LanguageTable* table = LanguageTable::current();
    return table ? table->text(slot) : QString();
}

} // namespace montora
