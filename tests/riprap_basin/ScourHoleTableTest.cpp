// The scour-hole depth ratio hs/Ye from the lines of the design table, worked
// by hand: a line's value at Fr is max(0, slope Fr + intercept), interpolated
// linearly in d50/Ye between the two lines that bracket it.

#include "riprap_basin/modHec14Riprap.h"

#include "platform/AppError.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace modHec14Riprap;

class ScourHoleTableTest : public testing::Test {
protected:
    void SetUp() override { InitializeHec14Tables(); }
};

struct HsCase {
    const char* name;
    double Fr, D50, Ye;
    double expected;
};

const HsCase kHsCases[] = {
    // d50/Ye = 0.15 (line 1 alone): 3.067797 (2) - 2.015981 = 4.119613.
    {"lowest line alone", 2, 0.15, 1.0, 4.119613},
    // 0.5 / 2.5 = 0.2: line 1 gives 4.119613, line 2 1.842105 (2) - 1.526316 = 2.157894;
    // halfway: 3.1387535.
    {"between the two lowest lines", 2, 0.5, 2.5, 3.1387535},
    // 0.65: line 6 alone, 1.156627 (2) - 1.520138 = 0.793116.
    {"highest line alone", 2, 0.65, 1.0, 0.793116},
    // 0.4 at Fr = 1: line 3 gives 1.548673 - 1.438053 = 0.11062, line 4 -0.07767 clipped to 0;
    // halfway: 0.05531.
    {"one line below its threshold", 1, 0.4, 1.0, 0.05531},
    // 0.3 at Fr = 0.5: both lines are negative, so no scour.
    {"both lines below their thresholds", 0.5, 0.3, 1.0, 0},
    // Fr = 3 is accepted: 0.3 gives line 2 3.999999 and line 3 3.207966; halfway: 3.6039825.
    {"Froude number 3", 3, 0.9, 3.0, 3.6039825},
};

TEST_F(ScourHoleTableTest, InterpolatesBetweenTheBracketingLines) {
    for (const HsCase& c : kHsCases) {
        bool errFlag = true;
        std::string errMsg = "left from before";
        const NumberOrText result = ComputeHsOverYe(c.Fr, c.D50, c.Ye, errFlag, errMsg);
        ASSERT_TRUE(std::holds_alternative<double>(result)) << c.name;
        EXPECT_NEAR(std::get<double>(result), c.expected, 1e-9) << c.name;
        EXPECT_FALSE(errFlag) << c.name;
        EXPECT_EQ(errMsg, "") << c.name;
    }
}

struct RefusalCase {
    const char* name;
    double Fr, D50, Ye;
    const char* message;
};

const RefusalCase kRefusals[] = {
    {"Froude number above 3", 3.0000001, 0.3, 1.0,
     "Froude Number > 3. Out of range for design table."},
    {"Froude number first, though d50/Ye is out of range too", 3.5, 0.1, 1.0,
     "Froude Number > 3. Out of range for design table."},
    {"d50/Ye below 0.15", 1, 0.149, 1.0, "d50/yYe = 0.149. Must be >= 0.15"},
    // 0.1 / 0.7 in at most 15 significant digits.
    {"d50/Ye in general number form", 1, 0.1, 0.7, "d50/yYe = 0.142857142857143. Must be >= 0.15"},
    {"d50/Ye above 0.65", 1, 0.66, 1.0, "d50/yYe = 0.66. Must be <= 0.65"},
    {"a whole ratio", 1, 0.1, 0.1, "d50/yYe = 1. Must be <= 0.65"},
};

TEST_F(ScourHoleTableTest, RefusesInputOutsideTheTableWithItsMessage) {
    for (const RefusalCase& c : kRefusals) {
        bool errFlag = false;
        std::string errMsg;
        const NumberOrText result = ComputeHsOverYe(c.Fr, c.D50, c.Ye, errFlag, errMsg);
        EXPECT_EQ(result, NumberOrText(std::string("ERROR"))) << c.name;
        EXPECT_TRUE(errFlag) << c.name;
        EXPECT_EQ(errMsg, c.message) << c.name;
    }
}

TEST_F(ScourHoleTableTest, TableHoldsSixLinesFromEntryOne) {
    ASSERT_EQ(HsOverYeLineCount(), 6);
    const std::vector<HsOverYeLine>& lines = HsOverYeLines();
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0].Slope, 0);
    EXPECT_EQ(lines[0].Intercept, 0);
    EXPECT_EQ(lines[0].D50OverYe, 0);
    for (std::size_t i = 1; i <= 6; ++i) {
        EXPECT_NEAR(lines[i].D50OverYe, 0.05 + 0.1 * static_cast<double>(i), 1e-12) << i;
        // Coarser riprap scours less: every line's threshold Froude number is above 0.
        EXPECT_GT(lines[i].Slope, 0) << i;
        EXPECT_LT(lines[i].Intercept, 0) << i;
    }
}

TEST_F(ScourHoleTableTest, AZeroOrBadEquivalentDepthThrows) {
    bool errFlag = false;
    std::string errMsg;
    try {
        ComputeHsOverYe(1, 0.3, 0, errFlag, errMsg);
        ADD_FAILURE() << "Ye = 0 did not throw";
    } catch (const AppError& error) {
        EXPECT_EQ(error.number, ErrorNumber::DivisionByZero) << error.description;
    }
    EXPECT_THROW(ComputeHsOverYe(std::nan(""), 0.3, 1, errFlag, errMsg), AppError);
}

} // namespace
