#include "standard_designs/modExportVSHAStandardResults.h"

#include "app/FrmSiteIdentification.h"
#include "platform/TextFile.h"
#include "standard_designs/StandardResultsExport.h"

namespace modExportVSHAStandardResults {

void ExportStandardResults(const QString& fileName, const StandardDesignsContents& contents) {
    StandardResultsExport::SiteIdentity site;
    if (const FrmSiteIdentification* window = FrmSiteIdentification::Instance()) {
        const SiteFields fields = window->Fields();
        auto text = [&fields](SiteField which) { return Field(fields, which).text.toStdString(); };
        site = {text(SiteField::County), text(SiteField::FileNumber),
                text(SiteField::ProjectNumber), text(SiteField::StructureLocation)};
    }
    SaveTextFile(fileName, StandardResultsExport::ExportText(contents, site));
}

} // namespace modExportVSHAStandardResults
