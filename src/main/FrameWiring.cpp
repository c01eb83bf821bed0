#include "main/FrameWiring.h"

#include "app/MDIFrmMain.h"
#include "app/MainFrm.h"

namespace FrameWiring {

Wiring::Step InitializeMainWindow(StartUpMod::LoadedWindows& w) {
    return {"MDIFrmMain.InitializeFrm", [&w] { w.main->InitializeFrm(); }};
}

Wiring::Step InitializePipeArchTestWindow(StartUpMod::LoadedWindows& w) {
    return {"MainFrm.Initialize", [&w] {
                w.mainFrm = new MainFrm(w.main->MdiArea());
                w.mainFrm->Initialize();
            }};
}

} // namespace FrameWiring
