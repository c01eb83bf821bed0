#pragma once

#include "platform/ExportSiteHeader.h"
#include "tailwater/FrmTailWaterRatingCurveContents.h"

#include <string>

// The comma-separated text export of the rating table: the site header
// block, the title, the step size as typed and the table as the window shows
// it, every row that holds any text.
namespace RatingTableExport {

// The whole file.
std::string ExportText(const RatingCurveContents& contents, const ExportSiteIdentity& site);

} // namespace RatingTableExport
