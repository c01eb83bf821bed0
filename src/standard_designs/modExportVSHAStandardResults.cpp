#include "standard_designs/modExportVSHAStandardResults.h"

#include "app/SiteExportIdentity.h"
#include "platform/TextFile.h"
#include "standard_designs/StandardResultsExport.h"

namespace modExportVSHAStandardResults {

void ExportStandardResults(const QString& fileName, const StandardDesignsContents& contents) {
    SaveTextFile(fileName,
                 StandardResultsExport::ExportText(contents, CurrentExportSiteIdentity()));
}

} // namespace modExportVSHAStandardResults
