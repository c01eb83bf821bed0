#pragma once

#include "tailwater/FrmTailWaterRatingCurveContents.h"

#include <QString>

// The rating table export: the rating curve window's contents and the site
// identification as comma-separated text.
namespace modExportTWRateTable {

// Writes the file (replacing one of that name only once the whole text is
// written). Throws AppError when it cannot be written.
void ExportTWRateTable(const QString& fileName, const RatingCurveContents& contents);

} // namespace modExportTWRateTable
