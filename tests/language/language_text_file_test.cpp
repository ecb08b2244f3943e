#include "language/language_table.h"
#include "language/language_text_file.h"

#include <gtest/gtest.h>

using namespace montora;

TEST(LanguageTextFile, ParsesSlotLinesAndSkipsCommentsAndBlanks)
{
    auto texts = LanguageTextFile::parse("# heading\r\n\n2: Two words\r\n0: Zero\n5:\n7: Ünïcode ✓\n");
    ASSERT_TRUE(texts.isOk()) << texts.message().toStdString();
    EXPECT_EQ(texts->size(), 4);
    EXPECT_EQ(texts->value(2), "Two words");
    EXPECT_EQ(texts->value(5), QString());
    EXPECT_EQ(texts->value(7), QString::fromUtf8("Ünïcode ✓"));

    auto block = LanguageTextFile::buildBlock(*texts);
    ASSERT_TRUE(block.isOk());
    EXPECT_EQ(block->size(), 8 * LanguageTable::kSlotSize);
    const LanguageTable table(*block, block->size());
    EXPECT_EQ(LanguageTextFile::format(table),
              QString::fromUtf8("0: Zero\n1:\n2: Two words\n3:\n4:\n5:\n6:\n7: Ünïcode ✓\n"));
}

TEST(LanguageTextFile, RefusesWhatCannotBeAFaithfulTable)
{
    EXPECT_FALSE(LanguageTextFile::parse("Frames\n").isOk());
    EXPECT_FALSE(LanguageTextFile::parse("x: Frames\n").isOk());
    EXPECT_FALSE(LanguageTextFile::parse("3: a\n3: b\n").isOk());
    EXPECT_FALSE(LanguageTextFile::parse("252: beyond the table\n").isOk());
    EXPECT_TRUE(LanguageTextFile::parse("251: last slot\n").isOk());

    // 259 bytes fit a slot with its NUL; 260 would be cut, so it is refused.
    EXPECT_TRUE(LanguageTextFile::plainFromText("0: " + QString(259, 'a')).isOk());
    const auto tooLong = LanguageTextFile::plainFromText("0: " + QString(260, 'a'));
    ASSERT_FALSE(tooLong.isOk());
    EXPECT_TRUE(tooLong.message().startsWith("slot 0"));
}
