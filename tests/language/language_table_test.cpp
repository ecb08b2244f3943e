#include "language/lang_file_cipher.h"
#include "language/language_table.h"
#include "language/language_text_file.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using namespace montora;

namespace {

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

QByteArray enciphered(const QString& text)
{
    auto plain = LanguageTextFile::plainFromText(text);
    EXPECT_TRUE(plain.isOk()) << plain.message().toStdString();
    auto file = LangFileCipher::encipher(plain.valueOr(QByteArray()));
    EXPECT_TRUE(file.isOk());
    return file.valueOr(QByteArray());
}

struct CurrentTable {
    explicit CurrentTable(const LanguageTable* table) { LanguageTable::setCurrent(table); }
    ~CurrentTable() { LanguageTable::setCurrent(nullptr); }
};

} // namespace

TEST(LanguageTable, BuiltInResourceHasATextForEverySlotTheWindowReads)
{
    QTemporaryDir dir;
    QFile resource(":/lang/english.mfd");
    ASSERT_TRUE(resource.open(QIODevice::ReadOnly));
    const QByteArray bytes = resource.readAll();
    EXPECT_EQ(bytes.size(), 27 * LanguageTable::kSlotSize);

    auto table = LanguageTable::fromFile(writeFile(dir, "lang.mfd", bytes));
    ASSERT_TRUE(table.isOk()) << table.message().toStdString();
    EXPECT_EQ(table->slotCount(), 27);
    for (int slot : {8, 10, 14, 15, 17, 22, 23, 24, 25})
        EXPECT_FALSE(table->text(slot).isEmpty()) << "slot " << slot;
    EXPECT_EQ(table->text(23), "Montora Studio");
    EXPECT_EQ(table->text(24), "File");
}

TEST(LanguageTable, AbsentTablesAndSlotsGiveEmptyText)
{
    EXPECT_EQ(LangString(23), QString()) << "no table installed";

    QTemporaryDir dir;
    auto table = LanguageTable::fromFile(writeFile(dir, "lang.mfd", enciphered("0: Zero\n3: Three\n")));
    ASSERT_TRUE(table.isOk());
    const CurrentTable installed(&*table);
    EXPECT_EQ(LangString(0), "Zero");
    EXPECT_EQ(LangString(1), QString());
    EXPECT_EQ(LangString(3), "Three");
    EXPECT_EQ(LangString(4), QString()) << "beyond the loaded slots";
    EXPECT_EQ(LangString(-1), QString());
    EXPECT_EQ(LangString(100000), QString());
}

TEST(LanguageTable, FilesThatCannotBeDecipheredGiveNoTable)
{
    QTemporaryDir dir;
    const QByteArray good = enciphered("0: Zero\n");
    const QString tooShortTail = writeFile(dir, "short.mfd", QByteArray(4096 + 15, 'a'));
    const QString oversized = writeFile(dir, "big.mfd", QByteArray(LangFileCipher::kTableBlockSize + 4096, 'a'));
    for (const QString& path : {tooShortTail, oversized, dir.filePath("missing.mfd")}) {
        auto table = LanguageTable::fromFile(path);
        EXPECT_FALSE(table.isOk()) << path.toStdString();
        const LanguageTable none = table.valueOr(LanguageTable());
        const CurrentTable installed(&none);
        EXPECT_FALSE(none.isLoaded());
        EXPECT_EQ(LangString(0), QString());
    }
    EXPECT_TRUE(LanguageTable::fromFile(writeFile(dir, "good.mfd", good)).isOk());
}

TEST(LanguageTable, SlotsAreReadWithinTheirFieldAndTheBlock)
{
    QByteArray block(LangFileCipher::kTableBlockSize, 'x');
    // Slot 0 fills all 260 bytes with no terminating NUL; it must stop at its field.
    block[LanguageTable::kSlotSize] = 'y';
    const LanguageTable full(block, block.size());
    EXPECT_EQ(full.slotCount(), 253);
    EXPECT_EQ(full.text(0), QString(LanguageTable::kSlotSize, 'x'));
    // The last slot has only 16 bytes inside the block.
    EXPECT_EQ(full.text(252), QString(16, 'x'));
    EXPECT_EQ(full.text(253), QString());
}
