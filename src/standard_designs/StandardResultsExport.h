#pragma once

#include "platform/ExportSiteHeader.h"
#include "standard_designs/StandardDesignsContents.h"

#include <string>

// The comma-separated text export of the standard designs: the site header
// block, the design inputs and the five result tables as the window shows
// them, in the report's order.
namespace StandardResultsExport {

// The whole file.
std::string ExportText(const StandardDesignsContents& contents, const ExportSiteIdentity& site);

} // namespace StandardResultsExport
