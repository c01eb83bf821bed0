// The benchmarks of windows, grids and reports need a QApplication.
#include "FreshProgram.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstring>

int main(int argc, char** argv) {
    // Grids are measured off screen unless the caller asks for a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    if (argc == 4 && std::strcmp(argv[1], FreshProgramOption) == 0) {
        return TimeOpenInThisProgram(QString::fromLocal8Bit(argv[2]),
                                     QString::fromLocal8Bit(argv[3]));
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
