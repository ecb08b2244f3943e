#include "controls/c_fac_colour_popup.h"

#include "platform/prompter.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QToolTip>

namespace montora {

namespace {

constexpr int kMargin = 2; // the system edge width
const QColor kBackground(240, 240, 240);
const QColor kFace(210, 210, 210);
const QColor kLight(255, 255, 255);
const QColor kShadow(160, 160, 160);  // the frame round each colour
const QColor kEdgeShadow(112, 112, 112); // the dark side of a raised or sunken edge

QSize captionSize(const QFontMetrics& metrics, const QString& caption)
{
    return caption.isEmpty() ? QSize() : metrics.size(Qt::TextSingleLine, caption);
}

QRect screenFor(const QRect& button)
{
    QScreen* screen = QGuiApplication::screenAt(button.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1 << 16, 1 << 16);
}

} // namespace

ColourPopupLayout CFacColourPopup::makeLayout(const QFont& font, const QString& defaultCaption,
                                              const QString& customCaption)
{
    const QFontMetrics metrics(font);
    return ColourPopupLayout(kMargin, captionSize(metrics, defaultCaption), !defaultCaption.isEmpty(),
                             captionSize(metrics, customCaption), !customCaption.isEmpty());
}

CFacColourPopup::CFacColourPopup(const QRect& button, ColorRef opening, const QString& defaultCaption,
                                 const QString& customCaption, Prompter* prompter, QWidget* owner)
    : QWidget(owner, Qt::Popup | Qt::FramelessWindowHint),
      m_prompter(prompter),
      m_defaultCaption(defaultCaption),
      m_customCaption(customCaption),
      m_layout(makeLayout(QApplication::font("QMessageBox"), defaultCaption, customCaption)),
      m_opening(opening),
      m_choice(opening),
      m_marked(m_layout.markedEntry(opening))
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFont(QApplication::font("QMessageBox"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(m_layout.windowSize());
    setGeometry(QRect(ColourPopupLayout::place(m_layout.windowSize(), button, screenFor(button)), size()));
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive)
            cancel();
    });
}

void CFacColourPopup::cancel()
{
    end(Ending::Cancel);
}

void CFacColourPopup::changeHot(int entry)
{
    if (entry == m_hot)
        return;
    const int old = m_hot;
    m_hot = entry;
    update(m_layout.entryRect(old));
    update(m_layout.entryRect(entry));
    const ColorRef colour = ColourPopupLayout::entryColour(entry, m_opening);
    m_choice = colour;
    emit selChange(colour);
}

void CFacColourPopup::end(Ending ending)
{
    if (m_ended)
        return;
    m_ended = true;
    ColorRef colour = m_choice;
    if (ending == Ending::Ok && m_hot == ColourPopupLayout::kCustomEntry) {
        // The colour dialog is modal: the pop-up steps aside first.
        hide();
        const std::optional<QColor> chosen =
            m_prompter ? m_prompter->chooseColour(ColourTable::toQColor(m_opening)) : std::nullopt;
        if (chosen)
            colour = ColourTable::fromQColor(*chosen);
        else
            ending = Ending::Cancel;
    }
    if (ending == Ending::Cancel)
        colour = m_opening;
    hide();
    if (ending == Ending::Ok)
        emit selEndOk(colour);
    else
        emit selEndCancel(colour);
    deleteLater();
}

void CFacColourPopup::mouseMoveEvent(QMouseEvent* event)
{
    const int entry = m_layout.entryAt(event->position().toPoint());
    // Over the margins the hot entry stays as it was.
    if (entry != ColourPopupLayout::kNoEntry)
        changeHot(entry);
}

void CFacColourPopup::mousePressEvent(QMouseEvent* event)
{
    // The choice ends on release; a press outside must not close the pop-up
    // the way a plain popup window would.
    event->accept();
}

void CFacColourPopup::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    end(rect().contains(event->position().toPoint()) ? Ending::Ok : Ending::Cancel);
}

void CFacColourPopup::keyPressEvent(QKeyEvent* event)
{
    using Move = ColourPopupLayout::Move;
    switch (event->key()) {
    case Qt::Key_Left: changeHot(m_layout.move(m_hot, Move::Left, m_marked)); break;
    case Qt::Key_Right: changeHot(m_layout.move(m_hot, Move::Right, m_marked)); break;
    case Qt::Key_Up: changeHot(m_layout.move(m_hot, Move::Up, m_marked)); break;
    case Qt::Key_Down: changeHot(m_layout.move(m_hot, Move::Down, m_marked)); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: end(Ending::Ok); break;
    case Qt::Key_Escape: end(Ending::Cancel); break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

void CFacColourPopup::closeEvent(QCloseEvent* event)
{
    // Closed from outside (the window system or the application going away):
    // that is a cancel, never a silent drop.
    end(Ending::Cancel);
    event->accept();
}

bool CFacColourPopup::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int entry = m_layout.entryAt(help->pos());
        if (entry >= 0)
            QToolTip::showText(help->globalPos(), ColourTable::name(entry), this, m_layout.boxRect(entry));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void CFacColourPopup::paintEdge(QPainter& painter, const QRect& rect, int entry)
{
    QColor topLeft;
    QColor bottomRight;
    if (entry == m_hot) {
        topLeft = kLight; // raised
        bottomRight = kEdgeShadow;
    } else if (entry == m_marked) {
        topLeft = kEdgeShadow; // sunken
        bottomRight = kLight;
    } else {
        return;
    }
    painter.setPen(topLeft);
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
}

void CFacColourPopup::paintBox(QPainter& painter, int index)
{
    const QRect box = m_layout.boxRect(index);
    painter.fillRect(box, kBackground);
    paintEdge(painter, box, index);
    const QRect swatch = box.adjusted(kMargin + 1, kMargin + 1, -(kMargin + 1), -(kMargin + 1));
    painter.setPen(kShadow);
    painter.setBrush(ColourTable::toQColor(ColourTable::colour(index)));
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));
    painter.setBrush(Qt::NoBrush);
}

void CFacColourPopup::paintTextEntry(QPainter& painter, int entry, const QString& caption)
{
    const QRect area = m_layout.entryRect(entry);
    painter.fillRect(area, kFace);
    paintEdge(painter, area, entry);
    if (entry == ColourPopupLayout::kDefaultEntry) {
        painter.setPen(kFace);
        painter.drawRect(area.adjusted(2 * kMargin, 2 * kMargin, -2 * kMargin - 1, -2 * kMargin - 1));
    }
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, caption);
}

void CFacColourPopup::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    painter.setPen(kFace);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (m_layout.hasDefault())
        paintTextEntry(painter, ColourPopupLayout::kDefaultEntry, m_defaultCaption);
    for (int i = 0; i < ColourTable::kCount; ++i)
        paintBox(painter, i);
    if (m_layout.hasCustom())
        paintTextEntry(painter, ColourPopupLayout::kCustomEntry, m_customCaption);
}

} // namespace montora
