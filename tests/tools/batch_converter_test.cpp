#include "tools/batch_converter.h"

#include "imaging/picture_decoder.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <mutex>
#include <vector>

namespace montora {
namespace {

using test::quadrantImage;

class BatchConverterTest : public testing::Test {
protected:
    QString source(const QString& name, const QImage& picture, const char* format = "PNG")
    {
        const QString path = m_sources.filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        EXPECT_TRUE(picture.save(path, format)) << path.toStdString();
        return path;
    }

    QStringList outputs() const { return QDir(m_out.path()).entryList(QDir::Files | QDir::Hidden); }
    QString out(const QString& name) const { return m_out.filePath(name); }

    // Runs to the end, recording every finished file as (index, done).
    BatchConverter::Summary run(const QStringList& sources, const QString& format)
    {
        BatchConverter converter(sources, format, m_out.path());
        converter.setCallbacks({nullptr, [this](const BatchConverter::FileResult& result) {
                                    std::lock_guard lock(m_mutex);
                                    m_finished.push_back({result.index, result.done});
                                }});
        return converter.run();
    }

    QTemporaryDir m_sources;
    QTemporaryDir m_out;
    std::mutex m_mutex;
    std::vector<std::pair<int, int>> m_finished;
};

TEST_F(BatchConverterTest, AnEmptyListEndsAtOnceAndAFailedFileIsListedNotSkipped)
{
    const BatchConverter::Summary empty = run({}, "PNG");
    EXPECT_EQ(empty.total, 0);
    EXPECT_EQ(empty.written, 0);
    EXPECT_TRUE(m_finished.empty());
    EXPECT_TRUE(outputs().isEmpty());

    const QString bad = m_sources.filePath("b.jpg");
    ASSERT_TRUE(test::writeFileBytes(bad, "not a picture"));
    const QStringList three{source("a.png", quadrantImage(40, 30)), bad, source("c.bmp", quadrantImage(20, 10), "BMP")};
    const BatchConverter::Summary summary = run(three, "PNG");
    EXPECT_EQ(summary.written, 2);
    EXPECT_FALSE(summary.stopped);
    ASSERT_EQ(summary.failures.size(), 1);
    EXPECT_EQ(summary.failures[0].source, bad);
    EXPECT_FALSE(summary.failures[0].message.isEmpty());
    // In the list's order, the bar standing still over the failed file.
    EXPECT_EQ(m_finished, (std::vector<std::pair<int, int>>{{0, 1}, {1, 1}, {2, 2}}));
    EXPECT_EQ(outputs(), (QStringList{"a.png", "c.png"}));
    EXPECT_EQ(QImage(out("c.png")).size(), QSize(20, 10));
}

TEST_F(BatchConverterTest, EveryFormatIsWrittenDirectlyAsAnOpaquePicture)
{
    QImage picture = quadrantImage(64, 48).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 32; ++x)
            picture.setPixel(x, y, qRgba(0, 0, 0, 0));
    const QString input = source("photo.png", picture);
    for (const QString& format : BatchConverter::formats()) {
        SCOPED_TRACE(format.toStdString());
        QDir(m_out.path()).removeRecursively();
        const BatchConverter::Summary summary = run({input}, format);
        ASSERT_EQ(summary.written, 1) << (summary.failures.isEmpty() ? "" : summary.failures[0].message.toStdString());
        const QString name = "photo." + format.toLower();
        // Nothing but the output: no temporary file is left behind.
        EXPECT_EQ(outputs(), QStringList{name});
        const QImage written = test::decodeWithGm(out(name));
        ASSERT_EQ(written.size(), QSize(64, 48));
        EXPECT_GT(qGray(written.pixel(5, 5)), 240) << "transparent parts land on white";
        EXPECT_GT(qBlue(written.pixel(40, 40)), 200);
    }
}

TEST_F(BatchConverterTest, NamesComeFromTheFileNameAndExistingOutputsAreReplacedWhole)
{
    EXPECT_EQ(BatchConverter::outputPath("/p/Beach.JPEG", "/o/Convert/", "PNG"), "/o/Convert/Beach.png");
    EXPECT_EQ(BatchConverter::outputPath("/p/my.photos/beach", "/o.d", "TIF"), "/o.d/beach.tif");

    // No extension, in a folder with a dot: still beach.bmp in the output folder.
    const QString bare = source("my.photos/beach", quadrantImage(30, 20));
    ASSERT_TRUE(test::writeFileBytes(out("beach.bmp"), "an older file"));
    // A source in the output folder is never replaced by its own conversion.
    ASSERT_TRUE(quadrantImage(10, 10).save(out("own.bmp")));
    const QByteArray own = test::readFileBytes(out("own.bmp"));

    const BatchConverter::Summary summary = run({bare, out("own.bmp")}, "BMP");
    EXPECT_EQ(summary.written, 1);
    ASSERT_EQ(summary.failures.size(), 1);
    EXPECT_EQ(summary.failures[0].source, out("own.bmp"));
    EXPECT_EQ(test::readFileBytes(out("own.bmp")), own);
    EXPECT_EQ(QImage(out("beach.bmp")).size(), QSize(30, 20));
    EXPECT_EQ(outputs(), (QStringList{"beach.bmp", "own.bmp"}));
}

TEST_F(BatchConverterTest, OfTwoSourcesWithOneOutputNameTheLaterWins)
{
    QImage red(16, 16, QImage::Format_RGB32);
    red.fill(Qt::red);
    QImage blue(16, 16, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    QStringList list;
    for (int i = 0; i < 6; ++i)
        list << source(QStringLiteral("%1/same.png").arg(i), i % 2 ? blue : red);
    list << source("6/same.png", red);
    ASSERT_EQ(run(list, "BMP").written, 7);
    EXPECT_EQ(QImage(out("same.bmp")).pixel(3, 3), qRgb(255, 0, 0));
    ASSERT_EQ(m_finished.size(), 7u);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(m_finished[size_t(i)].first, i);
}

TEST_F(BatchConverterTest, StopLetsTheFileInHandFinishAndStartsNoOther)
{
    const QStringList list{source("large.bmp", test::seededImage(1600, 1200, 7), "BMP"),
                           source("b.png", quadrantImage(20, 20)), source("c.png", quadrantImage(20, 20)),
                           source("d.png", quadrantImage(20, 20))};
    BatchConverter converter(list, "TIF", m_out.path());
    converter.setCallbacks({[&converter](int index) {
                                if (index == 0)
                                    converter.requestStop();
                            },
                            nullptr});
    const BatchConverter::Summary summary = converter.run();
    EXPECT_TRUE(summary.stopped);
    EXPECT_EQ(summary.written, 1);
    EXPECT_TRUE(summary.failures.isEmpty());
    EXPECT_EQ(outputs(), QStringList{"large.tif"});
    EXPECT_EQ(PictureDecoder::decode(out("large.tif"))->image.size(), QSize(1600, 1200));
}

} // namespace
} // namespace montora
