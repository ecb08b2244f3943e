#pragma once

#include <cstdint>
#include <span>

namespace montora {

class SquareBlockCipher;

// Square in output-feedback mode with an all-zero initial value: keystream block 1
// is the encryption of the zero block, block k + 1 the encryption of block k.
// Enciphering and deciphering are the same XOR.
class SquareOfb {
public:
    static void apply(const SquareBlockCipher& cipher, std::span<std::uint8_t> bytes);
};

} // namespace montora
