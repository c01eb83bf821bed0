#pragma once

#include "app/SiteFields.h"
#include "riprap_basin/Hec14RiprapContents.h"

class TwipsPrinter;
struct GenDesignCulvertType;

// The printed HEC-14 riprap basin report: one portrait page in Arial 10 with
// the compact site header, the title, the culvert inputs, the design Q and
// tailwater, and under "RESULTS" the riprap sizes and thicknesses and the
// results grid, as the window shows them. It computes nothing. Positions are
// in twips; y is where the next part starts, and each part leaves it below
// what it printed.
namespace PrtHec14 {

// The whole report of the window as it stands at the moment of printing,
// with the site window's fields, ending the document.
void PrintHec14(TwipsPrinter& printer);

// The same report for given contents of the window, their culvert type (an
// empty one when the catalogue lists none) and the site.
void PrintContents(TwipsPrinter& printer, const Hec14RiprapContents& contents,
                   const GenDesignCulvertType& type, const SiteFields& fields);

void PrintRiprap(TwipsPrinter& printer, float& y, const Hec14RiprapContents& contents);
void PrintResultsGrid(TwipsPrinter& printer, float& y, const Hec14RiprapContents& contents);

} // namespace PrtHec14
