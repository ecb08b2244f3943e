#include "canvas/collage_project.h"
#include "support/fake_canvas_resources.h"

#include <gtest/gtest.h>

using namespace montora;
using montora::test::FakeCanvasResources;

namespace {

class CollageProjectTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resources.frameWindows[2] = FrameWindow{0.1f, 0.1f, 0.9f, 0.9f};
        resources.maskKeys[30] = test::keyOf(30);
        resources.libraryPictures[5] = QImage(40, 20, QImage::Format_ARGB32);
        resources.libraryPictures[3007] = QImage(16, 8, QImage::Format_ARGB32);
        project.setResources(&resources);
    }

    PhotoItem& addPhoto(QPoint at = QPoint(0, 0))
    {
        EXPECT_TRUE(project.addPhoto("/p/a.jpg", QSize(400, 300), ViewPoint::atCollage(at)).isOk());
        return *project.items().back().asPhoto();
    }

    FakeCanvasResources resources;
    CollageProject project;
};

} // namespace

TEST_F(CollageProjectTest, SetSizeRoundsDownToMultiplesOfFour)
{
    EXPECT_EQ(project.size(), QSize(1024, 768));
    ASSERT_TRUE(project.setSize(1023, 770).isOk());
    EXPECT_EQ(project.size(), QSize(1020, 768));
    EXPECT_FALSE(project.setSize(0, 100).isOk());
    EXPECT_FALSE(project.setSize(100, 20001).isOk());
    EXPECT_EQ(project.size(), QSize(1020, 768));
}

TEST_F(CollageProjectTest, AddPhotoPlacesItOnTopSelectedAtTheViewPoint)
{
    addPhoto();
    PhotoItem& second = [&]() -> PhotoItem& {
        EXPECT_TRUE(project.addPhoto("/p/b.jpg", QSize(400, 300), ViewPoint{QPoint(100, 40), 0.5f, QPoint(20, 10)})
                        .isOk());
        return *project.items().back().asPhoto();
    }();
    EXPECT_EQ(second.left, 240); // (100 + 20) / 0.5
    EXPECT_EQ(second.top, 100);
    EXPECT_EQ(second.creationOrdinal, 0);
    EXPECT_FALSE(project.item(0).isSelected());
    EXPECT_TRUE(project.item(1).isSelected());
    EXPECT_EQ(project.firstSelectedIndex(), 1);
    EXPECT_TRUE(project.isModified());
    EXPECT_EQ(project.history().currentIndex(), 1);
    const QPainterPath* region = project.hitRegions().at(second.regionIndex);
    ASSERT_NE(region, nullptr);
    EXPECT_NEAR(region->boundingRect().width(), 400 * 1792.0 / 2100.0, 1e-3);
}

TEST_F(CollageProjectTest, SelectedPhotoOperationsNeedASelectedPhoto)
{
    project.brushSettings().brushMode = true;
    EXPECT_EQ(project.setFrame(2).message(), "Please select a photo on the canvas.");
    EXPECT_FALSE(project.brushSettings().brushMode);
    EXPECT_EQ(project.setMask(1).message(), "Please select a photo on the canvas.");
    EXPECT_EQ(project.setCrop(0, 0, 5, 5).message(), "Please select a photo on the canvas.");
    ASSERT_TRUE(project.addClipart(5, ViewPoint()).isOk()); // a clipart is not a photo
    EXPECT_EQ(project.setFrame(2).message(), "Please select a photo on the canvas.");
    EXPECT_EQ(project.history().size(), 1);
}

TEST_F(CollageProjectTest, FrameAndMaskExcludeEachOther)
{
    PhotoItem& photo = addPhoto();
    ASSERT_TRUE(project.setMask(3).isOk());
    EXPECT_EQ(photo.maskNumber, 4);
    EXPECT_EQ(photo.customMask, 0);

    ASSERT_TRUE(project.setFrame(2).isOk());
    EXPECT_EQ(photo.frameNumber, 3);
    EXPECT_EQ(photo.maskNumber, 0);
    EXPECT_EQ(photo.boxWidth, 500); // 400 / 0.8
    EXPECT_EQ(photo.boxHeight, 375);
    EXPECT_FLOAT_EQ(photo.frameLeft, 0.1f);
    const QPainterPath* region = project.hitRegions().at(photo.regionIndex);
    EXPECT_NEAR(region->boundingRect().width(), 500 * photo.baseScale, 1e-3);

    ASSERT_TRUE(project.setMask(30).isOk()); // a custom mask: above the 28 built-in ones
    EXPECT_EQ(photo.frameNumber, 0);
    EXPECT_EQ(photo.maskNumber, 31);
    EXPECT_EQ(photo.customMask, 1);
    EXPECT_EQ(photo.customMaskKey[0], test::keyOf(30)[0]);
    EXPECT_EQ(photo.customMaskKey[15], test::keyOf(30)[15]);

    // A frame keeps the custom flag and key, so a saved project still carries that mask.
    ASSERT_TRUE(project.setFrame(2).isOk());
    EXPECT_EQ(photo.maskNumber, 0);
    EXPECT_EQ(photo.customMask, 1);
    EXPECT_EQ(project.history().size(), 5);
}

