// The benchmark collage: 1920 x 1080, 20 photos from large generated JPEGs (turned,
// some masked, some framed, some tuned) and 3 text items, shared by the benchmarks
// that compose it and the one that drags across it.
#pragma once

#include "canvas/collage_project.h"
#include "canvas/library_resources.h"
#include "library/library_file_encoder.h"
#include "library/library_files.h"
#include "library/mask_pack.h"
#include "text/text_style_presets.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>

namespace montora::bench {

inline QTemporaryDir& scratch()
{
    static QTemporaryDir folder;
    return folder;
}

inline QString largeJpeg(int index)
{
    const int width = 3000 + (index % 3) * 500;
    const int height = 2000 + (index % 4) * 250;
    QImage photo(width, height, QImage::Format_RGB32);
    QPainter painter(&photo);
    QLinearGradient gradient(0, 0, width, height);
    gradient.setColorAt(0, QColor::fromHsv((index * 47) % 360, 150, 200));
    gradient.setColorAt(1, QColor::fromHsv((index * 47 + 120) % 360, 180, 120));
    painter.fillRect(photo.rect(), gradient);
    for (int i = 0; i < 300; ++i)
        painter.fillRect((i * 977 + index * 31) % width, (i * 631) % height, 90, 70,
                         QColor::fromHsv((i * 37 + index) % 360, 160, 220));
    painter.end();
    const QString path = scratch().filePath(QStringLiteral("photo%1.jpg").arg(index));
    photo.save(path, "JPEG", 90);
    return path;
}

// The built-in masks and one frame: a wide border with a transparent window.
inline QString libraryFolder()
{
    const QString folder = scratch().filePath("Data") + "/";
    QDir().mkpath(folder);
    (void)MaskPack::installBuiltIn(folder);
    QImage frame(600, 450, QImage::Format_ARGB32);
    frame.fill(QColor(120, 80, 30));
    QPainter painter(&frame);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(QRect(60, 45, 480, 360), Qt::transparent);
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    frame.save(&buffer, "PNG");
    LibraryRecord record;
    record.width = frame.width();
    record.height = frame.height();
    record.payload = png;
    record.setInsets(FrameInsets{0.1f, 0.1f, 0.9f, 0.9f});
    QFile file(folder + LibraryFiles::kFrames);
    if (file.open(QIODevice::WriteOnly))
        file.write(LibraryFileEncoder::file(LibraryLayout::PictureWithInsets, {record}));
    return folder;
}

// Fills the project (whose resources come from libraryFolder()) with the collage.
inline void buildCollage(CollageProject& project)
{
    (void)project.setSize(1920, 1080);
    for (int i = 0; i < 20; ++i) {
        const QPoint at(60 + (i % 5) * 360, 40 + (i / 5) * 250);
        if (!project.addPhoto(largeJpeg(i), ViewPoint::atCollage(at)))
            continue;
        CanvasItem& item = project.items().back();
        item.setScale(item.scale() * 0.55f);
        item.setAngle(float((i * 13) % 31 - 15));
        if (i % 4 == 1)
            (void)project.setTuning(ToneSettings::fromSliders(130, 110, 60, 20000, 120, 19000, true), false);
        if (i % 4 == 2)
            (void)project.setMask(i % 28);
        if (i % 4 == 3)
            (void)project.setFrame(0);
    }
    const char* texts[3] = {"Summer by the lake", "Friends\r\nand family", "2024"};
    const int styles[3] = {0, 4, 6};
    for (int i = 0; i < 3; ++i) {
        project.deselectAll();
        TextStyleRecord style = project.textStyle();
        style.style = styles[i];
        style.colour1 = TextStylePresets::colours(styles[i]).colour1;
        style.colour2 = TextStylePresets::colours(styles[i]).colour2;
        project.setTextStyle(style);
        project.setText(QString::fromUtf8(texts[i]));
        (void)project.addText();
        project.items().back().setPosition(QPoint(200 + i * 550, 980 - i * 420));
        project.items().back().setAngle(float(i * 7 - 7));
    }
}

} // namespace montora::bench
