#include "base/fixed_text.h"

#include <gtest/gtest.h>

using namespace montora;

TEST(FixedText, WritesUtf8AndReadsItBack)
{
    const QString text = QStringLiteral("Größe – 写真");
    auto field = FixedText::encode(text, 32, FixedText::Overflow::Refuse);
    ASSERT_TRUE(field.isOk());
    EXPECT_EQ(field->size(), 32);
    EXPECT_EQ(field->at(31), '\0');
    EXPECT_EQ(FixedText::decode(*field), text);
}

TEST(FixedText, ReadsNonUtf8FieldsAsWindows1252)
{
    const char field[8] = {'\x80', ' ', 'c', 'a', 'f', '\xE9', '\0', 'z'};
    EXPECT_EQ(FixedText::decode(field, 8), QString::fromUtf8("€ café"));
    EXPECT_EQ(FixedText::fromWindows1252(QByteArray("\x93q\x94\x81", 4)), QString::fromUtf8("“q”\uFFFD"));
}

TEST(FixedText, FieldWithoutTerminatorStopsAtItsSize)
{
    const char field[4] = {'a', 'b', 'c', 'd'};
    EXPECT_EQ(FixedText::decode(field, 4), QStringLiteral("abcd"));
}

TEST(FixedText, CutsNeverSplitACharacter)
{
    // "aé" is 3 bytes; a 3-byte field holds 2 bytes of text, so the é cannot fit.
    auto field = FixedText::encode(QString::fromUtf8("aé"), 3, FixedText::Overflow::Cut);
    ASSERT_TRUE(field.isOk());
    EXPECT_EQ(FixedText::decode(*field), QStringLiteral("a"));
    EXPECT_EQ(FixedText::cutUtf8(QByteArray("\xE5\x86\x99\xE7\x9C\x9F"), 5), QByteArray("\xE5\x86\x99"));
    EXPECT_EQ(FixedText::cutUtf8(QByteArray("abc"), 3), QByteArray("abc"));
}

TEST(FixedText, TooLongPathIsRefusedNotTruncated)
{
    const QString path = QString(259, 'p');
    EXPECT_TRUE(FixedText::encode(path, 260, FixedText::Overflow::Refuse).isOk());
    auto tooLong = FixedText::encode(path + "x", 260, FixedText::Overflow::Refuse);
    ASSERT_FALSE(tooLong.isOk());
    EXPECT_TRUE(tooLong.message().contains("too long"));
}

TEST(FixedText, EmbeddedNulEndsTheText)
{
    auto field = FixedText::encode(QStringLiteral("ab") + QChar(0) + QStringLiteral("cd"), 8, FixedText::Overflow::Refuse);
    ASSERT_TRUE(field.isOk());
    EXPECT_EQ(FixedText::decode(*field), QStringLiteral("ab"));
}
