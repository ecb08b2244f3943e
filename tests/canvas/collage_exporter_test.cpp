#include "canvas/collage_exporter.h"
#include "canvas/item_geometry.h"
#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTransform>

#include <gtest/gtest.h>

#include <cmath>

using namespace montora;

namespace {

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kWhite = qRgb(255, 255, 255);

bool near(QRgb a, QRgb b, int tolerance = 12)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance
           && std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

// The steepest step between neighbouring pixels of a row, in grey levels.
int steepestStep(const QImage& picture, int y, int from, int to)
{
    int steepest = 0;
    for (int x = from; x < to; ++x)
        steepest = std::max(steepest, std::abs(qGray(picture.pixel(x + 1, y)) - qGray(picture.pixel(x, y))));
    return steepest;
}

// Where the page's image lands, in points from the bottom-left corner, found by
// following the graphics state of the page's content streams.
QRectF pdfImageRect(const QByteArray& pdf)
{
    static const QRegularExpression streams(QStringLiteral("<<(.*?)>>\\s*stream\\r?\\n"),
                                            QRegularExpression::DotMatchesEverythingOption);
    const QString text = QString::fromLatin1(pdf);
    for (auto it = streams.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        if (!match.captured(1).contains(QLatin1String("FlateDecode")) || match.captured(1).contains(QLatin1String("DCT")))
            continue;
        const qsizetype start = match.capturedEnd();
        const QByteArray body = pdf.mid(start, pdf.indexOf("endstream", start) - start);
        QByteArray sized(4, '\0');
        sized[0] = char(0x10); // a generous size hint for qUncompress
        const QString content = QString::fromLatin1(qUncompress(sized + body));
        QList<QTransform> stack{QTransform()};
        QStringList operands;
        for (const QString& word : content.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
            if (word == QLatin1String("q")) {
                stack.append(stack.last());
            } else if (word == QLatin1String("Q")) {
                if (stack.size() > 1)
                    stack.removeLast();
            } else if (word == QLatin1String("cm") && operands.size() >= 6) {
                const QStringList m = operands.mid(operands.size() - 6);
                const QTransform step(m[0].toDouble(), m[1].toDouble(), m[2].toDouble(), m[3].toDouble(),
                                      m[4].toDouble(), m[5].toDouble());
                stack.last() = step * stack.last();
            } else if (word == QLatin1String("Do")) {
                return stack.last().mapRect(QRectF(0, 0, 1, 1));
            }
            operands.append(word);
        }
    }
    return QRectF();
}

class CollageExporterTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    QString path(const QString& name) const { return folder.filePath(name); }

    // A photo of a red top half and a blue bottom half, filling the collage's top-left quarter.
    void addHalvesPhoto()
    {
        QImage halves(400, 300, QImage::Format_RGB32);
        halves.fill(kRed);
        for (int y = 150; y < 300; ++y)
            for (int x = 0; x < 400; ++x)
                halves.setPixel(x, y, kBlue);
        ASSERT_TRUE(halves.save(path("halves.png")));
        ASSERT_TRUE(project.addPhoto(path("halves.png"), ViewPoint::atCollage(QPoint(0, 0))).isOk());
    }

    QTemporaryDir folder;
    CollageProject project;
    CollageExporter exporter;
};

} // namespace

TEST_F(CollageExporterTest, PicturesAreFullSizeTopRowFirstWhateverTheExtensionsCase)
{
    addHalvesPhoto();
    const QSize box = ItemGeometry::displaySize(project.item(0), 1.0f);
    for (const QString& name : {QStringLiteral("out.png"), QStringLiteral("OUT.BMP"), QStringLiteral("out.tif")}) {
        ASSERT_TRUE(exporter.exportTo(project, path(name), ExportOptions()).isOk()) << name.toStdString();
        const QImage out(path(name));
        ASSERT_EQ(out.size(), QSize(1024, 768)) << name.toStdString();
        EXPECT_TRUE(near(out.pixel(box.width() / 2, 10), kRed)) << name.toStdString();
        EXPECT_TRUE(near(out.pixel(box.width() / 2, box.height() - 10), kBlue)) << name.toStdString();
        EXPECT_TRUE(near(out.pixel(1000, 740), kWhite)) << name.toStdString();
    }
}

