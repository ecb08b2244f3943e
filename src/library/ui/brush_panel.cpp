#include "library/ui/brush_panel.h"

#include "canvas/brush_settings.h"
#include "controls/c_fac_colour_picker.h"
#include "controls/skin_radio_button.h"
#include "library/library_panel_rules.h"
#include "library/ui/library_panel.h"

#include <QHideEvent>
#include <QLabel>
#include <QPainter>
#include <QSlider>

#include <cmath>

namespace montora {

namespace {

const QColor kBackground(0xF0, 0xF0, 0xF0);
// The brush strip is the library panel without buttons; its Apply request (9)
// would have no handler anyway.
constexpr int kBrushPanelNumber = 2;
constexpr int kRowHeight = 20;
constexpr int kRowStep = 28;
constexpr int kTop = 10;
constexpr int kCaptionWidth = 56;
constexpr int kSliderWidth = 180;
constexpr int kValueWidth = 48;
constexpr int kPickerWidth = 145;

QString valueText(int row, int value)
{
    switch (row) {
    case 0: return QStringLiteral("%1 px").arg(value);
    case 1: return QStringLiteral("%1\u00B0").arg(value);
    default: return QStringLiteral("%1 %").arg(int(std::lround(value * 100.0 / 255.0)));
    }
}

} // namespace

BrushPanel::BrushPanel(QWidget* parent)
    : QWidget(parent), m_strip(new LibraryPanel(kBrushPanelNumber, LibraryPanelRules::kModeNoButton, this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    const BrushSettings defaults;
    m_size = addSlider(tr("Size"), kMinSize, kMaxSize, defaults.size);
    m_angle = addSlider(tr("Angle"), -180, 180, defaults.angle);
    m_opacity = addSlider(tr("Opacity"), 0, 255, defaults.opacity);

    m_captions << new QLabel(tr("Colour"), this);
    m_colour = new CFacColourPicker(this);
    m_colour->setDefaultCaption(QString()); // a stamp always has a real colour
    m_colour->setColourMode(CFacColourPicker::ColourMode::Swatch);
    m_colour->setColour(defaults.colour);
    connect(m_colour, &CFacColourPicker::colourSelEndOk, this, [this] { emit brushChanged(); });

    m_modeSwitch = new SkinRadioButton(kBrushModeId, tr("Paint on the canvas"), this);
    connect(m_modeSwitch, &SkinRadioButton::clicked, this, [this] { setBrushMode(!m_brushMode); });

    m_emptyHint = new QLabel(tr("No brushes yet: import a brush pack to fill the library."), this);
    m_emptyHint->setAlignment(Qt::AlignCenter);
    m_emptyHint->setWordWrap(true);
    m_emptyHint->setAttribute(Qt::WA_TransparentForMouseEvents);

    connect(m_strip, &LibraryPanel::selectionChanged, this, [this](int index) {
        if (index < 0)
            setBrushMode(false); // nothing left to paint with
        refresh();
        emit brushChanged();
    });
    refresh();
}

QSlider* BrushPanel::addSlider(const QString& caption, int minimum, int maximum, int value)
{
    const int row = int(m_values.size());
    m_captions << new QLabel(caption, this);
    auto* slider = new QSlider(Qt::Horizontal, this);
    slider->setRange(minimum, maximum);
    slider->setValue(value);
    slider->setFocusPolicy(Qt::ClickFocus);
    auto* shown = new QLabel(valueText(row, value), this);
    m_values << shown;
    connect(slider, &QSlider::valueChanged, this, [this, shown, row](int now) {
        shown->setText(valueText(row, now));
        emit brushChanged();
    });
    return slider;
}

void BrushPanel::setFolder(const QString& folder) { m_strip->setFolder(folder); }

void BrushPanel::setPrompter(Prompter* prompter)
{
    m_strip->setPrompter(prompter);
    m_colour->setPrompter(prompter);
}

bool BrushPanel::loadBrushes()
{
    const bool complete = m_strip->loadBrushes();
    if (m_strip->selectedIndex() < 0)
        setBrushMode(false);
    refresh();
    emit brushChanged();
    return complete;
}

void BrushPanel::setBrushMode(bool on)
{
    on = on && m_strip->selectedIndex() >= 0;
    if (on == m_brushMode)
        return;
    showBrushMode(on);
    emit brushChanged();
}

void BrushPanel::showBrushMode(bool on)
{
    m_brushMode = on;
    m_modeSwitch->setOn(on);
}

void BrushPanel::refresh()
{
    m_modeSwitch->setEnabled(m_strip->selectedIndex() >= 0);
    m_emptyHint->setVisible(m_strip->count() == 0);
}

void BrushPanel::applyTo(BrushSettings& settings) const
{
    std::vector<QImage> pictures;
    pictures.reserve(size_t(m_strip->count()));
    for (int k = 0; k < m_strip->count(); ++k)
        pictures.push_back(m_strip->recordPicture(k));
    settings.brushIndex = m_strip->selectedIndex();
    settings.size = m_size->value();
    settings.angle = m_angle->value();
    settings.opacity = m_opacity->value();
    settings.colour = m_colour->colour() & 0xFFFFFF;
    settings.brushMode = m_brushMode;
    settings.setLibrary(std::move(pictures));
}

void BrushPanel::resizeEvent(QResizeEvent*)
{
    const int stripWidth = std::max(0, width() - kControlsWidth);
    m_strip->setGeometry(0, 0, stripWidth, height());
    m_emptyHint->setGeometry(8, 0, std::max(0, stripWidth - 16 - 17), height());
    const int left = stripWidth + 12;
    const QList<QSlider*> sliders{m_size, m_angle, m_opacity};
    for (int row = 0; row < int(sliders.size()); ++row) {
        const int top = kTop + row * kRowStep;
        m_captions[row]->setGeometry(left, top, kCaptionWidth, kRowHeight);
        sliders[row]->setGeometry(left + kCaptionWidth + 4, top, kSliderWidth, kRowHeight);
        m_values[row]->setGeometry(left + kCaptionWidth + kSliderWidth + 10, top, kValueWidth, kRowHeight);
    }
    const int right = left + kCaptionWidth + kSliderWidth + kValueWidth + 24;
    m_captions[3]->setGeometry(right, kTop, kPickerWidth, kRowHeight);
    m_colour->setGeometry(right, kTop + kRowHeight + 2, kPickerWidth, 18);
    m_modeSwitch->setGeometry(right, kTop + 2 * kRowStep + 4, kPickerWidth, kRowHeight);
}

void BrushPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
}

// Strokes only while the switch is in sight: with another panel shown, a click on
// the canvas picks items again.
void BrushPanel::hideEvent(QHideEvent* event)
{
    if (!event->spontaneous())
        setBrushMode(false);
    QWidget::hideEvent(event);
}

} // namespace montora
