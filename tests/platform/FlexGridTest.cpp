#include "platform/FlexGrid.h"

#include "GridChecks.h"
#include "KeyboardInput.h"
#include "platform/AppError.h"
#include "platform/Screen.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <ostream>
#include <utility>
#include <vector>

namespace {

// A shown grid of 6 rows by 4 columns: a heading row, then cells "r,c".
class FlexGridTest : public ::testing::Test {
protected:
    void SetUp() override {
        grid.SetRows(6);
        grid.SetCols(4);
        for (int c = 0; c < 4; ++c) {
            grid.SetColWidthTwips(c, 1200);
            grid.SetTextMatrix(0, c, QString("Head %1").arg(c));
            for (int r = 1; r < 6; ++r) {
                grid.SetTextMatrix(r, c, QString("%1,%2").arg(r).arg(c));
            }
        }
        grid.FitToContents();
        grid.show();
        grid.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&grid));
    }

    QPoint CellCentre(int row, int col) {
        return grid.visualRect(grid.model()->index(row, col)).center();
    }

    QStringList Column(int col) {
        QStringList texts;
        for (int r = 0; r < grid.Rows(); ++r) {
            texts << grid.TextMatrix(r, col);
        }
        return texts;
    }

    FlexGrid grid;
};

TEST_F(FlexGridTest, ClipRoundTripsBetweenBlocksWithTabsAndCarriageReturns) {
    grid.SetSelection(2, 1, 3, 2);
    EXPECT_EQ(grid.Clip(), "2,1\t2,2\r3,1\t3,2");

    QString clip = grid.Clip();
    grid.SetSelection(4, 2, 4, 2);
    grid.SetClip(clip);
    EXPECT_EQ(grid.TextMatrix(4, 2), "2,1");
    EXPECT_EQ(grid.TextMatrix(4, 3), "2,2");
    EXPECT_EQ(grid.TextMatrix(5, 2), "3,1");
    EXPECT_EQ(grid.TextMatrix(5, 3), "3,2");
    EXPECT_EQ(grid.TextMatrix(4, 1), "4,1");

    // An empty last cell survives the trip.
    grid.SetTextMatrix(3, 0, "");
    grid.SetSelection(2, 0, 3, 0);
    clip = grid.Clip();
    EXPECT_EQ(clip, "2,0\r");
    grid.SetSelection(4, 0, 4, 0);
    grid.SetClip(clip);
    EXPECT_EQ(grid.TextMatrix(4, 0), "2,0");
    EXPECT_EQ(grid.TextMatrix(5, 0), "");
}

TEST_F(FlexGridTest, PastingNeverAddsRowsOrColumns) {
    grid.SetSelection(4, 2, 4, 2);
    grid.SetClip("a\tb\tc\td\re\tf\tg\th\ri\tj\tk\tl");
    EXPECT_EQ(grid.Rows(), 6);
    EXPECT_EQ(grid.Cols(), 4);
    EXPECT_EQ(grid.TextMatrix(4, 2), "a");
    EXPECT_EQ(grid.TextMatrix(4, 3), "b");
    EXPECT_EQ(grid.TextMatrix(5, 2), "e");
    EXPECT_EQ(grid.TextMatrix(5, 3), "f");
}

TEST_F(FlexGridTest, TextFromOtherProgramsPastesAsItLooks) {
    grid.SetSelection(1, 0, 1, 0);
    grid.SetClip("x\ty\r\nz\tw\r\n");
    EXPECT_EQ(grid.TextMatrix(1, 0), "x");
    EXPECT_EQ(grid.TextMatrix(2, 1), "w");
    EXPECT_EQ(grid.TextMatrix(3, 0), "3,0"); // the final line end adds no empty row

    grid.SetClip("p\nq\n");
    EXPECT_EQ(grid.TextMatrix(1, 0), "p");
    EXPECT_EQ(grid.TextMatrix(2, 0), "q");
    EXPECT_EQ(grid.TextMatrix(3, 0), "3,0");
}

TEST_F(FlexGridTest, SelectionIsNormalisedWhicheverWayItWasMade) {
    grid.SetSelection(4, 3, 2, 1);
    FlexGrid::CellRange range = grid.Selection();
    EXPECT_EQ(range.top, 2);
    EXPECT_EQ(range.left, 1);
    EXPECT_EQ(range.bottom, 4);
    EXPECT_EQ(range.right, 3);
    EXPECT_EQ(grid.Row(), 4);
    EXPECT_EQ(grid.Col(), 3);
    EXPECT_EQ(grid.RowSel(), 2);
    EXPECT_EQ(grid.ColSel(), 1);

    // With the mouse: click one corner, shift-click the other.
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CellCentre(5, 2));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ShiftModifier, CellCentre(3, 0));
    range = grid.Selection();
    EXPECT_EQ(range.top, 3);
    EXPECT_EQ(range.left, 0);
    EXPECT_EQ(range.bottom, 5);
    EXPECT_EQ(range.right, 2);
    EXPECT_EQ(grid.Row(), 5);
    EXPECT_EQ(grid.Col(), 2);
    EXPECT_EQ(grid.Clip(), "3,0\t3,1\t3,2\r4,0\t4,1\t4,2\r5,0\t5,1\t5,2");
}

TEST_F(FlexGridTest, BeforeAnySelectionTheFirstDataCellIsSelected) {
    FlexGrid fresh;
    fresh.SetRows(3);
    fresh.SetCols(2);
    fresh.SetTextMatrix(1, 0, "first");
    EXPECT_EQ(fresh.Row(), 1);
    EXPECT_EQ(fresh.Col(), 0);
    EXPECT_EQ(fresh.Clip(), "first");
}

TEST_F(FlexGridTest, RowsAreAddedAndRemovedAtAnIndex) {
    grid.AddItem("new\t\tlast", 2);
    EXPECT_EQ(grid.Rows(), 7);
    EXPECT_EQ(Column(0), QStringList({"Head 0", "1,0", "new", "2,0", "3,0", "4,0", "5,0"}));
    EXPECT_EQ(grid.TextMatrix(2, 1), "");
    EXPECT_EQ(grid.TextMatrix(2, 2), "last");
    EXPECT_EQ(grid.TextMatrix(2, 3), "");

    grid.AddItem("end", grid.Rows());
    EXPECT_EQ(grid.TextMatrix(7, 0), "end");

    grid.RemoveItem(1);
    grid.RemoveItem(6);
    EXPECT_EQ(Column(0), QStringList({"Head 0", "new", "2,0", "3,0", "4,0", "5,0"}));

    grid.SetRows(3);
    grid.SetRows(5);
    EXPECT_EQ(Column(0), QStringList({"Head 0", "new", "2,0", "", ""}));
}

TEST_F(FlexGridTest, IndexesOutsideTheGridAndTooManyRowsAreRefused) {
    EXPECT_THROW(grid.TextMatrix(6, 0), AppError);
    EXPECT_THROW(grid.SetTextMatrix(1, 4, "x"), AppError);
    EXPECT_THROW(grid.AddItem("x", 8), AppError);
    EXPECT_THROW(grid.RemoveItem(6), AppError);
    EXPECT_THROW(grid.SetRows(FlexGrid::MaxRows + 1), AppError);

    grid.SetRows(FlexGrid::MaxRows);
    try {
        grid.AddItem("x", 1);
        FAIL() << "a full grid took another row";
    } catch (const AppError& error) {
        EXPECT_EQ(error.description, "A grid holds at most 10000 rows.");
    }
    EXPECT_EQ(grid.Rows(), FlexGrid::MaxRows);
}

TEST_F(FlexGridTest, RowZeroStaysTheHeadingRow) {
    EXPECT_THROW(grid.RemoveItem(0), AppError);
    EXPECT_THROW(grid.AddItem("x", 0), AppError);
    EXPECT_THROW(grid.SetSelection(0, 1, 2, 1), AppError);

    // The mouse and the keys never put the cursor or the selection on it.
    grid.SetSelection(1, 1, 1, 1);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CellCentre(0, 2));
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 1);
    grid.setFocus();
    QTest::keyClick(&grid, Qt::Key_Up);
    EXPECT_EQ(grid.Row(), 1);
    // A drag from a data cell up into the heading stops at row 1.
    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, CellCentre(3, 1));
    QTest::mouseMove(grid.viewport(), CellCentre(1, 2));
    QTest::mouseMove(grid.viewport(), CellCentre(0, 2));
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, CellCentre(0, 2));
    EXPECT_EQ(grid.Selection().top, 1);
    EXPECT_EQ(grid.Row(), 3);

    // A paste from the top data row writes nothing above it; a shrink keeps it.
    grid.SetSelection(1, 0, 1, 0);
    grid.SetClip("a\rb");
    EXPECT_EQ(grid.TextMatrix(0, 0), "Head 0");
    grid.SetRows(1);
    grid.SetRows(3);
    EXPECT_EQ(grid.TextMatrix(0, 3), "Head 3");
}

TEST_F(FlexGridTest, AFixedColumnKeepsTheCursorOffIt) {
    grid.SetFixedCols(1);
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_THROW(grid.SetSelection(2, 0, 2, 1), AppError);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CellCentre(3, 0));
    EXPECT_EQ(grid.Row(), 1);
}

