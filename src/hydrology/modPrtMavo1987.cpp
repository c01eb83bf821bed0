#include "hydrology/modPrtMavo1987.h"

#include "app/FrmSiteIdentification.h"
#include "hydrology/HydrologyReport.h"
#include "hydrology/frmUSGSMavo1987.h"
#include "platform/TwipsPrinter.h"

namespace modPrtMavo1987 {
namespace {

using HydrologyReport::Trimmed;

constexpr float TableLeft = 1440;
constexpr float BetweenBlocks = 200;

} // namespace

void PrintReport(TwipsPrinter& printer) {
    PrintContents(printer, frmUSGSMavo1987::Instance()->Contents(),
                  FrmSiteIdentification::CurrentFields());
}

void PrintContents(TwipsPrinter& printer, const Mavo1987Contents& contents,
                   const SiteFields& fields) {
    float y = 0;
    HydrologyReport::BeginPage(printer, y, fields);
    // The trailing blank belongs to the title: the underline runs past it.
    HydrologyReport::PrintTitle(printer, y, "USGS FLOOD FREQUENCY, MAVO - 1987 ");
    y += BetweenBlocks;
    PrintDrainageAreaTable(printer, y, contents);
    y += BetweenBlocks;
    PrintResultsTable(printer, y, contents);
    printer.EndDoc();
}

void PrintDrainageAreaTable(TwipsPrinter& printer, float& y, const Mavo1987Contents& contents) {
    HydrologyReport::PrintTableHeading(printer, y, "WATERSHED DRAINAGE AREA", TableLeft, true);
    HydrologyReport::TableRows rows = {{" ", "Drainage Area"}, {"Region", "(square miles)"}};
    for (size_t i = 0; i < contents.regionDA.size(); ++i) {
        rows.push_back({QString::number(i + 1), Trimmed(contents.regionDA[i])});
    }
    rows.push_back({"Total", Trimmed(contents.totalDA)});
    HydrologyReport::PrintRuledTable(printer, y, rows, TableLeft, true);
}

void PrintResultsTable(TwipsPrinter& printer, float& y, const Mavo1987Contents& contents) {
    HydrologyReport::PrintTableHeading(printer, y, "RESULTS", TableLeft, true);
    HydrologyReport::TableRows rows = {{"Return Period", "Q"}, {"(years)", "(ft^3/s)"}};
    for (const auto& result : contents.results) {
        rows.push_back({Trimmed(result[0]), Trimmed(result[1])});
    }
    HydrologyReport::PrintRuledTable(printer, y, rows, TableLeft, true);
}

} // namespace modPrtMavo1987
