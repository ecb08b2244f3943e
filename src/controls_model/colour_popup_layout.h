#pragma once

#include "controls_model/colour_table.h"

#include <QPoint>
#include <QRect>
#include <QSize>

namespace montora {

// Where everything sits in the colour picker's pop-up, which entry is under a
// point, where the keyboard moves the hot entry, and where the pop-up opens.
class ColourPopupLayout {
public:
    static constexpr int kBoxSize = 18;
    // Entry indices besides the grid's 0 to 39.
    static constexpr int kNoEntry = -1;
    static constexpr int kCustomEntry = -2;
    static constexpr int kDefaultEntry = -3;

    enum class Move { Left, Right, Up, Down };

    // An empty caption size with hasX false hides that entry.
    ColourPopupLayout(int margin, QSize defaultCaption, bool hasDefault, QSize customCaption, bool hasCustom);

    QSize windowSize() const { return m_window; }
    bool hasDefault() const { return m_hasDefault; }
    bool hasCustom() const { return m_hasCustom; }
    QRect defaultRect() const { return m_defaultRect; }
    QRect customRect() const { return m_customRect; }
    QRect gridRect() const;
    QRect boxRect(int index) const;
    // The rectangle of any entry (grid, default or custom); empty for none.
    QRect entryRect(int entry) const;
    int entryAt(QPoint point) const;

    int move(int hot, Move direction, int marked) const;

    // The colour an entry stands for: the opening colour for the custom entry
    // (and for none), the default value for the default entry.
    static ColorRef entryColour(int entry, ColorRef opening);
    // The entry marked when the pop-up opens on `opening`.
    int markedEntry(ColorRef opening) const;

    // Top-left corner for a pop-up of `size` opened under `button` (both in
    // screen coordinates), kept on `screen`.
    static QPoint place(QSize size, const QRect& button, const QRect& screen);

private:
    int stepBeforeGrid(int fallback) const;
    int stepAfterGrid(int fallback) const;

    int m_margin;
    bool m_hasDefault;
    bool m_hasCustom;
    QSize m_window;
    QRect m_defaultRect;
    QRect m_customRect;
    int m_gridTop;
};

} // namespace montora