TEST_F(FlexGridTest, CheckBoxColumnTicksDataCellsApartFromTheirText) {
    grid.SetCheckBoxColumn(0);
    EXPECT_FALSE(grid.CellChecked(2, 0));
    EXPECT_FALSE(grid.item(0, 0)->flags() & Qt::ItemIsUserCheckable);
    EXPECT_FALSE(grid.item(2, 0)->flags() & Qt::ItemIsEditable);

    grid.SetSelection(2, 0, 2, 0);
    grid.setFocus();
    QTest::keyClick(&grid, Qt::Key_Space);
    EXPECT_TRUE(grid.CellChecked(2, 0));
    EXPECT_EQ(grid.TextMatrix(2, 0), "2,0");

    grid.SetCellChecked(3, 0, true);
    grid.SetTextMatrix(3, 0, "");
    EXPECT_TRUE(grid.CellChecked(3, 0));
    EXPECT_THROW(grid.SetCellChecked(3, 1, true), AppError);

    // Rows the grid gains have unticked boxes; emptied rows lose their ticks.
    grid.AddItem("", 1);
    EXPECT_FALSE(grid.CellChecked(1, 0));
    EXPECT_TRUE(grid.item(1, 0)->flags() & Qt::ItemIsUserCheckable);
    grid.SetRows(1);
    grid.SetRows(6);
    for (int r = 1; r < 6; ++r) {
        EXPECT_FALSE(grid.CellChecked(r, 0)) << r;
    }
}

TEST_F(FlexGridTest, CellColoursAreSetSingleOrByBlockAndVanishWithTheirRows) {
    const QColor normal = grid.palette().color(QPalette::Text);
    EXPECT_EQ(grid.CellForeColor(1, 0), normal);

    grid.SetCellForeColor(2, 3, QColor(255, 0, 0));
    grid.SetCellForeColor(FlexGrid::CellRange{4, 1, 5, 3}, Qt::red);
    EXPECT_EQ(grid.CellForeColor(2, 3), QColor(255, 0, 0));
    EXPECT_EQ(grid.CellForeColor(5, 1), QColor(255, 0, 0));
    EXPECT_EQ(grid.CellForeColor(4, 0), normal);
    EXPECT_EQ(grid.CellForeColor(3, 3), normal);

    grid.SetCellForeColor(FlexGrid::CellRange{4, 1, 5, 3}, normal);
    EXPECT_EQ(grid.CellForeColor(4, 2), normal);
    grid.SetRows(1);
    grid.SetRows(6);
    EXPECT_EQ(grid.CellForeColor(2, 3), normal);
}

TEST_F(FlexGridTest, SizesAreInTwips) {
    grid.SetColWidthTwips(1, 1440);
    EXPECT_EQ(grid.columnWidth(1), Screen::TwipsToPixelsX(1440));
    EXPECT_NEAR(grid.ColWidthTwips(1), 1440, 15);
    grid.SetRowHeightTwips(0, 720);
    EXPECT_NEAR(grid.RowHeightTwips(0), 720, 15);

    grid.FitToContents();
    double columns = 0;
    for (int c = 0; c < grid.Cols(); ++c) {
        columns += grid.ColWidthTwips(c);
    }
    double rows = 0;
    for (int r = 0; r < grid.Rows(); ++r) {
        rows += grid.RowHeightTwips(r);
    }
    EXPECT_NEAR(grid.ClientWidthTwips(), columns, 1);
    EXPECT_NEAR(grid.ClientHeightTwips(), rows, 1);

    // A grid too low for its rows loses a scroll bar's width to the bar.
    grid.resize(grid.width(), grid.height() / 2);
    int bar = grid.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &grid);
    EXPECT_NEAR(grid.ClientWidthTwips(), columns - Screen::PixelsToTwipsX(bar), 1);
}

TEST_F(FlexGridTest, MultiLineHeadingsKeepTheirTextAndSizeByTheirWidestLine) {
    grid.SetTextMatrix(0, 1, "Design Q\r\n(ft^3/s)");
    grid.SetTextMatrix(1, 1, "1");
    EXPECT_EQ(grid.TextMatrix(0, 1), "Design Q\r\n(ft^3/s)");
    EXPECT_DOUBLE_EQ(grid.TextHeightTwips("B\r\nB\r\nB"), 3 * grid.TextHeightTwips("B"));

    grid.AutoSize(1, 1);
    const QFontMetrics metrics = grid.fontMetrics();
    EXPECT_GE(grid.columnWidth(1), metrics.horizontalAdvance("Design Q"));
    EXPECT_LT(grid.columnWidth(1), metrics.horizontalAdvance("Design Q (ft^3/s)"));
}

TEST_F(FlexGridTest, ColumnAlignmentReachesCellsAddedLater) {
    grid.SetColAlignment(2, Qt::AlignCenter);
    grid.AddItem("", 3);
    EXPECT_EQ(grid.item(3, 2)->textAlignment(), int(Qt::AlignCenter));
    EXPECT_EQ(grid.item(0, 2)->textAlignment(), int(Qt::AlignCenter));
}

TEST_F(FlexGridTest, KeysAreSignalledAndQtsOwnCopyIsOff) {
    QSignalSpy keys(&grid, &FlexGrid::KeyDown);
    QApplication::clipboard()->setText("before");
    grid.SetSelection(2, 1, 2, 1);
    grid.setFocus();
    QTest::keyClick(&grid, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "before");
    ASSERT_FALSE(keys.isEmpty()); // the Ctrl key itself goes down first
    EXPECT_EQ(keys.last()[0].toInt(), Qt::Key_C);
    EXPECT_EQ(keys.last()[1].value<Qt::KeyboardModifiers>(), Qt::ControlModifier);
}

TEST_F(FlexGridTest, TypingEditsCellsOnlyInAnEditableGrid) {
    grid.SetSelection(2, 1, 2, 1);
    grid.setFocus();
    QTest::keyClicks(&grid, "9");
    EXPECT_EQ(grid.TextMatrix(2, 1), "2,1");
    EXPECT_EQ(grid.Row(), 2); // no jump to a cell starting with the typed text

    grid.SetEditable(true);
    QTest::keyClick(&grid, Qt::Key_Delete);
    EXPECT_EQ(QApplication::focusWidget(), &grid); // no editor opened
    QTest::keyClicks(&grid, "9");
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(editor, &grid);

    QTest::keyClicks(editor, "5");
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents(); // the editor commits through a queued call
    EXPECT_EQ(grid.TextMatrix(2, 1), "95");
}

// A column the window computes takes no typing (keys, double click or F2),
// no tick and no paste, whatever else the grid takes; code still writes it.
TEST_F(FlexGridTest, AReadOnlyColumnTakesNoTypingTickOrPaste) {
    grid.SetEditable(true);
    grid.SetCheckBoxColumn(0);
    grid.SetColReadOnly(0, true);
    grid.SetColReadOnly(2, true);
    EXPECT_TRUE(grid.ColReadOnly(2));
    EXPECT_FALSE(grid.ColReadOnly(1));
    grid.setFocus();
    for (int col : {0, 2}) {
        grid.SetSelection(2, col, 2, col);
        QTest::keyClicks(&grid, "9");
        QTest::keyClick(&grid, Qt::Key_F2);
        QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, CellCentre(2, col));
        QTest::keyClick(&grid, Qt::Key_Space);
        EXPECT_EQ(QApplication::focusWidget(), &grid) << col; // no editor opened
        EXPECT_EQ(grid.TextMatrix(2, col), QString("2,%1").arg(col));
        EXPECT_FALSE(grid.CellChecked(2, col));
    }
    grid.SetSelection(3, 0, 3, 0);
    grid.SetClip("a\tb\tc\td");
    QStringList row3;
    for (int c = 0; c < grid.Cols(); ++c) {
        row3 << grid.TextMatrix(3, c);
    }
    EXPECT_EQ(row3, QStringList({"3,0", "b", "3,2", "d"}));
    grid.SetTextMatrix(3, 2, "computed");
    EXPECT_EQ(grid.TextMatrix(3, 2), "computed");

    // Made typable again, it takes typing as any other column.
    grid.SetColReadOnly(2, false);
    grid.SetSelection(2, 2, 2, 2);
    QTest::keyClicks(&grid, "7");
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(editor, &grid);
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(grid.TextMatrix(2, 2), "7");
}

TEST_F(FlexGridTest, EditingACellKeepsAllOfALongText) {
    // Past a text box's default cap of 32,767 characters.
    const QString text(60000, 'w');
    grid.SetTextMatrix(2, 1, text);
    grid.SetEditable(true);
    grid.SetSelection(2, 1, 2, 1);
    grid.setFocus();
    QTest::keyClick(&grid, Qt::Key_F2);
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(editor, &grid);

    QTest::keyClick(editor, Qt::Key_End);
    QTest::keyClicks(editor, "!");
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents(); // the editor commits through a queued call
    // Compared whole rather than printed: a failure shows only the lengths.
    EXPECT_EQ(grid.TextMatrix(2, 1).size(), text.size() + 1);
    EXPECT_TRUE(grid.TextMatrix(2, 1) == text + "!");
}