TEST_F(CollageExporterTest, ItemsBelowTheFirstBandAreDrawnWhereTheyAre)
{
    addHalvesPhoto();
    project.item(0).setPosition(QPoint(500, 400));
    project.setText(QStringLiteral("Below the first band"));
    ASSERT_TRUE(project.addText().isOk());
    project.item(1).setPosition(QPoint(80, 560));
    Compositor whole;
    const Result<QImage> reference = whole.render(project);
    const Result<QImage> banded = exporter.render(project, 1.0f);
    ASSERT_TRUE(reference.isOk() && banded.isOk());
    EXPECT_LE(test::maxChannelDifference(*banded, *reference), 2);
}

TEST_F(CollageExporterTest, AnExportLeavesTheViewsZoomCachesAndHitRegionsAlone)
{
    addHalvesPhoto();
    project.setZoom(0.5f);
    Compositor view;
    QImage surface(600, 500, QImage::Format_RGB32);
    view.compose(project, surface, Compositor::Options{0.5f, QRect(), true, QPoint()});
    const int cached = view.cache().size();
    const int decodes = view.work().decodes;
    const QPainterPath region = *project.item(0).runtime().transformedRegion;

    ASSERT_TRUE(exporter.exportTo(project, path("full.jpg"), ExportOptions()).isOk());
    EXPECT_EQ(QImage(path("full.jpg")).size(), QSize(1024, 768));
    EXPECT_EQ(project.zoom(), 0.5f);
    EXPECT_EQ(*project.item(0).runtime().transformedRegion, region);
    view.compose(project, surface, Compositor::Options{0.5f, QRect(), true, QPoint()});
    EXPECT_EQ(view.cache().size(), cached);
    EXPECT_EQ(view.work().decodes, decodes) << "the view's pictures were rebuilt";
}

