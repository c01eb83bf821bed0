#include "app/StartUpSequence.h"

#include "app/FrmSiteIdentification.h"
#include "app/FrmSplash.h"
#include "app/MDIFrmMain.h"
#include "app/MainFrm.h"
#include "general_design/FrmGenDesign.h"
#include "general_design/PrtGeneralCulvertDesign.h"
#include "hydraulics/GenDesignCatalogue.h"
#include "hydraulics/StandardCorrMetalPipeMod.h"
#include "hydraulics/StandardPipeMod.h"
#include "hydraulics/StandardRCArchPipe.h"
#include "hydraulics/StandardRCBoxMod.h"
#include "hydraulics/StandardSteelPipeArchMod.h"
#include "platform/ErrorReport.h"
#include "platform/ProgramDirectory.h"
#include "platform/ReportJob.h"
#include "project_file/FileHandling.h"

#include <QApplication>

namespace StartUpMod {
namespace {

// The loading steps, in the order in which later tables and windows rely on
// earlier ones: return periods before the windows that list them, standard
// sizes before the culvert types that refer to them, culvert types before the
// windows that list them.
std::vector<Step> LoadingSteps(LoadedWindows& w) {
    MDIFrmMain& main = *w.main;
    return {
        {"MDIFrmMain.InitializeFrm", [&main] { main.InitializeFrm(); }},
        {"FrmSiteIdentification.Initialize",
         [&w, &main] {
             w.siteIdentification = new FrmSiteIdentification(main.MdiArea());
             w.siteIdentification->Initialize();
             MDIFrmMain::Bind(main.mnuIdentification, [&w] { w.siteIdentification->StartUp(); });
         }},
        // runoff chart tables and window
        // rating-curve and cross-section plot layouts
        // 2001 regression tables; 1987 method tables
        // cross-section column names
        {"MainFrm.Initialize",
         [&w, &main] {
             w.mainFrm = new MainFrm(main.MdiArea());
             w.mainFrm->Initialize();
         }},
        // hydrology and tailwater windows
        {"StandardPipeMod.LoadStandardConcPipeSizes", StandardPipeMod::LoadStandardConcPipeSizes},
        {"StandardRCBoxMod.LoadStandardRCBoxSizes", StandardRCBoxMod::LoadStandardRCBoxSizes},
        {"StandardCorrMetalPipeMod.LoadStandardCMPSizes",
         StandardCorrMetalPipeMod::LoadStandardCMPSizes},
        {"StandardRCArchPipe.LoadStandardRCArchPipeSizes",
         StandardRCArchPipe::LoadStandardRCArchPipeSizes},
        {"StandardSteelPipeArchMod.LoadStandardSteelPipeArchSizes",
         StandardSteelPipeArchMod::LoadStandardSteelPipeArchSizes},
        // standard designs window
        {"GenDesign.InitializeGenDesign",
         [&w, &main] {
             GenDesign::LoadGenDesignCulvertTypes();
             GenDesign::BuildStandardSizeLists();
             w.genDesign = new FrmGenDesign(main.MdiArea());
             w.genDesign->Initialize();
             w.genDesign->SetPrintReport([] {
                 PrintReport(PrtGeneralCulvertDesign::PrintGeneralCulvertDesign,
                             ErrorStyle::Titled);
             });
             MDIFrmMain::Bind(main.mnuGeneral, [&w] { w.genDesign->StartUp(); });
         }},
        // tapered inlet and drop inlet parameters and windows
        // plunge basin table; scour hole and plunge basin windows
        // brink-depth curves, riprap tables and the riprap basin window
    };
}

// The input windows' clear operations, in the order of the project file's sections.
std::vector<Step> ClearSteps(LoadedWindows& w) {
    return {
        {"FrmSiteIdentification.ClearData", [&w] { w.siteIdentification->ClearData(); }},
        {"FrmGenDesign.ClearAllData", [&w] { w.genDesign->ClearAllData(); }},
    };
}

} // namespace

LoadedWindows::~LoadedWindows() {
    // The clear steps refer to these windows.
    SetClearSteps({});
    SetResetTrace({});
}

std::unique_ptr<LoadedWindows> Main(const Options& options) {
    auto windows = std::make_unique<LoadedWindows>();
    auto splash = std::make_unique<FrmSplash>(options.splashMillis);
    try {
        splash->show();
        splash->repaint();
        windows->main = std::make_unique<MDIFrmMain>();
        windows->main->SetFileOperations({FileHandling::OpenDataFile, FileHandling::WriteDataFile,
                                          FileHandling::SaveDataFileAs});
        RunSteps(LoadingSteps(*windows), options.trace);
        SetClearSteps(ClearSteps(*windows));
        SetResetTrace(options.trace);
        RunSteps({{"StartUpMod.ClearAllProjectData", [] { ClearAllProjectData(); }}},
                 options.trace);
    } catch (const AppError& error) {
        splash.reset();
        ShowError(error, ErrorStyle::Titled);
        return nullptr;
    }

    int flag = 0;
    while (flag < 1) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        flag = splash->gettimer();
    }
    windows->main->SetHelpFile(QString::fromStdString(ProgramDirectory()) + "/help/index.html");
    windows->main->show();
    splash.reset();
    return windows;
}

} // namespace StartUpMod
