// One build of an investigation window followed by drawing its chart, per kind of window:
// diastole (168 points), systole (39 points, 3-D), cardiac cycle (510 points).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>

#include "chart/chart_widget.h"
#include "investigations/investigation_windows.h"
#include "tests/support/recording_desktop.h"

namespace {

template <class Window>
void buildAndDraw(benchmark::State& state, const QStringList& fields) {
    testing_support::RecordingDesktop desktop;
    Window window(desktop);
    for (int i = 0; i < 5; ++i) window.field(i + 1)->setText(fields[i]);
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
void cardiacCycleForm22(benchmark::State& state) {
    buildAndDraw<TForm22>(state, {"1,2", "50", "1", "1,5", "2"});
}

BENCHMARK(diastoleForm9)->Unit(benchmark::kMillisecond);
BENCHMARK(systoleForm26)->Unit(benchmark::kMillisecond);
BENCHMARK(cardiacCycleForm22)->Unit(benchmark::kMillisecond);

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
