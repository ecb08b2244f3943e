#include "app/ui/export_progress_window.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>

namespace montora {

ExportProgressWindow::ExportProgressWindow(QWidget* parent)
    : ProgressWindow(parent, 104, kCancelButtonId, cancelText())
{
    connect(this, &ProgressWindow::buttonClicked, this, &ExportProgressWindow::cancelRequested);
}

void ExportProgressWindow::begin(const QString& caption, const QString& fileName)
{
    setCaption(caption);
    m_file = fileName;
    m_done = 0;
    showCentred();
}

void ExportProgressWindow::setDone(double done)
{
    m_done = done;
    update();
}

void ExportProgressWindow::paintBody(QPainter& painter)
{
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
}

} // namespace montora
