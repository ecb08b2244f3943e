#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct CliRun {
    int code;
    QString out;
    QString err;
};

CliRun montora(const QStringList& args)
{
    QProcess process;
    process.start(MONTORA_CLI_PATH, args);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

int countNear(const QImage& image, QRgb colour, int tolerance)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            count += qAlpha(p) == 255 && std::abs(qRed(p) - qRed(colour)) <= tolerance
                     && std::abs(qGreen(p) - qGreen(colour)) <= tolerance
                     && std::abs(qBlue(p) - qBlue(colour)) <= tolerance;
        }
    return count;
}

TEST(TextCommandTest, RenderDrawsTheItemInItsStyleSizedToTheRotatedBox)
{
    QTemporaryDir dir;
    const QString flat = dir.filePath("flat.png");
    CliRun run = montora({"text", "render", flat, "--text", "Hello", "--style", "3", "--scale", "2"});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    int w = 0, h = 0;
    ASSERT_EQ(std::sscanf(run.out.toUtf8().constData(), "box %d x %d", &w, &h), 2) << run.out.toStdString();
    QImage image(flat);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(2 * w, 2 * h));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0); // transparent unless asked
    // Style 3's preset colour 1 is blue: the style reached the command.
    EXPECT_GT(countNear(image, qRgb(0, 25, 198), 8), 100);
    EXPECT_EQ(countNear(image, qRgb(0, 255, 0), 40), 0);

    const QString turned = dir.filePath("turned.png");
    run = montora({"text", "render", turned, "--text", "Hello", "--angle", "90", "--colour1", "FF0000", "--colour2",
                   "0000FF", "--background", "FFFF00"});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    image = QImage(turned);
    EXPECT_NEAR(image.width(), h, 1);
    EXPECT_NEAR(image.height(), w, 1);
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 0));
}

TEST(TextCommandTest, SheetShowsEveryEffect)
{
    QTemporaryDir dir;
    const QString sheet = dir.filePath("sheet.png");
    const CliRun run = montora({"text", "sheet", sheet});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    const QImage image(sheet);
    ASSERT_FALSE(image.isNull());
    EXPECT_GT(image.height(), 9 * 48);
    EXPECT_GT(image.width(), 160);
}

TEST(TextCommandTest, BadUsageIsRefusedWithExitTwo)
{
    QTemporaryDir dir;
    const QString out = dir.filePath("x.png");
    const QList<QStringList> bad = {
        {"text", "render", out},
        {"text", "render", out, "--text", "a", "--style", "x"},
        {"text", "render", out, "--text", "a", "--colour1", "GG0000"},
        {"text", "render", out, "--text", "a", "--transparency", "2"},
        {"text", "render", out, "--text", "a", "--height", "0"},
        {"text", "render", dir.filePath("x.unknown"), "--text", "a"},
        {"text", "render", out, "--text"},
        {"text", "frobnicate"},
    };
    for (const QStringList& args : bad) {
        const CliRun run = montora(args);
        EXPECT_EQ(run.code, 2) << args.join(' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(out));
}

} // namespace
