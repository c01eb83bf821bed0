#include "TextTable.h"

#include "tailwater/TailWaterMod.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Rows = std::vector<std::vector<std::string>>;

// Point grid cells from column 0 (the point number), as the channel window
// lays them out: station, elevation, Manning n.
const Rows Channel = {
    {"1", "0", "108", "0.05"}, {"2", "10", "101", ""}, {"3", "20", "105", "0.03"},
    {"4", "30", "95", ""},     {"5", "40", "108", ""},
};

class CrossSectionValidation : public testing::Test {
protected:
    void SetUp() override { TailWaterMod::InitializeTailWaterMod(); }

    std::string Validate(const Rows& rows, const std::string& slope = "0.01",
                         const std::string& lob = "", const std::string& rob = "") {
        const TextTable grid(51, 4, rows);
        input = {};
        input.SlopeText = slope;
        input.LOBText = lob;
        input.ROBText = rob;
        int errFlag = -1;
        std::string message = "stale";
        field = "stale";
        TailWaterMod::ValidateCrossSectionData(grid, input, errFlag, message, field);
        EXPECT_EQ(errFlag, message.empty() ? 0 : 1);
        return message;
    }

    CrossSectionInput input;
    std::string field; // of the last Validate
};

Rows With(Rows rows, size_t row, size_t col, const std::string& text) {
    rows[row - 1][col] = text;
    return rows;
}

TEST_F(CrossSectionValidation, ReportsTheFirstFailureInTheFixedOrder) {
    struct Case {
        const char* what;
        Rows rows;
        std::string slope, lob, rob;
        std::string message;
    };
    const Rows gap = {Channel[0], Channel[1], Channel[2], {"4", "", "", ""}, Channel[4]};
    const Case cases[] = {
        {"empty grid",
         {},
         "0.01",
         "",
         "",
         "First point in cross-section must have a Manning n value."},
        {"blank slope before the grid",
         {},
         "",
         "",
         "",
         "You must enter a value for Channel Slope."},
        {"slope not a number", Channel, "1/100", "", "",
         "The value entered for Channel Slope can not be evaluated as a number. Please re-enter "
         "the Channel Slope."},
        {"infinite slope", Channel, "inf", "", "",
         "The value entered for Channel Slope can not be evaluated as a number. Please re-enter "
         "the Channel Slope."},
        {"zero slope", Channel, "0", "", "", "The Channel Slope must be > 0."},
        {"negative slope", Channel, "-0.01", "", "", "The Channel Slope must be > 0."},
        {"first n blank", With(Channel, 1, 3, " "), "0.01", "", "",
         "First point in cross-section must have a Manning n value."},
        {"empty row between points", gap, "0.01", "", "", "There is no data for Point 4."},
        {"empty row before a bad value above it", With(gap, 2, 2, "abc"), "0.01", "", "",
         "There is no data for Point 4."},
        {"n alone", With(With(Channel, 3, 1, ""), 3, 2, ""), "0.01", "", "",
         "Missing values for Station and Elevation for Point 3."},
        {"station alone", With(With(Channel, 3, 2, ""), 3, 3, ""), "0.01", "", "",
         "Missing value for Elevation for Point 3."},
        {"elevation alone", With(With(Channel, 3, 1, ""), 3, 3, ""), "0.01", "", "",
         "Missing value for Station for Point 3."},
        {"row 1 before row 2", With(With(Channel, 2, 2, "abc"), 1, 1, ""), "0.01", "", "",
         "Missing value for Station for Point 1."},
        {"not a number before missing in a row", With(With(Channel, 2, 1, ""), 2, 2, "1e999"),
         "0.01", "", "",
         "Value entered for Elevation for Point 2 can not be evaluated as a number. Please "
         "re-enter."},
        {"nan station", With(Channel, 2, 1, "nan"), "0.01", "", "",
         "Value entered for Station for Point 2 can not be evaluated as a number. Please "
         "re-enter."},
        {"zero n", With(Channel, 2, 3, "0"), "0.01", "", "",
         "Value entered for Manning n for Point 2 is <= 0. Manning n must be > 0."},
        {"equal stations", With(Channel, 5, 1, "30"), "0.01", "", "",
         "Station value must continuously increase. Check Station at Point 4 and 5."},
        {"left bank not a number", Channel, "0.01", "abc", "x",
         "Left Over-Bank Station can not be evaluated as a number, please re-enter."},
        {"right bank tested as a number before the left is matched", Channel, "0.01", "15", "x",
         "Right Over-Bank Station can not be evaluated as a number, please re-enter."},
        {"left bank off the stations", Channel, "0.01", "10.0002", "",
         "Left Over-Bank Station must be a cross-section station."},
        {"left bank at the first point", Channel, "0.01", "0", "",
         "Left Over-Bank Station can not be the first or last station."},
        {"right bank off the stations", Channel, "0.01", "10", "31",
         "Right Over-Bank Station must be a cross-section station."},
        {"right bank at the last point", Channel, "0.01", "", "40",
         "Right Over-Bank Station can not be the first or last station."},
        {"banks at one point", Channel, "0.01", "20", "20",
         "Right Over-Bank Station must be greater than Left Over-Bank Station."},
        {"banks crossed", Channel, "0.01", "30", "10",
         "Right Over-Bank Station must be greater than Left Over-Bank Station."},
        {"bank faults come before the point count",
         {Channel[0]},
         "0.01",
         "0",
         "",
         "Left Over-Bank Station can not be the first or last station."},
        {"one point",
         {Channel[0]},
         "0.01",
         "",
         "",
         "The cross-section must have at least two points."},
        {"level points",
         {{"1", "0", "100", "0.03"}, {"2", "10", "100", ""}, {"3", "20", "100", ""}},
         "0.01",
         "",
         "",
         "The cross-section points all lie at one elevation."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Validate(c.rows, c.slope, c.lob, c.rob), c.message) << c.what;
    }
}

