#include "HydrologyWindowFixture.h"

#include "app/MDIFrmMain.h"
#include "app/modGridEdit.h"
#include "hydrology/HydrologyResultsGrid.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QTest>

namespace {

// The results grids of the three windows behave alike; each case names one.
struct GridCase {
    const char* name;
    int window; // 0 runoff chart, 1 USGS 2001, 2 USGS 1987
};

class ResultsGrid : public HydrologyWindows, public ::testing::WithParamInterface<GridCase> {
protected:
    FlexGrid& Grid() {
        FlexGrid* grids[3] = {chart->GrdVRCQs, regression->GrdUSGSDesignQs, mavo->grdQs};
        return *grids[GetParam().window];
    }

    // Every data cell gets "r,c" so that clearing and copying show which cells they took.
    void Mark(FlexGrid& grid) {
        for (int r = 1; r < grid.Rows(); ++r) {
            for (int c = 0; c < grid.Cols(); ++c) {
                grid.SetTextMatrix(r, c, QString("%1,%2").arg(r).arg(c));
            }
        }
    }

    void Press(FlexGrid& grid, int key, Qt::KeyboardModifiers modifiers) {
        grid.setFocus();
        QTest::keyClick(&grid, static_cast<Qt::Key>(key), modifiers);
    }
};

TEST_P(ResultsGrid, DeleteEmptiesTheSelectionUnlessItLiesInTheReturnPeriodColumn) {
    FlexGrid& grid = Grid();
    Mark(grid);
    grid.SetSelection(1, 0, 1, 1);
    Press(grid, Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(grid.TextMatrix(1, 0), "");
    EXPECT_EQ(grid.TextMatrix(1, 1), "");
    EXPECT_EQ(grid.TextMatrix(2, 0), "2,0");
    EXPECT_EQ(grid.TextMatrix(2, 1), "2,1");
    EXPECT_FALSE(grid.TextMatrix(0, 0).isEmpty());

    Mark(grid);
    grid.SetSelection(1, 0, 2, 0);
    Press(grid, Qt::Key_Delete, Qt::NoModifier);
    EXPECT_EQ(grid.TextMatrix(1, 0), "1,0");
    EXPECT_EQ(grid.TextMatrix(2, 0), "2,0");
}

TEST_P(ResultsGrid, CtrlCAloneCopiesTheSelectionAsTabAndCarriageReturnText) {
    FlexGrid& grid = Grid();
    Mark(grid);
    grid.SetSelection(1, 0, 2, 1);
    QClipboard& clipboard = *QGuiApplication::clipboard();
    for (Qt::KeyboardModifiers modifiers :
         {Qt::ControlModifier | Qt::ShiftModifier, Qt::AltModifier | Qt::ControlModifier,
          Qt::KeyboardModifiers(Qt::AltModifier), Qt::KeyboardModifiers(Qt::NoModifier)}) {
        clipboard.setText("before");
        Press(grid, Qt::Key_C, modifiers);
        EXPECT_EQ(clipboard.text(), "before") << modifiers.toInt();
    }
    Press(grid, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard.text(), "1,0\t1,1\r2,0\t2,1");
}

TEST_P(ResultsGrid, TheRightButtonOffersCopyAloneForThisGrid) {
    auto main = std::make_unique<MDIFrmMain>();
    FlexGrid& grid = Grid();
    emit grid.RightButtonUp(QPoint(10, 10));
    EXPECT_EQ(modGridEdit::EditGrid, &grid);
    EXPECT_FALSE(modGridEdit::RowNumberColumn);
    EXPECT_TRUE(main->mnuEditCopy->isVisible());
    EXPECT_FALSE(main->mnuEditPaste->isVisible());
    EXPECT_FALSE(main->mnuEditInsertRows->isVisible());
    EXPECT_FALSE(main->mnuEditDeleteRows->isVisible());
    main->mnuEdit->hide();
}

TEST_P(ResultsGrid, TheUserCannotTypeIntoIt) {
    EXPECT_FALSE(Grid().Editable());
}

INSTANTIATE_TEST_SUITE_P(Windows, ResultsGrid,
                         ::testing::Values(GridCase{"RunoffChart", 0}, GridCase{"USGS2001", 1},
                                           GridCase{"Mavo1987", 2}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
