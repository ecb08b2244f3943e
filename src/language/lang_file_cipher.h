#pragma once

#include "base/status.h"

#include <QByteArray>
#include <QString>

namespace montora {

// The container of the language file "lang.mfd": consecutive 4096-byte
// segments and a shorter remainder (see LangFileSegment). Reading gives the
// block that becomes the LanguageTable; producing is the exact inverse, used by
// the build and by `montora lang encode`.
class LangFileCipher {
public:
    // The block the deciphered file lands in; a longer file cannot be a table.
    static constexpr qint64 kTableBlockSize = 65536;
    static constexpr qint64 kSegmentSize = 4096;
    static constexpr qint64 kMinimumRemainder = 16;

    // The deciphered bytes at the start of a zero-filled kTableBlockSize block.
    static Result<QByteArray> decipher(const QByteArray& file);

    // The enciphered file for `plain`, which must be one the reader accepts:
    // at most kTableBlockSize bytes, with no 1-15-byte remainder.
    static Result<QByteArray> encipher(const QByteArray& plain);

    // Why a file of `length` bytes cannot be deciphered; ok when it can.
    static Status checkLength(qint64 length);
};

} // namespace montora
