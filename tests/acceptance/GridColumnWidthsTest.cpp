#include "GridChecks.h"
#include "ProjectFixture.h"
#include "general_design/FrmGenDesign.h"
#include "inlets/FrmDropInletDesign.h"
#include "platform/FlexGrid.h"
#include "tailwater/FrmTailwaterQDepth.h"
#include "tailwater/QDepthComputation.h"

#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>

#include <ostream>
#include <vector>

namespace {

const QString ExampleProject = TW_EXAMPLE_PROJECT;

std::vector<int> ColumnWidths(const FlexGrid& grid) {
    std::vector<int> widths;
    for (int c = 0; c < grid.Cols(); ++c) {
        widths.push_back(grid.columnWidth(c));
    }
    return widths;
}

// The grid shows every column without scrolling sideways.
bool ShowsEveryColumn(const FlexGrid& grid) {
    return grid.ColumnsWidthTwips() <= grid.ClientWidthTwips() + 1;
}

// How the grids the large numbers widen stand, in pixels.
struct Layout {
    std::vector<int> qElevColumns;
    int qElevGrid = 0;
    int designGridsLeft = 0;
    int qDepthWindow = 0;
    std::vector<int> resultColumns;

    bool operator==(const Layout&) const = default;
};

void PrintTo(const Layout& layout, std::ostream* out) {
    auto list = [out](const std::vector<int>& widths) {
        for (int width : widths) {
            *out << ' ' << width;
        }
    };
    *out << "Q-elevation columns";
    list(layout.qElevColumns);
    *out << ", grid " << layout.qElevGrid << ", design grids at " << layout.designGridsLeft
         << ", window " << layout.qDepthWindow << "; culvert results columns";
    list(layout.resultColumns);
}

// What brings the windows back from a run of large results.
enum class WayBack { AnotherCompute, RefusedCompute, FileNew, FileOpen };

void PrintTo(WayBack way, std::ostream* out) {
    const char* const names[] = {"another Compute", "a refused Compute", "File New", "File Open"};
    *out << names[static_cast<int>(way)];
}

// The example project, its Q - Depth and General Culvert Design windows
// computed once with its own numbers and then with large ones: a depth of
// 200 ft in the example channel, a barrel a million feet long at a million
// ft^3/s.
class GridColumnWidths : public ProjectFileTest, public ::testing::WithParamInterface<WayBack> {
protected:
    void SetUp() override {
        ProjectFileTest::SetUp();
        qDepth = windows->tailwaterQDepth;
        designed = Measure();
        Open(ExampleProject);
        opened = Measure();
        qDepth->SelectMode(QDepthComputation::GivenDepth);
        ComputeBoth("3.30");
        moderate = Measure();
        for (QLineEdit* box : LargeBoxes()) {
            exampleTexts << box->text();
        }
        exampleQ = design->GrdDesignQs->TextMatrix(1, 3);
    }

    std::vector<QLineEdit*> LargeBoxes() const {
        return {design->TxtCulvertBarrelLength, design->TxtInletInvertElevation,
                design->TxtOutletInvertElevation, design->TxtAllowableHeadWaterElevation};
    }

    Layout Measure() const {
        return {ColumnWidths(*qDepth->GrdQElevCalc), qDepth->GrdQElevCalc->width(),
                qDepth->GrdVRCTailWaterCalc->x(), qDepth->Frame()->width(),
                ColumnWidths(*design->GrdAllResults)};
    }

    void ComputeBoth(const char* depth) {
        qDepth->SetQElevCell(1, QDepthComputation::GivenDepth, depth);
        qDepth->CmdComputeElevQ->click();
        design->CmdComputeAllResults->click();
    }

    void ComputeLarge() {
        design->SetDesignCell(1, 3, "1,000,000");
        const char* const large[] = {"1,000,000", "1,000,000", "-1,000,000", "1,000,000"};
        for (size_t i = 0; i < LargeBoxes().size(); ++i) {
            LargeBoxes()[i]->setText(large[i]);
        }
        ComputeBoth("200");
    }

