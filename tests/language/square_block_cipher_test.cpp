#include "language/square_block_cipher.h"

#include <gtest/gtest.h>

#include <QByteArray>

using namespace montora;

namespace {

struct KnownAnswer {
    const char* key;
    const char* plain;
    const char* cipher;
};

// The Square authors' test vectors.
const KnownAnswer kVectors[] = {
    {"00000000000000000000000000000000", "00000000000000000000000000000000", "3c00428f8abbc0b84f057cc19c26f8cf"},
    {"000102030405060708090a0b0c0d0e0f", "00000000000000000000000000000000", "ff596fa668bfc3014200ae01e2bba0a0"},
    {"000102030405060708090a0b0c0d0e0f", "000102030405060708090a0b0c0d0e0f", "7c3491d94994e70f0ec2e7a5ccb5a14f"},
    {"000102030405060708090a0b0c0d0e0f", "c76c696289898137077a4a59faeeea4d", "88c6ff4b92604c6e66656b02ddaf9f40"},
};

const std::uint8_t* bytes(const QByteArray& array) { return reinterpret_cast<const std::uint8_t*>(array.constData()); }

} // namespace

TEST(SquareBlockCipher, MatchesThePublishedVectorsBothWays)
{
    for (const KnownAnswer& vector : kVectors) {
        const QByteArray key = QByteArray::fromHex(vector.key);
        const QByteArray plain = QByteArray::fromHex(vector.plain);
        const SquareBlockCipher cipher(std::span<const std::uint8_t, 16>(bytes(key), 16));

        SquareBlockCipher::Block out{};
        cipher.encrypt(bytes(plain), out.data());
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(out.data()), 16).toHex(), QByteArray(vector.cipher))
            << "key " << vector.key;

        cipher.decrypt(out.data(), out.data());
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(out.data()), 16), plain);
    }
}
