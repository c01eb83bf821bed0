#include "DropInletWindowFixture.h"
#include "app/modGridEdit.h"
#include "platform/Numbers.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QTest>

namespace {

QStringList Row(const FlexGrid* grid, int row) {
    QStringList cells;
    for (int c = 0; c < grid->Cols(); ++c) {
        cells << grid->TextMatrix(row, c);
    }
    return cells;
}

bool RowRed(const FlexGrid* grid, int row) {
    for (int c = 1; c < grid->Cols(); ++c) {
        if (grid->CellForeColor(row, c) != QColor(255, 0, 0)) {
            return false;
        }
    }
    return true;
}

} // namespace

TEST_F(DropInletWindow, DesignChecksNameTheFirstFailingBoxAndFocusIt) {
    struct Case {
        const char* what;
        std::array<const char*, 7> texts; // Q, allowable, weir, length, outlet, TW, inlet
        const char* message;
        int focus;
    };
    const Case cases[] = {
        {"all empty",
         {"", "", "", "", "", "", ""},
         "A value must be entered for: Design Q (cfs) ",
         0},
        {"presence before numbers",
         {"abc", "106", "104", "100", "99", "0", ""},
         "A value must be entered for: Barrel Inlet Elevation (ft) ",
         6},
        {"blanks are empty",
         {"   ", "106", "104", "100", "99", "0", "100"},
         "A value must be entered for: Design Q (cfs) ",
         0},
        {"not a number",
         {"1O0", "106", "104", "100", "99", "0", "100"},
         "The value entered for : Design Q (cfs), can not be evaluated as a number. Please "
         "re-enter.",
         0},
        {"numbers before ranges",
         {"-5", "106", "104", "x", "99", "0", "100"},
         "The value entered for : Barrel Length (ft), can not be evaluated as a number. Please "
         "re-enter.",
         3},
        {"no discharge",
         {"0", "106", "104", "100", "99", "0", "100"},
         "Design Q (cfs) must be > 0.",
         0},
        {"allowable level with the weir",
         {"100", "104", "104", "100", "99", "0", "100"},
         "Allowable Headwater Elevation (ft) must be greater than Weir Elevation (ft) ",
         1},
        {"weir below both inverts: the inlet first",
         {"100", "106", "99", "100", "99.5", "0", "100"},
         "Weir Elevation (ft) must be greater than Barrel Inlet Elevation (ft) ",
         2},
        {"weir level with the outlet",
         {"100", "106", "104", "100", "104", "0", "100"},
         "Weir Elevation (ft) must be greater than Barrel Outlet Elevation (ft) ",
         2},
        {"no barrel length",
         {"100", "106", "104", "0", "99", "0", "100"},
         "Barrel Length (ft) must be > 0.",
         3},
        {"negative tailwater",
         {"100", "106", "104", "100", "99", "-0.1", "100"},
         "Tailwater Depth (ft) must be >= 0.",
         5},
    };
    window->StartUp();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        user.shown.clear();
        window->setFocus();
        Type(c.texts);
        window->CmdComputeBarrels->click();
        ASSERT_EQ(user.shown.size(), 1u);
        EXPECT_EQ(user.shown[0].text.toStdString(), c.message);
        EXPECT_EQ(user.shown[0].title, Dialogs::ApplicationTitle);
        EXPECT_EQ(window->focusWidget(), window->TxtDP[static_cast<size_t>(c.focus)]);
        // Nothing was computed; the texts stay as typed.
        EXPECT_EQ(window->LblBarrelWeirLength->text(), " ");
        EXPECT_EQ(Cell(window->GrdRCB, 1, 1), "");
        EXPECT_EQ(window->TxtDP[0]->text(), c.texts[0]);
    }
    // A tailwater of 0 passes.
    user.shown.clear();
    TypeDesign();
    window->CmdComputeBarrels->click();
    EXPECT_TRUE(user.shown.empty());
}

