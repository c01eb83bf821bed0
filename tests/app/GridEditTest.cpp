#include "app/MDIFrmMain.h"
#include "app/frmInsertRows.h"
#include "app/modGridEdit.h"
#include "app/modGridEditMenu.h"
#include "platform/FlexGrid.h"

#include "EditMenuItems.h"
#include "FakeDialogs.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace {

using modGridEditMenu::GridEditItems;

// Grids shaped like the program's: the channel points grid (51 rows, points
// numbered in column 0, station/elevation/n texts naming their point), a
// design discharge grid with its "Use" tick column, and a 15-column results
// grid. The edit commands act on whichever grid the test names.
class GridEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        points.SetRows(51);
        points.SetCols(4);
        points.SetTextMatrix(0, 0, "Point");
        for (int r = 1; r < 51; ++r) {
            points.SetTextMatrix(r, 0, QString::number(r));
            for (int c = 1; c < 4; ++c) {
                points.SetTextMatrix(r, c, QString("p%1c%2").arg(r).arg(c));
            }
        }

        design.SetRows(11);
        design.SetCols(5);
        design.SetCheckBoxColumn(0);
        for (int r = 1; r < 11; ++r) {
            design.SetTextMatrix(r, 3, QString::number(100 * r));
        }
        design.SetCellChecked(2, 0, true);

        results.SetRows(11);
        results.SetCols(15);
        for (int r = 1; r < 11; ++r) {
            for (int c = 0; c < 15; ++c) {
                results.SetTextMatrix(r, c, QString("%1.%2").arg(r).arg(c));
            }
        }
    }

    QStringList VisibleEditItems() const { return ::VisibleEditItems(main); }

    static void EditOn(FlexGrid& grid, bool rowNumbers) {
        modGridEdit::EditGrid = &grid;
        modGridEdit::RowNumberColumn = rowNumbers;
    }

    // A user who types `count`, picks before or after and presses OK; the
    // dialog's finished signals are counted into `closed`.
    std::function<int(QDialog&)> InsertAnswer(const QString& count, bool after) {
        return [this, count, after](QDialog& dialog) {
            auto& insert = static_cast<frmInsertRows&>(dialog);
            closed = std::make_unique<QSignalSpy>(&insert, &QDialog::finished);
            insert.txtNumRows->setText(count);
            insert.optInsertPoint[after ? 1 : 0]->setChecked(true);
            insert.cmdGo[0]->click();
            return insert.result();
        };
    }

    QStringList Column(const FlexGrid& grid, int col) {
        QStringList texts;
        for (int r = 0; r < grid.Rows(); ++r) {
            texts << grid.TextMatrix(r, col);
        }
        return texts;
    }

    static QStringList Numbered(int last) {
        QStringList texts{"Point"};
        for (int r = 1; r <= last; ++r) {
            texts << " " + QString::number(r);
        }
        return texts;
    }

    FakeDialogs dialogs;
    MDIFrmMain main;
    FlexGrid points;
    FlexGrid design;
    FlexGrid results;
    std::unique_ptr<QSignalSpy> closed;
};

TEST_F(GridEditTest, DeletingRowsThreeToFiveRefillsTheFloorAndRenumbers) {
    EditOn(points, true);
    points.SetSelection(3, 2, 5, 1);
    dialogs.answers = {true};
    modGridEdit::mnuEditDeleteRows_Click();

    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, "question");
    EXPECT_EQ(dialogs.shown[0].text, "Are you sure you want to delete the selected rows?");
    EXPECT_EQ(dialogs.shown[0].title, "Confirm Deletion");
    EXPECT_FALSE(dialogs.shown[0].defaultYes);

    EXPECT_EQ(points.Rows(), 51);
    EXPECT_EQ(points.TextMatrix(2, 1), "p2c1");
    EXPECT_EQ(points.TextMatrix(3, 1), "p6c1");
    EXPECT_EQ(points.TextMatrix(47, 3), "p50c3");
    for (int r = 48; r <= 50; ++r) {
        EXPECT_EQ(points.TextMatrix(r, 1), "") << r;
    }
    EXPECT_EQ(Column(points, 0), Numbered(50));
}

