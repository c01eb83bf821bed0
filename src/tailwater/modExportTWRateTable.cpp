#include "tailwater/modExportTWRateTable.h"

#include "app/SiteExportIdentity.h"
#include "platform/TextFile.h"
#include "tailwater/RatingTableExport.h"

namespace modExportTWRateTable {

void ExportTWRateTable(const QString& fileName, const RatingCurveContents& contents) {
    SaveTextFile(fileName, RatingTableExport::ExportText(contents, CurrentExportSiteIdentity()));
}

} // namespace modExportTWRateTable
