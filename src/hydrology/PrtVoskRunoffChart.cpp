#include "hydrology/PrtVoskRunoffChart.h"

#include "app/FrmSiteIdentification.h"
#include "hydrology/FrmVoskRunoffChart.h"
#include "hydrology/HydrologyReport.h"
#include "platform/ReportTextFit.h"
#include "platform/TwipsPrinter.h"
#include "platform/UiText.h"

#include <algorithm>

namespace PrtVoskRunoffChart {
namespace {

using HydrologyReport::Trimmed;

constexpr float Left = 1000;
constexpr float MinFieldWidth = 1000;
constexpr float DescriptionIndent = 1500;
constexpr int MaxDescriptionLines = 3;

// A label, the value centred over an underlined field that starts at the
// label's end, then the unit `unitGap` past the field; an empty line follows.
void PrintUnderlinedValue(TwipsPrinter& printer, float& y, const QString& label,
                          const QString& value, float fieldWidth, const QString& unit,
                          float unitGap) {
    printer.SetCurrentY(y);
    printer.SetCurrentX(Left);
    printer.Print(label);
    const float x1 = printer.CurrentX();
    const float x2 = x1 + fieldWidth;
    printer.SetCurrentX((x1 + x2) / 2 - printer.TextWidth(value) / 2);
    printer.Print(value);
    printer.SetCurrentX(x2 + unitGap);
    printer.PrintLine(unit);
    printer.Line(x1, printer.CurrentY(), x2, printer.CurrentY());
    printer.PrintLine();
    y = printer.CurrentY();
}

} // namespace

void PrintVoskRunoffChart(TwipsPrinter& printer) {
    PrintContents(printer, FrmVoskRunoffChart::Instance()->Contents(),
                  FrmSiteIdentification::CurrentFields());
}

void PrintContents(TwipsPrinter& printer, const RunoffChartContents& contents,
                   const SiteFields& fields) {
    float y = 0;
    HydrologyReport::BeginPage(printer, y, fields);
    HydrologyReport::PrintTitle(printer, y, "VOSK RUNOFF CHART");
    PrintRunoffChartDrainageArea(printer, y, contents);
    PrintRunoffChartLandUse(printer, y, contents);
    PrintRunoffChartQ(printer, y, contents);
    PrintRunoffChartResults(printer, y, contents);
    printer.EndDoc();
}

void PrintRunoffChartDrainageArea(TwipsPrinter& printer, float& y,
                                  const RunoffChartContents& contents) {
    const QString value = Trimmed(contents.drainageArea);
    const float width = std::max(printer.TextWidth(value) + 300, MinFieldWidth);
    PrintUnderlinedValue(printer, y, "Drainage Area:", value, width, "Acres", 50);
}

void PrintRunoffChartLandUse(TwipsPrinter& printer, float& y, const RunoffChartContents& contents) {
    printer.SetCurrentY(y);
    if (contents.lusOption == 1) {
        printer.SetCurrentX(Left);
        printer.PrintLine("User Land Use/Slope Description: ");
        // Wrapped to end as far from the right edge as the report starts from
        // the left, in as many lines as leave the page room for the rest.
        const float width = printer.ScaleWidth() - Left - DescriptionIndent;
        for (const QString& line : ReportTextFit::Wrap(printer, Trimmed(contents.userDescription),
                                                       width, MaxDescriptionLines)) {
            printer.SetCurrentX(DescriptionIndent);
            printer.PrintLine(line);
        }
        printer.SetCurrentX(Left);
        printer.Print("User LF: ");
        printer.PrintLine(Trimmed(contents.userLF));
    } else {
        const QString lines[3][2] = {{"Land Use: ", ToQString(contents.landUseText)},
                                     {"Slope: ", ToQString(contents.slopeText)},
                                     {"LF: ", Trimmed(contents.lfSelect)}};
        float labelWidth = 1000;
        for (const auto& line : lines) {
            labelWidth = std::max(labelWidth, printer.TextWidth(line[0]));
        }
        for (const auto& line : lines) {
            printer.SetCurrentX(Left + labelWidth - printer.TextWidth(line[0]));
            printer.Print(line[0]);
            printer.PrintLine(line[1]);
        }
    }
    printer.PrintLine();
    y = printer.CurrentY();
}

void PrintRunoffChartQ(TwipsPrinter& printer, float& y, const RunoffChartContents& contents) {
    const QString value = Trimmed(contents.chartQ);
    const float width = std::max(printer.TextWidth(value), MinFieldWidth);
    PrintUnderlinedValue(printer, y, "Chart Q:", value, width, "ft^3/s", 0);
}

void PrintRunoffChartResults(TwipsPrinter& printer, float& y, const RunoffChartContents& contents) {
    HydrologyReport::PrintTableHeading(printer, y, "RESULTS", Left, false);
    HydrologyReport::TableRows rows = {{"Return Period", "Frequency Factor", "Q"},
                                       {"(years)", "FF", "(ft^3/s)"}};
    for (const auto& result : contents.results) {
        rows.push_back({Trimmed(result[0]), Trimmed(result[1]), Trimmed(result[2])});
    }
    HydrologyReport::PrintRuledTable(printer, y, rows, Left, false);
}

} // namespace PrtVoskRunoffChart
