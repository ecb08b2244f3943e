// Draws every picture of the main window's artwork on one sheet, each at 1x and at
// 2x device pixels with its name, so a person can check them by eye:
//   shell_art_sheet OUT.png [ZOOM]
// ZOOM (default 1) enlarges the finished sheet without smoothing, to inspect pixels.
#include "app/ui/shell_art.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kSheetWidth = 1500;
constexpr int kGap = 10;
constexpr int kLabelHeight = 14;
const QColor kWindowGrey(0xAC, 0xAC, 0xAC);

QStringList artNames()
{
    QStringList names;
    const QString folder = QFileInfo(montora::ShellArt::path(QStringLiteral("x"))).path();
    for (const QString& file : QDir(folder).entryList({QStringLiteral("*.svg")}, QDir::Files, QDir::Name))
        names << QFileInfo(file).completeBaseName();
    return names;
}

// The 2x picture is drawn pixel for pixel, so its detail is what a high-density
// screen would show.
QSize cellSize(const QPixmap& one, const QPixmap& two, int labelWidth)
{
    const int width = std::max(one.width() + kGap + two.width(), labelWidth);
    return QSize(width, kLabelHeight + std::max(one.height(), two.height()));
}

// What the picture is drawn over in the window, so greyed and translucent art is
// judged against its real background.
QPixmap backdropFor(const QString& name, QSize size)
{
    QString bar;
    if (name.startsWith(QStringLiteral("tool_")))
        bar = QStringLiteral("toolbar_bar");
    else if (name.startsWith(QStringLiteral("caption_")) && name != QStringLiteral("caption_bar"))
        bar = QStringLiteral("caption_bar");
    else if (name.startsWith(QStringLiteral("menubar_")))
        bar = QStringLiteral("caption_bar");
    else if (name.startsWith(QStringLiteral("tab")) && name != QStringLiteral("tab_bar"))
        bar = QStringLiteral("tab_bar");
    if (!bar.isEmpty()) {
        // Only the stretchable middle of the bar, as around a button in the window.
        const QPixmap strip = montora::ShellArt::pixmap(bar, QSize(size.width() + 80, size.height() + 8));
        return strip.copy(40, 4, size.width(), size.height());
    }
    QPixmap plain(size);
    plain.fill(name.startsWith(QStringLiteral("menu_")) ? QColor(0xF4, 0xF4, 0xF4) : kWindowGrey);
    return plain;
}

void drawOnBackdrop(QPainter& painter, const QString& name, QPoint at, const QPixmap& picture)
{
    const QSize logical = picture.size();
    QPixmap backdrop = backdropFor(name, logical);
    painter.drawPixmap(QRect(at, logical), backdrop);
    painter.drawPixmap(at, picture);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: shell_art_sheet OUT.png [ZOOM]\n");
        return 2;
    }
    const int zoom = argc > 2 ? std::clamp(QString::fromLocal8Bit(argv[2]).toInt(), 1, 8) : 1;
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPixelSize(11);
    const QFontMetrics metrics(font);

    struct Cell {
        QString name;
        QPixmap one;
        QPixmap two;
        QPoint at;
    };
    QList<Cell> cells;
    QPoint cursor(kGap, kGap);
    int rowHeight = 0;
    for (const QString& name : artNames()) {
        Cell cell{name, montora::ShellArt::pixmap(name, QSize(), 1.0), montora::ShellArt::pixmap(name, QSize(), 2.0), {}};
        if (cell.one.isNull()) {
            std::fprintf(stderr, "%s: does not render\n", qPrintable(name));
            return 1;
        }
        cell.one.setDevicePixelRatio(1.0);
        cell.two.setDevicePixelRatio(1.0);
        const QSize size = cellSize(cell.one, cell.two, metrics.horizontalAdvance(name));
        if (cursor.x() + size.width() > kSheetWidth - kGap) {
            cursor = QPoint(kGap, cursor.y() + rowHeight + kGap);
            rowHeight = 0;
        }
        cell.at = cursor;
        cursor.rx() += size.width() + 2 * kGap;
        rowHeight = std::max(rowHeight, size.height());
        cells.push_back(cell);
    }

    QImage sheet(kSheetWidth, cursor.y() + rowHeight + kGap, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(kWindowGrey);
    {
        QPainter painter(&sheet);
        painter.setFont(font);
        painter.setPen(Qt::black);
        for (const Cell& cell : cells) {
            painter.drawText(QRect(cell.at, QSize(kSheetWidth, kLabelHeight)), Qt::AlignLeft | Qt::AlignTop, cell.name);
            const QPoint pictures = cell.at + QPoint(0, kLabelHeight);
            drawOnBackdrop(painter, cell.name, pictures, cell.one);
            drawOnBackdrop(painter, cell.name, pictures + QPoint(cell.one.width() + kGap, 0), cell.two);
        }
    }
    if (zoom > 1)
        sheet = sheet.scaled(sheet.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (!sheet.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "%s: cannot write\n", argv[1]);
        return 1;
    }
    std::printf("%s: %lld pictures\n", argv[1], static_cast<long long>(cells.size()));
    return 0;
}
