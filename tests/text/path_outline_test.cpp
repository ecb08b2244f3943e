#include "text/path_outline.h"

#include <gtest/gtest.h>

#include <cmath>

namespace montora {
namespace {

TEST(PathOutlineTest, FlatteningKeepsWithinTheFlatness)
{
    QPainterPath circle;
    circle.addEllipse(QPointF(0, 0), 100, 100);
    for (qreal flatness : {0.25, 2.0}) {
        const QPainterPath flat = PathOutline::flattened(circle, flatness);
        int lines = 0;
        for (int i = 0; i < flat.elementCount(); ++i) {
            const QPainterPath::Element e = flat.elementAt(i);
            ASSERT_NE(e.type, QPainterPath::CurveToElement);
            // Every vertex lies on the circle (as far as cubic curves draw one: 0.03 %),
            // and every chord's middle within the flatness of it.
            EXPECT_NEAR(std::hypot(e.x, e.y), 100, 0.05);
            if (e.type == QPainterPath::LineToElement) {
                ++lines;
                const QPointF previous = flat.elementAt(i - 1);
                const QPointF middle = (previous + QPointF(e)) / 2;
                EXPECT_LE(100 - std::hypot(middle.x(), middle.y()), flatness + 0.05);
            }
        }
        EXPECT_GT(lines, flatness < 1 ? 40 : 10);
    }
}

TEST(PathOutlineTest, WindingOutlineMergesOverlappingFigures)
{
    QPainterPath path;
    path.addRect(0, 0, 10, 10);
    path.addRect(5, 5, 10, 10);
    const QPainterPath outline = PathOutline::windingOutline(path, 0.25);
    int figures = 0;
    for (int i = 0; i < outline.elementCount(); ++i)
        figures += outline.elementAt(i).type == QPainterPath::MoveToElement ? 1 : 0;
    EXPECT_EQ(figures, 1);
    EXPECT_TRUE(outline.contains(QPointF(7, 7)));
    EXPECT_FALSE(outline.contains(QPointF(12, 2)));
}

TEST(PathOutlineTest, PointsFlagTheLastPointOfClosedFigures)
{
    QPainterPath path;
    path.addRect(0, 0, 10, 20); // closed: comes back to its start
    path.moveTo(30, 0);
    path.lineTo(40, 0); // open
    path.lineTo(40, 5);
    const auto points = PathOutline::points(path);
    ASSERT_EQ(points.size(), 7u);
    EXPECT_EQ(points[0].type, PathOutline::Start);
    EXPECT_EQ(points[1].type, PathOutline::Line);
    EXPECT_EQ(points[3].type, PathOutline::Line | PathOutline::CloseFlag);
    EXPECT_EQ(points[3].point, QPointF(0, 20));
    EXPECT_EQ(points[4].type, PathOutline::Start);
    EXPECT_EQ(points[6].type, PathOutline::Line);
}

} // namespace
} // namespace montora
