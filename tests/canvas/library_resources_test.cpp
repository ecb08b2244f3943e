#include "canvas/compositor.h"
#include "canvas/library_resources.h"
#include "imaging/tint_picture.h"
#include "library/library_file_encoder.h"
#include "library/library_files.h"
#include "library/mask_library.h"
#include "library/mask_pack.h"
#include "project/project_file_reader.h"
#include "project/project_file_writer.h"
#include "support/test_files.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>

using namespace montora;

namespace {

QImage solid(int width, int height, QColor colour)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

QByteArray png(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

bool near(QRgb a, QRgb b, int tolerance = 6)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance
           && std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

std::int32_t i32At(const QByteArray& bytes, qsizetype offset)
{
    std::int32_t value = 0;
    std::memcpy(&value, bytes.constData() + offset, 4);
    return value;
}

// A collage drawn from the library files of a folder of its own.
class LibraryCollageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        library = folder.filePath("Data") + "/";
        ASSERT_TRUE(QDir().mkpath(library));
        resources = std::make_unique<LibraryResources>(library);
        project.setResources(resources.get());
        photo = folder.filePath("red.png");
        ASSERT_TRUE(solid(200, 150, Qt::red).save(photo));
    }

    void writeLibrary(const QString& name, LibraryLayout layout, const std::vector<LibraryRecord>& records)
    {
        ASSERT_TRUE(test::writeFileBytes(library + name, LibraryFileEncoder::file(layout, records)));
    }

    QImage render()
    {
        auto picture = Compositor().render(project);
        EXPECT_TRUE(picture.isOk()) << picture.message().toStdString();
        return picture.isOk() ? *picture : QImage();
    }

    QTemporaryDir folder;
    QString library;
    QString photo;
    std::unique_ptr<LibraryResources> resources;
    CollageProject project;
};

} // namespace

TEST_F(LibraryCollageTest, ABuiltInMaskMakesThePhotoTransparentWhereItIsWhite)
{
    ASSERT_TRUE(MaskPack::installBuiltIn(library).isOk());
    ASSERT_TRUE(project.setSize(200, 148).isOk());
    project.setBackgroundColour(0x00FF00);
    ASSERT_TRUE(project.addPhoto(photo, ViewPoint()).isOk());
    project.item(0).setScale(1.0f);
    ASSERT_TRUE(project.setMask(0).isOk()); // the ellipse: black inside, white around
    EXPECT_EQ(project.item(0).asPhoto()->maskNumber, 1);
    EXPECT_EQ(project.item(0).asPhoto()->customMask, 0);

    const QImage out = render();
    EXPECT_TRUE(near(out.pixel(100, 74), qRgb(255, 0, 0)));
    EXPECT_TRUE(near(out.pixel(2, 2), qRgb(0, 255, 0)));
    EXPECT_TRUE(near(out.pixel(197, 145), qRgb(0, 255, 0)));
}

TEST_F(LibraryCollageTest, AFrameFromTheFrameLibraryCoversTheItemBox)
{
    QImage frame = solid(100, 100, Qt::blue);
    for (int y = 10; y < 90; ++y)
        for (int x = 10; x < 90; ++x)
            frame.setPixel(x, y, qRgba(0, 0, 0, 0));
    LibraryRecord record;
    record.width = 100;
    record.height = 100;
    record.payload = png(frame);
    record.setInsets(FrameInsets{0.1f, 0.1f, 0.9f, 0.9f});
    writeLibrary(LibraryFiles::kFrames, LibraryLayout::PictureWithInsets, {record});

    ASSERT_TRUE(project.setSize(400, 300).isOk());
    ASSERT_TRUE(project.addPhoto(photo, ViewPoint::atCollage(QPoint(50, 50))).isOk());
    ASSERT_TRUE(project.setFrame(0).isOk());
    const PhotoItem& item = *project.item(0).asPhoto();
    EXPECT_EQ(item.frameNumber, 1);
    EXPECT_EQ(item.boxWidth, 250); // 200 / 0.8
    EXPECT_EQ(item.boxHeight, 187);
    project.item(0).setScale(1.0f); // display 248 x 184

    const QImage out = render();
    EXPECT_TRUE(near(out.pixel(50 + 3, 50 + 3), qRgb(0, 0, 255)));
    EXPECT_TRUE(near(out.pixel(50 + 244, 50 + 180), qRgb(0, 0, 255)));
    EXPECT_TRUE(near(out.pixel(50 + 124, 50 + 92), qRgb(255, 0, 0)));
    EXPECT_TRUE(near(out.pixel(50 + 124, 45), qRgb(255, 255, 255)));
}

