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
#include "platform/Numbers.h"
#include "riprap_basin/frmHec14RipRap.h"
#include "standard_designs/FrmVSHAStandardDesigns.h"
#include "tailwater/FrmTailWaterCrossSection.h"
#include "tailwater/FrmTailWaterRatingCurve.h"
#include "tailwater/FrmTailwaterQDepth.h"
#include "tailwater/QDepthComputation.h"
#include "tailwater/TWXRateCurvePlotMod.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

#include <cmath>
#include <functional>

namespace {

const QString ExampleProject = TW_EXAMPLE_PROJECT;

// One typed value of a window: where it is typed and the button that checks it.
struct Field {
    std::function<void(const QString&)> type;
    std::function<QString()> text;
    QPushButton* compute = nullptr;
};

Field Box(QLineEdit* box, QPushButton* compute) {
    return {[box](const QString& t) { box->setText(t); }, [box] { return box->text(); }, compute};
}

Field Cell(FlexGrid* grid, int row, int col, QPushButton* compute) {
    return {[=](const QString& t) { grid->SetTextMatrix(row, col, t); },
            [=] { return grid->TextMatrix(row, col); }, compute};
}

std::vector<QString> UnshownTexts(const QWidget& program);

// The example project open, every input valid, so that the one value changed
// is the one refused.
class TypedNumberBound : public ProjectFileTest {
protected:
    void SetUp() override {
        ProjectFileTest::SetUp();
        Open(ExampleProject);
        ASSERT_TRUE(user.MessageTexts().empty());
    }

