#include "ProjectFixture.h"
#include "app/MainFrm.h"
#include "general_design/CulvertInputControls.h"
#include "hydrology/FrmUSGSRegression.h"
#include "hydrology/FrmVoskRunoffChart.h"
#include "hydrology/frmUSGSMavo1987.h"
#include "inlets/FrmDropInletDesign.h"
#include "inlets/FrmTaperedInletDesign.h"
#include "outlet_protection/CulvertInputBlock.h"
#include "outlet_protection/frmNEPlungeBasin.h"
#include "outlet_protection/frmScourHoleDesign.h"
#include "platform/Refusal.h"
#include "riprap_basin/frmHec14RipRap.h"
#include "standard_designs/FrmVSHAStandardDesigns.h"
#include "standard_designs/StandardDesignScreen.h"
#include "tailwater/FrmTailWaterCrossSection.h"
#include "tailwater/FrmTailWaterRatingCurve.h"
#include "tailwater/FrmTailwaterQDepth.h"
#include "tailwater/QDepthComputation.h"
#include "tailwater/TailWaterMod.h"

#include <set>
#include <span>

namespace {

const QString ExampleProject = TW_EXAMPLE_PROJECT;

// Fields that deliberately name no input: their message is about no one
// input, and the focus stays where the message box found it.
const std::set<std::string> NamesNoInput = {
    "", // rows of the Q - Depth grids without a depth; a channel of no points
};

// The field names a part of a window refuses with: `part` is the window, or
// the block of controls that shows the refusal.
struct Walk {
    std::string name;
    QWidget* part;
    std::vector<std::string> fields;

    void Add(std::span<const InputChecks::NumberCheck> checks) {
        for (const InputChecks::NumberCheck& check : checks) {
            fields.push_back(check.field);
        }
    }
    void Add(std::span<const InputChecks::Magnitude> bounds) {
        for (const InputChecks::Magnitude& bound : bounds) {
            fields.push_back(bound.field);
        }
    }
    void Add(const QWidget* control) { fields.push_back(control->objectName().toStdString()); }
};

// The example project open: every window's inputs filled.
class RefusalFields : public ProjectFileTest {
protected:
    void SetUp() override {
        ProjectFileTest::SetUp();
        Open(ExampleProject);
        ASSERT_TRUE(user.MessageTexts().empty());
    }

    // The checks of the culvert type, inlet and size controls, with every
    // culvert type's typed size boxes; the typed size stays chosen, of the
    // type with the most boxes, so that each box can take the focus.
    static void AddCulvertChecks(Walk& walk, const CulvertInputControls& c) {
        walk.Add(CulvertInputs::DesignDataChecks(c));
        c.optBarrelSize[1]->click();
        int widest = 0;
        size_t most = 0;
        for (int t = 0; t < c.culvertType->count(); ++t) {
            c.culvertType->setCurrentIndex(t);
            const auto sizes = CulvertInputs::UserSizeChecks(c, CulvertInputMessages{});
            walk.Add(sizes);
            if (sizes.size() > most) {
                most = sizes.size();
                widest = t;
            }
        }
        EXPECT_EQ(most, static_cast<size_t>(CulvertInputControls::NumUserSizes));
        c.culvertType->setCurrentIndex(widest);
    }

    // Every data row of the design Q grid used, with a discharge.
    static void FillDesignQs(FlexGrid& grid) {
        for (int r = 1; r < grid.Rows(); ++r) {
            grid.SetCellChecked(r, 0, true);
            grid.SetTextMatrix(r, 3, "10");
        }
    }

    // Every field of the culvert block and the window's own design Q and
    // tailwater checks, walked from the window and from the block: the block
    // refuses the window's values once all are read, and the window the
    // block's when a Compute TW Depth names its Q.
    template <class Window>
    void AddBasinWindow(std::vector<Walk>& walks, const std::string& name, Window& window) {
        Walk walk{name, &window, {}};
        walk.Add(window.DesignQTWChecks());
        AddCulvertChecks(walk, CulvertInputs::ControlsOf(*window.Frame2));
        walks.push_back(walk);
        walk.name += " (its culvert block)";
        walk.part = window.Frame2;
        walks.push_back(walk);
    }

