#pragma once

#include "app/StartUpMod.h"

#include <memory>

class MDIFrmMain;
class FrmSiteIdentification;
class MainFrm;
class FrmGenDesign;
class FrmVoskRunoffChart;
class FrmUSGSRegression;
class frmUSGSMavo1987;
class FrmTailwaterQDepth;
class FrmTailWaterCrossSection;
class FrmTailWaterRatingCurve;
class TailwaterChannel;
class FrmVSHAStandardDesigns;
class FrmTaperedInletDesign;
class FrmDropInletDesign;
class frmScourHoleDesign;
class frmNEScourDesignPlot;
class frmNEPlungeBasin;
class frmHec14RipRap;

namespace StartUpMod {

// Every window start-up built; they live until the program ends.
struct LoadedWindows {
    std::unique_ptr<MDIFrmMain> main;
    FrmSiteIdentification* siteIdentification = nullptr;
    MainFrm* mainFrm = nullptr;
    FrmGenDesign* genDesign = nullptr;
    FrmVoskRunoffChart* voskRunoffChart = nullptr;
    FrmUSGSRegression* usgsRegression = nullptr;
    frmUSGSMavo1987* usgsMavo1987 = nullptr;
    FrmTailwaterQDepth* tailwaterQDepth = nullptr;
    FrmTailWaterCrossSection* tailwaterCrossSection = nullptr;
    FrmTailWaterRatingCurve* tailwaterRatingCurve = nullptr;
    // The channel window as the tailwater buttons of the design windows use it.
    std::unique_ptr<TailwaterChannel> tailwaterChannel;
    FrmVSHAStandardDesigns* standardDesigns = nullptr;
    FrmTaperedInletDesign* taperedInlet = nullptr;
    FrmDropInletDesign* dropInlet = nullptr;
    frmScourHoleDesign* scourHole = nullptr;
    frmNEScourDesignPlot* scourHolePlot = nullptr;
    frmNEPlungeBasin* plungeBasin = nullptr;
    frmHec14RipRap* riprapBasin = nullptr;
    ~LoadedWindows();
};

struct Options {
    int splashMillis = 2500;                       // least time the splash stays up
    std::function<void(const std::string&)> trace; // hears each step's name first
};

// The application's font: the windows are laid out in twips for a small
// sans-serif dialog font.
void UseProgramFont();

// Builds the whole application behind the splash window and shows the main
// window. When a loader fails the error is shown once, the main window never
// appears and the result is empty.
std::unique_ptr<LoadedWindows> Main(const Options& options = {});

} // namespace StartUpMod
