#pragma once

#include "standard_designs/StandardDesignsContents.h"

#include <QString>

// The standard design results export: the window's contents and the site
// identification as comma-separated text.
namespace modExportVSHAStandardResults {

// Writes the file (replacing one of that name only once the whole text is
// written). Throws AppError when it cannot be written.
void ExportStandardResults(const QString& fileName, const StandardDesignsContents& contents);

} // namespace modExportVSHAStandardResults
