#include "KeyboardInput.h"
#include "ProjectFixture.h"
#include "inlets/FrmDropInletDesign.h"
#include "inlets/FrmTaperedInletDesign.h"
#include "standard_designs/FrmVSHAStandardDesigns.h"

#include <QApplication>
#include <QTest>

#include <functional>
#include <utility>

namespace {

const QString ExampleProject = TW_EXAMPLE_PROJECT;

using KeyboardInput::Press;
using Selection = std::pair<int, int>;

// The designs of the example project marked from the keyboard alone: Tab
// reaches a grid, the arrows go to a row and its last column, and Space marks
// the row as a click in its first column does.
class KeyboardMarks : public ProjectFileTest {
protected:
    struct Grid {
        const char* name;
        ToolWindow* tool;
        FlexGrid* grid;
        int row;
        // The window's selection: the grid's number (1 where it has one grid
        // of this kind) and the row; 0 and 0 for none.
        std::function<Selection()> selection;
        Selection expected;
    };

    static Selection OneGrid(int row) { return {row > 0 ? 1 : 0, row}; }

    std::vector<Grid> Grids() const {
        FrmVSHAStandardDesigns* standard = windows->standardDesigns;
        FrmTaperedInletDesign* tapered = windows->taperedInlet;
        FrmDropInletDesign* drop = windows->dropInlet;
        const auto standardSelection = [standard] {
            Selection selected;
            standard->GetDesignSelectInfo(selected.first, selected.second);
            return selected;
        };
        const auto barrelSelection = [drop] {
            Selection selected;
            drop->GetBarrelDesignSelect(selected.first, selected.second);
            return selected;
        };
        return {
            {"concrete pipe", standard, standard->Grid(1), 3, standardSelection, {1, 3}},
            {"corrugated metal pipe", standard, standard->Grid(2), 2, standardSelection, {2, 2}},
            {"RC box", standard, standard->Grid(3), 4, standardSelection, {3, 4}},
            {"RC arch pipe", standard, standard->Grid(4), 1, standardSelection, {4, 1}},
            {"steel pipe arch", standard, standard->Grid(5), 2, standardSelection, {5, 2}},
            {"tapered inlet",
             tapered,
             tapered->GrdAutoResults,
             3,
             [tapered] { return OneGrid(tapered->GetDesignSelectRow()); },
             {1, 3}},
            {"drop inlet boxes", drop, drop->GrdRCB, 3, barrelSelection, {1, 3}},
            {"drop inlet pipes", drop, drop->GrdRCP, 1, barrelSelection, {2, 1}},
            {"drop inlet weir",
             drop,
             drop->GrdWeirCalc,
             2,
             [drop] { return OneGrid(drop->GetWeirDesignSelect()); },
             {1, 2}},
        };
    }

    // Tab into the grid, then Ctrl+Home, Down to the row and End: the last
    // column, which takes no typing in any of these grids.
    static void GoToRow(const Grid& g) {
        g.tool->ShowAndRaise();
        QApplication::processEvents();
        g.grid->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), g.grid);
        Press(Qt::Key_Home, Qt::ControlModifier);
        for (int r = 1; r < g.row; ++r) {
            Press(Qt::Key_Down);
        }
        Press(Qt::Key_End);
        ASSERT_EQ(g.grid->currentIndex(), g.grid->model()->index(g.row, g.grid->Cols() - 1));
    }

    // The row wears the mark and red text; no other row of the grid does.
    static void ExpectMarkedRow(const FlexGrid& grid, int marked) {
        const QColor red(255, 0, 0);
        for (int r = 1; r < grid.Rows(); ++r) {
            EXPECT_EQ(grid.TextMatrix(r, 0), r == marked ? ">>" : "") << "row " << r;
            EXPECT_EQ(grid.CellForeColor(r, 1) == red, r == marked) << "row " << r;
            EXPECT_EQ(grid.CellForeColor(r, grid.Cols() - 1) == red, r == marked) << "row " << r;
        }
    }
};

TEST_F(KeyboardMarks, SpaceMarksADesignInEveryGridAndTheFileKeepsTheMarks) {
    Open(ExampleProject);
    ASSERT_TRUE(user.MessageTexts().empty());
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));

    const std::vector<Grid> grids = Grids();
    for (const Grid& g : grids) {
        SCOPED_TRACE(g.name);
        GoToRow(g);
        Press(Qt::Key_Space);
        EXPECT_EQ(g.selection(), g.expected);
        ExpectMarkedRow(*g.grid, g.row);
        // Enter is the window's, for the focused button: it marks nothing.
        Press(Qt::Key_Return);
        EXPECT_EQ(g.selection(), g.expected);
        // Space on the marked row takes the mark off, as a second click does.
        Press(Qt::Key_Space);
        EXPECT_EQ(g.selection(), Selection(0, 0));
        ExpectMarkedRow(*g.grid, 0);
        Press(Qt::Key_Space);
        EXPECT_EQ(g.selection(), g.expected);
    }
    // One mark per window's kind of design: the last grid marked holds it.
    EXPECT_EQ(grids[0].grid->TextMatrix(3, 0), "");
    EXPECT_EQ(windows->dropInlet->GrdRCB->TextMatrix(3, 0), "");

    SaveAs(Path("marked.twl"));
    New();
    Open(Path("marked.twl"));
    ASSERT_TRUE(user.MessageTexts().empty());
    for (const Grid& g : {grids[4], grids[5], grids[7], grids[8]}) {
        SCOPED_TRACE(g.name);
        EXPECT_EQ(g.selection(), g.expected);
        ExpectMarkedRow(*g.grid, g.row);
    }
}

} // namespace
