#pragma once

#include "app/FrmSiteIdentification.h"
#include "platform/ExportSiteHeader.h"

// The site window's texts as the exports head their files with them, at the
// moment of the export; blank when the window does not exist.
inline ExportSiteIdentity CurrentExportSiteIdentity() {
    const SiteFields fields = FrmSiteIdentification::CurrentFields();
    auto text = [&fields](SiteField which) { return Field(fields, which).text.toStdString(); };
    return {text(SiteField::County), text(SiteField::FileNumber), text(SiteField::ProjectNumber),
            text(SiteField::StructureLocation)};
}
