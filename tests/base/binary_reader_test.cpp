#include "base/binary_reader.h"
#include "base/binary_writer.h"

#include <gtest/gtest.h>

using namespace montora;

TEST(BinaryReader, ReadsLittleEndianValuesWrittenByTheWriter)
{
    QByteArray bytes;
    BinaryWriter writer(bytes);
    writer.writeU32(0x11223344u);
    writer.writeI32(-2);
    writer.writeF32(1.5f);
    writer.writeU8(7);
    ASSERT_TRUE(writer.status());
    EXPECT_EQ(bytes.left(4), QByteArray("\x44\x33\x22\x11", 4));

    BinaryReader reader(bytes);
    EXPECT_EQ(reader.readU32().value(), 0x11223344u);
    EXPECT_EQ(reader.readI32().value(), -2);
    EXPECT_EQ(reader.readF32().value(), 1.5f);
    EXPECT_EQ(reader.readU8().value(), 7);
    EXPECT_TRUE(reader.atEnd());
}

TEST(BinaryReader, ShortReadIsAnErrorNotZeros)
{
    const QByteArray bytes("\x01\x02\x03", 3);
    BinaryReader reader(bytes);
    auto value = reader.readU32();
    ASSERT_FALSE(value.isOk());
    EXPECT_TRUE(value.message().contains("ends early"));
    // A failed read consumes nothing.
    EXPECT_EQ(reader.position(), 0);
    EXPECT_EQ(reader.readU8().value(), 1);
}

TEST(BinaryReader, SizesAreCheckedAgainstTheBytesLeftBeforeAllocating)
{
    QByteArray bytes(16, '\0');
    BinaryReader reader(bytes);
    EXPECT_FALSE(reader.readBytes(Q_INT64_C(1) << 40).isOk());
    EXPECT_FALSE(reader.readBytes(-1).isOk());
    EXPECT_TRUE(reader.checkFits(4, 4, "records"));
    EXPECT_FALSE(reader.checkFits(5, 4, "records"));
    // A count that would overflow 32-bit arithmetic times a record size.
    EXPECT_FALSE(reader.checkFits(0x40000001, 1144, "records"));
    EXPECT_FALSE(reader.checkFits(-1, 4, "records"));
}

TEST(BinaryReader, SeekAndSkipStayInsideTheFile)
{
    QByteArray bytes(8, 'x');
    BinaryReader reader(bytes);
    EXPECT_TRUE(reader.seek(8));
    EXPECT_FALSE(reader.seek(9));
    EXPECT_FALSE(reader.seek(-1));
    EXPECT_TRUE(reader.seek(2));
    EXPECT_FALSE(reader.skip(7));
    EXPECT_TRUE(reader.skip(6));
    EXPECT_TRUE(reader.atEnd());
}

TEST(BinaryReader, ReadsPackedRecords)
{
#pragma pack(push, 1)
    struct Pair {
        std::uint8_t tag;
        std::uint32_t value;
    };
#pragma pack(pop)
    static_assert(sizeof(Pair) == 5);
    QByteArray bytes("\x09\x01\x00\x00\x00\x09", 6);
    BinaryReader reader(bytes);
    Pair pair{};
    ASSERT_TRUE(reader.readRecord(pair));
    // Copies: a reference to a packed field would be misaligned.
    const std::uint8_t tag = pair.tag;
    const std::uint32_t value = pair.value;
    EXPECT_EQ(tag, 9);
    EXPECT_EQ(value, 1u);
    EXPECT_FALSE(reader.readRecord(pair));
}