    // The message shown when `value` is typed in the field and its button pressed.
    QString Refusal(const Field& field, const QString& value) {
        user.shown.clear();
        field.type(value);
        field.compute->click();
        return user.shown.empty() ? QString() : user.shown.back().text;
    }
};

TEST_F(TypedNumberBound, EveryWindowRefusesAValueBeyondAMillionByName) {
    auto& w = *windows;
    FrmGenDesign& gen = *w.genDesign;
    // The pipe-arch window keeps nothing in the project: a valid section first.
    const char* arch[] = {"72", "48.68531470805786", "84", "39", "18", "100"};
    QLineEdit* archBoxes[] = {w.mainFrm->Text10, w.mainFrm->Text1,  w.mainFrm->Text2,
                              w.mainFrm->Text3,  w.mainFrm->Text11, w.mainFrm->Text12};
    for (int i = 0; i < 6; ++i) {
        archBoxes[i]->setText(arch[i]);
    }
    const QString drop =
        "The value entered for : Barrel Length (ft), is too large. Please re-enter.";
    struct Case {
        const char* name;
        Field field;
        QString tooLarge;         // for 1e7 and 1e308
        QString negativeHuge;     // for -1e308: a range the window checks first, or the bound
        bool millionTaken = true; // a million itself is a value the field takes
    };
    const Case cases[] = {
        // The chart's own range is far inside the bound.
        {"runoff chart area",
         Box(w.voskRunoffChart->Txt_VRC_DA, w.voskRunoffChart->Cmd_VRC_ComputeQ),
         "The drainage area must be >= 1 and <= 12800 acres.",
         "The drainage area must be >= 1 and <= 12800 acres.", false},
        {"USGS 2001 area", Box(w.usgsRegression->TxtDA[0], w.usgsRegression->CmdUSGSComputeQ),
         "The Drainage Area for Region 1 is too large. Please re-enter.",
         "The Drainage Area for Region 1 is < 0. If a drainage area is entered for a region, it "
         "must be >=0. If the watershed does not include a region, you can leave the drainage "
         "area for the region blank or enter a drainage area of 0."},
        {"USGS 2001 slope", Box(w.usgsRegression->TxtWSChar[0], w.usgsRegression->CmdUSGSComputeQ),
         "The Main Channel Slope is too large. Please re-enter.",
         "If a Main Channel Slope is entered, it must be > 0. If you have not measured the Main "
         "Channel Slope, leave the entry blank."},
        {"USGS 1987 area", Box(w.usgsMavo1987->TxtDA[0], w.usgsMavo1987->cmdComputeQs),
         "Drainage area for Region 1 is too large. Please re-enter.",
         "Drainage area for Region 1 is < 0. Drainage area must be >= 0.0"},
        {"channel slope",
         Box(w.tailwaterCrossSection->TxtChannelSlope,
             w.tailwaterRatingCurve->CmdComputeRatingsCurve),
         "The value entered for Channel Slope is too large. Please re-enter the Channel Slope.",
         "The Channel Slope must be > 0."},
        {"channel point elevation",
         Cell(w.tailwaterCrossSection->GrdXSection, 12, 2,
              w.tailwaterRatingCurve->CmdComputeRatingsCurve),
         "Value entered for Elevation for Point 12 is too large. Please re-enter.",
         "Value entered for Elevation for Point 12 is too large. Please re-enter."},
        {"channel point n",
         Cell(w.tailwaterCrossSection->GrdXSection, 1, 3,
              w.tailwaterRatingCurve->CmdComputeRatingsCurve),
         "Value entered for Manning n for Point 1 is too large. Please re-enter.",
         "Value entered for Manning n for Point 1 is <= 0. Manning n must be > 0."},
        {"rating step",
         Box(w.tailwaterRatingCurve->TxtRCStepSize, w.tailwaterRatingCurve->CmdComputeRatingsCurve),
         "The value entered for Step Size is too large. Please re-enter the Step Size.",
         "The Step Size must be > 0."},
        {"Q - Depth input",
         Cell(w.tailwaterQDepth->GrdQElevCalc, 1, 0, w.tailwaterQDepth->CmdComputeElevQ),
         "Value in row 1, column 1 is too large, please re-enter.",
         "Value in row 1, column 1 is too large, please re-enter."},
        {"Q - Depth design Q",
         Cell(w.tailwaterQDepth->GrdVRCTailWaterCalc, 1, 1, w.tailwaterQDepth->CmdComputeVRCUSGSTW),
         "Value in row 1, column 2 of the Vosk Runoff Chart grid is too large, please re-enter.",
         "Value in row 1, column 2 of the Vosk Runoff Chart grid is too large, please re-enter."},
        {"standard designs Q", Box(w.standardDesigns->txtTotalQ, w.standardDesigns->CmdCompute),
         "The value entered for Q is too large. Please re-enter.", "Q must be > 0."},
        {"standard designs invert",
         Box(w.standardDesigns->txtInletInvertElev, w.standardDesigns->CmdCompute),
         "The value entered for Inlet Invert Elev. is too large. Please re-enter.",
         "The value entered for Inlet Invert Elev. is too large. Please re-enter."},
        {"tapered H-Max", Box(w.taperedInlet->TxtHMaxAuto, w.taperedInlet->CmdComputeAuto),
         "The value entered for H-Max is too large. Please re-enter.",
         "H-Max must be greater than H-Min."},
        {"drop inlet length",
         Box(w.dropInlet->TxtDP[DropInletContents::BarrelLength], w.dropInlet->CmdComputeBarrels),
         drop, "Barrel Length (ft) must be > 0."},
        {"drop inlet weir width", Cell(w.dropInlet->GrdWeirCalc, 2, 1, w.dropInlet->CmdWeirClac),
         "Value entered for Width in row 2 is too large. Please re-enter.",
         "Value entered for Width in row 2 is < 0. Values for Width must be >= 0."},
        {"culvert design invert", Box(gen.TxtInletInvertElevation, gen.CmdComputeAllResults),
         "The value entered for Inlet Invert Elevation is too large. Please re-enter the Inlet "
         "Invert Elevation.",
         "The value entered for Inlet Invert Elevation is too large. Please re-enter the Inlet "
         "Invert Elevation."},
        {"culvert design n", Box(gen.TxtManningN, gen.CmdComputeAllResults),
         "The value entered for Manning N is too large. Please re-enter the Manning N.",
         "Manning N must be > 0."},
        {"culvert design user size",
         Field{[&gen](const QString& t) {
                   gen.OptBarrelSize[1]->click();
                   for (QLineEdit* box : gen.TxtUserSize) {
                       box->setText("48");
                   }
                   gen.TxtUserSize[0]->setText(t);
               },
               [] { return QString("48"); }, gen.CmdComputeAllResults},
         "The Width (Span) is too large. Please re-enter the Width (Span).",
         "The Width (Span) must be > 0."},
        {"culvert design Q", Cell(gen.GrdDesignQs, 1, 3, gen.CmdComputeAllResults),
         "Design Q in row 1 is too large. Please re-enter.",
         "Design Q in row 1 is <=0. Design Q must be > 0."},
        {"culvert design Q for TW", Cell(gen.GrdDesignQs, 1, 3, gen.CmdComputeTWDepths),
         "Design Q in row 1 is too large. Please re-enter.",
         "Design Q in row 1 is <=0. Design Q must be > 0."},
        {"culvert design TW", Cell(gen.GrdDesignQs, 1, 4, gen.CmdComputeAllResults),
         "Tailwater depth in row 1 is too large. Please re-enter.",
         "Tailwater depth in row 1 is < 0. Tailwater depth must be >= 0."},
        {"scour hole span", Box(w.scourHole->txtNEScourHoleCulvertDiam[0], w.scourHole->cmdCompute),
         "The value entered for the \"Culvert Diameter or Span\" is too large. Please re-enter "
         "the \"Culvert Diameter or Span\".",
         "\"Culvert Diameter or Span\" must be > 0."},
        {"scour hole Q", Box(w.scourHole->txtDesignQ[0], w.scourHole->cmdCompute),
         "Design Q is too large. Please re-enter.", "Design Q is <=0. Design Q must be > 0."},
        {"plunge basin Q", Box(w.plungeBasin->txtDesignQ, w.plungeBasin->cmdCompute),
         "The Design Q is too large. Please re-enter the Design Q.",
         "The Design Q is <=0. Design Q must be > 0."},
        {"plunge basin Q for TW", Box(w.plungeBasin->txtDesignQ, w.plungeBasin->CmdComputeTWDepths),
         "Design Q is too large. Please re-enter.", "Design Q is <=0. Design Q must be > 0."},
        {"plunge basin Ke", Box(w.plungeBasin->Frame2->TxtKeInlet, w.plungeBasin->cmdCompute),
         "The value entered for Ke is too large. Please re-enter the Ke.", "Ke must be > 0."},
        {"riprap basin TW", Box(w.riprapBasin->txtTailwaterDepth, w.riprapBasin->cmdCompute),
         "Tailwater depth is too large. Please re-enter the Tailwater depth.",
         "Tailwater depth is < 0. Tailwater depth must be >= 0."},
        {"riprap basin outlet invert",
         Box(w.riprapBasin->Frame2->TxtOutletInvertElevation, w.riprapBasin->cmdCompute),
         "The value entered for Outlet Invert Elevation is too large. Please re-enter the Outlet "
         "Invert Elevation.",
         "The value entered for Outlet Invert Elevation is too large. Please re-enter the Outlet "
         "Invert Elevation."},
        {"pipe-arch span", Box(w.mainFrm->Text10, w.mainFrm->Command1),
         "The value entered for Span is too large. Please re-enter the Span.",
         "The value entered for Span is too large. Please re-enter the Span."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString original = c.field.text();
        if (c.millionTaken) {
            EXPECT_NE(Refusal(c.field, "1,000,000"), c.tooLarge);
        }
        EXPECT_EQ(Refusal(c.field, "1e7"), c.tooLarge);
        EXPECT_EQ(Refusal(c.field, "1e308"), c.tooLarge);
        // Nothing computed from the refused value before its check stays on screen.
        EXPECT_EQ(UnshownTexts(*main), std::vector<QString>{});
        EXPECT_EQ(Refusal(c.field, "-1e308"), c.negativeHuge);
        // Computed again, so that no result of a million reaches a later case.
        Refusal(c.field, original);
    }
}

// A discharge near 0 has a critical depth of 0, and a barrel length near 0 a
// slope no result can show: each is refused by name, as a value too large is.
TEST_F(TypedNumberBound, AValueNearZeroThatNoComputationCanTakeIsRefusedByName) {
    auto& w = *windows;
    struct Case {
        const char* name;
        Field field;
        QString tooSmall;
    };
    const Case cases[] = {
        {"standard designs Q", Box(w.standardDesigns->txtTotalQ, w.standardDesigns->CmdCompute),
         "The value entered for Q is too small. Please re-enter."},
        {"tapered Q", Box(w.taperedInlet->TxtQAuto, w.taperedInlet->CmdComputeAuto),
         "The value entered for Q is too small. Please re-enter."},
        {"drop inlet Q",
         Box(w.dropInlet->TxtDP[DropInletContents::DesignQ], w.dropInlet->CmdComputeBarrels),
         "The value entered for : Design Q (cfs), is too small. Please re-enter."},
        {"culvert design length",
         Box(w.genDesign->TxtCulvertBarrelLength, w.genDesign->CmdComputeAllResults),
         "The value entered for Culvert Barrel Length is too small. Please re-enter the Culvert "
         "Barrel Length."},
        {"plunge basin length",
         Box(w.plungeBasin->Frame2->TxtCulvertBarrelLength, w.plungeBasin->cmdCompute),
         "The value entered for Culvert Barrel Length is too small. Please re-enter the Culvert "
         "Barrel Length."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString original = c.field.text();
        EXPECT_EQ(Refusal(c.field, "1e-300"), c.tooSmall);
        EXPECT_EQ(Refusal(c.field, "0.00000099"), c.tooSmall);
        EXPECT_NE(Refusal(c.field, "0.000001"), c.tooSmall);
        Refusal(c.field, original);
    }
}

// A decimal comma in a file is kept as typed, saved again as it was, and
// refused at the next Compute as text that is not a number.
TEST_F(TypedNumberBound, AStoredDecimalCommaIsKeptAndRefusedAtCompute) {
    std::string text = FileBytes(ExampleProject).toStdString();
    const std::string slope = "\"TAILWATERCROSSSECTIONINFO432078\",4,\"0.004\"";
    const size_t at = text.find(slope);
    ASSERT_NE(at, std::string::npos);
    text.replace(at, slope.size(), "\"TAILWATERCROSSSECTIONINFO432078\",4,\"0,005\"");
    WriteBytes(Path("comma.twl"), text);
    Open(Path("comma.twl"));
    EXPECT_EQ(windows->tailwaterCrossSection->TxtChannelSlope->text(), "0,005");
    SaveAs(Path("again.twl"));
    EXPECT_EQ(FileBytes(Path("again.twl")).toStdString(), text);
    user.shown.clear();
    windows->tailwaterRatingCurve->CmdComputeRatingsCurve->click();
    EXPECT_EQ(user.MessageTexts(),
              std::vector<QString>{"The value entered for Channel Slope can not be evaluated as "
                                   "a number. Please re-enter the Channel Slope."});
}

// The example channel's rating curve at the steepest slope a box takes: every
// discharge grows by sqrt(1,000,000 / 0.004) = 15,811.388 (Manning's equation,
// Q proportional to the root of the slope), and the plot's axes stay finite.
TEST_F(TypedNumberBound, TheSteepestSlopeGivesAFiniteRatingCurve) {
    FrmTailWaterRatingCurve& rating = *windows->tailwaterRatingCurve;
    FlexGrid& table = *rating.GrdRateCurve;
    auto topQ = [&table] {
        return Numbers::ToDouble(table.TextMatrix(table.Rows() - 1, 2).toStdString());
    };
    rating.CmdComputeRatingsCurve->click();
    ASSERT_TRUE(user.MessageTexts().empty());
    const double gentle = topQ();
    windows->tailwaterCrossSection->TxtChannelSlope->setText("1,000,000");
    rating.CmdComputeRatingsCurve->click();
    ASSERT_TRUE(user.MessageTexts().empty());
    EXPECT_NEAR(topQ() / gentle, 15811.388, 0.01);
    const PlotLayout& plot = TWXRateCurvePlotMod::RateCurveScreenLayout;
    for (float axis : {plot.XAxisMin, plot.XAxisMax, plot.YAxisMin, plot.YAxisMax}) {
        EXPECT_TRUE(std::isfinite(axis));
    }
    EXPECT_GE(plot.XAxisMax, topQ());

    // A Manning n near 0 on top of it would overflow: refused by the inputs to check.
    windows->tailwaterCrossSection->SetPointCell(1, 3, "1e-300");
    rating.CmdComputeRatingsCurve->click();
    EXPECT_EQ(user.MessageTexts(),
              std::vector<QString>{"The rating curve's discharges are too large to compute. "
                                   "Check the Channel Slope and the Manning n values of the "
                                   "cross-section."});
}

// Texts no window may show: "inf" or "nan", or a number longer than any
// column holds (beyond 1,000,000,000,000,000.00).
std::vector<QString> UnshownTexts(const QWidget& program) {
    static const QRegularExpression bad(R"((?i)\b(inf|nan)\b|[0-9,]{22,})");
    std::vector<QString> found;
    auto check = [&found](const QString& text) {
        if (bad.match(text).hasMatch()) {
            found.push_back(text);
        }
    };
    for (const QLineEdit* box : program.findChildren<QLineEdit*>()) {
        check(box->text());
    }
    for (const QLabel* label : program.findChildren<QLabel*>()) {
        check(label->text());
    }
    for (const FlexGrid* grid : program.findChildren<FlexGrid*>()) {
        for (int r = 0; r < grid->Rows(); ++r) {
            for (int c = 0; c < grid->Cols(); ++c) {
                check(grid->TextMatrix(r, c));
            }
        }
    }
    return found;
}

// The largest values the boxes take, alone and together, give results every
// window can show, or a refusal that says which inputs to check.
TEST_F(TypedNumberBound, TheLargestAcceptedValuesGiveShownResultsOrANamedRefusal) {
    auto& w = *windows;
    auto type = [](std::vector<std::pair<QLineEdit*, const char*>> boxes) {
        return [boxes] {
            for (const auto& [box, text] : boxes) {
                box->setText(text);
            }
        };
    };
    FrmGenDesign& gen = *w.genDesign;
    frmScourHoleDesign& scour = *w.scourHole;
    FrmTailwaterQDepth& qDepth = *w.tailwaterQDepth;
    // A depth of a million on the steepest slope, under a Manning n near 0.
    auto depthOfAMillion = [&](const char* n) {
        return [&, n] {
            w.tailwaterCrossSection->SetPointCell(1, 3, n);
            w.tailwaterCrossSection->TxtChannelSlope->setText("1e6");
            qDepth.SelectMode(QDepthComputation::GivenDepth);
            qDepth.SetQElevCell(1, 1, "1e6");
        };
    };
    struct Case {
        const char* name;
        std::function<void()> type;
        QPushButton* compute;
        QString message; // how the shown message starts; empty for none
    };
    const Case cases[] = {
        // Region 1: Q10 = 757 A^0.60 = 3,013,671 and Q25 = 1140 A^0.57 = 2,998,506
        // at A = 1,000,000 sq mi: the equations cross at 845,000 sq mi, and the
        // discharges are shown as computed either side of it.
        {"USGS 1987, a million square miles", type({{w.usgsMavo1987->TxtDA[0], "1,000,000"}}),
         w.usgsMavo1987->cmdComputeQs, ""},
        {"USGS 1987, 800,000 square miles", type({{w.usgsMavo1987->TxtDA[0], "800,000"}}),
         w.usgsMavo1987->cmdComputeQs, ""},
        {"USGS 2001, every box a million",
         type({{w.usgsRegression->TxtDA[0], "1e6"},
               {w.usgsRegression->TxtDA[1], "1e6"},
               {w.usgsRegression->TxtDA[2], "1e6"},
               {w.usgsRegression->TxtWSChar[0], "1e6"},
               {w.usgsRegression->TxtWSChar[1], "1e6"}}),
         w.usgsRegression->CmdUSGSComputeQ, ""},
        {"standard designs",
         type({{w.standardDesigns->txtTotalQ, "1e6"},
               {w.standardDesigns->TxtHMin, "-1e6"},
               {w.standardDesigns->TxtHMax, "1e6"},
               {w.standardDesigns->txtInletInvertElev, "1e6"}}),
         w.standardDesigns->CmdCompute, ""},
        {"tapered inlet",
         type({{w.taperedInlet->TxtQAuto, "1e6"},
               {w.taperedInlet->TxtHMinAuto, "-1e6"},
               {w.taperedInlet->TxtHMaxAuto, "1e6"}}),
         w.taperedInlet->CmdComputeAuto, ""},
        {"drop inlet",
         type({{w.dropInlet->TxtDP[DropInletContents::DesignQ], "1e6"},
               {w.dropInlet->TxtDP[DropInletContents::AllowableHWElev], "1e6"},
               {w.dropInlet->TxtDP[DropInletContents::WeirElev], "0"},
               {w.dropInlet->TxtDP[DropInletContents::BarrelLength], "1e6"},
               {w.dropInlet->TxtDP[DropInletContents::OutletInvertElev], "-1e6"},
               {w.dropInlet->TxtDP[DropInletContents::TWDepth], "1e6"},
               {w.dropInlet->TxtDP[DropInletContents::InletInvertElev], "-1e6"}}),
         w.dropInlet->CmdComputeBarrels, ""},
        {"culvert design, long and steep",
         [&] {
             gen.GrdDesignQs->SetTextMatrix(1, 3, "1e6");
             type({{gen.TxtCulvertBarrelLength, "1e6"},
                   {gen.TxtInletInvertElevation, "1e6"},
                   {gen.TxtOutletInvertElevation, "-1e6"}})();
         },
         gen.CmdComputeAllResults, ""},
        {"culvert design, Manning n of a million",
         type({{gen.TxtManningN, "1e6"}, {gen.TxtCulvertBarrelLength, "1e6"}}),
         gen.CmdComputeAllResults,
         "Design Q in row 1: The outlet-control results are too large to show. Check the "
         "Design Q, the barrel size, the Manning N, the Ke and the Culvert Barrel Length."},
        {"scour hole, a million over the smallest span under a tailwater near 0",
         type({{scour.txtDesignQ[0], "1e6"},
               {scour.txtTailwaterDepth[0], "1e-20"},
               {scour.txtNEScourHoleCulvertDiam[0], "0.0834"}}),
         scour.cmdCompute,
         "Overflow in the riprap size D50: check the Design Q, the Tailwater depth and the "
         "Culvert Diameter or Span, "},
        {"scour hole, every box a million",
         type({{scour.txtDesignQ[0], "1e6"},
               {scour.txtTailwaterDepth[0], "1e6"},
               {scour.txtNEScourHoleCulvertDiam[0], "1e6"}}),
         scour.cmdCompute, ""},
        {"plunge basin",
         type({{w.plungeBasin->txtDesignQ, "1e6"}, {w.plungeBasin->txtTailwaterDepth, "1e6"}}),
         w.plungeBasin->cmdCompute, "Velocity must be <= 30."},
        {"riprap basin",
         type({{w.riprapBasin->txtDesignQ, "1e6"}, {w.riprapBasin->txtTailwaterDepth, "1e6"}}),
         w.riprapBasin->cmdCompute,
         "Froude Number > 3. Out of range for design table. A larger culvert might work."},
        {"Q - Depth, a depth of a million in a channel with n of 1e-20", depthOfAMillion("1e-20"),
         qDepth.CmdComputeElevQ,
         "The discharge in row 1 is too large to compute. Check the Channel Slope and the "
         "Manning n values of the cross-section."},
        {"Q - Depth, a depth of a million in a channel with n of 1e-300", depthOfAMillion("1e-300"),
         qDepth.CmdComputeElevQ,
         "Overflow in the channel conveyance: check the Manning n values of the "
         "cross-section, "},
        {"pipe-arch section, ten thousand times the usual",
         type({{w.mainFrm->Text10, "720000"},
               {w.mainFrm->Text1, "486853.1470805786"},
               {w.mainFrm->Text2, "840000"},
               {w.mainFrm->Text3, "390000"},
               {w.mainFrm->Text11, "180000"},
               {w.mainFrm->Text12, "1e6"}}),
         w.mainFrm->Command1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Open(ExampleProject);
        user.shown.clear();
        c.type();
        c.compute->click();
        if (c.message.isEmpty()) {
            EXPECT_TRUE(user.shown.empty()) << user.shown.front().text.toStdString();
        } else {
            ASSERT_EQ(user.shown.size(), 1u);
            EXPECT_TRUE(user.shown[0].text.startsWith(c.message))
                << user.shown[0].text.toStdString();
        }
        EXPECT_EQ(UnshownTexts(*main), std::vector<QString>{});
    }
}

} // namespace
