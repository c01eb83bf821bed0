#include "main/SiteIdentificationWiring.h"

#include "app/FrmSiteIdentification.h"
#include "app/MDIFrmMain.h"
#include "project_file/SiteIDInfo.h"

namespace SiteIdentificationWiring {

Wiring::Step Initialize(StartUpMod::LoadedWindows& w) {
    return {"FrmSiteIdentification.Initialize", [&w] {
                MDIFrmMain& main = *w.main;
                w.siteIdentification = new FrmSiteIdentification(main.MdiArea());
                w.siteIdentification->Initialize();
                w.siteIdentification->SetHelpPage(HelpPage);
                MDIFrmMain::Bind(main.mnuIdentification, [&w] { w.siteIdentification->StartUp(); });
            }};
}

Wiring::Step Clear(StartUpMod::LoadedWindows& w) {
    return {"FrmSiteIdentification.ClearData", [&w] { w.siteIdentification->ClearData(); }};
}

Wiring::Section Section() {
    return {1, {FileHandling::WriteSiteIDInfo, FileHandling::ReadSiteIDInfo}};
}

} // namespace SiteIdentificationWiring
