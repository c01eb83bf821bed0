// File Open, Save As and Print of projects far larger than the example, made
// at the start from the example itself: every grid that a read grows filled
// to its row cap, and a project of 2,500 rows a grid whose selection records
// move the selection many times.
#include "BenchProgram.h"
#include "BenchSupport.h"
#include "FakePrintQueue.h"
#include "FilledGrids.h"
#include "FreshProgram.h"
#include "ReorderedRecords.h"
#include "RowCapProject.h"

#include "general_design/FrmGenDesign.h"
#include "inlets/FrmDropInletDesign.h"
#include "inlets/FrmTaperedInletDesign.h"
#include "platform/FlexGrid.h"
#include "standard_designs/FrmVSHAStandardDesigns.h"
#include "tailwater/FrmTailWaterRatingCurve.h"

#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <optional>
#include <string>

namespace {

// Open of the project with every grid at its row cap in a program just
// started in this process, which made the project through the program's own
// Open and Save first, Save As of it, and Open of it again over what the first
// left, in turn, so that their ratios are measured on the same machine load.
// The time reported is the first Open's.
void RowCapProjectOpenAndSaveAs(benchmark::State& state) {
    QTemporaryDir dir;
    const QString project = dir.filePath("row_cap.twl");
    const QString saved = dir.filePath("saved.twl");
    if (!MakeRowCapProject(state, project)) {
        return;
    }
    const std::string bytes = FileBytes(project);
    double open = 0;
    double save = 0;
    double reopen = 0;
    for (auto _ : state) {
        BenchProgram program;
        const std::optional<FreshProgramTimes> times = TimeOpenSaveAsOpen(program, project, saved);
        if (!times) {
            state.SkipWithError(RowCapNotOpened);
            return;
        }
        open += times->open;
        save += times->saveAs;
        reopen += times->reopen;
        state.SetIterationTime(times->open);
        state.counters["resident_MB"] = ResidentMegabytes();
    }
    if (FileBytes(saved) != bytes) {
        state.SkipWithError("the row-cap project did not save back byte for byte");
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["save_ms"] = 1000 * save / iterations;
    state.counters["reopen_ms"] = 1000 * reopen / iterations;
    state.counters["open_per_save"] = open / save;
    state.counters["reopen_per_save"] = reopen / save;
    state.counters["file_MB"] = static_cast<double>(bytes.size()) / (1024 * 1024);
}
BENCHMARK(RowCapProjectOpenAndSaveAs)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(3);

// The row-cap project's bytes, changed or not, before it is opened.
using Reordering = std::string (*)(std::string_view);

// Open of the row-cap project in a program started for it in a process of its
// own, then Save As of it and Open of it again over what the first left, as
// in RowCapProjectOpenAndSaveAs but with nothing opened in that process
// before. The time reported is the first Open's. `reorder` gives the project
// its records in another order, with no record changed.
void RowCapProjectInAFreshProgram(benchmark::State& state, Reordering reorder) {
    QTemporaryDir dir;
    const QString project = dir.filePath("row_cap.twl");
    if (!MakeRowCapProject(state, project)) {
        return;
    }
    const std::string written = FileBytes(project);
    if (!WriteBytes(project, reorder(written))) {
        state.SkipWithError("the reordered project could not be written");
        return;
    }
    const QString saved = dir.filePath("saved.twl");
    FreshProgramTimes sum;
    for (auto _ : state) {
        const auto times = TimeOpenInFreshProgram(project, saved);
        if (!times) {
            state.SkipWithError("the fresh program failed or an Open gave a message");
            return;
        }
        sum.open += times->open;
        sum.saveAs += times->saveAs;
        sum.reopen += times->reopen;
        state.SetIterationTime(times->open);
    }
    if (FileBytes(saved) != written) {
        state.SkipWithError("the row-cap project did not save back as the program wrote it");
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["save_ms"] = 1000 * sum.saveAs / iterations;
    state.counters["reopen_ms"] = 1000 * sum.reopen / iterations;
    state.counters["open_per_save"] = sum.open / sum.saveAs;
    state.counters["reopen_per_save"] = sum.reopen / sum.saveAs;
}

#define TW_FRESH(name, reorder)                                                                    \
    BENCHMARK_CAPTURE(RowCapProjectInAFreshProgram, name, reorder)                                 \
        ->Unit(benchmark::kMillisecond)                                                            \
        ->UseManualTime()                                                                          \
        ->Iterations(3)

TW_FRESH(AsWritten, [](std::string_view bytes) { return std::string(bytes); });
TW_FRESH(SectionRecordsReversed, WithSectionRecordsReversed);
TW_FRESH(SectionsReversed, WithSectionsReversed);

// Open of the row-cap project with its first discharge moved to row 9 by one
// changed digit: the save would give back no result, and Open looks at every
// record to name the 150,000 it would lose.
void RowCapProjectWithADischargeMoved(benchmark::State& state) {
    QTemporaryDir dir;
    const QString project = dir.filePath("row_cap.twl");
    if (!MakeRowCapProject(state, project)) {
        return;
    }
    std::string bytes = FileBytes(project);
    const std::string first = "\"GENERALDESIGNINFO271829\",2,1,1,";
    bytes.replace(bytes.find(first), first.size(), "\"GENERALDESIGNINFO271829\",2,9,1,");
    BenchProgram program;
    if (!program.Started() || !WriteBytes(project, bytes)) {
        state.SkipWithError("the program did not start or the project could not be written");
        return;
    }
    for (auto _ : state) {
        if (program.Open(project)) {
            state.SkipWithError("the moved discharge was not told");
            return;
        }
    }
}
BENCHMARK(RowCapProjectWithADischargeMoved)->Unit(benchmark::kMillisecond)->Iterations(3);

// Print of each report whose grid the row-cap project fills to its cap, sent
// to a print queue that keeps the PDF: the longest prints a user can ask for.
using PrintButton = QPushButton* (*)(const StartUpMod::LoadedWindows&);

void RowCapProjectPrinted(benchmark::State& state, PrintButton printButton) {
    QTemporaryDir dir;
    const QString project = dir.filePath("row_cap.twl");
    if (!MakeRowCapProject(state, project)) {
        return;
    }
    BenchProgram program;
    if (!program.Open(project)) {
        state.SkipWithError(RowCapNotOpened);
        return;
    }
    FakePrintQueue queue({"Office Laser"});
    QPushButton* const button = printButton(*program.windows);
    for (auto _ : state) {
        queue.jobs.clear();
        button->click();
        if (queue.jobs.size() != 1 || !program.user.shown.empty()) {
            state.SkipWithError("the report did not print without a message");
            return;
        }
    }
    state.counters["pdf_MB"] = static_cast<double>(queue.jobs[0].pdf.size()) / (1024 * 1024);
}

#define TW_PRINTED(name, button)                                                                   \
    BENCHMARK_CAPTURE(RowCapProjectPrinted, name,                                                  \
                      [](const StartUpMod::LoadedWindows& w) { return w.button; })                 \
        ->Unit(benchmark::kMillisecond)                                                            \
        ->Iterations(1)

TW_PRINTED(RatingTable, tailwaterRatingCurve->CmdPrintTable);
TW_PRINTED(StandardDesigns, standardDesigns->CmdSendToPrinter);
TW_PRINTED(TaperedInlet, taperedInlet->CmdSendToPrinter);
TW_PRINTED(DropInlet, dropInlet->cmdPrint);
TW_PRINTED(GeneralCulvertDesign, genDesign->CmdSendToPrinter);

// The selection record `record` (with its line end) standing `copies` times
// more, each copy choosing the row above the record's or the record's own in
// turn, so that every one of them moves the selection, and the last of them
// chooses what the record does.
std::string SelectionMovedBack(const std::string& record, int copies) {
    const size_t rowAt = record.rfind(',') + 1;
    const std::string lead = record.substr(0, rowAt);
    const int row = std::stoi(record.substr(rowAt));
    std::string moves;
    for (int left = copies; left > 0; --left) {
        moves += lead + std::to_string(left % 2 == 1 ? row - 1 : row) + "\r\n";
    }
    return moves + record;
}

// Open of a project of 2,500 rows a grid whose selection record (the one that
// begins with `selection`) is preceded by state.range(0) more that move the
// selection between two designs: each move should cost no more than its share
// of the file, not a pass over the grids. The read names each record whose
// selection the next one replaced, in its one message.
void OpenWithRepeatedSelection(benchmark::State& state, const std::string& selection) {
    BenchProgram program;
    QTemporaryDir dir;
    const QString project = dir.filePath("repeated.twl");
    std::string content = WithGridsFilledTo(Example(), 2500);
    const size_t start = content.find(selection);
    const size_t end = content.find("\r\n", start) + 2;
    const std::string record = content.substr(start, end - start);
    const int copies = static_cast<int>(state.range(0));
    content.replace(start, end - start, SelectionMovedBack(record, copies));
    if (!program.Started() || !WriteBytes(project, content)) {
        state.SkipWithError("the program did not start or the project could not be written");
        return;
    }
    const QString told = "was read, but " + QString::number(copies) + " of its records";
    for (auto _ : state) {
        const bool silent = program.Open(project);
        const std::vector<QString> messages = program.user.MessageTexts();
        if (copies == 0 ? !silent : messages.size() != 1 || !messages[0].contains(told)) {
            state.SkipWithError("the read did not name every move of the selection, alone");
            return;
        }
    }
}

#define TW_REPEATED(name, selection)                                                               \
    BENCHMARK_CAPTURE(OpenWithRepeatedSelection, name, std::string(selection))                     \
        ->Arg(0)                                                                                   \
        ->Arg(1)                                                                                   \
        ->Arg(100)                                                                                 \
        ->Arg(10000)                                                                               \
        ->Unit(benchmark::kMillisecond)

TW_REPEATED(StandardDesigns, "\"VSHASTANDARDDESIGNINFO2379\",10,");
TW_REPEATED(TaperedInlet, "\"TAPEREDINLETDESIGNINFO98384\",5,");
TW_REPEATED(DropInletBarrels, "\"DROPINLETDESIGNINFO837321\",6,");
TW_REPEATED(DropInletWeir, "\"DROPINLETDESIGNINFO837321\",7,");

} // namespace
