#include "ProjectFixture.h"
#include "general_design/PrtGeneralCulvertDesign.h"
#include "inlets/FrmDropInletDesign.h"
#include "inlets/FrmTaperedInletDesign.h"
#include "outlet_protection/CulvertInputBlock.h"
#include "outlet_protection/frmNEPlungeBasin.h"
#include "outlet_protection/frmScourHoleDesign.h"
#include "platform/InputChanges.h"
#include "platform/TwipsPrinterFixedMetrics.h"
#include "riprap_basin/PrtHec14.h"
#include "riprap_basin/frmHec14RipRap.h"
#include "standard_designs/FrmVSHAStandardDesigns.h"

#include <QCheckBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>

#include <functional>

// The design and erosion windows show results only while these belong to the
// inputs on screen: the user's change of an input clears them, a Compute that
// refuses its inputs leaves none, and the project file brings back its own.
// Every case starts from the example project, which holds results in each
// window, so that it also shows that reading a file keeps them.
namespace {

const QString ExampleProject = TW_EXAMPLE_PROJECT;

QString GridTexts(const FlexGrid& grid, int firstCol, int lastCol) {
    QString texts;
    for (int r = grid.FixedRows(); r < grid.Rows(); ++r) {
        for (int c = firstCol; c <= lastCol; ++c) {
            texts += grid.TextMatrix(r, c).trimmed();
        }
    }
    return texts;
}

QString Texts(std::initializer_list<const QLineEdit*> boxes) {
    QString texts;
    for (const QLineEdit* box : boxes) {
        texts += box->text().trimmed();
    }
    return texts;
}

QString Captions(std::initializer_list<const QLabel*> labels) {
    QString texts;
    for (const QLabel* label : labels) {
        texts += label->text().trimmed();
    }
    return texts;
}

class DesignResultsFollowInputs : public ProjectFileTest {
protected:
    // Every result a window shows, joined; empty when it shows none. The
    // drop inlet's barrels and weir are apart, as their inputs are.
    enum Results { Standard, Tapered, DropBarrels, DropWeir, General, Scour, Plunge, Riprap };
    static constexpr int NumResults = Riprap + 1;

    QString Shown(Results results) const {
        const StartUpMod::LoadedWindows& w = *windows;
        switch (results) {
        case Standard: {
            QString texts;
            for (int g = 1; g <= 5; ++g) {
                texts +=
                    GridTexts(*w.standardDesigns->Grid(g), 0, w.standardDesigns->GridCols(g) - 1);
            }
            return texts;
        }
        case Tapered:
            return GridTexts(*w.taperedInlet->GrdAutoResults, 0,
                             w.taperedInlet->ResultGridCols() - 1);
        case DropBarrels:
            return w.dropInlet->LblBarrelWeirLength->text().trimmed() +
                   GridTexts(*w.dropInlet->GrdRCB, 0, w.dropInlet->GrdRCB->Cols() - 1) +
                   GridTexts(*w.dropInlet->GrdRCP, 0, w.dropInlet->GrdRCP->Cols() - 1);
        case DropWeir:
            // The example computes the weir lengths (column 2) and headwater
            // elevations (column 3) from typed widths.
            return w.dropInlet->LblWeirWeirLengthCalc->text().trimmed() +
                   GridTexts(*w.dropInlet->GrdWeirCalc, 2, 3);
        case General:
            return GridTexts(*w.genDesign->GrdAllResults, 0,
                             w.genDesign->GrdAllResults->Cols() - 1);
        case Scour: {
            const frmScourHoleDesign& s = *w.scourHole;
            QString texts;
            for (size_t i = 0; i < 2; ++i) {
                texts += Captions({s.lblADim[i], s.lblCDim[i], s.lblEDim[i], s.lblFDim[i],
                                   s.lblCalcD50[i], s.lblRecD50[i], s.lblCalcD[i], s.lblRecD[i]});
            }
            return texts;
        }
        case Plunge: {
            const frmNEPlungeBasin& p = *w.plungeBasin;
            return Texts({p.txtEquivPipeDiam, p.txtDesignPipeDiam, p.txtExitVelocity, p.txtD50,
                          p.txtRiprapThickness, p.txtAdim, p.txtCdim, p.txtEdim, p.txtTdim,
                          p.txtFdim, p.txtW, p.txtTotalLength}) +
                   p.lblRiprapClass->text().remove("CLASS:").trimmed();
        }
        case Riprap: {
            const frmHec14RipRap& b = *w.riprapBasin;
            return Texts({b.txtW, b.txtd50}) +
                   Captions(
                       {b.lblRecD50, b.lblCalcD[1], b.lblRecD[1], b.lblCalcD[2], b.lblRecD[2]}) +
                   GridTexts(*b.fgResults, 1, 1);
        }
        }
        return {};
    }

