#pragma once

#include <QRect>
#include <QSize>

#include <array>

namespace montora {

// Where the text panel's controls and captions go in a panel of a given size.
// The controls column starts an eighth of the height down, so the captions line
// up beside them in a short or tall panel alike.
struct TextPanelLayout {
    static constexpr int kLabelCount = 4; // "Transparency", "Font", "1st Color", "2nd Color"

    explicit TextPanelLayout(QSize client);

    QRect slider;
    QRect fontBox;
    QRect colourButton1;
    QRect colourButton2;
    QRect gallery;
    QRect textBox;
    QRect addButton;
    // Right-aligned caption boxes beside the controls column.
    std::array<QRect, kLabelCount> labels;
    // The slider position, just above the slider's right end.
    QRect sliderNumber;
    // "Style", above the gallery.
    QRect styleCaption;
};

} // namespace montora
