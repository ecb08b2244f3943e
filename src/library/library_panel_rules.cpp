#include "library/library_panel_rules.h"

namespace montora {

std::optional<int> LibraryPanelRules::applyRequestCode(int panel)
{
    switch (panel) {
    case 0:
    case 4: return 0;
    case 1: return 2;
    case 2: return 9;
    case 3: return 3;
    case 5: return 1;
    default: return std::nullopt;
    }
}

std::optional<int> LibraryPanelRules::dropKind(int panel)
{
    switch (panel) {
    case kFramePanel: return kDropFrame;
    case kMaskPanel: return kDropMask;
    case kClipartPanel: return kDropClipart;
    case kDecorationPanel: return kDropDecoration;
    default: return std::nullopt;
    }
}

QString LibraryPanelRules::applyCaption(int mode)
{
    return mode == kModeAdd ? QStringLiteral("Add") : QStringLiteral("Apply");
}

} // namespace montora
