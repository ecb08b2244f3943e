// The brush panel over a "brushs" file written in a temporary folder: what the
// user picks and sets is what the canvas stamps with.
#include "library/ui/brush_panel.h"

#include "canvas/brush_settings.h"
#include "controls/c_fac_colour_picker.h"
#include "controls/c_fac_colour_popup.h"
#include "controls/skin_radio_button.h"
#include "library/library_file_encoder.h"
#include "library/library_files.h"
#include "library/ui/library_panel.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

namespace montora {
namespace {

// Every pixel different, so a scaled copy cannot pass for the record.
QImage patternPicture(QSize size)
{
    QImage picture(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            picture.setPixel(x, y, qRgba(x, y, 7, 40 + x));
    return picture;
}

class BrushPanelTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QImage small(30, 20, QImage::Format_ARGB32);
        small.fill(Qt::black);
        writeBrushes({small, patternPicture(QSize(90, 70))});
        panel.setFolder(dir.path() + '/');
        panel.resize(1000, 123);
        panel.loadBrushes();
        panel.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    }

    void writeBrushes(const std::vector<QImage>& pictures)
    {
        std::vector<LibraryRecord> records;
        for (const QImage& picture : pictures)
            records.push_back(LibraryFileEncoder::thumbnailRecord(picture));
        QFile file(dir.path() + '/' + LibraryFiles::kBrushes);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(LibraryFileEncoder::file(LibraryLayout::Thumbnail, records));
    }

    void clickBrush(int k) { QTest::mouseClick(panel.strip(), Qt::LeftButton, {}, panel.strip()->fittedRect(k).center()); }
    void clickSwitch()
    {
        SkinRadioButton* button = panel.brushModeSwitch();
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }
    // Through the drop-down palette, as the user picks it.
    void pickColour(ColorRef colour)
    {
        QTest::mouseClick(panel.colourPicker(), Qt::LeftButton);
        CFacColourPopup* popup = panel.colourPicker()->popup();
        ASSERT_NE(popup, nullptr);
        const int entry = ColourTable::indexOf(colour);
        ASSERT_GE(entry, 0);
        const QPoint at = popup->layout().entryRect(entry).center();
        QTest::mouseMove(popup, at);
        QTest::mouseClick(popup, Qt::LeftButton, {}, at);
    }
    BrushSettings applied() const
    {
        BrushSettings settings;
        panel.applyTo(settings);
        return settings;
    }

    QTemporaryDir dir;
    BrushPanel panel;
};

TEST_F(BrushPanelTest, ChosenBrushAndSettingsReachTheBrushSettings)
{
    QSignalSpy changed(&panel, &BrushPanel::brushChanged);
    EXPECT_FALSE(panel.brushModeSwitch()->isEnabled()); // nothing to paint with yet
    EXPECT_EQ(applied().brushIndex, -1);

    clickBrush(1);
    panel.sizeSlider()->setValue(120);
    panel.angleSlider()->setValue(-30);
    panel.opacitySlider()->setValue(128);
    pickColour(0x0000FF);
    clickSwitch();
    EXPECT_GE(changed.count(), 5);

    const BrushSettings settings = applied();
    EXPECT_TRUE(settings.brushMode);
    EXPECT_EQ(settings.brushIndex, 1);
    EXPECT_EQ(settings.size, 120);
    EXPECT_EQ(settings.angle, -30);
    EXPECT_EQ(settings.opacity, 128);
    EXPECT_EQ(settings.colour, 0x0000FFu);
    ASSERT_EQ(settings.sizes.size(), 2u);
    EXPECT_EQ(settings.sizes[0], QSize(30, 20));
    EXPECT_EQ(settings.sizes[1], QSize(90, 70));
    // Stamps are made from the record itself, not from the thumbnail the strip shows.
    ASSERT_EQ(settings.pictures[1].size(), QSize(90, 70));
    EXPECT_EQ(settings.pictures[1].pixel(80, 60), qRgba(80, 60, 7, 120));

    // A brush pack import appends: the reloaded library keeps the chosen brush.
    writeBrushes({QImage(30, 20, QImage::Format_ARGB32), patternPicture(QSize(90, 70)), patternPicture(QSize(5, 5))});
    panel.loadBrushes();
    EXPECT_EQ(applied().brushIndex, 1);
    EXPECT_EQ(applied().sizes.size(), 3u);
    EXPECT_TRUE(applied().brushMode);

    // Letting go of the brush ends brush mode; a hidden panel cannot paint either.
    QTest::mouseClick(panel.strip(), Qt::LeftButton, {}, QPoint(panel.strip()->width() - 30, 100));
    EXPECT_EQ(applied().brushIndex, -1);
    EXPECT_FALSE(applied().brushMode);
    EXPECT_FALSE(panel.brushModeSwitch()->isOn());
    clickBrush(0);
    clickSwitch();
    ASSERT_TRUE(panel.brushMode());
    panel.hide();
    EXPECT_FALSE(applied().brushMode);
}

} // namespace
} // namespace montora
