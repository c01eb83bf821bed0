#include "standard_designs/StandardDesignScreen.h"
#include "StandardDesignsCatalogue.h"
#include "platform/AppError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

using StandardDesignScreen::GridFill;
using StandardDesignScreen::InputTexts;
using Cells = std::vector<std::vector<std::string>>;

namespace {

// The grid of a family after screening Q with a band and the barrel limit.
GridFill Screen(int grid, double Q, double hMin, double hMax, bool multiple, double invert = 100) {
    StdDesignInput input;
    input.Q = Q;
    input.HMin = hMin;
    input.HMax = hMax;
    input.InletInvertElev = invert;
    return StandardDesignScreen::ScreenStandardDesigns(input,
                                                       multiple)[static_cast<size_t>(grid - 1)];
}

// A box result record whose rows have these heads H (one barrel, 4 ft high); the
// width text of each row is its place in the table.
StdDesignResults<StdBoxDesignRow> BoxesWithHeads(std::vector<double> heads, double hMin,
                                                 double hMax) {
    StdDesignResults<StdBoxDesignRow> results;
    results.HMin = hMin;
    results.HMax = hMax;
    results.Rows.resize(1);
    for (double h : heads) {
        StdBoxDesignRow& row = results.Rows.emplace_back();
        row.NumBarrels = 1;
        row.WidthFtText = std::to_string(results.Rows.size() - 1);
        row.HeightFtText = "4";
        row.H = h;
        row.HWi = h + 4;
        row.HWD = row.HWi / 4;
        row.HWiElev = row.HWi + 100;
    }
    return results;
}

} // namespace

TEST(StandardDesignInput, ChecksRunInOrderAndTheFirstFailureIsShown) {
    struct Case {
        InputTexts texts;
        const char* field;
        const char* message;
    };
    const Case cases[] = {
        {{"", "x", "x", "x"}, "txtTotalQ", "A value must be entered for Q."},
        {{" \t ", "", "", ""}, "txtTotalQ", "A value must be entered for Q."},
        {{"1e999", "", "", ""},
         "txtTotalQ",
         "The value entered for Q can not be evaluated as a number. Please re-enter."},
        {{"0", "", "", ""}, "txtTotalQ", "Q must be > 0."},
        {{"-5", "0", "1", ""}, "txtTotalQ", "Q must be > 0."},
        {{"54", "", "", "x"}, "TxtHMin", "A value must be entered for H-Min."},
        {{"54", "low", "", "x"},
         "TxtHMin",
         "The value entered for H-Min can not be evaluated as a number. Please re-enter."},
        {{"54", "0", "", "x"}, "TxtHMax", "A value must be entered for H-Max."},
        {{"54", "0", "1,0.5", "x"},
         "TxtHMax",
         "The value entered for H-Max can not be evaluated as a number. Please re-enter."},
        {{"54", "0.5", "0.5", "x"}, "TxtHMin", "H-Max must be greater than H-Min."},
        {{"54", "1", "0.5", ""}, "TxtHMin", "H-Max must be greater than H-Min."},
        {{"54", "0", "0.5", "1O0"},
         "txtInletInvertElev",
         "The value entered for Inlet Invert Elev. can not be evaluated as a number. Please "
         "re-enter."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.texts.totalQ + " | " + c.texts.hMin + " | " + c.texts.hMax + " | " +
                     c.texts.inletInvertElev);
        const auto outcome = StandardDesignScreen::ReadDesignInput(c.texts);
        EXPECT_FALSE(outcome.input);
        EXPECT_EQ(outcome.field, c.field);
        EXPECT_EQ(outcome.message, c.message);
        EXPECT_FALSE(outcome.invertTakenAsZero);
    }
}

