#include "ExampleChannel.h"
#include "FakePrintQueue.h"
#include "ProjectFixture.h"
#include "hydrology/FrmUSGSRegression.h"
#include "hydrology/FrmVoskRunoffChart.h"
#include "hydrology/frmUSGSMavo1987.h"
#include "inlets/FrmDropInletDesign.h"
#include "inlets/FrmTaperedInletDesign.h"
#include "outlet_protection/CulvertInputBlock.h"
#include "outlet_protection/frmNEPlungeBasin.h"
#include "outlet_protection/frmNEScourDesignPlot.h"
#include "outlet_protection/frmScourHoleDesign.h"
#include "platform/ToolWindow.h"
#include "riprap_basin/frmHec14RipRap.h"
#include "standard_designs/FrmVSHAStandardDesigns.h"
#include "tailwater/FrmTailWaterCrossSection.h"
#include "tailwater/FrmTailWaterRatingCurve.h"
#include "tailwater/FrmTailwaterQDepth.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>

#include <algorithm>
#include <cstdlib>
#include <map>

namespace {

const QString ExampleProject = TW_EXAMPLE_PROJECT;

// The example project: one site on a small stream, worked through every
// window the way an engineer would, each Compute pressed. Regenerate the
// example only deliberately, with TARNWELL_WRITE_EXAMPLE=1 in the environment,
// and read the new file record by record before committing it.
class FullProject : public ProjectFileTest {
protected:
    // Stops at the first message: a Compute that refuses the example's
    // inputs would leave its results out of the file.
    void ExpectNoMessage(const char* step) {
        ASSERT_TRUE(user.MessageTexts().empty())
            << step << ": " << user.MessageTexts().front().toStdString();
    }

    void TypeSite() {
        site->TxtFileNumber->setText("F-2207");
        site->TxtDesignNumber->setText("D-14");
        site->TxtCounty->setText("Orlen");
        site->TxtProject->setText("Route 614 over Hollins Branch");
        site->TxtProjectNumber->setText("0614-041-112");
        site->TxtStructureLocation->setText("Sta. 48+20");
        site->TxtStream->setText("Hollins Branch");
        site->TxtDesigner->setText("R. Keane");
    }

    // One square mile (640 acres) of cultivated, rolling land; the same basin
    // measured for the two regression methods.
    void ComputeHydrology() {
        FrmVoskRunoffChart& chart = *windows->voskRunoffChart;
        chart.SetInputText(FrmVoskRunoffChart::Input::DrainageArea, "640");
        chart.SelectLandUse(2);
        chart.SelectSlope(1);
        chart.Cmd_VRC_ComputeQ->click();
        ExpectNoMessage("runoff chart");

        FrmUSGSRegression& regression = *windows->usgsRegression;
        regression.SetDrainageAreaText(0, "1.0");
        regression.SetWatershedCharText(0, "35");
        regression.CmdUSGSComputeQ->click();
        ExpectNoMessage("USGS 2001 regression");

        frmUSGSMavo1987& mavo = *windows->usgsMavo1987;
        mavo.SetDrainageAreaText(0, "1.0");
        mavo.cmdComputeQs->click();
        ExpectNoMessage("USGS 1987 regression");
    }

    // A natural channel below the outlet.
    void ComputeTailwater() {
        TypeExampleChannel(*windows->tailwaterCrossSection);

        FrmTailWaterRatingCurve& rating = *windows->tailwaterRatingCurve;
        rating.SetStepSizeText("0.5");
        rating.CmdComputeRatingsCurve->click();
        ExpectNoMessage("rating curve");

        FrmTailwaterQDepth& qDepth = *windows->tailwaterQDepth;
        qDepth.SelectMode(0);
        qDepth.SetQElevCell(1, 0, "200");
        qDepth.SetQElevCell(2, 0, "400");
        qDepth.SetQElevCell(3, 0, "650");
        qDepth.CmdComputeElevQ->click();
        ExpectNoMessage("Q-depth grid");
        qDepth.CmdComputeVRCUSGSTW->click();
        ExpectNoMessage("Q-depth design grids");
    }

