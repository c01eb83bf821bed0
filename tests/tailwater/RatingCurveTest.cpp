#include "SectionBuilder.h"
#include "TextTable.h"

#include "platform/AppError.h"
#include "platform/Numbers.h"
#include "tailwater/TailWaterMod.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

// The step text's own checks, then the rows it gives the section.
std::string StepMessage(const std::string& text, const ChannelSection& section) {
    int errFlag = -1;
    std::string message = "stale";
    TailWaterMod::ValidateRatingCurveStepSize(text, errFlag, message);
    EXPECT_EQ(errFlag, message.empty() ? 0 : 1) << text;
    return errFlag == 1 ? message
                        : TailWaterMod::RatingCurveRowsProblem(section, Numbers::ToDouble(text));
}

// Only the bottom and the top of a section bound the table.
ChannelSection Heights(double bottom, double top) {
    ChannelSection s;
    s.MinElevation = bottom;
    s.TopElevation = top;
    return s;
}

TEST(RatingCurveStepSize, RefusesBlankNonNumericNonPositiveAndTooSmallSteps) {
    const std::string tooMany =
        "The step size gives more than 9,999 rows. Please enter a larger step size.";
    const std::string notANumber = "The value entered for Step Size can not be evaluated as a "
                                   "number. Please re-enter the Step Size (> 0).";
    struct Case {
        std::string text;
        double height;
        std::string message;
    };
    const Case cases[] = {
        {"", 5, "Please enter a value for the Step Size (> 0)."},
        {"   ", 5, "Please enter a value for the Step Size (> 0)."},
        {"one", 5, notANumber},
        {"inf", 5, notANumber},
        {"nan", 5, notANumber},
        {"0", 5, "The Step Size must be > 0."},
        {"-1", 5, "The Step Size must be > 0."},
        {" 0.5 ", 5, ""},
        // Int(height / step + 0.99) steps and the bottom row: 9,998 steps fill
        // 9,999 rows, 9,999 steps one too many.
        {"1", 9998, ""},
        {"1", 9999, tooMany},
        {"0.0005", 5, tooMany}, // 10,000 steps
        {"1e-300", 5, tooMany}, // a step count beyond the integers
        {"1", 0, ""},           // one step at least
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StepMessage(c.text, Heights(100, 100 + c.height)), c.message)
            << "'" << c.text << "' over " << c.height;
    }
}

std::vector<double> Elevations(const RatingCurve& curve) {
    std::vector<double> out;
    for (const auto& row : curve.Rows) {
        out.push_back(row.Elevation);
    }
    return out;
}

RatingCurve Compute(const ChannelSection& section, double step) {
    RatingCurve curve;
    curve.StepSize = step;
    curve.Slope = 0.01;
    curve.SqrtSlope = 0.1;
    TailWaterMod::ComputeRatingCurve(section, curve);
    return curve;
}

TEST(RatingCurve, StepsRunFromTheBottomToTheLowerEndPoint) {
    const ChannelSection to105 = MakeSection({{0, 105, 0.03}, {10, 100, 0}, {20, 110, 0}});
    const ChannelSection to105005 = MakeSection({{0, 105.005, 0.03}, {10, 100, 0}, {20, 110, 0}});
    const ChannelSection flat = MakeSection({{0, 100, 0.03}, {10, 102, 0}, {20, 100, 0}});
    struct Case {
        const char* what;
        const ChannelSection& section;
        double step;
        std::vector<double> elevations;
    };
    const Case cases[] = {
        {"step 1", to105, 1, {100, 101, 102, 103, 104, 105}},
        // Int(2.5 + 0.99) = 3 steps, the last one capped at the top.
        {"step 2", to105, 2, {100, 102, 104, 105}},
        // Int(5.005 + 0.99) = 5: a remainder under a hundredth of a step is dropped.
        {"short remainder", to105005, 1, {100, 101, 102, 103, 104, 105}},
        {"step above the height", to105, 20, {100, 105}},
        // An end point is the lowest point: one step at the bottom.
        {"top at the bottom", flat, 1, {100, 100}},
    };
    for (const auto& c : cases) {
        const RatingCurve curve = Compute(c.section, c.step);
        EXPECT_EQ(Elevations(curve), c.elevations) << c.what;
        EXPECT_EQ(curve.MinElevation, 100) << c.what;
        EXPECT_EQ(curve.TopElevation, c.section.TopElevation) << c.what;
    }
    // A remainder of 0.05 ft, five hundredths of the step, is kept: a V from
    // 0 up to 10.05 ft, Int(10.05 / 1 + 0.99) = Int(11.04) = 11 steps, so rows
    // at depths 0 to 10 and a twelfth row capped at the top, 10.05.
    const ChannelSection v1005 = MakeSection({{0, 10.05, 0.03}, {10, 0, 0}, {20, 10.05, 0}});
    const RatingCurve longRemainder = Compute(v1005, 1);
    ASSERT_EQ(longRemainder.Rows.size(), 12u);
    EXPECT_EQ(longRemainder.Rows[10].Depth, 10);
    EXPECT_EQ(longRemainder.Rows[11].Elevation, 10.05);
    EXPECT_EQ(longRemainder.Rows[11].Depth, 10.05);

    const RatingCurve bottom = Compute(flat, 1);
    EXPECT_EQ(bottom.Rows[1].Area, 0);
    EXPECT_EQ(bottom.Rows[1].Q, 0);
    EXPECT_EQ(bottom.Rows[1].Velocity, 0);
}

