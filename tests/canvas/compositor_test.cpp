#include "canvas/compositor.h"
#include "canvas/item_geometry.h"
#include "canvas/selection_handles.h"
#include "support/fake_canvas_resources.h"
#include "support/test_files.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace montora;
using montora::test::FakeCanvasResources;

namespace {

bool near(QRgb a, QRgb b, int tolerance = 6)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance
           && std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

class CompositorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        project.setResources(&resources);
    }

    QString savePicture(const QString& name, const QImage& picture)
    {
        const QString path = folder.filePath(name);
        EXPECT_TRUE(picture.save(path));
        return path;
    }

    QImage render(float zoom = 1.0f)
    {
        auto picture = compositor.render(project, zoom);
        EXPECT_TRUE(picture.isOk()) << picture.message().toStdString();
        return picture.isOk() ? *picture : QImage();
    }

    QImage solid(int width, int height, QColor colour)
    {
        QImage image(width, height, QImage::Format_ARGB32);
        image.fill(colour);
        return image;
    }

    QTemporaryDir folder;
    FakeCanvasResources resources;
    CollageProject project;
    Compositor compositor;
};

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kGreen = qRgb(0, 255, 0);
const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kWhite = qRgb(255, 255, 255);

} // namespace

TEST_F(CompositorTest, APhotoLandsWhereItsTransformPutsIt)
{
    // Quadrants: red top-left, green top-right, blue bottom-left, white bottom-right.
    const QString path = savePicture("q.png", test::quadrantImage(400, 300));
    project.setBackgroundColour(0x000000);
    ASSERT_TRUE(project.addPhoto(path, ViewPoint::atCollage(QPoint(100, 50))).isOk());
    CanvasItem& item = project.item(0);
    // Display size: trunc(400 x 1792/2100) = 341 -> 340; trunc(300 x 0.8533) = 256.
    EXPECT_EQ(ItemGeometry::displaySize(item, 1.0f), QSize(340, 256));

    QImage out = render();
    EXPECT_TRUE(near(out.pixel(100 + 85, 50 + 64), kRed));
    EXPECT_TRUE(near(out.pixel(100 + 255, 50 + 64), kGreen));
    EXPECT_TRUE(near(out.pixel(100 + 85, 50 + 192), kBlue));
    EXPECT_TRUE(near(out.pixel(100 + 255, 50 + 192), kWhite));
    EXPECT_TRUE(near(out.pixel(95, 45), qRgb(0, 0, 0)));
    EXPECT_TRUE(near(out.pixel(100 + 345, 50 + 64), qRgb(0, 0, 0)));

    // A quarter turn clockwise about the box centre (270, 178): a point (dx, dy) from
    // the centre goes to (-dy, dx).
    item.setAngle(90.0f);
    out = render();
    EXPECT_TRUE(near(out.pixel(270 + 64, 178 - 85), kRed));     // (-85, -64) -> (64, -85)
    EXPECT_TRUE(near(out.pixel(270 + 64, 178 + 85), kGreen));   // (85, -64) -> (64, 85)
    EXPECT_TRUE(near(out.pixel(270 - 64, 178 - 85), kBlue));    // (-85, 64) -> (-64, -85)
    EXPECT_TRUE(near(out.pixel(270 - 64, 178 + 85), kWhite));
    EXPECT_TRUE(near(out.pixel(270 + 150, 178), qRgb(0, 0, 0))); // outside the turned box

    // Twice the scale at zoom 0.5 is the same picture.
    item.setAngle(0.0f);
    item.setScale(item.scale() * 2);
    out = render(0.5f);
    EXPECT_EQ(out.size(), QSize(512, 384));
    EXPECT_TRUE(near(out.pixel(50 + 85, 25 + 64), kRed));
    EXPECT_TRUE(near(out.pixel(50 + 255, 25 + 192), kWhite));
}