    // The designs that the catalogue offers for the 25-year discharge, 491 ft3/s.
    void ComputeStandardDesignsAndInlets() {
        FrmVSHAStandardDesigns& standard = *windows->standardDesigns;
        standard.txtTotalQ->setText("491");
        standard.TxtHMax->setText("3");
        standard.TxtHMin->setText("-2");
        standard.txtInletInvertElev->setText("100.00");
        standard.ChkIncludeMultipleBarrels->setChecked(true);
        standard.CmdCompute->click();
        ExpectNoMessage("standard designs");
        emit standard.GrdStandardRCBox->cellClicked(2, 0);

        FrmTaperedInletDesign& tapered = *windows->taperedInlet;
        tapered.TxtQAuto->setText("491");
        tapered.TxtHMaxAuto->setText("3");
        tapered.TxtHMinAuto->setText("-2");
        tapered.ChkIncludeMultipleBarrels->setChecked(true);
        tapered.CmdComputeAuto->click();
        ExpectNoMessage("tapered inlet");
        tapered.SetDesignSelectRow(2);

        FrmDropInletDesign& drop = *windows->dropInlet;
        const char* inputs[] = {"491", "108.0", "103.0", "80", "99.2", "4.71", "100.0"};
        for (size_t i = 0; i < drop.TxtDP.size(); ++i) {
            drop.TxtDP[i]->setText(inputs[i]);
        }
        drop.ChkIncludeMultipleBarrels->setChecked(true);
        drop.CmdComputeBarrels->click();
        ExpectNoMessage("drop inlet barrels");
        drop.SetBarrelDesignSelect(1, 2);
        drop.OptWeirCalc[0]->setChecked(true);
        drop.GrdWeirCalc->SetTextMatrix(2, 1, "4");
        drop.GrdWeirCalc->SetTextMatrix(4, 1, "6");
        drop.CmdWeirClac->click();
        ExpectNoMessage("drop inlet weir");
        drop.SetWeirDesignSelectRow(4);
    }

    // The main road: the chart's discharges, their tailwater in the channel,
    // then a twin 6 x 4 ft box with a 90 degree headwall on 1 % under an
    // 80 ft wide road whose shoulder allows the headwater up to 108.0.
    void ComputeGeneralDesign() {
        design->CmdGetVRCQs->click();
        design->CmdComputeTWDepths->click();
        ExpectNoMessage("design discharges and tailwater");
        design->SetCulvertInletSize(3, 306, 20604);
        design->SetInputText(FrmGenDesign::Input::AllowableHeadWaterElevation, "108.0");
        design->SetInputText(FrmGenDesign::Input::InletInvertElevation, "100.00");
        design->SetInputText(FrmGenDesign::Input::OutletInvertElevation, "99.20");
        design->SetInputText(FrmGenDesign::Input::CulvertBarrelLength, "80");
        design->CmdComputeAllResults->click();
        ExpectNoMessage("general culvert design");
    }

    // Outlet protection for the 25-year discharge and its tailwater from the
    // Q-depth window.
    void ComputeOutletProtection() {
        frmScourHoleDesign& scour = *windows->scourHole;
        scour.txtDesignQ[0]->setText("491");
        scour.txtTailwaterDepth[0]->setText("4.71");
        scour.txtNEScourHoleCulvertDiam[0]->setText("6");
        scour.cmdCompute->click();
        ExpectNoMessage("scour hole");

        for (CulvertInputBlock* culvert :
             {windows->plungeBasin->Frame2, windows->riprapBasin->Frame2}) {
            culvert->SetCulvertInletSize(3, 306, 20604);
            culvert->TxtInletInvertElevation->setText("100.00");
            culvert->TxtOutletInvertElevation->setText("99.20");
            culvert->TxtCulvertBarrelLength->setText("80");
        }
        frmNEPlungeBasin& plunge = *windows->plungeBasin;
        plunge.txtDesignQ->setText("491");
        plunge.txtTailwaterDepth->setText("4.71");
        plunge.cmdCompute->click();
        ExpectNoMessage("plunge basin");

        frmHec14RipRap& riprap = *windows->riprapBasin;
        riprap.txtDesignQ->setText("491");
        riprap.txtTailwaterDepth->setText("4.71");
        riprap.txtChannelBottomElevation->setText("98.9");
        riprap.cmdCompute->click();
        ExpectNoMessage("riprap basin");
    }

