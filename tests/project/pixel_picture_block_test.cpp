#include "base/binary_reader.h"
#include "canvas/collage_project.h"
#include "project/pixel_picture_block.h"
#include "project/project_file_reader.h"
#include "project/project_file_writer.h"
#include "support/fake_canvas_resources.h"
#include "tools/month_calendar_control.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace montora;
using montora::test::FakeCanvasResources;

namespace {

class PixelPictureBlockTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        project.setResources(&resources);
        ASSERT_TRUE(project.addPhoto("/pictures/under.jpg", QSize(400, 300), ViewPoint::atCollage(QPoint())).isOk());
        auto added = project.addPixelPicture(calendar);
        ASSERT_TRUE(added.isOk());
        project.item(*added).setPosition(QPoint(40, 50));
        ASSERT_TRUE(project.addPhoto("/pictures/over.jpg", QSize(400, 300), ViewPoint::atCollage(QPoint())).isOk());
        auto bytes = ProjectFileWriter::encode(project);
        ASSERT_TRUE(bytes.isOk()) << bytes.message().toStdString();
        file = *bytes;
    }

    static const QImage& shownPixels(const CollageProject& collage, int index)
    {
        static const QImage none;
        const ClipartItem* clipart = collage.item(index).asClipart();
        const QImage* pixels = clipart ? collage.pixelStore().at(clipart->pictureId) : nullptr;
        return pixels ? *pixels : none;
    }

    const QImage calendar = MonthCalendarControl::monthPicture(2009, 5);
    FakeCanvasResources resources;
    CollageProject project;
    QByteArray file;
};

} // namespace

TEST_F(PixelPictureBlockTest, ACalendarSavedAndReopenedStillShows)
{
    // A session that already holds a picture of its own, opened apart and then
    // swapped in as the window does.
    CollageProject session;
    ASSERT_TRUE(session.addPixelPicture(QImage(8, 8, QImage::Format_ARGB32)).isOk());
    CollageProject opened;
    BinaryReader in(file);
    ASSERT_TRUE(ProjectFileReader::read(opened, in).isOk());
    EXPECT_TRUE(in.atEnd());
    session.replaceDocument(std::move(opened));

    ASSERT_EQ(session.itemCount(), 3);
    EXPECT_EQ(shownPixels(session, 1), calendar);
    EXPECT_EQ(session.item(1).position(), QPoint(40, 50));
    // The hit region follows the calendar's opaque pixels, not its whole square.
    const QPainterPath* region = session.hitRegions().at(session.item(1).regionIndex());
    ASSERT_NE(region, nullptr);
    EXPECT_FALSE(region->contains(QPointF(257, 130)));
    EXPECT_EQ(session.item(2).recordBytes(), project.item(2).recordBytes());
}

TEST_F(PixelPictureBlockTest, ReadersThatStopAfterTheItemsKeepEveryItem)
{
    CollageProject older;
    BinaryReader in(file);
    ASSERT_TRUE(ProjectFileReader::readItems(older, in).isOk());
    ASSERT_EQ(older.itemCount(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(older.item(i).recordBytes(), project.item(i).recordBytes()) << i;
    std::uint32_t tag = 0;
    std::memcpy(&tag, file.constData() + in.position(), 4);
    EXPECT_EQ(tag, PixelPictureBlockHeader::kTag);

    // Without the block (a file from before, or one cut inside it) the calendar
    // names no picture, even in a session whose store has entries.
    CollageProject session;
    ASSERT_TRUE(session.addPixelPicture(QImage(8, 8, QImage::Format_ARGB32)).isOk());
    BinaryReader itemsOnly(file.left(int(in.position())));
    ASSERT_TRUE(ProjectFileReader::read(session, itemsOnly).isOk());
    EXPECT_TRUE(shownPixels(session, 1).isNull());
    BinaryReader cut(file.left(file.size() - 10));
    EXPECT_FALSE(ProjectFileReader::read(session, cut).isOk());
    EXPECT_EQ(session.itemCount(), 3);
    EXPECT_TRUE(shownPixels(session, 1).isNull());
}
