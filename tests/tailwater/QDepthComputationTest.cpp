#include "tailwater/QDepthComputation.h"
#include "SectionBuilder.h"
#include "TextTable.h"
#include "platform/Numbers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace QDepthComputation;

namespace {

// The fixture channel: a trapezoid with a bottom 20 ft wide at elevation 100,
// sides of 2 horizontal to 1 vertical up to 110, n 0.03, slope 0.001. Below
// the banks, with depth y:
//   A = (20 + 2y) y, P = 20 + 2 y sqrt(5), Q = 1.486 / 0.03 A (A/P)^(2/3) sqrt(0.001)
// (python3, normal depths by bisection on y):
//   Q 50: y 1.2975; Q 100: y 1.9410; Q 1250: y 7.7010
//   y 1: Q 32.0987; y 2.5: Q 155.6361; y 9: Q 1704.6691
ChannelSection Trapezoid() {
    return MakeSection({{0, 110, 0.03}, {20, 100, 0}, {40, 100, 0}, {60, 110, 0}});
}
constexpr double Slope = 0.001;

using Rows = std::vector<std::vector<std::string>>;

// The data rows of a grid, row 0 left out.
Rows DataRows(const TextTable& grid) {
    Rows rows;
    for (int r = 1; r < grid.Rows(); ++r) {
        auto& row = rows.emplace_back();
        for (int c = 0; c < grid.Cols(); ++c) {
            row.push_back(grid.TextMatrix(r, c));
        }
    }
    return rows;
}

// A column as the grid column reader gives it.
InputColumn Read(const TextTable& grid, int column) {
    InputColumn input;
    int errFlag = 0;
    std::string message;
    TailWaterMod::ReadQElevGridColumn(grid, column, input.flags, input.values, errFlag, message);
    EXPECT_EQ(errFlag, 0) << message;
    return input;
}

struct ModeCase {
    const char* name;
    int mode;
    Rows input;    // data rows as typed; 4 rows of the Q-elevation grid
    Rows expected; // the same rows after Compute
};

class QElevModes : public ::testing::TestWithParam<ModeCase> {};

TEST_P(QElevModes, FillTheOtherTwoColumnsAndKeepTheInputAsTyped) {
    const ModeCase& c = GetParam();
    TextTable grid(5, 3, c.input);
    int errFlag = 0;
    std::string message;
    const std::vector<int> noDepth =
        ComputeQElevGrid(grid, c.mode, Read(grid, c.mode), Trapezoid(), Slope, errFlag, message);
    EXPECT_EQ(errFlag, 0);
    EXPECT_EQ(message, "");
    EXPECT_TRUE(noDepth.empty());
    EXPECT_EQ(DataRows(grid), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    FixtureChannel, QElevModes,
    ::testing::Values(
        // A blank row between filled ones is emptied and the rows after it computed.
        ModeCase{"GivenQ",
                 GivenQ,
                 {{"50", "9.99", "9.99"}, {"", "8.88", "8.88"}, {" 1,250 "}, {"100"}},
                 {{"50", "1.30", "101.30"},
                  {"", "", ""},
                  {" 1,250 ", "7.70", "107.70"},
                  {"100", "1.94", "101.94"}}},
        ModeCase{"GivenDepth",
                 GivenDepth,
                 {{"", "1"}, {"", "2.5"}, {"", "0"}, {"", "9"}},
                 {{"32.10", "1", "101.00"},
                  {"155.64", "2.5", "102.50"},
                  {"0.00", "0", "100.00"},
                  {"1,704.67", "9", "109.00"}}},
        // At or below the lowest ground point there is no flow; the depth is
        // written as it comes, negative or not.
        ModeCase{"GivenElevation",
                 GivenElevation,
                 {{"7", "7", "102.5"}, {"", "", "99"}, {"", "", "100"}, {"5", "5", ""}},
                 {{"155.64", "2.50", "102.5"},
                  {"0.00", "-1.00", "99"},
                  {"0.00", "0.00", "100"},
                  {"", "", ""}}}),
    [](const auto& info) { return std::string(info.param.name); });

// Every number read is held to the bound by its row and column; a design
// grid's also by the grid's name, since the window shows three.
TEST(ColumnBounds, NameEachNumberByRowAndColumnAndTheNamedGrid) {
    TextTable grid(5, 3, {{"50"}, {""}, {"1E+308"}, {"-2"}});
    const InputColumn input = Read(grid, 0);
    const auto unnamed = ColumnBounds(input, 0, "", "GrdQElevCalc");
    ASSERT_EQ(unnamed.size(), 3u);
    EXPECT_EQ(unnamed[2].value, -2);
    const auto failure = InputChecks::FirstOutOfBounds(unnamed);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->message, "Value in row 3, column 1 is too large, please re-enter.");
    EXPECT_EQ(failure->field, "GrdQElevCalc(3, 0)");
    EXPECT_EQ(ColumnBounds(input, 1, "USGS, Mavo - 1987", "grdMavo87TWCalc")[1].tooLarge,
              "Value in row 3, column 2 of the USGS, Mavo - 1987 grid is too large, please "
              "re-enter.");
}

// A design grid as the hydrology windows leave it: return periods, discharges
// as they format them.
TEST(DesignGrid, DepthAndElevationForEveryRowWithADischarge) {
    TextTable grid(7, 4,
                   {{"2", "50", "old", "old"},
                    {"5", "", "old", "old"},
                    {"10", "1,250"},
                    {"25", " 100 "},
                    {"50", "1,000,000", "3.00", "103.00"},
                    {"100"}});
    const std::vector<int> noDepth =
        ComputeDesignTailwater(grid, Read(grid, DesignQColumn), Trapezoid(), Slope);
    EXPECT_TRUE(noDepth.empty());
    const Rows rows = DataRows(grid);
    EXPECT_EQ(std::vector(rows.begin(), rows.begin() + 4),
              (Rows{{"2", "50", "1.30", "101.30"},
                    {"5", "", "", ""},
                    {"10", "1,250", "7.70", "107.70"},
                    {"25", " 100 ", "1.94", "101.94"}}));
    // The largest discharge a cell takes still has a finite depth.
    ASSERT_TRUE(Numbers::IsNumeric(rows[4][2]));
    EXPECT_GT(Numbers::ToDouble(rows[4][2]), 9);
    EXPECT_EQ(rows[5], (std::vector<std::string>{"100", "", "", ""}));
}

TEST(NoDepthMessage, NamesEveryGridWithRowsWithoutADepth) {
    EXPECT_EQ(NoDepthMessage({{"Vosk Runoff Chart", {}}, {"USGS, Yuld - 2001", {}}}), "");
    EXPECT_EQ(NoDepthMessage({{"the Q-Elevation grid", {3}}}),
              "No normal depth was found for the discharge in the Q-Elevation grid row 3: the "
              "depth and elevation are left blank.");
    EXPECT_EQ(
        NoDepthMessage(
            {{"Vosk Runoff Chart", {7}}, {"USGS, Yuld - 2001", {}}, {"USGS, Mavo - 1987", {5, 6}}}),
        "No normal depth was found for the discharge in Vosk Runoff Chart row 7; USGS, "
        "Mavo - 1987 rows 5, 6: the depth and elevation are left blank.");
}

} // namespace
