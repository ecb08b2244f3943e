#include "tools/ui/crop_dialog.h"

#include "controls/skin_button.h"
#include "controls/skin_radio_button.h"
#include "support/crop_box_printer.h"
#include "support/test_files.h"
#include "tools/ui/crop_aspect_panel.h"
#include "tools/ui/crop_view.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>

namespace montora {

namespace {

int widthOf(const CropBox& box) { return box.right - box.left; }
int heightOf(const CropBox& box) { return box.bottom - box.top; }
QPoint centreOf(const CropBox& box) { return QPoint((box.left + box.right) / 2, (box.top + box.bottom) / 2); }

bool near(QRgb a, QColor b, int tolerance = 8)
{
    return std::abs(qRed(a) - b.red()) <= tolerance && std::abs(qGreen(a) - b.green()) <= tolerance &&
           std::abs(qBlue(a) - b.blue()) <= tolerance;
}

class CropDialogTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    QString picture(const QString& name, QSize size, const char* format = "PNG")
    {
        const QString path = folder.filePath(name);
        EXPECT_TRUE(test::quadrantImage(size.width(), size.height()).save(path, format, 90));
        return path;
    }

    void open(const QString& path)
    {
        ASSERT_TRUE(dialog.openPicture(path).isOk());
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    }

    CropView& view() { return *dialog.view(); }
    const CropGeometry& geometry() { return view().cropGeometry(); }
    CropBox crop() { return geometry().cropRect(); }
    CropBox image() { return geometry().imageRect(); }

    // Presses, moves in two steps and lets go, as a hand does.
    void drag(QPoint from, QPoint to)
    {
        QTest::mousePress(&view(), Qt::LeftButton, {}, from);
        QTest::mouseMove(&view(), (from + to) / 2);
        QTest::mouseMove(&view(), to);
        QTest::mouseRelease(&view(), Qt::LeftButton, {}, to);
    }
    void dragHandle(int handle, QPoint to) { drag(centreOf(geometry().handleRect(handle)), to); }
    void chooseRow(int row)
    {
        SkinRadioButton* button = dialog.aspectPanel()->row(row);
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }

    QTemporaryDir folder;
    CropDialog dialog;
};

TEST_F(CropDialogTest, SixteenByNineOnAPortraitPhotoThenNoConstraint)
{
    open(picture("portrait.png", QSize(300, 400)));
    EXPECT_EQ(dialog.caption(), "Crop Photo");
    ASSERT_EQ(image(), (CropBox{86, 0, 305, 292}));

    QSignalSpy chosen(dialog.aspectPanel(), &CropAspectPanel::aspectChosen);
    chooseRow(7);
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen[0][0].toInt(), 16);
    EXPECT_EQ(chosen[0][1].toInt(), 9);
    EXPECT_TRUE(dialog.aspectPanel()->row(7)->isOn());
    EXPECT_FALSE(dialog.aspectPanel()->row(0)->isOn());

    const CropBox wide = crop();
    EXPECT_GT(widthOf(wide), heightOf(wide)) << "landscape";
    EXPECT_LT(widthOf(wide), widthOf(image())) << "narrower than the image";
    // The inset is truncated on both sides: 203 x 116 here.
    EXPECT_NEAR(double(widthOf(wide)) / heightOf(wide), 16.0 / 9.0, 0.04);
    EXPECT_LE(std::abs(centreOf(wide).x() - centreOf(image()).x()), 1);
    EXPECT_LE(std::abs(centreOf(wide).y() - centreOf(image()).y()), 1);

    // The right edge handle is neither drawn nor grabbed.
    const QPoint rightHandle = centreOf(geometry().handleRect(5));
    EXPECT_FALSE(near(view().grab().toImage().pixel(rightHandle), QColor(150, 200, 255), 2));
    dragHandle(5, QPoint(250, rightHandle.y()));
    EXPECT_EQ(crop(), wide);

