#include "controls/c_fac_colour_picker.h"

#include "controls/c_fac_colour_popup.h"
#include "controls/skin_art.h"
#include "controls_model/three_slice.h"

#include <QMouseEvent>
#include <QPainter>

namespace montora {

namespace {

// The skin: a 10-pixel left end, a stretched middle and a 20-pixel right end
// that carries the drop-down arrow.
constexpr int kSkinWidth = 114;
constexpr ThreeSlice kPickerSlices{10, 10, 50, 94, 20};
// Wide enough for the arrow area: the larger of five edge widths and a scroll
// bar's thumb width.
constexpr int kArrowWidth = 17;

} // namespace

CFacColourPicker::CFacColourPicker(QWidget* parent)
    : QAbstractButton(parent),
      m_swatch(ColourTable::fromQColor(palette().color(QPalette::ButtonText))),
      m_background(ColourTable::fromQColor(palette().color(QPalette::Button)))
{
    SkinArt::ensureLoaded();
    setFocusPolicy(Qt::StrongFocus);
    setMinimumWidth(kArrowWidth);
    connect(this, &QAbstractButton::clicked, this, &CFacColourPicker::openPopup);
}

CFacColourPicker::~CFacColourPicker()
{
    if (m_popup) {
        m_popup->disconnect(this);
        delete m_popup;
    }
}

CFacColourPopup* CFacColourPicker::popup() const
{
    return m_popup.data();
}

void CFacColourPicker::setColour(ColorRef colour)
{
    if (m_mode == ColourMode::Swatch)
        setSwatchColour(colour);
    else
        setBackgroundColour(colour);
}

ColorRef CFacColourPicker::colour() const
{
    return m_mode == ColourMode::Swatch ? m_swatch : m_background;
}

void CFacColourPicker::setSwatchColour(ColorRef colour)
{
    m_swatch = colour;
    update();
}

void CFacColourPicker::setBackgroundColour(ColorRef colour)
{
    m_background = colour;
    update();
}

QSize CFacColourPicker::sizeHint() const
{
    return QSize(145, 18);
}

QSize CFacColourPicker::minimumSizeHint() const
{
    return QSize(kArrowWidth, 10);
}

void CFacColourPicker::openPopup()
{
    if (m_popupOpen)
        return;
    m_popupOpen = true;
    const QRect button(screenOrigin(), size());
    const ColorRef current = colour();
    m_popup = new CFacColourPopup(button, current, m_defaultCaption, m_customCaption, m_prompter, this);
    connect(m_popup, &CFacColourPopup::selChange, this, &CFacColourPicker::popupSelChange);
    connect(m_popup, &CFacColourPopup::selEndOk, this, [this](ColorRef colour) { popupEnded(colour, true); });
    connect(m_popup, &CFacColourPopup::selEndCancel, this, [this](ColorRef colour) { popupEnded(colour, false); });
    m_popup->show();
    m_popup->setFocus(Qt::PopupFocusReason);
    emit colourDropDown(current);
}

// A window manager that frames a dialog after it is mapped can leave the toolkit
// believing the dialog still sits at the screen's corner, and mapToGlobal() is then
// off by the dialog's whole offset. A click carries both its screen and its window
// position from the display server itself, so their difference is where the button
// really is; only a pop-up opened from the keyboard relies on mapToGlobal().
QPoint CFacColourPicker::screenOrigin() const
{
    return m_clickedOrigin.value_or(mapToGlobal(QPoint(0, 0)));
}

void CFacColourPicker::mouseReleaseEvent(QMouseEvent* event)
{
    // The click signal that opens the pop-up comes from inside the release.
    m_clickedOrigin = (event->globalPosition() - event->position()).toPoint();
    QAbstractButton::mouseReleaseEvent(event);
    m_clickedOrigin.reset();
}

void CFacColourPicker::popupEnded(ColorRef colour, bool chosen)
{
    m_popupOpen = false;
    setColour(colour);
    emit colourCloseUp(colour);
    if (chosen)
        emit colourSelEndOk(colour);
    else
        emit colourSelEndCancel(colour);
}

void CFacColourPicker::popupSelChange(ColorRef colour)
{
    if (m_trackSelection)
        setColour(colour);
    emit colourSelChange(colour);
}

void CFacColourPicker::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    SkinArt::drawThreeSlice(painter, rect(), QStringLiteral(":/controls/picker.svg"), kSkinWidth, kPickerSlices);
    const QRect swatch(QPoint(20, 5), QPoint(width() - 40 - 1, height() - 5 - 1));
    if (swatch.isValid()) {
        painter.fillRect(swatch, ColourTable::toQColor(m_swatch));
        // A thin frame keeps a white swatch visible on the light skin.
        painter.setPen(QColor(0xA8, 0xA8, 0xA8));
        painter.drawRect(swatch.adjusted(-1, -1, 0, 0));
    }
    if (hasFocus()) {
        painter.setPen(QPen(QColor(0x6C, 0x9B, 0xD2), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}

} // namespace montora
