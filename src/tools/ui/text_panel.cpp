#include "tools/ui/text_panel.h"

#include "controls/c_fac_colour_picker.h"
#include "controls/skin_button.h"
#include "tools/font_list.h"
#include "tools/text_panel_layout.h"
#include "text/text_style_presets.h"
#include "tools/ui/font_combo_box.h"
#include "tools/ui/text_panel_edit.h"
#include "tools/ui/text_style_gallery.h"

#include <QPainter>
#include <QSlider>

#include <array>

namespace montora {

namespace {

const QColor kBackground(240, 240, 240);
const QColor kFrame(90, 90, 90);

QString labelText(int index)
{
    static const std::array<QString, TextPanelLayout::kLabelCount> kLabels{
        QStringLiteral("Transparency"), QStringLiteral("Font"), QStringLiteral("1st Color"),
        QStringLiteral("2nd Color")};
    return kLabels[size_t(index)];
}

// The picker's "default" entry stands for 0xFF000000, which reads as black.
ColorRef asColorRef(ColorRef picked) { return picked & 0xFFFFFF; }

} // namespace

TextPanel::TextPanel(QWidget* parent)
    : QWidget(parent), m_slider(new QSlider(Qt::Horizontal, this)), m_fontBox(new FontComboBox(this)),
      m_colour1(new CFacColourPicker(this)), m_colour2(new CFacColourPicker(this)),
      m_textBox(new TextPanelEdit(this)), m_gallery(new TextStyleGallery(this)),
      m_addButton(new SkinButton(kAddButtonId, this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::ArrowCursor);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kBackground);
    setPalette(colours);

    m_record.font.lfHeight = kFontHeight;
    createControls();
    applyGalleryCell(0);
    m_record.transparency = float(m_slider->value()) / 100.0f;
    if (m_fontBox->count() > 0)
        (void)m_record.font.setFaceName(m_fontBox->itemText(0));
    m_textBox->setFocus(Qt::OtherFocusReason);
}

void TextPanel::createControls()
{
    m_slider->setRange(0, 100);
    m_slider->setValue(0);
    m_slider->setObjectName(QStringLiteral("transparency"));
    connect(m_slider, &QSlider::valueChanged, this, &TextPanel::applyTransparency);

    m_fontBox->setFaces(FontList::faces());
    connect(m_fontBox, &FontComboBox::closeUp, this, &TextPanel::applyFace);

    const struct {
        CFacColourPicker* button;
        int id;
        QString text;
        QString customCaption;
    } pickers[] = {
        {m_colour1, kColourButton1Id, QStringLiteral("Text Color"), QStringLiteral("Custom Color")},
        {m_colour2, kColourButton2Id, QStringLiteral("Shaow Color"), QStringLiteral("Costom Color")},
    };
    for (const auto& picker : pickers) {
        picker.button->setColourMode(CFacColourPicker::ColourMode::Swatch);
        picker.button->setBackgroundColour(colorRef(255, 255, 255));
        picker.button->setText(picker.text);
        picker.button->setDefaultCaption(QStringLiteral("Color"));
        picker.button->setCustomCaption(picker.customCaption);
        const int id = picker.id;
        connect(picker.button, &CFacColourPicker::colourSelEndOk, this,
                [this, id](ColorRef colour) { applyColour(id, colour); });
    }

    connect(m_textBox, &TextPanelEdit::textEdited, this, &TextPanel::textChanged);
    connect(m_textBox, &TextPanelEdit::focusLeft, this, &TextPanel::textBoxLeft);
    connect(m_gallery, &TextStyleGallery::gallerySelected, this, &TextPanel::applyGalleryCell);

    m_addButton->setCaption(QStringLiteral("Add"));
    connect(m_addButton, &SkinButton::clicked, this, &TextPanel::textAdd);
}

QString TextPanel::text() const { return m_textBox->text(); }

void TextPanel::showText(const QString& text)
{
    m_textBox->setTextQuietly(text);
    focusTextBox();
}

void TextPanel::focusTextBox() { m_textBox->setFocus(Qt::OtherFocusReason); }

void TextPanel::setPrompter(Prompter* prompter)
{
    m_colour1->setPrompter(prompter);
    m_colour2->setPrompter(prompter);
}

void TextPanel::applyFace()
{
    const QString face = m_fontBox->currentText();
    if (!face.isEmpty())
        (void)m_record.font.setFaceName(face); // the list offers only faces that fit
    emit textStyleChanged(m_record);
}

void TextPanel::applyColour(int buttonId, ColorRef colour)
{
    (buttonId == kColourButton1Id ? m_record.colour1 : m_record.colour2) = asColorRef(colour);
    emit textStyleChanged(m_record);
}

void TextPanel::applyTransparency(int position)
{
    m_record.transparency = float(position) / 100.0f;
    update(TextPanelLayout(size()).sliderNumber);
    emit textStyleChanged(m_record);
}

void TextPanel::applyGalleryCell(int index)
{
    const TextStylePresets::Colours preset = TextStylePresets::colours(index);
    m_record.style = index;
    m_record.colour1 = preset.colour1;
    m_record.colour2 = preset.colour2;
    m_colour1->setColour(preset.colour1);
    m_colour2->setColour(preset.colour2);
    emit textStyleChanged(m_record);
}

void TextPanel::resizeEvent(QResizeEvent*)
{
    const TextPanelLayout layout(size());
    m_slider->setGeometry(layout.slider);
    m_fontBox->setGeometry(layout.fontBox);
    m_colour1->setGeometry(layout.colourButton1);
    m_colour2->setGeometry(layout.colourButton2);
    m_gallery->setGeometry(layout.gallery);
    m_textBox->setGeometry(layout.textBox);
    m_addButton->setGeometry(layout.addButton);
}

void TextPanel::paintEvent(QPaintEvent*)
{
    const TextPanelLayout layout(size());
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    for (int i = 0; i < TextPanelLayout::kLabelCount; ++i)
        painter.drawText(layout.labels[size_t(i)], Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
                         labelText(i));
    painter.drawText(layout.sliderNumber, Qt::AlignCenter | Qt::TextSingleLine, QString::number(m_slider->value()));
    painter.drawText(layout.styleCaption, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     QStringLiteral("Style"));
    painter.setPen(kFrame);
    painter.setBrush(Qt::NoBrush);
    for (const QRect& framed : {layout.textBox, layout.gallery})
        painter.drawRect(framed.adjusted(-1, -1, 0, 0));
}

} // namespace montora
