#include "app/ui/export_progress_window.h"

#include "controls/skin_button.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>

#include <cmath>

namespace montora {

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 104;
constexpr int kBand = 24;

} // namespace

ExportProgressWindow::ExportProgressWindow(QWidget* parent)
    : QWidget(parent), m_cancel(new SkinButton(kCancelButtonId, this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(kWidth, kHeight);
    m_cancel->setCaption(cancelText());
    m_cancel->setGeometry(kWidth - 12 - 72, kHeight - 12 - 21, 72, 21);
    connect(m_cancel, &SkinButton::clicked, this, [this] {
        hide();
        emit cancelRequested();
    });
    hide();
}

void ExportProgressWindow::begin(const QString& caption, const QString& fileName)
{
    m_caption = caption;
    m_file = fileName;
    m_done = 0;
    if (const QWidget* owner = parentWidget())
        move((owner->width() - width()) / 2, (owner->height() - height()) / 2);
    show();
    raise();
    update();
}

void ExportProgressWindow::setDone(double done)
{
    m_done = done;
    update();
}

void ExportProgressWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0xE6, 0xE6, 0xE6));
    QLinearGradient band(0, 0, 0, kBand);
    band.setColorAt(0, QColor(0x2F, 0x3A, 0x45));
    band.setColorAt(1, QColor(0x3C, 0x48, 0x56));
    painter.fillRect(QRect(0, 0, width(), kBand), band);
    painter.setPen(QColor(0xF0, 0xF0, 0xF0));
    painter.drawText(QRect(10, 0, width() - 20, kBand), Qt::AlignVCenter | Qt::AlignLeft, m_caption);

    const int textWidth = width() - 24;
    const QFontMetrics metrics(font());
    painter.setPen(QColor(0x3A, 0x3A, 0x3A));
    painter.drawText(QRect(12, kBand + 8, textWidth, 18), Qt::AlignLeft | Qt::AlignVCenter,
                     metrics.elidedText(m_file, Qt::ElideMiddle, textWidth - 48));
    painter.drawText(QRect(12, kBand + 8, textWidth, 18), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("%1%").arg(int(std::floor(m_done * 100))));
    const QRect bar(12, kBand + 32, width() - 24 - 84, 6);
    painter.fillRect(bar, QColor(0xD0, 0xD0, 0xD0));
    painter.fillRect(QRect(bar.topLeft(), QSize(int(bar.width() * m_done), bar.height())), QColor(0x3D, 0x8E, 0xDB));
    painter.setPen(QColor(0x0A, 0x0A, 0x0A));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace montora