TEST_F(DropInletWindow, ComputeBarrelsShowsTheCrestAndBothGridsWithTheBarrelLimit) {
    TypeDesign();
    window->CmdComputeBarrels->click();
    ASSERT_TRUE(user.shown.empty());
    EXPECT_EQ(window->LblBarrelWeirLength->text(), " 11.79 ");
    // Side lengths (11.785 - width) / 2.
    EXPECT_EQ(Row(window->GrdRCB, 1),
              QStringList({"", "Single", "4", "3", "105.16", "2.71", "4.0", "3.89"}));
    EXPECT_EQ(Row(window->GrdRCB, 2), QStringList(8, ""));
    EXPECT_EQ(window->GrdRCB->Rows(), 5);
    EXPECT_EQ(Row(window->GrdRCP, 1), QStringList({"", "48", "105.71", "2.38", "4.0", "3.89"}));
    EXPECT_EQ(window->GrdRCP->Rows(), 5);

    window->ChkIncludeMultipleBarrels->setChecked(true);
    window->CmdComputeBarrels->click();
    EXPECT_EQ(Row(window->GrdRCB, 2),
              QStringList({"", "Twin", "3", "2", "104.37", "3.05", "6.0", "2.89"}));
    EXPECT_EQ(Row(window->GrdRCB, 3),
              QStringList({"", "Triple", "3", "2", "102.82", "1.36", "9.0", "1.39"}));
    EXPECT_EQ(window->GrdRCB->Rows(), 5);

    // Nothing within 101..102: "NONE" in both grids.
    Type({"100", "102", "101", "100", "99", "0", "100"});
    window->CmdComputeBarrels->click();
    for (const FlexGrid* grid : {window->GrdRCB, window->GrdRCP}) {
        EXPECT_EQ(grid->Rows(), 5);
        EXPECT_EQ(Cell(grid, 1, 1), "NONE");
        EXPECT_EQ(Cell(grid, 2, 1), "");
    }
}