TEST_F(CompositorTest, BackgroundFillModes)
{
    ASSERT_TRUE(project.setSize(400, 300).isOk());
    project.setBackgroundColour(0x0000FF); // COLORREF red
    const QString small = savePicture("small.png", solid(100, 80, Qt::green));
    ASSERT_TRUE(project.setBackgroundPicture(small).isOk());

    project.setFillMode(FillMode::Centre); // at its own size
    QImage out = render();
    EXPECT_EQ(out.pixel(150, 110), kGreen);
    EXPECT_EQ(out.pixel(249, 189), kGreen);
    EXPECT_EQ(out.pixel(149, 110), kRed);
    EXPECT_EQ(out.pixel(250, 189), kRed);

    project.setFillMode(FillMode::Stretch);
    out = render();
    EXPECT_EQ(out.pixel(0, 0), kGreen);
    EXPECT_EQ(out.pixel(399, 299), kGreen);

    project.setFillMode(FillMode(7)); // no picture
    EXPECT_EQ(render().pixel(200, 150), kRed);

    // A picture larger than the collage shrinks to fit and is centred.
    const QString wide = savePicture("wide.png", solid(800, 300, Qt::blue));
    ASSERT_TRUE(project.setBackgroundPicture(wide).isOk());
    project.setFillMode(FillMode::Centre);
    out = render();
    EXPECT_EQ(out.pixel(200, 74), kRed);
    EXPECT_EQ(out.pixel(200, 76), kBlue);
    EXPECT_EQ(out.pixel(200, 223), kBlue);
    EXPECT_EQ(out.pixel(200, 226), kRed);
}

TEST_F(CompositorTest, TilesAreTwiceTheirSizeAtZoomTwo)
{
    ASSERT_TRUE(project.setSize(200, 200).isOk());
    QImage tile(32, 32, QImage::Format_ARGB32);
    tile.fill(Qt::red);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            tile.setPixel(x, y, kBlue);
    ASSERT_TRUE(project.setBackgroundPicture(savePicture("tile.png", tile)).isOk());
    project.setFillMode(FillMode::Tile);

    QImage out = render();
    EXPECT_EQ(out.pixel(8, 8), kBlue);
    EXPECT_EQ(out.pixel(24, 8), kRed);
    EXPECT_EQ(out.pixel(40, 40), kBlue);

    out = render(2.0f);
    EXPECT_EQ(out.size(), QSize(400, 400));
    EXPECT_EQ(out.pixel(16, 16), kBlue);
    EXPECT_EQ(out.pixel(28, 4), kBlue);
    EXPECT_EQ(out.pixel(36, 4), kRed);
    EXPECT_EQ(out.pixel(60, 60), kRed);
    EXPECT_EQ(out.pixel(80, 80), kBlue);
}

TEST_F(CompositorTest, AnOutOfRangeCropIsClampedToThePicture)
{
    const QString path = savePicture("q.png", test::quadrantImage(200, 100));
    ASSERT_TRUE(project.addPhoto(path, ViewPoint()).isOk());
    ASSERT_TRUE(project.setCrop(-5, -5, 99999, 99999).isOk());
    render();
    const PhotoItem& photo = *project.item(0).asPhoto();
    EXPECT_EQ(photo.cropLeft, 0);
    EXPECT_EQ(photo.cropTop, 0);
    EXPECT_EQ(photo.cropRight, 200);
    EXPECT_EQ(photo.cropBottom, 100);

    // A crop of the green quadrant alone fills the whole box with green.
    ASSERT_TRUE(project.setCrop(100, 0, 200, 50).isOk());
    project.item(0).setScale(1.0f);
    const QImage out = render();
    EXPECT_TRUE(near(out.pixel(2, 2), kGreen));
    EXPECT_TRUE(near(out.pixel(97, 47), kGreen));
}

TEST_F(CompositorTest, AMaskMakesThePhotoTransparentWhereItIsWhite)
{
    ASSERT_TRUE(project.setSize(200, 100).isOk());
    project.setBackgroundColour(0x00FF00); // green behind
    const QString path = savePicture("red.png", solid(200, 100, Qt::red));
    ASSERT_TRUE(project.addPhoto(path, ViewPoint()).isOk());
    project.item(0).setScale(1.0f);
    QImage mask(50, 10, QImage::Format_ARGB32);
    mask.fill(Qt::white);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 25; ++x)
            mask.setPixel(x, y, qRgb(0, 0, 0));
    resources.masks[4] = mask;
    ASSERT_TRUE(project.setMask(4).isOk());

    const QImage out = render();
    EXPECT_TRUE(near(out.pixel(20, 50), kRed));
    EXPECT_TRUE(near(out.pixel(180, 50), kGreen));
}

