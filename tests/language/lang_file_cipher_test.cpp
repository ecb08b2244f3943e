#include "language/lang_cipher_keys.h"
#include "language/lang_file_cipher.h"

#include <gtest/gtest.h>

#include <crypto++/filters.h>
#include <crypto++/gost.h>
#include <crypto++/modes.h>
#include <crypto++/square.h>

#include <random>

using namespace montora;

namespace {

using CryptoPP::byte;

const byte* squareKey() { return LangCipherKeys::kSquareKey.data(); }

QByteArray randomBytes(qsizetype size, unsigned seed)
{
    std::mt19937 random(seed);
    QByteArray bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random() & 0xff);
    return bytes;
}

QByteArray transform(CryptoPP::StreamTransformation& mode, const QByteArray& in)
{
    std::string out;
    CryptoPP::StringSource(reinterpret_cast<const byte*>(in.constData()), in.size(), true,
                           new CryptoPP::StreamTransformationFilter(mode, new CryptoPP::StringSink(out),
                                                                    CryptoPP::StreamTransformationFilter::NO_PADDING));
    return QByteArray(out.data(), qsizetype(out.size()));
}

std::array<byte, 16> encipheredZeroBlock()
{
    std::array<byte, 16> block{};
    CryptoPP::SquareEncryption(squareKey(), 16).ProcessBlock(block.data());
    return block;
}

// The outer layer, made with Crypto++'s own CBC and CBC ciphertext-stealing modes.
QByteArray referenceCbc(const QByteArray& in)
{
    const auto iv = encipheredZeroBlock();
    if (in.size() % 16 == 0) {
        CryptoPP::CBC_Mode<CryptoPP::Square>::Encryption cbc(squareKey(), 16, iv.data());
        return transform(cbc, in);
    }
    CryptoPP::CBC_CTS_Mode<CryptoPP::Square>::Encryption cts(squareKey(), 16, iv.data());
    return transform(cts, in);
}

// A full segment from Crypto++'s modes: OFB with a zero start, GOST on bytes 0-7, CBC.
QByteArray referenceFullSegment(const QByteArray& plain)
{
    const std::array<byte, 16> zero{};
    CryptoPP::OFB_Mode<CryptoPP::Square>::Encryption ofb(squareKey(), 16, zero.data());
    QByteArray segment = transform(ofb, plain);
    CryptoPP::GOSTEncryption(LangCipherKeys::kGostKey.data(), 32).ProcessBlock(reinterpret_cast<byte*>(segment.data()));
    return referenceCbc(segment);
}

QByteArray produce(const QByteArray& plain)
{
    auto file = LangFileCipher::encipher(plain);
    EXPECT_TRUE(file.isOk()) << file.message().toStdString();
    return file.valueOr(QByteArray());
}

QByteArray readBack(const QByteArray& file)
{
    auto table = LangFileCipher::decipher(file);
    EXPECT_TRUE(table.isOk()) << table.message().toStdString();
    return table.valueOr(QByteArray());
}

} // namespace

TEST(LangFileCipher, ShippedSizeIsOneLayeredSegmentAndAStolenCbcRemainder)
{
    const QByteArray plain = randomBytes(7020, 1);
    const QByteArray file = produce(plain);
    ASSERT_EQ(file.size(), 7020);
    EXPECT_EQ(file.left(4096), referenceFullSegment(plain.left(4096)));

    // 2,924 bytes = 182 full blocks and 12 stolen bytes, with the CBC layer only.
    const QByteArray remainder = plain.mid(4096);
    EXPECT_EQ(file.mid(4096), referenceCbc(remainder));
    const QByteArray plainCbc = referenceCbc(remainder.left(182 * 16));
    EXPECT_EQ(file.right(12), plainCbc.right(16).left(12)) << "the tail carries the head of the last full block";
    EXPECT_EQ(file.mid(4096, 181 * 16), plainCbc.left(181 * 16));

    const QByteArray table = readBack(file);
    ASSERT_EQ(table.size(), LangFileCipher::kTableBlockSize);
    EXPECT_EQ(table.left(7020), plain);
    EXPECT_EQ(table.mid(7020), QByteArray(LangFileCipher::kTableBlockSize - 7020, '\0'));
}

