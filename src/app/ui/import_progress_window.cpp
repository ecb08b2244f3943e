#include "app/ui/import_progress_window.h"

#include "app/photo_import.h"
#include "imaging/jpeg_thumbnail.h"
#include "tools/photo_grid_layout.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace montora {

ImportProgressWindow::ImportProgressWindow(QWidget* parent) : ProgressWindow(parent, 120, kStopButtonId, stopText())
{
    setCaption(captionText());
    connect(this, &ProgressWindow::buttonClicked, this, &ImportProgressWindow::importStop);
}

void ImportProgressWindow::follow(PhotoImport* import)
{
    connect(import, &PhotoImport::importStarted, this, &ImportProgressWindow::begin);
    connect(import, &PhotoImport::fileStarted, this,
            [this](int index, int, const QString& path) { showFile(index, path); });
    connect(import, &PhotoImport::photoImported, this, [this, import](int entryIndex) {
        const PhotoListEntry& entry = import->entries()[size_t(entryIndex)];
        auto picture = JpegThumbnail::orient(entry.thumbnail, entry.record.quarterTurns, false);
        showAccepted(picture ? picture.value() : QImage());
    });
    connect(import, &PhotoImport::importFinished, this, &QWidget::hide);
    connect(this, &ImportProgressWindow::importStop, import, &PhotoImport::requestStop);
}

void ImportProgressWindow::begin(int fileCount)
{
    m_fileCount = fileCount;
    m_done = 0;
    m_accepted = 0;
    m_file.clear();
    m_lastPhoto = QImage();
    showCentred();
}

void ImportProgressWindow::showFile(int index, const QString& path)
{
    m_file = QFileInfo(path).fileName();
    m_done = index;
    update();
}

void ImportProgressWindow::showAccepted(const QImage& thumbnail)
{
    ++m_accepted;
    m_lastPhoto = thumbnail;
    update();
}

void ImportProgressWindow::paintBody(QPainter& painter)
{
    const QRect photoBox(12, kBand + 10, 58, 48);
    painter.fillRect(photoBox, QColor(0xF4, 0xF4, 0xF4));
    if (!m_lastPhoto.isNull()) {
        const QRect fitted = PhotoGridLayout::fittedRect(m_lastPhoto.size(), photoBox);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(fitted, m_lastPhoto);
    }
    painter.setPen(QColor(0xA8, 0xA8, 0xA8));
    painter.drawRect(photoBox.adjusted(-1, -1, 0, 0));

    const int textLeft = photoBox.right() + 12;
    const int textWidth = width() - textLeft - 12;
    const QFontMetrics metrics(font());
    painter.setPen(QColor(0x3A, 0x3A, 0x3A));
    painter.drawText(QRect(textLeft, kBand + 8, textWidth, 18), Qt::AlignLeft | Qt::AlignVCenter,
                     metrics.elidedText(m_file, Qt::ElideMiddle, textWidth));
    painter.drawText(QRect(textLeft, kBand + 26, textWidth, 18), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("%1 of %2 files, %3 added").arg(m_done + (m_file.isEmpty() ? 0 : 1))
                         .arg(m_fileCount)
                         .arg(m_accepted));
    const QRect bar(textLeft, kBand + 48, textWidth, 4);
    painter.fillRect(bar, QColor(0xD0, 0xD0, 0xD0));
    if (m_fileCount > 0) {
        const int filled = bar.width() * std::min(m_fileCount, m_done + 1) / m_fileCount;
        painter.fillRect(QRect(bar.topLeft(), QSize(m_file.isEmpty() ? 0 : filled, bar.height())),
                         QColor(0x3D, 0x8E, 0xDB));
    }
}

} // namespace montora
