// The rating table's printed report and text export at the largest table the
// window holds, 9,999 rows: laid out with the PDF file's own font measures,
// and the whole PDF written.
#include "platform/Numbers.h"
#include "platform/TwipsPrinterTargets.h"
#include "tailwater/PrtTailwaterRatingCurveTable.h"
#include "tailwater/RatingTableExport.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

const RatingCurveContents& LargestTable() {
    static const RatingCurveContents contents = [] {
        RatingCurveContents table;
        table.stepSize = "0.001";
        for (int r = 0; r < 9999; ++r) {
            const double depth = 0.001 * r;
            const double values[] = {100 + depth,
                                     depth,
                                     400 * std::pow(depth, 1.6),
                                     2 * std::sqrt(depth),
                                     20 * depth + 2 * depth * depth,
                                     9000 * std::pow(depth, 1.6)};
            RatingCurveContents::RowCells& row = table.rows.emplace_back();
            for (size_t c = 0; c < row.size(); ++c) {
                row[c] = Numbers::Format(values[c], Numbers::GroupedTwoDecimals);
            }
        }
        return table;
    }();
    return contents;
}

void RatingTableReportLayout(benchmark::State& state) {
    QTemporaryDir dir;
    auto target = OpenPdfFile(dir.filePath("table.pdf"), "Tarnwell - Tailwater Rating Curve");
    size_t pages = 0;
    for (auto _ : state) {
        TwipsPrinter printer(target->Metrics());
        PrtTailwaterRatingCurveTable::PrintContents(printer, LargestTable(), {});
        pages = printer.Document().pages.size();
    }
    state.counters["pages"] = static_cast<double>(pages);
}

void RatingTableReportToPdf(benchmark::State& state) {
    QTemporaryDir dir;
    for (auto _ : state) {
        auto target = OpenPdfFile(dir.filePath("table.pdf"), "Tarnwell - Tailwater Rating Curve");
        TwipsPrinter printer(target->Metrics());
        PrtTailwaterRatingCurveTable::PrintContents(printer, LargestTable(), {});
        target->Deliver(printer.Document());
    }
}

void RatingTableExportText(benchmark::State& state) {
    size_t bytes = 0;
    for (auto _ : state) {
        bytes = RatingTableExport::ExportText(LargestTable(), {}).size();
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}

} // namespace

BENCHMARK(RatingTableReportLayout)->Unit(benchmark::kMillisecond);
BENCHMARK(RatingTableReportToPdf)->Unit(benchmark::kMillisecond);
BENCHMARK(RatingTableExportText)->Unit(benchmark::kMillisecond);
