#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>

namespace montora {

// Square (128-bit block, 128-bit key, 8 rounds) on single blocks. Crypto++'s
// Square is the published cipher exactly: its own S-box, diffusion layer and key
// schedule, checked against the authors' test vectors. The key schedule lives in
// Crypto++ secure blocks, which are zeroed when this object goes away.
class SquareBlockCipher {
public:
    static constexpr int kBlockSize = 16;
    using Block = std::array<std::uint8_t, kBlockSize>;

    explicit SquareBlockCipher(std::span<const std::uint8_t, 16> key);
    ~SquareBlockCipher();
    SquareBlockCipher(const SquareBlockCipher&) = delete;
    SquareBlockCipher& operator=(const SquareBlockCipher&) = delete;

    // `in` and `out` may be the same block.
    void encrypt(const std::uint8_t* in, std::uint8_t* out) const;
    void decrypt(const std::uint8_t* in, std::uint8_t* out) const;

private:
    struct Keys;
    std::unique_ptr<Keys> m_keys;
};

} // namespace montora