    FrmTailwaterQDepth* qDepth = nullptr;
    Layout designed;
    Layout opened;
    Layout moderate;
    QStringList exampleTexts;
    QString exampleQ;
};

TEST_P(GridColumnWidths, LargeResultsWidenTheColumnsUntilTheyGo) {
    ASSERT_TRUE(user.MessageTexts().empty());
    ComputeLarge();
    ASSERT_TRUE(user.MessageTexts().empty());

    // The Q-elevation grid shows its large discharge whole, without a scroll
    // bar: it has grown, and the design grids have made room for it.
    const FlexGrid& qElev = *qDepth->GrdQElevCalc;
    EXPECT_GT(qElev.columnWidth(0), moderate.qElevColumns[0]);
    EXPECT_TRUE(CellShowsWhole(qElev, 1, 0));
    EXPECT_TRUE(ShowsEveryColumn(qElev));
    EXPECT_GE(qDepth->GrdVRCTailWaterCalc->x(), qElev.x() + qElev.width());
    EXPECT_NE(Measure().resultColumns, moderate.resultColumns);

    Layout expected;
    switch (GetParam()) {
    case WayBack::AnotherCompute:
        design->SetDesignCell(1, 3, exampleQ.toStdString());
        for (size_t i = 0; i < LargeBoxes().size(); ++i) {
            LargeBoxes()[i]->setText(exampleTexts[static_cast<int>(i)]);
        }
        ComputeBoth("3.30");
        EXPECT_TRUE(user.MessageTexts().empty());
        expected = moderate;
        break;
    case WayBack::RefusedCompute:
        design->TxtCulvertBarrelLength->setText("long");
        ComputeBoth("deep");
        EXPECT_EQ(user.MessageTexts().size(), 2);
        expected = designed;
        break;
    case WayBack::FileNew:
        New();
        expected = designed;
        break;
    case WayBack::FileOpen:
        EXPECT_TRUE(OpenAnsweringYes(ExampleProject));
        expected = opened;
        break;
    }
    EXPECT_EQ(Measure(), expected);
    EXPECT_TRUE(ShowsEveryColumn(qElev));
}

INSTANTIATE_TEST_SUITE_P(Ways, GridColumnWidths,
                         ::testing::Values(WayBack::AnotherCompute, WayBack::RefusedCompute,
                                           WayBack::FileNew, WayBack::FileOpen));

// The drop inlet's weir grid, fitted to its columns, follows them: a weir
// 0.01 ft wide for a million ft^3/s needs a length far wider than its column.
class WeirGridWidths : public ProjectFileTest {};

TEST_F(WeirGridWidths, TheGridGrowsWithItsColumnsInsideItsFrameAndShrinksBack) {
    Open(ExampleProject);
    FrmDropInletDesign& drop = *windows->dropInlet;
    FlexGrid& weir = *drop.GrdWeirCalc;
    const int designedWidth = weir.width();
    const std::vector<int> designedColumns = ColumnWidths(weir);
    drop.TxtDP[DropInletContents::DesignQ]->setText("1,000,000");
    weir.SetTextMatrix(2, 1, "0.01");
    drop.CmdWeirClac->click();
    ASSERT_TRUE(user.MessageTexts().empty());

    EXPECT_GT(weir.width(), designedWidth);
    EXPECT_TRUE(CellShowsWhole(weir, 2, 2));
    EXPECT_TRUE(ShowsEveryColumn(weir));
    const QWidget& frame = *weir.parentWidget();
    EXPECT_LE(weir.x() + weir.width(), frame.width());

    New();
    EXPECT_EQ(ColumnWidths(weir), designedColumns);
    EXPECT_EQ(weir.width(), designedWidth);
}

} // namespace
