#pragma once

#include "base/colour_ref.h"

#include <QColor>
#include <QString>

#include <cstdint>

namespace montora {

// The 40 named colours of the colour picker, in grid order (8 columns, row by row).
class ColourTable {
public:
    static constexpr int kCount = 40;
    static constexpr int kColumns = 8;
    static constexpr int kRows = (kCount + kColumns - 1) / kColumns;
    // The picker's default entry: not a table colour. Read as a COLORREF it is black.
    static constexpr ColorRef kDefaultColour = 0xFF000000u;

    static ColorRef colour(int index);
    static QString name(int index);
    // The index of `colour` in the table, or -1.
    static int indexOf(ColorRef colour);

    static constexpr ColorRef fromRgb(int red, int green, int blue)
    {
        return ColorRef(red & 0xFF) | ColorRef(green & 0xFF) << 8 | ColorRef(blue & 0xFF) << 16;
    }
    // Only the low 24 bits count, as for any COLORREF reader.
    static QColor toQColor(ColorRef colour);
    static ColorRef fromQColor(const QColor& colour);
};

} // namespace montora
