#include "project_file/ProjectSections.h"

#include "app/FrmSiteIdentification.h"
#include "general_design/FrmGenDesign.h"
#include "project_file/GeneralDesignInfo.h"
#include "project_file/SiteIDInfo.h"

namespace FileHandling {

ProjectFileFormat::SectionTable ProjectSections() {
    ProjectFileFormat::SectionTable sections;
    if (FrmSiteIdentification::Instance()) {
        sections.Register(1, {WriteSiteIDInfo, ReadSiteIDInfo});
    }
    if (FrmGenDesign::Instance()) {
        sections.Register(11, {WriteGeneralDesignInfo, ReadGeneralDesignInfo});
    }
    return sections;
}

} // namespace FileHandling
