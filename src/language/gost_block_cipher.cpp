#include "language/gost_block_cipher.h"

#include <crypto++/gost.h>

namespace montora {

struct GostBlockCipher::Keys {
    CryptoPP::GOSTEncryption encryption;
    CryptoPP::GOSTDecryption decryption;
};

GostBlockCipher::GostBlockCipher(std::span<const std::uint8_t, 32> key) : m_keys(std::make_unique<Keys>())
{
    m_keys->encryption.SetKey(key.data(), key.size());
    m_keys->decryption.SetKey(key.data(), key.size());
}

GostBlockCipher::~GostBlockCipher() = default;

void GostBlockCipher::encryptInPlace(std::uint8_t* block) const { m_keys->encryption.ProcessBlock(block); }

void GostBlockCipher::decryptInPlace(std::uint8_t* block) const { m_keys->decryption.ProcessBlock(block); }

} // namespace montora