TEST_F(CollageProjectTest, MissingLibraryRecordsChangeNothing)
{
    PhotoItem& photo = addPhoto();
    EXPECT_FALSE(project.setFrame(9).isOk());
    EXPECT_FALSE(project.setMask(40).isOk());
    EXPECT_EQ(photo.frameNumber, 0);
    EXPECT_EQ(photo.maskNumber, 0);
    EXPECT_FALSE(project.addClipart(77, ViewPoint()).isOk());
    EXPECT_EQ(project.itemCount(), 1);
}

TEST_F(CollageProjectTest, SetCropMakesTheCropTheBox)
{
    PhotoItem& photo = addPhoto();
    ASSERT_TRUE(project.setCrop(10, 20, 110, 70).isOk());
    EXPECT_EQ(photo.boxWidth, 100);
    EXPECT_EQ(photo.boxHeight, 50);
    EXPECT_EQ(photo.cropLeft, 10);
    EXPECT_FALSE(project.setCrop(10, 20, 10, 70).isOk());
}

TEST_F(CollageProjectTest, TuningReachesSelectedPhotosAndCliparts)
{
    const ToneSettings values = ToneSettings::fromSliders(150, 120, 80, 18000, 100, 18000, true);
    EXPECT_EQ(project.setTuning(values, false).message(), "Please select a photo or clipart on the canvas.");
    EXPECT_EQ(project.history().size(), 0);

    ASSERT_TRUE(project.addClipart(5, ViewPoint()).isOk());
    ASSERT_TRUE(project.setTuning(values, false).isOk());
    EXPECT_EQ(project.item(0).asClipart()->tone.enabled, 1);
    EXPECT_FLOAT_EQ(project.item(0).asClipart()->tone.contrast, 1.5f);
    ASSERT_TRUE(project.setTuning(values, true).isOk());
    EXPECT_EQ(project.item(0).asClipart()->tone.enabled, 0);
}

TEST_F(CollageProjectTest, DecorationsTakeTheEffectTint)
{
    ASSERT_TRUE(project.addClipart(5, ViewPoint()).isOk());
    EXPECT_EQ(project.item(0).asClipart()->tinted, 0);
    ASSERT_TRUE(project.addClipart(3007, ViewPoint::atCollage(QPoint(30, 40))).isOk());
    const ClipartItem& decoration = *project.item(1).asClipart();
    EXPECT_EQ(decoration.tinted, 1);
    EXPECT_EQ(decoration.tintColour, CollageProject::kDefaultTint);
    EXPECT_EQ(decoration.width, 16);
    EXPECT_EQ(decoration.left, 30);

    const int steps = project.history().size();
    project.setEffectTintColour(0x0000FF);
    EXPECT_EQ(decoration.tintColour, 0x0000FFu);
    EXPECT_EQ(project.item(0).asClipart()->tintColour, 0u); // not selected, not a decoration
    EXPECT_EQ(project.history().size(), steps + 1);
}

TEST_F(CollageProjectTest, LibrarySelectionUsesTheFirstId)
{
    addPhoto();
    ASSERT_TRUE(project.applyLibrarySelection(LibraryDrop::Frame, {2, 7}, ViewPoint()).isOk());
    EXPECT_EQ(project.item(0).asPhoto()->frameNumber, 3);
    ASSERT_TRUE(project.applyLibrarySelection(LibraryDrop::Clipart, {5}, ViewPoint::atCollage(QPoint(9, 9))).isOk());
    EXPECT_EQ(project.itemCount(), 2);
    EXPECT_EQ(project.item(1).position(), QPoint(9, 9));
    EXPECT_TRUE(project.applyLibrarySelection(LibraryDrop::Mask, {}, ViewPoint()).isOk());
}

