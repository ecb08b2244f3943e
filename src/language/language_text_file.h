#pragma once

#include "base/status.h"

#include <QByteArray>
#include <QMap>
#include <QString>

namespace montora {

class LanguageTable;

// The plain-text form of a language file, one slot a line:
//
//   # comment
//   8: Frames
//
// Blank lines and lines starting with '#' are skipped. Slots not named are empty.
// This is what lives in resources/ and what `montora lang decode` prints.
class LanguageTextFile {
public:
    // The highest slot that still fits the 65,536-byte language table.
    static constexpr int kMaxSlot = 251;

    static Result<QMap<int, QString>> parse(const QString& text);
    // The plaintext block: slots 0..highest named, 260 bytes each.
    static Result<QByteArray> buildBlock(const QMap<int, QString>& texts);
    // Every slot of `table`, as "N: text" lines.
    static QString format(const LanguageTable& table);

    // parse + buildBlock.
    static Result<QByteArray> plainFromText(const QString& text);
};

} // namespace montora
