// The benchmarks of windows, grids and reports need a QApplication.
#include <QApplication>

#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    // Grids are measured off screen unless the caller asks for a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
