// In-process cost of each picture filter on a 3200 x 2400 picture, without any file
// input or output (bench/effect-filters.sh times the whole command beside gm).
#include "imaging/effect_filter.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <random>

namespace {

const QImage& picture()
{
    static const QImage image = [] {
        QImage made(3200, 2400, QImage::Format_RGB888);
        std::mt19937 random(7);
        for (int y = 0; y < made.height(); ++y) {
            uchar* row = made.scanLine(y);
            for (int x = 0; x < made.width() * 3; ++x)
                row[x] = uchar((x / 3 + y) / 24 + (random() & 31));
        }
        return made;
    }();
    return image;
}

void filter(benchmark::State& state)
{
    const montora::EffectFilter::Entry& entry = montora::EffectFilter::entries()[size_t(state.range(0))];
    montora::EffectFilter::Options options;
    options.threads = int(state.range(1));
    for (auto _ : state)
        benchmark::DoNotOptimize(montora::EffectFilter::apply(entry.kind, picture(), options));
    state.SetLabel(std::string(entry.name) + (options.threads == 1 ? " 1 thread" : " all cores"));
}

void allFilters(benchmark::internal::Benchmark* bench)
{
    for (int i = 0; i < int(montora::EffectFilter::entries().size()); ++i)
        for (int threads : {1, 0})
            bench->Args({i, threads});
}

BENCHMARK(filter)->Apply(allFilters)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
