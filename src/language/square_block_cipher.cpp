#include "language/square_block_cipher.h"

#include <crypto++/square.h>

namespace montora {

struct SquareBlockCipher::Keys {
    CryptoPP::SquareEncryption encryption;
    CryptoPP::SquareDecryption decryption;
};

SquareBlockCipher::SquareBlockCipher(std::span<const std::uint8_t, 16> key) : m_keys(std::make_unique<Keys>())
{
    m_keys->encryption.SetKey(key.data(), key.size());
    m_keys->decryption.SetKey(key.data(), key.size());
}

SquareBlockCipher::~SquareBlockCipher() = default;

void SquareBlockCipher::encrypt(const std::uint8_t* in, std::uint8_t* out) const
{
    m_keys->encryption.ProcessBlock(in, out);
}

void SquareBlockCipher::decrypt(const std::uint8_t* in, std::uint8_t* out) const
{
    m_keys->decryption.ProcessBlock(in, out);
}

} // namespace montora
