#include "FakeDialogs.h"
#include "app/FrmSiteIdentification.h"
#include "app/GlobalVariables.h"
#include "app/MDIFrmMain.h"
#include "main/StartUpSequence.h"
#include "platform/Printers.h"
#include "platform/Screen.h"

#include "platform/AppError.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QWindow>

#include <gtest/gtest.h>

using StartUpMod::Options;

namespace {

std::vector<std::string> StartUpTrace(std::unique_ptr<StartUpMod::LoadedWindows>& windows,
                                      int splashMillis = 0) {
    std::vector<std::string> names;
    Options options;
    options.splashMillis = splashMillis;
    options.trace = [&names](const std::string& name) { names.push_back(name); };
    windows = StartUpMod::Main(options);
    return names;
}

// Starts the program on a screen `screenWidthTwips` wide whose work area is
// 12000 by 9000 twips; `untilOnScreen` lets the main window reach the screen
// as well before the real screen is back.
std::unique_ptr<StartUpMod::LoadedWindows> StartUpOnWorkArea(int screenWidthTwips,
                                                             bool untilOnScreen) {
    Screen::Geometry screen{QRect(0, 0, 12000, 9000), screenWidthTwips};
    Screen::SetForTests(&screen);
    std::unique_ptr<StartUpMod::LoadedWindows> windows;
    StartUpTrace(windows);
    if (untilOnScreen) {
        QApplication::processEvents();
    }
    Screen::SetForTests(nullptr);
    return windows;
}

} // namespace

TEST(StartUp, LoadsInOrderResetsTheProjectAndShowsTheMainWindow) {
    FakeDialogs user;
    std::unique_ptr<StartUpMod::LoadedWindows> windows;
    std::vector<std::string> names = StartUpTrace(windows);
    ASSERT_TRUE(windows);
    const std::vector<std::string> expected = {
        "MDIFrmMain.InitializeFrm",
        "FrmSiteIdentification.Initialize",
        "VoskRunoffChart.InitializeRunoffChart",
        "TWXRateCurvePlotMod.InitializeRateCurvePlot",
        "TWXSecPlotMod.InitializeXSecPlot",
        "USGS.InitializeUSGS",
        "modUSGSMavo1987.InitializeRegionTables",
        "TailWaterMod.InitializeTailWaterMod",
        "MainFrm.Initialize",
        "FrmUSGSRegression.Initialize",
        "frmUSGSMavo1987.Initialize",
        "FrmTailWaterCrossSection.Initialize",
        "FrmTailWaterRatingCurve.Initialize",
        "FrmTailwaterQDepth.Initialize",
        "StandardPipeMod.LoadStandardConcPipeSizes",
        "StandardRCBoxMod.LoadStandardRCBoxSizes",
        "StandardCorrMetalPipeMod.LoadStandardCMPSizes",
        "StandardRCArchPipe.LoadStandardRCArchPipeSizes",
        "StandardSteelPipeArchMod.LoadStandardSteelPipeArchSizes",
        "FrmVSHAStandardDesigns.Initialize",
        "GenDesign.InitializeGenDesign",
        "TaperedInletDesignMod.LoadTaperedInletParameters",
        "DropInletMod.LoadDropInletParameters",
        "modPlungeBasin.InitializeBasinTable",
        "frmScourHoleDesign.Initialize",
        "frmNEPlungeBasin.Initialize",
        "modHec14RRYo.InitBrinkDepthCurves",
        "modHec14Riprap.InitializeHec14Tables",
        "frmHec14RipRap.Initialize",
        "StartUpMod.ClearAllProjectData",
        "FrmSiteIdentification.ClearData",
        "FrmVoskRunoffChart.ClearInput",
        "FrmUSGSRegression.ClearData",
        "frmUSGSMavo1987.ClearData",
        "FrmTailWaterCrossSection.ClearData",
        "FrmTailWaterRatingCurve.ClearData",
        "FrmTailwaterQDepth.ClearAllData",
        "FrmVSHAStandardDesigns.ClearAllData",
        "FrmTaperedInletDesign.ClearAllData",
        "FrmDropInletDesign.ClearAllData",
        "FrmGenDesign.ClearAllData",
        "frmScourHoleDesign.ClearAllData",
        "frmNEPlungeBasin.ClearAllData",
        "frmHec14RipRap.ClearAllData",
    };
    EXPECT_EQ(names, expected);
    EXPECT_TRUE(windows->main->isVisible());
    EXPECT_EQ(windows->main->windowTitle(), "Tarnwell v2.00, U.S. Units/");
    EXPECT_TRUE(windows->main->HelpFile().endsWith("/help/index.html"));

    QStringList menus;
    for (QAction* menu : windows->main->menuBar()->actions()) {
        menus << menu->text();
    }
    EXPECT_EQ(menus, QStringList({"File", "Site", "Design-Q's", "Tailwater", "Culvert", "Erosion",
                                  "Help"}));
    EXPECT_TRUE(user.shown.empty());
}

