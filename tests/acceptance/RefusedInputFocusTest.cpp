#include "ProjectFixture.h"
#include "app/MainFrm.h"
#include "hydrology/FrmUSGSRegression.h"
#include "hydrology/FrmVoskRunoffChart.h"
#include "hydrology/frmUSGSMavo1987.h"
#include "inlets/FrmDropInletDesign.h"
#include "inlets/FrmTaperedInletDesign.h"
#include "outlet_protection/CulvertInputBlock.h"
#include "outlet_protection/frmNEPlungeBasin.h"
#include "outlet_protection/frmScourHoleDesign.h"
#include "riprap_basin/frmHec14RipRap.h"
#include "standard_designs/FrmVSHAStandardDesigns.h"
#include "tailwater/FrmTailWaterCrossSection.h"
#include "tailwater/FrmTailWaterRatingCurve.h"
#include "tailwater/FrmTailwaterQDepth.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

namespace {

const QString ExampleProject = TW_EXAMPLE_PROJECT;

// Where a refused value is typed: a box, or a cell of a grid.
struct Input {
    QWidget* control = nullptr;
    int row = -1;
    int col = -1;

    QString Text() const {
        if (auto* grid = qobject_cast<FlexGrid*>(control)) {
            return grid->TextMatrix(row, col);
        }
        return static_cast<QLineEdit*>(control)->text();
    }
    void SetText(const QString& text) const {
        if (auto* grid = qobject_cast<FlexGrid*>(control)) {
            grid->SetTextMatrix(row, col, text);
        } else {
            static_cast<QLineEdit*>(control)->setText(text);
        }
    }
};

Input Cell(FlexGrid* grid, int row, int col) {
    return {grid, row, col};
}

ToolWindow& WindowOf(QWidget& control) {
    QWidget* widget = &control;
    while (!qobject_cast<ToolWindow*>(widget)) {
        widget = widget->parentWidget();
    }
    return *static_cast<ToolWindow*>(widget);
}

// The example project open, every input valid, the main window taking the keys.
class RefusedInputFocus : public ProjectFileTest {
protected:
    void SetUp() override {
        ProjectFileTest::SetUp();
        Open(ExampleProject);
        ASSERT_TRUE(user.MessageTexts().empty());
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    }
};

// After every refusal whose message names a box or a grid cell, the keyboard
// is back where the value is to be corrected: in the box, its text selected,
// or on the cell of the grid; in the channel window when the channel is at
// fault. What is typed next replaces the refused value.
TEST_F(RefusedInputFocus, TheKeyboardStandsInTheInputTheMessageNames) {
    auto& w = *windows;
    FrmGenDesign& gen = *w.genDesign;
    FrmTailWaterCrossSection& channel = *w.tailwaterCrossSection;
    FrmDropInletDesign& drop = *w.dropInlet;
    const char* arch[] = {"72", "48.68531470805786", "84", "39", "18", "100"};
    QLineEdit* archBoxes[] = {w.mainFrm->Text10, w.mainFrm->Text1,  w.mainFrm->Text2,
                              w.mainFrm->Text3,  w.mainFrm->Text11, w.mainFrm->Text12};
    for (int i = 0; i < 6; ++i) {
        archBoxes[i]->setText(arch[i]);
    }
    struct Case {
        const char* name;
        Input typed;
        QString value;
        QPushButton* button;
        QString message;
        Input named = {}; // the input the message names; the typed one when not given
    };
    const Case cases[] = {
        {"standard designs H-Min",
         {w.standardDesigns->TxtHMin},
         "",
         w.standardDesigns->CmdCompute,
         "A value must be entered for H-Min."},
        {"standard designs H band",
         {w.standardDesigns->TxtHMax},
         "-3",
         w.standardDesigns->CmdCompute,
         "H-Max must be greater than H-Min.",
         {w.standardDesigns->TxtHMin}},
        {"standard designs invert",
         {w.standardDesigns->txtInletInvertElev},
         "1e7",
         w.standardDesigns->CmdCompute,
         "The value entered for Inlet Invert Elev. is too large. Please re-enter."},
        {"tapered Q",
         {w.taperedInlet->TxtQAuto},
         "q",
         w.taperedInlet->CmdComputeAuto,
         "The value entered for Q can not be evaluated as a number. Please re-enter."},
        {"tapered H-Max",
         {w.taperedInlet->TxtHMaxAuto},
         "1e7",
         w.taperedInlet->CmdComputeAuto,
         "The value entered for H-Max is too large. Please re-enter."},
        {"drop inlet length",
         {drop.TxtDP[DropInletContents::BarrelLength]},
         "0",
         drop.CmdComputeBarrels,
         "Barrel Length (ft) must be > 0."},
        {"drop inlet weir width", Cell(drop.GrdWeirCalc, 2, 1), "-1", drop.CmdWeirClac,
         "Value entered for Width in row 2 is < 0. Values for Width must be >= 0."},
        {"drop inlet weir bound", Cell(drop.GrdWeirCalc, 3, 1), "1e7", drop.CmdWeirClac,
         "Value entered for Width in row 3 is too large. Please re-enter."},
        {"culvert design n",
         {gen.TxtManningN},
         "0",
         gen.CmdComputeAllResults,
         "Manning N must be > 0."},
        {"culvert design length bound",
         {gen.TxtCulvertBarrelLength},
         "1e7",
         gen.CmdComputeAllResults,
         "The value entered for Culvert Barrel Length is too large. Please re-enter the Culvert "
         "Barrel Length."},
        {"culvert design Q", Cell(gen.GrdDesignQs, 2, 3), "q", gen.CmdComputeAllResults,
         "Design Q in row 2 can not be evaluated as a number."},
        {"culvert design TW", Cell(gen.GrdDesignQs, 1, 4), "-1", gen.CmdComputeAllResults,
         "Tailwater depth in row 1 is < 0. Tailwater depth must be >= 0."},
        {"culvert design Q for TW", Cell(gen.GrdDesignQs, 1, 3), "1e7", gen.CmdComputeTWDepths,
         "Design Q in row 1 is too large. Please re-enter."},
        {"channel slope for the culvert's TW",
         {channel.TxtChannelSlope},
         "",
         gen.CmdComputeTWDepths,
         "You must enter a value for Channel Slope."},
        {"runoff chart area",
         {w.voskRunoffChart->Txt_VRC_DA},
         "0",
         w.voskRunoffChart->Cmd_VRC_ComputeQ,
         "The drainage area must be >= 1 and <= 12800 acres."},
        {"USGS 2001 slope",
         {w.usgsRegression->TxtWSChar[0]},
         "-1",
         w.usgsRegression->CmdUSGSComputeQ,
         "If a Main Channel Slope is entered, it must be > 0. If you have not measured the Main "
         "Channel Slope, leave the entry blank."},
        {"USGS 2001 area bound",
         {w.usgsRegression->TxtDA[0]},
         "1e7",
         w.usgsRegression->CmdUSGSComputeQ,
         "The Drainage Area for Region 1 is too large. Please re-enter."},
        {"USGS 1987 area",
         {w.usgsMavo1987->TxtDA[0]},
         "a",
         w.usgsMavo1987->cmdComputeQs,
         "Drainage area for Region 1 can not be evaluated as a number. Please re-enter."},
        {"channel point for the plot", Cell(channel.GrdXSection, 3, 2), "x",
         channel.CmdPlotXSection,
         "Value entered for Elevation for Point 3 can not be evaluated as a number. Please "
         "re-enter."},
        {"channel point bound for the plot", Cell(channel.GrdXSection, 12, 2), "1e7",
         channel.CmdPlotXSection,
         "Value entered for Elevation for Point 12 is too large. Please re-enter."},
        {"channel station for the sort", Cell(channel.GrdXSection, 4, 1), "st", channel.CmdSort,
         "Value entered for Station for point 4 can not be evaluated as a number. Please check "
         "the value."},
        {"rating step",
         {w.tailwaterRatingCurve->TxtRCStepSize},
         "0",
         w.tailwaterRatingCurve->CmdComputeRatingsCurve,
         "The Step Size must be > 0."},
        {"rating step rows",
         {w.tailwaterRatingCurve->TxtRCStepSize},
         "0.0001",
         w.tailwaterRatingCurve->CmdComputeRatingsCurve,
         "The step size gives more than 9,999 rows. Please enter a larger step size."},
        {"channel n for the rating curve", Cell(channel.GrdXSection, 1, 3), "0",
         w.tailwaterRatingCurve->CmdComputeRatingsCurve,
         "Value entered for Manning n for Point 1 is <= 0. Manning n must be > 0."},
        {"Q - Depth input", Cell(w.tailwaterQDepth->GrdQElevCalc, 2, 0), "q",
         w.tailwaterQDepth->CmdComputeElevQ,
         "Value in row 2, column 1 can not be evaluated as a number, please re-enter."},
        {"Q - Depth input bound", Cell(w.tailwaterQDepth->GrdQElevCalc, 1, 0), "1e7",
         w.tailwaterQDepth->CmdComputeElevQ,
         "Value in row 1, column 1 is too large, please re-enter."},
        {"Q - Depth design Q", Cell(w.tailwaterQDepth->grdMavo87TWCalc, 2, 1), "q",
         w.tailwaterQDepth->CmdComputeVRCUSGSTW,
         "Value in row 2, column 2 can not be evaluated as a number, please re-enter."},
        {"Q - Depth design Q bound", Cell(w.tailwaterQDepth->GrdVRCTailWaterCalc, 1, 1), "1e7",
         w.tailwaterQDepth->CmdComputeVRCUSGSTW,
         "Value in row 1, column 2 of the Vosk Runoff Chart grid is too large, please re-enter."},
        {"channel right bank for Q - Depth",
         {channel.TxtRightOBStation},
         "r",
         w.tailwaterQDepth->CmdComputeElevQ,
         "Right Over-Bank Station can not be evaluated as a number, please re-enter."},
        {"scour hole span",
         {w.scourHole->txtNEScourHoleCulvertDiam[0]},
         "0",
         w.scourHole->cmdCompute,
         "\"Culvert Diameter or Span\" must be > 0."},
        {"scour hole TW",
         {w.scourHole->txtTailwaterDepth[0]},
         "",
         w.scourHole->cmdCompute,
         "Tailwater depth is blank. For this design method there must be a tailwater value > 0."},
        {"scour hole Q for TW",
         {w.scourHole->txtDesignQ[0]},
         "q",
         w.scourHole->CmdComputeTWDepths,
         "Design Q can not be evaluated as a number. Please re-enter."},
        {"plunge basin TW bound",
         {w.plungeBasin->txtTailwaterDepth},
         "2000000",
         w.plungeBasin->cmdCompute,
         "The Tailwater Depth is too large. Please re-enter the Tailwater Depth."},
        {"plunge basin Q bound",
         {w.plungeBasin->txtDesignQ},
         "2000000",
         w.plungeBasin->cmdCompute,
         "The Design Q is too large. Please re-enter the Design Q."},
        {"plunge basin Q least",
         {w.plungeBasin->txtDesignQ},
         "0.0000001",
         w.plungeBasin->cmdCompute,
         "The Design Q is too small. Please re-enter the Design Q."},
        {"plunge basin Q",
         {w.plungeBasin->txtDesignQ},
         "",
         w.plungeBasin->cmdCompute,
         "You must enter a Design Q."},
        {"plunge basin Ke",
         {w.plungeBasin->Frame2->TxtKeInlet},
         "0",
         w.plungeBasin->cmdCompute,
         "Ke must be > 0."},
        {"plunge basin Q for TW",
         {w.plungeBasin->txtDesignQ},
         "1e7",
         w.plungeBasin->CmdComputeTWDepths,
         "Design Q is too large. Please re-enter."},
        {"riprap basin TW bound",
         {w.riprapBasin->txtTailwaterDepth},
         "2000000",
         w.riprapBasin->cmdCompute,
         "Tailwater depth is too large. Please re-enter the Tailwater depth."},
        {"riprap basin Q least",
         {w.riprapBasin->txtDesignQ},
         "0.0000001",
         w.riprapBasin->cmdCompute,
         "Design Q is too small. Please re-enter the Design Q."},
        {"riprap basin TW",
         {w.riprapBasin->txtTailwaterDepth},
         "-1",
         w.riprapBasin->cmdCompute,
         "Tailwater depth is < 0. Tailwater depth must be >= 0."},
        {"riprap basin outlet invert bound",
         {w.riprapBasin->Frame2->TxtOutletInvertElevation},
         "1e7",
         w.riprapBasin->cmdCompute,
         "The value entered for Outlet Invert Elevation is too large. Please re-enter the Outlet "
         "Invert Elevation."},
        {"pipe-arch span",
         {w.mainFrm->Text10},
         "s",
         w.mainFrm->Command1,
         "The value entered for Span can not be evaluated as a number. Please re-enter the Span."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Input& named = c.named.control ? c.named : c.typed;
        const QString original = c.typed.Text();
        c.typed.SetText(c.value);
        ToolWindow& window = WindowOf(*c.button);
        window.ShowAndRaise();
        QApplication::processEvents();
        // The button pressed from the keyboard keeps the focus while its message shows.
        c.button->setFocus(Qt::TabFocusReason);
        user.shown.clear();
        user.answers.push_back(true); // the question of a Sort
        QTest::keyClick(c.button, Qt::Key_Space);
        user.answers.clear();
        EXPECT_EQ(user.MessageTexts(), std::vector<QString>{c.message});
        EXPECT_EQ(QApplication::focusWidget(), named.control);
        if (auto* grid = qobject_cast<FlexGrid*>(named.control)) {
            EXPECT_EQ(grid->Row(), named.row);
            EXPECT_EQ(grid->Col(), named.col);
        } else if (auto* box = qobject_cast<QLineEdit*>(named.control)) {
            EXPECT_EQ(box->selectedText(), box->text());
        }
        EXPECT_EQ(WindowOf(*named.control).Frame(), main->MdiArea().activeSubWindow());
        c.typed.SetText(original);
    }
}

// A refused box that the window has scrolled out of sight comes into view
// with the focus: what is typed next goes where the user sees it.
TEST_F(RefusedInputFocus, TheNamedBoxIsScrolledIntoView) {
    frmNEPlungeBasin& basin = *windows->plungeBasin;
    // A client area smaller than the window's controls, as on a small screen:
    // the frame is cut down to it and its controls scroll.
    main->resize(640, 400);
    basin.ShowAndRaise();
    QApplication::processEvents();
    auto* scroller = qobject_cast<QScrollArea*>(basin.Frame()->widget());
    ASSERT_TRUE(scroller);
    ASSERT_GT(scroller->verticalScrollBar()->maximum(), 0);
    ASSERT_GT(scroller->horizontalScrollBar()->maximum(), 0);
    QLineEdit* box = basin.txtTailwaterDepth;
    auto inView = [scroller, box] {
        const QRect shown(box->mapTo(scroller->viewport(), QPoint(0, 0)), box->size());
        return scroller->viewport()->rect().contains(shown);
    };
    // Scrolled to the end that hides the box.
    for (QScrollBar* bar : {scroller->verticalScrollBar(), scroller->horizontalScrollBar()}) {
        bar->setValue(bar->maximum());
    }
    if (inView()) {
        for (QScrollBar* bar : {scroller->verticalScrollBar(), scroller->horizontalScrollBar()}) {
            bar->setValue(0);
        }
    }
    ASSERT_FALSE(inView());
    box->setText("2000000");
    basin.cmdCompute->setFocus(Qt::TabFocusReason);
    QTest::keyClick(basin.cmdCompute, Qt::Key_Space);
    EXPECT_EQ(user.MessageTexts(),
              std::vector<QString>{
                  "The Tailwater Depth is too large. Please re-enter the Tailwater Depth."});
    EXPECT_EQ(QApplication::focusWidget(), box);
    EXPECT_TRUE(inView());
}

} // namespace
