// A full composition of a 1920 x 1080 collage of 20 photos from large JPEGs (turned,
// some masked, some framed, some tuned) and 3 text items: warm (every picture
// cached, as after a move or a selection change) and cold (caches empty).
#include "bench_collage.h"
#include "canvas/compositor.h"
#include "imaging/image_library.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

using namespace montora;

struct Collage {
    LibraryResources resources{bench::libraryFolder()};
    CollageProject project;

    Collage()
    {
        project.setResources(&resources);
        bench::buildCollage(project);
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