TEST_F(CompositorTest, AFrameCoversTheItemBoxAndThePhotoFillsItsWindow)
{
    ASSERT_TRUE(project.setSize(400, 400).isOk());
    const QString path = savePicture("blue.png", solid(160, 160, Qt::blue));
    ASSERT_TRUE(project.addPhoto(path, ViewPoint::atCollage(QPoint(100, 100))).isOk());
    QImage frame(40, 40, QImage::Format_ARGB32);
    frame.fill(Qt::magenta);
    for (int y = 8; y < 32; ++y)
        for (int x = 8; x < 32; ++x)
            frame.setPixel(x, y, qRgba(0, 0, 0, 0));
    resources.frames[0] = frame;
    resources.frameWindows[0] = FrameWindow{0.2f, 0.2f, 0.8f, 0.8f};
    ASSERT_TRUE(project.setFrame(0).isOk());
    project.item(0).setScale(200.0f / 266.0f); // box 266 x 266 -> display 200 x 200

    const QImage out = render();
    const QRgb magenta = qRgb(255, 0, 255);
    EXPECT_TRUE(near(out.pixel(102, 102), magenta));
    EXPECT_TRUE(near(out.pixel(297, 297), magenta));
    EXPECT_TRUE(near(out.pixel(200, 102), magenta));
    EXPECT_TRUE(near(out.pixel(200, 200), kBlue));
    EXPECT_TRUE(near(out.pixel(145, 145), kBlue));
    EXPECT_TRUE(near(out.pixel(98, 98), kWhite));
}

TEST_F(CompositorTest, AMissingPhotoFileDrawsNothingButItsFrame)
{
    ASSERT_TRUE(project.setSize(400, 400).isOk());
    const QString path = savePicture("blue.png", solid(100, 100, Qt::blue));
    ASSERT_TRUE(project.addPhoto(path, ViewPoint()).isOk());
    project.item(0).setScale(1.0f);
    resources.frames[0] = solid(10, 10, Qt::magenta);
    resources.frameWindows[0] = FrameWindow{0.1f, 0.1f, 0.9f, 0.9f};
    EXPECT_TRUE(near(render().pixel(50, 50), kBlue));
    ASSERT_TRUE(QFile::remove(path));
    EXPECT_TRUE(near(render().pixel(50, 50), kWhite)); // gone, though its picture was cached
    // On the canvas it stays visible as a box, with its name.
    QImage surface(400, 400, QImage::Format_RGB32);
    compositor.compose(project, surface, Compositor::Options{});
    EXPECT_TRUE(near(surface.pixel(10, 85), qRgb(0xEE, 0xEE, 0xEE))) << std::hex << surface.pixel(10, 85);
    ASSERT_TRUE(project.setFrame(0).isOk());
    EXPECT_TRUE(near(render().pixel(50, 50), qRgb(255, 0, 255)));
}

TEST_F(CompositorTest, DecorationsAndBrushStampsTakeTheirColours)
{
    ASSERT_TRUE(project.setSize(300, 100).isOk());
    resources.libraryPictures[1004] = solid(40, 40, Qt::black);
    project.setEffectTintColour(0xFF0000); // COLORREF blue
    ASSERT_TRUE(project.addClipart(1004, ViewPoint::atCollage(QPoint(10, 10))).isOk());

    BrushSettings& brush = project.brushSettings();
    QImage dot(20, 20, QImage::Format_ARGB32);
    dot.fill(Qt::transparent);
    for (int y = 5; y < 15; ++y)
        for (int x = 5; x < 15; ++x)
            dot.setPixel(x, y, qRgba(255, 255, 255, 255));
    brush.brushIndex = 0;
    brush.sizes = {dot.size()};
    brush.pictures = {dot};
    brush.size = 40;
    brush.colour = 0x0000FF; // red
    ASSERT_TRUE(project.addBrushStamp(ViewPoint::atCollage(QPoint(200, 50))).isOk());

    const QImage out = render();
    EXPECT_TRUE(near(out.pixel(30, 30), kBlue));
    EXPECT_TRUE(near(out.pixel(200, 50), kRed));
    EXPECT_TRUE(near(out.pixel(200 - 15, 50), kWhite)); // the brush picture's transparent rim
}

