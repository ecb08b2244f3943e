// Dragging a selected photo across the 1920 x 1080 benchmark collage at zoom 1, the
// whole collage visible: each mouse move goes through the canvas widget as a real
// event (move the item, recompose the visible part) and is then painted at once.
#include "bench_collage.h"
#include "canvas/item_geometry.h"
#include "canvas/ui/collage_canvas.h"
#include "imaging/image_library.h"

#include <QApplication>
#include <QMouseEvent>

#include <algorithm>
#include <chrono>
#include <vector>

#include <benchmark/benchmark.h>

namespace {

using namespace montora;

void sendMouse(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
{
    const QPointF local(at);
    QMouseEvent event(type, local, widget.mapToGlobal(local), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      buttons, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

struct PaintCounter : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

void dragSelectedPhoto(benchmark::State& state)
{
    LibraryResources resources(bench::libraryFolder());
    CollageCanvas canvas;
    canvas.project().setResources(&resources);
    bench::buildCollage(canvas.project());
    canvas.project().deselectAll();
    canvas.resize(1920 + CollageCanvas::kBarThickness, 1080 + CollageCanvas::kBarThickness);
    canvas.show();
    canvas.recompose();
    canvas.repaint();

    // Grab the photo in the middle of the collage; the drag sweeps 300 pixels right
    // and back, so it passes over its neighbours.
    const CanvasItem& middle = canvas.project().item(12);
    const QPoint grab = ItemGeometry::worldTransform(middle, 1.0f).map(
        QRectF(QPointF(), QSizeF(ItemGeometry::displaySize(middle, 1.0f))).center()).toPoint();
    sendMouse(canvas, QEvent::MouseButtonPress, grab, Qt::LeftButton);
    if (canvas.project().firstSelectedIndex() < 0) {
        state.SkipWithError("nothing picked under the grab point");
        return;
    }
    PaintCounter paints;
    canvas.installEventFilter(&paints);
    std::vector<double> milliseconds;
    int step = 0;
    for (auto _ : state) {
        const int phase = step++ % 200;
        const int dx = phase < 100 ? phase * 3 : (200 - phase) * 3;
        const auto start = std::chrono::steady_clock::now();
        sendMouse(canvas, QEvent::MouseMove, grab + QPoint(dx, dx / 4), Qt::LeftButton);
        QApplication::processEvents(); // the paint the move asked for
        milliseconds.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    sendMouse(canvas, QEvent::MouseButtonRelease, grab, Qt::NoButton);
    std::sort(milliseconds.begin(), milliseconds.end());
    state.counters["median_ms"] = milliseconds[milliseconds.size() / 2];
    state.counters["paints_per_move"] = double(paints.count) / double(milliseconds.size());
    state.counters["p90_ms"] = milliseconds[milliseconds.size() * 9 / 10];
    state.SetLabel("1920x1080, 20 photos + 3 texts, zoom 1, whole collage in view");
}
BENCHMARK(dragSelectedPhoto)->Unit(benchmark::kMillisecond)->MinTime(3.0);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    montora::ImageLibrary::initialise(argv[0]);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
