#include "main/StartUpSequence.h"

#include "app/FrmSplash.h"
#include "app/GlobalVariables.h"
#include "app/MDIFrmMain.h"
#include "general_design/TailwaterChannel.h"
#include "main/DropInletWiring.h"
#include "main/FrameWiring.h"
#include "main/GeneralDesignWiring.h"
#include "main/HydraulicsWiring.h"
#include "main/HydrologyWiring.h"
#include "main/PlungeBasinWiring.h"
#include "main/RiprapBasinWiring.h"
#include "main/ScourHoleWiring.h"
#include "main/SiteIdentificationWiring.h"
#include "main/StandardDesignsWiring.h"
#include "main/TailwaterWiring.h"
#include "main/TaperedInletWiring.h"
#include "platform/ErrorReport.h"
#include "platform/FileDialogs.h"
#include "platform/HelpPages.h"
#include "platform/Printers.h"
#include "platform/TextBoxes.h"
#include "project_file/FileHandling.h"

#include <QApplication>
#include <QFont>

namespace StartUpMod {
namespace {

template <class T> void Append(std::vector<T>& list, std::vector<T> more) {
    list.insert(list.end(), std::make_move_iterator(more.begin()),
                std::make_move_iterator(more.end()));
}

// The loading steps, in the order in which later tables and windows rely on
// earlier ones: return periods before the windows that list them, standard
// sizes before the culvert types that refer to them, culvert types before the
// windows that list them.
std::vector<Step> LoadingSteps(LoadedWindows& w) {
    std::vector<Step> steps = {
        FrameWiring::InitializeMainWindow(w),
        SiteIdentificationWiring::Initialize(w),
        HydrologyWiring::InitializeRunoffChart(w),
        TailwaterWiring::InitializeRateCurvePlot(),
        TailwaterWiring::InitializeXSecPlot(),
        HydrologyWiring::InitializeUSGS(),
        HydrologyWiring::InitializeMavo1987RegionTables(),
        TailwaterWiring::InitializeTailWaterMod(),
        FrameWiring::InitializePipeArchTestWindow(w),
        // hydrology and tailwater windows
        HydrologyWiring::InitializeUSGSRegressionWindow(w),
        HydrologyWiring::InitializeMavo1987Window(w),
        TailwaterWiring::InitializeCrossSection(w),
        TailwaterWiring::InitializeRatingCurve(w),
        TailwaterWiring::InitializeQDepthWindow(w),
    };
    Append(steps, HydraulicsWiring::LoadStandardSizes());
    // standard designs window
    steps.push_back(StandardDesignsWiring::Initialize(w));
    steps.push_back(GeneralDesignWiring::Initialize(w));
    // tapered inlet and drop inlet parameters and windows
    steps.push_back(TaperedInletWiring::Initialize(w));
    steps.push_back(DropInletWiring::Initialize(w));
    // plunge basin table; scour hole and plunge basin windows
    steps.push_back(PlungeBasinWiring::InitializeBasinTable());
    steps.push_back(ScourHoleWiring::Initialize(w));
    steps.push_back(PlungeBasinWiring::Initialize(w));
    // brink-depth curves, riprap tables and the riprap basin window
    steps.push_back(RiprapBasinWiring::InitBrinkDepthCurves());
    steps.push_back(RiprapBasinWiring::InitializeHec14Tables());
    steps.push_back(RiprapBasinWiring::Initialize(w));
    return steps;
}

// The input windows' clear operations, in the order of the project file's sections.
std::vector<Step> ClearSteps(LoadedWindows& w) {
    // One subsystem a line, as the lists grow by one line each.
    // clang-format off
    return {
        SiteIdentificationWiring::Clear(w),
        HydrologyWiring::ClearRunoffChart(w),
        HydrologyWiring::ClearUSGSRegression(w),
        HydrologyWiring::ClearMavo1987(w),
        TailwaterWiring::ClearCrossSection(w),
        TailwaterWiring::ClearRatingCurve(w),
        TailwaterWiring::ClearQDepth(w),
        StandardDesignsWiring::Clear(w),
        TaperedInletWiring::Clear(w),
        DropInletWiring::Clear(w),
        GeneralDesignWiring::Clear(w),
        ScourHoleWiring::Clear(w),
        PlungeBasinWiring::Clear(w),
        RiprapBasinWiring::Clear(w),
    };
    // clang-format on
}

// The project file's sections of the input windows.
ProjectFileFormat::SectionTable ProjectSections(LoadedWindows& w) {
    ProjectFileFormat::SectionTable table;
    for (const Wiring::Section& section : {
             SiteIdentificationWiring::Section(),
             HydrologyWiring::SectionRunoffChart(),
             HydrologyWiring::SectionUSGSRegression(),
             HydrologyWiring::SectionMavo1987(),
             TailwaterWiring::SectionCrossSection(w),
             TailwaterWiring::SectionRatingCurve(w),
             TailwaterWiring::SectionQDepth(w),
             StandardDesignsWiring::Section(),
             TaperedInletWiring::Section(),
             DropInletWiring::Section(),
             GeneralDesignWiring::Section(),
             ScourHoleWiring::Section(),
             PlungeBasinWiring::Section(),
             RiprapBasinWiring::Section(),
         }) {
        table.Register(section.number, section.handlers);
    }
    return table;
}

} // namespace

LoadedWindows::~LoadedWindows() {
    // The clear steps refer to these windows.
    SetClearSteps({});
    SetResetTrace({});
    FileHandling::SetProjectSections({});
}

void UseProgramFont() {
    QApplication::setFont(QFont("Liberation Sans", 8));
}

std::unique_ptr<LoadedWindows> Main(const Options& options) {
    auto windows = std::make_unique<LoadedWindows>();
    auto splash = std::make_unique<FrmSplash>(options.splashMillis);
    try {
        splash->show();
        splash->repaint();
        windows->main = std::make_unique<MDIFrmMain>();
        windows->main->SetFileOperations({FileHandling::OpenDataFile, FileHandling::WriteDataFile,
                                          FileHandling::SaveDataFileAs,
                                          FileHandling::TakeSavedProject});
        FileDialogs::StartRun([] { return GlobalVariables::DataFileName; });
        Printers::StartRun();
        RunSteps(LoadingSteps(*windows), options.trace);
        // Every box the project file fills keeps the longest text a file holds,
        // and takes none that a save would write longer.
        TextBoxes::HoldToFieldLimit(*windows->main);
        SetClearSteps(ClearSteps(*windows));
        FileHandling::SetProjectSections(ProjectSections(*windows));
        SetResetTrace(options.trace);
        RunSteps({{"StartUpMod.ClearAllProjectData",
                   [] {
                       ClearAllProjectData();
                       FileHandling::TakeSavedProject();
                   }}},
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
    windows->main->SetHelpFile(HelpPages::Path("index.html"));
    windows->main->show();
    splash.reset();
    return windows;
}

} // namespace StartUpMod
