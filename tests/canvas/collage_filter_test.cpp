#include "canvas/collage_filter.h"

#include "base/binary_reader.h"
#include "canvas/collage_exporter.h"
#include "project/project_file_reader.h"
#include "project/project_file_writer.h"
#include "support/fake_canvas_resources.h"

#include <gtest/gtest.h>

using namespace montora;
using montora::test::FakeCanvasResources;

namespace {

class CollageFilterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QImage square(10, 10, QImage::Format_ARGB32);
        square.fill(qRgb(250, 20, 20));
        resources.libraryPictures[3] = square;
        project.setResources(&resources);
        ASSERT_TRUE(project.setSize(64, 48).isOk());
        project.setBackgroundColour(0x203040);
        ASSERT_TRUE(project.addClipart(3, ViewPoint::atCollage(QPoint(8, 8))).isOk());
        ASSERT_TRUE(project.addClipart(3, ViewPoint::atCollage(QPoint(30, 20))).isOk());
    }

    std::vector<QByteArray> records(const CollageProject& collage) const
    {
        std::vector<QByteArray> bytes;
        for (const CanvasItem& item : collage.items())
            bytes.push_back(item.recordBytes());
        return bytes;
    }

    FakeCanvasResources resources;
    CollageProject project;
};

} // namespace

TEST_F(CollageFilterTest, TheFilteredCollageReplacesTheItemsAndUndoBringsThemBack)
{
    Result<QImage> picture = CollageFilter::filteredPicture(project, EffectFilter::Kind::Emboss);
    ASSERT_TRUE(picture) << picture.message().toStdString();
    ASSERT_EQ(picture->size(), QSize(64, 48));
    // Flat background embosses to mid-grey; the clipart's corner does not.
    EXPECT_EQ(picture->pixel(50, 5), qRgb(127, 127, 127));
    EXPECT_NE(picture->pixel(8, 8), qRgb(127, 127, 127));

    const std::vector<QByteArray> before = records(project);
    ASSERT_TRUE(CollageFilter::replaceItems(project, *picture).isOk());
    ASSERT_EQ(project.itemCount(), 1);
    const ClipartItem* only = project.item(0).asClipart();
    ASSERT_TRUE(only && only->isPixelPicture());
    EXPECT_EQ(only->width, 64);
    EXPECT_EQ(*project.pixelStore().at(only->pictureId), picture->convertToFormat(QImage::Format_ARGB32));
    EXPECT_TRUE(project.isModified());

    ASSERT_TRUE(project.undo());
    EXPECT_EQ(records(project), before);
    ASSERT_TRUE(project.redo());
    EXPECT_EQ(project.itemCount(), 1);
}

TEST_F(CollageFilterTest, AFilteredCollageSavedAndOpenedShowsThePictureAndUndoStillWorks)
{
    Result<QImage> picture = CollageFilter::filteredPicture(project, EffectFilter::Kind::Mean);
    ASSERT_TRUE(picture);
    ASSERT_TRUE(CollageFilter::replaceItems(project, *picture).isOk());
    Result<QByteArray> file = ProjectFileWriter::encode(project);
    ASSERT_TRUE(file) << file.message().toStdString();

    CollageProject opened;
    BinaryReader in(*file);
    ASSERT_TRUE(ProjectFileReader::read(opened, in).isOk());
    CollageExporter exporter;
    Result<QImage> shown = exporter.render(opened, 1.0f);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->convertToFormat(QImage::Format_RGB888), *picture);

    // An opened collage has no history: filtering it again and undoing gives back
    // the picture item it opened with, not an empty collage.
    const QByteArray openedItem = opened.item(0).recordBytes();
    ASSERT_TRUE(CollageFilter::replaceItems(opened, *picture).isOk());
    ASSERT_TRUE(opened.undo());
    ASSERT_EQ(opened.itemCount(), 1);
    EXPECT_EQ(opened.item(0).recordBytes(), openedItem);
}

TEST_F(CollageFilterTest, AStoppedFilterLeavesTheItemsAlone)
{
    Result<QImage> picture =
        CollageFilter::filteredPicture(project, EffectFilter::Kind::Median, [](double done) { return done < 0.1; });
    ASSERT_FALSE(picture);
    EXPECT_EQ(picture.message(), EffectFilter::stoppedMessage());
    EXPECT_EQ(project.itemCount(), 2);
}
