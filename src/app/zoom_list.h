#pragma once

#include <QString>
#include <QStringList>

namespace montora {

// The zoom box's entries, 25% to 200% in quarters and "Fit" after them, and which
// one is chosen. Zooming in or out moves one entry and stops at the ends; from
// "Fit" it moves to the nearest quarter beyond the fitting zoom.
class ZoomList {
public:
    static constexpr int kCount = 8;
    static constexpr int kStartIndex = 3; // 100%
    static constexpr int kFitIndex = kCount;

    // The quarters only; boxCaptions() adds "Fit".
    static QStringList captions();
    static QStringList boxCaptions();
    static float factorAt(int index);

    int index() const { return m_fitting ? kFitIndex : m_index; }
    bool fitting() const { return m_fitting; }
    float factor() const { return m_fitting ? m_fitFactor : factorAt(m_index); }
    QString caption() const { return boxCaptions().at(index()); }

    // Each returns false (and changes nothing) when it cannot move.
    bool select(int index);
    bool zoomIn();
    bool zoomOut();
    // The zoom that fits the collage in the view, as the view now measures.
    void selectFit(float fitFactor);

private:
    int m_index = kStartIndex;
    bool m_fitting = false;
    float m_fitFactor = 1.0f;
};

} // namespace montora
