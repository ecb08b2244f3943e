#pragma once

#include <QList>
#include <QString>
#include <QWidget>

class QLabel;
class QSlider;

namespace montora {

class CFacColourPicker;
class LibraryPanel;
class Prompter;
class SkinRadioButton;
struct BrushSettings;

// The brush library and how to paint with it: the "brushs" strip, the size, angle
// and opacity sliders, the colour, and the switch that turns canvas clicks into
// brush strokes. What the user sets goes to the canvas's BrushSettings through
// applyTo(); the window calls it on every brushChanged().
class BrushPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int kBrushModeId = 10020;
    static constexpr int kMinSize = 2;
    static constexpr int kMaxSize = 400;
    static constexpr int kControlsWidth = 480;

    explicit BrushPanel(QWidget* parent = nullptr);

    void setFolder(const QString& folder);
    void setPrompter(Prompter* prompter);
    // Reads the brush library again (at start and after a brush pack import).
    bool loadBrushes();

    LibraryPanel* strip() const { return m_strip; }
    QSlider* sizeSlider() const { return m_size; }
    QSlider* angleSlider() const { return m_angle; }
    QSlider* opacitySlider() const { return m_opacity; }
    CFacColourPicker* colourPicker() const { return m_colour; }
    SkinRadioButton* brushModeSwitch() const { return m_modeSwitch; }

    bool brushMode() const { return m_brushMode; }
    // The canvas turns brush mode off by itself (adding a photo, tuning...): the
    // switch follows without sending brushChanged().
    void showBrushMode(bool on);

    // Everything the canvas stamps with: the library, the chosen brush, the
    // settings and the mode.
    void applyTo(BrushSettings& settings) const;

signals:
    // The library, the chosen brush, a setting or the mode changed.
    void brushChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QSlider* addSlider(const QString& caption, int minimum, int maximum, int value);
    void setBrushMode(bool on);
    void refresh();

    LibraryPanel* m_strip;
    QSlider* m_size = nullptr;
    QSlider* m_angle = nullptr;
    QSlider* m_opacity = nullptr;
    CFacColourPicker* m_colour = nullptr;
    SkinRadioButton* m_modeSwitch = nullptr;
    QLabel* m_emptyHint = nullptr;
    QList<QLabel*> m_captions;
    QList<QLabel*> m_values;
    bool m_brushMode = false;
};

} // namespace montora
