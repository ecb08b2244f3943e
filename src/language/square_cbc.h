#pragma once

#include <cstdint>
#include <span>

namespace montora {

class SquareBlockCipher;

// Square in CBC mode whose initial value is the encryption of the zero block,
// with ciphertext stealing for a length that is not a multiple of 16: the last
// full block carries the enciphered tail and the first m bytes of the last full
// ciphertext block follow it, so the output is exactly as long as the input.
// Both directions work in place on at least 16 bytes.
class SquareCbc {
public:
    static constexpr std::size_t kMinimumLength = 16;

    static void encipher(const SquareBlockCipher& cipher, std::span<std::uint8_t> bytes);
    static void decipher(const SquareBlockCipher& cipher, std::span<std::uint8_t> bytes);
};

} // namespace montora