TEST_F(FlexGridTest, RightButtonSignalsItsPlaceAndKeepsTheSelection) {
    QSignalSpy right(&grid, &FlexGrid::RightButtonUp);
    grid.SetSelection(2, 1, 4, 2);
    QPoint at = CellCentre(5, 3);
    QTest::mouseClick(grid.viewport(), Qt::RightButton, {}, at);
    ASSERT_EQ(right.count(), 1);
    EXPECT_EQ(right[0][0].toPoint(), grid.viewport()->mapToGlobal(at));
    EXPECT_EQ(grid.Clip(), "2,1\t2,2\r3,1\t3,2\r4,1\t4,2");
}

// A grid of 60 rows too low to show them: a two-line heading row, taller than
// a data row as the windows' headings are, over rows of "r,c", and as many
// fixed columns as asked.
class LongGrid {
public:
    LongGrid(int cols, int fixedCols, int width) {
        grid.SetRows(60);
        grid.SetCols(cols);
        grid.SetFixedCols(fixedCols);
        for (int c = 0; c < cols; ++c) {
            grid.SetColWidthTwips(c, 1200);
            grid.SetTextMatrix(0, c, QString("Head %1\r\n(ft)").arg(c));
            for (int r = 1; r < grid.Rows(); ++r) {
                grid.SetTextMatrix(r, c, QString("%1,%2").arg(r).arg(c));
            }
        }
        grid.FitRowHeight(0);
        grid.resize(width, 230);
        grid.show();
        grid.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&grid));
        grid.SetSelection(1, fixedCols, 1, fixedCols);
        grid.setFocus();
    }

    // The grid's picture of a block of the viewport.
    QImage Picture(const QRect& block) {
        return grid.grab(block.translated(grid.viewport()->pos())).toImage();
    }
    QRect HeadingRow() const { return {0, 0, grid.viewport()->width(), grid.rowHeight(0)}; }
    QRect FixedColumn() const { return {0, 0, grid.columnWidth(0), grid.viewport()->height()}; }

    // The cell shows whole in the viewport, below the heading row and right of
    // the fixed columns.
    void ExpectWholeBesideTheHeadings(int row, int col) const {
        const QRect cell = grid.visualRect(grid.model()->index(row, col));
        const QRect data = grid.viewport()->rect().adjusted(
            grid.FixedCols() > 0 ? grid.columnWidth(0) : 0, grid.rowHeight(0), 0, 0);
        EXPECT_TRUE(data.contains(cell)) << row << "," << col << " at " << cell.y();
    }

    FlexGrid grid;
};

void TurnWheel(FlexGrid& grid, int notches) {
    const QPointF centre = grid.viewport()->rect().center();
    for (int i = 0; i < notches; ++i) {
        QWheelEvent wheel(centre, grid.viewport()->mapToGlobal(centre), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid.viewport(), &wheel);
    }
}

void PressTimes(Qt::Key key, int times, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    for (int i = 0; i < times; ++i) {
        KeyboardInput::Press(key, modifiers);
    }
}

// However the data scroll, the heading row stays at the top as it was drawn,
// the first row in view starts whole just below it, the cell the keys went to
// shows whole, and the grid scrolled back to the top looks as it first did.
TEST(FlexGridHeadings, TheHeadingRowStaysAtTheTopWhileTheDataScroll) {
    struct Case {
        const char* name;
        std::function<void(FlexGrid&)> scroll;
        // Where the keys leave the cursor; -2 where they leave it at no row
        // in particular, -1 where they are not used.
        int row;
    };
    const Case cases[] = {
        {"Down to the last row", [](FlexGrid&) { PressTimes(Qt::Key_Down, 58); }, 59},
        {"PageDown to the last row", [](FlexGrid&) { PressTimes(Qt::Key_PageDown, 20); }, 59},
        {"Up from the last row",
         [](FlexGrid&) {
             KeyboardInput::Press(Qt::Key_End, Qt::ControlModifier);
             PressTimes(Qt::Key_Up, 30);
         },
         29},
        {"PageDown and PageUp",
         [](FlexGrid&) {
             PressTimes(Qt::Key_PageDown, 5);
             KeyboardInput::Press(Qt::Key_PageUp);
         },
         -2},
        {"the scroll bar to its end",
         [](FlexGrid& grid) {
             grid.verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
         },
         -1},
        {"the wheel to the end", [](FlexGrid& grid) { TurnWheel(grid, 30); }, -1},
        {"at the end, the grid made taller",
         [](FlexGrid& grid) {
             grid.verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
             grid.resize(grid.width(), 2 * grid.height());
         },
         -1},
        {"at the end, rows dropped",
         [](FlexGrid& grid) {
             grid.verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
             grid.SetRows(40);
         },
         -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LongGrid tall(4, 0, 400);
        FlexGrid& grid = tall.grid;
        const QImage heading = tall.Picture(tall.HeadingRow());
        const QRect view = grid.viewport()->rect();
        const QImage start = tall.Picture(view);

        c.scroll(grid);
        // The grid lays out its rows anew before it is drawn.
        QApplication::processEvents();
        EXPECT_GT(grid.verticalScrollBar()->value(), 0);
        EXPECT_EQ(tall.Picture(tall.HeadingRow()), heading);
        const QModelIndex first = grid.indexAt(QPoint(5, grid.rowHeight(0)));
        EXPECT_EQ(grid.visualRect(first).top(), grid.rowHeight(0));
        if (c.row != -1) {
            if (c.row >= 0) {
                EXPECT_EQ(grid.Row(), c.row);
            }
            tall.ExpectWholeBesideTheHeadings(grid.Row(), grid.Col());
        } else {
            tall.ExpectWholeBesideTheHeadings(grid.Rows() - 1, 0);
            EXPECT_EQ(grid.verticalScrollBar()->value(), grid.verticalScrollBar()->maximum());
        }

        // Ctrl+Home scrolls only where the cursor moves.
        KeyboardInput::Press(Qt::Key_Down);
        KeyboardInput::Press(Qt::Key_Home, Qt::ControlModifier);
        EXPECT_EQ(grid.verticalScrollBar()->value(), 0);
        EXPECT_EQ(tall.Picture(view), start);
    }
}

// Scrolled sideways, the fixed column stays at the left, with the heading
// cell over it, and shows the rows the data show; the heading row follows the
// data sideways.
TEST(FlexGridHeadings, AFixedColumnStaysAtTheLeftWhileTheDataScrollSideways) {
    LongGrid wide(10, 1, 300);
    FlexGrid& grid = wide.grid;
    const QRect corner(0, 0, grid.columnWidth(0), grid.rowHeight(0));
    const QImage cornerStart = wide.Picture(corner);

    KeyboardInput::Press(Qt::Key_End, Qt::ControlModifier);
    ASSERT_EQ(grid.Col(), 9);
    EXPECT_GT(grid.horizontalScrollBar()->value(), 0);
    EXPECT_GT(grid.verticalScrollBar()->value(), 0);
    wide.ExpectWholeBesideTheHeadings(59, 9);
    EXPECT_EQ(wide.Picture(corner), cornerStart);
    const QImage column = wide.Picture(wide.FixedColumn());
    const QImage headings = wide.Picture(wide.HeadingRow());

    // The fixed column as the grid shows it scrolled down only, and the
    // heading row as it shows it scrolled sideways only.
    grid.horizontalScrollBar()->setValue(0);
    EXPECT_EQ(wide.Picture(wide.FixedColumn()), column);
    grid.horizontalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
    grid.verticalScrollBar()->setValue(0);
    EXPECT_EQ(wide.Picture(wide.HeadingRow()), headings);

    // The keys back to the first data column scroll it out from under the
    // fixed one.
    grid.horizontalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
    PressTimes(Qt::Key_Left, 8);
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(grid.horizontalScrollBar()->value(), 0);
    wide.ExpectWholeBesideTheHeadings(59, 1);
}

// On a scrolled grid a click on the heading row reaches the heading, as on
// one not scrolled: it moves neither the cursor nor the selection, and the
// right button asks for the menu there; a click just below it reaches the
// first row in view.
TEST(FlexGridHeadings, AClickOnTheHeadingRowReachesItWhereverTheDataScrolled) {
    LongGrid tall(4, 0, 400);
    FlexGrid& grid = tall.grid;
    grid.SetSelection(30, 1, 30, 1);
    grid.verticalScrollBar()->setValue(20);
    QSignalSpy clicks(&grid, &QTableWidget::cellClicked);
    QSignalSpy right(&grid, &FlexGrid::RightButtonUp);
    // Clicked as the mouse does, on whatever lies at the place in the window.
    auto click = [&grid](Qt::MouseButton button, const QPoint& place) {
        QTest::mouseClick(grid.windowHandle(), button, {}, grid.viewport()->mapTo(&grid, place));
    };
    const int x = grid.visualRect(grid.model()->index(30, 2)).center().x();

    click(Qt::LeftButton, QPoint(x, grid.rowHeight(0) / 2));
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks[0][0].toInt(), 0);
    EXPECT_EQ(clicks[0][1].toInt(), 2);
    EXPECT_EQ(grid.Row(), 30);
    EXPECT_EQ(grid.Col(), 1);
    click(Qt::RightButton, QPoint(x, grid.rowHeight(0) - 2));
    EXPECT_EQ(right.count(), 1);
    EXPECT_EQ(grid.Row(), 30);

    click(Qt::LeftButton, QPoint(x, grid.rowHeight(0) + 2));
    EXPECT_EQ(grid.Row(), 21);
    EXPECT_EQ(grid.Col(), 2);

    // A drag up into the heading stops at the last row it passed, not at
    // the rows scrolled away under the heading.
    const QPoint from = grid.visualRect(grid.model()->index(24, 1)).center();
    const QPoint passed = grid.visualRect(grid.model()->index(22, 1)).center();
    const QPoint heading(from.x(), grid.rowHeight(0) / 2);
    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(grid.viewport(), passed);
    QTest::mouseMove(grid.viewport(), heading);
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, heading);
    EXPECT_EQ(grid.Selection().top, 22);
    EXPECT_EQ(grid.Selection().bottom, 24);
}

