#include "support/test_files.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using namespace montora::test;

TEST(LangCommand, EncodeThenDecodePrintsEverySlot)
{
    QTemporaryDir folder;
    const QString text = folder.filePath("texts.txt");
    const QString file = folder.filePath("lang.mfd");
    ASSERT_TRUE(writeFileBytes(text, "# test\n0: Zero\n2: Two\n"));

    const ToolRun encoded = runCli({"lang", "encode", text, file});
    ASSERT_EQ(encoded.exitCode, 0) << encoded.err.toStdString();
    EXPECT_EQ(readFileBytes(file).size(), 3 * 260);
    EXPECT_FALSE(readFileBytes(file).contains("Zero"));

    const ToolRun decoded = runCli({"lang", "decode", file});
    ASSERT_EQ(decoded.exitCode, 0) << decoded.err.toStdString();
    EXPECT_EQ(decoded.out, "0: Zero\n1:\n2: Two\n");
}

TEST(LangCommand, UndecipherableFilesAndBadTextsFailClearly)
{
    QTemporaryDir folder;
    const QString shortTail = folder.filePath("short.mfd");
    ASSERT_TRUE(writeFileBytes(shortTail, QByteArray(4096 + 7, 'x')));
    const ToolRun refused = runCli({"lang", "decode", shortTail});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("cannot be deciphered")) << refused.err.toStdString();
    EXPECT_TRUE(refused.out.isEmpty());

    const ToolRun missing = runCli({"lang", "decode", folder.filePath("none.mfd")});
    EXPECT_EQ(missing.exitCode, 1);

    const QString duplicate = folder.filePath("dup.txt");
    ASSERT_TRUE(writeFileBytes(duplicate, "1: a\n1: b\n"));
    const QString out = folder.filePath("out.mfd");
    const ToolRun bad = runCli({"lang", "encode", duplicate, out});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_TRUE(bad.err.contains("given twice")) << bad.err.toStdString();
    EXPECT_FALSE(QFile::exists(out));

    EXPECT_EQ(runCli({"lang", "decode"}).exitCode, 2);
    EXPECT_EQ(runCli({"lang", "mangle", out}).exitCode, 2);
}