TEST_F(DropInletWindow, BoxGridKeepsFiveRowsAtLeastAndShowsOnlyAllowedBarrelCounts) {
    auto result = [](int barrels, double weirWidth, double headLoss) {
        DropInletBarrelResult r;
        r.NumBarrels = barrels;
        r.WidthText = "6";
        r.HeightText = "4";
        r.HWElev = 1234.5;
        r.HeadLoss = headLoss;
        r.WeirWidth = weirWidth;
        r.WeirLength = -1.255;
        return r;
    };
    struct Case {
        const char* what;
        bool multiple;
        std::vector<int> barrels;
        int rows;
        QStringList column1; // rows 1 to 4
    };
    const Case cases[] = {
        {"singles only", false, {1, 2, 1}, 5, {"Single", "Single", "", ""}},
        {"seven shown", false, {1, 1, 1, 1, 1, 1, 1}, 8, {"Single", "Single", "Single", "Single"}},
        {"up to four barrels", true, {2, 3, 4, 5}, 5, {"Twin", "Triple", " ", ""}},
        {"none allowed", false, {2, 3}, 5, {"NONE", "", "", ""}},
        {"no results", true, {}, 5, {"NONE", "", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        window->ChkIncludeMultipleBarrels->setChecked(c.multiple);
        std::vector<DropInletBarrelResult> results(1);
        for (int barrels : c.barrels) {
            results.push_back(result(barrels, 12, 0.5));
        }
        window->DisplayRCBResults(*window->GrdRCB, results);
        EXPECT_EQ(window->GrdRCB->Rows(), c.rows);
        for (int r = 1; r <= 4; ++r) {
            EXPECT_EQ(Cell(window->GrdRCB, r, 1), c.column1[r - 1]) << "row " << r;
        }
    }
    std::vector<DropInletBarrelResult> results = {{}, result(1, 7.25, 0.5)};
    window->DisplayRCBResults(*window->GrdRCB, results);
    EXPECT_EQ(Row(window->GrdRCB, 1),
              QStringList({"", "Single", "6", "4", "1,234.50", "0.50", "7.25", "-1.26"}));
    results[1].WeirWidth = 12;
    window->DisplayRCBResults(*window->GrdRCB, results);
    EXPECT_EQ(Cell(window->GrdRCB, 1, 6), "12.0");
}

TEST_F(DropInletWindow, OneBarrelDesignAcrossBothGridsByClicksInColumnZero) {
    window->StartUp();
    window->ChkIncludeMultipleBarrels->setChecked(true);
    TypeDesign();
    window->CmdComputeBarrels->click();
    int grid = -1;
    int row = -1;
    auto selection = [&] {
        window->GetBarrelDesignSelect(grid, row);
        return std::pair(grid, row);
    };

    Click(window->GrdRCB, 2, 0);
    EXPECT_EQ(selection(), std::pair(1, 2));
    EXPECT_EQ(Cell(window->GrdRCB, 2, 0), ">>");
    EXPECT_TRUE(RowRed(window->GrdRCB, 2));
    EXPECT_FALSE(RowRed(window->GrdRCB, 1));

    // Moving to the pipe grid takes the mark and the red off the box row.
    Click(window->GrdRCP, 1, 0);
    EXPECT_EQ(selection(), std::pair(2, 1));
    EXPECT_EQ(Cell(window->GrdRCB, 2, 0), "");
    EXPECT_FALSE(RowRed(window->GrdRCB, 2));
    EXPECT_EQ(Cell(window->GrdRCP, 1, 0), ">>");
    EXPECT_TRUE(RowRed(window->GrdRCP, 1));

    // A click elsewhere in the row does nothing; the same cell again removes it.
    Click(window->GrdRCP, 1, 3);
    EXPECT_EQ(selection(), std::pair(2, 1));
    Click(window->GrdRCP, 1, 0);
    EXPECT_EQ(selection(), std::pair(0, 0));
    EXPECT_FALSE(RowRed(window->GrdRCP, 1));

    // A blank row is selected like any other; rows past the grid only clear.
    Click(window->GrdRCB, 4, 0);
    EXPECT_EQ(selection(), std::pair(1, 4));
    window->SetBarrelDesignSelect(1, 9);
    EXPECT_EQ(selection(), std::pair(0, 0));
    window->SetBarrelDesignSelect(2, 3);
    window->SetBarrelDesignSelect(0, 0);
    EXPECT_EQ(selection(), std::pair(0, 0));
    EXPECT_EQ(Cell(window->GrdRCP, 3, 0), "");

    // Compute Barrels starts without a selection.
    window->SetBarrelDesignSelect(1, 1);
    window->CmdComputeBarrels->click();
    EXPECT_EQ(selection(), std::pair(0, 0));
    EXPECT_EQ(Cell(window->GrdRCB, 1, 0), "");
}

TEST_F(DropInletWindow, WeirColumnZeroTakesClicksButNoTyping) {
    window->StartUp();
    area.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&area));
    FlexGrid* grid = window->GrdWeirCalc;

    Click(grid, 2, 0);
    EXPECT_EQ(window->GetWeirDesignSelect(), 2);
    EXPECT_EQ(Cell(grid, 2, 0), ">>");
    Click(grid, 2, 0);
    EXPECT_EQ(window->GetWeirDesignSelect(), 0);
    grid->setFocus();
    for (int key : {int(Qt::Key_Greater), int(Qt::Key_7), int(Qt::Key_F2)}) {
        QTest::keyClick(grid, static_cast<Qt::Key>(key));
        EXPECT_EQ(QApplication::focusWidget(), grid) << "an editor opened for key " << key;
    }
    EXPECT_EQ(Cell(grid, 2, 0), "");

    // The data columns take typing as ever.
    Click(grid, 2, 1);
    grid->setFocus();
    QTest::keyClicks(grid, "7");
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(editor, grid);
    QTest::keyClicks(editor, ".5");
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents(); // the editor commits through a queued call
    EXPECT_EQ(Cell(grid, 2, 1), "7.5");

    window->SetWeirDesignSelectRow(11); // the grid's rows are 0 to 10
    EXPECT_EQ(window->GetWeirDesignSelect(), 0);

    // The right button names the grid for the Copy-only popup.
    Click(window->GrdRCP, 1, 1, Qt::RightButton);
    EXPECT_EQ(modGridEdit::EditGrid, window->GrdRCP);
    EXPECT_FALSE(modGridEdit::RowNumberColumn);
}

