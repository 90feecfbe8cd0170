// Creating the whole window set (every window, control and picture) and showing the title
// window, as start-up does.

#include <benchmark/benchmark.h>

#include <QApplication>

#include "app/window_set.h"
#include "tests/support/program_fonts.h"
#include "tests/support/recording_desktop.h"
#include "ui/form.h"

static void BM_WindowSetStartUp(benchmark::State& state) {
    testing_support::RecordingDesktop desktop;
    for (auto _ : state) {
        app::WindowSet windows(desktop);
        windows.mainWindow()->Show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(windows.mainWindow()->isVisible());
    }
}
BENCHMARK(BM_WindowSetStartUp)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);
    testing_support::installFontsAsAtStartUp();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