    std::vector<Walk> EveryWindowsFields() {
        auto& w = *windows;
        std::vector<Walk> walks;

        walks.push_back({"pipe-arch", w.mainFrm, {}});
        walks.back().Add(w.mainFrm->SizeChecks());

        FrmGenDesign& gen = *w.genDesign;
        FillDesignQs(*gen.GrdDesignQs);
        walks.push_back({"culvert design", &gen, {}});
        walks.back().Add(gen.DesignQTWChecks());
        walks.back().Add(gen.DesignQChecks());
        AddCulvertChecks(walks.back(), CulvertInputs::ControlsOf(gen));

        AddBasinWindow(walks, "plunge basin", *w.plungeBasin);
        AddBasinWindow(walks, "riprap basin", *w.riprapBasin);

        walks.push_back({"scour hole", w.scourHole, {}});
        walks.back().Add(w.scourHole->DesignQTWChecks());
        walks.back().fields.push_back(w.scourHole->SpanCheck().field);

        walks.push_back({"standard designs", w.standardDesigns, {}});
        walks.back().Add(StandardDesignScreen::DesignInputChecks({}));

        walks.push_back({"tapered inlet", w.taperedInlet, {}});
        walks.back().Add(w.taperedInlet->AutoDesignChecks());

        FrmDropInletDesign& drop = *w.dropInlet;
        walks.push_back({"drop inlet", &drop, {}});
        walks.back().Add(drop.DesignInputChecks());
        for (int r = 1; r < drop.GrdWeirCalc->Rows(); ++r) {
            for (int c : {1, 2}) {
                walks.back().fields.push_back(FrmDropInletDesign::WeirCellCheck("", r, c).field);
            }
        }

        // The hydrology windows refuse a box by its own name.
        walks.push_back({"USGS 2001", w.usgsRegression, {}});
        for (const QLineEdit* box : w.usgsRegression->TxtDA) {
            walks.back().Add(box);
        }
        for (const QLineEdit* box : w.usgsRegression->TxtWSChar) {
            walks.back().Add(box);
        }
        walks.push_back({"USGS 1987", w.usgsMavo1987, {}});
        for (const QLineEdit* box : w.usgsMavo1987->TxtDA) {
            walks.back().Add(box);
        }
        // The typed land-use factor is shown with its option only.
        w.voskRunoffChart->SelectLUSOption(1);
        walks.push_back({"runoff chart", w.voskRunoffChart, {}});
        walks.back().Add(w.voskRunoffChart->Txt_VRC_DA);
        walks.back().Add(w.voskRunoffChart->Txt_VRC_UserLF);

        // The channel's checks name its boxes and point cells by names of
        // their own; its bounds name every value it read.
        FrmTailWaterCrossSection& channel = *w.tailwaterCrossSection;
        walks.push_back({"channel",
                         &channel,
                         {"TxtChannelSlope", "TxtLeftOBStation", "TxtRightOBStation", ""}});
        CrossSectionInput section;
        EXPECT_FALSE(channel.ReadSection(section));
        walks.back().Add(TailWaterMod::CrossSectionBounds(section));
        for (int r = 1; r < channel.GrdXSection->Rows(); ++r) {
            for (int c = 1; c <= 3; ++c) {
                walks.back().fields.push_back(InputChecks::CellField("GrdXSection", r, c));
            }
        }

        walks.push_back({"rating curve", w.tailwaterRatingCurve, {"TxtRCStepSize"}});

        // Every cell the Q - Depth reads: the input column of each mode, and
        // the discharges of the design grids.
        FrmTailwaterQDepth& qDepth = *w.tailwaterQDepth;
        walks.push_back({"Q - Depth", &qDepth, {""}});
        auto addColumn = [&walks](const FlexGrid& grid, int column) {
            const auto rows = static_cast<size_t>(grid.Rows());
            const QDepthComputation::InputColumn every{std::vector<int>(rows, 1),
                                                       std::vector<double>(rows, 1)};
            walks.back().Add(QDepthComputation::ColumnBounds(every, column, "",
                                                             grid.objectName().toStdString()));
        };
        for (int mode = 0; mode < QDepthContents::NumModes; ++mode) {
            addColumn(*qDepth.GrdQElevCalc, mode);
        }
        for (const FlexGrid* grid :
             {qDepth.GrdVRCTailWaterCalc, qDepth.grdMavo87TWCalc, qDepth.GrdUSGSTailWaterCalc}) {
            addColumn(*grid, QDepthComputation::DesignQColumn);
        }
        return walks;
    }
};

// Every field a refusal can name, in every window, from whichever part of the
// window shows it, gives the keyboard to an input of that window; a name that
// matches none is a fault unless it is one that deliberately names none.
TEST_F(RefusalFields, EveryRefusalsFieldFindsItsInput) {
    const std::vector<Walk> walks = EveryWindowsFields();
    for (const Walk& walk : walks) {
        SCOPED_TRACE(walk.name);
        EXPECT_FALSE(walk.fields.empty());
        for (const std::string& field : walk.fields) {
            if (NamesNoInput.contains(field)) {
                EXPECT_FALSE(Refusal::Focus(*walk.part, field)) << field;
                continue;
            }
            EXPECT_TRUE(Refusal::Focus(*walk.part, field)) << "no input is named " << field;
        }
    }
}

} // namespace
