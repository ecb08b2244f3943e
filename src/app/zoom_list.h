#pragma once

#include <QString>
#include <QStringList>

namespace montora {

// The zoom box's entries, 25% to 200% in quarters, and which one is chosen.
// Zooming in or out moves one entry and stops at the ends.
class ZoomList {
public:
    static constexpr int kCount = 8;
    static constexpr int kStartIndex = 3; // 100%

    static QStringList captions();
    static float factorAt(int index);

    int index() const { return m_index; }
    float factor() const { return factorAt(m_index); }
    QString caption() const { return captions().at(m_index); }

    // Each returns false (and changes nothing) when it cannot move.
    bool select(int index);
    bool zoomIn() { return select(m_index + 1); }
    bool zoomOut() { return select(m_index - 1); }

private:
    int m_index = kStartIndex;
};

} // namespace montora
