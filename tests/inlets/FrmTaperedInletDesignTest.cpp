#include "TaperedInletWindowFixture.h"
#include "platform/CatalogueDatabase.h"

#include <QPlainTextEdit>

namespace {

const QColor Red(255, 0, 0);

// Q 300 ft^3/s, H from -2 to 2.5 ft over the fixture's boxes, worked in an
// independent calculation (g 32.1726, n 0.012, HDS-5 chart 59 constants):
// faces 8 x 4 single (H 2.1623), 12 x 4 single (H 0.2766), 7.5 x 4 twin
// (H -0.3148, no narrower twin box behind it) and 12 x 4 twin (H -1.3066);
// 5, 6, 7 and 7.5 x 4 single have their critical depth above the rise or H
// above the band. Barrel by barrel, Z, L, design depth and slope:
//   8 x 4:  5 ft 3, 10, 3.6, 1.0785 %;   6 ft 2, 8, 3.6, 0.6524 %;
//           7 ft 1, 6, 3.4655, 0.4761 %; 7.5 ft 1, 6, 3.3097, 0.4489 %
//   12 x 4: 6 ft 3, 10, 3.6, 0.6524 %;   7 ft 2, 8, 3.4655, 0.4761 %;
//           8 ft 2, 8, 3.1703, 0.4266 %; 7.5 ft 2, 8, 3.3097, 0.4489 %
//   12 x 4 twin, q 150: 7.5 ft 1, L raised to (12 - 7.5) x 2 = 9, 2.0850,
//           0.4062 %
const QStringList SingleRows = {
    "|Single|8|4|2.16|5.0|4.0|3|10|1.08|3.60",
    "|Single|8|4|2.16|6.0|4.0|2|8|0.65|3.60",
    "|Single|8|4|2.16|7.0|4.0|1|6|0.48|3.47",
    "|Single|8|4|2.16|7.5|4.0|1|6|0.45|3.31",
    "||||||||||",
    "|Single|12|4|0.28|6.0|4.0|3|10|0.65|3.60",
    "|Single|12|4|0.28|7.0|4.0|2|8|0.48|3.47",
    "|Single|12|4|0.28|8.0|4.0|2|8|0.43|3.17",
    "|Single|12|4|0.28|7.5|4.0|2|8|0.45|3.31",
    "||||||||||",
};
const QString TwinRow = "|Twin|12|4|-1.31|7.5|4.0|1|9|0.41|2.08";
const QString EmptyRow = "||||||||||";
// The grid with no results: four empty rows.
const QStringList NoRows = {EmptyRow, EmptyRow, EmptyRow, EmptyRow};

} // namespace

TEST_F(TaperedInletWindow, InputChecksStopAtTheFirstFailureInOrder) {
    struct Case {
        const char* q;
        const char* hMin;
        const char* hMax;
        const char* message; // nullptr: all pass
    };
    const Case cases[] = {
        {"", "x", "x", "A value must be entered for Q."},
        {"  ", "1", "2", "A value must be entered for Q."},
        {"abc", "1", "2",
         "The value entered for Q can not be evaluated as a number. Please re-enter."},
        {"0", "1", "2", "Q must be > 0."},
        {"-5", "1", "2", "Q must be > 0."},
        {"300", "", "x", "A value must be entered for H-Min."},
        {"300", "1,2,3", "x",
         "The value entered for H-Min can not be evaluated as a number. Please re-enter."},
        {"300", "1", " ", "A value must be entered for H-Max."},
        {"300", "1", "two",
         "The value entered for H-Max can not be evaluated as a number. Please re-enter."},
        {"300", "3", "3", "H-Max must be greater than H-Min."},
        {"300", "4", "3", "H-Max must be greater than H-Min."},
        {" 300 ", "-1", "2", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.q) + " / " + c.hMin + " / " + c.hMax);
        user.shown.clear();
        Type(c.q, c.hMin, c.hMax);
        TaperedInletDesign design;
        EXPECT_EQ(window->AutoDesignDataCheck(design), c.message ? 1 : 0);
        if (c.message) {
            ASSERT_EQ(user.shown.size(), 1u);
            EXPECT_EQ(user.shown[0].text, c.message);
            EXPECT_EQ(user.shown[0].title, "Tarnwell V2.0");
        } else {
            EXPECT_TRUE(user.shown.empty());
            EXPECT_EQ(design.QText, "300");
            EXPECT_EQ(design.Q, 300);
            EXPECT_EQ(design.HMin, -1);
            EXPECT_EQ(design.HMax, 2);
        }
    }
}