// A grid that shows all its rows draws only its own cells: the wheel and the
// keys scroll nothing and nothing is laid over them.
TEST_F(FlexGridTest, AGridThatShowsEveryRowIsDrawnAsItsOwnCellsAlone) {
    const QImage start = grid.grab().toImage();
    TurnWheel(grid, 3);
    EXPECT_EQ(grid.grab().toImage(), start);
    grid.SetSelection(1, 0, 1, 0);
    grid.setFocus();
    KeyboardInput::Press(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(grid.verticalScrollBar()->value(), 0);
    for (const QAbstractItemView* view : grid.findChildren<QAbstractItemView*>()) {
        EXPECT_FALSE(view->isVisible());
    }
}

// A grid set up as a results window sets one: a heading row, a check-box
// column and a centred column.
void SetUpResultsGrid(FlexGrid& grid) {
    grid.SetCols(4);
    grid.SetRows(1);
    grid.SetCheckBoxColumn(0);
    grid.SetColAlignment(2, Qt::AlignCenter);
    for (int c = 0; c < 4; ++c) {
        grid.SetTextMatrix(0, c, QString("Head\r\n%1").arg(c));
    }
}

QString ResultText(int row, int col) {
    return col == 3 ? QString("Mild")
                    : QString("%1,%2.5").arg(row).arg(row * col % 1000, 3, 10, QChar('0'));
}

// Each row's texts, a red cell on every third row and a tick on every fifth.
void WriteResultRow(FlexGrid& grid, int row) {
    for (int c = 0; c < 4; ++c) {
        grid.SetTextMatrix(row, c, ResultText(row, c));
    }
    if (row % 3 == 0) {
        grid.SetCellForeColor(row, 1, Qt::red);
    }
    if (row % 5 == 0) {
        grid.SetCellChecked(row, 0, true);
    }
}

// Everything a cell shows or does, as one comparable text.
QString CellState(const FlexGrid& grid, int row, int col) {
    const QTableWidgetItem* cell = grid.item(row, col);
    if (!cell) {
        return "no cell";
    }
    return QString("%1|%2|%3|%4|%5")
        .arg(cell->text())
        .arg(int(cell->flags()))
        .arg(cell->textAlignment())
        .arg(cell->data(Qt::CheckStateRole).toString())
        .arg(grid.CellForeColor(row, col).name());
}

void ExpectSameGrid(const FlexGrid& actual, const FlexGrid& expected) {
    ASSERT_EQ(actual.Rows(), expected.Rows());
    ASSERT_EQ(actual.Cols(), expected.Cols());
    for (int r = 0; r < expected.Rows(); ++r) {
        for (int c = 0; c < expected.Cols(); ++c) {
            EXPECT_EQ(CellState(actual, r, c), CellState(expected, r, c)) << r << "," << c;
        }
    }
    for (int c = 0; c < expected.Cols(); ++c) {
        EXPECT_EQ(actual.columnWidth(c), expected.columnWidth(c)) << c;
    }
}

TEST(FlexGridBulkUpdate, FillsTheGridAsRowByRowDoes) {
    constexpr int rows = 40;
    FlexGrid rowByRow;
    SetUpResultsGrid(rowByRow);
    for (int r = 1; r < rows; ++r) {
        rowByRow.SetRows(r + 1);
        WriteResultRow(rowByRow, r);
    }
    rowByRow.AutoSize(0, 3);

    // Sized once, after an earlier fill that left other texts, colours and
    // ticks behind; and grown a row at a time, as an unchanged window does.
    FlexGrid sizedOnce;
    SetUpResultsGrid(sizedOnce);
    sizedOnce.SetRows(rows + 5);
    for (int r = 1; r < rows + 5; ++r) {
        sizedOnce.SetTextMatrix(r, 1, "old");
        sizedOnce.SetCellForeColor(r, 2, Qt::blue);
        sizedOnce.SetCellChecked(r, 0, true);
    }
    {
        FlexGrid::BulkUpdate bulk(sizedOnce);
        sizedOnce.SetRows(1);
        sizedOnce.SetRows(rows);
        for (int r = 1; r < rows; ++r) {
            WriteResultRow(sizedOnce, r);
        }
        sizedOnce.AutoSize(0, 3);
    }
    ExpectSameGrid(sizedOnce, rowByRow);

    FlexGrid grown;
    SetUpResultsGrid(grown);
    {
        FlexGrid::BulkUpdate bulk(grown);
        for (int r = 1; r < rows; ++r) {
            grown.SetRows(r + 1);
            WriteResultRow(grown, r);
        }
        grown.AutoSize(0, 3);
    }
    ExpectSameGrid(grown, rowByRow);
}

TEST(FlexGridBulkUpdate, CellsNotYetWrittenReadAsNewCellsAndAreMadeAtTheEnd) {
    FlexGrid grid;
    SetUpResultsGrid(grid);
    {
        FlexGrid::BulkUpdate bulk(grid);
        grid.SetRows(6);
        grid.SetTextMatrix(2, 1, "written");
        EXPECT_EQ(grid.TextMatrix(3, 1), "");
        EXPECT_FALSE(grid.CellChecked(3, 0));
        EXPECT_EQ(grid.CellForeColor(3, 1), grid.palette().color(QPalette::Text));
        grid.SetSelection(2, 1, 3, 2);
        EXPECT_EQ(grid.Clip(), "written\t\r\t");
        grid.RemoveItem(1);
        grid.AddItem("added", 5);
    }
    FlexGrid expected;
    SetUpResultsGrid(expected);
    expected.SetRows(6);
    expected.SetTextMatrix(1, 1, "written");
    expected.SetTextMatrix(5, 0, "added");
    ExpectSameGrid(grid, expected);
}

TEST(FlexGridBulkUpdate, HoldsCellNotificationsUntilTheOutermostGuardEnds) {
    FlexGrid grid;
    SetUpResultsGrid(grid);
    QSignalSpy cells(&grid, &QTableWidget::cellChanged);
    QSignalSpy items(&grid, &QTableWidget::itemChanged);
    QSignalSpy data(grid.model(), &QAbstractItemModel::dataChanged);
    {
        FlexGrid::BulkUpdate outer(grid);
        {
            FlexGrid::BulkUpdate inner(grid);
            grid.SetRows(5);
            WriteResultRow(grid, 3);
        }
        WriteResultRow(grid, 4);
        grid.SetClip("pasted");
        grid.AddItem("added", 1);
        grid.SetColAlignment(1, Qt::AlignRight);
    }
    EXPECT_EQ(cells.count(), 0);
    EXPECT_EQ(items.count(), 0);
    EXPECT_EQ(data.count(), 0);
    EXPECT_EQ(grid.Rows(), 6);
    EXPECT_EQ(grid.TextMatrix(4, 1), ResultText(3, 1));
    EXPECT_EQ(grid.TextMatrix(2, 0), "pasted");

    // Once the guard has gone, code that writes a cell is notified as ever,
    // and writing the text that a cell holds is no change.
    grid.SetTextMatrix(4, 1, ResultText(3, 1));
    EXPECT_EQ(cells.count(), 0);
    grid.SetTextMatrix(2, 2, "after");
    ASSERT_EQ(cells.count(), 1);
    EXPECT_EQ(cells[0][0].toInt(), 2);
    EXPECT_EQ(cells[0][1].toInt(), 2);
}

// Grids grown a row at a time while a growth batch lasts, as the project
// file reader grows them: each fills as row by row, holds its notifications
// until the outermost batch ends, and a grid only written meanwhile, or one
// grown after, notifies as ever.
TEST(FlexGridGrowthBatch, AGrownGridHoldsItsNotificationsUntilTheBatchEnds) {
    constexpr int rows = 30;
    FlexGrid rowByRow;
    SetUpResultsGrid(rowByRow);
    const QString wide = "a text far wider than any heading of the grid";
    for (int r = 1; r < rows; ++r) {
        rowByRow.SetRows(r + 1);
        WriteResultRow(rowByRow, r);
    }
    rowByRow.SetTextMatrix(rows - 1, 3, wide);
    FlexGrid grown;
    SetUpResultsGrid(grown);
    FlexGrid written;
    SetUpResultsGrid(written);
    written.SetRows(3);
    QSignalSpy grownCells(&grown, &QTableWidget::cellChanged);
    QSignalSpy grownWidths(&grown, &FlexGrid::ColumnWidthsChanged);
    QSignalSpy writtenCells(&written, &QTableWidget::cellChanged);
    {
        FlexGrid::GrowthBatch batch;
        {
            FlexGrid::GrowthBatch inner;
            grown.SetRows(2);
            WriteResultRow(grown, 1);
        }
        for (int r = 2; r < rows; ++r) {
            grown.SetRows(r + 1);
            WriteResultRow(grown, r);
        }
        grown.SetTextMatrix(rows - 1, 3, wide);
        written.SetTextMatrix(1, 1, "written");
        // A grid gone before the batch ends is no longer held.
        auto gone = std::make_unique<FlexGrid>();
        gone->SetRows(4);
        gone.reset();
        EXPECT_EQ(grown.TextMatrix(rows - 1, 1), ResultText(rows - 1, 1));
        EXPECT_EQ(grownCells.count(), 0);
        EXPECT_EQ(grownWidths.count(), 0);
        EXPECT_EQ(writtenCells.count(), 1);
    }
    EXPECT_EQ(grownCells.count(), 0);
    EXPECT_EQ(grownWidths.count(), 1);
    ExpectSameGrid(grown, rowByRow);

    grown.SetTextMatrix(2, 2, "after");
    EXPECT_EQ(grownCells.count(), 1);
    grown.SetRows(rows + 1);
    const qsizetype beforeWrite = grownCells.count();
    grown.SetTextMatrix(rows, 1, "grown after");
    EXPECT_EQ(grownCells.count(), beforeWrite + 1);
}

// The rows a growth batch makes ahead are no rows of the grid: they count
// nowhere, take no cell and are gone when the batch ends.
TEST(FlexGridGrowthBatch, RowsMadeAheadAreNoRowsOfTheGrid) {
    FlexGrid grid;
    SetUpResultsGrid(grid);
    {
        FlexGrid::GrowthBatch batch;
        for (int r = 1; r < 6; ++r) {
            grid.SetRows(r + 1);
            grid.SetTextMatrix(r, 1, QString::number(r));
        }
        EXPECT_EQ(grid.Rows(), 6);
        EXPECT_THROW(grid.TextMatrix(6, 1), AppError);
        grid.AddItem("\tadded", 6);
        grid.RemoveItem(1);
        EXPECT_EQ(grid.Rows(), 6);
        grid.SetRows(8);
        grid.SetRows(7);
        EXPECT_EQ(grid.Rows(), 7);
    }
    EXPECT_EQ(grid.rowCount(), 7);
    FlexGrid expected;
    SetUpResultsGrid(expected);
    expected.SetRows(7);
    for (int r = 1; r < 5; ++r) {
        expected.SetTextMatrix(r, 1, QString::number(r + 1));
    }
    expected.SetTextMatrix(5, 1, "added");
    ExpectSameGrid(grid, expected);
}

TEST_F(FlexGridTest, TypingAfterABulkUpdateIsNotified) {
    {
        FlexGrid::BulkUpdate bulk(grid);
        grid.SetRows(8);
        grid.SetTextMatrix(7, 1, "7,1");
    }
    QSignalSpy cells(&grid, &QTableWidget::cellChanged);
    grid.SetEditable(true);
    grid.SetSelection(7, 1, 7, 1);
    grid.setFocus();
    QTest::keyClicks(&grid, "4");
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(editor, &grid);
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(grid.TextMatrix(7, 1), "4");
    ASSERT_EQ(cells.count(), 1);
    EXPECT_EQ(cells[0][0].toInt(), 7);
    EXPECT_EQ(cells[0][1].toInt(), 1);
}

// The widest line of a column's texts in the grid's font, each line measured
// whole, as a reader would work it out.
int PlainWidth(const FlexGrid& grid, int col) {
    const QFontMetrics metrics(grid.font());
    int widest = 0;
    for (int r = 0; r < grid.Rows(); ++r) {
        for (const QString& line :
             grid.TextMatrix(r, col).split(QRegularExpression("\r\n|\r|\n"))) {
            widest = std::max(widest, metrics.horizontalAdvance(line));
        }
    }
    return widest;
}

// A font by family and size; no family for the grid's own font.
struct FontCase {
    const char* family;
    int points;
};

void PrintTo(const FontCase& font, std::ostream* out) {
    *out << (font.family ? font.family : "own font") << " " << font.points;
}

class FlexGridAutoSize : public ::testing::TestWithParam<FontCase> {};

TEST_P(FlexGridAutoSize, GivesTheWidthsOfAPlainMeasurement) {
    // Column texts, top to bottom, under a heading. Numbers of one pattern with
    // different digits; a column of ones alone, which some fonts kern; words,
    // ligatures and line breaks of every kind; a number too long to pack.
    const std::vector<QStringList> columns = {
        {"Return\r\nPeriod\r\n(Years)", "2", "10", "100", "500"},
        {"\r\nQ\r\n(ft^3/s)", "1,234.56", "9,870.12", "-0.50", "+3.25", "88,888.88", "1,111.11"},
        {"Ones", "11", "1,111.11", "-11.1", "111"},
        {"Slope", "Mild", "Steep", "Critical", "office fifty", "W.A.V.E."},
        {"x\ny", "a\rbb", "\r\n", "", "12,345,678,901,234,567.89"},
        {""},
    };
    FlexGrid grid;
    if (GetParam().family) {
        grid.setFont(QFont(GetParam().family, GetParam().points));
    }
    grid.SetCols(static_cast<int>(columns.size()));
    grid.SetRows(7);
    for (int c = 0; c < grid.Cols(); ++c) {
        const QStringList& texts = columns[static_cast<size_t>(c)];
        for (int r = 0; r < texts.size(); ++r) {
            grid.SetTextMatrix(r, c, texts[r]);
        }
    }
    grid.AutoSize(0, grid.Cols() - 1);
    const int padding = grid.columnWidth(grid.Cols() - 1);
    for (int c = 0; c < grid.Cols(); ++c) {
        EXPECT_EQ(grid.columnWidth(c), PlainWidth(grid, c) + padding) << "column " << c;
    }
}

INSTANTIATE_TEST_SUITE_P(Fonts, FlexGridAutoSize,
                         ::testing::Values(FontCase{nullptr, 0}, FontCase{"Liberation Sans", 9},
                                           FontCase{"Liberation Serif", 12},
                                           FontCase{"DejaVu Serif", 10},
                                           FontCase{"Liberation Mono", 8}));

// Every way a text reaches a data cell: each leaves the column wide enough to
// show it whole, however narrow the window made it.
enum class WritePath {
    TextMatrix,
    BulkUpdate,
    BulkUpdateAfterItsFit,
    NarrowedAfterwards,
    Clip,
    Typed,
    FontGrown
};

// A typed grid of a heading row and three data rows, its three columns
// designed `twips` wide.
void SetUpTypedGrid(FlexGrid& grid, const QString& heading, double twips) {
    grid.SetRows(4);
    grid.SetCols(3);
    grid.SetEditable(true);
    grid.SetTextMatrix(0, 1, heading);
    for (int c = 0; c < grid.Cols(); ++c) {
        grid.SetColWidthTwips(c, twips);
    }
}

class FlexGridWholeTexts : public ::testing::TestWithParam<WritePath> {};

TEST_P(FlexGridWholeTexts, ADataCellNeverCutsItsText) {
    const QString large = "123,456,789,012.35";
    FlexGrid grid;
    SetUpTypedGrid(grid, "A heading far wider than its column", 300);
    grid.show();
    switch (GetParam()) {
    case WritePath::TextMatrix:
        grid.SetTextMatrix(2, 1, large);
        break;
    case WritePath::BulkUpdate: {
        FlexGrid::BulkUpdate bulk(grid);
        grid.SetRows(1);
        grid.SetRows(4);
        grid.SetTextMatrix(2, 1, large);
        break;
    }
    case WritePath::BulkUpdateAfterItsFit: {
        // A text written after the columns were fitted inside the same update.
        FlexGrid::BulkUpdate bulk(grid);
        grid.AutoSize(0, grid.Cols() - 1);
        for (int c = 0; c < grid.Cols(); ++c) {
            grid.SetColWidthTwips(c, 300);
        }
        grid.SetTextMatrix(2, 1, large);
        break;
    }
    case WritePath::NarrowedAfterwards:
        grid.SetTextMatrix(2, 1, large);
        grid.SetColWidthTwips(1, 300);
        break;
    case WritePath::Clip:
        grid.SetSelection(2, 1, 2, 1);
        grid.SetClip(large);
        break;
    case WritePath::Typed: {
        grid.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&grid));
        grid.SetSelection(2, 1, 2, 1);
        grid.setFocus();
        QTest::keyClicks(&grid, large.left(1));
        QWidget* editor = QApplication::focusWidget();
        ASSERT_NE(editor, &grid);
        QTest::keyClicks(editor, large.mid(1));
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents(); // the editor commits through a queued call
        break;
    }
    case WritePath::FontGrown: {
        grid.SetTextMatrix(2, 1, large);
        QFont larger = grid.font();
        larger.setPointSizeF(larger.pointSizeF() * 2);
        grid.setFont(larger);
        break;
    }
    }
    ASSERT_EQ(grid.TextMatrix(2, 1), large);
    EXPECT_TRUE(CellShowsWhole(grid, 2, 1));
    // Headings and empty columns keep the width the window gave them.
    EXPECT_FALSE(CellShowsWhole(grid, 0, 1));
    EXPECT_EQ(grid.columnWidth(2), Screen::TwipsToPixelsX(300));
}

