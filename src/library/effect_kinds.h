#pragma once

#include "base/colour_ref.h"

#include <QColor>
#include <QString>

namespace montora {

// The six effect kinds of the decoration column. Kind k shows decoration style
// k + 1 and starts the tint at the kind's own colour.
class EffectKinds {
public:
    static constexpr int kCount = 6;

    static bool isValid(int kind) { return kind >= 0 && kind < kCount; }
    // The decoration style (1 to 6) a kind shows; -1 for an unknown kind.
    static int style(int kind) { return isValid(kind) ? kind + 1 : -1; }
    // The kind's tint colour (0x00BBGGRR); grey for an unknown kind.
    static ColorRef colour(int kind);
    static QString name(int kind);
    // What the selector's tooltip says about the kind.
    static QString toolTip(int kind);
    // The selector's tile: its shade from top to bottom, and the label colour that
    // reads on all of it.
    static QColor tileTop(int kind);
    static QColor tileBottom(int kind);
    static QColor labelColour(int kind);
    // The item id of record `index` of a style's file: what the canvas adds.
    static int libraryId(int style, int index);
};

} // namespace montora