TEST_F(DropInletWindow, WeirGridKeysClearCopyAndPasteTheTypedColumnsOnly) {
    FlexGrid* grid = window->GrdWeirCalc;
    for (int row = 1; row <= 3; ++row) {
        for (int col = 1; col <= 3; ++col) {
            grid->SetTextMatrix(row, col, QString("%1%2").arg(row).arg(col));
        }
    }
    window->SetWeirDesignSelectRow(2);

    // A block that takes in the selection mark clears only the typed columns; the
    // headwater, computed from them under the default option, goes with them in
    // their rows.
    grid->SetSelection(1, 0, 2, 3);
    window->GrdWeirCalc_KeyDown(Qt::Key_Delete, {});
    for (int row = 1; row <= 3; ++row) {
        const QString kept = QString::number(row);
        EXPECT_EQ(Row(grid, row).mid(1),
                  row <= 2 ? QStringList(3, "") : QStringList({kept + "1", kept + "2", kept + "3"}))
            << row;
    }
    EXPECT_EQ(Cell(grid, 2, 0), ">>");
    EXPECT_EQ(window->GetWeirDesignSelect(), 2);

    grid->SetSelection(3, 1, 3, 2);
    QApplication::clipboard()->clear();
    window->GrdWeirCalc_KeyDown(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "31\t32");

    // Pasting from a selection that starts in column 0 lands in column 1.
    grid->SetSelection(4, 0, 4, 0);
    window->GrdWeirCalc_KeyDown(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Cell(grid, 4, 0), "");
    EXPECT_EQ(Cell(grid, 4, 1), "31");
    EXPECT_EQ(Cell(grid, 4, 2), "32");

    // The keys reach the handler from the grid itself.
    window->StartUp();
    area.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&area));
    grid->SetSelection(4, 1, 4, 3);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Delete);
    EXPECT_EQ(Cell(grid, 4, 1), "");
    EXPECT_EQ(Cell(grid, 4, 3), "");
    EXPECT_TRUE(user.MessageTexts().empty());
}

TEST_F(DropInletWindow, EveryFramesControlsStandBelowItsTitle) {
    window->StartUp();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    for (QGroupBox* frame : {window->FraDesignParameters, window->FraBarrels, window->FraMEWL}) {
        SCOPED_TRACE(frame->title().toStdString());
        // The frame's border runs through the middle of its title line.
        const int titleBottom = frame->fontMetrics().height();
        for (QWidget* child : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            EXPECT_GE(child->y(), titleBottom) << child->metaObject()->className();
            EXPECT_LE(child->y() + child->height(), frame->height())
                << child->metaObject()->className();
        }
    }
}

