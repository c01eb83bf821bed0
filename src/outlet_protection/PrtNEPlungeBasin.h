#pragma once

#include "app/SiteFields.h"
#include "outlet_protection/PlungeBasinContents.h"

class TwipsPrinter;
struct GenDesignCulvertType;

// The printed NE plunge basin report: one portrait page in Arial 10 with the
// compact site header, the title, the culvert inputs and the results as the
// window shows them. It computes nothing. Positions are in twips; y is where
// the next part starts, and each part leaves it just below what it printed.
namespace PrtNEPlungeBasin {

// The whole report of the window as it stands at the moment of printing,
// with the site window's fields, ending the document.
void PrintNEPlungeBasin(TwipsPrinter& printer);

// The same report for given contents of the window, their culvert type (none
// when the catalogue lists no type) and the site.
void PrintContents(TwipsPrinter& printer, const PlungeBasinContents& contents,
                   const GenDesignCulvertType& type, const SiteFields& fields);

void PrintTitle(TwipsPrinter& printer, float& y);
void PrintDesignQTW(TwipsPrinter& printer, float& y, const PlungeBasinContents& contents);
void PrintPipeDiameters(TwipsPrinter& printer, float& y, const PlungeBasinContents& contents);
void PrintSectionHeading(TwipsPrinter& printer, float& y);
void PrintRiprap(TwipsPrinter& printer, float& y, const PlungeBasinContents& contents);
void PrintBasinDims(TwipsPrinter& printer, float& y, const PlungeBasinContents& contents);
void PrintBasinWidthLength(TwipsPrinter& printer, float& y, const PlungeBasinContents& contents);

} // namespace PrtNEPlungeBasin
