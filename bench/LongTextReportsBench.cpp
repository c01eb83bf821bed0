// Every report printed to a PDF file, as its Print button prints it, with
// every site box, the runoff chart's land-use description and the first
// Return Period of General Culvert Design at the longest text a box takes
// without a blank, beside the same report with short texts: fitting a long
// text to its room that takes more than n log n in its length shows as a
// ratio far above 1.
#include "BenchProgram.h"
#include "BenchSupport.h"
#include "LongTexts.h"
#include "ReportPageChecks.h"
#include "general_design/FrmGenDesign.h"
#include "general_design/TailwaterChannel.h"
#include "hydrology/FrmVoskRunoffChart.h"
#include "platform/FieldLimit.h"
#include "platform/FlexGrid.h"
#include "platform/TwipsPrinterTargets.h"
#include "tailwater/FrmTailWaterCrossSection.h"
#include "tailwater/FrmTailWaterRatingCurve.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

namespace {

using ReportPageChecks::EveryReport;

const QString ExampleProject = QStringLiteral(TW_EXAMPLE_PROJECT);
constexpr auto LongLength = static_cast<qsizetype>(FieldLimit::MaxLength);

const QString ShortText = Letters(8);
const QString LongUnbroken = Letters(LongLength);
const QString LongWords = Letters(LongLength, 8);

// The texts the reports show set to `text`, and the windows whose results
// the reports print computed; whether that gave no message.
bool SetTexts(BenchProgram& program, const QString& text) {
    StartUpMod::LoadedWindows& w = *program.windows;
    for (QLineEdit* box :
         {w.siteIdentification->TxtFileNumber, w.siteIdentification->TxtDesignNumber,
          w.siteIdentification->TxtCounty, w.siteIdentification->TxtProject,
          w.siteIdentification->TxtProjectNumber, w.siteIdentification->TxtStructureLocation,
          w.siteIdentification->TxtStream, w.siteIdentification->TxtDesigner}) {
        box->setText(text);
    }
    w.voskRunoffChart->Opt_VRC_LUS[1]->click();
    w.voskRunoffChart->Txt_VRC_UserLUSDescript->setText(text);
    w.voskRunoffChart->Txt_VRC_UserLF->setText(QStringLiteral("0.6"));
    w.voskRunoffChart->Cmd_VRC_ComputeQ->click();
    w.genDesign->GrdDesignQs->SetTextMatrix(1, 1, text);
    w.genDesign->CmdComputeAllResults->click();
    // The cross-section and rating curve reports print what these show.
    w.tailwaterCrossSection->CmdPlotXSection_Click();
    w.tailwaterRatingCurve->CmdComputeRatingsCurve_Click();
    return program.user.shown.empty();
}

struct Printed {
    double seconds = 0;
    size_t pages = 0;
};

// The report laid out with the PDF file's measures and the file written.
Printed PrintToPdf(const ReportPageChecks::Print& print) {
    QTemporaryDir dir;
    const auto start = std::chrono::steady_clock::now();
    auto target = OpenPdfFile(dir.filePath("report.pdf"), "Tarnwell - report");
    TwipsPrinter printer(target->Metrics());
    print(printer);
    printer.EndDoc();
    target->Deliver(printer.Document());
    return {Seconds(std::chrono::steady_clock::now() - start), printer.Document().pages.size()};
}

// The quickest of a few prints, as the short texts' time that the long ones
// are set against.
Printed QuickestOfThree(const ReportPageChecks::Print& print) {
    Printed quickest = PrintToPdf(print);
    for (int i = 0; i < 2; ++i) {
        const Printed again = PrintToPdf(print);
        quickest.seconds = std::min(quickest.seconds, again.seconds);
    }
    return quickest;
}

// The timed prints are of the long unbroken texts; the counters give the
// short texts' time and pages, the time with long texts of eight-letter words,
// and the long texts' times over the short one's.
void LongTextReportToPdf(benchmark::State& state, size_t report) {
    BenchProgram program;
    const auto skip = [&](const QString& texts) {
        const QString message =
            program.user.shown.empty() ? QString() : ": " + program.user.shown.front().text;
        state.SkipWithError(("no report with " + texts + message).toStdString().c_str());
    };
    if (!program.Open(ExampleProject) || !SetTexts(program, ShortText)) {
        skip(QStringLiteral("the short texts"));
        return;
    }
    const ReportPageChecks::Print print = EveryReport(*program.windows)[report].second;
    const Printed shortTexts = QuickestOfThree(print);
    if (!SetTexts(program, LongWords)) {
        skip(QStringLiteral("the long words"));
        return;
    }
    const Printed words = QuickestOfThree(print);
    if (!SetTexts(program, LongUnbroken)) {
        skip(QStringLiteral("the long unbroken texts"));
        return;
    }
    Printed unbroken;
    for (auto _ : state) {
        const Printed once = PrintToPdf(print);
        unbroken.seconds += once.seconds;
        unbroken.pages = once.pages;
    }
    const double mean = unbroken.seconds / static_cast<double>(state.iterations());
    state.counters["short_ms"] = 1000 * shortTexts.seconds;
    state.counters["words_ms"] = 1000 * words.seconds;
    state.counters["unbroken_x"] = mean / shortTexts.seconds;
    state.counters["words_x"] = words.seconds / shortTexts.seconds;
    state.counters["pages"] = static_cast<double>(unbroken.pages);
    state.counters["short_pages"] = static_cast<double>(shortTexts.pages);
}

// One benchmark a report, named after it. The list is only read for its
// names here, so its windows are never made; each benchmark prints from the
// program it starts.
[[maybe_unused]] const bool Registered = [] {
    const auto* unnamed = new StartUpMod::LoadedWindows;
    const auto reports = EveryReport(*unnamed);
    for (size_t r = 0; r < reports.size(); ++r) {
        QString name = QString::fromLatin1(reports[r].first);
        name.replace(u' ', u'_');
        benchmark::RegisterBenchmark(
            ("LongTextReportToPdf/" + name).toStdString().c_str(),
            [r](benchmark::State& state) { LongTextReportToPdf(state, r); })
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

} // namespace