TEST_F(GridEditTest, AnsweringNoToTheDeletionChangesNothing) {
    EditOn(points, true);
    points.SetSelection(3, 0, 5, 3);
    QString before = points.Clip();
    QStringList numbers = Column(points, 0);
    dialogs.answers = {false};
    modGridEdit::mnuEditDeleteRows_Click();
    EXPECT_EQ(points.Rows(), 51);
    EXPECT_EQ(Column(points, 0), numbers);
    points.SetSelection(3, 0, 5, 3);
    EXPECT_EQ(points.Clip(), before);
}

TEST_F(GridEditTest, DeletingFromALongerGridShrinksItButNeverBelowTheFloor) {
    EditOn(points, true);
    points.SetRows(60);
    points.SetSelection(10, 1, 16, 1);
    dialogs.answers = {true, true};
    modGridEdit::mnuEditDeleteRows_Click();
    EXPECT_EQ(points.Rows(), 53);
    EXPECT_EQ(points.TextMatrix(10, 1), "p17c1");

    points.SetSelection(1, 1, 12, 1);
    modGridEdit::mnuEditDeleteRows_Click();
    EXPECT_EQ(points.Rows(), 51);
    EXPECT_EQ(points.TextMatrix(1, 1), "p20c1");
    EXPECT_EQ(Column(points, 0), Numbered(50));
}

TEST_F(GridEditTest, InsertingBeforePutsTheRowsAtTheCurrentRow) {
    EditOn(points, true);
    points.SetSelection(4, 2, 4, 2);
    dialogs.modalScripts = {InsertAnswer("2", false)};
    modGridEdit::mnuEditInsertRows_Click();

    EXPECT_EQ(dialogs.modalCount, 1);
    EXPECT_EQ(closed->count(), 1);
    EXPECT_EQ(points.Rows(), 53);
    EXPECT_EQ(points.TextMatrix(3, 1), "p3c1");
    for (int r : {4, 5}) {
        for (int c = 1; c < 4; ++c) {
            EXPECT_EQ(points.TextMatrix(r, c), "") << r << "," << c;
        }
    }
    EXPECT_EQ(points.TextMatrix(6, 1), "p4c1");
    EXPECT_EQ(Column(points, 0), Numbered(52));
}

TEST_F(GridEditTest, InsertingAfterASelectionOfSeveralRowsGoesAfterItsTopRow) {
    EditOn(points, true);
    points.SetSelection(6, 1, 4, 3);
    dialogs.modalScripts = {InsertAnswer("2", true)};
    modGridEdit::mnuEditInsertRows_Click();

    EXPECT_EQ(points.Rows(), 53);
    EXPECT_EQ(points.TextMatrix(4, 1), "p4c1");
    EXPECT_EQ(points.TextMatrix(5, 1), "");
    EXPECT_EQ(points.TextMatrix(6, 3), "");
    EXPECT_EQ(points.TextMatrix(7, 1), "p5c1");
    EXPECT_EQ(Column(points, 0), Numbered(52));
}

TEST_F(GridEditTest, TheTypedCountIsRoundedToAWholeNumber) {
    struct Case {
        const char* typed;
        int inserted;
    };
    for (const Case& c : {Case{"3", 3}, Case{" 1 ", 1}, Case{"2.5", 2}, Case{"3.5", 4},
                          Case{"0", 0}, Case{"-4", 0}}) {
        SCOPED_TRACE(c.typed);
        points.SetRows(51);
        points.SetTextMatrix(2, 0, "unnumbered");
        EditOn(points, true);
        points.SetSelection(2, 1, 2, 1);
        dialogs.modalScripts = {InsertAnswer(c.typed, false)};
        modGridEdit::mnuEditInsertRows_Click();
        EXPECT_EQ(points.Rows(), 51 + c.inserted);
        EXPECT_EQ(closed->count(), 1);            // the dialog is hidden
        EXPECT_EQ(points.TextMatrix(2, 0), " 2"); // renumbered even when nothing was added
    }
    EXPECT_TRUE(dialogs.MessageTexts().empty());
}