TEST(StartUp, KeepsTheSplashUpForItsMinimumTime) {
    FakeDialogs user;
    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<StartUpMod::LoadedWindows> windows;
    StartUpTrace(windows, 300);
    EXPECT_GE(clock.elapsed(), 300);
    ASSERT_TRUE(windows);
}

// The system's default printer at start-up is current for the whole run: one
// made the default later takes no report.
TEST(StartUp, FixesTheSystemsDefaultPrinterAsTheCurrentOne) {
    FakeDialogs user;
    Printers::System none;
    Printers::SetSystemForTests(&none);
    Printers::ChangeSystemForTests({{"Office Laser", "Plotter"}, "Plotter"});
    std::unique_ptr<StartUpMod::LoadedWindows> windows;
    StartUpTrace(windows);
    ASSERT_TRUE(windows);
    EXPECT_EQ(Printers::Current(), "Plotter");
    Printers::ChangeSystemForTests({{"Office Laser", "Plotter"}, "Office Laser"});
    EXPECT_EQ(Printers::Current(), "Plotter");
    Printers::SetSystemForTests(nullptr);
}

TEST(StartUp, AFailingLoaderShowsOneMessageAndTheMainWindowNeverAppears) {
    FakeDialogs user;
    Options options;
    options.splashMillis = 0;
    options.trace = [](const std::string& name) {
        if (name == "FrmSiteIdentification.Initialize") {
            throw AppError(ErrorNumber::DatabaseError, "Table 'VSHAStandardRCBoxSizes' is empty");
        }
    };
    auto windows = StartUpMod::Main(options);
    EXPECT_FALSE(windows);
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].text.toStdString(), "Table 'VSHAStandardRCBoxSizes' is empty, 3000");
    for (QWidget* w : QApplication::topLevelWidgets()) {
        EXPECT_FALSE(w->isVisible()) << w->metaObject()->className();
    }
}

TEST(StartUp, ResetEmptiesEveryInputWindowInOrderAndForgetsTheFile) {
    FakeDialogs user;
    std::unique_ptr<StartUpMod::LoadedWindows> windows;
    StartUpTrace(windows);
    ASSERT_TRUE(windows);
    windows->siteIdentification->StartUp();
    windows->siteIdentification->TxtCounty->setText("Lancaster");
    GlobalVariables::DataFileName = "/tmp/site.twl";
    windows->main->SetCaptionForFile(GlobalVariables::DataFileName);

    std::vector<std::string> names;
    StartUpMod::SetResetTrace([&names](const std::string& name) { names.push_back(name); });
    StartUpMod::ClearAllProjectData();

    EXPECT_EQ(names, std::vector<std::string>(
                         {"FrmSiteIdentification.ClearData", "FrmVoskRunoffChart.ClearInput",
                          "FrmUSGSRegression.ClearData", "frmUSGSMavo1987.ClearData",
                          "FrmTailWaterCrossSection.ClearData", "FrmTailWaterRatingCurve.ClearData",
                          "FrmTailwaterQDepth.ClearAllData", "FrmVSHAStandardDesigns.ClearAllData",
                          "FrmTaperedInletDesign.ClearAllData", "FrmDropInletDesign.ClearAllData",
                          "FrmGenDesign.ClearAllData", "frmScourHoleDesign.ClearAllData",
                          "frmNEPlungeBasin.ClearAllData", "frmHec14RipRap.ClearAllData"}));
    EXPECT_TRUE(GlobalVariables::DataFileName.isEmpty());
    EXPECT_EQ(windows->main->windowTitle(), "Tarnwell v2.00, U.S. Units/");
    EXPECT_TRUE(windows->siteIdentification->TxtCounty->text().isEmpty());
    // A shown window stays shown, now empty.
    EXPECT_TRUE(windows->siteIdentification->Frame()->isVisible());
}

TEST(StartUp, MainWindowIsSizedFromTheWorkArea) {
    FakeDialogs user;
    const auto windows = StartUpOnWorkArea(14400, false);
    ASSERT_TRUE(windows);
    EXPECT_EQ(windows->main->width(), Screen::TwipsToPixelsX(11800));
    EXPECT_EQ(windows->main->height(), Screen::TwipsToPixelsY(8800));
}

// Once the window is on the screen its outer frame, title bar included, takes
// the place: a work area of 12000 by 9000 twips as wide as the screen gives a
// frame of 11800 by 8800 twips at left (12000 - 11800) / 2 = 100 and top 50.
TEST(StartUp, TheMainWindowsWholeFrameTakesItsPlace) {
    FakeDialogs user;
    const auto windows = StartUpOnWorkArea(12000, true);
    ASSERT_TRUE(windows);
    MDIFrmMain& main = *windows->main;
    EXPECT_EQ(main.frameGeometry(), Screen::TwipsRect(100, 50, 11800, 8800));
    EXPECT_EQ(main.geometry(),
              main.frameGeometry().marginsRemoved(main.windowHandle()->frameMargins()));
}
