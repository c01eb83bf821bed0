// File Open over work not saved: the box typed into, then Open with Yes to
// its question, of the example and of the row-cap project. Open over a project
// left as it was opened asks nothing and is timed by OpenExampleProject and
// the row-cap benchmarks' Open again; both compare what a Save would write
// with what the last Open read.
#include "BenchProgram.h"
#include "BenchSupport.h"
#include "RowCapProject.h"

#include "app/FrmSiteIdentification.h"

#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void OpenOverUnsavedWork(benchmark::State& state, BenchProgram& program, const QString& project) {
    if (!program.Open(project)) {
        state.SkipWithError("the project did not open without a message");
        return;
    }
    QLineEdit& stream = *program.windows->siteIdentification->TxtStream;
    for (auto _ : state) {
        stream.setText("typed, not saved");
        if (!program.OpenOverUnsavedWork(project)) {
            state.SkipWithError("Open did not ask once, then open without a message");
            return;
        }
    }
    state.counters["resident_MB"] = ResidentMegabytes();
}

void ExampleProjectOpenOverUnsavedWork(benchmark::State& state) {
    BenchProgram program;
    OpenOverUnsavedWork(state, program, QStringLiteral(TW_EXAMPLE_PROJECT));
}
BENCHMARK(ExampleProjectOpenOverUnsavedWork)->Unit(benchmark::kMillisecond);

void RowCapProjectOpenOverUnsavedWork(benchmark::State& state) {
    QTemporaryDir dir;
    const QString project = dir.filePath("row_cap.twl");
    if (!MakeRowCapProject(state, project)) {
        return;
    }
    BenchProgram program;
    OpenOverUnsavedWork(state, program, project);
}
BENCHMARK(RowCapProjectOpenOverUnsavedWork)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