TEST_F(GridEditTest, ABadCountIsReportedAndTheDialogStaysOpenForCorrection) {
    struct Case {
        const char* typed;
        const char* message;
    };
    for (const Case& c :
         {Case{"abc", "Error Number: 13, Type mismatch"},
          Case{"", "Error Number: 13, Type mismatch"}, Case{"3e10", "Error Number: 6, Overflow"},
          Case{"9950", "Error Number: 6, A grid holds at most 10000 rows: no more than 9949 rows "
                       "can be inserted here."}}) {
        SCOPED_TRACE(c.typed);
        dialogs.shown.clear();
        EditOn(points, true);
        points.SetSelection(3, 1, 3, 1);
        bool stayedOpen = false;
        dialogs.modalScripts = {[&](QDialog& dialog) {
            auto& insert = static_cast<frmInsertRows&>(dialog);
            InsertAnswer(c.typed, false)(dialog);
            stayedOpen = closed->count() == 0 && insert.txtNumRows->text() == c.typed;
            EXPECT_EQ(points.Rows(), 51);
            insert.txtNumRows->setText("1");
            insert.cmdGo[0]->click();
            return insert.result();
        }};
        modGridEdit::mnuEditInsertRows_Click();

        EXPECT_TRUE(stayedOpen);
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].text, c.message);
        EXPECT_EQ(dialogs.shown[0].title, "ERROR");
        EXPECT_EQ(points.Rows(), 52); // the corrected count went in
        points.SetRows(51);
    }
}

TEST_F(GridEditTest, CancelChangesNothingAndTheDialogKeepsItsLastChoices) {
    EditOn(points, true);
    points.SetSelection(3, 1, 3, 1);
    dialogs.modalScripts = {InsertAnswer("2", true), [](QDialog& dialog) {
                                auto& insert = static_cast<frmInsertRows&>(dialog);
                                EXPECT_EQ(insert.txtNumRows->text(), "2");
                                EXPECT_TRUE(insert.optInsertPoint[1]->isChecked());
                                insert.txtNumRows->setText("7");
                                insert.cmdGo[1]->click();
                                return insert.result();
                            }};
    modGridEdit::mnuEditInsertRows_Click();
    QStringList after = Column(points, 1);
    modGridEdit::mnuEditInsertRows_Click();
    EXPECT_EQ(dialogs.modalCount, 2);
    EXPECT_EQ(Column(points, 1), after);
}

TEST_F(GridEditTest, InsertingIntoADesignGridKeepsItsShapeAndTicks) {
    EditOn(design, false);
    design.SetSelection(2, 3, 2, 3);
    dialogs.modalScripts = {InsertAnswer("1", true)};
    modGridEdit::mnuEditInsertRows_Click();

    EXPECT_EQ(design.Rows(), 12);
    EXPECT_EQ(design.Cols(), 5);
    EXPECT_TRUE(design.CellChecked(2, 0));
    EXPECT_FALSE(design.CellChecked(3, 0));
    EXPECT_EQ(design.TextMatrix(3, 3), "");
    EXPECT_EQ(design.TextMatrix(4, 3), "300");
    EXPECT_EQ(design.TextMatrix(1, 0), ""); // not a numbered grid
}

TEST_F(GridEditTest, CopyFromAResultsGridPastesUnchangedIntoThePointsGrid) {
    // Through the popup and the main window's items, as the user does it.
    auto choose = [this](FlexGrid& grid, QAction* item) {
        grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
        QTest::mouseClick(grid.viewport(), Qt::RightButton, {}, QPoint(5, 5));
        item->trigger();
        main.mnuEdit->hide();
    };
    modGridEditMenu::ConnectGridEditMenu(results, GridEditItems::Copy, false);
    modGridEditMenu::ConnectGridEditMenu(points, GridEditItems::All, true);

    results.SetSelection(2, 1, 3, 3);
    choose(results, main.mnuEditCopy);
    EXPECT_EQ(QApplication::clipboard()->text(), "2.1\t2.2\t2.3\r3.1\t3.2\t3.3");

    points.SetSelection(10, 1, 10, 1);
    choose(points, main.mnuEditPaste);
    EXPECT_EQ(points.TextMatrix(10, 1), "2.1");
    EXPECT_EQ(points.TextMatrix(10, 3), "2.3");
    EXPECT_EQ(points.TextMatrix(11, 2), "3.2");
    EXPECT_EQ(points.TextMatrix(12, 1), "p12c1");
    EXPECT_EQ(points.Rows(), 51);
}

