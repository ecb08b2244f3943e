// The text panel on its own: the style gallery's choice, scrolling and drawing.
#include "controls/c_fac_colour_picker.h"
#include "controls/skin_scroll_bar.h"
#include "text/text_style_presets.h"
#include "tools/ui/text_panel.h"
#include "tools/ui/text_style_gallery.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

using namespace montora;

namespace {

void wheel(QWidget* widget, int notches)
{
    const QPointF at = widget->rect().center();
    QWheelEvent event(at, widget->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

// Pixels of a cell that are not the gallery's background.
int drawnPixels(const QImage& picture, const QRect& cell)
{
    const QRect inside = cell.adjusted(4, 4, -4, -4) & QRect(0, 0, picture.width() - 17, picture.height());
    int drawn = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            drawn += QColor(picture.pixel(x, y)) != QColor(240, 240, 240);
    return drawn;
}

TEST(TextPanelTest, TheGalleryChoosesScrollsAndDrawsEveryStyle)
{
    TextPanel panel;
    panel.resize(900, 123);
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    TextStyleGallery* gallery = panel.gallery();
    ASSERT_EQ(gallery->height(), 85);
    EXPECT_TRUE(gallery->verticalBar()->isVisible());
    EXPECT_EQ(gallery->scrollRange(), 9 * 48 - 85);

    QSignalSpy styles(&panel, &TextPanel::textStyleChanged);
    gallery->setFocus();
    QTest::keyClick(gallery, Qt::Key_Up);
    EXPECT_EQ(styles.count(), 0) << "nothing above the first cell";
    QTest::keyClick(gallery, Qt::Key_Down);
    ASSERT_EQ(styles.count(), 1);
    const TextStylePresets::Colours preset = TextStylePresets::colours(1);
    EXPECT_EQ(panel.record().style, 1);
    EXPECT_EQ(panel.record().colour1, preset.colour1);
    EXPECT_EQ(panel.record().colour2, preset.colour2);
    EXPECT_EQ(panel.colourButton1()->colour(), preset.colour1);
    EXPECT_EQ(panel.colourButton2()->colour(), preset.colour2);

    const int scrolled = gallery->scroll();
    wheel(gallery, -1);
    EXPECT_EQ(gallery->scroll(), scrolled + 100);
    EXPECT_EQ(gallery->verticalBar()->position(), scrolled + 100);
    wheel(gallery, -5);
    EXPECT_EQ(gallery->scroll(), gallery->scrollRange());
    wheel(gallery, 9);
    EXPECT_EQ(gallery->scroll(), 0);

    // Down to the last cell: each comes into view, drawn.
    for (int i = 1; i < gallery->cellCount(); ++i) {
        if (i > 1)
            QTest::keyClick(gallery, Qt::Key_Down);
        ASSERT_EQ(gallery->selected(), i);
        EXPECT_GT(drawnPixels(gallery->grab().toImage(), gallery->cellRect(i)), 100) << "cell " << i;
    }
    QTest::keyClick(gallery, Qt::Key_Down);
    EXPECT_EQ(gallery->selected(), 7);
    wheel(gallery, 9);
    QTest::mouseClick(gallery, Qt::LeftButton, {}, gallery->cellRect(0).center());
    EXPECT_EQ(gallery->selected(), 0);
    EXPECT_EQ(panel.record().style, 0);

    // Tall enough for every cell and one more: no bar.
    panel.resize(900, 9 * 48 + 40);
    EXPECT_FALSE(gallery->verticalBar()->isVisible());
    EXPECT_EQ(gallery->scroll(), 0);
}

} // namespace
