#pragma once

#include "app/SiteFields.h"

class TwipsPrinter;

// The site identification block that opens the hydrology reports: the agency's
// title line in bold over a ruled table of the eight site fields. It draws in
// the caller's font and page and leaves the font as it found it, bold off.
namespace PrtSiteID {

// From y down; y comes back as the height of the block's bottom rule.
void PrintSiteID(TwipsPrinter& printer, float& y, const SiteFields& fields);

void PrintAgencyTitle(TwipsPrinter& printer, float& y);
void PrintSiteIDFields(TwipsPrinter& printer, float& y, const SiteFields& fields);

} // namespace PrtSiteID
