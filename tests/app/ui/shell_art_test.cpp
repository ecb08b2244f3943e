#include "app/ui/shell_art.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QStringList>
#include <QSvgRenderer>

#include <vector>

namespace montora {
namespace {

struct Art {
    QString name;
    QSize size;
};

QStringList toolIcons()
{
    QStringList names;
    for (const QString tool : {"new", "open", "save_as", "save_collage", "setting", "preview", "undo", "redo", "delete",
                               "crop", "forward", "backward", "front", "back", "zoom_in", "zoom_out"})
        names << QStringLiteral("tool_") + tool;
    return names;
}

// Every picture the main window asks for, with the size it is drawn at.
std::vector<Art> allArt()
{
    std::vector<Art> art = {
        {"caption_bar", {300, 30}}, {"tab_bar", {300, 30}},    {"toolbar_bar", {300, 27}},
        {"tab", {102, 22}},         {"tab_active", {102, 22}}, {"tool_hot", {22, 21}},
        {"tool_pressed", {22, 21}}, {"cursor_drop", {32, 32}}, {"about_logo", {64, 64}},
    };
    const QStringList states = {"normal", "hot", "pressed", "disabled"};
    for (const QString kind : {"close", "maximise", "restore", "minimise"})
        for (const QString& state : states)
            art.push_back({QStringLiteral("caption_%1_%2").arg(kind, state), {24, 14}});
    for (const QString& state : states)
        art.push_back({QStringLiteral("menubar_") + state, {118, 20}});
    for (const QString& tool : toolIcons()) {
        art.push_back({tool, {22, 21}});
        art.push_back({tool + QStringLiteral("_disabled"), {22, 21}});
    }
    for (const QString menu :
         {"new",     "open",   "save_as", "save_collage", "import_photo", "preview", "exit",
          "undo",    "redo",   "setting", "delete",       "crop",         "forward", "backward",
          "front",   "back",   "frame",   "mask",         "clipart",      "tuning",  "text",
          "help",    "about",  "add_to_canvas", "remove",  "check", "filter", "red_eye"})
        art.push_back({QStringLiteral("menu_") + menu, {16, 16}});
    return art;
}

QImage rendered(const QString& name, QSize size, qreal ratio)
{
    return ShellArt::pixmap(name, size, ratio).toImage().convertToFormat(QImage::Format_ARGB32);
}

int opaquePixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    return count;
}

TEST(ShellArtTest, EveryPictureExistsAtItsOwnSize)
{
    const std::vector<Art> art = allArt();
    EXPECT_EQ(art.size(), 89u);
    for (const Art& item : art) {
        SCOPED_TRACE(item.name.toStdString());
        const QString path = ShellArt::path(item.name);
        EXPECT_EQ(path, QStringLiteral(":/shell/%1.svg").arg(item.name));
        ASSERT_TRUE(QFile::exists(path));
        QSvgRenderer renderer(path);
        ASSERT_TRUE(renderer.isValid());
        EXPECT_EQ(renderer.defaultSize(), item.size);
    }
}

TEST(ShellArtTest, EveryPictureRendersAtOneAndTwoTimesWithSomethingVisible)
{
    for (const Art& item : allArt()) {
        for (const qreal ratio : {1.0, 2.0}) {
            SCOPED_TRACE(item.name.toStdString() + " at " + std::to_string(ratio));
            const QPixmap pixmap = ShellArt::pixmap(item.name, item.size, ratio);
            ASSERT_FALSE(pixmap.isNull());
            EXPECT_EQ(pixmap.size(), item.size * ratio);
            EXPECT_EQ(pixmap.devicePixelRatio(), ratio);
            EXPECT_EQ(pixmap.deviceIndependentSize().toSize(), item.size);
            EXPECT_GT(opaquePixels(pixmap.toImage().convertToFormat(QImage::Format_ARGB32)), 0);
        }
    }
}

TEST(ShellArtTest, AnEmptySizeMeansThePicturesOwnSize)
{
    const QPixmap own = ShellArt::pixmap(QStringLiteral("tab"));
    EXPECT_EQ(own.size(), QSize(102, 22));
    const QPixmap sharp = ShellArt::pixmap(QStringLiteral("tab"), QSize(), 2.0);
    EXPECT_EQ(sharp.size(), QSize(204, 44));
    EXPECT_EQ(sharp.deviceIndependentSize().toSize(), QSize(102, 22));
}

TEST(ShellArtTest, StretchedSizesAndOddRatiosRenderToWholeDevicePixels)
{
    const QPixmap wide = ShellArt::pixmap(QStringLiteral("caption_bar"), QSize(1280, 30), 1.5);
    EXPECT_EQ(wide.size(), QSize(1920, 45));
    const QImage image = wide.toImage().convertToFormat(QImage::Format_ARGB32);
    // Stretching must fill the whole width, not keep the aspect ratio.
    EXPECT_EQ(qAlpha(image.pixel(1919, 20)), 255);
    EXPECT_EQ(qAlpha(image.pixel(0, 20)), 255);
}

TEST(ShellArtTest, UnknownNamesGiveANullPixmap)
{
    EXPECT_TRUE(ShellArt::pixmap(QStringLiteral("no_such_picture"), QSize(16, 16)).isNull());
    EXPECT_TRUE(ShellArt::pixmap(QStringLiteral("no_such_picture")).isNull());
}

TEST(ShellArtTest, RepeatedRequestsComeFromTheCache)
{
    const QPixmap first = ShellArt::pixmap(QStringLiteral("tool_open"), QSize(22, 21), 2.0);
    const QPixmap second = ShellArt::pixmap(QStringLiteral("tool_open"), QSize(22, 21), 2.0);
    EXPECT_EQ(first.cacheKey(), second.cacheKey());
    const QPixmap other = ShellArt::pixmap(QStringLiteral("tool_open"), QSize(22, 21), 1.0);
    EXPECT_NE(first.cacheKey(), other.cacheKey());
    EXPECT_EQ(other.size(), QSize(22, 21));
}

TEST(ShellArtTest, DisabledIconsAreFlatGreyAndDifferFromTheirIcons)
{
    for (const QString& tool : toolIcons()) {
        SCOPED_TRACE(tool.toStdString());
        const QImage icon = rendered(tool, QSize(22, 21), 1.0);
        const QImage disabled = rendered(tool + QStringLiteral("_disabled"), QSize(22, 21), 1.0);
        EXPECT_NE(icon, disabled);
        int inkOfIcon = 255;
        int inkOfDisabled = 255;
        for (int y = 0; y < disabled.height(); ++y) {
            for (int x = 0; x < disabled.width(); ++x) {
                const QRgb pixel = disabled.pixel(x, y);
                if (qAlpha(pixel) == 0)
                    continue;
                // No colour left: a greyed picture tells nothing by hue.
                EXPECT_LE(std::abs(qRed(pixel) - qGreen(pixel)), 2);
                EXPECT_LE(std::abs(qGreen(pixel) - qBlue(pixel)), 2);
                if (qAlpha(pixel) == 255)
                    inkOfDisabled = std::min(inkOfDisabled, qGray(pixel));
            }
        }
        for (int y = 0; y < icon.height(); ++y)
            for (int x = 0; x < icon.width(); ++x)
                if (qAlpha(icon.pixel(x, y)) == 255)
                    inkOfIcon = std::min(inkOfIcon, qGray(icon.pixel(x, y)));
        // Greyed icons are lighter than the live ones, so they read as off.
        EXPECT_GT(inkOfDisabled, inkOfIcon + 40);
        EXPECT_GE(inkOfDisabled, 150);
    }
}

// The three-slice users stretch the middle: a middle that changed along its width
// would smear when stretched.
TEST(ShellArtTest, StretchedMiddlesOnlyChangeFromTopToBottom)
{
    struct Slice {
        QString name;
        int end;
    };
    const std::vector<Slice> slices = {{"caption_bar", 30},    {"tab_bar", 30},     {"toolbar_bar", 30},
                                       {"menubar_normal", 12}, {"menubar_hot", 12}, {"menubar_pressed", 12},
                                       {"menubar_disabled", 12}};
    for (const Slice& slice : slices) {
        for (const qreal ratio : {1.0, 2.0}) {
            SCOPED_TRACE(slice.name.toStdString() + " at " + std::to_string(ratio));
            const QImage image = rendered(slice.name, QSize(), ratio);
            const int first = int(slice.end * ratio);
            const int last = image.width() - first - 1;
            for (int y = 0; y < image.height(); ++y)
                for (int x = first + 1; x <= last; ++x)
                    ASSERT_EQ(image.pixel(x, y), image.pixel(first, y)) << "x " << x << " y " << y;
        }
    }
}

// One-pixel lines that straddle two pixels come out as two half-grey rows:
// the bars' edge lines must each fill exactly one row.
TEST(ShellArtTest, BarEdgesAreCrispAtOneAndTwoTimes)
{
    for (const QString bar : {"caption_bar", "tab_bar", "toolbar_bar"}) {
        for (const qreal ratio : {1.0, 2.0}) {
            SCOPED_TRACE(std::string(bar.toStdString()) + " at " + std::to_string(ratio));
            const QImage image = rendered(bar, QSize(), ratio);
            const int x = image.width() / 2;
            const int rows = int(ratio);
            const QRgb top = image.pixel(x, 0);
            const QRgb bottom = image.pixel(x, image.height() - 1);
            for (int r = 1; r < rows; ++r) {
                EXPECT_EQ(image.pixel(x, r), top);
                EXPECT_EQ(image.pixel(x, image.height() - 1 - r), bottom);
            }
            EXPECT_NE(image.pixel(x, rows), top);
            EXPECT_NE(image.pixel(x, image.height() - 1 - rows), bottom);
        }
    }
}

TEST(ShellArtTest, TheDropCursorsTipIsAtItsHotSpot)
{
    const QImage image = rendered(QStringLiteral("cursor_drop"), QSize(), 1.0);
    EXPECT_GT(qAlpha(image.pixel(6, 6)), 128);
    // Nothing above or left of the hot spot, or the pointer would seem off target.
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (x < 6 || y < 6) {
                EXPECT_EQ(qAlpha(image.pixel(x, y)), 0) << x << "," << y;
            }
}

} // namespace
} // namespace montora
