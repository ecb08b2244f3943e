#include "text/styled_text.h"

#include "text/text_fonts.h"
#include "text/text_style_presets.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <chrono>
#include <functional>

namespace montora {
namespace {

constexpr ColorRef kRed = colorRef(255, 0, 0);
constexpr ColorRef kBlue = colorRef(0, 0, 255);
constexpr ColorRef kWhite = colorRef(255, 255, 255);

FontRecord fontOf(const QString& face, int height)
{
    FontRecord font;
    font.lfHeight = height;
    EXPECT_TRUE(font.setFaceName(face));
    return font;
}

struct Drawing {
    int style = 0;
    QString text = "Tex";
    int height = 48;
    ColorRef colour1 = kRed;
    ColorRef colour2 = kBlue;
    int alpha = 255;
    qreal zoom = 1.0; // the painter's scale
};

// The item's box drawn at the painter's scale onto a transparent picture with room
// for the soft copies.
QImage draw(const Drawing& d)
{
    const FontRecord font = fontOf("Liberation Sans", d.height);
    const QSize box = StyledText::measureText(font, d.text);
    QImage image(QSize(int((box.width() + 16) * d.zoom), int((box.height() + 16) * d.zoom)),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.scale(d.zoom, d.zoom);
    StyledText::drawStyledText(painter, d.style, d.text, font, QRectF(QPointF(0, 0), box), d.colour1, d.colour2,
                               d.alpha);
    return image;
}

int maxAlpha(const QImage& image)
{
    int best = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            best = std::max(best, qAlpha(image.pixel(x, y)));
    return best;
}

// The rightmost column holding anything visible.
int rightmostInk(const QImage& image)
{
    for (int x = image.width() - 1; x >= 0; --x)
        for (int y = 0; y < image.height(); ++y)
            if (qAlpha(image.pixel(x, y)) > 8)
                return x;
    return -1;
}

// The largest alpha step between neighbours in a row: near 255 for crisp edges.
int sharpestEdge(const QImage& image)
{
    int best = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 1; x < image.width(); ++x)
            best = std::max(best, std::abs(qAlpha(image.pixel(x, y)) - qAlpha(image.pixel(x - 1, y))));
    return best;
}

int countPixels(const QImage& image, const std::function<bool(QRgb, int, int)>& test)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += test(image.pixel(x, y), x, y) ? 1 : 0;
    return count;
}

bool near(QRgb pixel, int r, int g, int b, int tolerance = 24)
{
    return qAlpha(pixel) == 255 && std::abs(qRed(pixel) - r) <= tolerance && std::abs(qGreen(pixel) - g) <= tolerance
           && std::abs(qBlue(pixel) - b) <= tolerance;
}

TEST(StyledTextMeasureTest, EmptyTextHasASmallValidBox)
{
    const FontRecord font = fontOf("Liberation Sans", 48);
    const QSize empty = StyledText::measureText(font, "");
    const QSize one = StyledText::measureText(font, "M");
    EXPECT_GT(empty.width(), 0);
    EXPECT_LT(empty.width(), one.width());
    EXPECT_EQ(empty.height(), one.height());
    // One line of a 36-point font on a 96 dpi screen: em 48 pixels, line about 1.15 em.
    EXPECT_NEAR(one.height(), 55, 4);
    // A sixth of the em of padding on each side.
    EXPECT_NEAR(empty.width(), 16, 1);
}

TEST(StyledTextMeasureTest, LinesStackAndTrailingSpacesDoNotCount)
{
    const FontRecord font = fontOf("Liberation Sans", 48);
    const QSize one = StyledText::measureText(font, "Wide line");
    const QSize two = StyledText::measureText(font, "Wide line\r\nab");
    EXPECT_EQ(two.width(), one.width());
    EXPECT_NEAR(two.height(), 2 * one.height(), 1);
    EXPECT_NEAR(StyledText::measureText(font, "Wide line\r\n").height(), 2 * one.height(), 1);
    EXPECT_EQ(StyledText::measureText(font, "Wide line   ").width(), one.width());
}

TEST(StyledTextMeasureTest, SizeFollowsFontHeightAndWholeText)
{
    const QSize small = StyledText::measureText(fontOf("Liberation Sans", 24), "Hello");
    const QSize large = StyledText::measureText(fontOf("Liberation Sans", 48), "Hello");
    EXPECT_NEAR(large.width(), 2 * small.width(), 3);
    // Text beyond 259 characters is measured too.
    const FontRecord font = fontOf("Liberation Sans", 20);
    EXPECT_GT(StyledText::measureText(font, QString(999, 'x')).width(),
              3 * StyledText::measureText(font, QString(259, 'x')).width());
}

TEST(StyledTextMeasureTest, NamesWithoutALinuxFontUseTheSubstitute)
{
    const QSize liberation = StyledText::measureText(fontOf("Liberation Sans", 48), "Substitute");
    EXPECT_EQ(StyledText::measureText(fontOf("Microsoft Sans Serif", 48), "Substitute"), liberation);
    EXPECT_GT(StyledText::measureText(fontOf("Arial Black", 48), "Substitute").width(), liberation.width());
}

TEST(StyledTextMeasureTest, DamagedFontHeightsStillGiveABoundedBox)
{
    for (int height : {0, -48, 1, std::numeric_limits<int>::max(), std::numeric_limits<int>::min()}) {
        const QSize size = StyledText::measureText(fontOf("Liberation Sans", height), "Text");
        EXPECT_GT(size.width(), 0) << height;
        EXPECT_GT(size.height(), 0) << height;
        EXPECT_LT(size.height(), 3 * TextFonts::kMaxEmPixels) << height;
    }
}

TEST(StyledTextDrawTest, EveryEffectDrawsSomething)
{
    for (int style = -1; style <= StyledText::kStyleCount; ++style)
        EXPECT_GT(maxAlpha(draw({.style = style})), 128) << style;
}

TEST(StyledTextDrawTest, FullTransparencyHidesEveryEffectButTheFallback)
{
    for (int style = 0; style < StyledText::kStyleCount; ++style)
        EXPECT_EQ(maxAlpha(draw({.style = style, .alpha = 0})), 0) << style;
    EXPECT_EQ(maxAlpha(draw({.style = 8, .alpha = 0})), 255);
}

TEST(StyledTextDrawTest, HalfTransparencyHalvesTheInk)
{
    // One layer: exactly the item's alpha.
    EXPECT_EQ(maxAlpha(draw({.style = 3, .alpha = 127})), 127);
    // Soft copy and text lie over each other, so their alphas add up, but never to opaque.
    for (int style = 0; style < StyledText::kStyleCount; ++style) {
        const int alpha = maxAlpha(draw({.style = style, .alpha = 127}));
        EXPECT_GE(alpha, 100) << style;
        EXPECT_LE(alpha, 224) << style;
    }
}

TEST(StyledTextDrawTest, IndexOutsideTheTableIgnoresTheItemsColours)
{
    const QImage reference = draw({.style = 8, .colour1 = kRed, .colour2 = kBlue});
    EXPECT_EQ(draw({.style = -3, .colour1 = kWhite, .colour2 = kWhite, .alpha = 40}), reference);
    EXPECT_EQ(draw({.style = 1000, .colour1 = kBlue, .colour2 = kRed}), reference);
    // The fixed colours: brown at the top fading to cream at the bottom.
    EXPECT_GT(countPixels(reference, [](QRgb p, int, int) { return qAlpha(p) == 255 && qRed(p) - qBlue(p) > 100; }),
              0);
    EXPECT_EQ(countPixels(reference, [](QRgb p, int, int) { return qAlpha(p) > 0 && qBlue(p) > qRed(p); }), 0);
}

TEST(StyledTextDrawTest, ShadowOfEffectZeroLiesThreePixelsRight)
{
    const int withShadow = rightmostInk(draw({.style = 0}));
    const int plain = rightmostInk(draw({.style = 8}));
    EXPECT_GE(withShadow - plain, 2);
    EXPECT_LE(withShadow - plain, 6);
}

TEST(StyledTextDrawTest, GradientRunsFromColourOneAtTheTopToColourTwoAtTheBottom)
{
    const QImage image = draw({.style = 0, .text = "III", .colour1 = kRed, .colour2 = kBlue});
    const QSize box = StyledText::measureText(fontOf("Liberation Sans", 48), "III");
    auto redness = [&](int top, int bottom) {
        return countPixels(image, [&](QRgb p, int, int y) {
            return y >= top && y < bottom && qAlpha(p) == 255 && qRed(p) > qBlue(p);
        });
    };
    EXPECT_GT(redness(0, box.height() / 3), 0);
    EXPECT_EQ(redness(box.height() * 2 / 3, box.height()), 0);
}

TEST(StyledTextDrawTest, EffectSevenIsOnlyASoftCopy)
{
    // Four times enlarged: crisp text keeps edges of one or two pixels, the soft copy
    // spreads each edge over several.
    EXPECT_LT(sharpestEdge(draw({.style = 7, .zoom = 4})), 110);
    EXPECT_GT(sharpestEdge(draw({.style = 6, .zoom = 4})), 180);
    EXPECT_GT(sharpestEdge(draw({.style = 3, .zoom = 4})), 180);
}

// The 5 percent hatch puts colour 2 on two pixels of every 8 x 8 device tile.
TEST(StyledTextDrawTest, FivePercentHatchDotsSitOnTheDeviceGrid)
{
    const QImage image = draw({.style = 3, .text = "IHI", .colour1 = kBlue, .colour2 = kWhite, .zoom = 3});
    const int white = countPixels(image, [](QRgb p, int, int) { return near(p, 255, 255, 255, 4); });
    const int offGrid = countPixels(image, [](QRgb p, int x, int y) {
        const bool onGrid = (x % 8 == 4 && y % 8 == 3) || (x % 8 == 0 && y % 8 == 7);
        return near(p, 255, 255, 255, 4) && !onGrid;
    });
    const int blue = countPixels(image, [](QRgb p, int, int) { return near(p, 0, 0, 255, 4); });
    EXPECT_GT(white, 10);
    EXPECT_EQ(offGrid, 0);
    EXPECT_GT(blue, 20 * white);
}

TEST(StyledTextDrawTest, DottedGridHasAGreyOutlineAndWeaveAColourOneOutline)
{
    const QImage grid = draw({.style = 2, .text = "IHI", .colour1 = kBlue, .colour2 = kWhite, .zoom = 3});
    EXPECT_GT(countPixels(grid, [](QRgb p, int, int) { return near(p, 0xA8, 0xA8, 0xA8, 12); }), 50);
    EXPECT_GT(countPixels(grid, [](QRgb p, int, int) { return near(p, 255, 255, 255, 4); }), 10);

    const QImage weave = draw({.style = 5, .text = "IHI", .colour1 = kRed, .colour2 = kWhite, .zoom = 3});
    EXPECT_GT(countPixels(weave, [](QRgb p, int, int) { return near(p, 255, 255, 255, 4); }), 50);
    EXPECT_GT(countPixels(weave, [](QRgb p, int, int) { return near(p, 255, 0, 0, 4); }), 200);
}

TEST(StyledTextDrawTest, BevelEdgesUseBothColours)
{
    // Colour 1 red, colour 2 blue: the bevel lines show pure-ish blue at the edges
    // heading left or up, which the red-to-blue gradient alone only reaches at the bottom.
    const QImage image = draw({.style = 4, .text = "H", .colour1 = kRed, .colour2 = kBlue, .zoom = 4});
    const int topBlue = countPixels(image, [&](QRgb p, int, int y) {
        return y < image.height() / 3 && qAlpha(p) > 200 && qBlue(p) > 2 * qRed(p) + 40;
    });
    EXPECT_GT(topBlue, 0);
}

TEST(StyledTextDrawTest, TheWholeTextIsDrawn)
{
    const QString text = QString(600, 'x');
    const FontRecord font = fontOf("Liberation Sans", 12);
    const QSize box = StyledText::measureText(font, text);
    const int first259 = StyledText::measureText(font, QString(259, 'x')).width();
    for (int style : {0, 3}) {
        QImage image(box, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        StyledText::drawStyledText(painter, style, text, font, QRectF(QPointF(0, 0), box), kRed, kBlue, 255);
        painter.end();
        // Path text is three quarters of the measured size; 600 characters still reach
        // well beyond where 259 would end.
        EXPECT_GT(rightmostInk(image), 3 * first259 / 2) << style;
    }
}

TEST(StyledTextDrawTest, HugeBoxesFromDamagedRecordsAreCheap)
{
    QImage image(200, 100, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const auto start = std::chrono::steady_clock::now();
    for (int style : {0, 4, 7})
        StyledText::drawStyledText(painter, style, "Text", fontOf("Liberation Sans", 48), QRectF(0, 0, 2e9, 2e9),
                                   kRed, kBlue, 255);
    painter.scale(1e-6, 1e-6);
    StyledText::drawStyledText(painter, 4, "Text", fontOf("Liberation Sans", 48), QRectF(0, 0, 2e9, 2e9), kRed,
                               kBlue, 255);
    painter.end();
    // Not a timing target: only that nothing box-sized was allocated or filled.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    EXPECT_GT(maxAlpha(image), 0);
}

TEST(StyledTextDrawTest, GalleryCellsDrawEveryPresetInsideTheCell)
{
    QImage image(TextStylePresets::kCellWidth, TextStylePresets::kCellHeight * 9, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    for (int cell = 0; cell < 9; ++cell)
        TextStylePresets::drawCell(painter, cell,
                                   QRect(0, cell * TextStylePresets::kCellHeight, TextStylePresets::kCellWidth,
                                         TextStylePresets::kCellHeight));
    painter.end();
    for (int cell = 0; cell < 9; ++cell) {
        const QImage one = image.copy(0, cell * TextStylePresets::kCellHeight, TextStylePresets::kCellWidth,
                                      TextStylePresets::kCellHeight);
        EXPECT_GT(maxAlpha(one), 128) << cell;
    }
}

TEST(TextStylePresetsTest, IndexOutsideTheTableGivesTheFirstRow)
{
    const auto first = TextStylePresets::colours(0);
    EXPECT_EQ(first.colour1, colorRef(0, 255, 0));
    EXPECT_EQ(first.colour2, colorRef(0, 156, 0));
    EXPECT_EQ(TextStylePresets::colours(4).colour2, colorRef(255, 255, 0));
    EXPECT_EQ(TextStylePresets::colours(7).colour1, colorRef(0, 25, 198));
    for (int index : {-1, 8, 99}) {
        EXPECT_EQ(TextStylePresets::colours(index).colour1, first.colour1);
        EXPECT_EQ(TextStylePresets::colours(index).colour2, first.colour2);
    }
    const FontRecord font = TextStylePresets::galleryFont(42);
    EXPECT_EQ(font.lfHeight, 42);
    EXPECT_EQ(font.lfWeight, 700);
    EXPECT_EQ(font.faceName(), "Microsoft Sans Serif");
}

} // namespace
} // namespace montora
