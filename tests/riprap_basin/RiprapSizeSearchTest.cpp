// The riprap size search and basin lengths, worked by hand from the scour-hole
// table: each trial size d gives r = d/Ye, hs/Ye interpolated between the lines
// that bracket r, hs = (hs/Ye) Ye and hs/d; sizes with 2 < hs/d < 4 qualify and
// the one nearest 3 is chosen. Pool = max(10 hs, 3 W0), apron = max(5 hs, W0).

#include "riprap_basin/Hec14RiprapSizeSearch.h"

#include "platform/AppError.h"
#include "riprap_basin/modHec14Riprap.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using Hec14RiprapSizeSearch::ComputeD50;

const std::string NoSolution =
    "No feasible solution. Check exit velocity, Vo. Erosion protection may not be needed.";

class RiprapSizeSearchTest : public testing::Test {
protected:
    void SetUp() override { modHec14Riprap::InitializeHec14Tables(); }
};

double Number(const NumberOrText& value) {
    return std::holds_alternative<double>(value) ? std::get<double>(value) : -999;
}

// Results left by an earlier design flow, to see what a search changes.
RiprapBasinResults Earlier() {
    RiprapBasinResults results;
    results.D50Sol = 9;
    results.D50oYe = 9;
    results.hsoYe = 9.0;
    results.hs = 9.0;
    results.Ratiohsd50 = 9.0;
    results.PoolLs = 9.0;
    results.ApronL = 9.0;
    results.BasinLength = 9.0;
    return results;
}

// Fr = 2, Ye = 1 ft: sizes 0.2 to 0.5 (lo = 0.2, hi = 0.6).
//   0.4: r = 0.4 between lines 3 (1.659293) and 4 (1.281553): hs = 1.470423, hs/d = 3.6760575.
//   0.5: r = 0.5 between lines 4 (1.281553) and 5 (1.037362): hs = 1.1594575, hs/d = 2.318915.
//   0.2 (15.69) and 0.3 (6.36) are above the band. 0.4 deviates 0.676 from 3, 0.5 0.681:
//   0.4 ft is chosen.
struct LengthCase {
    const char* name;
    double W0;
    double pool, apron;
};

const LengthCase kLengthCases[] = {
    // 10 hs = 14.70423 > 3 ft, 5 hs = 7.352115 > 1 ft: the scour hole governs.
    {"deep scour hole", 1, 14.70423, 7.352115},
    // 3 W0 = 18 > 14.70; 5 hs = 7.352115 > 6: the width governs the pool only.
    {"width governs the pool", 6, 18, 7.352115},
    // Two barrels of span 4 ft: 3 W0 = 24, W0 = 8 > 7.35: the width governs both.
    {"wide culvert", 8, 24, 8},
};

TEST_F(RiprapSizeSearchTest, ChoosesTheSizeNearestThreeAndSizesTheBasin) {
    for (const LengthCase& c : kLengthCases) {
        RiprapBasinResults results = Earlier();
        const RiprapSizeOutcome outcome = ComputeD50(2.0, 1.0, c.W0, results);
        EXPECT_TRUE(outcome.bIsSolution) << c.name;
        EXPECT_EQ(outcome.sMessage, "") << c.name;
        EXPECT_TRUE(outcome.MessagesInOrder().empty()) << c.name;
        EXPECT_NEAR(results.D50Sol, 0.4, 1e-12) << c.name;
        EXPECT_NEAR(results.D50oYe, 0.4, 1e-12) << c.name;
        EXPECT_NEAR(Number(results.hsoYe), 1.470423, 1e-9) << c.name;
        EXPECT_NEAR(Number(results.hs), 1.470423, 1e-9) << c.name;
        EXPECT_NEAR(Number(results.Ratiohsd50), 3.6760575, 1e-9) << c.name;
        EXPECT_NEAR(Number(results.PoolLs), c.pool, 1e-9) << c.name;
        EXPECT_NEAR(Number(results.ApronL), c.apron, 1e-9) << c.name;
        EXPECT_NEAR(Number(results.BasinLength), c.pool + c.apron, 1e-9) << c.name;
    }
}