TEST_F(CollageProjectTest, PixelPicturesKeepTheirPixelsAcrossClear)
{
    QImage calendar(260, 260, QImage::Format_ARGB32);
    calendar.fill(Qt::transparent);
    auto index = project.addPixelPicture(calendar);
    ASSERT_TRUE(index.isOk());
    const CanvasItem& item = project.item(*index);
    EXPECT_EQ(item.asClipart()->pixelStore, 1);
    EXPECT_EQ(item.position(), QPoint(0, 0));
    EXPECT_TRUE(item.isSelected());
    EXPECT_EQ(project.history().size(), 0); // no undo step of its own
    // Nothing opaque: nothing to pick.
    EXPECT_TRUE(project.hitRegions().at(item.regionIndex())->isEmpty());

    calendar.setPixel(10, 10, qRgba(255, 0, 0, 255));
    calendar.setPixel(11, 11, qRgba(255, 0, 0, 255)); // odd rows and columns are not sampled
    ASSERT_TRUE(project.addPixelPicture(calendar).isOk());
    const QPainterPath* region = project.hitRegions().at(project.items().back().regionIndex());
    EXPECT_TRUE(region->contains(QPointF(11.5, 11.5)));
    EXPECT_FALSE(region->contains(QPointF(13, 13)));

    project.clear();
    EXPECT_EQ(project.itemCount(), 0);
    EXPECT_EQ(project.hitRegions().size(), 0);
    EXPECT_EQ(project.history().currentIndex(), -1);
    EXPECT_EQ(project.pixelStore().size(), 2);
    EXPECT_EQ(project.pixelStore().at(2), nullptr);
}

TEST_F(CollageProjectTest, BrushStampsAreCentredAndUnselected)
{
    BrushSettings& brush = project.brushSettings();
    EXPECT_FALSE(project.addBrushStamp(ViewPoint()).isOk());
    brush.brushIndex = 0;
    brush.sizes = {QSize(10, 6)};
    brush.pictures = {QImage(10, 6, QImage::Format_ARGB32)};
    brush.size = 20;
    brush.opacity = 51;
    brush.angle = 30;
    brush.colour = 0x00FF00;
    addPhoto();
    ASSERT_TRUE(project.addBrushStamp(ViewPoint{QPoint(100, 100), 2.0f, QPoint(0, 0)}).isOk());
    const BrushItem& stamp = *project.items().back().asBrush();
    EXPECT_FLOAT_EQ(stamp.scale, 2.0f);
    EXPECT_FLOAT_EQ(stamp.opacity, 0.2f);
    EXPECT_FLOAT_EQ(stamp.angle, 30.0f);
    EXPECT_EQ(stamp.left, 40); // 100 / 2 - 10 x 2 x 0.5
    EXPECT_EQ(stamp.top, 44);
    EXPECT_EQ(stamp.selected, 0);
    EXPECT_EQ(project.firstSelectedIndex(), -1);
    EXPECT_EQ(project.history().size(), 1); // the stroke's end pushes, not the stamp
}

TEST_F(CollageProjectTest, SetZoomResetsTheScroll)
{
    project.setScroll(QPoint(30, 40));
    project.setZoom(1.5f);
    EXPECT_EQ(project.scroll(), QPoint());
    EXPECT_FLOAT_EQ(project.zoom(), 1.5f);
    EXPECT_EQ(project.viewPoint(QPoint(30, 15)).collagePoint(), QPoint(20, 10));
}

TEST_F(CollageProjectTest, TextItemsAreMeasuredFromTheCurrentStyle)
{
    project.setText("Hello");
    TextStyleRecord style = project.textStyle();
    style.style = 6;
    style.transparency = 0.5f;
    project.setTextStyle(style); // nothing selected yet: only the current style changes
    addPhoto();
    ASSERT_TRUE(project.addText().isOk());
    const TextStyleRecord& text = *project.items().back().asText();
    EXPECT_GT(text.width, 20);
    EXPECT_GT(text.height, 10);
    EXPECT_EQ(text.left, text.width / 2);
    EXPECT_EQ(text.top, text.height / 2);
    EXPECT_EQ(text.text(), "Hello");
    EXPECT_EQ(text.style, 6);
    EXPECT_FLOAT_EQ(text.transparency, 0.5f);
    EXPECT_FLOAT_EQ(text.scale, 1.0f);
    EXPECT_EQ(text.creationOrdinal, 0);
    EXPECT_EQ(text.font.lfHeight, 48);
    EXPECT_TRUE(project.items().back().isSelected());
    EXPECT_FALSE(project.item(0).isSelected());
    EXPECT_EQ(project.history().size(), 2);

    // Typing grows the box to the right and down; its place stays.
    const int width = text.width;
    const QPoint place = project.items().back().position();
    project.setText("Hello, wider world");
    EXPECT_GT(text.width, width);
    EXPECT_EQ(project.items().back().position(), place);
    EXPECT_NEAR(project.hitRegions().at(text.regionIndex)->boundingRect().width(), text.width, 0.01);

    // A new style keeps the measured size until the text changes.
    style.style = 2;
    (void)style.font.setFaceName("DejaVu Serif");
    const int measured = text.width;
    project.setTextStyle(style);
    EXPECT_EQ(text.style, 2);
    EXPECT_EQ(text.font.faceName(), "DejaVu Serif");
    EXPECT_EQ(text.width, measured);
}
