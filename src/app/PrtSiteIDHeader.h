#pragma once

#include "app/SiteFields.h"

class TwipsPrinter;

// The compact boxed header at the top of the reports' pages: county, file
// number (or project number when the file number is blank) and station,
// centred on the printable width. It prints at 9 points and gives the caller's
// font size back as a whole number of points; name and bold stay untouched.
namespace PrtSiteIDHeader {

// From y down; y comes back as the height of the header's bottom rule.
void PrintSiteIDHeader(TwipsPrinter& printer, float& y, const SiteFields& fields);

} // namespace PrtSiteIDHeader