// Fr = 3 runs the search. Ye = 3 ft: lo = 0.5 (0.453 up), hi = 1.9 (1.947 down); the
// sizes stepped from 0.5 reach 1.8000000000000005, then 1.9000000000000006, which is not
// below hi, so 1.9 is not tried. Only 1.8 qualifies: r = 0.6 between lines 5
// (1.296703 (3) - 1.556044 = 2.334065) and 6 (1.949743): hs/Ye = 2.141904, hs = 6.425712,
// hs/d = 3.56984. W0 = 2: pool 64.25712, apron 32.12856.
TEST_F(RiprapSizeSearchTest, AFroudeNumberOfThreeIsSearched) {
    RiprapBasinResults results;
    const RiprapSizeOutcome outcome = ComputeD50(3.0, 3.0, 2.0, results);
    ASSERT_TRUE(outcome.bIsSolution) << outcome.sMessage;
    EXPECT_NEAR(results.D50Sol, 1.8, 1e-9);
    EXPECT_NEAR(results.D50oYe, 0.6, 1e-9);
    EXPECT_NEAR(Number(results.hsoYe), 2.141904, 1e-9);
    EXPECT_NEAR(Number(results.hs), 6.425712, 1e-9);
    EXPECT_NEAR(Number(results.Ratiohsd50), 3.56984, 1e-9);
    EXPECT_NEAR(Number(results.PoolLs), 64.25712, 1e-9);
    EXPECT_NEAR(Number(results.ApronL), 32.12856, 1e-9);
    EXPECT_NEAR(Number(results.BasinLength), 96.38568, 1e-9);
}

TEST_F(RiprapSizeSearchTest, AFroudeNumberAboveThreeChangesNothing) {
    RiprapBasinResults results = Earlier();
    const RiprapSizeOutcome outcome = ComputeD50(3.0000001, 3.0, 2.0, results);
    EXPECT_FALSE(outcome.bIsSolution);
    EXPECT_EQ(outcome.sMessage,
              "Froude Number > 3. Out of range for design table. A larger culvert might work.");
    EXPECT_TRUE(outcome.SearchMessages.empty());
    EXPECT_EQ(results.D50Sol, 9);
    EXPECT_EQ(Number(results.hsoYe), 9);
    EXPECT_EQ(Number(results.BasinLength), 9);
}

// Fr = 2.7213, Ye = 1 ft: 0.6 ft would give r = 0.6, hs/Ye = (1.296703 + 1.156627) / 2 Fr
// - (1.556044 + 1.520138) / 2 = 1.8000, hs/d = 3.00, yet it is not tried: after four
// additions of 0.1 to 0.2 the size is no longer below hi = 0.6. The sizes tried lie above
// the band (0.2: 24.5, 0.3: 10.4, 0.4: 6.30, 0.5: r = 0.5 between lines 4 (2.2619605) and
// 5 (1.9726739), hs = 2.1173172, hs/d = 4.2346344), so there is no size.
TEST_F(RiprapSizeSearchTest, WithoutASizeKeepsTheChoiceAndTheLastTrial) {
    RiprapBasinResults results = Earlier();
    const RiprapSizeOutcome outcome = ComputeD50(2.7213, 1.0, 1.0, results);
    EXPECT_FALSE(outcome.bIsSolution);
    EXPECT_EQ(outcome.sMessage, NoSolution);
    EXPECT_EQ(outcome.MessagesInOrder(), std::vector<std::string>{NoSolution});
    EXPECT_EQ(results.D50Sol, 9);
    EXPECT_EQ(results.D50oYe, 9);
    EXPECT_EQ(Number(results.PoolLs), 9);
    EXPECT_EQ(Number(results.ApronL), 9);
    EXPECT_EQ(Number(results.BasinLength), 9);
    EXPECT_NEAR(Number(results.hsoYe), 2.1173172119, 1e-9);
    EXPECT_NEAR(Number(results.hs), 2.1173172119, 1e-9);
    EXPECT_NEAR(Number(results.Ratiohsd50), 4.2346344238, 1e-9);
}