TEST_F(TaperedInletWindow, ComputeShowsOneRowPerPassingBarrelAndTwinsOnlyWhenIncluded) {
    Type("300", "-2", "2.5");
    window->CmdComputeAuto->click();
    ASSERT_TRUE(user.shown.empty());
    EXPECT_EQ(Rows(), SingleRows);

    // The tick clears the single-barrel results until the next Compute.
    window->ChkIncludeMultipleBarrels->setChecked(true);
    EXPECT_EQ(Rows(), NoRows);
    window->CmdComputeAuto->click();
    EXPECT_EQ(Rows(), SingleRows + QStringList({TwinRow, EmptyRow}));
    EXPECT_TRUE(user.shown.empty());
}

TEST_F(TaperedInletWindow, NoPassingDesignShowsNoneInFourRows) {
    Type("300", "-2", "2.5");
    window->CmdComputeAuto->click();
    window->SetDesignSelectRow(2);
    Type("300", "50", "60");
    window->CmdComputeAuto->click();
    EXPECT_EQ(Rows(), QStringList({"|NONE|||||||||", EmptyRow, EmptyRow, EmptyRow}));
    EXPECT_EQ(window->GetDesignSelectRow(), 0);
    EXPECT_EQ(window->GrdAutoResults->CellForeColor(2, 1),
              window->GrdAutoResults->CellForeColor(1, 0));
}

TEST_F(TaperedInletWindow, ARefusedInputLeavesNoResultsNorSelection) {
    Type("300", "-2", "2.5");
    window->CmdComputeAuto->click();
    window->SetDesignSelectRow(3);
    Type("", "-2", "2.5");
    window->CmdComputeAuto->click();
    ASSERT_EQ(user.MessageTexts().size(), 1u);
    EXPECT_EQ(Rows(), NoRows);
    EXPECT_EQ(window->GetDesignSelectRow(), 0);
}

TEST_F(TaperedInletWindow, AFailedSearchIsReportedAndLeavesNoResults) {
    Type("300", "-2", "2.5");
    window->CmdComputeAuto->click();
    window->SetDesignSelectRow(1);
    {
        CatalogueFixture noQuery("CREATE TABLE StoredQueries (Name TEXT PRIMARY KEY, Sql TEXT);");
        window->CmdComputeAuto->click();
    }
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].title, "ERROR");
    EXPECT_EQ(user.shown[0].text.toStdString(),
              "Catalogue database, stored query 'TaperedInletBarrelQuery': it is not in the table "
              "StoredQueries, 3000");
    // The results and the selection went before the search.
    EXPECT_EQ(window->GetDesignSelectRow(), 0);
    EXPECT_EQ(Rows(), NoRows);
}

TEST_F(TaperedInletWindow, AZeroInTheCatalogueIsReportedInsteadOfShownAsInfinity) {
    Type("300", "-2", "2.5");
    window->CmdComputeAuto->click();
    TaperedInletDesignMod::TaperedInletParameters.BarrelDepthFrac = 0;
    window->CmdComputeAuto->click();
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].text, "Division by zero in the barrel velocity at the depth limit, 11");
    EXPECT_EQ(user.shown[0].title, "ERROR");
    EXPECT_EQ(Rows(), NoRows);
}

