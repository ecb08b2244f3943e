#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>

namespace montora {

// Where every child of the main window stands for a client area of a given size.
// Recomputed on every resize; the window only moves its children to these places.
struct MainFrameLayout {
    static constexpr QSize kMinimumSize{800, 570};
    static constexpr int kCaptionHeight = 30;
    static constexpr int kToolbarButtons = 16;
    static constexpr int kLibraryTabs = 6;
    static constexpr int kMenuBarButtons = 4;
    static constexpr QSize kToolbarButtonSize{22, 21};

    // Which border (if any) a point is near, for sizing the frameless window.
    enum class Border { None, Left, Right, Top, TopLeft, TopRight, Bottom, BottomLeft, BottomRight };

    explicit MainFrameLayout(QSize client);

    QSize client;
    QRect captionClose;
    QRect captionMaximise;
    QRect captionMinimise;
    std::array<QRect, kMenuBarButtons> menuBarButtons;
    std::array<QRect, kLibraryTabs> libraryTabs;
    QRect photoLibrary;
    QRect importButton;
    QRect removeButton;
    QRect libraryPanel;
    std::array<QRect, kToolbarButtons> toolbarButtons;
    QRect zoomBox;
    QRect canvas;
    QRect decorationStrip;
    QRect addToCanvasButton;
    QRect effectKindSelector;
    QRect colourControl;

    // The painted frame art.
    QRect captionBar;
    QRect tabBar;
    QRect toolbarBar;
    QPoint titleOrigin;

    // A press here moves the window (the caption strip, away from the corners).
    bool isCaptionDrag(QPoint point) const;
    // 5 pixels of a side, 8 of a corner.
    Border borderAt(QPoint point) const;
    // A double click here maximises or restores.
    static bool isCaptionDoubleClick(QPoint point) { return point.y() >= 0 && point.y() < kCaptionHeight; }
};

} // namespace montora
