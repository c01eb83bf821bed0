#pragma once

#include "standard_designs/StandardDesignsContents.h"

#include <string>

class TextExportWriter;

// The comma-separated text export of the standard designs: the site header
// block, the design inputs and the five result tables as the window shows
// them, in the report's order.
namespace StandardResultsExport {

// The site identification fields the exports head their files with, as typed.
struct SiteIdentity {
    std::string county;
    std::string fileNumber;
    std::string projectNumber;
    std::string station;
};

// The two lines every export starts with: labels, then the trimmed texts; the
// project number stands in for a blank file number.
void WriteSiteHeader(TextExportWriter& out, const SiteIdentity& site);

// The whole file.
std::string ExportText(const StandardDesignsContents& contents, const SiteIdentity& site);

} // namespace StandardResultsExport
