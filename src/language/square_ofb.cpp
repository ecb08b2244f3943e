#include "language/square_ofb.h"

#include "language/square_block_cipher.h"

#include <algorithm>
#include <string.h>

namespace montora {

void SquareOfb::apply(const SquareBlockCipher& cipher, std::span<std::uint8_t> bytes)
{
    SquareBlockCipher::Block keystream{};
    for (std::size_t offset = 0; offset < bytes.size(); offset += SquareBlockCipher::kBlockSize) {
        cipher.encrypt(keystream.data(), keystream.data());
        const std::size_t count = std::min<std::size_t>(SquareBlockCipher::kBlockSize, bytes.size() - offset);
        for (std::size_t i = 0; i < count; ++i)
            bytes[offset + i] ^= keystream[i];
    }
    explicit_bzero(keystream.data(), keystream.size());
}

} // namespace montora
