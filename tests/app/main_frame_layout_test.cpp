#include "app/main_frame_layout.h"

#include <gtest/gtest.h>

using namespace montora;
using Border = MainFrameLayout::Border;

namespace {
QRect edges(int l, int t, int r, int b) { return QRect(QPoint(l, t), QPoint(r - 1, b - 1)); }
} // namespace

TEST(MainFrameLayout, ChildrenOfA1280By800Client)
{
    const MainFrameLayout layout(QSize(1280, 800));
    EXPECT_EQ(layout.captionClose, edges(1237, 8, 1261, 22));
    EXPECT_EQ(layout.captionMaximise, edges(1211, 8, 1235, 22));
    EXPECT_EQ(layout.captionMinimise, edges(1185, 8, 1209, 22));
    EXPECT_EQ(layout.menuBarButtons[0], edges(20, 6, 60, 26));
    EXPECT_EQ(layout.menuBarButtons[1], edges(60, 6, 130, 26));
    EXPECT_EQ(layout.menuBarButtons[2], edges(130, 6, 170, 26));
    EXPECT_EQ(layout.menuBarButtons[3], edges(180, 6, 220, 26));
    EXPECT_EQ(layout.libraryTabs[0], edges(187, 34, 289, 56));
    EXPECT_EQ(layout.libraryTabs[4], edges(187 + 428, 34, 289 + 428, 56));
    EXPECT_EQ(layout.photoLibrary, edges(4, 61, 158, 796));
    EXPECT_EQ(layout.importButton, edges(4, 34, 79, 57));
    EXPECT_EQ(layout.removeButton, edges(81, 34, 156, 57));
    EXPECT_EQ(layout.libraryPanel, edges(159, 58, 1276, 181));
    EXPECT_EQ(layout.zoomBox, edges(1080, 184, 1135, 204));
    EXPECT_EQ(layout.canvas, edges(159, 208, 1143, 796));
    EXPECT_EQ(layout.decorationStrip, edges(1144, 182, 1276, 575));
    EXPECT_EQ(layout.addToCanvasButton, edges(1149, 580, 1271, 600));
    EXPECT_EQ(layout.effectKindSelector, edges(1144, 605, 1276, 695));
    EXPECT_EQ(layout.colourControl, edges(1144, 696, 1276, 796));
    EXPECT_EQ(layout.titleOrigin, QPoint(590, 6));
}

TEST(MainFrameLayout, ToolbarGroupsAndTheZoomPairAtTheRight)
{
    const MainFrameLayout layout(QSize(1000, 600));
    const int expectedLeft[14] = {165, 189, 213, 237, 267, 291, 321, 345, 375, 399, 423, 447, 471, 495};
    for (int i = 0; i < 14; ++i) {
        EXPECT_EQ(layout.toolbarButtons[size_t(i)], QRect(expectedLeft[i], 184, 22, 21)) << "button " << i + 1;
    }
    EXPECT_EQ(layout.toolbarButtons[14], QRect(751, 184, 22, 21));
    EXPECT_EQ(layout.toolbarButtons[15], QRect(775, 184, 22, 21));
    // Zoom out ends before the zoom box starts.
    EXPECT_LT(layout.toolbarButtons[15].right(), layout.zoomBox.left());
}

TEST(MainFrameLayout, TheMinimumSizeKeepsTheChildrenApart)
{
    const MainFrameLayout layout(MainFrameLayout::kMinimumSize);
    EXPECT_GT(layout.canvas.width(), 0);
    EXPECT_GT(layout.decorationStrip.height(), 0);
    EXPECT_FALSE(layout.toolbarButtons[13].intersects(layout.toolbarButtons[14]));
    EXPECT_FALSE(layout.canvas.intersects(layout.colourControl));
    EXPECT_FALSE(layout.canvas.intersects(layout.photoLibrary));
    EXPECT_FALSE(layout.captionMinimise.intersects(layout.menuBarButtons[3]));
    // Every tab, the last included, lies on the tab bar, apart from the others and wide enough for its caption.
    for (size_t i = 0; i < layout.libraryTabs.size(); ++i) {
        EXPECT_TRUE(layout.tabBar.contains(layout.libraryTabs[i])) << "tab " << i + 1;
        EXPECT_GE(layout.libraryTabs[i].width(), 90) << "tab " << i + 1;
        if (i > 0) {
            EXPECT_GT(layout.libraryTabs[i].left(), layout.libraryTabs[i - 1].right()) << "tab " << i + 1;
        }
    }
}

TEST(MainFrameLayout, BordersSizeAndTheCaptionMoves)
{
    const MainFrameLayout layout(QSize(1000, 600));
    EXPECT_EQ(layout.borderAt({2, 300}), Border::Left);
    EXPECT_EQ(layout.borderAt({997, 300}), Border::Right);
    EXPECT_EQ(layout.borderAt({500, 4}), Border::Top);
    EXPECT_EQ(layout.borderAt({500, 599}), Border::Bottom);
    EXPECT_EQ(layout.borderAt({7, 7}), Border::TopLeft);
    EXPECT_EQ(layout.borderAt({992, 2}), Border::TopRight);
    EXPECT_EQ(layout.borderAt({6, 593}), Border::BottomLeft);
    EXPECT_EQ(layout.borderAt({999, 599}), Border::BottomRight);
    EXPECT_EQ(layout.borderAt({5, 300}), Border::None);
    EXPECT_EQ(layout.borderAt({500, 300}), Border::None);
    EXPECT_EQ(layout.borderAt({-1, 300}), Border::None);

    EXPECT_TRUE(layout.isCaptionDrag({500, 15}));
    EXPECT_FALSE(layout.isCaptionDrag({12, 15})) << "the left 13 pixels are not the caption";
    EXPECT_FALSE(layout.isCaptionDrag({987, 15}));
    EXPECT_FALSE(layout.isCaptionDrag({500, 30}));
    EXPECT_TRUE(MainFrameLayout::isCaptionDoubleClick({3, 29}));
    EXPECT_FALSE(MainFrameLayout::isCaptionDoubleClick({3, 30}));
}
