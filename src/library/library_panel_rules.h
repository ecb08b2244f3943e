#pragma once

#include "library/library_drop.h"

#include <QString>

#include <optional>

namespace montora {

// What a library panel's number and mode decide: which request its Apply button
// sends, which drop a drag from it carries, and which buttons it shows.
class LibraryPanelRules {
public:
    // The panel numbers the main window creates its strips with.
    static constexpr int kClipartPanel = 0;
    static constexpr int kMaskPanel = 1;
    static constexpr int kFramePanel = 3;
    static constexpr int kDecorationPanel = 5;

    // Modes: 0 "Apply"; 1 "Apply", "Import" and "Reset"; 2 "Add"; 4 no button.
    static constexpr int kModeApply = 0;
    static constexpr int kModeMask = 1;
    static constexpr int kModeAdd = 2;
    static constexpr int kModeNoButton = 4;

    static constexpr int kApplyId = 10014;
    static constexpr int kImportId = 10016;
    static constexpr int kResetId = 10017;
    static constexpr int kButtonWidth = 76;
    static constexpr int kButtonHeight = 20;

    // The pending drop a drag from a strip leaves for the canvas.
    static constexpr int kDropFrame = int(LibraryDrop::Frame);
    static constexpr int kDropMask = int(LibraryDrop::Mask);
    static constexpr int kDropClipart = int(LibraryDrop::Clipart);
    static constexpr int kDropDecoration = int(LibraryDrop::Decoration);

    // The Apply request (0 clipart, 1 decoration, 2 mask, 3 frame, 9 unhandled) for a
    // panel number; none for numbers that send no request.
    static std::optional<int> applyRequestCode(int panel);
    // The drop kind of a drag from the panel; none when its entries cannot be dropped.
    static std::optional<int> dropKind(int panel);

    static QString applyCaption(int mode);
    static bool hasApplyButton(int mode) { return mode != kModeNoButton; }
    static bool hasMaskButtons(int mode) { return mode == kModeMask; }

    static QString nothingSelectedMessage() { return QStringLiteral("Please Select a object to operate."); }
    static QString importCaption() { return QStringLiteral("Import"); }
    static QString resetCaption() { return QStringLiteral("Reset"); }
    // The open-file filter of the custom-mask import.
    static QString customMaskFilter()
    {
        return QStringLiteral("(*.jpg;*.bmp;*.png)|*.jpg;*.bmp;*.png|(*.jpg)|*.jpg|(*.bmp)|*.bmp|(*.png)|*.png||");
    }
};

} // namespace montora
