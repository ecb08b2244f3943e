// Importing 200 large JPEGs into the photo library through the worker thread, as
// the import command does: per-photo time and the longest stall of the
// user-interface thread while it runs.
#include "app/photo_import.h"
#include "imaging/image_library.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <unistd.h>

using namespace montora;

namespace {

constexpr int kPhotos = 200;
constexpr int kDistinct = 20;

QImage photo(int seed)
{
    QImage image(4000, 3000, QImage::Format_RGB32);
    QRandomGenerator dice{quint32(seed)};
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 0, 3000);
    sky.setColorAt(0, QColor::fromHsv(dice.bounded(360), 120, 230));
    sky.setColorAt(1, QColor::fromHsv(dice.bounded(360), 160, 90));
    painter.fillRect(image.rect(), sky);
    for (int i = 0; i < 300; ++i)
        painter.fillRect(dice.bounded(4000), dice.bounded(3000), 40 + dice.bounded(300), 30 + dice.bounded(200),
                         QColor::fromHsv(dice.bounded(360), dice.bounded(256), dice.bounded(256)));
    painter.end();
    // Sensor-like noise, so the files are as large and as slow to decode as photos.
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int n = int(dice.bounded(17)) - 8;
            line[x] = qRgb(qBound(0, qRed(line[x]) + n, 255), qBound(0, qGreen(line[x]) + n, 255),
                           qBound(0, qBlue(line[x]) + n, 255));
        }
    }
    return image;
}

// 200 picked files: 20 different 4000 x 3000 photos at quality 90, each under ten
// names (hard links), since the library tells photos apart by path.
const QStringList& pickedFiles()
{
    static QTemporaryDir folder;
    static QStringList files;
    if (files.isEmpty()) {
        for (int i = 0; i < kDistinct; ++i) {
            const QString first = folder.filePath(QStringLiteral("photo%1_0.jpg").arg(i));
            photo(i).save(first, "JPEG", 90);
            files << first;
            for (int copy = 1; copy < kPhotos / kDistinct; ++copy) {
                const QString name = folder.filePath(QStringLiteral("photo%1_%2.jpg").arg(i).arg(copy));
                if (::link(QFile::encodeName(first).constData(), QFile::encodeName(name).constData()) == 0)
                    files << name;
            }
        }
    }
    return files;
}

void importPhotos(benchmark::State& state, std::chrono::milliseconds pause)
{
    const QStringList& files = pickedFiles();
    double totalMs = 0;
    qint64 longestStall = 0;
    for (auto _ : state) {
        std::vector<PhotoListEntry> entries;
        PhotoImport import(entries);
        import.setPause(pause);
        QEventLoop loop;
        QObject::connect(&import, &PhotoImport::importFinished, &loop, &QEventLoop::quit);
        // A 1 ms tick on the user-interface thread: the longest gap between ticks is
        // the longest the window could not have repainted.
        QElapsedTimer sinceTick;
        QTimer tick;
        tick.setTimerType(Qt::PreciseTimer);
        QObject::connect(&tick, &QTimer::timeout, [&] {
            longestStall = std::max(longestStall, sinceTick.restart());
        });
        QElapsedTimer clock;
        clock.start();
        sinceTick.start();
        tick.start(1);
        import.start(files);
        loop.exec();
        tick.stop();
        totalMs += double(clock.nsecsElapsed()) / 1e6;
        if (entries.size() != size_t(files.size()))
            state.SkipWithError("not every photo was imported");
    }
    state.counters["ms_per_photo"] = totalMs / double(state.iterations()) / double(files.size());
    state.counters["longest_ui_stall_ms"] = double(longestStall);
    state.SetLabel(QStringLiteral("%1 JPEGs of 4000x3000").arg(files.size()).toStdString());
}

void importWithThePause(benchmark::State& state) { importPhotos(state, std::chrono::milliseconds(10)); }
BENCHMARK(importWithThePause)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

void importWithoutThePause(benchmark::State& state) { importPhotos(state, std::chrono::milliseconds(0)); }
BENCHMARK(importWithoutThePause)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ImageLibrary::initialise(argv[0]);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
