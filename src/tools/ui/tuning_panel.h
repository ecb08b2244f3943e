#pragma once

#include "imaging/tone_settings.h"

#include <QWidget>

#include <array>

class QSlider;

namespace montora {

class SkinButton;

// The fourth library panel: six sliders in two columns (contrast, brightness and
// saturation on the left; hue, gamma and colour on the right) and "Reset". The
// sliders belong to the panel, not to an item: they keep their positions when the
// selection changes and only "Reset" moves them back.
class TuningPanel : public QWidget {
    Q_OBJECT
public:
    struct SliderRange {
        int controlId;
        const char* label;
        int minimum;
        int maximum;
        int defaultPosition;
    };
    static constexpr int kSliders = 6;
    static constexpr int kResetId = 10014;
    static constexpr QRgb kBackground = 0xFFF0F0F0;
    // In the order the window reads them: contrast, brightness, saturation, hue, gamma, colour.
    static const std::array<SliderRange, kSliders>& sliderRanges();
    // Where slider i and its label stand in a panel of the given size.
    static QRect sliderRect(int index, QSize panel);
    static QRect labelRect(int index, QSize panel);
    static QRect resetRect(QSize panel);

    explicit TuningPanel(QWidget* parent = nullptr);

    std::array<int, kSliders> positions() const;
    // The values the six positions stand for, with the enabled flag given.
    ToneSettings settings(bool enabled) const;
    QSlider* slider(int index) const { return m_sliders[size_t(index)]; }
    SkinButton* resetButton() const { return m_reset; }
    // A slider's handle is being dragged.
    bool isDragging() const;

signals:
    // 0x479: a slider moved (reset 0), or "Reset" put every slider back (reset 1).
    void tuningChanged(int reset);
    // A drag of a slider's handle ended; the changes it made form one step.
    void dragFinished();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void reset();
    void layOut();

    std::array<QSlider*, kSliders> m_sliders{};
    SkinButton* m_reset = nullptr;
};

} // namespace montora