TEST_F(GridEditTest, ARightClickOffersOnlyWhatTheGridAllows) {
    struct Case {
        GridEditItems items;
        bool rowNumbers;
        QStringList shown;
    };
    const std::vector<Case> cases = {
        {GridEditItems::Copy, false, {"Copy"}},
        {GridEditItems::CopyPaste, false, {"Copy", "Paste"}},
        {GridEditItems::All, true, {"Copy", "Paste", "Insert Rows", "Delete Selected Rows"}},
        {GridEditItems::Copy, false, {"Copy"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown.join(", ").toStdString());
        FlexGrid grid;
        grid.SetRows(3);
        grid.SetCols(2);
        modGridEditMenu::ConnectGridEditMenu(grid, c.items, c.rowNumbers);
        grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
        modGridEdit::RowNumberColumn = !c.rowNumbers;

        QTest::mouseClick(grid.viewport(), Qt::RightButton, {}, QPoint(5, 5));
        EXPECT_EQ(modGridEdit::EditGrid, &grid);
        EXPECT_EQ(modGridEdit::RowNumberColumn, c.rowNumbers);
        EXPECT_TRUE(main.mnuEdit->isVisible());
        EXPECT_EQ(VisibleEditItems(), c.shown);
        main.mnuEdit->hide();
    }
    EXPECT_EQ(modGridEdit::EditGrid, nullptr); // the last grid is gone
}

// The Menu key and Shift+F10 pop up, at the current cell, what the grid's
// right click offers; a grid whose right click offers nothing offers nothing.
TEST_F(GridEditTest, TheMenuKeysOfferWhatTheRightClickOffersAtTheCurrentCell) {
    struct Case {
        std::optional<GridEditItems> items;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QStringList shown;
    };
    const std::vector<Case> cases = {
        {GridEditItems::Copy, Qt::Key_Menu, Qt::NoModifier, {"Copy"}},
        {GridEditItems::CopyPaste, Qt::Key_F10, Qt::ShiftModifier, {"Copy", "Paste"}},
        {GridEditItems::All,
         Qt::Key_Menu,
         Qt::NoModifier,
         {"Copy", "Paste", "Insert Rows", "Delete Selected Rows"}},
        {std::nullopt, Qt::Key_Menu, Qt::NoModifier, {}},
        {std::nullopt, Qt::Key_F10, Qt::ShiftModifier, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown.join(", ").toStdString());
        FlexGrid grid;
        grid.SetRows(4);
        grid.SetCols(3);
        if (c.items) {
            modGridEditMenu::ConnectGridEditMenu(grid, *c.items, false);
        }
        grid.show();
        grid.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&grid));
        grid.SetSelection(2, 1, 3, 2);
        grid.setFocus();
        modGridEdit::EditGrid = nullptr;

        QTest::keyClick(&grid, c.key, c.modifiers);
        EXPECT_EQ(main.mnuEdit->isVisible(), c.items.has_value());
        if (!c.items) {
            EXPECT_EQ(modGridEdit::EditGrid, nullptr);
            continue;
        }
        EXPECT_EQ(modGridEdit::EditGrid, &grid);
        EXPECT_EQ(VisibleEditItems(), c.shown);
        const QRect cell = grid.visualRect(grid.model()->index(3, 2));
        EXPECT_EQ(main.mnuEdit->pos(), grid.viewport()->mapToGlobal(cell.bottomLeft()));
        EXPECT_EQ(grid.Clip(), "\t\r\t"); // the selection stays for the command
        main.mnuEdit->hide();
    }
}

// The channel points grid holds 50 points whatever the Edit commands do: rows
// pushed past row 50 must be empty and are dropped; pushing a filled one, or
// pasting past row 50, is refused and changes nothing.
class FixedRowCountTest : public GridEditTest {
protected:
    void SetUp() override {
        GridEditTest::SetUp();
        points.SetFixedCols(1); // the point numbers
        points.SetFixedRowCount(true);
        for (int r = 11; r < 51; ++r) {
            for (int c = 1; c < 4; ++c) {
                points.SetTextMatrix(r, c, "");
            }
        }
        EditOn(points, true);
    }
};