    void BuildFullProject() {
        TypeSite();
        ComputeHydrology();
        ComputeTailwater();
        ComputeStandardDesignsAndInlets();
        ComputeGeneralDesign();
        ComputeOutletProtection();
    }
};

// Every grid of every window, named by its window's title and its place
// among the window's grids.
std::vector<std::pair<std::string, const FlexGrid*>> NamedGrids(const MDIFrmMain& main) {
    std::vector<std::pair<std::string, const FlexGrid*>> grids;
    for (const ToolWindow* tool : main.findChildren<ToolWindow*>()) {
        const QList<FlexGrid*> own = tool->findChildren<FlexGrid*>();
        for (qsizetype g = 0; g < own.size(); ++g) {
            grids.emplace_back(tool->Frame()->windowTitle().toStdString() + ", grid " +
                                   std::to_string(g + 1),
                               own[g]);
        }
    }
    return grids;
}

// The rows of each grid as Qt holds them: the rows the user sees, spare ones
// included.
std::map<std::string, int> ShownRows(const MDIFrmMain& main) {
    std::map<std::string, int> rows;
    for (const auto& [name, grid] : NamedGrids(main)) {
        rows[name] = grid->rowCount();
    }
    return rows;
}

} // namespace

TEST_F(FullProject, TheWindowsWriteTheExampleProject) {
    BuildFullProject();
    if (HasFatalFailure()) {
        return;
    }
    SaveAs(Path("full.twl"));
    const QByteArray saved = FileBytes(Path("full.twl"));
    if (std::getenv("TARNWELL_WRITE_EXAMPLE") != nullptr) {
        WriteBytes(ExampleProject, saved.toStdString());
    }
    EXPECT_EQ(saved.toStdString(), FileBytes(ExampleProject).toStdString());
}

// Open, Save, File New, Open the saved copy and Save again: the program keeps
// every record of the example as it read it.
TEST_F(FullProject, TheExampleSurvivesSaveNewOpenSaveByteForByte) {
    const QByteArray example = FileBytes(ExampleProject);
    ASSERT_FALSE(example.isEmpty());
    Open(ExampleProject);
    EXPECT_TRUE(user.MessageTexts().empty());
    SaveAs(Path("first.twl"));
    New();
    Open(Path("first.twl"));
    SaveAs(Path("second.twl"));
    EXPECT_TRUE(user.MessageTexts().empty());
    EXPECT_EQ(FileBytes(Path("first.twl")).toStdString(), example.toStdString());
    EXPECT_EQ(FileBytes(Path("second.twl")).toStdString(), example.toStdString());
}

// The read grows grids a row at a time, making rows ahead of the records.
// Once it is over each grid shows, as Qt counts its rows, the rows of the
// cleared window, or the rows its data need where they need more: those the
// Computes that wrote the example gave it, and not one blank row below.
TEST_F(FullProject, EveryGridTheOpenGrowsShowsTheRowsOfItsDataAndNoMore) {
    BuildFullProject();
    if (HasFatalFailure()) {
        return;
    }
    const std::map<std::string, int> computed = ShownRows(*main);
    New();
    const std::map<std::string, int> cleared = ShownRows(*main);
    Open(ExampleProject);
    ASSERT_EQ(user.MessageTexts(), std::vector<QString>());
    std::vector<std::string> grown;
    for (const auto& [name, grid] : NamedGrids(*main)) {
        EXPECT_EQ(grid->rowCount(), std::max(cleared.at(name), computed.at(name)))
            << name << ": Rows() " << grid->Rows() << ", " << cleared.at(name)
            << " rows when cleared, " << computed.at(name) << " when computed";
        if (grid->Rows() > cleared.at(name)) {
            grown.push_back(name);
        }
    }
    // The rating table, four of the five standard designs grids, the tapered
    // inlet results and the drop inlet box designs.
    EXPECT_EQ(grown.size(), 7u) << ::testing::PrintToString(grown);
}