TEST(RatingCurve, RowsHoldTheHydraulicsOfTheirElevation) {
    // V of n 0.03, sides 1:2 and 1:1 from the bottom at 100; at 102 by hand:
    // A = 2 x 4 / 2 + 2 x 2 / 2 = 6, P = sqrt(20) + sqrt(8),
    // K = 1.486 / 0.03 x 6^(5/3) / P^(2/3) = 260.7626585517232 (python3),
    // Q = K x 0.1, V = Q / A.
    const ChannelSection v = MakeSection({{0, 105, 0.03}, {10, 100, 0}, {15, 105, 0}});
    const RatingCurve curve = Compute(v, 2);
    ASSERT_EQ(curve.Rows.size(), 4u);
    const RatingCurveRow& row = curve.Rows[1];
    EXPECT_EQ(row.Elevation, 102);
    EXPECT_EQ(row.Depth, 2);
    EXPECT_NEAR(row.Area, 6, 1e-12);
    EXPECT_NEAR(row.Conveyance, 260.7626585517232, 1e-9);
    EXPECT_NEAR(row.Q, 26.07626585517232, 1e-10);
    EXPECT_NEAR(row.Velocity, 26.07626585517232 / 6, 1e-10);
    EXPECT_EQ(curve.Rows[0].Q, 0);
    EXPECT_EQ(curve.Rows[0].Elevation, 100);
}

TEST(RatingCurve, AStepTheCheckWouldRefuseIsAnError) {
    const ChannelSection v = MakeSection({{0, 105, 0.03}, {10, 100, 0}, {15, 105, 0}});
    EXPECT_THROW(Compute(v, 0.0005), AppError);
    EXPECT_THROW(Compute(v, 0), AppError);
}

TEST(RatingCurveGrid, WritesEveryRowBelowTheHeadingWithTwoDecimals) {
    RatingCurve curve;
    curve.Rows = {{100, 0, 0, 0, 0, 0}, {101.005, 1.005, 1234.5678, 2.345, 12, 12345.678}};
    TextTable grid(60, 6);
    grid.SetTextMatrix(0, 0, "Elevation");
    grid.SetTextMatrix(5, 2, "left over");
    TailWaterMod::FillRatingCurveGrid(grid, curve);
    EXPECT_EQ(grid.Rows(), 3);
    EXPECT_EQ(grid.TextMatrix(0, 0), "Elevation");
    const std::vector<std::string> row1 = {"100.00", "0.00", "0.00", "0.00", "0.00", "0.00"};
    const std::vector<std::string> row2 = {"101.01", "1.01",  "1,234.57",
                                           "2.35",   "12.00", "12,345.68"};
    for (int c = 0; c < 6; ++c) {
        EXPECT_EQ(grid.TextMatrix(1, c), row1[c]);
        EXPECT_EQ(grid.TextMatrix(2, c), row2[c]);
    }
    // Rows cut off earlier come back empty.
    grid.SetRows(6);
    EXPECT_EQ(grid.TextMatrix(5, 2), "");
}

} // namespace