// Ye = 0.1 ft: lo = 0.1 lies above hi = 0.0, yet 0.1 is tried; its d50/Ye of 1 is refused
// by the table, whose message comes before the search's own.
TEST_F(RiprapSizeSearchTest, ARefusedTrialSizeGivesItsMessageFirst) {
    RiprapBasinResults results;
    const RiprapSizeOutcome outcome = ComputeD50(1.0, 0.1, 1.0, results);
    EXPECT_FALSE(outcome.bIsSolution);
    EXPECT_EQ(outcome.SearchMessages, std::vector<std::string>{"d50/yYe = 1. Must be <= 0.65"});
    EXPECT_EQ(outcome.sMessage, NoSolution);
    EXPECT_EQ(outcome.MessagesInOrder(),
              (std::vector<std::string>{"d50/yYe = 1. Must be <= 0.65", NoSolution}));
    EXPECT_EQ(results.hsoYe, NumberOrText(std::string("ERROR")));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(results.hs));
    EXPECT_EQ(results.D50Sol, 0);
}

TEST_F(RiprapSizeSearchTest, AZeroOrBadEquivalentDepthThrows) {
    RiprapBasinResults results;
    try {
        ComputeD50(1.0, 0, 1.0, results);
        ADD_FAILURE() << "Ye = 0 did not throw";
    } catch (const AppError& error) {
        EXPECT_EQ(error.number, ErrorNumber::DivisionByZero) << error.description;
    }
    EXPECT_THROW(ComputeD50(1.0, -1, 1.0, results), AppError);
    EXPECT_THROW(ComputeD50(std::nan(""), 1, 1.0, results), AppError);
}

// The band's edges, ties and the upper bound, each checked with a separate
// replica of the search in Python (double arithmetic, the table of lines).
TEST_F(RiprapSizeSearchTest, BandEdgesTiesAndTheLastTenth) {
    struct Case {
        const char* name;
        double FrNum, Ye;
        double D50Sol; // 0: no size
    };
    const Case cases[] = {
        // Ye 0.8: sizes 0.2 to 0.4 (hi 0.5). 0.2: r = 0.25 on line 2 alone,
        // hs/Ye = 1.842105 Fr - 1.526316 = 0.5, hs/d = 0.5 x 0.8 / 0.2 = 2 exactly:
        // on the edge, outside. 0.3 gives 0.57 and 0.4 0.058: no size.
        {"hs/d50 exactly 2", 1.1000002714286101, 0.8, 0},
        // Ye 0.6: lo 0.1 (0.0906 up), hi 0.3 (0.3894 down, just above 0.3 in
        // doubles, so 0.1 + 0.1 + 0.1 is not below it). 0.1 gives 18.4; 0.2 gives
        // r = 1/3 between lines 2 and 3, hs/Ye = 1.3333 and hs/d = 4 exactly: no size.
        {"hs/d50 exactly 4", 1.7439500619166304, 0.6, 0},
        // Ye 0.804: 0.3 gives 3.8786397558779813 and 0.4 2.1213602441220187, both
        // 0.8786397558779813 from 3 to the last bit: the later, larger size wins.
        {"equally near 3", 1.9171663881858925, 0.804, 0.4},
        // 0.649 Ye = 0.5 exactly, so hi stays 0.5 and 0.4 is still below it:
        // 0.2 (11.6), 0.3 (5.77) and 0.4 (3.41) are tried, and only 0.4 qualifies.
        {"0.649 Ye exactly a tenth", 2.5, 0.7704160246533128, 0.4},
    };
    for (const Case& c : cases) {
        RiprapBasinResults results;
        const RiprapSizeOutcome outcome = ComputeD50(c.FrNum, c.Ye, 1.0, results);
        EXPECT_EQ(outcome.bIsSolution, c.D50Sol != 0) << c.name;
        EXPECT_EQ(outcome.sMessage, c.D50Sol != 0 ? "" : NoSolution) << c.name;
        EXPECT_NEAR(results.D50Sol, c.D50Sol, 1e-12) << c.name;
    }
}

} // namespace
