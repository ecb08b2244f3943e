#pragma once

#include "controls_model/colour_table.h"

#include <QAbstractButton>
#include <QPointer>

#include <optional>

namespace montora {

class CFacColourPopup;
class Prompter;

// A button showing a colour swatch that drops down the colour palette when
// clicked and takes the colour picked there.
class CFacColourPicker : public QAbstractButton {
    Q_OBJECT

public:
    // Which of the two colours the picked colour is.
    enum class ColourMode { Swatch = 1, Background = 2 };

    explicit CFacColourPicker(QWidget* parent = nullptr);
    ~CFacColourPicker() override;

    // The picked colour: the swatch or the background colour, per the colour mode.
    void setColour(ColorRef colour);
    ColorRef colour() const;
    void setSwatchColour(ColorRef colour);
    ColorRef swatchColour() const { return m_swatch; }
    void setBackgroundColour(ColorRef colour);
    ColorRef backgroundColour() const { return m_background; }
    void setColourMode(ColourMode mode) { m_mode = mode; }
    ColourMode colourMode() const { return m_mode; }

    // An empty caption hides that entry of the pop-up.
    void setDefaultCaption(const QString& caption) { m_defaultCaption = caption; }
    QString defaultCaption() const { return m_defaultCaption; }
    void setCustomCaption(const QString& caption) { m_customCaption = caption; }
    QString customCaption() const { return m_customCaption; }

    // When set, hovering in the open pop-up already changes the picked colour.
    void setTrackSelection(bool on) { m_trackSelection = on; }
    // Asked for the custom colour; without one the custom entry cancels.
    void setPrompter(Prompter* prompter) { m_prompter = prompter; }

    bool isPopupOpen() const { return m_popupOpen; }
    CFacColourPopup* popup() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // COLOUR_SELCHANGE: the hot entry of the open pop-up changed.
    void colourSelChange(montora::ColorRef colour);
    // COLOUR_DROPDOWN: the pop-up opened on this colour.
    void colourDropDown(montora::ColorRef colour);
    // COLOUR_CLOSEUP: the pop-up closed, either way, leaving this colour.
    void colourCloseUp(montora::ColorRef colour);
    // COLOUR_SELENDOK: a colour was chosen.
    void colourSelEndOk(montora::ColorRef colour);
    // COLOUR_SELENDCANCEL: the choice was cancelled; the opening colour.
    void colourSelEndCancel(montora::ColorRef colour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void openPopup();
    QPoint screenOrigin() const;
    void popupEnded(ColorRef colour, bool chosen);
    void popupSelChange(ColorRef colour);

    ColourMode m_mode = ColourMode::Background;
    ColorRef m_swatch;
    ColorRef m_background;
    QString m_defaultCaption = QStringLiteral("Automatic");
    QString m_customCaption = QStringLiteral("More Colours...");
    bool m_trackSelection = false;
    bool m_popupOpen = false;
    Prompter* m_prompter = nullptr;
    QPointer<CFacColourPopup> m_popup;
    // Where the button is on the screen by the click that opens the pop-up.
    std::optional<QPoint> m_clickedOrigin;
};

} // namespace montora