TEST_F(DropInletWindow, WeirComputationsFillTheChosenColumnsAndKeepTheTyping) {
    // Q 30 over one foot of head: 10 ft of crest.
    Type({"30", "101", "100", "", "", "", ""});
    FlexGrid* grid = window->GrdWeirCalc;
    window->OptWeirCalc[0]->setChecked(true);
    grid->SetTextMatrix(1, 1, " 4 ");
    grid->SetTextMatrix(2, 1, "12.5");
    grid->SetTextMatrix(5, 2, "old length");
    window->SetWeirDesignSelectRow(1);
    window->CmdWeirClac->click();
    ASSERT_TRUE(user.shown.empty());
    EXPECT_EQ(window->LblWeirWeirLengthCalc->text(), " 10.00");
    EXPECT_EQ(Row(grid, 1), QStringList({">>", " 4 ", "3.00", "101"}));
    EXPECT_EQ(Row(grid, 2), QStringList({"", "12.5", "0", "N/A"}));
    EXPECT_EQ(Row(grid, 5), QStringList({"", "", "", ""}));
    EXPECT_EQ(window->GetWeirDesignSelect(), 1);
    EXPECT_TRUE(RowRed(grid, 1));

    // The computed lengths are the input of the next calculation.
    window->OptWeirCalc[2]->setChecked(true);
    window->CmdWeirClac->click();
    // Row 1: 4 + 2 x 3 = 10 ft, H = 1 ft.
    EXPECT_EQ(Row(grid, 1), QStringList({">>", " 4 ", "3.00", "101.00"}));
    EXPECT_EQ(Cell(grid, 2, 3), ""); // length 0: no headwater

    // A crest of 0.75 ft shows as .75 here, 0.75 beside the barrels.
    Type({"2.25", "101", "100", "100", "99", "0", "99.5"});
    window->CmdWeirClac->click();
    EXPECT_EQ(window->LblWeirWeirLengthCalc->text(), " .75");
    window->CmdComputeBarrels->click();
    EXPECT_EQ(window->LblBarrelWeirLength->text(), " 0.75 ");
}

// Q 30 over one foot of head needs 10 ft of crest: a length of 3 ft gives a
// width of 10 - 2 x 3 = 4 ft. Another option keeps the row; a length typed
// while the option computes lengths is refused, and typed once it is read it
// clears the headwater computed from the old one.
TEST_F(DropInletWindow, AWeirRowKeepsItsValuesAcrossOptionsAndTakesOnlyInputs) {
    window->StartUp();
    area.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&area));
    Type({"30", "101", "100", "", "", "", ""});
    FlexGrid* grid = window->GrdWeirCalc;
    window->OptWeirCalc[LengthGivenComputeWidth]->click();
    grid->SetTextMatrix(1, 2, "3");
    window->CmdWeirClac->click();
    ASSERT_TRUE(user.shown.empty());
    const QStringList computed = Row(grid, 1);
    EXPECT_NEAR(Numbers::ToDouble(computed[1].toStdString()), 4, 0.005);
    EXPECT_NEAR(Numbers::ToDouble(computed[3].toStdString()), 101, 0.005);

    auto typeLength = [grid](const char* text) {
        Click(grid, 1, 2);
        grid->setFocus();
        QTest::keyClicks(grid, text);
        if (QWidget* editor = QApplication::focusWidget(); editor != grid) {
            QTest::keyClick(editor, Qt::Key_Return);
            QApplication::processEvents(); // the editor commits through a queued call
        }
    };
    window->OptWeirCalc[WidthGivenComputeLength]->click();
    EXPECT_EQ(Row(grid, 1), computed);
    typeLength("9");
    EXPECT_EQ(Row(grid, 1), computed);

    window->OptWeirCalc[WidthAndLengthGivenComputeHW]->click();
    EXPECT_EQ(Row(grid, 1), computed);
    typeLength("9");
    EXPECT_EQ(Row(grid, 1), QStringList({"", computed[1], "9", ""}));
    EXPECT_TRUE(user.shown.empty());
}

