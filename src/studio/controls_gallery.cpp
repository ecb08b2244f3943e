#include "studio/controls_gallery.h"

#include "controls/c_fac_colour_picker.h"
#include "controls/skin_button.h"
#include "controls/skin_radio_button.h"
#include "controls/skin_scroll_bar.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

namespace montora {

namespace {

SkinButton* addButton(QWidget* parent, const QString& caption, const QRect& place)
{
    auto* button = new SkinButton(1, parent);
    button->setCaption(caption);
    button->setGeometry(place);
    return button;
}

void addLabel(QWidget* parent, const QString& text, QPoint at)
{
    auto* label = new QLabel(text, parent);
    label->move(at);
    label->adjustSize();
}

// Sends the pointer events a person would make, so the controls show their
// states through their own event handling.
void sendMouse(QWidget* target, QEvent::Type type, QPoint at)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, QPointF(at), QPointF(target->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

SkinScrollBar* addBar(QWidget* parent, Qt::Orientation orientation, const QRect& place, int range, int position,
                      int factor)
{
    auto* bar = new SkinScrollBar(orientation, parent);
    bar->setGeometry(place);
    bar->setSizeFactor(factor);
    bar->setRange(range);
    bar->setPosition(position);
    QObject::connect(bar, orientation == Qt::Vertical ? &SkinScrollBar::canvasVScroll : &SkinScrollBar::canvasHScroll,
                     bar, [bar](ScrollAction action, int tracked) {
                         const int step = action == ScrollAction::PageUp || action == ScrollAction::PageDown ? 40 : 4;
                         bar->setPosition(ScrollBarModel::answer(action, bar->position(), bar->range(), step, tracked));
                     });
    return bar;
}

} // namespace

ControlsGallery::ControlsGallery(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Montora Studio controls"));
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(221, 221, 221));
    setPalette(background);
    resize(560, 330);

    addLabel(this, QStringLiteral("Skin buttons: normal, hot, pressed, disabled"), QPoint(16, 10));
    addButton(this, QStringLiteral("Normal"), QRect(16, 32, 80, 21));
    m_hotButton = addButton(this, QStringLiteral("Hot"), QRect(106, 32, 80, 21));
    m_pressedButton = addButton(this, QStringLiteral("Pressed"), QRect(196, 32, 80, 21));
    addButton(this, QStringLiteral("Disabled"), QRect(286, 32, 80, 21))->setEnabled(false);

    addLabel(this, QStringLiteral("20 px wide, icon, close, close disabled"), QPoint(16, 66));
    addButton(this, QString(), QRect(16, 88, 20, 21));
    SkinButton* browse = addButton(this, QString(), QRect(46, 88, 20, 20));
    browse->setIcons(QStringLiteral(":/controls/icon_folder.svg"), QStringLiteral(":/controls/icon_folder_disabled.svg"));
    for (int i = 0; i < 2; ++i) {
        auto* close = new SkinButton(10010, this);
        close->setSkin(SkinButton::closeSkin());
        close->setThreeSlice(false);
        close->setGeometry(76 + i * 34, 91, 24, 14);
        close->setEnabled(i == 0);
    }
    addButton(this, QStringLiteral("Browse..."), QRect(150, 88, 120, 30));

    addLabel(this, QStringLiteral("Mode buttons and a colour picker"), QPoint(16, 126));
    const QStringList modes{QStringLiteral("Center"), QStringLiteral("Tile"), QStringLiteral("Stretch")};
    for (int i = 0; i < 3; ++i) {
        auto* mode = new SkinRadioButton(10471 + i, modes[i], this);
        mode->setGeometry(16 + i * 80, 148, 80, 20);
        mode->setOn(i == 1);
    }
    auto* picker = new CFacColourPicker(this);
    picker->setColourMode(CFacColourPicker::ColourMode::Swatch);
    picker->setColour(ColourTable::fromRgb(61, 142, 219));
    picker->setGeometry(266, 149, 145, 18);

    addLabel(this, QStringLiteral("Scroll bars: range 0, factor 100 range 100, range 400, thumb hot, arrow pressed"),
             QPoint(16, 180));
    addBar(this, Qt::Vertical, QRect(16, 202, 17, 120), 0, 0, 1);
    addBar(this, Qt::Vertical, QRect(46, 202, 17, 120), 100, 50, 100);
    addBar(this, Qt::Vertical, QRect(76, 202, 17, 120), 400, 200, 1);
    m_hotThumbBar = addBar(this, Qt::Vertical, QRect(106, 202, 17, 120), 400, 0, 1);
    m_pressedArrowBar = addBar(this, Qt::Vertical, QRect(136, 202, 17, 120), 400, 400, 1);
    addBar(this, Qt::Horizontal, QRect(176, 222, 360, 17), 900, 300, 1);
    addBar(this, Qt::Horizontal, QRect(176, 262, 360, 17), 0, 0, 1);
}

void ControlsGallery::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    QTimer::singleShot(0, this, &ControlsGallery::putInStates);
}

void ControlsGallery::putInStates()
{
    sendMouse(m_hotButton, QEvent::MouseMove, QPoint(10, 10));
    sendMouse(m_pressedButton, QEvent::MouseButtonPress, QPoint(10, 10));
    sendMouse(m_hotThumbBar, QEvent::MouseMove, QPoint(8, 30));
    sendMouse(m_pressedArrowBar, QEvent::MouseButtonPress, QPoint(8, 110));
}

} // namespace montora
