#pragma once

#include <QFont>
#include <QString>

namespace montora {

struct FontRecord;

// The fonts of styled text, made from a text style's font block.
class TextFonts {
public:
    // Font sizes from records are kept within this many pixels, so a damaged file
    // cannot ask for glyphs of absurd size.
    static constexpr int kMaxEmPixels = 2000;

    // "Arial Black" and "Microsoft Sans Serif", which styles name but Linux lacks, go to
    // the metric-compatible "Liberation Sans". Safe to call often; done once.
    static void installSubstitutions();

    // The measuring font: lfHeight x 15 / 20 points (integer arithmetic), regular.
    static QFont measureFont(const FontRecord& font);
    static qreal measureEmPixels(const FontRecord& font);

    // The font of plain (non-path) text: lfHeight is the cell height (ascent plus
    // descent) in pixels, a negative lfHeight the em height; weight, italic, underline
    // and strike-out as the record says.
    static QFont plainFont(const FontRecord& font);

    // The bold font of path text at an em size in pixels.
    static QFont pathFont(const QString& face, int emPixels);

    static int screenDpi();

private:
    static QFont baseFont(const QString& face);
};

} // namespace montora
