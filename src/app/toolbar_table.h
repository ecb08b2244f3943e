#pragma once

#include "app/command_id.h"

#include <QString>

#include <array>

namespace montora {

// The toolbar's buttons, left to right.
enum class ToolbarSlot : int {
    New,
    Open,
    SaveAs,
    SaveCollage,
    Setting,
    Preview,
    Undo,
    Redo,
    Delete,
    Crop,
    MoveForward,
    MoveBackward,
    MoveToFront,
    MoveToBack,
    ZoomIn,
    ZoomOut,
};

// One toolbar button: what it sends, its tooltip, whether it is enabled before
// anything happened, and its artwork ("<art>" and "<art>_disabled").
struct ToolbarEntry {
    ToolbarSlot slot;
    CommandId command;
    const char* tooltip;
    bool startsEnabled;
    const char* art;
};

class ToolbarTable {
public:
    static constexpr int kCount = 16;
    static const std::array<ToolbarEntry, kCount>& buttons();
    static const ToolbarEntry& button(ToolbarSlot slot) { return buttons()[size_t(slot)]; }
    static QString tooltip(ToolbarSlot slot) { return QString::fromLatin1(button(slot).tooltip); }
};

} // namespace montora
