#include "ProjectFixture.h"
#include "app/MainFrm.h"
#include "hydraulics/CatalogueTables.h"
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
        {"culvert design Q",
         Cell(w.genDesign->GrdDesignQs, 1, 3, w.genDesign->CmdComputeAllResults),
         "Design Q in row 1 is too small. Please re-enter."},
        {"culvert design Q for TW",
         Cell(w.genDesign->GrdDesignQs, 2, 3, w.genDesign->CmdComputeTWDepths),
         "Design Q in row 2 is too small. Please re-enter."},
        {"scour hole Q", Box(w.scourHole->txtDesignQ[0], w.scourHole->cmdCompute),
         "Design Q is too small. Please re-enter."},
        {"scour hole Q for TW", Box(w.scourHole->txtDesignQ[0], w.scourHole->CmdComputeTWDepths),
         "Design Q is too small. Please re-enter."},
        {"plunge basin Q", Box(w.plungeBasin->txtDesignQ, w.plungeBasin->cmdCompute),
         "The Design Q is too small. Please re-enter the Design Q."},
        {"plunge basin Q for TW", Box(w.plungeBasin->txtDesignQ, w.plungeBasin->CmdComputeTWDepths),
         "Design Q is too small. Please re-enter."},
        {"riprap basin Q", Box(w.riprapBasin->txtDesignQ, w.riprapBasin->cmdCompute),
         "Design Q is too small. Please re-enter the Design Q."},
        {"riprap basin Q for TW", Box(w.riprapBasin->txtDesignQ, w.riprapBasin->CmdComputeTWDepths),
         "Design Q is too small. Please re-enter."},
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

// The culvert controls of a window that takes a typed barrel size.
struct TypedSizeControls {
    const char* window;
    QComboBox* type;
    QRadioButton* typedSize;
    std::array<QLabel*, 5> captions;
    std::array<QLineEdit*, 5> sizes;
    QPushButton* compute;
    const char* tooSmall; // "%1" stands for the size's caption
};

