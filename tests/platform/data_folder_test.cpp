#include "platform/data_folder.h"
#include "platform/prompter.h"
#include "platform/resource_extractor.h"

#include "support/test_files.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace montora;

TEST(DataFolder, OverrideThenEnvironmentAndCreatedOnFirstUse)
{
    QTemporaryDir root;
    const QString fromEnvironment = root.filePath("env/Data");
    qputenv("MONTORA_DATA_DIR", fromEnvironment.toUtf8());
    EXPECT_EQ(DataFolder::path(), fromEnvironment + '/');
    EXPECT_TRUE(QFileInfo(fromEnvironment).isDir());
    EXPECT_EQ(DataFolder::file("mask.cfg"), fromEnvironment + "/mask.cfg");

    DataFolder::setOverride(root.filePath("override"));
    EXPECT_EQ(DataFolder::path(), root.filePath("override") + '/');
    EXPECT_TRUE(DataFolder::prepare());
    DataFolder::setOverride(QString());
    qunsetenv("MONTORA_DATA_DIR");
}

TEST(DataFolder, UnwritableFolderIsNamedInTheError)
{
    QTemporaryDir root;
    const QString blocker = root.filePath("file");
    ASSERT_TRUE(test::writeFileBytes(blocker, "x"));
    DataFolder::setOverride(blocker + "/Data");
    const Status prepared = DataFolder::prepare();
    DataFolder::setOverride(QString());
    ASSERT_FALSE(prepared);
    EXPECT_TRUE(prepared.message().contains(blocker));
}

TEST(Prompter, DesignFiltersBecomeQtFilters)
{
    EXPECT_EQ(Prompter::toQtFilter("(*.jpg;*.bmp;*.png)|*.jpg;*.bmp;*.png|(*.jpg)|*.jpg||"),
              QStringLiteral("(*.jpg;*.bmp;*.png) (*.jpg *.bmp *.png);;(*.jpg) (*.jpg)"));
    EXPECT_EQ(Prompter::toQtFilter(""), QString());
}

TEST(ResourceExtractor, WritesAResourceAndFailsForAMissingOne)
{
    QTemporaryDir root;
    const QString target = root.filePath("out.bin");
    ASSERT_TRUE(test::writeFileBytes(target, "older and longer content"));
    EXPECT_TRUE(ResourceExtractor::extractToFile(":/test/fixtures/hello.txt", target));
    EXPECT_EQ(test::readFileBytes(target), QByteArray("resource bytes\n"));
    EXPECT_FALSE(ResourceExtractor::extractToFile(":/no/such/resource", root.filePath("missing.bin")));
    EXPECT_FALSE(QFile::exists(root.filePath("missing.bin")));
}
