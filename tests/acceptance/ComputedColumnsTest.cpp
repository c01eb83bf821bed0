#include "ProjectFixture.h"
#include "inlets/FrmDropInletDesign.h"
#include "tailwater/FrmTailwaterQDepth.h"

#include <QApplication>
#include <QClipboard>
#include <QRadioButton>
#include <QTest>

#include <functional>
#include <string>

// The two grids whose rows hold inputs and the results computed from them:
// the Q - Depth window's Q-elevation grid and the Drop Inlet weir grid. A
// column that the chosen mode or option computes takes no typing, paste or
// Delete, so a row never pairs a typed value with results of another; the
// columns it reads take all three.
namespace {

struct ComputedColumnsCase {
    const char* name;
    std::function<FlexGrid&(StartUpMod::LoadedWindows&)> grid;
    std::function<void(StartUpMod::LoadedWindows&, int option)> choose;
    std::function<void(StartUpMod::LoadedWindows&, int key, Qt::KeyboardModifiers)> keyDown;
    int options;
    // Whether the option lets the user enter the column.
    std::function<bool(int option, int col)> input;
};

class ComputedColumns : public ProjectFileTest,
                        public ::testing::WithParamInterface<ComputedColumnsCase> {};

TEST_P(ComputedColumns, OnlyTheColumnsTheOptionReadsTakeTypingPasteAndDelete) {
    const ComputedColumnsCase& c = GetParam();
    FlexGrid& grid = c.grid(*windows);
    grid.window()->show();
    grid.window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(grid.window()));
    for (int option = 0; option < c.options; ++option) {
        c.choose(*windows, option);
        for (int col = 0; col < grid.Cols(); ++col) {
            SCOPED_TRACE(testing::Message() << "option " << option << ", column " << col);
            // Emptied first: emptying an input clears the row's results.
            for (int row = 1; row < grid.Rows(); ++row) {
                for (int k = 0; k < grid.Cols(); ++k) {
                    grid.SetTextMatrix(row, k, "");
                }
            }
            for (int row = 1; row <= 3; ++row) {
                grid.SetTextMatrix(row, col, "7");
            }
            grid.SetSelection(1, col, 1, col);
            grid.setFocus();
            QTest::keyClicks(&grid, "5");
            if (QWidget* editor = QApplication::focusWidget(); editor != &grid) {
                QTest::keyClick(editor, Qt::Key_Return);
                QApplication::processEvents(); // the editor commits through a queued call
            }
            QGuiApplication::clipboard()->setText("6");
            grid.SetSelection(2, col, 2, col);
            c.keyDown(*windows, Qt::Key_V, Qt::ControlModifier);
            grid.SetSelection(3, 0, 3, grid.Cols() - 1);
            c.keyDown(*windows, Qt::Key_Delete, Qt::NoModifier);
            const QStringList shown = {grid.TextMatrix(1, col), grid.TextMatrix(2, col),
                                       grid.TextMatrix(3, col)};
            EXPECT_EQ(shown, c.input(option, col) ? QStringList({"5", "6", ""})
                                                  : QStringList({"7", "7", "7"}));
        }
    }
    EXPECT_TRUE(user.MessageTexts().empty());
}

using W = StartUpMod::LoadedWindows;

INSTANTIATE_TEST_SUITE_P(
    Grids, ComputedColumns,
    ::testing::Values(
        ComputedColumnsCase{
            "QElevation", [](W& w) -> FlexGrid& { return *w.tailwaterQDepth->GrdQElevCalc; },
            [](W& w, int mode) { w.tailwaterQDepth->OptQElevCalc[mode]->click(); },
            [](W& w, int key, Qt::KeyboardModifiers modifiers) {
                w.tailwaterQDepth->GrdQElevCalc_KeyDown(key, modifiers);
            },
            QDepthContents::NumModes, [](int mode, int col) { return col == mode; }},
        // Column 0 holds the selection mark; the headwater is always computed.
        ComputedColumnsCase{"Weir", [](W& w) -> FlexGrid& { return *w.dropInlet->GrdWeirCalc; },
                            [](W& w, int option) { w.dropInlet->OptWeirCalc[option]->click(); },
                            [](W& w, int key, Qt::KeyboardModifiers modifiers) {
                                w.dropInlet->GrdWeirCalc_KeyDown(key, modifiers);
                            },
                            NumWeirOptions,
                            [](int option, int col) {
                                switch (option) {
                                case WidthGivenComputeLength:
                                    return col == 1;
                                case LengthGivenComputeWidth:
                                    return col == 2;
                                default:
                                    return col == 1 || col == 2;
                                }
                            }}),
    [](const auto& info) { return std::string(info.param.name); });

// The project file puts every cell back, computed ones included, and the
// columns take typing as the restored mode and option say.
TEST_F(ComputedColumns, AProjectFileRestoresEveryCellOfBothGrids) {
    FrmTailwaterQDepth& qDepth = *windows->tailwaterQDepth;
    FrmDropInletDesign& drop = *windows->dropInlet;
    qDepth.OptQElevCalc[1]->click();
    drop.OptWeirCalc[WidthGivenComputeLength]->click();
    // The inputs first, since an input written clears the row's results.
    const char* cells[3] = {"50.17", "1.30", "101.30"};
    for (int col : {1, 0, 2}) {
        qDepth.GrdQElevCalc->SetTextMatrix(2, col, cells[col]);
    }
    for (int col : {0, 1, 2}) {
        drop.GrdWeirCalc->SetTextMatrix(2, col + 1, cells[col]);
    }
    SaveAs(Path("rows.twl"));
    New();
    ASSERT_EQ(qDepth.GrdQElevCalc->TextMatrix(2, 1), "");
    Open(Path("rows.twl"));
    ASSERT_TRUE(user.MessageTexts().empty());
    for (int col = 0; col < 3; ++col) {
        EXPECT_EQ(qDepth.GrdQElevCalc->TextMatrix(2, col), cells[col]);
        EXPECT_EQ(drop.GrdWeirCalc->TextMatrix(2, col + 1), cells[col]);
        EXPECT_EQ(qDepth.GrdQElevCalc->ColReadOnly(col), col != 1);
        EXPECT_EQ(drop.GrdWeirCalc->ColReadOnly(col + 1), col != 0);
    }
}

} // namespace
