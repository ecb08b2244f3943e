#pragma once

#include "controls_model/colour_table.h"

#include <QWidget>

namespace montora {

class CFacColourPicker;
class Prompter;

// The decoration column's colour control: the tint colour as a large swatch
// with its value, and the colour picker that changes it.
class TintColourControl : public QWidget {
    Q_OBJECT

public:
    static constexpr int kTitleHeight = 16;
    static constexpr int kPickerHeight = 22;

    explicit TintColourControl(QWidget* parent = nullptr);

    ColorRef colour() const { return m_colour; }
    // Shows a colour without telling anyone.
    void setColour(ColorRef colour);
    // The custom-colour dialog of the picker goes here.
    void setPrompter(Prompter* prompter);

    CFacColourPicker* picker() const { return m_picker; }
    QRect swatchRect() const;

    QSize sizeHint() const override { return QSize(132, 100); }

signals:
    // GALLERY_SELECTED: the user picked a tint colour.
    void colourChosen(montora::ColorRef colour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    ColorRef m_colour = 0x7F7F7F;
    CFacColourPicker* m_picker;
};

} // namespace montora
