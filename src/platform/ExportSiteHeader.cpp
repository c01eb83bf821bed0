#include "platform/ExportSiteHeader.h"

#include "platform/Numbers.h"
#include "platform/TextExport.h"

void WriteExportSiteHeader(TextExportWriter& out, const ExportSiteIdentity& site) {
    using Numbers::Trim;
    const std::string fileNumber = Trim(site.fileNumber);
    const bool byProject = fileNumber.empty();
    out.ContinuedField("County")
        .ContinuedField(byProject ? "Project Number" : "File Number")
        .ContinuedField("Station")
        .LineEnd();
    out.ContinuedField(Trim(site.county))
        .ContinuedField(byProject ? Trim(site.projectNumber) : fileNumber)
        .ContinuedField(Trim(site.station))
        .LineEnd();
}
