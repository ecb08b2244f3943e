#include "canvas/canvas_item.h"
#include "canvas/history_snapshot.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace montora;

TEST(PhotoItem, NewPhotoTakesAThirdOfTheCollageAndTheWholePicture)
{
    auto photo = PhotoItem::create("/pictures/a.jpg", QSize(400, 300), QSize(1024, 768), 12, 34, 2);
    ASSERT_TRUE(photo.isOk()) << photo.message().toStdString();
    EXPECT_FLOAT_EQ(photo->scale, 1792.0f / 2100.0f);
    EXPECT_FLOAT_EQ(photo->baseScale, photo->scale);
    EXPECT_EQ(photo->creationOrdinal, 2);
    EXPECT_EQ(photo->cropRight, 400);
    EXPECT_EQ(photo->cropBottom, 300);
    EXPECT_EQ(photo->boxWidth, 400);
    EXPECT_EQ(photo->boxHeight, 300);
    EXPECT_EQ(photo->left, 12);
    EXPECT_EQ(photo->top, 34);
    EXPECT_EQ(photo->selected, 1);
    EXPECT_FLOAT_EQ(photo->frameLeft, 0.05f);
    EXPECT_FLOAT_EQ(photo->frameBottom, 0.95f);
    EXPECT_EQ(photo->tone.enabled, 0);
    EXPECT_FLOAT_EQ(photo->tone.colour, 0.125f);
    EXPECT_EQ(photo->picturePath(), "/pictures/a.jpg");
}

TEST(PhotoItem, APathLongerThanItsFieldIsRefusedNotCut)
{
    const QString longPath = "/" + QString(259, 'p');
    EXPECT_FALSE(PhotoItem::create(longPath, QSize(4, 4), QSize(1024, 768), 0, 0, 0).isOk());
    const QString fits = "/" + QString(258, 'p');
    EXPECT_TRUE(PhotoItem::create(fits, QSize(4, 4), QSize(1024, 768), 0, 0, 0).isOk());
    // Multi-byte characters count by their UTF-8 bytes.
    EXPECT_FALSE(PhotoItem::create("/" + QString(130, QChar(0x00E9)), QSize(4, 4), QSize(8, 8), 0, 0, 0).isOk());
}

TEST(CanvasItem, RecordBytesNeverCarryRuntimeSlots)
{
    PhotoItem photo;
    photo.runtimeRegion = 0xDEADBEEF;
    photo.runtimePicture = 1;
    photo.runtimeFrame = 2;
    photo.regionIndex = 7;
    const QByteArray bytes = CanvasItem(photo).recordBytes();
    ASSERT_EQ(bytes.size(), 704);
    std::uint32_t runtimeSlots[3];
    std::memcpy(runtimeSlots, bytes.constData() + 664, sizeof(runtimeSlots));
    EXPECT_EQ(runtimeSlots[0], 0u);
    EXPECT_EQ(runtimeSlots[1], 0u);
    EXPECT_EQ(runtimeSlots[2], 0u);
    std::int32_t region = 0;
    std::memcpy(&region, bytes.constData() + 660, 4);
    EXPECT_EQ(region, 7);

    QByteArray forged = bytes;
    const std::uint32_t junk = 0x12345678;
    std::memcpy(forged.data() + 668, &junk, 4);
    auto read = CanvasItem::fromBytes(10, forged);
    ASSERT_TRUE(read.isOk());
    EXPECT_EQ(read->asPhoto()->runtimePicture, 0u);
}

TEST(CanvasItem, FromBytesRefusesUnknownKindsAndWrongSizes)
{
    EXPECT_FALSE(CanvasItem::fromBytes(2, QByteArray(124, '\0')).isOk());
    EXPECT_FALSE(CanvasItem::fromBytes(0, QByteArray(100, '\0')).isOk());
    EXPECT_EQ(CanvasItem::fromBytes(1, QByteArray(100, '\0'))->kind(), ItemKind::Brush);
    EXPECT_EQ(CanvasItem::fromBytes(4, QByteArray(1144, '\0'))->kind(), ItemKind::Text);
}

TEST(CanvasItem, CommonFieldsReachEveryKindsRecord)
{
    std::vector<CanvasItem> items{CanvasItem(PhotoItem{}), CanvasItem(ClipartItem{}), CanvasItem(BrushItem{}),
                                  CanvasItem(TextStyleRecord{})};
    for (CanvasItem& item : items) {
        item.setSelected(true);
        item.setPosition(QPoint(5, -6));
        item.savePosition();
        item.setPosition(QPoint(50, 60));
        item.setAngle(12.5f);
        item.setScale(0.75f);
        item.setRegionIndex(3);
        EXPECT_TRUE(item.isSelected());
        EXPECT_EQ(item.position(), QPoint(50, 60));
        EXPECT_EQ(item.savedPosition(), QPoint(5, -6));
        EXPECT_FLOAT_EQ(item.angle(), 12.5f);
        EXPECT_FLOAT_EQ(item.scale(), 0.75f);
        EXPECT_EQ(item.regionIndex(), 3);
        // The values live in the record itself, so a byte copy carries them.
        auto copy = CanvasItem::fromBytes(std::int32_t(item.kind()), item.recordBytes());
        ASSERT_TRUE(copy.isOk());
        EXPECT_EQ(copy->position(), QPoint(50, 60));
        EXPECT_TRUE(copy->isSelected());
    }
    // The text fields sit where the text record keeps them.
    std::int32_t left = 0;
    std::memcpy(&left, items[3].recordBytes().constData() + 1120, 4);
    EXPECT_EQ(left, 50);
}

TEST(HistorySnapshot, CopiesRecordsWithoutRuntimeState)
{
    std::vector<CanvasItem> items{CanvasItem(PhotoItem{}), CanvasItem(ClipartItem{})};
    items[0].runtime().transformedRegion = QPainterPath();
    items[1].asClipart()->runtimePicture = 99;
    items[1].setRegionIndex(4);
    const HistorySnapshot snapshot = HistorySnapshot::capture(items);
    items[0].setPosition(QPoint(100, 100)); // later edits do not reach the snapshot
    const std::vector<CanvasItem> restored = snapshot.restore();
    ASSERT_EQ(restored.size(), 2u);
    EXPECT_EQ(restored[0].position(), QPoint(0, 0));
    EXPECT_FALSE(restored[0].runtime().transformedRegion.has_value());
    EXPECT_EQ(restored[1].asClipart()->runtimePicture, 0u);
    EXPECT_EQ(restored[1].regionIndex(), 4);
}
