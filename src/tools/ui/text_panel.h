#pragma once

#include "text/text_style_record.h"

#include <QWidget>

class QSlider;

namespace montora {

class CFacColourPicker;
class FontComboBox;
class Prompter;
class SkinButton;
class TextPanelEdit;
class TextStyleGallery;

// The text panel: the style of new and selected text items (transparency, face,
// the two colours, the effect from the gallery) and the text box they take their
// text from. It keeps the current style and tells its owner what changed; the
// owner carries it to the canvas.
class TextPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int kTransparencySliderId = 10563;
    static constexpr int kFontBoxId = 10570;
    static constexpr int kColourButton1Id = 10571;
    static constexpr int kColourButton2Id = 10572;
    static constexpr int kTextBoxId = 10573;
    static constexpr int kAddButtonId = 10014;
    static constexpr int kFontHeight = 48;

    explicit TextPanel(QWidget* parent = nullptr);

    // The current style; its text is what the owner last took from the box.
    TextStyleRecord& record() { return m_record; }
    const TextStyleRecord& record() const { return m_record; }

    // The box's whole text, line breaks as CR LF.
    QString text() const;
    // A text item's text into the box, selected and then the caret at its end, and
    // the focus to the box; sends no textChanged().
    void showText(const QString& text);
    void focusTextBox();

    // For custom colours.
    void setPrompter(Prompter* prompter);

    QSlider* transparencySlider() const { return m_slider; }
    FontComboBox* fontBox() const { return m_fontBox; }
    CFacColourPicker* colourButton1() const { return m_colour1; }
    CFacColourPicker* colourButton2() const { return m_colour2; }
    TextPanelEdit* textBox() const { return m_textBox; }
    TextStyleGallery* gallery() const { return m_gallery; }
    SkinButton* addButton() const { return m_addButton; }

signals:
    // TEXT_STYLE_CHANGED: the current style changed.
    void textStyleChanged(const montora::TextStyleRecord& style);
    // TEXT_CHANGED: the text box's text changed (or a caret key was pressed in it).
    void textChanged();
    // TEXT_ADD: "Add" was pressed.
    void textAdd();
    // The text box lost the focus: the typing is over.
    void textBoxLeft();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createControls();
    void applyFace();
    void applyColour(int buttonId, ColorRef colour);
    void applyTransparency(int position);
    void applyGalleryCell(int index);

    TextStyleRecord m_record{};
    QSlider* m_slider;
    FontComboBox* m_fontBox;
    CFacColourPicker* m_colour1;
    CFacColourPicker* m_colour2;
    TextPanelEdit* m_textBox;
    TextStyleGallery* m_gallery;
    SkinButton* m_addButton;
};

} // namespace montora