TEST_F(LibraryCollageTest, DecorationsAreTintedAndCliparts)
{
    QImage picture(40, 40, QImage::Format_ARGB32);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            picture.setPixel(x, y, qRgba(60 + x * 4, 120, 200 - y * 3, 255));
    writeLibrary("chrome_p.cfg", LibraryLayout::Thumbnail, {LibraryFileEncoder::thumbnailRecord(solid(8, 8, Qt::black)),
                                                              LibraryFileEncoder::thumbnailRecord(picture)});
    writeLibrary(LibraryFiles::kClipart, LibraryLayout::Thumbnail, {LibraryFileEncoder::thumbnailRecord(picture)});
    ASSERT_TRUE(project.setSize(200, 100).isOk());
    const ColorRef tint = 0x3C78C8;
    project.setEffectTintColour(tint);
    ASSERT_TRUE(project.addClipart(1001, ViewPoint::atCollage(QPoint(10, 10))).isOk());
    ASSERT_TRUE(project.addClipart(0, ViewPoint::atCollage(QPoint(100, 10))).isOk());
    EXPECT_EQ(project.item(0).asClipart()->width, 40);

    const QImage out = render();
    const QImage tinted = TintPicture::applied(picture, tint);
    for (QPoint p : {QPoint(5, 5), QPoint(30, 12), QPoint(20, 35)}) {
        EXPECT_TRUE(near(out.pixel(QPoint(10, 10) + p), tinted.pixel(p))) << p.x() << "," << p.y();
        EXPECT_TRUE(near(out.pixel(QPoint(100, 10) + p), picture.pixel(p))) << p.x() << "," << p.y();
    }
    EXPECT_FALSE(near(tinted.pixel(5, 5), picture.pixel(5, 5)));
}

TEST_F(LibraryCollageTest, BrushStampsComeFromTheBrushLibraryInTheirColour)
{
    QImage dot(10, 10, QImage::Format_ARGB32);
    dot.fill(Qt::transparent);
    for (int y = 2; y < 8; ++y)
        for (int x = 2; x < 8; ++x)
            dot.setPixel(x, y, qRgba(255, 255, 255, 255));
    writeLibrary(LibraryFiles::kBrushes, LibraryLayout::Thumbnail, {LibraryFileEncoder::thumbnailRecord(dot)});
    ASSERT_TRUE(project.setSize(100, 100).isOk());
    BrushSettings& brush = project.brushSettings();
    brush.brushIndex = 0;
    brush.sizes = {dot.size()}; // the panel hands sizes over; the pictures come from the file
    brush.size = 40;
    brush.colour = 0x00C000; // green
    ASSERT_TRUE(project.addBrushStamp(ViewPoint::atCollage(QPoint(50, 50))).isOk());
    const QImage out = render();
    EXPECT_TRUE(near(out.pixel(50, 50), qRgb(0, 192, 0)));
    EXPECT_TRUE(near(out.pixel(50 - 18, 50), qRgb(255, 255, 255)));
}

