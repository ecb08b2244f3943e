#pragma once

#include <cstdint>

namespace montora {

// Action codes a skinned scroll bar reports to its owner (CANVAS_VSCROLL /
// CANVAS_HSCROLL wParam). Owners also accept 4, 6 and 7 from other sources.
enum class ScrollAction : int {
    LineUp = 0,
    LineDown = 1,
    PageUp = 2,
    PageDown = 3,
    ThumbPosition = 4,
    ThumbTrack = 5,
    Top = 6,
    Bottom = 7,
};

// Geometry and state of a skinned scroll bar along its long axis, so that the
// vertical bar and its horizontal twin share it and it can be checked without a
// window. Coordinates run from 0 (top or left) to length().
class ScrollBarModel {
public:
    static constexpr int kThickness = 17;
    static constexpr int kArrowLength = 16;
    static constexpr int kMinThumb = 20;

    enum class Part { None, FirstArrow, SecondArrow, TrackBefore, Thumb, TrackAfter };

    void setLength(int length);
    int length() const { return m_length; }

    // Multiplies the range before the thumb length is worked out (the text style
    // gallery counts in hundreds).
    void setSizeFactor(int factor);
    int sizeFactor() const { return m_sizeFactor; }

    void setRange(int range);
    int range() const { return m_range; }

    // Ignored unless 0 <= position <= range; with range 0 the position is 0.
    void setPosition(int position);
    int position() const { return m_position; }

    int thumbStart() const { return m_thumbStart; }
    int thumbLength() const { return m_thumbLength; }
    int thumbEnd() const { return m_thumbStart + m_thumbLength; }
    int trackStart() const { return kArrowLength; }
    int trackEnd() const;
    double pixelsPerUnit() const;

    Part partAt(int coordinate) const;

    // The position the thumb lands on when a drag that began with the thumb at
    // startThumb has moved the pointer by delta; -1 when nothing can be dragged.
    int positionForDrag(int startThumb, int delta) const;

    // How an owner answers an action: the new position for `code`, moved by
    // `step` for lines and pages, clamped to 0..range.
    static int answer(ScrollAction code, int position, int range, int step, int trackedPosition);

private:
    void updateThumbLength();
    void updateThumbStart();
    int travel() const; // pixels the thumb can move

    int m_length = 0;
    int m_sizeFactor = 1;
    int m_range = 0;
    int m_position = 0;
    int m_thumbStart = kArrowLength;
    int m_thumbLength = 0;
};

} // namespace montora
