// Library walks, tinting and mask decoding at realistic sizes.
#include "imaging/tint_picture.h"
#include "library/library_file.h"
#include "library/library_file_encoder.h"
#include "library/mask_library.h"
#include "library/mask_pack.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace montora;

namespace {

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

// 500 thumbnails of 60 x 60: the walk to the last one is 499 header reads and seeks.
QString bigLibrary()
{
    static const QString path = [] {
        const QString file = folder().path() + "/clipart.cfg";
        LibraryRecord record;
        record.width = record.height = 60;
        record.payload = QByteArray(60 * 60 * 4, '\x40');
        const Status written =
            LibraryFile(file, LibraryLayout::Thumbnail).append(std::vector<LibraryRecord>(500, record));
        if (!written) // a benchmark of an empty file would measure nothing
            qFatal("%s", qPrintable(written.message()));
        return file;
    }();
    return path;
}

void lastOfFiveHundredRecords(benchmark::State& state)
{
    const LibraryFile library(bigLibrary(), LibraryLayout::Thumbnail);
    for (auto _ : state)
        benchmark::DoNotOptimize(library.record(499));
}
BENCHMARK(lastOfFiveHundredRecords)->Unit(benchmark::kMicrosecond);

void tintOneMegapixel(benchmark::State& state)
{
    QByteArray pixels(1000 * 1000 * 4, '\x80');
    for (auto _ : state)
        TintPicture::apply(reinterpret_cast<std::uint8_t*>(pixels.data()), 1000, 1000, 0x3C78C8);
}
BENCHMARK(tintOneMegapixel)->Unit(benchmark::kMillisecond);

void builtInMaskPixels(benchmark::State& state)
{
    if (const Status installed = MaskPack::installBuiltIn(folder().path()); !installed)
        qFatal("%s", qPrintable(installed.message()));
    const MaskLibrary masks(folder().path());
    for (auto _ : state)
        benchmark::DoNotOptimize(masks.maskPixels(27)); // 800 x 600, the last record
}
BENCHMARK(builtInMaskPixels)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