    std::array<QString, NumResults> AllShown() const {
        std::array<QString, NumResults> shown;
        for (int r = 0; r < NumResults; ++r) {
            shown[static_cast<size_t>(r)] = Shown(static_cast<Results>(r));
        }
        return shown;
    }

    // The texts of the recorded pages, trimmed, one a line.
    static QString PageTexts(const TwipsPrinter& printer) {
        QString texts;
        for (const PrintedPage& page : printer.Document().pages) {
            for (const PrintedText& text : page.texts) {
                texts += text.text.trimmed() + "\n";
            }
        }
        return texts;
    }

    FixedPrinterMetrics metrics;
};

struct Case {
    const char* name;
    std::function<void(StartUpMod::LoadedWindows&)> change;
    // The results the change clears; every other window keeps its own.
    std::vector<int> cleared;
};

} // namespace

TEST_F(DesignResultsFollowInputs, TheExampleProjectOpensWithTheResultsItSaved) {
    Open(ExampleProject);
    ASSERT_TRUE(user.MessageTexts().empty());
    for (int r = 0; r < NumResults; ++r) {
        EXPECT_FALSE(Shown(static_cast<Results>(r)).isEmpty()) << "results " << r;
    }
    // A few of them as the file holds them.
    EXPECT_EQ(windows->riprapBasin->fgResults->TextMatrix(Hec14RiprapResults::Vo, 1), "10.23");
    EXPECT_EQ(windows->riprapBasin->txtW->text(), "24.0");
    EXPECT_EQ(windows->plungeBasin->txtExitVelocity->text(), "15.52");
    EXPECT_EQ(windows->scourHole->lblADim[1]->text(), "48");
    EXPECT_EQ(windows->standardDesigns->GrdStandardRCBox->TextMatrix(2, 0), ">>");
}

