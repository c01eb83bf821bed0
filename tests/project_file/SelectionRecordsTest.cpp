// A selection record sets the window's selection: read twice, it stays, and
// read before the cells that grow its grid to its row, it marks that row once
// they have. A click on the mark still takes it away.
#include "ProjectFixture.h"
#include "inlets/FrmDropInletDesign.h"
#include "inlets/FrmTaperedInletDesign.h"
#include "standard_designs/FrmVSHAStandardDesigns.h"

#include <functional>

namespace {

using SelectionRecords = ProjectFileTest;

const QColor Red(255, 0, 0);

// The rows of the grid whose texts after the mark show red.
std::vector<int> RedRows(const FlexGrid& grid) {
    std::vector<int> rows;
    for (int row = 1; row < grid.Rows(); ++row) {
        for (int col = 1; col < grid.Cols(); ++col) {
            if (grid.CellForeColor(row, col) == Red) {
                rows.push_back(row);
                break;
            }
        }
    }
    return rows;
}

} // namespace

TEST_F(SelectionRecords, ARepeatedSelectionBeforeItsRowIsReadMarksTheRow) {
    struct Case {
        const char* what;
        std::string selection; // the record, read twice before the cells
        std::string cells;
        FlexGrid* grid;
        std::pair<int, int> design; // grid number and row
        std::function<std::pair<int, int>()> selected;
    };
    FrmVSHAStandardDesigns& standard = *windows->standardDesigns;
    FrmTaperedInletDesign& tapered = *windows->taperedInlet;
    FrmDropInletDesign& drop = *windows->dropInlet;
    const std::string standardMarker = "\"VSHASTANDARDDESIGNINFO2379\",";
    const std::string taperedMarker = "\"TAPEREDINLETDESIGNINFO98384\",";
    const std::string dropMarker = "\"DROPINLETDESIGNINFO837321\",";
    // The selection of a window that gives grid and row, and of one that
    // gives the row of its one grid.
    auto pairOf = [](const std::function<void(int&, int&)>& get) {
        return [get] {
            std::pair<int, int> pair;
            get(pair.first, pair.second);
            return pair;
        };
    };
    auto rowOf = [](const std::function<int()>& get) {
        return [get] {
            const int row = get();
            return std::pair(row == 0 ? 0 : 1, row);
        };
    };
    for (const Case& c : std::vector<Case>{
             {"a standard box design",
              standardMarker + "10,3,40",
              standardMarker + "6,40,1,\"Twin\"\r\n" + standardMarker + "6,40,2,\"6\"",
              standard.GrdStandardRCBox,
              {3, 40},
              pairOf([&](int&grid, int&row) { standard.GetDesignSelectInfo(grid, row); })},
             {"a tapered inlet design",
              taperedMarker + "5,90",
              taperedMarker + "4,90,1,\"Twin\"",
              tapered.GrdAutoResults,
              {1, 90},
              rowOf([&] { return tapered.GetDesignSelectRow(); })},
             {"a drop inlet pipe design",
              dropMarker + "6,2,12",
              dropMarker + "2,12,1,\"36\"",
              drop.GrdRCP,
              {2, 12},
              pairOf([&](int&grid, int&row) { drop.GetBarrelDesignSelect(grid, row); })},
             {"a weir row",
              dropMarker + "7,4",
              dropMarker + "3,4,1,\"5\"",
              drop.GrdWeirCalc,
              {1, 4},
              rowOf([&] { return drop.GetWeirDesignSelect(); })},
         }) {
        SCOPED_TRACE(c.what);
        const int row = c.design.second;
        WriteBytes(Path("selection.twl"),
                   ProjectFile(c.selection + "\r\n" + c.selection + "\r\n" + c.cells + "\r\n"));
        user.shown.clear();
        Open(Path("selection.twl"));
        EXPECT_EQ(user.MessageTexts(), std::vector<QString>());
        ExpectCurrentFile(Path("selection.twl"));
        ASSERT_GT(c.grid->Rows(), row);
        EXPECT_EQ(c.selected(), c.design);
        EXPECT_EQ(c.grid->TextMatrix(row, 0), ">>");
        EXPECT_EQ(RedRows(*c.grid), std::vector<int>{row});

        emit c.grid->MarkRow(row);
        EXPECT_EQ(c.selected(), std::pair(0, 0));
        EXPECT_EQ(c.grid->TextMatrix(row, 0), "");
        EXPECT_EQ(RedRows(*c.grid), std::vector<int>());
        emit c.grid->MarkRow(row);
        EXPECT_EQ(c.selected(), c.design);
    }
}
