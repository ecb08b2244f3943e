#pragma once

#include <cstdint>
#include <span>

namespace montora {

// One piece of a language file. The file is cut into 4096-byte segments and a
// shorter last one; each is enciphered on its own with fresh cipher state, so
// nothing carries from one segment to the next.
//
// A full segment has three layers, from the plaintext outwards: Square OFB over
// all 4096 bytes, GOST on bytes 0-7, Square CBC over all 4096 bytes. The last,
// shorter segment has the CBC layer only (with ciphertext stealing).
class LangFileSegment {
public:
    static constexpr std::size_t kFullSize = 4096;

    static void encipherFull(std::span<std::uint8_t, kFullSize> segment);
    static void decipherFull(std::span<std::uint8_t, kFullSize> segment);

    // The remainder must be at least 16 bytes long: CBC cannot carry less.
    static void encipherRemainder(std::span<std::uint8_t> segment);
    static void decipherRemainder(std::span<std::uint8_t> segment);
};

} // namespace montora