// The weir table from the keyboard: a typed cell takes Space as text, the
// mark column and a computed column take it as the mark; after "Input
// Length(s)" the cursor stands in the length column, where typing goes. By
// hand (weir Q = 3 Lt H^1.5): Q 30 over one foot of head needs a crest Lt of
// 10 ft; a length of 3 ft leaves a width of 10 - 2 x 3 = 4 ft.
TEST_F(DropInletWindow, TheWeirTableIsMarkedAndTypedFromTheKeyboard) {
    window->StartUp();
    area.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&area));
    Type({"30", "101", "100", "", "", "", ""});
    FlexGrid* grid = window->GrdWeirCalc;
    auto chooseOption = [this](int option) {
        QRadioButton* button = window->OptWeirCalc[static_cast<size_t>(option)];
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Space);
        ASSERT_TRUE(button->isChecked());
    };
    auto backtabIntoGrid = [this, grid] {
        window->CmdWeirClac->setFocus();
        QTest::keyClick(window->CmdWeirClac, Qt::Key_Backtab);
        ASSERT_EQ(QApplication::focusWidget(), grid);
    };
    chooseOption(WidthGivenComputeLength);
    backtabIntoGrid();
    ASSERT_EQ(grid->currentIndex(), grid->model()->index(1, 1)); // the width

    QTest::keyClick(grid, Qt::Key_Space);
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(editor, grid);
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_EQ(window->GetWeirDesignSelect(), 0);

    struct Step {
        Qt::Key move;
        int col;
        int selected;
    };
    const Step steps[] = {
        {Qt::Key_Left, 0, 1},  // the mark column
        {Qt::Key_Right, 1, 1}, // the width: nothing to mark with
        {Qt::Key_Right, 2, 0}, // the computed length: the mark comes off
        {Qt::Key_Down, 2, 2},  // and goes onto the next row
    };
    for (const Step& step : steps) {
        QTest::keyClick(grid, step.move);
        ASSERT_EQ(grid->currentIndex().column(), step.col);
        if (step.col != 1) {
            QTest::keyClick(grid, Qt::Key_Space);
        }
        EXPECT_EQ(window->GetWeirDesignSelect(), step.selected) << "column " << step.col;
    }
    EXPECT_EQ(Cell(grid, 2, 0), ">>");
    EXPECT_TRUE(RowRed(grid, 2));

    QTest::keyClick(grid, Qt::Key_Left); // the width, which the option now computes
    chooseOption(LengthGivenComputeWidth);
    backtabIntoGrid();
    EXPECT_EQ(grid->currentIndex(), grid->model()->index(2, 2));
    QTest::keyClicks(grid, "3");
    editor = QApplication::focusWidget();
    ASSERT_NE(editor, grid);
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents(); // the editor commits through a queued call
    window->CmdWeirClac->setFocus();
    QTest::keyClick(window->CmdWeirClac, Qt::Key_Return);
    ASSERT_TRUE(user.shown.empty());
    const QStringList row = Row(grid, 2);
    EXPECT_EQ(row[0], ">>");
    EXPECT_NEAR(Numbers::ToDouble(row[1].toStdString()), 4, 0.005);
    EXPECT_EQ(row[2], "3");
    EXPECT_NEAR(Numbers::ToDouble(row[3].toStdString()), 101, 0.005);
}

TEST_F(DropInletWindow, WeirChecksStopAtTheFirstBadCellAndPutTheKeyboardThere) {
    struct Case {
        const char* what;
        int option;
        std::vector<std::tuple<int, int, const char*>> cells;
        const char* message; // "" for none
    };
    const Case cases[] = {
        {"a blank row, then a negative width",
         0,
         {{3, 1, "-1"}},
         "Value entered for Width in row 3 is < 0. Values for Width must be >= 0."},
        {"a width of 0 passes", 0, {{3, 1, "0"}}, ""},
        {"a length that is no number",
         1,
         {{4, 2, "2 ft"}},
         "Value entered for Length in row 4 can not be evaluated as a number. Please re-enter."},
        {"only the option's column is read", 1, {{4, 1, "wide"}}, ""},
        {"width without length: no message", 2, {{2, 1, "5"}, {3, 2, "-2"}}, ""},
        {"width then length",
         2,
         {{2, 1, "5"}, {2, 2, "-2"}},
         "Value entered for Length in row 2 is < 0. Values for Length must be >= 0."},
    };
    window->StartUp();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        window->ClearAllData();
        user.shown.clear();
        Type({"30", "101", "100", "", "", "", ""});
        window->OptWeirCalc[static_cast<size_t>(c.option)]->setChecked(true);
        for (const auto& [row, col, text] : c.cells) {
            window->GrdWeirCalc->SetTextMatrix(row, col, text);
        }
        window->CmdComputeBarrels->setFocus();
        window->CmdWeirClac->click();
        if (*c.message) {
            ASSERT_EQ(user.shown.size(), 1u);
            EXPECT_EQ(user.shown[0].text.toStdString(), c.message);
            EXPECT_EQ(window->LblWeirWeirLengthCalc->text(), " "); // nothing computed
            // The keyboard is back in the refused cell, the last one typed.
            const auto& [row, col, text] = c.cells.back();
            EXPECT_EQ(window->focusWidget(), window->GrdWeirCalc);
            EXPECT_EQ(window->GrdWeirCalc->Row(), row);
            EXPECT_EQ(window->GrdWeirCalc->Col(), col);
        } else {
            EXPECT_TRUE(user.shown.empty()) << user.shown[0].text.toStdString();
            EXPECT_EQ(window->LblWeirWeirLengthCalc->text(), " 10.00");
        }
    }
    // The weir needs only Q, the allowable headwater and the weir.
    window->ClearAllData();
    user.shown.clear();
    Type({"", "101", "100", "", "", "", ""});
    window->CmdWeirClac->click();
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].text, "A value must be entered for: Design Q (cfs) ");
}

