// Drawing one 40-character text item in each effect at zoom 1, as the canvas does.
#include "text/styled_text.h"
#include "text/text_item_painter.h"
#include "text/text_style_presets.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

namespace {

using namespace montora;

const QString kText = QStringLiteral("The quick brown fox jumps over a lazy do"); // 40 characters

TextStyleRecord itemInStyle(int style)
{
    TextStyleRecord item;
    item.font.lfHeight = 48;
    (void)item.font.setFaceName(QStringLiteral("Liberation Sans"));
    item.setText(kText);
    item.style = style;
    const auto preset = TextStylePresets::colours(style);
    item.colour1 = preset.colour1;
    item.colour2 = preset.colour2;
    item.scale = 1.0f;
    item.left = 40;
    item.top = 300;
    const QSize box = StyledText::measureText(item.font, item.text());
    item.width = box.width();
    item.height = box.height();
    return item;
}

void drawTextItem(benchmark::State& state)
{
    const TextStyleRecord item = itemInStyle(int(state.range(0)));
    QImage surface(1280, 720, QImage::Format_ARGB32_Premultiplied);
    surface.fill(Qt::white);
    QPainter painter(&surface);
    for (auto _ : state) {
        TextItemPainter::paint(painter, item, 1.0);
        benchmark::ClobberMemory();
    }
    state.SetLabel(state.range(0) < StyledText::kStyleCount ? "style " + std::to_string(state.range(0))
                                                            : std::string("fallback"));
}
BENCHMARK(drawTextItem)
    ->DenseRange(0, StyledText::kStyleCount)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void measureText(benchmark::State& state)
{
    const TextStyleRecord item = itemInStyle(0);
    for (auto _ : state)
        benchmark::DoNotOptimize(StyledText::measureText(item.font, kText));
}
BENCHMARK(measureText)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
