#include "language/lang_file_segment.h"

#include "language/gost_block_cipher.h"
#include "language/lang_cipher_keys.h"
#include "language/square_block_cipher.h"
#include "language/square_cbc.h"
#include "language/square_ofb.h"

#include <QtGlobal>

namespace montora {

namespace {

// Cipher objects are made per segment so that their state (key schedules
// included) is wiped as soon as the segment is done.
SquareBlockCipher squareCipher() { return SquareBlockCipher(LangCipherKeys::kSquareKey); }
GostBlockCipher gostCipher() { return GostBlockCipher(LangCipherKeys::kGostKey); }

} // namespace

void LangFileSegment::encipherFull(std::span<std::uint8_t, kFullSize> segment)
{
    const SquareBlockCipher square = squareCipher();
    SquareOfb::apply(square, segment);
    gostCipher().encryptInPlace(segment.data());
    SquareCbc::encipher(square, segment);
}

void LangFileSegment::decipherFull(std::span<std::uint8_t, kFullSize> segment)
{
    const SquareBlockCipher square = squareCipher();
    SquareCbc::decipher(square, segment);
    gostCipher().decryptInPlace(segment.data());
    SquareOfb::apply(square, segment);
}

void LangFileSegment::encipherRemainder(std::span<std::uint8_t> segment)
{
    Q_ASSERT(segment.size() >= SquareCbc::kMinimumLength && segment.size() < kFullSize);
    SquareCbc::encipher(squareCipher(), segment);
}

void LangFileSegment::decipherRemainder(std::span<std::uint8_t> segment)
{
    Q_ASSERT(segment.size() >= SquareCbc::kMinimumLength && segment.size() < kFullSize);
    SquareCbc::decipher(squareCipher(), segment);
}

} // namespace montora
