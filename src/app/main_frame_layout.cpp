#include "app/main_frame_layout.h"

#include <algorithm>

namespace montora {

namespace {

constexpr int kSideGrip = 5;
constexpr int kCornerGrip = 8;
constexpr int kCaptionInset = 13;

// The layout table is written as left, top, right, bottom with the right and
// bottom edges outside the child.
QRect edges(int left, int top, int right, int bottom) { return QRect(left, top, right - left, bottom - top); }

} // namespace

MainFrameLayout::MainFrameLayout(QSize size) : client(size)
{
    const int w = size.width();
    const int h = size.height();

    captionClose = edges(w - 43, 8, w - 19, 22);
    captionMaximise = captionClose.translated(-26, 0);
    captionMinimise = captionMaximise.translated(-26, 0);

    menuBarButtons = {edges(20, 6, 60, 26), edges(60, 6, 130, 26), edges(130, 6, 170, 26), edges(180, 6, 220, 26)};
    // 102-pixel tabs 5 apart while the bar has room for all of them; in a narrower
    // window they share the bar up to 8 pixels from the edge, so that the last one
    // is never cut off.
    const int tabStep = std::min(107, (w - 8 - 187 + 5) / kLibraryTabs);
    for (int i = 0; i < kLibraryTabs; ++i)
        libraryTabs[size_t(i)] = edges(187, 34, 187 + tabStep - 5, 56).translated(tabStep * i, 0);

    photoLibrary = edges(4, 61, 158, h - 4);
    importButton = edges(4, 34, 79, 57);
    removeButton = importButton.translated(77, 0);
    libraryPanel = edges(159, 58, w - 4, 181);

    int x = 165;
    for (int i = 0; i < kToolbarButtons - 2; ++i) {
        toolbarButtons[size_t(i)] = QRect(QPoint(x, 184), kToolbarButtonSize);
        // Wider gaps after the 4th, 6th and 8th buttons group them.
        x += (i == 3 || i == 5 || i == 7) ? 30 : 24;
    }
    toolbarButtons[14] = QRect(QPoint(w - 249, 184), kToolbarButtonSize);
    toolbarButtons[15] = QRect(QPoint(w - 225, 184), kToolbarButtonSize);
    zoomBox = edges(w - 200, 184, w - 145, 204);

    canvas = edges(159, 208, w - 137, h - 4);
    decorationStrip = edges(w - 136, 182, w - 4, h - 225);
    addToCanvasButton = edges(w - 131, h - 220, w - 9, h - 200);
    effectKindSelector = edges(w - 136, h - 195, w - 4, h - 105);
    colourControl = edges(w - 136, h - 104, w - 4, h - 4);

    captionBar = QRect(0, 0, w, kCaptionHeight);
    tabBar = edges(158, 34, w - 4, 64);
    toolbarBar = edges(159, 181, w - 137, 208);
    titleOrigin = QPoint(w / 2 - 50, 6);
}

bool MainFrameLayout::isCaptionDrag(QPoint point) const
{
    return point.x() >= kCaptionInset && point.x() < client.width() - kCaptionInset && point.y() >= kSideGrip &&
           point.y() < kCaptionHeight;
}

MainFrameLayout::Border MainFrameLayout::borderAt(QPoint point) const
{
    const int x = point.x();
    const int y = point.y();
    const int w = client.width();
    const int h = client.height();
    if (x < 0 || y < 0 || x >= w || y >= h)
        return Border::None;
    const bool nearLeft = x < kCornerGrip;
    const bool nearRight = x >= w - kCornerGrip;
    const bool nearTop = y < kCornerGrip;
    const bool nearBottom = y >= h - kCornerGrip;
    if (nearTop && nearLeft)
        return Border::TopLeft;
    if (nearTop && nearRight)
        return Border::TopRight;
    if (nearBottom && nearLeft)
        return Border::BottomLeft;
    if (nearBottom && nearRight)
        return Border::BottomRight;
    if (x < kSideGrip)
        return Border::Left;
    if (x >= w - kSideGrip)
        return Border::Right;
    if (y < kSideGrip)
        return Border::Top;
    if (y >= h - kSideGrip)
        return Border::Bottom;
    return Border::None;
}

} // namespace montora