TEST_F(DesignResultsFollowInputs, AChangedInputClearsTheResultsComputedFromIt) {
    using W = StartUpMod::LoadedWindows;
    auto type = [](QLineEdit* box, const char* text) { box->setText(text); };
    // Another entry than the one the example chose.
    auto pick = [](QComboBox* list) { list->setCurrentIndex(list->currentIndex() == 0 ? 1 : 0); };
    const Case cases[] = {
        // VSHA Standard Designs: the four boxes and the tick.
        {"standard Q", [&](W& w) { type(w.standardDesigns->txtTotalQ, "500"); }, {Standard}},
        {"standard H-Max", [&](W& w) { type(w.standardDesigns->TxtHMax, "4"); }, {Standard}},
        {"standard H-Min", [&](W& w) { type(w.standardDesigns->TxtHMin, "-1"); }, {Standard}},
        {"standard invert",
         [&](W& w) { type(w.standardDesigns->txtInletInvertElev, "101"); },
         {Standard}},
        {"standard barrels",
         [](W& w) { w.standardDesigns->ChkIncludeMultipleBarrels->click(); },
         {Standard}},
        // Tapered Inlet Design.
        {"tapered Q", [&](W& w) { type(w.taperedInlet->TxtQAuto, "490"); }, {Tapered}},
        {"tapered H-Max", [&](W& w) { type(w.taperedInlet->TxtHMaxAuto, "2.5"); }, {Tapered}},
        {"tapered H-Min", [&](W& w) { type(w.taperedInlet->TxtHMinAuto, "-1"); }, {Tapered}},
        {"tapered barrels",
         [](W& w) { w.taperedInlet->ChkIncludeMultipleBarrels->click(); },
         {Tapered}},
        // Drop Inlet Design: the barrels come from all seven inputs and the
        // tick, the weir from the first three and the widths typed under
        // the chosen option.
        {"drop Q",
         [&](W& w) { type(w.dropInlet->TxtDP[DropInletContents::DesignQ], "480"); },
         {DropBarrels, DropWeir}},
        {"drop weir elevation",
         [&](W& w) { type(w.dropInlet->TxtDP[DropInletContents::WeirElev], "103.5"); },
         {DropBarrels, DropWeir}},
        {"drop barrel length",
         [&](W& w) { type(w.dropInlet->TxtDP[DropInletContents::BarrelLength], "90"); },
         {DropBarrels}},
        {"drop tailwater",
         [&](W& w) { type(w.dropInlet->TxtDP[DropInletContents::TWDepth], "4"); },
         {DropBarrels}},
        {"drop barrels",
         [](W& w) { w.dropInlet->ChkIncludeMultipleBarrels->click(); },
         {DropBarrels}},
        {"drop weir option",
         [](W& w) { w.dropInlet->OptWeirCalc[WidthAndLengthGivenComputeHW]->click(); },
         {}},
        // General Culvert Design: the design grid, the hand-overs into it,
        // the culvert and the allowable headwater.
        {"general design Q typed",
         [](W& w) { w.genDesign->GrdDesignQs->SetTextMatrix(1, 3, "300"); },
         {General}},
        {"general row unticked",
         [](W& w) { w.genDesign->GrdDesignQs->SetCellChecked(1, 0, false); },
         {General}},
        {"general cells pasted",
         [](W& w) {
             w.genDesign->GrdDesignQs->SetSelection(2, 4, 2, 4);
             w.genDesign->GrdDesignQs->SetClip("3.5");
         },
         {General}},
        // The row count is restored, or the next Open could not fill the last row.
        {"general row removed",
         [](W& w) {
             w.genDesign->GrdDesignQs->RemoveItem(1);
             w.genDesign->GrdDesignQs->SetRows(11);
         },
         {General}},
        {"general row inserted", [](W& w) { w.genDesign->GrdDesignQs->AddItem("", 1); }, {General}},
        {"general Get Q's", [](W& w) { w.genDesign->CmdGetVRCQs->click(); }, {General}},
        {"general allowable headwater",
         [&](W& w) { type(w.genDesign->TxtAllowableHeadWaterElevation, "107"); },
         {General}},
        {"general inlet invert",
         [&](W& w) { type(w.genDesign->TxtInletInvertElevation, "100.5"); },
         {General}},
        {"general Manning n", [&](W& w) { type(w.genDesign->TxtManningN, "0.013"); }, {General}},
        {"general Ke", [&](W& w) { type(w.genDesign->TxtKeInlet, "0.4"); }, {General}},
        {"general culvert type", [&](W& w) { pick(w.genDesign->CmboCulvertType); }, {General}},
        {"general inlet", [&](W& w) { pick(w.genDesign->CmboInletType); }, {General}},
        {"general standard size",
         [&](W& w) { pick(w.genDesign->CmboVSHAStandardSize); },
         {General}},
        {"general size option", [](W& w) { w.genDesign->OptBarrelSize[1]->click(); }, {General}},
        // NE Scour Hole.
        {"scour Q", [&](W& w) { type(w.scourHole->txtDesignQ[0], "400"); }, {Scour}},
        {"scour tailwater", [&](W& w) { type(w.scourHole->txtTailwaterDepth[0], "4"); }, {Scour}},
        {"scour span",
         [&](W& w) { type(w.scourHole->txtNEScourHoleCulvertDiam[0], "5"); },
         {Scour}},
        // NE Plunge Basin: the culvert block, the design Q and tailwater.
        {"plunge culvert type",
         [&](W& w) { pick(w.plungeBasin->Frame2->CmboCulvertType); },
         {Plunge}},
        {"plunge outlet invert",
         [&](W& w) { type(w.plungeBasin->Frame2->TxtOutletInvertElevation, "99"); },
         {Plunge}},
        {"plunge size option",
         [](W& w) { w.plungeBasin->Frame2->OptBarrelSize[1]->click(); },
         {Plunge}},
        {"plunge Q", [&](W& w) { type(w.plungeBasin->txtDesignQ, "450"); }, {Plunge}},
        {"plunge tailwater", [&](W& w) { type(w.plungeBasin->txtTailwaterDepth, "4"); }, {Plunge}},
        // HEC-14 Riprap Basin.
        {"riprap inlet", [&](W& w) { pick(w.riprapBasin->Frame2->CmboInletType); }, {Riprap}},
        {"riprap barrel length",
         [&](W& w) { type(w.riprapBasin->Frame2->TxtCulvertBarrelLength, "85"); },
         {Riprap}},
        {"riprap standard size",
         [&](W& w) { pick(w.riprapBasin->Frame2->CmboVSHAStandardSize); },
         {Riprap}},
        {"riprap Q", [&](W& w) { type(w.riprapBasin->txtDesignQ, "200"); }, {Riprap}},
        {"riprap tailwater", [&](W& w) { type(w.riprapBasin->txtTailwaterDepth, "3"); }, {Riprap}},
    };
    Open(ExampleProject);
    const std::array<QString, NumResults> opened = AllShown();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // Every change before is work not saved, which Open asks about first.
        EXPECT_EQ(OpenAnsweringYes(ExampleProject), &c != &cases[0]);
        ASSERT_EQ(AllShown(), opened);
        c.change(*windows);
        for (int r = 0; r < NumResults; ++r) {
            const bool cleared =
                std::find(c.cleared.begin(), c.cleared.end(), r) != c.cleared.end();
            EXPECT_EQ(Shown(static_cast<Results>(r)),
                      cleared ? QString() : opened[static_cast<size_t>(r)])
                << "results " << r;
        }
    }
    EXPECT_TRUE(user.MessageTexts().empty());
}

