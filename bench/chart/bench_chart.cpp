// Painting the two heaviest charts of the program into an image.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "chart/chart_render.h"
#include "tests/chart/sample_charts.h"

namespace {

void paintInto(benchmark::State& state, const chart::ChartData& data, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        chart::renderChart(painter, image.rect(), data, {}, image.size());
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["points"] = chart::samples::pointCount(data);
    state.counters["series"] = static_cast<double>(data.seriesList().size());
}

// The cardiac-cycle window: 14 series, 510 points, fixed time axis 0..1.6.
void BM_Paint2DCardiacCycle(benchmark::State& state) {
    chart::ChartData data;
    chart::samples::fillCardiacCycle(data);
    paintInto(state, data, {553, 449});
}
BENCHMARK(BM_Paint2DCardiacCycle)->Unit(benchmark::kMicrosecond);

// A systole window in 3-D: 5 series, 41 points.
void BM_Paint3DSystole(benchmark::State& state) {
    chart::ChartData data;
    chart::samples::fillSystole3D(data);
    paintInto(state, data, {537, 441});
}
BENCHMARK(BM_Paint3DSystole)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
