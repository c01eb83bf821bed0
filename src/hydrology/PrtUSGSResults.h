#pragma once

#include "app/SiteFields.h"
#include "hydrology/HydrologyContents.h"

class TwipsPrinter;

// The printed USGS 2001 regression report, one portrait page: the site
// block, the title, the drainage area of each region with the total, the
// optional watershed characteristics and the table of discharges by return
// period, each as the window shows it. Positions are in twips; y is where the
// next block starts.
namespace PrtUSGSResults {

// The report of the window as it stands, with the site window's fields.
void PrintUSGSResults(TwipsPrinter& printer);

// The same report for given contents and site, ending the document.
void PrintContents(TwipsPrinter& printer, const USGSRegressionContents& contents,
                   const SiteFields& fields);

void PrintUSGSDrainageAreas(TwipsPrinter& printer, float& y,
                            const USGSRegressionContents& contents);
void PrintUSGSWatershedChars(TwipsPrinter& printer, float& y,
                             const USGSRegressionContents& contents);
void PrintUSGSResultsTable(TwipsPrinter& printer, float& y, const USGSRegressionContents& contents);

} // namespace PrtUSGSResults