TEST_F(LibraryCollageTest, ACustomMaskIsAddedToAMissingCustomCopyOnOpen)
{
    QImage maskPicture = solid(30, 20, Qt::white);
    auto key = MaskLibrary(library).addCustomMask(maskPicture);
    ASSERT_TRUE(key.isOk()) << key.message().toStdString();
    auto count = MaskLibrary(library).count();
    ASSERT_TRUE(count.isOk());
    ASSERT_TRUE(project.addPhoto(photo, ViewPoint()).isOk());
    ASSERT_TRUE(project.setMask(*count - 1).isOk());
    EXPECT_EQ(project.item(0).asPhoto()->customMask, 1);
    const QString file = folder.filePath("custom.mcf");
    ASSERT_TRUE(ProjectFileWriter::save(project, file).isOk());
    const QByteArray bytes = test::readFileBytes(file);
    auto encoded = MaskLibrary(library).customMaskBytes(*key);
    ASSERT_TRUE(encoded.isOk());
    const qsizetype length = encoded->bytes.size();
    ASSERT_EQ(bytes.size(), 280 + 4 + 704 + 8 + 4 + length);
    EXPECT_EQ(i32At(bytes, 988), 30);
    EXPECT_EQ(i32At(bytes, 992), 20);
    EXPECT_EQ(i32At(bytes, 996), length);

    // Another machine: an empty data folder.
    const QString elsewhere = folder.filePath("Elsewhere") + "/";
    ASSERT_TRUE(QDir().mkpath(elsewhere));
    LibraryResources otherResources(elsewhere);
    CollageProject reopened;
    reopened.setResources(&otherResources);
    ASSERT_TRUE(ProjectFileReader::open(reopened, file).isOk());
    const QByteArray copy = test::readFileBytes(elsewhere + "cusmask.cfg");
    ASSERT_EQ(copy.size(), 4 + 12 + 16 + length);
    EXPECT_EQ(i32At(copy, 0), 1);
    EXPECT_EQ(i32At(copy, 4), 30);
    EXPECT_EQ(i32At(copy, 8), 20);
    EXPECT_EQ(i32At(copy, 12), length);
    EXPECT_EQ(copy.mid(16, 16), QByteArray(reinterpret_cast<const char*>(key->bytes.data()), 16));
    EXPECT_EQ(copy.mid(32), encoded->bytes);
    EXPECT_FALSE(otherResources.customMaskPicture(key->bytes).isNull());

    // Opened twice, the mask is there twice.
    ASSERT_TRUE(ProjectFileReader::open(reopened, file).isOk());
    EXPECT_EQ(i32At(test::readFileBytes(elsewhere + "cusmask.cfg"), 0), 2);
}

// A mask imported from a pack is in "mask.cfg" only until the custom copy is next
// rebuilt; a project saved meanwhile still carries it.
TEST_F(LibraryCollageTest, AMaskOnlyInTheMaskLibraryIsCarriedBySavedProjects)
{
    auto key = MaskLibrary(library).addCustomMask(solid(30, 20, Qt::white));
    ASSERT_TRUE(key.isOk()) << key.message().toStdString();
    ASSERT_TRUE(QFile::remove(library + "cusmask.cfg"));
    auto count = MaskLibrary(library).count();
    ASSERT_TRUE(count.isOk());
    ASSERT_TRUE(project.addPhoto(photo, ViewPoint()).isOk());
    ASSERT_TRUE(project.setMask(*count - 1).isOk());
    const QString file = folder.filePath("imported.mcf");
    ASSERT_TRUE(ProjectFileWriter::save(project, file).isOk());
    const QByteArray bytes = test::readFileBytes(file);
    ASSERT_GT(bytes.size(), 280 + 4 + 704 + 12);
    EXPECT_EQ(i32At(bytes, 284 + 52), 1) << "the photo keeps its custom mask";
    EXPECT_EQ(i32At(bytes, 988), 30);
    EXPECT_EQ(i32At(bytes, 992), 20);
    EXPECT_FALSE(resources->customMaskPicture(key->bytes).isNull()) << "and draws with it";
}
