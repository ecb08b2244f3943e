#include "text/text_item_painter.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <cmath>

namespace montora {
namespace {

TextStyleRecord item()
{
    TextStyleRecord record;
    record.font.lfHeight = 48;
    EXPECT_TRUE(record.font.setFaceName("Liberation Sans"));
    record.setText("Item");
    record.width = 100;
    record.height = 50;
    record.scale = 2.0f;
    record.left = 30;
    record.top = 40;
    record.colour1 = colorRef(255, 0, 0);
    record.colour2 = colorRef(0, 0, 255);
    return record;
}

TEST(TextItemPainterTest, BoxIsScaledAboutItsCornerAndRotatedAboutItsCentre)
{
    TextStyleRecord record = item();
    const qreal zoom = 1.5;
    // Unrotated: the box's top-left corner at (left, top) x zoom, its size scale x zoom.
    QTransform t = TextItemPainter::transform(record, zoom);
    EXPECT_EQ(t.map(QPointF(0, 0)), QPointF(45, 60));
    EXPECT_EQ(t.map(QPointF(100, 50)), QPointF(45 + 300, 60 + 150));

    record.angle = 90;
    t = TextItemPainter::transform(record, zoom);
    const QPointF centre(45 + 150, 60 + 75);
    const QPointF mappedCentre = t.map(QPointF(50, 25));
    EXPECT_NEAR(mappedCentre.x(), centre.x(), 1e-9);
    EXPECT_NEAR(mappedCentre.y(), centre.y(), 1e-9);
    // Clockwise on screen: the top-left corner goes to the top-right.
    const QPointF corner = t.map(QPointF(0, 0));
    EXPECT_NEAR(corner.x(), centre.x() + 75, 1e-9);
    EXPECT_NEAR(corner.y(), centre.y() - 150, 1e-9);

    const TextStyleRecord::Box box = TextItemPainter::screenBox(record, zoom);
    EXPECT_EQ(box.left, 45);
    EXPECT_EQ(box.top, 60);
    EXPECT_EQ(box.right, 345);
    EXPECT_EQ(box.bottom, 210);
}

TEST(TextItemPainterTest, DrawsInsideItsRotatedBoxOnly)
{
    TextStyleRecord record = item();
    record.angle = 30;
    QImage image(400, 400, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    TextItemPainter::paint(painter, record, 1.0);
    painter.end();
    const QRectF bounds = TextItemPainter::bounds(record, 1.0).adjusted(-4, -4, 4, 4);
    int inside = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0) {
                ASSERT_TRUE(bounds.contains(QPointF(x, y))) << x << "," << y;
                ++inside;
            }
    EXPECT_GT(inside, 500);
}

TEST(TextItemPainterTest, DamagedScaleOrAngleDrawsNothing)
{
    QImage image(100, 100, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    TextStyleRecord record = item();
    record.scale = NAN;
    TextItemPainter::paint(painter, record, 1.0);
    record.scale = 1.0f;
    record.angle = INFINITY;
    TextItemPainter::paint(painter, record, 1.0);
    painter.end();
    EXPECT_EQ(image, [] {
        QImage empty(100, 100, QImage::Format_ARGB32_Premultiplied);
        empty.fill(Qt::transparent);
        return empty;
    }());
}

} // namespace
} // namespace montora