TEST_F(CompositorTest, TuningRecoloursAndOpacityBlends)
{
    ASSERT_TRUE(project.setSize(100, 100).isOk());
    project.setBackgroundColour(0x000000);
    const QString path = savePicture("c.png", solid(100, 100, QColor(200, 40, 90)));
    ASSERT_TRUE(project.addPhoto(path, ViewPoint()).isOk());
    project.item(0).setScale(1.0f);
    ASSERT_TRUE(project.setTuning(ToneSettings::fromSliders(100, 100, 0, 18000, 100, 18000, true), false).isOk());
    QRgb p = render().pixel(50, 50);
    const double grey = 0.3086 * 200 + 0.6094 * 40 + 0.0820 * 90;
    EXPECT_NEAR(qRed(p), grey, 2);
    EXPECT_NEAR(qBlue(p), grey, 2);

    ASSERT_TRUE(project.setTuning(ToneSettings::fromSliders(100, 100, 100, 18000, 100, 18000, false), true).isOk());
    project.item(0).asPhoto()->opacity = 0.5f;
    p = render().pixel(50, 50);
    EXPECT_NEAR(qRed(p), 100, 2);
    EXPECT_NEAR(qGreen(p), 20, 2);
}

TEST_F(CompositorTest, HandlesAreDrawnOnlyWhenAsked)
{
    ASSERT_TRUE(project.setSize(300, 300).isOk());
    const QString path = savePicture("g.png", solid(100, 100, Qt::gray));
    ASSERT_TRUE(project.addPhoto(path, ViewPoint::atCollage(QPoint(100, 100))).isOk());
    project.item(0).setScale(1.0f);
    QImage surface(300, 300, QImage::Format_ARGB32_Premultiplied);
    compositor.compose(project, surface, Compositor::Options{1.0f, QRect(), true});
    EXPECT_EQ(surface.pixel(96, 96), SelectionHandles::kResizeFill);
    EXPECT_EQ(surface.pixel(88, 88) & 0xFFFFFF, 0x00FF00u); // rotate circle outside the corner
    EXPECT_TRUE(project.selectionTransform().isTranslating());
    EXPECT_EQ(render().pixel(96, 96), kWhite); // the export never shows them

    project.setPreviewMode(true);
    compositor.compose(project, surface, Compositor::Options{1.0f, QRect(), true});
    EXPECT_EQ(surface.pixel(96, 96), kWhite);
}

TEST_F(CompositorTest, MovesAndSelectionChangesReuseTheCachedPictures)
{
    const QString a = savePicture("a.jpg", test::seededImage(1200, 900, 1));
    const QString b = savePicture("b.png", test::quadrantImage(300, 200));
    ASSERT_TRUE(project.addPhoto(a, ViewPoint()).isOk());
    ASSERT_TRUE(project.addPhoto(b, ViewPoint::atCollage(QPoint(300, 300))).isOk());
    QImage surface(1024, 768, QImage::Format_ARGB32_Premultiplied);
    compositor.compose(project, surface, Compositor::Options{});
    const int decodes = compositor.work().decodes;
    const int rescales = compositor.work().rescales;
    EXPECT_EQ(decodes, 2);

    project.item(0).setPosition(QPoint(40, 60));
    project.item(1).setAngle(33.0f);
    project.deselectAll();
    project.item(0).setSelected(true);
    compositor.compose(project, surface, Compositor::Options{});
    EXPECT_EQ(compositor.work().decodes, decodes);
    EXPECT_EQ(compositor.work().rescales, rescales);

    // A new zoom or size needs new pictures; the big JPEG is decoded reduced.
    compositor.compose(project, surface, Compositor::Options{0.5f, QRect(), true});
    EXPECT_EQ(compositor.work().decodes, decodes + 2);
    // A second compositor (the export's) has caches of its own.
    Compositor exporter;
    ASSERT_TRUE(exporter.render(project).isOk());
    EXPECT_EQ(exporter.work().decodes, 2);
    EXPECT_EQ(compositor.work().decodes, decodes + 2);
}

