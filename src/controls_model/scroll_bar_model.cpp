#include "controls_model/scroll_bar_model.h"

#include <algorithm>
#include <cmath>

namespace montora {

void ScrollBarModel::setLength(int length)
{
    m_length = std::max(0, length);
    updateThumbLength();
    updateThumbStart();
}

void ScrollBarModel::setSizeFactor(int factor)
{
    m_sizeFactor = std::max(1, factor);
    updateThumbLength();
    updateThumbStart();
}

void ScrollBarModel::setRange(int range)
{
    m_range = std::max(0, range);
    // Keep the position inside the new range so the thumb never points past the end.
    m_position = std::min(m_position, m_range);
    updateThumbLength();
    updateThumbStart();
}

void ScrollBarModel::setPosition(int position)
{
    if (m_range == 0) {
        m_position = 0;
        updateThumbStart();
        return;
    }
    if (position < 0 || position > m_range)
        return;
    m_position = position;
    updateThumbStart();
}

int ScrollBarModel::trackEnd() const
{
    return std::max(kArrowLength, m_length - kArrowLength);
}

int ScrollBarModel::travel() const
{
    return std::max(0, trackEnd() - trackStart() - m_thumbLength);
}

double ScrollBarModel::pixelsPerUnit() const
{
    return m_range > 0 ? double(travel()) / m_range : 0.0;
}

void ScrollBarModel::updateThumbLength()
{
    const int track = trackEnd() - trackStart();
    if (m_range == 0) {
        m_thumbLength = track;
        return;
    }
    // 64-bit product: a size factor of 100 and a large range overflow 32 bits.
    const auto scaled = std::int64_t(m_sizeFactor) * m_range;
    const int b = int(std::min<std::int64_t>(100, std::int64_t(std::sqrt(double(scaled)))));
    const int length = m_length - b * (m_length - 52) / 100 - 32;
    // A bar shorter than its two arrows and a minimal thumb still keeps the
    // thumb inside the track.
    m_thumbLength = std::clamp(length, 0, track);
}

void ScrollBarModel::updateThumbStart()
{
    // travel * position / range in integers: the last position must put the
    // thumb against the end of the track, which the rounded ratio can miss.
    const int offset = m_range > 0 ? int(std::int64_t(travel()) * m_position / m_range) : 0;
    const int start = trackStart() + offset;
    m_thumbStart = std::clamp(start, trackStart(), trackStart() + travel());
}

ScrollBarModel::Part ScrollBarModel::partAt(int coordinate) const
{
    if (coordinate < 0 || coordinate >= m_length)
        return Part::None;
    if (coordinate < kArrowLength)
        return Part::FirstArrow;
    if (coordinate >= m_length - kArrowLength)
        return Part::SecondArrow;
    if (m_range > 0 && coordinate >= m_thumbStart && coordinate < thumbEnd())
        return Part::Thumb;
    return coordinate < m_thumbStart ? Part::TrackBefore : Part::TrackAfter;
}

int ScrollBarModel::positionForDrag(int startThumb, int delta) const
{
    const int span = travel();
    if (m_range <= 0 || span <= 0)
        return -1;
    const int thumb = std::clamp(startThumb + delta, trackStart(), trackStart() + span);
    // Exact integer division: the end of the track must give the last position,
    // which a division by the rounded pixels-per-unit can miss by one.
    return int(std::int64_t(thumb - trackStart()) * m_range / span);
}

int ScrollBarModel::answer(ScrollAction code, int position, int range, int step, int trackedPosition)
{
    std::int64_t next = position;
    switch (code) {
    case ScrollAction::LineUp:
    case ScrollAction::PageUp: next -= step; break;
    case ScrollAction::LineDown:
    case ScrollAction::PageDown: next += step; break;
    case ScrollAction::ThumbPosition:
    case ScrollAction::ThumbTrack: next = trackedPosition; break;
    case ScrollAction::Top: next = 0; break;
    case ScrollAction::Bottom: next = range; break;
    }
    return int(std::clamp<std::int64_t>(next, 0, std::max(0, range)));
}

} // namespace montora