// Typing what a box holds, a list re-choosing its own entry, an option
// clicked again, the focus passing through a box and a tailwater depth
// computed again from the channel that gave it change no result.
TEST_F(DesignResultsFollowInputs, AChangeThatLeavesTheInputsAsTheyWereClearsNothing) {
    Open(ExampleProject);
    const std::array<QString, NumResults> opened = AllShown();
    StartUpMod::LoadedWindows& w = *windows;
    auto depths = [&w] {
        return GridTexts(*w.genDesign->GrdDesignQs, 4, 4) +
               Texts({w.scourHole->txtTailwaterDepth[0], w.plungeBasin->txtTailwaterDepth,
                      w.riprapBasin->txtTailwaterDepth});
    };
    const QString saved = depths();
    w.genDesign->CmdComputeTWDepths->click();
    w.scourHole->CmdComputeTWDepths->click();
    w.plungeBasin->CmdComputeTWDepths->click();
    w.riprapBasin->CmdComputeTWDepths->click();
    EXPECT_EQ(depths(), saved);
    w.riprapBasin->txtDesignQ->setText(w.riprapBasin->txtDesignQ->text());
    w.genDesign->GrdDesignQs->SetTextMatrix(1, 3, w.genDesign->GrdDesignQs->TextMatrix(1, 3));
    w.genDesign->CmboCulvertType->setCurrentIndex(w.genDesign->CmboCulvertType->currentIndex());
    w.genDesign->OptBarrelSize[0]->click();
    w.plungeBasin->Frame2->CmboInletType->setCurrentIndex(
        w.plungeBasin->Frame2->CmboInletType->currentIndex());
    w.standardDesigns->Frame()->show();
    w.standardDesigns->txtTotalQ->setFocus();
    w.standardDesigns->TxtHMax->setFocus();
    EXPECT_EQ(AllShown(), opened);
    EXPECT_TRUE(user.MessageTexts().empty());
}

// The example computes weir rows 2 and 4 from their widths: a width typed or
// pasted clears the length and headwater of its own row only.
TEST_F(DesignResultsFollowInputs, AWeirWidthClearsTheResultsOfItsRowOnly) {
    Open(ExampleProject);
    const std::array<QString, NumResults> opened = AllShown();
    FlexGrid& weir = *windows->dropInlet->GrdWeirCalc;
    auto row = [&weir](int r) { return weir.TextMatrix(r, 2) + weir.TextMatrix(r, 3); };
    const QString row4 = row(4);
    ASSERT_FALSE(row(2).isEmpty());
    ASSERT_FALSE(row4.isEmpty());
    weir.SetTextMatrix(2, 1, "5");
    EXPECT_EQ(row(2), "");
    EXPECT_EQ(row(4), row4);
    weir.SetSelection(4, 1, 4, 1);
    weir.SetClip("7");
    EXPECT_EQ(row(4), "");
    std::array<QString, NumResults> shown = AllShown();
    EXPECT_FALSE(windows->dropInlet->LblWeirWeirLengthCalc->text().trimmed().isEmpty());
    shown[DropWeir] = opened[DropWeir];
    EXPECT_EQ(shown, opened);
}

// "Get ... Q's" copies the discharges and empties the tailwater depths: over
// a grid that holds just that, it changes nothing.
TEST_F(DesignResultsFollowInputs, DischargesCopiedAgainClearNoGeneralDesignResults) {
    Open(ExampleProject);
    FrmGenDesign& gen = *design;
    gen.CmdGetVRCQs->click();
    ASSERT_EQ(Shown(General), "");
    ASSERT_EQ(GridTexts(*gen.GrdDesignQs, 4, 4), "");
    gen.CmdComputeAllResults->click();
    ASSERT_TRUE(user.MessageTexts().empty()) << user.MessageTexts().front().toStdString();
    const QString computed = Shown(General);
    ASSERT_FALSE(computed.isEmpty());
    gen.CmdGetVRCQs->click();
    EXPECT_EQ(Shown(General), computed);
}

