#pragma once

#include "text/text_style_record.h"

#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

namespace montora {

// The em size of path text: lfHeight x 15 / 20 on the canvas, lfHeight x 18 / 20 in
// the style gallery (integer arithmetic, in world units).
enum class PathTextSize { Canvas, Gallery };

// Styled text: how a text item is measured and how its eight effects are drawn.
//
// Effects (colour 1, colour 2 with the item's alpha):
//   0  soft shadow in colour 2, 3 pixels right; text in a gradient colour 1 -> colour 2
//   1  soft shadow in colour 1; text in a gradient colour 1 -> colour 2 -> colour 1
//   2  bold text filled with a dotted grid (colour 2 on colour 1), thin grey outline
//   3  bold text filled with a 5 percent dot pattern (colour 2 on colour 1)
//   4  soft glow in colour 1; gradient text with bevelled edges
//   5  bold text filled with a weave (colour 2 on colour 1), colour 1 outline
//   6  soft glow and text in colour 2, colour 1 outline
//   7  only a soft copy: text in colour 1 outlined in colour 2
//   any other index: a fixed brown-to-cream gradient; the item's colours and alpha are not used
class StyledText {
public:
    static constexpr int kStyleCount = 8;

    // The size of the text's box in pixels: the text laid out unbounded at
    // lfHeight x 15 / 20 points on the screen, with a sixth of the em of padding
    // left and right. Empty text measures as one empty line: a small box.
    static QSize measureText(const FontRecord& font, const QString& text);

    // Draws `text` in effect `style` into `box` of a painter whose transform already
    // places the box. The whole text is drawn, every line of it. The painter's state
    // is left as it was.
    static void drawStyledText(QPainter& painter, int style, const QString& text, const FontRecord& font,
                               const QRectF& box, ColorRef colour1, ColorRef colour2, int alpha,
                               PathTextSize size = PathTextSize::Canvas);
};

} // namespace montora
