#include "app/ui/import_progress_window.h"

#include "app/photo_import.h"
#include "controls/skin_button.h"
#include "imaging/jpeg_thumbnail.h"
#include "tools/photo_grid_layout.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>

namespace montora {

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 120;
constexpr int kBand = 24;
const QRect kPhotoBox(12, kBand + 10, 58, 48);

} // namespace

ImportProgressWindow::ImportProgressWindow(QWidget* parent) : QWidget(parent), m_stop(new SkinButton(kStopButtonId, this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(kWidth, kHeight);
    m_stop->setCaption(stopText());
    m_stop->setGeometry(kWidth - 12 - 72, kHeight - 12 - 21, 72, 21);
    connect(m_stop, &SkinButton::clicked, this, [this] {
        hide();
        emit importStop();
    });
    hide();
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
    centreOnParent();
    show();
    raise();
    update();
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

void ImportProgressWindow::centreOnParent()
{
    if (const QWidget* owner = parentWidget())
        move((owner->width() - width()) / 2, (owner->height() - height()) / 2);
}

void ImportProgressWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0xE6, 0xE6, 0xE6));
    QLinearGradient band(0, 0, 0, kBand);
    band.setColorAt(0, QColor(0x2F, 0x3A, 0x45));
    band.setColorAt(1, QColor(0x3C, 0x48, 0x56));
    painter.fillRect(QRect(0, 0, width(), kBand), band);
    painter.setPen(QColor(0xF0, 0xF0, 0xF0));
    painter.drawText(QRect(10, 0, width() - 20, kBand), Qt::AlignVCenter | Qt::AlignLeft, captionText());

    painter.fillRect(kPhotoBox, QColor(0xF4, 0xF4, 0xF4));
    if (!m_lastPhoto.isNull()) {
        const QRect fitted = PhotoGridLayout::fittedRect(m_lastPhoto.size(), kPhotoBox);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(fitted, m_lastPhoto);
    }
    painter.setPen(QColor(0xA8, 0xA8, 0xA8));
    painter.drawRect(kPhotoBox.adjusted(-1, -1, 0, 0));

    const int textLeft = kPhotoBox.right() + 12;
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
    painter.setPen(QColor(0x0A, 0x0A, 0x0A));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace montora