// The results come from the file a cell at a time; once the reading is over
// their columns are as wide as a Compute would make them.
TEST_F(FullProject, TheOpenedResultsShowInFullyFittedColumns) {
    Open(ExampleProject);
    QApplication::processEvents();
    FlexGrid& results = *design->GrdAllResults;
    std::vector<double> opened;
    for (int c = 0; c < results.Cols(); ++c) {
        opened.push_back(results.ColWidthTwips(c));
    }
    results.AutoSize(0, results.Cols() - 1);
    for (int c = 0; c < results.Cols(); ++c) {
        EXPECT_EQ(opened[static_cast<size_t>(c)], results.ColWidthTwips(c)) << "column " << c;
    }
}

// A print queue tells the reports apart by their job names.
TEST_F(FullProject, EveryReportGoesToThePrinterAsAJobNamedAfterIt) {
    BuildFullProject();
    if (HasFatalFailure()) {
        return;
    }
    FakePrintQueue queue({"Office Laser"});
    // The plots print as they are shown.
    windows->tailwaterCrossSection->CmdPlotXSection->click();
    windows->scourHole->cmdPlotDesign[0]->click();
    struct Case {
        QPushButton* print;
        const char* job;
    };
    const Case cases[] = {
        {windows->voskRunoffChart->CmdPrintVRC, "Tarnwell - Vosk Runoff Chart"},
        {windows->usgsRegression->CmdPrint, "Tarnwell - USGS Flood Frequency, Yuld - 2001"},
        {windows->usgsMavo1987->CmdPrint, "Tarnwell - USGS Flood Frequency, Mavo - 1987"},
        {windows->tailwaterCrossSection->CmdPrintCrossSectionTable,
         "Tarnwell - Channel Cross-Section"},
        {windows->tailwaterCrossSection->CmdPrtCrossSectionPlot,
         "Tarnwell - Channel Cross-Section Plot"},
        {windows->tailwaterRatingCurve->CmdPrintTable, "Tarnwell - Tailwater Rating Curve"},
        {windows->tailwaterRatingCurve->CmdPrintRatingPlot, "Tarnwell - Rating Curve Plot"},
        {windows->tailwaterQDepth->CmdSendToPrinter, "Tarnwell - Tailwater: Q - Depth"},
        {windows->standardDesigns->CmdSendToPrinter, "Tarnwell - VSHA Standard Designs"},
        {windows->taperedInlet->CmdSendToPrinter, "Tarnwell - Tapered Inlet Design"},
        {windows->dropInlet->cmdPrint, "Tarnwell - Drop Inlet Design"},
        {design->CmdSendToPrinter, "Tarnwell - General Culvert Design"},
        {windows->scourHole->CmdSendToPrinter, "Tarnwell - NE Scour Hole Design"},
        {windows->scourHolePlot->cmdPrintThePlot, "Tarnwell - NE Scour Design Plot"},
        {windows->plungeBasin->cmdPrt, "Tarnwell - NE Plunge Basin Design"},
        {windows->riprapBasin->cmdPrint, "Tarnwell - HEC-14 Riprap Basin Design"},
    };
    for (const auto& c : cases) {
        queue.jobs.clear();
        c.print->click();
        EXPECT_TRUE(user.MessageTexts().empty()) << c.job;
        ASSERT_EQ(queue.jobs.size(), 1u) << c.job;
        EXPECT_EQ(queue.jobs[0].docName.toStdString(), c.job);
    }
}
