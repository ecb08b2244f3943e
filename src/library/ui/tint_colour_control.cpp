#include "library/ui/tint_colour_control.h"

#include "controls/c_fac_colour_picker.h"

#include <QMouseEvent>
#include <QPainter>

namespace montora {

namespace {

const QColor kBackground(245, 245, 245);
const QColor kTitle(60, 60, 60);
const QColor kSwatchFrame(120, 120, 120);
constexpr int kMargin = 4;

} // namespace

TintColourControl::TintColourControl(QWidget* parent) : QWidget(parent), m_picker(new CFacColourPicker(this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
    // The tint is always a real colour: the picker's "Automatic" entry has no meaning here.
    m_picker->setDefaultCaption(QString());
    m_picker->setColourMode(CFacColourPicker::ColourMode::Swatch);
    m_picker->setColour(m_colour);
    m_picker->setToolTip(tr("Effect colour"));
    connect(m_picker, &CFacColourPicker::colourSelEndOk, this, [this](ColorRef colour) {
        setColour(colour);
        emit colourChosen(m_colour);
    });
}

void TintColourControl::setColour(ColorRef colour)
{
    m_colour = colour & 0x00FFFFFF;
    m_picker->setColour(m_colour);
    update();
}

void TintColourControl::setPrompter(Prompter* prompter) { m_picker->setPrompter(prompter); }

QRect TintColourControl::swatchRect() const
{
    const int top = kTitleHeight + kPickerHeight + 2 * kMargin;
    return QRect(kMargin, top, width() - 2 * kMargin, height() - top - kMargin);
}

void TintColourControl::resizeEvent(QResizeEvent*)
{
    m_picker->setGeometry(kMargin, kTitleHeight + kMargin, width() - 2 * kMargin, kPickerHeight);
}

void TintColourControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    painter.setPen(kTitle);
    painter.drawText(QRect(kMargin, 0, width() - 2 * kMargin, kTitleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     tr("Colour"));
    const QRect swatch = swatchRect();
    if (swatch.isEmpty())
        return;
    const QColor colour = ColourTable::toQColor(m_colour);
    painter.fillRect(swatch, colour);
    painter.setPen(kSwatchFrame);
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));
    painter.setPen(colour.lightness() > 140 ? Qt::black : Qt::white);
    painter.drawText(swatch, Qt::AlignCenter, colour.name(QColor::HexRgb).toUpper());
}

void TintColourControl::mousePressEvent(QMouseEvent* event)
{
    // The swatch is the bigger target; it opens the same palette.
    if (event->button() == Qt::LeftButton && swatchRect().contains(event->position().toPoint()))
        m_picker->click();
}

} // namespace montora