TEST_F(DropInletWindow, DefaultWeirOptionAndClearing) {
    for (auto [stored, selected] :
         {std::pair(-1, 1), std::pair(3, 1), std::pair(0, 0), std::pair(1, 1), std::pair(2, 2)}) {
        DropInletMod::Parameters.WeirCalcDefaultOption = stored;
        window->SetWeirCalcDefaultOption();
        EXPECT_TRUE(window->OptWeirCalc[static_cast<size_t>(selected)]->isChecked()) << stored;
    }

    window->ChkIncludeMultipleBarrels->setChecked(true);
    TypeDesign();
    window->CmdComputeBarrels->click();
    window->SetBarrelDesignSelect(1, 2);
    window->GrdWeirCalc->SetTextMatrix(4, 2, "3");
    window->SetWeirDesignSelectRow(4);
    window->OptWeirCalc[0]->setChecked(true);
    window->GrdRCB->SetRows(9);

    window->ClearAllData();
    EXPECT_FALSE(window->ChkIncludeMultipleBarrels->isChecked());
    EXPECT_EQ(window->LblBarrelWeirLength->text(), " ");
    EXPECT_EQ(window->LblWeirWeirLengthCalc->text(), " ");
    EXPECT_TRUE(window->OptWeirCalc[2]->isChecked());
    for (const QLineEdit* box : window->TxtDP) {
        EXPECT_TRUE(box->text().isEmpty());
    }
    EXPECT_EQ(window->GrdRCB->Rows(), 5);
    EXPECT_EQ(window->GrdRCP->Rows(), 5);
    EXPECT_EQ(Row(window->GrdRCB, 1), QStringList(8, ""));
    EXPECT_EQ(window->GrdWeirCalc->Rows(), 11);
    EXPECT_EQ(Row(window->GrdWeirCalc, 4), QStringList(4, ""));
    int grid = -1;
    int row = -1;
    window->GetBarrelDesignSelect(grid, row);
    EXPECT_EQ(std::pair(grid, row), std::pair(0, 0));
    EXPECT_EQ(window->GetWeirDesignSelect(), 0);
    EXPECT_FALSE(RowRed(window->GrdWeirCalc, 4));
}

TEST_F(DropInletWindow, AFaultInComputeBarrelsEndsItWithTheErrorAndKeepsWhatWasShown) {
    GlobalVariables::StdRCBoxSizes.push_back(Box(0, 4, 3, "4", "3"));
    TypeDesign();
    window->CmdComputeBarrels->click();
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].title, "ERROR");
    EXPECT_EQ(user.shown[0].text, "Division by zero, 11");
    EXPECT_EQ(window->LblBarrelWeirLength->text(), " 11.79 ");
    EXPECT_EQ(Cell(window->GrdRCP, 1, 1), ""); // the pipes were never searched
}