INSTANTIATE_TEST_SUITE_P(Paths, FlexGridWholeTexts,
                         ::testing::Values(WritePath::TextMatrix, WritePath::BulkUpdate,
                                           WritePath::BulkUpdateAfterItsFit,
                                           WritePath::NarrowedAfterwards, WritePath::Clip,
                                           WritePath::Typed, WritePath::FontGrown));

// Every way the widest text of a column goes: the column comes back to what
// the texts left need, then to its designed width once they are gone too.
enum class TakeAway { Cleared, Shortened, FewerRows, RowRemoved, BulkRefill, Pasted, Typed };

class FlexGridNarrowing : public ::testing::TestWithParam<TakeAway> {};

TEST_P(FlexGridNarrowing, AColumnNarrowsWhenItsWidestTextGoes) {
    const QString large = "123,456,789,012.35";
    const QString medium = "1,234,567.89";
    FlexGrid grid;
    SetUpTypedGrid(grid, "Q", 600);
    const int designed = grid.columnWidth(1);
    grid.show();
    grid.SetTextMatrix(1, 1, medium);
    const int forMedium = grid.columnWidth(1);
    ASSERT_GT(forMedium, designed);
    grid.SetTextMatrix(2, 1, large);
    ASSERT_GT(grid.columnWidth(1), forMedium);

    switch (GetParam()) {
    case TakeAway::Cleared:
        grid.SetTextMatrix(2, 1, "");
        break;
    case TakeAway::Shortened:
        grid.SetTextMatrix(2, 1, "5");
        break;
    case TakeAway::FewerRows:
        grid.SetRows(2);
        break;
    case TakeAway::RowRemoved:
        grid.RemoveItem(2);
        break;
    case TakeAway::BulkRefill: {
        FlexGrid::BulkUpdate bulk(grid);
        grid.SetRows(1);
        grid.SetRows(4);
        grid.SetTextMatrix(1, 1, medium);
        grid.SetTextMatrix(3, 1, "5");
        break;
    }
    case TakeAway::Pasted:
        grid.SetSelection(2, 1, 2, 1);
        grid.SetClip("5");
        break;
    case TakeAway::Typed:
        grid.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&grid));
        grid.SetSelection(2, 1, 2, 1);
        grid.setFocus();
        KeyboardInput::Type("5");
        KeyboardInput::CommitCell();
        ASSERT_EQ(grid.TextMatrix(2, 1), "5");
        break;
    }
    EXPECT_EQ(grid.columnWidth(1), forMedium);
    EXPECT_TRUE(CellShowsWhole(grid, 1, 1));

    grid.SetTextMatrix(1, 1, "");
    EXPECT_EQ(grid.columnWidth(1), designed);
    EXPECT_NEAR(grid.ColWidthTwips(1), 600, 15);
}

