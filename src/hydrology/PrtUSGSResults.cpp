#include "hydrology/PrtUSGSResults.h"

#include "app/FrmSiteIdentification.h"
#include "hydrology/FrmUSGSRegression.h"
#include "hydrology/HydrologyReport.h"
#include "platform/TwipsPrinter.h"

#include <algorithm>

namespace PrtUSGSResults {
namespace {

using HydrologyReport::Trimmed;

constexpr float Left = 1000;
constexpr float Indent = 1500;
constexpr float RowGap = 30;

// A label at the indent, the value centred between x0 and x1, the unit at
// x1, then the value's underline 30 below the line.
void PrintCharacteristic(TwipsPrinter& printer, const QString& label, const QString& value,
                         const QString& unit, float x0, float x1) {
    printer.SetCurrentX(Indent);
    printer.Print(label);
    printer.SetCurrentX((x0 + x1) / 2 - printer.TextWidth(value) / 2);
    printer.Print(value);
    printer.SetCurrentX(x1);
    printer.PrintLine(unit);
    printer.SetCurrentY(printer.CurrentY() + RowGap);
    printer.Line(x0, printer.CurrentY(), x1, printer.CurrentY());
}

} // namespace

void PrintUSGSResults(TwipsPrinter& printer) {
    PrintContents(printer, FrmUSGSRegression::Instance()->Contents(),
                  FrmSiteIdentification::CurrentFields());
}

void PrintContents(TwipsPrinter& printer, const USGSRegressionContents& contents,
                   const SiteFields& fields) {
    float y = 0;
    HydrologyReport::BeginPage(printer, y, fields);
    HydrologyReport::PrintTitle(printer, y, "USGS FLOOD FREQUENCY, YULD - 2001");
    PrintUSGSDrainageAreas(printer, y, contents);
    PrintUSGSWatershedChars(printer, y, contents);
    PrintUSGSResultsTable(printer, y, contents);
    printer.EndDoc();
}

void PrintUSGSDrainageAreas(TwipsPrinter& printer, float& y,
                            const USGSRegressionContents& contents) {
    HydrologyReport::PrintTableHeading(printer, y, "WATERSHED DRAINAGE AREA", Left, false);
    HydrologyReport::TableRows rows = {{" ", "Drainage Area"}, {"Region", "(square miles)"}};
    for (size_t i = 0; i < contents.regionDA.size(); ++i) {
        rows.push_back({QString::number(i + 1), Trimmed(contents.regionDA[i])});
    }
    rows.push_back({"Total", Trimmed(contents.totalDA)});
    HydrologyReport::PrintRuledTable(printer, y, rows, Left, false);
}

void PrintUSGSWatershedChars(TwipsPrinter& printer, float& y,
                             const USGSRegressionContents& contents) {
    printer.SetCurrentY(y);
    printer.PrintLine();
    printer.SetCurrentX(Left);
    printer.PrintLine("WATERSHED CHARACTERISTICS (Optional)");
    printer.SetCurrentY(printer.CurrentY() + RowGap);
    const QString slope = Trimmed(contents.mainChannelSlope);
    const QString lobe = Trimmed(contents.orlenLobeArea);
    // The margin is added before the floor here, unlike the tables' columns.
    const float width =
        std::max(std::max(printer.TextWidth(slope), printer.TextWidth(lobe)) + 300, 1000.0f);
    const float x0 = Indent + std::max(printer.TextWidth("MCS:"), printer.TextWidth("ORL:"));
    const float x1 = x0 + width;
    PrintCharacteristic(printer, "MCS: ", slope, "feet per mile", x0, x1);
    printer.SetCurrentY(printer.CurrentY() + RowGap);
    PrintCharacteristic(printer, "ORL: ", lobe, "square miles", x0, x1);
    printer.SetCurrentY(printer.CurrentY() + 2 * RowGap);
    for (const char* legend : {"MCS: Main Channel Slope of the Watershed.",
                               "ORL: Drainage area of the watershed in the Orlen Lobe landform "
                               "region."}) {
        printer.SetCurrentX(Indent);
        printer.PrintLine(legend);
        printer.SetCurrentY(printer.CurrentY() + RowGap);
    }
    printer.PrintLine();
    y = printer.CurrentY();
}

void PrintUSGSResultsTable(TwipsPrinter& printer, float& y,
                           const USGSRegressionContents& contents) {
    HydrologyReport::PrintTableHeading(printer, y, "RESULTS", Left, false);
    HydrologyReport::TableRows rows = {{"Return Period", "Q"}, {"(years)", "(ft^3/s)"}};
    for (const auto& result : contents.results) {
        rows.push_back({Trimmed(result[0]), Trimmed(result[1])});
    }
    HydrologyReport::PrintRuledTable(printer, y, rows, Left, false);
}

} // namespace PrtUSGSResults