TEST_F(CompositorTest, OnlyTheRequestedAreaIsComposed)
{
    ASSERT_TRUE(project.setSize(200, 200).isOk());
    project.setBackgroundColour(0x00FF00);
    QImage surface(300, 300, QImage::Format_ARGB32_Premultiplied);
    surface.fill(Qt::black);
    compositor.compose(project, surface, Compositor::Options{1.0f, QRect(50, 50, 200, 100), true});
    EXPECT_EQ(surface.pixel(49, 60), qRgb(0, 0, 0));
    EXPECT_EQ(surface.pixel(60, 60), kGreen);
    EXPECT_EQ(surface.pixel(220, 60), Compositor::kWorkspace); // beyond the collage
    EXPECT_EQ(surface.pixel(60, 160), qRgb(0, 0, 0));
}

TEST_F(CompositorTest, PhotosOutOfViewAreNotLoadedUntilScrolledIn)
{
    ASSERT_TRUE(project.setSize(2000, 400).isOk());
    const QString path = savePicture("q.png", test::quadrantImage(200, 200));
    ASSERT_TRUE(project.addPhoto(path, ViewPoint::atCollage(QPoint(1500, 100))).isOk());
    QImage surface(2000, 400, QImage::Format_ARGB32_Premultiplied);
    compositor.compose(project, surface, Compositor::Options{1.0f, QRect(0, 0, 800, 400), true});
    EXPECT_EQ(compositor.work().decodes, 0);
    // Its hit region is kept up to date all the same.
    ASSERT_TRUE(project.item(0).runtime().transformedRegion.has_value());
    EXPECT_TRUE(project.item(0).runtime().transformedRegion->contains(QPointF(1510, 110)));
    compositor.compose(project, surface, Compositor::Options{1.0f, QRect(1200, 0, 800, 400), true});
    EXPECT_EQ(compositor.work().decodes, 1);
}

TEST_F(CompositorTest, PixelPicturesWithoutStoreEntryDrawNothing)
{
    ASSERT_TRUE(project.setSize(100, 100).isOk());
    auto index = project.addPixelPicture(solid(50, 50, Qt::red));
    ASSERT_TRUE(index.isOk());
    EXPECT_TRUE(near(render().pixel(25, 25), kRed));
    // A calendar from another session: its store index names no entry here.
    ClipartItem orphan = *project.item(0).asClipart();
    orphan.pictureId = 5;
    project.appendItem(CanvasItem(orphan));
    orphan.pictureId = -3;
    project.appendItem(CanvasItem(orphan));
    const QImage out = render();
    EXPECT_TRUE(near(out.pixel(25, 25), kRed));
    EXPECT_TRUE(near(out.pixel(75, 75), kWhite));
}

TEST_F(CompositorTest, HitRegionsFollowTheItemInSurfaceCoordinates)
{
    const QString path = savePicture("q.png", test::quadrantImage(400, 300));
    ASSERT_TRUE(project.addPhoto(path, ViewPoint::atCollage(QPoint(100, 50))).isOk());
    project.item(0).setAngle(90.0f);
    QImage surface(2048, 1536, QImage::Format_ARGB32_Premultiplied);
    compositor.compose(project, surface, Compositor::Options{2.0f, QRect(), true});
    const QPainterPath& region = *project.item(0).runtime().transformedRegion;
    // The centre at zoom 2: (200 + 170 x 2 / 2 ... ) = (540, 356); the turned box is 256 x 341 x 2 / 2.
    const QRectF bounds = region.boundingRect();
    EXPECT_NEAR(bounds.center().x(), 540, 2);
    EXPECT_NEAR(bounds.center().y(), 356, 2);
    EXPECT_NEAR(bounds.width(), 2 * 300 * 1792.0 / 2100.0, 2);
    EXPECT_NEAR(bounds.height(), 2 * 400 * 1792.0 / 2100.0, 2);
}

TEST_F(CompositorTest, ItemsWithImpossibleGeometryAreSkipped)
{
    ASSERT_TRUE(project.setSize(100, 100).isOk());
    const QString path = savePicture("r.png", solid(50, 50, Qt::red));
    resources.frames[0] = solid(10, 10, Qt::magenta);
    resources.frameWindows[0] = FrameWindow{0.1f, 0.1f, 0.9f, 0.9f};
    for (float scale : {1e30f, std::numeric_limits<float>::quiet_NaN(), -3.0f, 1e-30f}) {
        ASSERT_TRUE(project.addPhoto(path, ViewPoint()).isOk());
        ASSERT_TRUE(project.setFrame(0).isOk());
        project.items().back().setScale(scale);
    }
    project.items().back().setAngle(std::numeric_limits<float>::infinity());
    const QImage out = render();
    EXPECT_EQ(out.pixel(50, 50), kWhite);
    EXPECT_FALSE(project.item(0).runtime().transformedRegion.has_value());
    EXPECT_FALSE(project.item(1).runtime().transformedRegion.has_value());
}