TEST_F(FixedRowCountTest, InsertingDropsOnlyEmptyRowsPushedPastRowFifty) {
    struct Case {
        const char* count;
        int row;
        bool after;
        int firstPoint; // the row where point 1's texts end up
        int tenthPoint; // the row where point 10's texts end up
    };
    for (const Case& c : {Case{"3", 4, false, 1, 13}, Case{"40", 1, false, 41, 50},
                          Case{"45", 10, true, 1, 10}, Case{"60", 11, false, 1, 10}}) {
        SCOPED_TRACE(testing::Message() << c.count << " at " << c.row);
        SetUp();
        points.SetSelection(c.row, 1, c.row, 1);
        dialogs.modalScripts = {InsertAnswer(c.count, c.after)};
        modGridEdit::mnuEditInsertRows_Click();
        EXPECT_EQ(points.Rows(), 51);
        EXPECT_EQ(points.TextMatrix(c.firstPoint, 1), "p1c1");
        EXPECT_EQ(points.TextMatrix(c.tenthPoint, 3), "p10c3");
        EXPECT_EQ(Column(points, 0), Numbered(50));
        EXPECT_TRUE(dialogs.MessageTexts().empty());
    }
}

TEST_F(FixedRowCountTest, InsertingThatWouldPushAPointPastRowFiftyIsRefused) {
    struct Case {
        const char* count;
        int row;
        const char* message;
    };
    for (const Case& c :
         {Case{"41", 1,
               "Error Number: 6, Inserting 41 rows here would push row 10 past row 50, the last "
               "row of this grid. No rows were inserted."},
          Case{"45", 8,
               "Error Number: 6, Inserting 45 rows here would push row 8 past row 50, the last "
               "row of this grid. No rows were inserted."}}) {
        SCOPED_TRACE(c.count);
        SetUp();
        dialogs.shown.clear();
        points.SetSelection(c.row, 1, c.row, 1);
        QStringList before = Column(points, 1);
        dialogs.modalScripts = {[&](QDialog& dialog) {
            auto& insert = static_cast<frmInsertRows&>(dialog);
            InsertAnswer(c.count, false)(dialog);
            insert.cmdGo[1]->click(); // the engineer gives up
            return insert.result();
        }};
        modGridEdit::mnuEditInsertRows_Click();
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].text, c.message);
        EXPECT_EQ(points.Rows(), 51);
        EXPECT_EQ(Column(points, 1), before);
    }
}

TEST_F(FixedRowCountTest, PastingPastRowFiftyIsRefusedUnlessOnlyBlankLinesFallThere) {
    struct Case {
        const char* text;
        bool pasted;
    };
    for (const Case& c :
         {Case{"1\t2\t3\r4\t5\t6\r7\t8\t9", false}, Case{"1\t2\t3\r4\t5\t6\r\t\r", true},
          Case{"1\t2\t3\n4\t5\t6\n \t \n\n", true}}) {
        SCOPED_TRACE(c.text);
        SetUp();
        dialogs.shown.clear();
        points.SetSelection(49, 1, 49, 1);
        QApplication::clipboard()->setText(c.text);
        modGridEdit::mnuEditPaste_Click();
        EXPECT_EQ(points.Rows(), 51);
        EXPECT_EQ(points.TextMatrix(50, 3), c.pasted ? "6" : "");
        if (c.pasted) {
            EXPECT_TRUE(dialogs.MessageTexts().empty());
        } else {
            EXPECT_EQ(dialogs.MessageTexts(),
                      std::vector<QString>{"The pasted text reaches past row 50, the last row of "
                                           "this grid. Nothing was pasted."});
            EXPECT_EQ(points.TextMatrix(49, 1), "");
        }
    }
}

// 51 rows leave room for 10000 - 51 = 9949 more: exactly that many go in.
TEST_F(GridEditTest, InsertingExactlyTheRoomLeftFillsTheGrid) {
    EditOn(points, true);
    points.SetSelection(3, 1, 3, 1);
    dialogs.modalScripts = {InsertAnswer("9949", false)};
    modGridEdit::mnuEditInsertRows_Click();
    EXPECT_EQ(points.Rows(), 10000);
    EXPECT_EQ(closed->count(), 1);
    EXPECT_TRUE(dialogs.MessageTexts().empty());
}

} // namespace
