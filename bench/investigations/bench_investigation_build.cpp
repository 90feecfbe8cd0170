// One build of an investigation window followed by drawing its chart, per kind of window:
// diastole (168 points), systole (39 points, 3-D), cardiac cycle (510 points); and what a
// student does with the built cardiac-cycle chart: moving the pointer over it, saving its
// picture.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>

#include "chart/chart_render.h"
#include "chart/chart_widget.h"
#include "chart/readout.h"
#include "investigations/investigation_windows.h"
#include "tests/support/recording_desktop.h"

namespace {

// Edit1..Edit5 as typed.
void fill(investigations::InvestigationFrame& window, const QStringList& fields) {
    for (int i = 0; i < 5; ++i) window.field(i + 1)->setText(fields[i]);
}

// Typical values of the cardiac-cycle window.
const QStringList kForm22Fields{"1,2", "50", "1", "1,5", "2"};

template <class Window>
void buildAndDraw(benchmark::State& state, const QStringList& fields) {
    testing_support::RecordingDesktop desktop;
    Window window(desktop);
    fill(window, fields);
    chart::ChartWidget* const chart = window.chart();
    QImage image(chart->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        window.Button1Click();
        QPainter painter(&image);
        chart->render(&painter);
    }
    if (!desktop.errors.isEmpty()) state.SkipWithError("the build failed");
}

void diastoleForm9(benchmark::State& state) {
    buildAndDraw<TForm9>(state, {"120", "1,2", "0,5", "1", "2"});
}
void systoleForm26(benchmark::State& state) {
    buildAndDraw<TForm26>(state, {"1,2", "50", "0,5", "1", "2"});
}
void cardiacCycleForm22(benchmark::State& state) { buildAndDraw<TForm22>(state, kForm22Fields); }

BENCHMARK(diastoleForm9)->Unit(benchmark::kMillisecond);
BENCHMARK(systoleForm26)->Unit(benchmark::kMillisecond);
BENCHMARK(cardiacCycleForm22)->Unit(benchmark::kMillisecond);

// A pointer move over the built cardiac-cycle chart, until the readout is repainted.
void readoutPointerMove(benchmark::State& state) {
    testing_support::RecordingDesktop desktop;
    TForm22 window(desktop);
    fill(window, kForm22Fields);
    window.Button1Click();
    window.show();
    QApplication::processEvents();
    chart::ChartWidget* const chart = window.chart();
    const QRect plot = chart->layout().plot;
    int step = 0;
    for (auto _ : state) {
        // Across the plot and back, a few pixels a move, as a hand moves the mouse.
        const int x = plot.left() + 5 + (step++ * 7) % (plot.width() - 10);
        const QPointF at(x, plot.center().y());
        QMouseEvent move(QEvent::MouseMove, at, chart->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(chart, &move);
        QApplication::processEvents();
    }
    if (!chart->readout().isShown()) state.SkipWithError("no readout");
}
BENCHMARK(readoutPointerMove)->Unit(benchmark::kMicrosecond);

// The picture of the cardiac-cycle chart at twice its pixels, written as PNG.
void pngExport(benchmark::State& state) {
    testing_support::RecordingDesktop desktop;
    TForm22 window(desktop);
    fill(window, kForm22Fields);
    window.Button1Click();
    const chart::ChartWidget& chart = *window.chart();
    for (auto _ : state) {
        const QByteArray png =
            chart::pngBytes(chart::chartImage(chart.data(), chart.viewState(), chart.size(), 2));
        benchmark::DoNotOptimize(png.size());
        state.counters["kB"] = static_cast<double>(png.size()) / 1024;
    }
}
BENCHMARK(pngExport)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Russian));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