INSTANTIATE_TEST_SUITE_P(Paths, FlexGridNarrowing,
                         ::testing::Values(TakeAway::Cleared, TakeAway::Shortened,
                                           TakeAway::FewerRows, TakeAway::RowRemoved,
                                           TakeAway::BulkRefill, TakeAway::Pasted,
                                           TakeAway::Typed));

// AutoSize designs a column for its headings: the data widen it while they
// stay, and a grid emptied for the next results starts from the headings.
TEST(FlexGridDesignedWidths, AutoSizeFitsTheHeadingsAndTheDataWidenOnlyWhileTheyStay) {
    auto setUp = [](FlexGrid& grid) {
        grid.SetRows(3);
        grid.SetCols(2);
        grid.SetTextMatrix(0, 0, "Design Q\r\n(ft^3/s)");
        grid.SetTextMatrix(0, 1, "TW");
    };
    FlexGrid headingsOnly;
    setUp(headingsOnly);
    headingsOnly.AutoSize(0, 1);

    FlexGrid grid;
    setUp(grid);
    grid.SetTextMatrix(1, 0, "1");
    grid.SetTextMatrix(2, 1, "1,213,738.89");
    grid.AutoSize(0, 1);
    EXPECT_EQ(grid.columnWidth(0), headingsOnly.columnWidth(0));
    EXPECT_GT(grid.columnWidth(1), headingsOnly.columnWidth(1));
    EXPECT_TRUE(CellShowsWhole(grid, 2, 1));

    grid.SetRows(1);
    grid.SetRows(3);
    EXPECT_EQ(grid.columnWidth(1), headingsOnly.columnWidth(1));
}

// A window that lays itself out around a grid hears of every change of a
// column's width, once, and of nothing else; of a bulk update once, at its end.
TEST(FlexGridDesignedWidths, WidthChangesAreSignalledOnce) {
    FlexGrid grid;
    grid.SetRows(3);
    grid.SetCols(2);
    for (int c = 0; c < grid.Cols(); ++c) {
        grid.SetColWidthTwips(c, 900);
    }
    QSignalSpy changes(&grid, &FlexGrid::ColumnWidthsChanged);
    grid.SetTextMatrix(1, 0, "12.5"); // fits
    grid.SetColWidthTwips(1, 900);    // as it was
    EXPECT_EQ(changes.count(), 0);

    grid.SetTextMatrix(1, 0, "1,213,738.89");
    EXPECT_EQ(changes.count(), 1);
    {
        FlexGrid::BulkUpdate bulk(grid);
        grid.SetRows(1);
        grid.SetRows(3);
        grid.SetTextMatrix(1, 0, "123,456,789,012.35");
        grid.SetTextMatrix(2, 1, "123,456,789,012.35");
        EXPECT_EQ(changes.count(), 1);
    }
    EXPECT_EQ(changes.count(), 2);
    grid.SetColWidthTwips(0, 300); // under the text's width: nothing changes
    EXPECT_EQ(changes.count(), 2);
    grid.SetTextMatrix(1, 0, "");
    EXPECT_EQ(changes.count(), 3);
}

} // namespace

namespace {

// The smallest rectangle that holds every pixel in which two pictures of the
// same size differ.
QRect ChangedPart(const QImage& one, const QImage& other) {
    QRect changed;
    for (int y = 0; y < one.height(); ++y) {
        for (int x = 0; x < one.width(); ++x) {
            if (one.pixel(x, y) != other.pixel(x, y)) {
                changed |= QRect(x, y, 1, 1);
            }
        }
    }
    return changed;
}

// Whether the grid, which has the focus, shows it by a frame just inside its
// current cell.
void ExpectCurrentCellFramed(FlexGrid& grid) {
    ASSERT_EQ(QApplication::focusWidget(), &grid);
    const QImage focused = grid.viewport()->grab().toImage();
    grid.clearFocus();
    const QImage unfocused = grid.viewport()->grab().toImage();
    grid.setFocus();
    ASSERT_EQ(focused.size(), unfocused.size());
    const QRect changed = ChangedPart(focused, unfocused);
    const QRect cell = grid.visualRect(grid.currentIndex());
    EXPECT_TRUE(cell.adjusted(1, 1, -1, -1).contains(changed)) << "changed outside the cell";
    EXPECT_GE(changed.width(), cell.width() - 4);
    EXPECT_GE(changed.height(), cell.height() - 4);
}

// A window that holds a grid between two boxes: Tab reaches the grid from the
// first box, Shift+Tab from the second.
struct GridBetweenBoxes {
    QWidget window;
    QLineEdit* before = new QLineEdit(&window);
    FlexGrid* grid = new FlexGrid(&window);
    QLineEdit* after = new QLineEdit(&window);

    GridBetweenBoxes(int rows, int cols) {
        grid->SetRows(rows);
        grid->SetCols(cols);
        grid->move(0, 40);
        after->move(0, 300);
        grid->resize(400, 250);
    }

