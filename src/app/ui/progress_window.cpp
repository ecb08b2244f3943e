#include "app/ui/progress_window.h"

#include "controls/skin_button.h"

#include <QLinearGradient>
#include <QPainter>

namespace montora {

namespace {

constexpr int kWidth = 320;

} // namespace

ProgressWindow::ProgressWindow(QWidget* parent, int height, int buttonId, const QString& buttonText)
    : QWidget(parent), m_button(new SkinButton(buttonId, this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(kWidth, height);
    m_button->setCaption(buttonText);
    m_button->setGeometry(kWidth - 12 - 72, height - 12 - 21, 72, 21);
    connect(m_button, &SkinButton::clicked, this, [this] {
        hide();
        emit buttonClicked();
    });
    hide();
}

void ProgressWindow::showCentred()
{
    if (const QWidget* owner = parentWidget())
        move((owner->width() - width()) / 2, (owner->height() - height()) / 2);
    show();
    raise();
    update();
}

void ProgressWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0xE6, 0xE6, 0xE6));
    QLinearGradient band(0, 0, 0, kBand);
    band.setColorAt(0, QColor(0x2F, 0x3A, 0x45));
    band.setColorAt(1, QColor(0x3C, 0x48, 0x56));
    painter.fillRect(QRect(0, 0, width(), kBand), band);
    painter.setPen(QColor(0xF0, 0xF0, 0xF0));
    painter.drawText(QRect(10, 0, width() - 20, kBand), Qt::AlignVCenter | Qt::AlignLeft, m_caption);
    paintBody(painter);
    painter.setPen(QColor(0x0A, 0x0A, 0x0A));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace montora
