// A full composition of a 1920 x 1080 collage of 20 photos from large JPEGs (turned,
// some masked, some framed, some tuned) and 3 text items: warm (every picture
// cached, as after a move or a selection change) and cold (caches empty).
#include "canvas/collage_project.h"
#include "canvas/compositor.h"
#include "canvas/library_resources.h"
#include "imaging/image_library.h"
#include "library/library_file_encoder.h"
#include "library/library_files.h"
#include "library/mask_pack.h"
#include "platform/data_folder.h"
#include "tools/text_style_presets.h"

#include <QBuffer>
#include <QDir>

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace montora;

QTemporaryDir& scratch()
{
    static QTemporaryDir folder;
    return folder;
}

QString largeJpeg(int index)
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
QString libraryFolder()
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

struct Collage {
    LibraryResources resources{libraryFolder()};
    CollageProject project;

    Collage()
    {
        project.setResources(&resources);
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
};

Collage& collage()
{
    static Collage instance;
    return instance;
}

void warmCompose(benchmark::State& state)
{
    Collage& c = collage();
    Compositor compositor;
    QImage surface(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    compositor.compose(c.project, surface, Compositor::Options{});
    // To look at what is timed: MONTORA_BENCH_SNAPSHOT=collage.png
    if (const QByteArray snapshot = qgetenv("MONTORA_BENCH_SNAPSHOT"); !snapshot.isEmpty())
        surface.save(QString::fromLocal8Bit(snapshot));
    for (auto _ : state) {
        c.project.item(0).setPosition(c.project.item(0).position() + QPoint(1, 0));
        compositor.compose(c.project, surface, Compositor::Options{});
    }
    state.SetLabel("1920x1080, 20 photos + 3 texts, zoom 1, all cached");
}
BENCHMARK(warmCompose)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void coldCompose(benchmark::State& state)
{
    Collage& c = collage();
    QImage surface(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        Compositor compositor;
        compositor.compose(c.project, surface, Compositor::Options{});
    }
    state.SetLabel("1920x1080, 20 photos from 3000-4000 px JPEGs + 3 texts, caches empty");
}
BENCHMARK(coldCompose)->Unit(benchmark::kMillisecond)->MinTime(4.0);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    montora::ImageLibrary::initialise(argv[0]);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