TEST_F(TaperedInletWindow, AClickInColumnZeroTogglesTheSelection) {
    Type("300", "-2", "2.5");
    window->CmdComputeAuto->click();
    FlexGrid& grid = *window->GrdAutoResults;
    const QColor normal = grid.CellForeColor(1, 0);
    auto marked = [&grid, &normal](int row) {
        QString state;
        for (int c = 1; c < grid.Cols(); ++c) {
            state += grid.CellForeColor(row, c) == Red      ? "r"
                     : grid.CellForeColor(row, c) == normal ? "."
                                                            : "?";
        }
        return grid.TextMatrix(row, 0) + state;
    };
    struct Step {
        int row, col;
        int selected;
    };
    const Step steps[] = {
        {2, 0, 2}, // selects row 2
        {2, 0, 0}, // again: removed
        {3, 0, 3}, // selects row 3
        {5, 0, 5}, // an empty row can be selected: moves the mark
        {5, 1, 5}, // a click beside column 0 changes nothing
        {0, 0, 5}, // nor does the heading
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(std::to_string(s.row) + "," + std::to_string(s.col));
        emit grid.cellClicked(s.row, s.col);
        EXPECT_EQ(window->GetDesignSelectRow(), s.selected);
        for (int r = 1; r < grid.Rows(); ++r) {
            EXPECT_EQ(marked(r), r == s.selected ? ">>rrrrrrrrrr" : "..........") << r;
        }
    }
    // From the file: a row outside the grid leaves none.
    window->SetDesignSelectRow(grid.Rows());
    EXPECT_EQ(window->GetDesignSelectRow(), 0);
    // A new Compute removes the selection before showing the results.
    window->SetDesignSelectRow(1);
    window->CmdComputeAuto->click();
    EXPECT_EQ(window->GetDesignSelectRow(), 0);
    EXPECT_EQ(marked(1), "..........");
}

TEST_F(TaperedInletWindow, ClearAllDataEmptiesInputsGridAndSelectionButNotTheComments) {
    Type("300", "-2", "2.5");
    window->ChkIncludeMultipleBarrels->setChecked(true);
    window->CmdComputeAuto->click();
    window->SetDesignSelectRow(1);
    window->ClearAllData();
    EXPECT_TRUE(window->TxtQAuto->text().isEmpty());
    EXPECT_TRUE(window->TxtHMinAuto->text().isEmpty());
    EXPECT_TRUE(window->TxtHMaxAuto->text().isEmpty());
    EXPECT_FALSE(window->ChkIncludeMultipleBarrels->isChecked());
    EXPECT_EQ(Rows(), QStringList(4, EmptyRow));
    EXPECT_EQ(window->GetDesignSelectRow(), 0);
    EXPECT_EQ(window->TxtComments->toPlainText(),
              "Z and L are the minimum drop and length.\n"
              "The minimum barrel slope will result in super-critical flow. Steeper barrel "
              "slopes may be used.");
    EXPECT_EQ(window->GrdAutoResults->TextMatrix(0, 9), "Minimum\r\nBarrel\r\nSlope(%)");
}

TEST_F(TaperedInletWindow, ContentsAreTheControlsAsTheyStand) {
    Type(" 300", "-2", "2.5 ");
    window->CmdComputeAuto->click();
    window->SetDesignSelectRow(2);
    const TaperedInletContents contents = window->Contents();
    EXPECT_EQ(contents.q, " 300");
    EXPECT_EQ(contents.hMin, "-2");
    EXPECT_EQ(contents.hMax, "2.5 ");
    EXPECT_FALSE(contents.includeMultipleBarrels);
    EXPECT_EQ(contents.selectedRow, 2);
    ASSERT_EQ(contents.resultRows.size(), 10u);
    EXPECT_EQ(contents.resultRows[1][0], ">>");
    EXPECT_EQ(contents.resultRows[1][5], "6.0");
}
