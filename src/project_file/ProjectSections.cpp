#include "project_file/ProjectSections.h"

#include "app/FrmSiteIdentification.h"
#include "project_file/SiteIDInfo.h"

namespace FileHandling {

ProjectFileFormat::SectionTable ProjectSections() {
    ProjectFileFormat::SectionTable sections;
    if (FrmSiteIdentification::Instance()) {
        sections.Register(1, {WriteSiteIDInfo, ReadSiteIDInfo});
    }
    return sections;
}

} // namespace FileHandling
