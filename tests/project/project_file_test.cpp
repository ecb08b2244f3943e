#include "canvas/collage_project.h"
#include "project/project_file_reader.h"
#include "project/project_file_writer.h"
#include "support/fake_canvas_resources.h"
#include "support/test_files.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>

using namespace montora;
using montora::test::FakeCanvasResources;

namespace {

std::int32_t i32At(const QByteArray& bytes, int offset)
{
    std::int32_t value = 0;
    std::memcpy(&value, bytes.constData() + offset, 4);
    return value;
}

QByteArray i32(std::int32_t value) { return QByteArray(reinterpret_cast<const char*>(&value), 4); }

class ProjectFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        project.setResources(&resources);
    }

    QString path(const QString& name) const { return folder.filePath(name); }

    void addPhoto(const QString& name, QPoint at = QPoint())
    {
        ASSERT_TRUE(project.addPhoto("/pictures/" + name, QSize(400, 300), ViewPoint::atCollage(at)).isOk());
    }

    QByteArray saved()
    {
        auto bytes = ProjectFileWriter::encode(project);
        EXPECT_TRUE(bytes.isOk()) << bytes.message().toStdString();
        return bytes.isOk() ? *bytes : QByteArray();
    }

    Status reopen(const QByteArray& bytes)
    {
        EXPECT_TRUE(test::writeFileBytes(path("in.mcf"), bytes));
        return ProjectFileReader::open(reopened, path("in.mcf"));
    }

    QTemporaryDir folder;
    FakeCanvasResources resources;
    CollageProject project;
    CollageProject reopened;
};

} // namespace

TEST_F(ProjectFileTest, AnEmptyCollageIsTheHeaderAlone)
{
    ASSERT_TRUE(project.setSize(640, 480).isOk());
    project.setBackgroundColour(0x123456);
    project.setFillMode(FillMode::Stretch);
    ASSERT_TRUE(project.setBackgroundPicture("/no/such/back.png").isOk());
    const QByteArray bytes = saved();
    ASSERT_EQ(bytes.size(), 280);
    EXPECT_EQ(i32At(bytes, 0), 640);
    EXPECT_EQ(i32At(bytes, 4), 480);
    EXPECT_EQ(QByteArray(bytes.constData() + 8), "/no/such/back.png");
    EXPECT_EQ(bytes.mid(8 + 17, 260 - 17), QByteArray(260 - 17, '\0'));
    EXPECT_EQ(i32At(bytes, 268), 0x123456);
    EXPECT_EQ(i32At(bytes, 272), 2);
    EXPECT_EQ(i32At(bytes, 276), 0);

    ASSERT_TRUE(reopen(bytes).isOk());
    EXPECT_EQ(reopened.size(), QSize(640, 480));
    EXPECT_EQ(reopened.backgroundPath(), "/no/such/back.png");
    EXPECT_EQ(reopened.backgroundColour(), 0x123456u);
    EXPECT_EQ(reopened.fillMode(), FillMode::Stretch);
}

TEST_F(ProjectFileTest, APhotoIsItsKindAndItsRawRecord)
{
    addPhoto("a.jpg", QPoint(17, 19));
    const QByteArray bytes = saved();
    ASSERT_EQ(bytes.size(), 280 + 4 + 704);
    EXPECT_EQ(i32At(bytes, 276), 1);
    EXPECT_EQ(i32At(bytes, 280), 10);
    EXPECT_EQ(bytes.mid(284), project.item(0).recordBytes());
    EXPECT_EQ(i32At(bytes, 284 + 384), 17);
    EXPECT_EQ(QByteArray(bytes.constData() + 284 + 400), "/pictures/a.jpg");
    EXPECT_EQ(bytes.mid(284 + 664, 12), QByteArray(12, '\0')); // runtime slots
}

TEST_F(ProjectFileTest, ATextItemTakesItsWholeRecord)
{
    project.setText("Hello");
    ASSERT_TRUE(project.addText().isOk());
    project.item(0).setPosition(QPoint(33, 44));
    const QByteArray bytes = saved();
    ASSERT_EQ(bytes.size(), 280 + 4 + 1144);
    EXPECT_EQ(i32At(bytes, 280), 4);
    ASSERT_TRUE(reopen(bytes).isOk());
    ASSERT_EQ(reopened.itemCount(), 1);
    EXPECT_EQ(reopened.item(0).position().x(), 33);
    EXPECT_EQ(reopened.item(0).recordBytes().mid(60, 6), QByteArray("Hello", 6));
    EXPECT_EQ(reopened.item(0).asText()->text(), "Hello");
    EXPECT_EQ(reopened.item(0).recordBytes(), project.item(0).recordBytes());
}

