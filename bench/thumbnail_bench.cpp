// In-process cost of one photo-list thumbnail from a large JPEG, against a full decode.
#include "imaging/image_library.h"
#include "imaging/picture_buffers.h"
#include "imaging/picture_decoder.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QString largeJpeg()
{
    static QTemporaryDir folder;
    static QString path;
    if (path.isEmpty()) {
        QImage photo(4000, 3000, QImage::Format_RGB32);
        QPainter painter(&photo);
        QLinearGradient gradient(0, 0, 4000, 3000);
        gradient.setColorAt(0, QColor(30, 90, 160));
        gradient.setColorAt(1, QColor(220, 180, 60));
        painter.fillRect(photo.rect(), gradient);
        for (int i = 0; i < 400; ++i)
            painter.fillRect((i * 977) % 4000, (i * 631) % 3000, 80, 60, QColor::fromHsv((i * 37) % 360, 160, 200));
        painter.end();
        path = folder.filePath("large.jpg");
        photo.save(path, "JPEG", 90);
    }
    return path;
}

void photoThumbnail(benchmark::State& state)
{
    const QString path = largeJpeg();
    for (auto _ : state)
        benchmark::DoNotOptimize(montora::PictureBuffers::photoThumbnail(path));
    state.SetLabel("4000x3000 JPEG -> 80x80 q75");
}
BENCHMARK(photoThumbnail)->Unit(benchmark::kMillisecond);

void fullDecode(benchmark::State& state)
{
    const QString path = largeJpeg();
    for (auto _ : state)
        benchmark::DoNotOptimize(montora::PictureDecoder::decode(path));
}
BENCHMARK(fullDecode)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    montora::ImageLibrary::initialise(argv[0]);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