    void Show() {
        window.resize(420, 340);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QModelIndex Cell(int row, int col) const { return grid->model()->index(row, col); }
};

} // namespace

// Focus changes nothing but a frame just inside the current cell, drawn only
// while the grid has the keyboard focus.
TEST_F(FlexGridTest, TheCurrentCellWearsAFrameWhileTheGridHasTheFocus) {
    grid.SetSelection(2, 1, 2, 1);
    grid.clearFocus();
    const QImage unfocused = grid.viewport()->grab().toImage();
    grid.setFocus();
    ASSERT_EQ(grid.currentIndex(), grid.model()->index(2, 1));
    ExpectCurrentCellFramed(grid);
    grid.clearFocus();
    EXPECT_EQ(grid.viewport()->grab().toImage(), unfocused);
}

// A grid reached with Tab before any cell was chosen makes its first data cell
// current, in a typed grid the first that takes typing, and takes the keys at
// once; so does a grid that lost its current cell with its rows.
TEST(FlexGridFocus, AGridReachedWithTabTakesTheKeysAtOnce) {
    struct Case {
        const char* name;
        bool typed;
        int fixedCols;
        bool tickColumn0;
        int firstCol;
    };
    const Case cases[] = {
        {"results", false, 0, false, 0},
        {"results with a tick column", false, 0, true, 0},
        {"typed with a point-number column", true, 1, false, 1},
        {"typed with a tick column", true, 0, true, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GridBetweenBoxes boxes(4, 3);
        FlexGrid& grid = *boxes.grid;
        grid.SetFixedCols(c.fixedCols);
        if (c.tickColumn0) {
            grid.SetCheckBoxColumn(0);
        }
        grid.SetEditable(c.typed);
        boxes.Show();
        boxes.before->setFocus();
        QTest::keyClick(boxes.before, Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), &grid);
        EXPECT_EQ(grid.currentIndex(), boxes.Cell(1, c.firstCol));

        QTest::keyClick(&grid, Qt::Key_Down);
        EXPECT_EQ(grid.currentIndex(), boxes.Cell(2, c.firstCol));
        if (c.typed) {
            KeyboardInput::Type("123");
            KeyboardInput::CommitCell();
            EXPECT_EQ(grid.TextMatrix(2, c.firstCol), "123");

            grid.SetRows(1);
            grid.SetRows(4);
            KeyboardInput::Type("4");
            KeyboardInput::CommitCell();
            EXPECT_EQ(grid.TextMatrix(1, c.firstCol), "4");
        }
    }
}

namespace {

// The weir table's shape: the selection mark, two dimensions the user types
// or the program computes, and the computed headwater.
void SetUpWeirTable(FlexGrid& grid, const std::vector<int>& typedCols) {
    const char* headings[] = {" \r\nSelected\r\nDesign", "Weir\r\nWidth\r\n(ft)",
                              "Weir\r\nLength\r\n(ft)", "Headwater\r\nElevation\r\n(ft)"};
    for (int c = 0; c < 4; ++c) {
        grid.SetTextMatrix(0, c, headings[c]);
    }
    grid.SetEditable(true);
    grid.SetMarkColumn(0);
    for (int c = 0; c < 4; ++c) {
        grid.SetColReadOnly(c, std::find(typedCols.begin(), typedCols.end(), c) == typedCols.end());
    }
}

} // namespace

// Space marks the current row wherever its cell takes no typing, as a click in
// the mark column does; a cell that takes typing takes the space as text, and
// Enter marks nothing.
TEST(FlexGridMarks, SpaceOrAClickInTheMarkColumnMarksTheRow) {
    struct Case {
        const char* name;
        bool typed;
        int markCol;
        int col;
        bool marks;
    };
    const Case cases[] = {
        {"results grid, beside the mark column", false, 0, 2, true},
        {"results grid, in the mark column", false, 0, 0, true},
        {"results grid without a mark column", false, -1, 2, false},
        {"typed grid, its read-only mark column", true, 0, 0, true},
        {"typed grid, a computed column", true, 0, 3, true},
        {"typed grid, a typed column", true, 0, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GridBetweenBoxes boxes(5, 4);
        FlexGrid& grid = *boxes.grid;
        grid.SetEditable(c.typed);
        grid.SetColReadOnly(0, true);
        grid.SetColReadOnly(3, true);
        grid.SetMarkColumn(c.markCol);
        boxes.Show();
        QSignalSpy marks(&grid, &FlexGrid::MarkRow);
        grid.SetSelection(3, c.col, 3, c.col);
        grid.setFocus();

        KeyboardInput::Press(Qt::Key_Space);
        if (c.marks) {
            ASSERT_EQ(marks.count(), 1);
            EXPECT_EQ(marks[0][0].toInt(), 3);
            EXPECT_EQ(QApplication::focusWidget(), &grid);
        } else {
            EXPECT_EQ(marks.count(), 0);
        }
        if (c.typed && !c.marks) {
            KeyboardInput::Type("5");
            KeyboardInput::CommitCell();
            EXPECT_EQ(grid.TextMatrix(3, c.col), " 5");
        }
        KeyboardInput::Press(Qt::Key_Return);
        EXPECT_EQ(marks.count(), c.marks ? 1 : 0);

        marks.clear();
        for (int col : {0, 1}) {
            const QPoint centre = grid.visualRect(boxes.Cell(2, col)).center();
            QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, centre);
        }
        emit grid.cellClicked(0, 0); // the heading
        ASSERT_EQ(marks.count(), c.markCol == 0 ? 1 : 0);
        if (c.markCol == 0) {
            EXPECT_EQ(marks[0][0].toInt(), 2);
        }
    }
}

// Reached with Tab or Shift+Tab, a typed grid whose current cell stands in a
// read-only column moves it to the nearest cell of the row that takes typing,
// selected, so that typing and pasting go there at once.
TEST(FlexGridTypedColumns, TabLandsOnTheNearestCellOfTheRowThatTakesTyping) {
    struct Case {
        const char* name;
        std::vector<int> typedCols;
        int from;
        Qt::Key key;
        int landsOn;
    };
    const Case cases[] = {
        {"from the mark, width typed", {1}, 0, Qt::Key_Tab, 1},
        {"from the headwater, width typed", {1}, 3, Qt::Key_Backtab, 1},
        {"from the length, width typed", {1}, 2, Qt::Key_Tab, 1},
        {"from the mark, both typed", {1, 2}, 0, Qt::Key_Backtab, 1},
        {"from the headwater, both typed", {1, 2}, 3, Qt::Key_Tab, 2},
        {"a typed cell stays", {1, 2}, 2, Qt::Key_Tab, 2},
        {"nothing typed in the row", {}, 3, Qt::Key_Tab, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GridBetweenBoxes boxes(6, 4);
        SetUpWeirTable(*boxes.grid, c.typedCols);
        boxes.Show();
        boxes.grid->SetSelection(2, c.from, 2, c.from);
        QLineEdit* start = c.key == Qt::Key_Tab ? boxes.before : boxes.after;
        start->setFocus();
        QTest::keyClick(start, c.key);
        ASSERT_EQ(QApplication::focusWidget(), boxes.grid);
        EXPECT_EQ(boxes.grid->currentIndex(), boxes.Cell(2, c.landsOn));
        EXPECT_EQ(boxes.grid->Clip(), boxes.grid->TextMatrix(2, c.landsOn));
        const FlexGrid::CellRange selected = boxes.grid->Selection();
        EXPECT_EQ(std::pair(selected.top, selected.left), std::pair(2, c.landsOn));
        EXPECT_EQ(std::pair(selected.bottom, selected.right), std::pair(2, c.landsOn));
    }
}

// Point numbers, a typed column, a computed one, ticks and a typed one.
void SetUpPointsTable(FlexGrid& grid) {
    grid.SetFixedCols(1);
    grid.SetEditable(true);
    grid.SetColReadOnly(2, true);
    grid.SetCheckBoxColumn(3);
}

// Tab and Shift+Tab mirror each other in a typed grid. While a cell is being
// typed into, they keep the typing and go to the next or previous cell that
// takes typing or a tick, along the row and over to the next or previous row,
// framed and ready for typing; past the last or first such cell, and with no
// typing under way, they go on to the next or previous control.
TEST(FlexGridTypedColumns, TabAndShiftTabGoOnFromTypingAndLeaveTheGridOtherwise) {
    struct Cell {
        int row;
        int col;
    };
    enum class After { Cell, Before, After };
    struct Case {
        const char* name;
        Cell from;
        bool typing;
        Qt::Key key;
        After goesTo;
        Cell to;
    };
    const Case cases[] = {
        {"Tab along the row", {2, 1}, true, Qt::Key_Tab, After::Cell, {2, 3}},
        {"Shift+Tab along the row", {2, 4}, true, Qt::Key_Backtab, After::Cell, {2, 3}},
        {"Tab to the next row", {2, 4}, true, Qt::Key_Tab, After::Cell, {3, 1}},
        {"Shift+Tab to the row before", {2, 1}, true, Qt::Key_Backtab, After::Cell, {1, 4}},
        {"Tab from the last cell", {3, 4}, true, Qt::Key_Tab, After::After, {}},
        {"Shift+Tab from the first cell", {1, 1}, true, Qt::Key_Backtab, After::Before, {}},
        {"Tab with no typing", {2, 1}, false, Qt::Key_Tab, After::After, {}},
        {"Shift+Tab with no typing", {2, 4}, false, Qt::Key_Backtab, After::Before, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GridBetweenBoxes boxes(4, 5);
        FlexGrid& grid = *boxes.grid;
        SetUpPointsTable(grid);
        boxes.Show();
        grid.SetSelection(c.from.row, c.from.col, c.from.row, c.from.col);
        grid.setFocus();
        if (c.typing) {
            KeyboardInput::Type("7");
        }

        KeyboardInput::Press(c.key);
        EXPECT_EQ(grid.TextMatrix(c.from.row, c.from.col), c.typing ? "7" : "");
        EXPECT_EQ(grid.indexWidget(grid.currentIndex()), nullptr) << "a cell is open";
        switch (c.goesTo) {
        case After::Cell:
            EXPECT_EQ(grid.currentIndex(), boxes.Cell(c.to.row, c.to.col));
            EXPECT_EQ(grid.Clip(), grid.TextMatrix(c.to.row, c.to.col));
            ExpectCurrentCellFramed(grid);
            break;
        case After::Before:
            EXPECT_EQ(QApplication::focusWidget(), boxes.before);
            break;
        case After::After:
            EXPECT_EQ(QApplication::focusWidget(), boxes.after);
            break;
        }
    }
}

// Filling a grid with Tab: once Tab has left a typed cell, further Tabs (or
// Shift+Tabs) pass blank cells over and go on through the grid; an arrow key
// or a click ends the run, and the next Tab leaves the grid.
TEST(FlexGridTypedColumns, ARunOfTabsGoesOnThroughTheCellsUntilAnArrowOrAClick) {
    enum class Then { Cell, After };
    struct Case {
        const char* name;
        std::vector<Qt::Key> keys; // after "7" typed into (2, 1)
        Then goesTo;
        int row;
        int col;
    };
    const Case cases[] = {
        {"Tab, Tab: over the tick", {Qt::Key_Tab, Qt::Key_Tab}, Then::Cell, 2, 4},
        {"Tab, Tab, Tab: on to the next row",
         {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab},
         Then::Cell,
         3,
         1},
        {"Tab, Shift+Tab: back", {Qt::Key_Tab, Qt::Key_Backtab}, Then::Cell, 2, 1},
        {"Tab, Down, Tab: out", {Qt::Key_Tab, Qt::Key_Down, Qt::Key_Tab}, Then::After, 0, 0},
        {"Tab, Escape, Tab: out", {Qt::Key_Tab, Qt::Key_Escape, Qt::Key_Tab}, Then::After, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GridBetweenBoxes boxes(4, 5);
        FlexGrid& grid = *boxes.grid;
        SetUpPointsTable(grid);
        boxes.Show();
        grid.SetSelection(2, 1, 2, 1);
        grid.setFocus(Qt::TabFocusReason);
        KeyboardInput::Type("7");
        for (Qt::Key key : c.keys) {
            KeyboardInput::Press(key);
        }
        EXPECT_EQ(grid.TextMatrix(2, 1), "7");
        if (c.goesTo == Then::Cell) {
            EXPECT_EQ(QApplication::focusWidget(), &grid);
            EXPECT_EQ(grid.currentIndex(), boxes.Cell(c.row, c.col));
        } else {
            EXPECT_EQ(QApplication::focusWidget(), boxes.after);
        }
    }

    // A click ends the run too.
    GridBetweenBoxes boxes(4, 3);
    FlexGrid& grid = *boxes.grid;
    grid.SetEditable(true);
    boxes.Show();
    grid.SetSelection(1, 0, 1, 0);
    grid.setFocus(Qt::TabFocusReason);
    KeyboardInput::Type("7");
    KeyboardInput::Press(Qt::Key_Tab);
    const QRect cell = grid.visualRect(boxes.Cell(2, 2));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
    KeyboardInput::Press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), boxes.after);
}

// When the columns that take typing change (a window's other option), the
// cursor goes from a column become read-only to the row's typed cell at once,
// whatever order the window sets the columns in. Setting a column as it
// already is moves nothing; nor do the mouse, a window brought back to the
// front or a closed popup, which leave the selection (say, computed cells to
// copy) where the user put it.
TEST(FlexGridTypedColumns, TheCursorFollowsTheTypedColumnWhenTheOptionChanges) {
    GridBetweenBoxes boxes(6, 4);
    FlexGrid& grid = *boxes.grid;
    SetUpWeirTable(grid, {1});
    boxes.Show();
    grid.setFocus(Qt::TabFocusReason);
    KeyboardInput::Press(Qt::Key_Down);
    ASSERT_EQ(grid.currentIndex(), boxes.Cell(2, 1));
    boxes.before->setFocus();

    struct Step {
        int col;
        bool readOnly;
        int cursorCol;
    };
    const Step steps[] = {
        {1, true, 1},  // the width computed: no typed cell yet
        {2, false, 2}, // the length typed
        {1, false, 2}, // back: the width typed, the cursor still in a typed cell
        {2, true, 1},  // the length computed
        {2, false, 1}, // both typed
        {1, true, 2},  // the other order: the width computed after the length typed
    };
    for (const Step& step : steps) {
        grid.SetColReadOnly(step.col, step.readOnly);
        EXPECT_EQ(grid.currentIndex(), boxes.Cell(2, step.cursorCol))
            << step.col << (step.readOnly ? " read-only" : " typed");
    }
    EXPECT_EQ(grid.Selection().left, 2);
    grid.setFocus(Qt::TabFocusReason);
    KeyboardInput::Type("3");
    KeyboardInput::CommitCell();
    EXPECT_EQ(grid.TextMatrix(2, 2), "3");

    grid.SetSelection(1, 3, 4, 3);
    grid.SetColReadOnly(3, true);
    EXPECT_EQ(grid.Selection().top, 1);
    for (Qt::FocusReason reason :
         {Qt::MouseFocusReason, Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
        SCOPED_TRACE(reason);
        boxes.before->setFocus();
        grid.setFocus(reason);
        const FlexGrid::CellRange selected = grid.Selection();
        EXPECT_EQ(std::pair(selected.top, selected.left), std::pair(1, 3));
        EXPECT_EQ(std::pair(selected.bottom, selected.right), std::pair(4, 3));
    }
}

// A key that would type into a read-only cell types nothing there and says so
// beside the cell, naming the column and the one that takes the typing.
TEST(FlexGridTypedColumns, TypingIntoAReadOnlyCellSaysWhereTypingGoes) {
    struct Case {
        const char* name;
        std::vector<int> typedCols;
        int markCol;
        int col;
        Qt::Key key;
        QString sign;
    };
    const Case cases[] = {
        {"a digit in the headwater",
         {1},
         0,
         3,
         Qt::Key_7,
         "Headwater Elevation (ft) takes no typing here: type in Weir Width (ft). Space marks "
         "the row."},
        {"F2 in the mark column",
         {1, 2},
         0,
         0,
         Qt::Key_F2,
         "Selected Design takes no typing here: type in Weir Width (ft). Space marks the row."},
        {"Space without a mark column",
         {2},
         -1,
         3,
         Qt::Key_Space,
         "Headwater Elevation (ft) takes no typing here: type in Weir Length (ft)."},
        {"nothing typed in the row",
         {},
         -1,
         1,
         Qt::Key_Period,
         "Weir Width (ft) takes no typing here."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GridBetweenBoxes boxes(6, 4);
        FlexGrid& grid = *boxes.grid;
        SetUpWeirTable(grid, c.typedCols);
        grid.SetMarkColumn(c.markCol);
        grid.SetTextMatrix(2, c.col, "kept");
        boxes.Show();
        grid.SetSelection(2, c.col, 2, c.col);
        grid.setFocus();
        QToolTip::hideText();

        KeyboardInput::Press(c.key);
        EXPECT_EQ(QApplication::focusWidget(), &grid); // no editor opened
        EXPECT_EQ(grid.TextMatrix(2, c.col), "kept");
        EXPECT_TRUE(QToolTip::isVisible());
        EXPECT_EQ(QToolTip::text(), c.sign);
        QToolTip::hideText();
    }
}

// The Menu key and Shift+F10 ask for the popup at the current cell, scrolled
// into view, and leave the selection as it was; F10 alone does not.
TEST_F(FlexGridTest, TheMenuKeyAndShiftF10AskForTheMenuAtTheCurrentCell) {
    QSignalSpy menu(&grid, &FlexGrid::MenuKeyDown);
    grid.SetSelection(2, 1, 4, 2);
    grid.setFocus();
    KeyboardInput::Press(Qt::Key_F10);
    EXPECT_EQ(menu.count(), 0);
    KeyboardInput::Press(Qt::Key_Menu);
    KeyboardInput::Press(Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_EQ(menu.count(), 2);
    const QPoint corner =
        grid.viewport()->mapToGlobal(grid.visualRect(grid.model()->index(4, 2)).bottomLeft());
    EXPECT_EQ(menu[0][0].toPoint(), corner);
    EXPECT_EQ(menu[1][0].toPoint(), corner);
    EXPECT_EQ(grid.Clip(), "2,1\t2,2\r3,1\t3,2\r4,1\t4,2");

    // A current cell out of view is scrolled to first.
    grid.resize(grid.width(), grid.rowHeight(0) * 3);
    grid.SetSelection(5, 3, 5, 3);
    grid.scrollToTop();
    KeyboardInput::Press(Qt::Key_Menu);
    ASSERT_EQ(menu.count(), 3);
    const QRect cell = grid.visualRect(grid.model()->index(5, 3));
    EXPECT_TRUE(grid.viewport()->rect().contains(cell.center()));
    EXPECT_EQ(menu[2][0].toPoint(), grid.viewport()->mapToGlobal(cell.bottomLeft()));
}