// Each failure names the box or the point cell to correct, so that the
// keyboard can be put there; a fault of the whole section names none.
TEST_F(CrossSectionValidation, EachFailureNamesTheInputToCorrect) {
    struct Case {
        const char* what;
        Rows rows;
        std::string slope, lob, rob;
        std::string field;
    };
    const Rows gap = {Channel[0], Channel[1], Channel[2], {"4", "", "", ""}, Channel[4]};
    const Case cases[] = {
        {"zero slope", Channel, "0", "", "", "TxtChannelSlope"},
        {"first n blank", With(Channel, 1, 3, ""), "0.01", "", "", "GrdXSection(1, 3)"},
        {"empty row between points", gap, "0.01", "", "", "GrdXSection(4, 1)"},
        {"elevation not a number", With(Channel, 2, 2, "1e999"), "0.01", "", "",
         "GrdXSection(2, 2)"},
        {"zero n", With(Channel, 2, 3, "0"), "0.01", "", "", "GrdXSection(2, 3)"},
        {"station alone", With(With(Channel, 3, 2, ""), 3, 3, ""), "0.01", "", "",
         "GrdXSection(3, 2)"},
        {"n alone", With(With(Channel, 3, 1, ""), 3, 2, ""), "0.01", "", "", "GrdXSection(3, 1)"},
        {"stations out of order", With(Channel, 5, 1, "30"), "0.01", "", "", "GrdXSection(5, 1)"},
        {"left bank off the stations", Channel, "0.01", "10.0002", "", "TxtLeftOBStation"},
        {"banks crossed", Channel, "0.01", "30", "10", "TxtRightOBStation"},
        {"one point", {Channel[0]}, "0.01", "", "", ""},
        {"valid", Channel, "0.01", "", "", ""},
    };
    for (const auto& c : cases) {
        Validate(c.rows, c.slope, c.lob, c.rob);
        EXPECT_EQ(field, c.field) << c.what;
    }
}

TEST_F(CrossSectionValidation, FillsTheInputFromTrimmedTexts) {
    Rows rows = Channel;
    rows[1][2] = "  101.5 ";
    rows.push_back({"6", "", "", ""}); // trailing empty rows are ignored
    ASSERT_EQ(Validate(rows, "0.01", "10.00005", "30"), "");
    EXPECT_EQ(input.Slope, 0.01);
    ASSERT_EQ(input.Points.size(), 5u);
    EXPECT_EQ(input.Points[1].ElevationText, "101.5");
    EXPECT_EQ(input.Points[1].Elevation, 101.5);
    EXPECT_EQ(input.Points[1].ManningNText, "");
    EXPECT_EQ(input.Points[1].ManningN, 0); // a blank n is stored as 0
    EXPECT_EQ(input.Points[2].ManningN, 0.03);
    EXPECT_EQ(input.LOBGiven, 1);
    EXPECT_EQ(input.LOBIndex, 1); // within 0.0001 ft of station 10
    EXPECT_EQ(input.ROBGiven, 1);
    EXPECT_EQ(input.ROBIndex, 3);
}

TEST_F(CrossSectionValidation, OneBankAloneAndNoBanksAreAccepted) {
    EXPECT_EQ(Validate(Channel, "0.01", "", "30"), "");
    EXPECT_EQ(input.LOBGiven, 0);
    EXPECT_EQ(input.LOBIndex, -1);
    EXPECT_EQ(input.ROBIndex, 3);
    EXPECT_EQ(Validate(Channel), "");
    EXPECT_EQ(input.ROBGiven, 0);
    EXPECT_EQ(input.ROBIndex, -1);
}

} // namespace
