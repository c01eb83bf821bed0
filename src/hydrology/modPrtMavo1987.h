#pragma once

#include "app/SiteFields.h"
#include "hydrology/HydrologyContents.h"

class TwipsPrinter;

// The printed USGS Mavo 1987 report, one portrait page: the site block, the
// title, a ruled table of the drainage area of each region with the total
// and a ruled table of the discharges by return period, each as the window
// shows it; the tables' headings are bold. Positions are in twips; y is where
// the next block starts.
namespace modPrtMavo1987 {

// The report of the window as it stands, with the site window's fields.
void PrintReport(TwipsPrinter& printer);

// The same report for given contents and site, ending the document.
void PrintContents(TwipsPrinter& printer, const Mavo1987Contents& contents,
                   const SiteFields& fields);

void PrintDrainageAreaTable(TwipsPrinter& printer, float& y, const Mavo1987Contents& contents);
void PrintResultsTable(TwipsPrinter& printer, float& y, const Mavo1987Contents& contents);

} // namespace modPrtMavo1987
