#pragma once

#include "base/status.h"

#include <QByteArray>
#include <QString>

namespace montora {

// Text in fixed-size, NUL-terminated fields of records and files. Written as UTF-8;
// a field that is not valid UTF-8 was made on the original platform and is read
// as Windows-1252.
class FixedText {
public:
    enum class Overflow { Refuse, Cut };

    // The field's bytes (exactly fieldSize, zero-padded, always NUL-terminated).
    // Refuse: text longer than fieldSize - 1 bytes is an error (paths must never be
    // truncated). Cut: the text is cut at a character boundary.
    static Result<QByteArray> encode(const QString& text, int fieldSize, Overflow overflow);
    static void encodeInto(const QString& text, char* field, int fieldSize); // always cuts

    static QString decode(const char* field, int fieldSize);
    static QString decode(const QByteArray& bytes) { return decode(bytes.constData(), int(bytes.size())); }

    // The longest prefix of valid UTF-8 `bytes` that fits in maxBytes and ends on a
    // character boundary.
    static QByteArray cutUtf8(const QByteArray& bytes, int maxBytes);

    static QString fromWindows1252(const QByteArray& bytes);
    static bool isValidUtf8(const QByteArray& bytes);
};

} // namespace montora