namespace {

// The bounding box of the pixels that differ from white.
QRect inkBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace

TEST_F(CompositorTest, TextItemsAreDrawnInTheirBoxAndTurnWithIt)
{
    ASSERT_TRUE(project.setSize(600, 600).isOk());
    project.setText("Wide text");
    TextStyleRecord style = project.textStyle();
    style.style = 6;
    style.colour1 = 0x000000;
    style.colour2 = 0x0000FF; // red
    project.setTextStyle(style);
    ASSERT_TRUE(project.addText().isOk());
    CanvasItem& item = project.item(0);
    item.setPosition(QPoint(100, 250));
    const QSize measured = item.boxSize();

    QImage out = render();
    const QRect ink = inkBounds(out);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_TRUE(QRect(100, 250, measured.width(), measured.height()).adjusted(-4, -4, 12, 12).contains(ink));
    int red = 0;
    for (int y = ink.top(); y <= ink.bottom(); ++y)
        for (int x = ink.left(); x <= ink.right(); ++x)
            red += near(out.pixel(x, y), kRed, 40) ? 1 : 0;
    EXPECT_GT(red, 200);
    const TextStyleRecord::Box screen = item.asText()->screenBox;
    EXPECT_EQ(screen.left, 100);
    EXPECT_EQ(screen.right, 100 + measured.width());

    // A quarter turn clockwise about the box centre: the ink stands upright, and its
    // centre's offset (dx, dy) from the box centre becomes (-dy, dx).
    item.setAngle(90.0f);
    out = render();
    const QRect turned = inkBounds(out);
    EXPECT_GT(turned.height(), turned.width());
    const QPointF centre(100 + measured.width() / 2.0, 250 + measured.height() / 2.0);
    const QPointF offset = QRectF(ink).center() - centre;
    EXPECT_NEAR(QRectF(turned).center().x(), centre.x() - offset.y(), 3);
    EXPECT_NEAR(QRectF(turned).center().y(), centre.y() + offset.x(), 3);

    // Transparency 1 draws nothing, yet the item keeps its hit region.
    style.transparency = 1.0f;
    project.setTextStyle(style);
    EXPECT_TRUE(inkBounds(render()).isEmpty());
    EXPECT_TRUE(item.runtime().transformedRegion->contains(QPointF(100 + measured.width() / 2.0, 250 + measured.height() / 2.0)));
}

TEST_F(CompositorTest, TwoItemsOfOnePictureShareItButKeepTheirOwnTones)
{
    ASSERT_TRUE(project.setSize(400, 200).isOk());
    const QString path = savePicture("c.png", solid(100, 100, QColor(200, 40, 90)));
    ASSERT_TRUE(project.addPhoto(path, ViewPoint::atCollage(QPoint(0, 0))).isOk());
    project.item(0).setScale(1.0f);
    ASSERT_TRUE(project.addPhoto(path, ViewPoint::atCollage(QPoint(200, 0))).isOk());
    project.item(1).setScale(1.0f);
    ASSERT_TRUE(project.setTuning(ToneSettings::fromSliders(100, 100, 0, 18000, 100, 18000, true), false).isOk());
    const QImage out = render();
    EXPECT_TRUE(near(out.pixel(50, 50), qRgb(200, 40, 90)));
    EXPECT_EQ(qRed(out.pixel(250, 50)), qBlue(out.pixel(250, 50))); // grey
    EXPECT_EQ(compositor.work().decodes, 1);

    // A new tone recolours the kept picture; nothing is decoded again.
    ASSERT_TRUE(project.setTuning(ToneSettings::fromSliders(100, 200, 100, 18000, 100, 18000, true), false).isOk());
    EXPECT_EQ(render().pixel(250, 50), kWhite);
    EXPECT_EQ(compositor.work().decodes, 1);
}