TEST_F(CollageExporterTest, TwiceTheSizeDrawsPhotosFromTheirFilesNotEnlarged)
{
    // A sharp black-to-white edge down the middle of a large photo shown at a quarter of its size.
    QImage edge(2400, 1800, QImage::Format_RGB32);
    edge.fill(Qt::white);
    for (int y = 0; y < 1800; ++y)
        for (int x = 0; x < 1200; ++x)
            edge.setPixel(x, y, qRgb(0, 0, 0));
    ASSERT_TRUE(edge.save(path("edge.png")));
    ASSERT_TRUE(project.addPhoto(path("edge.png"), ViewPoint::atCollage(QPoint(100, 100))).isOk());
    project.item(0).setScale(0.25f);
    const QSize box = ItemGeometry::displaySize(project.item(0), 1.0f);
    ASSERT_EQ(box, QSize(600, 448)) << "the edge sits at x = 100 + 300";

    ExportOptions twice;
    twice.scale = 2;
    ASSERT_TRUE(exporter.exportTo(project, path("1x.png"), ExportOptions()).isOk());
    ASSERT_TRUE(exporter.exportTo(project, path("2x.png"), twice).isOk());
    const QImage large(path("2x.png"));
    ASSERT_EQ(large.size(), QSize(2048, 1536));
    const QImage enlarged = QImage(path("1x.png")).scaled(2048, 1536, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const int y = 2 * (100 + 224);
    EXPECT_GT(steepestStep(large, y, 760, 840), steepestStep(enlarged, y, 760, 840) + 40);
}

TEST_F(CollageExporterTest, APdfPageHasTheAskedSizeWithTheCollageCentred)
{
    ExportOptions a4;
    a4.page = PdfPage::A4;
    a4.dpi = 100;
    ASSERT_TRUE(exporter.exportTo(project, path("a4.pdf"), a4).isOk());
    QByteArray pdf = test::readFileBytes(path("a4.pdf"));
    EXPECT_TRUE(pdf.contains("/MediaBox [0 0 595.000000 842.000000]"));
    // 1024 x 768 across the 595-point width: 446.25 points high, centred.
    QRectF image = pdfImageRect(pdf);
    EXPECT_NEAR(image.left(), 0, 0.5);
    EXPECT_NEAR(image.width(), 595, 0.5);
    EXPECT_NEAR(image.top(), (842 - 446.25) / 2, 0.5);
    EXPECT_NEAR(image.height(), 446.25, 0.5);

    ExportOptions letter = a4;
    letter.page = PdfPage::Letter;
    letter.landscape = true;
    ASSERT_TRUE(exporter.exportTo(project, path("letter.pdf"), letter).isOk());
    pdf = test::readFileBytes(path("letter.pdf"));
    EXPECT_TRUE(pdf.contains("/MediaBox [0 0 792.000000 612.000000]"));
    image = pdfImageRect(pdf);
    EXPECT_NEAR(image.left(), 0, 0.5); // by the width: 792 x 594
    EXPECT_NEAR(image.width(), 792, 0.5);
    EXPECT_NEAR(image.top(), (612 - 594) / 2.0, 0.5);

    ExportOptions fit = a4;
    fit.page = PdfPage::Fit;
    fit.dpi = 144;
    ASSERT_TRUE(exporter.exportTo(project, path("fit.pdf"), fit).isOk());
    EXPECT_TRUE(test::readFileBytes(path("fit.pdf")).contains("/MediaBox [0 0 512.000000 384.000000]"));
}

TEST_F(CollageExporterTest, AFailedOrCancelledExportLeavesTheOldFile)
{
    ASSERT_TRUE(test::writeFileBytes(path("old.png"), "old picture"));
    ASSERT_TRUE(test::writeFileBytes(path("regular"), "a file, not a folder"));

    const Status unwritable = exporter.exportTo(project, path("regular/out.png"), ExportOptions());
    EXPECT_FALSE(unwritable.isOk());
    EXPECT_FALSE(unwritable.message().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(path("regular/out.png")));

    // Three times a 8000 x 8000 collage is beyond what the program draws.
    ASSERT_TRUE(project.setSize(8000, 8000).isOk());
    ExportOptions thrice;
    thrice.scale = 3;
    const Status tooLarge = exporter.exportTo(project, path("old.png"), thrice);
    EXPECT_FALSE(tooLarge.isOk());
    EXPECT_TRUE(tooLarge.message().contains(QLatin1String("too large"))) << tooLarge.message().toStdString();
    EXPECT_EQ(test::readFileBytes(path("old.png")), "old picture");

    ASSERT_TRUE(project.setSize(1024, 768).isOk());
    exporter.cancel();
    EXPECT_EQ(exporter.exportTo(project, path("old.png"), ExportOptions()).message(), CollageExporter::cancelledMessage());
    EXPECT_EQ(exporter.exportTo(project, path("new.pdf"), ExportOptions()).message(), CollageExporter::cancelledMessage());
    EXPECT_EQ(test::readFileBytes(path("old.png")), "old picture");
    EXPECT_FALSE(QFileInfo::exists(path("new.pdf")));
}

TEST_F(CollageExporterTest, AFolderThatCannotBeWrittenKeepsTheOldFile)
{
    const QString locked = path("locked");
    ASSERT_TRUE(QDir().mkpath(locked));
    ASSERT_TRUE(test::writeFileBytes(locked + "/old.jpg", "old picture"));
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
    if (QFileInfo(locked).isWritable() || QFile(locked + "/probe").open(QIODevice::WriteOnly)) {
        QFile::remove(locked + "/probe");
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        GTEST_SKIP() << "running as a user who may write any folder (root)";
    }
    const Status saved = exporter.exportTo(project, locked + "/old.jpg", ExportOptions());
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_FALSE(saved.isOk());
    EXPECT_EQ(test::readFileBytes(locked + "/old.jpg"), "old picture");
}