TEST_F(DesignResultsFollowInputs, ARefusedComputeLeavesNoResultsOfEarlierInputs) {
    // As a file edited by hand would hold them: results beside a design Q
    // that Compute refuses.
    Open(ExampleProject);
    frmHec14RipRap& riprap = *windows->riprapBasin;
    {
        const InputChanges::Restore asRead;
        riprap.txtDesignQ->setText("-5");
    }
    ASSERT_FALSE(Shown(Riprap).isEmpty());
    riprap.cmdCompute->click();
    EXPECT_EQ(user.MessageTexts(), std::vector<QString>{"Design Q is <=0. Design Q must be > 0."});
    EXPECT_EQ(Shown(Riprap), "");
}

// Design Q 311 computed, then 200 typed and printed: the page used to show
// "200" above the results of 311.
TEST_F(DesignResultsFollowInputs, ARiprapBasinPrintedAfterAnEditShowsNoResultsOfTheOldQ) {
    Open(ExampleProject);
    frmHec14RipRap& riprap = *windows->riprapBasin;
    // One 60 in concrete pipe: a full barrel of 19.63 ft^2.
    CulvertInputBlock& culvert = *riprap.Frame2;
    culvert.CmboCulvertType->setCurrentIndex(culvert.CmboCulvertType->findData(1));
    culvert.OptBarrelSize[1]->click();
    culvert.TxtUserSize[0]->setText("60");
    culvert.CmboUserNumBarrels->setCurrentIndex(0);
    riprap.txtDesignQ->setText("311");
    riprap.cmdCompute->click();
    ASSERT_TRUE(user.MessageTexts().empty()) << user.MessageTexts().front().toStdString();
    const QString vo = riprap.fgResults->TextMatrix(Hec14RiprapResults::Vo, 1);
    const QString ye = riprap.fgResults->TextMatrix(Hec14RiprapResults::Ye, 1);
    ASSERT_FALSE(vo.isEmpty());

    riprap.txtDesignQ->setText("200");
    EXPECT_EQ(Shown(Riprap), "");
    TwipsPrinter printer{metrics};
    PrtHec14::PrintHec14(printer);
    const QString page = PageTexts(printer);
    EXPECT_TRUE(page.contains("200\n"));
    EXPECT_TRUE(page.contains("Vo (ft/s)"));
    EXPECT_FALSE(page.contains(vo + "\n"));
    EXPECT_FALSE(page.contains(ye + "\n"));
}

// A typed pipe-arch computed, then a top radius of 10 in that closes the
// section at a 20 in span: Compute refuses it and the report has no results.
TEST_F(DesignResultsFollowInputs, AGeneralDesignWhoseSizeIsRefusedShowsAndPrintsNoResults) {
    Open(ExampleProject);
    FrmGenDesign& gen = *design;
    gen.CmboCulvertType->setCurrentIndex(gen.CmboCulvertType->findData(5)); // steel pipe-arch
    gen.OptBarrelSize[1]->click();
    const char* sizes[] = {"58.5", "36", "84", "30", "8.75"};
    for (size_t k = 0; k < 5; ++k) {
        gen.TxtUserSize[k]->setText(sizes[k]);
    }
    gen.CmdComputeAllResults->click();
    ASSERT_TRUE(user.MessageTexts().empty()) << user.MessageTexts().front().toStdString();
    const QString hwElev = gen.GrdAllResults->TextMatrix(1, GenDesignResults::HWElev);
    ASSERT_FALSE(hwElev.isEmpty());

    gen.TxtUserSize[3]->setText("10");
    EXPECT_EQ(Shown(General), "");
    {
        // The results stay while the box is restored, as from a file, so
        // that the refusal itself must clear them.
        const InputChanges::Restore asRead;
        gen.GrdAllResults->SetRows(2);
        gen.GrdAllResults->SetTextMatrix(1, GenDesignResults::HWElev, hwElev);
    }
    gen.CmdComputeAllResults->click();
    ASSERT_EQ(user.MessageTexts().size(), 1u);
    EXPECT_TRUE(
        user.MessageTexts()[0].startsWith("The radii entered form a pipe-arch of span 20.0"));
    EXPECT_EQ(Shown(General), "");
    TwipsPrinter printer{metrics};
    PrtGeneralCulvertDesign::PrintGeneralCulvertDesign(printer);
    const QString page = PageTexts(printer);
    EXPECT_TRUE(page.contains("10\n"));
    EXPECT_FALSE(page.contains(hwElev + "\n"));
}
