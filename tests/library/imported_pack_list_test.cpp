#include "library/imported_pack_list.h"

#include "support/test_files.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QtEndian>

using namespace montora;

namespace {

QByteArray field(const QByteArray& name)
{
    QByteArray bytes = name;
    bytes.resize(ImportedPackList::kNameFieldSize, '\0');
    return bytes;
}

QByteArray count(qint32 n)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(n, bytes.data());
    return bytes;
}

} // namespace

// A list written on the original platform holds Windows-1252 names; as UTF-8 a long
// one no longer fits its field, so taking another name out must keep the rest as stored.
TEST(ImportedPackList, ForgettingANameKeepsTheOthersByteForByte)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("Res_Info");
    const QByteArray longName(ImportedPackList::kNameFieldSize - 5, char(0xE9)); // "ééé…"
    const QByteArray odd = QByteArray("pack\x81", 5) + ".irs";                      // 0x81: no character
    ASSERT_TRUE(test::writeFileBytes(path, count(4) + field(longName + ".irs") + field("b.irs") + field(odd) +
                                               field("d.irs")));
    const ImportedPackList list(path);
    const auto before = list.names();
    ASSERT_TRUE(before.isOk()) << before.message().toStdString();

    ASSERT_TRUE(list.forget("b.irs").isOk());
    EXPECT_EQ(test::readFileBytes(path), count(3) + field(longName + ".irs") + field(odd) + field("d.irs"));
    const auto after = list.names();
    ASSERT_TRUE(after.isOk()) << after.message().toStdString();
    EXPECT_EQ(*after, QStringList({before->at(0), before->at(2), "d.irs"}));
}