TEST(StandardDesignInput, NegativeHeadsPassAndABlankInvertCountsAsZero) {
    auto outcome = StandardDesignScreen::ReadDesignInput({" 1,250.5 ", "-2", "-0.5", "  "});
    ASSERT_TRUE(outcome.input);
    EXPECT_TRUE(outcome.message.empty());
    EXPECT_TRUE(outcome.invertTakenAsZero);
    EXPECT_DOUBLE_EQ(outcome.input->Q, 1250.5);
    EXPECT_DOUBLE_EQ(outcome.input->HMin, -2);
    EXPECT_DOUBLE_EQ(outcome.input->HMax, -0.5);
    EXPECT_DOUBLE_EQ(outcome.input->InletInvertElev, 0);
    EXPECT_DOUBLE_EQ(outcome.input->Slope, 0);

    outcome = StandardDesignScreen::ReadDesignInput({"54", "0", "0.5", "98.25"});
    ASSERT_TRUE(outcome.input);
    EXPECT_FALSE(outcome.invertTakenAsZero);
    EXPECT_DOUBLE_EQ(outcome.input->InletInvertElev, 98.25);
}

TEST(StandardDesignList, TheBandIncludesBothEnds) {
    struct Case {
        double hMin;
        double hMax;
        std::vector<std::string> listedRows; // the rows' width texts: their places in the table
    };
    // Rows 1 to 6: just below 0, 0, 0.25, 0.5, just above 0.5, -3.
    const std::vector<double> heads = {std::nextafter(0.0, -1.0), 0.0, 0.25, 0.5,
                                       std::nextafter(0.5, 1.0),  -3.0};
    const Case cases[] = {
        {0, 0.5, {"2", "3", "4"}},
        {0.25, 0.5, {"3", "4"}},
        {-3, -1, {"6"}},
        {0.6, 1, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.hMin) + " to " + std::to_string(c.hMax));
        GridFill fill =
            StandardDesignScreen::ListBoxDesigns(BoxesWithHeads(heads, c.hMin, c.hMax), false);
        if (c.listedRows.empty()) {
            EXPECT_EQ(fill.cells, Cells({{"None"}}));
            continue;
        }
        std::vector<std::string> listed;
        for (const auto& row : fill.cells) {
            listed.push_back(row.at(1));
        }
        EXPECT_EQ(listed, c.listedRows);
    }
}

TEST(StandardDesignList, HeadExactlyAtHMaxIsListedFromTheCatalogue) {
    StandardSizesFixture sizes;
    // H = HWi - D of the 6 x 4 box: 4.5 - 4 = 0.5 exactly, on the upper end.
    GridFill boxes = Screen(StandardDesignTables::RCBox, 54, 0, 0.5, false);
    EXPECT_EQ(boxes.rows, 5);
    EXPECT_EQ(boxes.cells, Cells({{"Single", "6", "4", "0.50", "1.13", "4.50", "104.50"}}));

    // The headwater elevation is 104.5, far above H-Max: the band is on H, not on the elevation.
    boxes = Screen(StandardDesignTables::RCBox, 54, 0, 0.49, false);
    EXPECT_EQ(boxes.cells, Cells({{"None"}}));
}