TEST_F(ProjectFileTest, ReopeningKeepsEveryItemAndTheLayerOrder)
{
    addPhoto("bottom.jpg");
    resources.libraryPictures[12] = QImage(30, 20, QImage::Format_ARGB32);
    ASSERT_TRUE(project.addClipart(12, ViewPoint::atCollage(QPoint(5, 6))).isOk());
    project.brushSettings().brushIndex = 0;
    project.brushSettings().sizes = {QSize(10, 10)};
    ASSERT_TRUE(project.addBrushStamp(ViewPoint::atCollage(QPoint(50, 50))).isOk());
    addPhoto("top.jpg");
    project.item(3).setAngle(-12.5f);
    const QByteArray bytes = saved();
    EXPECT_EQ(bytes.size(), 280 + 2 * (4 + 704) + (4 + 124) + (4 + 100));

    ASSERT_TRUE(reopen(bytes).isOk());
    ASSERT_EQ(reopened.itemCount(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(reopened.item(i).recordBytes(), project.item(i).recordBytes()) << i;
        EXPECT_EQ(reopened.item(i).regionIndex(), i); // fresh base regions, in order
        EXPECT_NE(reopened.hitRegions().at(i), nullptr);
    }
    EXPECT_EQ(reopened.item(3).asPhoto()->picturePath(), "/pictures/top.jpg");
    EXPECT_FALSE(reopened.isModified());
    EXPECT_EQ(reopened.history().currentIndex(), -1);
    // Saved again, the file is the same byte for byte.
    auto again = ProjectFileWriter::encode(reopened);
    ASSERT_TRUE(again.isOk());
    EXPECT_EQ(*again, bytes);
}

TEST_F(ProjectFileTest, ACustomMaskTravelsWithItsPhoto)
{
    addPhoto("masked.jpg");
    const QByteArray maskData("PNG bytes of the mask", 21);
    resources.customMasks.emplace_back(test::keyOf(77), CustomMaskBlock{64, 48, maskData});
    resources.maskKeys[40] = test::keyOf(77);
    ASSERT_TRUE(project.setMask(40).isOk());
    const QByteArray bytes = saved();
    ASSERT_EQ(bytes.size(), 280 + 4 + 704 + 8 + 4 + 21);
    const int block = 280 + 4 + 704;
    EXPECT_EQ(i32At(bytes, block), 64);
    EXPECT_EQ(i32At(bytes, block + 4), 48);
    EXPECT_EQ(i32At(bytes, block + 8), 21);
    EXPECT_EQ(bytes.mid(block + 12), maskData);

    FakeCanvasResources elsewhere; // a machine without the mask
    reopened.setResources(&elsewhere);
    ASSERT_TRUE(reopen(bytes).isOk());
    ASSERT_EQ(elsewhere.added.size(), 1u);
    EXPECT_EQ(elsewhere.added[0].first, test::keyOf(77));
    EXPECT_EQ(elsewhere.added[0].second.width, 64);
    EXPECT_EQ(elsewhere.added[0].second.height, 48);
    EXPECT_EQ(elsewhere.added[0].second.data, maskData);
    // Opening the same project again adds it again, as the library has no lookup on append.
    ASSERT_TRUE(reopen(bytes).isOk());
    EXPECT_EQ(elsewhere.added.size(), 2u);
}

TEST_F(ProjectFileTest, APhotoWhoseCustomMaskIsGoneIsSavedWithoutIt)
{
    addPhoto("masked.jpg");
    resources.maskKeys[40] = test::keyOf(9);
    ASSERT_TRUE(project.setMask(40).isOk()); // the key is not in the custom-mask copy
    const QByteArray bytes = saved();
    ASSERT_EQ(bytes.size(), 280 + 4 + 704);
    EXPECT_EQ(i32At(bytes, 284 + 48), 0); // mask number
    EXPECT_EQ(i32At(bytes, 284 + 52), 0); // custom flag
    EXPECT_EQ(project.item(0).asPhoto()->maskNumber, 41); // the collage itself is untouched
    ASSERT_TRUE(reopen(bytes).isOk());
    EXPECT_EQ(reopened.itemCount(), 1);
}

TEST_F(ProjectFileTest, AFileCutInsideTheThirdItemChangesNothingUnlessItsIntactItemsAreAskedFor)
{
    addPhoto("one.jpg");
    addPhoto("two.jpg");
    addPhoto("three.jpg");
    const QByteArray bytes = saved();
    const QByteArray damaged = bytes.left(280 + 2 * 708 + 4 + 300);
    ASSERT_TRUE(reopen(bytes).isOk());
    reopened.item(0).asPhoto()->scale = 0.5f; // an unsaved edit
    reopened.setModified(true);
    const QByteArray before = *ProjectFileWriter::encode(reopened);

    const Status status = reopen(damaged);
    EXPECT_FALSE(status.isOk());
    EXPECT_TRUE(status.message().contains("item 3")) << status.message().toStdString();
    EXPECT_EQ(*ProjectFileWriter::encode(reopened), before);
    EXPECT_TRUE(reopened.isModified());
    EXPECT_FALSE(reopen(bytes.left(100)).isOk()); // cut inside the header
    EXPECT_EQ(*ProjectFileWriter::encode(reopened), before);

    ASSERT_TRUE(test::writeFileBytes(path("in.mcf"), damaged));
    const ProjectFileReader::Salvage salvage = ProjectFileReader::openIntactItems(reopened, path("in.mcf"));
    EXPECT_FALSE(salvage.status.isOk());
    EXPECT_TRUE(salvage.replaced);
    EXPECT_EQ(salvage.itemsRead, 2);
    EXPECT_EQ(salvage.itemsAnnounced, 3);
    ASSERT_EQ(reopened.itemCount(), 2);
    EXPECT_EQ(reopened.item(1).asPhoto()->picturePath(), "/pictures/two.jpg");
    EXPECT_TRUE(reopened.isModified()); // what is shown is not the file

    // Nothing intact at all: still nothing changes.
    ASSERT_TRUE(test::writeFileBytes(path("in.mcf"), bytes.left(100)));
    EXPECT_FALSE(ProjectFileReader::openIntactItems(reopened, path("in.mcf")).replaced);
    EXPECT_EQ(reopened.itemCount(), 2);
}

TEST_F(ProjectFileTest, ForgedAndGarbageFilesFailCleanly)
{
    addPhoto("one.jpg");
    QByteArray bytes = saved();

    QByteArray unknownKind = bytes;
    unknownKind.append(i32(2)).append(QByteArray(124, '\0'));
    std::memcpy(unknownKind.data() + 276, i32(2).constData(), 4);
    Status status = reopen(unknownKind);
    EXPECT_FALSE(status.isOk());
    EXPECT_TRUE(status.message().contains("kind 2"));
    EXPECT_EQ(reopened.itemCount(), 0); // a failed open changes nothing, even after an intact item

    QByteArray hugeCount = bytes;
    std::memcpy(hugeCount.data() + 276, i32(0x7FFFFFFF).constData(), 4);
    EXPECT_FALSE(reopen(hugeCount).isOk());
    std::memcpy(hugeCount.data() + 276, i32(-4).constData(), 4);
    EXPECT_FALSE(reopen(hugeCount).isOk());

    QByteArray hugeSize = bytes;
    std::memcpy(hugeSize.data(), i32(1 << 30).constData(), 4);
    EXPECT_FALSE(reopen(hugeSize).isOk());

    // A custom-mask block claiming more bytes than the file holds.
    QByteArray maskBlock = bytes;
    std::memcpy(maskBlock.data() + 284 + 52, i32(1).constData(), 4);
    maskBlock.append(i32(10)).append(i32(10)).append(i32(0x7FFFFFF0)).append("abc");
    EXPECT_FALSE(reopen(maskBlock).isOk());
    EXPECT_TRUE(resources.added.empty());

    for (quint32 seed = 1; seed <= 20; ++seed) {
        const QImage noise = test::seededImage(int(seed) * 37, 3, seed);
        QByteArray garbage(reinterpret_cast<const char*>(noise.constBits()), noise.sizeInBytes());
        (void)reopen(garbage); // must not crash, hang or allocate wildly
    }
    EXPECT_FALSE(reopen(QByteArray()).isOk());
}

TEST_F(ProjectFileTest, AFileThatCannotBeOpenedLeavesTheCollageAlone)
{
    addPhoto("keep.jpg");
    const Status status = ProjectFileReader::open(project, path("missing.mcf"));
    EXPECT_FALSE(status.isOk());
    EXPECT_EQ(project.itemCount(), 1);
}

TEST_F(ProjectFileTest, SavingReplacesTheFileWholeOrNotAtAll)
{
    addPhoto("a.jpg");
    const QString file = path("p.mcf");
    ASSERT_TRUE(ProjectFileWriter::save(project, file).isOk());
    EXPECT_FALSE(project.isModified());
    const QByteArray before = test::readFileBytes(file);

    // A background path too long for its field is refused, never cut.
    project.setModified(true);
    ASSERT_TRUE(project.setBackgroundPicture("/" + QString(300, 'b')).isOk());
    const Status status = ProjectFileWriter::save(project, file);
    EXPECT_FALSE(status.isOk());
    EXPECT_TRUE(status.message().contains("too long"));
    EXPECT_EQ(test::readFileBytes(file), before);
    EXPECT_TRUE(project.isModified());

    EXPECT_FALSE(ProjectFileWriter::save(project, path("no/such/folder/p.mcf")).isOk());
}