// A barrel dimension under an inch, in inches or in feet, is refused by its
// caption in every window that takes a typed size, before any computation can
// lose the barrel's flow area; an inch and the catalogue's smallest sizes are
// taken. Each size is tried beside the smallest standard size of its type.
TEST_F(TypedNumberBound, EveryTypedBarrelDimensionUnderAnInchIsRefusedByName) {
    auto& w = *windows;
    FrmGenDesign& gen = *w.genDesign;
    const char* const valueEntered =
        "The value entered for %1 is too small. Please re-enter the %1.";
    auto block = [&](const char* window, CulvertInputBlock& c, QPushButton* compute) {
        return TypedSizeControls{window,        c.CmboCulvertType, c.OptBarrelSize[1],
                                 c.LblUserSize, c.TxtUserSize,     compute,
                                 valueEntered};
    };
    const TypedSizeControls windowsWithSizes[] = {
        {"General Design", gen.CmboCulvertType, gen.OptBarrelSize[1], gen.LblUserSize,
         gen.TxtUserSize, gen.CmdComputeAllResults, "The %1 is too small. Please re-enter the %1."},
        block("plunge basin", *w.plungeBasin->Frame2, w.plungeBasin->cmdCompute),
        block("riprap basin", *w.riprapBasin->Frame2, w.riprapBasin->cmdCompute),
    };
    // Inches, then the same in feet for a type shown in feet.
    const QStringList belowInches = {"1e-300", "0.000001", "0.001", "0.01", "0.99"};
    const QStringList belowFeet = {"1e-300", "0.000001", "0.001", "0.01", "0.0833"};
    const auto& types = GlobalVariables::GenDesignCulvertTypes;
    for (const TypedSizeControls& c : windowsWithSizes) {
        for (size_t t = 1; t < types.size(); ++t) {
            const GenDesignCulvertType& type = types[t];
            SCOPED_TRACE(std::string(c.window) + ", " + type.ComboText);
            const bool inches = type.DisplayUnits == 1;
            // The smallest standard size, typed in the type's unit.
            const GenStandardSize* smallest = &type.StdSizes.at(1);
            for (size_t k = 2; k < type.StdSizes.size(); ++k) {
                if (type.StdSizes[k].SizesFt[1] < smallest->SizesFt[1]) {
                    smallest = &type.StdSizes[k];
                }
            }
            QStringList typed;
            for (int k = 1; k <= type.NumSizeParameters; ++k) {
                typed << QString::number(
                    smallest->SizesFt[static_cast<size_t>(k)] * (inches ? 12 : 1), 'g', 15);
            }
            auto compute = [&] {
                user.shown.clear();
                c.compute->click();
                return user.shown.empty() ? QString() : user.shown.back().text;
            };
            c.type->setCurrentIndex(static_cast<int>(t) - 1);
            c.typedSize->click();
            for (int k = 0; k < type.NumSizeParameters; ++k) {
                c.sizes[static_cast<size_t>(k)]->setText(typed[k]);
            }
            EXPECT_FALSE(compute().contains("too small")) << typed.join(" x ").toStdString();
            for (int k = 0; k < type.NumSizeParameters; ++k) {
                QLineEdit* box = c.sizes[static_cast<size_t>(k)];
                const QString caption = c.captions[static_cast<size_t>(k)]->text();
                const QString tooSmall = QString(c.tooSmall).replace("%1", caption);
                for (const QString& value : inches ? belowInches : belowFeet) {
                    box->setText(value);
                    EXPECT_EQ(compute(), tooSmall) << value.toStdString();
                    EXPECT_EQ(UnshownTexts(*main), std::vector<QString>{});
                }
                box->setText(inches ? "1" : "0.0834");
                const QString atAnInch = compute();
                EXPECT_NE(atAnInch, tooSmall) << caption.toStdString();
                EXPECT_FALSE(atAnInch.startsWith("Division by zero")) << atAnInch.toStdString();
                EXPECT_EQ(UnshownTexts(*main), std::vector<QString>{});
                box->setText(typed[k]);
            }
        }
    }
    // The scour hole's span in feet and the pipe-arch window's sizes in inches.
    struct Case {
        const char* name;
        Field field;
        QString below;
        QString atAnInch;
        QString tooSmall;
    };
    const char* arch[] = {"72", "48.68531470805786", "84", "39", "18", "100"};
    QLineEdit* archBoxes[] = {w.mainFrm->Text10, w.mainFrm->Text1,  w.mainFrm->Text2,
                              w.mainFrm->Text3,  w.mainFrm->Text11, w.mainFrm->Text12};
    for (int i = 0; i < 6; ++i) {
        archBoxes[i]->setText(arch[i]);
    }
    const Case cases[] = {
        {"scour hole span", Box(w.scourHole->txtNEScourHoleCulvertDiam[0], w.scourHole->cmdCompute),
         "0.0833", "0.0834",
         "The value entered for the \"Culvert Diameter or Span\" is too small. Please re-enter "
         "the \"Culvert Diameter or Span\"."},
        {"pipe-arch span", Box(w.mainFrm->Text10, w.mainFrm->Command1), "0.99", "1",
         "The value entered for Span is too small. Please re-enter the Span."},
        {"pipe-arch corner radius", Box(w.mainFrm->Text11, w.mainFrm->Command1), "1e-300", "1",
         "The value entered for CR is too small. Please re-enter the CR."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString original = c.field.text();
        EXPECT_EQ(Refusal(c.field, c.below), c.tooSmall);
        EXPECT_EQ(Refusal(c.field, "0.001"), c.tooSmall);
        EXPECT_NE(Refusal(c.field, c.atAnInch), c.tooSmall);
        EXPECT_NE(Refusal(c.field, original), c.tooSmall);
    }
}

// Where one button runs several check routines, a value beyond a bound in an
// earlier routine waits until every routine has passed: the check's own
// message comes first, and once it is mended, the bound names its value.
TEST_F(TypedNumberBound, WithSeveralFaultsTheChecksOwnMessageComesBeforeTheBound) {
    auto& w = *windows;
    FrmGenDesign& gen = *w.genDesign;
    FrmTailwaterQDepth& qDepth = *w.tailwaterQDepth;
    frmScourHoleDesign& scour = *w.scourHole;
    auto box = [](QLineEdit* b, const char* text) { return [b, text] { b->setText(text); }; };
    auto cell = [](FlexGrid* grid, int row, int col, const char* text) {
        return [grid, row, col, text] { grid->SetTextMatrix(row, col, text); };
    };
    auto both = [](std::function<void()> first, std::function<void()> second) {
        return [first, second] {
            first();
            second();
        };
    };
    const auto steepChannel = box(w.tailwaterCrossSection->TxtChannelSlope, "2,000,000");
    const QString slopeTooLarge =
        "The value entered for Channel Slope is too large. Please re-enter the Channel Slope.";
    struct Case {
        const char* name;
        std::function<void()> faults; // a value beyond a bound and a fault the checks name
        QPushButton* compute;
        QString checksMessage;
        std::function<void()> mend; // mends the fault the checks name
        QString boundMessage;
    };
    const Case cases[] = {
        {"rating curve: the step after the channel",
         both(steepChannel, box(w.tailwaterRatingCurve->TxtRCStepSize, "")),
         w.tailwaterRatingCurve->CmdComputeRatingsCurve,
         "Please enter a value for the Step Size (> 0).",
         box(w.tailwaterRatingCurve->TxtRCStepSize, "0.5"), slopeTooLarge},
        {"Q - Depth: the Q-Elevation cells after the channel",
         both(steepChannel, [&] { qDepth.SetQElevCell(1, 0, "abc"); }), qDepth.CmdComputeElevQ,
         "Value in row 1, column 1 can not be evaluated as a number, please re-enter.",
         [&] { qDepth.SetQElevCell(1, 0, "50"); }, slopeTooLarge},
        {"Q - Depth: a design grid's cells after the channel",
         both(steepChannel, cell(qDepth.GrdVRCTailWaterCalc, 2, 1, "lots")),
         qDepth.CmdComputeVRCUSGSTW,
         "Value in row 2, column 2 can not be evaluated as a number, please re-enter.",
         cell(qDepth.GrdVRCTailWaterCalc, 2, 1, "500"), slopeTooLarge},
        {"Q - Depth: a later design grid's cells after an earlier grid's bound",
         both(cell(qDepth.GrdVRCTailWaterCalc, 1, 1, "1e7"),
              cell(qDepth.grdMavo87TWCalc, 3, 1, "lots")),
         qDepth.CmdComputeVRCUSGSTW,
         "Value in row 3, column 2 can not be evaluated as a number, please re-enter.",
         cell(qDepth.grdMavo87TWCalc, 3, 1, "500"),
         "Value in row 1, column 2 of the Vosk Runoff Chart grid is too large, please re-enter."},
        {"General Design TW depths: the discharges after the channel",
         both(steepChannel, cell(gen.GrdDesignQs, 2, 3, "abc")), gen.CmdComputeTWDepths,
         "Design Q in row 2 can not be evaluated as a number. Please re-enter.",
         cell(gen.GrdDesignQs, 2, 3, "500"), slopeTooLarge},
        {"General Design: the culvert after the discharges",
         both(cell(gen.GrdDesignQs, 1, 3, "1e7"), box(gen.TxtInletInvertElevation, "")),
         gen.CmdComputeAllResults, "A value is required for the Inlet Invert Elevation.",
         box(gen.TxtInletInvertElevation, "100"),
         "Design Q in row 1 is too large. Please re-enter."},
        {"General Design: the typed size after the culvert",
         both(box(gen.TxtCulvertBarrelLength, "1e-300"),
              [&] {
                  gen.OptBarrelSize[1]->click();
                  gen.TxtUserSize[0]->setText("abc");
                  gen.TxtUserSize[1]->setText("4");
              }),
         gen.CmdComputeAllResults,
         "The Width (Span) can not be evaluated as a number. Please re-enter the Width (Span).",
         box(gen.TxtUserSize[0], "0.05"),
         "The value entered for Culvert Barrel Length is too small. Please re-enter the Culvert "
         "Barrel Length."},
        {"scour hole: the span after the design flow",
         both(box(scour.txtTailwaterDepth[0], "1e7"), box(scour.txtNEScourHoleCulvertDiam[0], "0")),
         scour.cmdCompute, "\"Culvert Diameter or Span\" must be > 0.",
         box(scour.txtNEScourHoleCulvertDiam[0], "6"),
         "Tailwater depth is too large. Please re-enter."},
        {"scour hole TW depth: the Design Q after the channel",
         both(steepChannel, box(scour.txtDesignQ[0], "")), scour.CmdComputeTWDepths,
         "A Design Q is required to compute the Tailwater Depth.", box(scour.txtDesignQ[0], "500"),
         slopeTooLarge},
        {"plunge basin: the culvert after the design flow",
         both(box(w.plungeBasin->txtDesignQ, "1e-300"),
              box(w.plungeBasin->Frame2->TxtKeInlet, "0")),
         w.plungeBasin->cmdCompute, "Ke must be > 0.",
         box(w.plungeBasin->Frame2->TxtKeInlet, "0.5"),
         "The Design Q is too small. Please re-enter the Design Q."},
        {"plunge basin TW depth: the Design Q after the channel",
         both(steepChannel, box(w.plungeBasin->txtDesignQ, "abc")),
         w.plungeBasin->CmdComputeTWDepths,
         "Design Q can not be evaluated as a number. Please re-enter.",
         box(w.plungeBasin->txtDesignQ, "500"), slopeTooLarge},
        {"riprap basin: the typed size after the design flow",
         both(box(w.riprapBasin->txtTailwaterDepth, "1e7"),
              [&] {
                  w.riprapBasin->Frame2->OptBarrelSize[1]->click();
                  w.riprapBasin->Frame2->TxtUserSize[0]->setText("");
                  w.riprapBasin->Frame2->TxtUserSize[1]->setText("4");
              }),
         w.riprapBasin->cmdCompute, "A value must be entered for Width (Span).",
         box(w.riprapBasin->Frame2->TxtUserSize[0], "6"),
         "Tailwater depth is too large. Please re-enter the Tailwater depth."},
        {"riprap basin TW depth: the Design Q after the channel",
         both(steepChannel, box(w.riprapBasin->txtDesignQ, "0")), w.riprapBasin->CmdComputeTWDepths,
         "Design Q is <=0. Design Q must be > 0.", box(w.riprapBasin->txtDesignQ, "500"),
         slopeTooLarge},
        {"drop inlet weir: the grid after the design inputs",
         both(box(w.dropInlet->TxtDP[DropInletContents::DesignQ], "1e7"),
              cell(w.dropInlet->GrdWeirCalc, 2, 1, "wide")),
         w.dropInlet->CmdWeirClac,
         "Value entered for Width in row 2 can not be evaluated as a number. Please re-enter.",
         cell(w.dropInlet->GrdWeirCalc, 2, 1, "5"),
         "The value entered for : Design Q (cfs), is too large. Please re-enter."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OpenAnsweringYes(ExampleProject);
        c.faults();
        user.shown.clear();
        c.compute->click();
        EXPECT_EQ(user.MessageTexts(), std::vector<QString>{c.checksMessage});
        c.mend();
        user.shown.clear();
        c.compute->click();
        EXPECT_EQ(user.MessageTexts(), std::vector<QString>{c.boundMessage});
        EXPECT_EQ(UnshownTexts(*main), std::vector<QString>{});
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
        // The normal depth search gives 0 below 0.001 ft: no brink depth.
        {"riprap basin, the smallest discharge through an inch of pipe over no tailwater",
         [&] {
             CulvertInputBlock& culvert = *w.riprapBasin->Frame2;
             culvert.CmboCulvertType->setCurrentIndex(0);
             culvert.OptBarrelSize[1]->click();
             culvert.TxtUserSize[0]->setText("1");
             type({{w.riprapBasin->txtDesignQ, "0.000001"},
                   {w.riprapBasin->txtTailwaterDepth, "0"}})();
         },
         w.riprapBasin->cmdCompute,
         "Division by zero in the brink tailwater ratio (the brink depth Yo is 0: check the "
         "Design Q, the Tailwater depth and the barrel size), "},
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
        OpenAnsweringYes(ExampleProject);
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
