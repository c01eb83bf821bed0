#pragma once

#include "app/SiteFields.h"
#include "hydrology/HydrologyContents.h"

class TwipsPrinter;

// The printed Vosk Runoff Chart report, one portrait page: the site block,
// the title, the drainage area, the land-use factor as chosen or typed, the
// chart discharge and the table of discharges by return period. It prints the
// window's texts as they stand, computed or not, and checks nothing.
// Positions are in twips; y is where the next block starts.
namespace PrtVoskRunoffChart {

// The report of the window as it stands, with the site window's fields.
void PrintVoskRunoffChart(TwipsPrinter& printer);

// The same report for given contents and site, ending the document.
void PrintContents(TwipsPrinter& printer, const RunoffChartContents& contents,
                   const SiteFields& fields);

void PrintRunoffChartDrainageArea(TwipsPrinter& printer, float& y,
                                  const RunoffChartContents& contents);
void PrintRunoffChartLandUse(TwipsPrinter& printer, float& y, const RunoffChartContents& contents);
void PrintRunoffChartQ(TwipsPrinter& printer, float& y, const RunoffChartContents& contents);
void PrintRunoffChartResults(TwipsPrinter& printer, float& y, const RunoffChartContents& contents);

} // namespace PrtVoskRunoffChart
