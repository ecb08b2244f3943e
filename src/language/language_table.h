#pragma once

#include "base/status.h"

#include <QByteArray>
#include <QString>

namespace montora {

// The deciphered language file: numbered 260-byte slots, slot n at byte n * 260,
// each a NUL-terminated text. A missing table, a slot beyond the loaded bytes or
// a negative slot number all give empty text, so captions stay empty rather than
// failing.
class LanguageTable {
public:
    static constexpr int kSlotSize = 260;

    // No table: every text is empty.
    LanguageTable() = default;
    // `block` holds the deciphered file in its first `loadedBytes` bytes.
    LanguageTable(QByteArray block, qint64 loadedBytes);

    // Reads and deciphers a language file (LangFileCipher).
    static Result<LanguageTable> fromFile(const QString& path);

    bool isLoaded() const { return !m_block.isEmpty(); }
    // Slots that hold loaded bytes (a last, partly loaded slot counts).
    int slotCount() const { return m_slotCount; }
    QString text(int slot) const;

    // The table LangString reads; the application installs its own for the span it
    // owns one. Null means no table.
    static void setCurrent(const LanguageTable* table);
    static const LanguageTable* current();

private:
    QByteArray m_block;
    int m_slotCount = 0;
};

// The application's text for `slot`; empty when no table is loaded or the slot
// is not in it.
QString LangString(int slot);

} // namespace montora
