#include "language/square_cbc.h"

#include "language/square_block_cipher.h"

#include <QtGlobal>

#include <algorithm>
#include <string.h>

namespace montora {

namespace {

constexpr std::size_t kBlock = SquareBlockCipher::kBlockSize;
using Block = SquareBlockCipher::Block;

void xorInto(std::uint8_t* target, const std::uint8_t* other)
{
    for (std::size_t i = 0; i < kBlock; ++i)
        target[i] ^= other[i];
}

Block initialValue(const SquareBlockCipher& cipher)
{
    Block value{};
    cipher.encrypt(value.data(), value.data());
    return value;
}

} // namespace

void SquareCbc::encipher(const SquareBlockCipher& cipher, std::span<std::uint8_t> bytes)
{
    Q_ASSERT(bytes.size() >= kMinimumLength);
    const std::size_t fullBlocks = bytes.size() / kBlock;
    const std::size_t tail = bytes.size() % kBlock;

    Block chain = initialValue(cipher);
    for (std::size_t b = 0; b < fullBlocks; ++b) {
        std::uint8_t* block = bytes.data() + b * kBlock;
        xorInto(block, chain.data());
        cipher.encrypt(block, block);
        std::copy_n(block, kBlock, chain.begin());
    }
    if (tail > 0) {
        // chain is now C(q). T = E(C(q) xor (tail || zeros)) takes block q's place and
        // the first `tail` bytes of C(q) become the last bytes.
        std::uint8_t* lastFull = bytes.data() + (fullBlocks - 1) * kBlock;
        std::uint8_t* tailBytes = lastFull + kBlock;
        Block stolen = chain;
        for (std::size_t i = 0; i < tail; ++i)
            stolen[i] ^= tailBytes[i];
        cipher.encrypt(stolen.data(), lastFull);
        std::copy_n(chain.begin(), tail, tailBytes);
        explicit_bzero(stolen.data(), stolen.size());
    }
    explicit_bzero(chain.data(), chain.size());
}

void SquareCbc::decipher(const SquareBlockCipher& cipher, std::span<std::uint8_t> bytes)
{
    Q_ASSERT(bytes.size() >= kMinimumLength);
    const std::size_t fullBlocks = bytes.size() / kBlock;
    const std::size_t tail = bytes.size() % kBlock;

    Block chain = initialValue(cipher);
    Block ciphertext{};
    for (std::size_t b = 0; b + 1 < fullBlocks; ++b) {
        std::uint8_t* block = bytes.data() + b * kBlock;
        std::copy_n(block, kBlock, ciphertext.begin());
        cipher.decrypt(block, block);
        xorInto(block, chain.data());
        chain = ciphertext;
    }

    std::uint8_t* lastFull = bytes.data() + (fullBlocks - 1) * kBlock;
    if (tail > 0) {
        // Z = D(X); the tail is Z xor Y, and X' = Y || Z[tail..15] is the real C(q).
        std::uint8_t* tailBytes = lastFull + kBlock;
        Block z{};
        cipher.decrypt(lastFull, z.data());
        for (std::size_t i = 0; i < tail; ++i) {
            const std::uint8_t y = tailBytes[i];
            tailBytes[i] = z[i] ^ y;
            lastFull[i] = y;
        }
        std::copy(z.begin() + tail, z.end(), lastFull + tail);
        explicit_bzero(z.data(), z.size());
    }
    cipher.decrypt(lastFull, lastFull);
    xorInto(lastFull, chain.data());
    explicit_bzero(chain.data(), chain.size());
    explicit_bzero(ciphertext.data(), ciphertext.size());
}

} // namespace montora
