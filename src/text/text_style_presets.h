#pragma once

#include "text/text_style_record.h"

#include <QRect>
#include <QString>

class QPainter;

namespace montora {

// The style gallery's samples: each effect with its preset colour pair on the word
// "Text" in bold "Microsoft Sans Serif" as tall as the cell's inside.
class TextStylePresets {
public:
    struct Colours {
        ColorRef colour1;
        ColorRef colour2;
    };

    static constexpr int kCellWidth = 160;
    static constexpr int kCellHeight = 48;
    static constexpr int kCellMargin = 3;

    static QString sampleText() { return QStringLiteral("Text"); }

    // The preset colours of a gallery cell; any other index gives cell 0's.
    static Colours colours(int index);

    // The font block the gallery draws with: lfHeight = the cell's inner height, weight 700.
    static FontRecord galleryFont(int innerHeight);

    // Draws cell `index`'s sample into the inside of `cell` (the cell less its margins);
    // the cell's background and selection frame are the caller's.
    static void drawCell(QPainter& painter, int index, const QRect& cell);
};

} // namespace montora