TEST(LangFileCipher, OneFullSegmentAndAOneBlockRemainder)
{
    const QByteArray exact = randomBytes(4096, 2);
    const QByteArray exactFile = produce(exact);
    EXPECT_EQ(exactFile, referenceFullSegment(exact));
    EXPECT_EQ(readBack(exactFile).left(4096), exact);

    // 4,112 bytes: the 16-byte remainder is a single plain CBC block, E(P xor E(0)).
    const QByteArray longer = randomBytes(4112, 3);
    const QByteArray longerFile = produce(longer);
    std::array<byte, 16> block{};
    const auto iv = encipheredZeroBlock();
    for (int i = 0; i < 16; ++i)
        block[i] = byte(longer[4096 + i]) ^ iv[i];
    CryptoPP::SquareEncryption(squareKey(), 16).ProcessBlock(block.data());
    EXPECT_EQ(longerFile.mid(4096), QByteArray(reinterpret_cast<const char*>(block.data()), 16));
    EXPECT_EQ(longerFile.left(4096), referenceFullSegment(longer.left(4096)));
    EXPECT_EQ(readBack(longerFile).left(4112), longer);
}

TEST(LangFileCipher, SegmentsAreIndependent)
{
    const QByteArray segment = randomBytes(4096, 4);
    const QByteArray file = produce(segment + segment + segment.left(100));
    EXPECT_EQ(file.mid(0, 4096), file.mid(4096, 4096)) << "equal plaintext segments give equal ciphertext";

    QByteArray damaged = file;
    damaged[4096 + 1000] = char(damaged[4096 + 1000] ^ 0x40);
    const QByteArray table = readBack(damaged);
    EXPECT_EQ(table.mid(0, 4096), segment);
    EXPECT_NE(table.mid(4096, 4096), segment);
    EXPECT_EQ(table.mid(8192, 100), segment.left(100));
}

TEST(LangFileCipher, ProducingThenReadingGivesThePlaintextBack)
{
    std::vector<qsizetype> lengths;
    for (qsizetype length = 16; length <= 4096 + 300; ++length)
        lengths.push_back(length);
    for (qsizetype base : {8192, 12288, 61440})
        for (qsizetype offset : {0, 16, 17, 31, 32, 33, 2924, 4095})
            lengths.push_back(base + offset);
    lengths.push_back(LangFileCipher::kTableBlockSize);

    const QByteArray source = randomBytes(LangFileCipher::kTableBlockSize, 5);
    int checked = 0;
    for (qsizetype length : lengths) {
        const qsizetype remainder = length % 4096;
        if (remainder > 0 && remainder < 16)
            continue;
        const QByteArray plain = source.left(length);
        const QByteArray file = produce(plain);
        ASSERT_EQ(file.size(), length);
        ASSERT_NE(file, plain) << length;
        ASSERT_EQ(readBack(file).left(length), plain) << "length " << length;
        ++checked;
    }
    EXPECT_GT(checked, 4000);
}

TEST(LangFileCipher, RefusesLengthsThatCannotBeATable)
{
    for (qsizetype length : {1, 8, 15, 4097, 4111, 8193, 61441}) {
        const QByteArray bytes(length, 'x');
        EXPECT_FALSE(LangFileCipher::decipher(bytes).isOk()) << length;
        EXPECT_FALSE(LangFileCipher::encipher(bytes).isOk()) << length;
    }
    const QByteArray oversized(LangFileCipher::kTableBlockSize + 16, 'x');
    const auto refused = LangFileCipher::decipher(oversized);
    ASSERT_FALSE(refused.isOk());
    EXPECT_TRUE(refused.message().contains("65536"));
    EXPECT_FALSE(LangFileCipher::encipher(oversized).isOk());

    // An empty file is an empty table, not an error.
    const auto empty = LangFileCipher::decipher(QByteArray());
    ASSERT_TRUE(empty.isOk());
    EXPECT_EQ(*empty, QByteArray(LangFileCipher::kTableBlockSize, '\0'));
}