TEST(StandardDesignList, TheBarrelLimitAndTheTextsOfEveryFamily) {
    StandardSizesFixture sizes;
    struct Case {
        const char* name;
        int grid;
        double hMin;
        double hMax;
        bool multiple;
        int rows;
        Cells cells;
    };
    const Case cases[] = {
        {"single barrels only: the twin 48 in pipe is left out",
         StandardDesignTables::ConcretePipe,
         0,
         0.5,
         false,
         5,
         {{"None"}}},
        {"multiple barrels: the twin 48 in pipe, H = 0.297",
         StandardDesignTables::ConcretePipe,
         0,
         0.5,
         true,
         5,
         {{"Twin", "48", "0.30", "1.07", "4.30", "104.30"}}},
        {"the submerged 36 in pipe, H = 1.734, beside the single 48 in, H = 4.594",
         StandardDesignTables::ConcretePipe,
         1,
         5,
         false,
         5,
         {{"Single", "48", "4.59", "2.15", "8.59", "108.59"},
          {"Single", "36", "1.73", "1.58", "4.73", "104.73"}}},
        {"four boxes and more: five rows listed, the grid grows to six",
         StandardDesignTables::RCBox,
         -3,
         0.5,
         true,
         6,
         {{"Single", "6", "4", "0.50", "1.13", "4.50", "104.50"},
          {"Twin", "6", "4", "-1.75", "0.56", "2.25", "102.25"},
          {"Triple", "6", "4", "-2.50", "0.38", "1.50", "101.50"},
          {"4", "6", "4", "-2.88", "0.28", "1.13", "101.13"},
          {"Single", "8", "4", "-0.63", "0.84", "3.38", "103.38"}}},
        {"metal pipe 60 in, H = 1.150",
         StandardDesignTables::CorrMetalPipe,
         1,
         2,
         false,
         5,
         {{"Single", "60", "1.15", "1.23", "6.15", "106.15"}}},
        {"arches outside the band", StandardDesignTables::RCArchPipe, -3, 0.5, true, 5, {{"None"}}},
        {"steel arches outside the band",
         StandardDesignTables::SteelPipeArch,
         -3,
         0.5,
         true,
         5,
         {{"None"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GridFill fill = Screen(c.grid, 54, c.hMin, c.hMax, c.multiple);
        EXPECT_EQ(fill.rows, c.rows);
        EXPECT_EQ(fill.cells, c.cells);
    }
}

TEST(StandardDesignList, ArchesShowTheirCatalogueTexts) {
    StandardSizesFixture sizes;
    GridFill arches = Screen(StandardDesignTables::RCArchPipe, 54, -100, 100, false);
    ASSERT_EQ(arches.cells.size(), 1u);
    EXPECT_EQ(arches.cells[0][0], "Single");
    EXPECT_EQ(arches.cells[0][1], "73");
    EXPECT_EQ(arches.cells[0][2], "45");
    EXPECT_EQ(arches.cells[0].size(), 7u);
}

TEST(StandardDesignList, NineDesignsTakeNineRows) {
    GridFill fill = StandardDesignScreen::ListBoxDesigns(
        BoxesWithHeads(std::vector<double>(9, 1.0), 0, 2), false);
    EXPECT_EQ(fill.rows, 10);
    EXPECT_EQ(fill.cells.size(), 9u);
}

TEST(StandardDesignList, GroupedNumbersKeepTheirSign) {
    StdDesignResults<StdBoxDesignRow> results = BoxesWithHeads({1234.5}, 0, 5000);
    results.Rows[1].HWiElev = -1234567.891;
    GridFill fill = StandardDesignScreen::ListBoxDesigns(results, false);
    EXPECT_EQ(fill.cells,
              Cells({{"Single", "1", "4", "1,234.50", "309.63", "1,238.50", "-1,234,567.89"}}));
}

TEST(StandardDesignList, BarrelCountsBeyondTheWordsAreWrittenInDigits) {
    EXPECT_EQ(StandardDesignScreen::BarrelCellText(1), "Single");
    EXPECT_EQ(StandardDesignScreen::BarrelCellText(2), "Twin");
    EXPECT_EQ(StandardDesignScreen::BarrelCellText(3), "Triple");
    EXPECT_EQ(StandardDesignScreen::BarrelCellText(4), "4");
    EXPECT_EQ(StandardDesignScreen::BarrelLimit(false), 1);
    EXPECT_EQ(StandardDesignScreen::BarrelLimit(true), 4);
}

TEST(StandardDesignList, AHeadThatIsNotFiniteStopsTheScreening) {
    for (double bad :
         {std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()}) {
        StdDesignResults<StdBoxDesignRow> results = BoxesWithHeads({0.2, 0.3}, 0, 1);
        results.Rows[2].H = bad;
        EXPECT_THROW(StandardDesignScreen::ListBoxDesigns(results, false), AppError);
    }
}

TEST(StandardDesignList, ABarrelCountOfZeroStopsTheScreening) {
    StandardSizesFixture sizes("INSERT INTO VSHAStandardCorrMetalPipeSizes VALUES (1072, 72, 0);");
    try {
        Screen(StandardDesignTables::CorrMetalPipe, 54, 0, 1, true);
        FAIL() << "no error";
    } catch (const AppError& error) {
        EXPECT_EQ(error.number, ErrorNumber::DivisionByZero);
    }
}
