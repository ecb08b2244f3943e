#pragma once

#include <cstdint>
#include <memory>
#include <span>

namespace montora {

// GOST 28147-89 in its plain single-block form with the GOST R 34.11-94 test
// S-boxes. Crypto++'s GOST matches that exactly: bytes 0-3 of a block are N1 as a
// little-endian word (the half that enters the round function first), bytes 4-7
// are N2, the key is eight little-endian words K0..K7 used K0..K7 three times then
// K7..K0, and the halves are not swapped after round 32. The standard's own
// example values pin all of this down in the tests.
class GostBlockCipher {
public:
    static constexpr int kBlockSize = 8;

    explicit GostBlockCipher(std::span<const std::uint8_t, 32> key);
    ~GostBlockCipher();
    GostBlockCipher(const GostBlockCipher&) = delete;
    GostBlockCipher& operator=(const GostBlockCipher&) = delete;

    void encryptInPlace(std::uint8_t* block) const;
    void decryptInPlace(std::uint8_t* block) const;

private:
    struct Keys;
    std::unique_ptr<Keys> m_keys;
};

} // namespace montora