    chooseRow(0);
    EXPECT_EQ(crop(), wide) << "switching the constraint off keeps the rectangle";
    EXPECT_TRUE(near(view().grab().toImage().pixel(rightHandle), QColor(150, 200, 255), 2));
    dragHandle(5, QPoint(250, rightHandle.y() - 30));
    EXPECT_EQ(crop(), (CropBox{wide.left, wide.top, 250, wide.bottom})) << "edge handles work again";
}

TEST_F(CropDialogTest, OutsideIsShadedAndTheTopLeftCornerFlipsPastTheBottomRight)
{
    open(picture("portrait.png", QSize(300, 400)));
    const CropBox start = crop();
    const QImage shot = view().grab().toImage();
    EXPECT_TRUE(near(shot.pixel(start.left + 5, start.top + 5), QColor(255, 0, 0))) << "inside: the picture";
    EXPECT_TRUE(near(shot.pixel(image().left + 3, image().top + 3), QColor(158, 23, 23), 12)) << "outside: shaded";
    EXPECT_TRUE(near(shot.pixel(5, 5), QColor(240, 240, 240), 0)) << "beside the picture";
    EXPECT_TRUE(near(shot.pixel(start.left, start.top + 20), Qt::white, 0)) << "the frame";

    dragHandle(0, QPoint(start.right + 10, start.bottom + 20));
    EXPECT_EQ(crop(), (CropBox{start.right, start.bottom, start.right + 10, start.bottom + 20}));
    EXPECT_EQ(geometry().dragState(), CropGeometry::Drag::None);
}

TEST_F(CropDialogTest, MovingAgainstTheRightEdgeStopsThereKeepingTheSize)
{
    open(picture("portrait.png", QSize(300, 400)));
    const CropBox start = crop();
    drag(centreOf(start), centreOf(start) + QPoint(500, 3));
    EXPECT_EQ(crop(), (CropBox{image().right - widthOf(start), start.top + 3, image().right, start.bottom + 3}));
}

TEST_F(CropDialogTest, LargePictureIsPreviewedReducedAndCroppedInItsOwnPixels)
{
    open(picture("large.jpg", QSize(4000, 3000), "JPEG"));
    EXPECT_EQ(view().preview().pixels().size(), QSize(1600, 1200));
    EXPECT_EQ(view().preview().sourceSize(), QSize(4000, 3000));
    ASSERT_EQ(image(), (CropBox{1, 0, 390, 292}));

    QTest::mouseClick(dialog.cropButton(), Qt::LeftButton, {}, dialog.cropButton()->rect().center());
    ASSERT_TRUE(dialog.cropResult().has_value());
    // (crop - image left) x 4000 / 389 across, (crop - image top) x 3000 / 292 down.
    EXPECT_EQ(dialog.cropResult(), (CropBox{493, 369, 3506, 2630}));
}

TEST_F(CropDialogTest, APictureOneThousandAndOnePixelsWideScalesWithItsOwnWidth)
{
    open(picture("odd.png", QSize(1001, 700)));
    EXPECT_EQ(view().preview().pixels().size(), QSize(1000, 700));
    dragHandle(5, QPoint(image().right + 40, 100));
    dragHandle(1, QPoint(image().left - 40, 100));
    QTest::mouseClick(dialog.cropButton(), Qt::LeftButton, {}, dialog.cropButton()->rect().center());
    ASSERT_TRUE(dialog.cropResult().has_value());
    EXPECT_EQ(dialog.cropResult()->left, 0);
    EXPECT_EQ(dialog.cropResult()->right, 1001);
}

TEST_F(CropDialogTest, CancelAndCloseGiveNoResult)
{
    open(picture("portrait.png", QSize(300, 400)));
    QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton, {}, dialog.cancelButton()->rect().center());
    EXPECT_EQ(dialog.cropResult(), std::nullopt);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);

    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QTest::mouseClick(dialog.closeButton(), Qt::LeftButton, {}, dialog.closeButton()->rect().center());
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.cropResult(), std::nullopt);
}

} // namespace
} // namespace montora
