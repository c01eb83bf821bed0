#include "SectionBuilder.h"

#include "tailwater/TailWaterMod.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

struct Result {
    double elevation = -99;
    double depth = -99;
    int errFlag = -1;
    std::string message = "stale";
    int iterations = -1; // -1: not written
};

Result NormalDepth(const ChannelSection& section, double slope, double Q) {
    Result r;
    TailWaterMod::ComputeNormalDepth(section, slope, Q, r.elevation, r.depth, r.errFlag, r.message,
                                     r.iterations);
    return r;
}

double Discharge(const ChannelSection& section, double slope, double W) {
    double area = 0, K = 0;
    TailWaterMod::ComputeConveyance(section, W, area, K);
    return K * std::sqrt(slope);
}

// The channel whose lowest point lies behind the left bank at station 20.
ChannelSection PocketChannel() {
    return MakeSection({{0, 108, 0.05}, {10, 95, 0}, {20, 105, 0.03}, {30, 100, 0}, {40, 108, 0}},
                       2);
}

// n 0.05 over the left bank at station 20 (elevation 105), 0.03 in the channel.
ChannelSection BankChannel() {
    return MakeSection({{0, 108, 0.05}, {10, 101, 0}, {20, 105, 0.03}, {30, 95, 0}, {40, 108, 0}},
                       2);
}

TEST(NormalDepth, RegularSectionsEnteredAsPointsGiveTheClosedFormDepth) {
    // Closed-form normal depth by bisection on Q = 1.486/n A R^(2/3) S^(1/2)
    // (python3, 200 halvings): trapezoid A = (b + z y) y, P = b + 2 y sqrt(1 + z^2)
    // with b 10, z 2, n 0.03, S 0.001; triangle A = z y^2, P = 2 y sqrt(1 + z^2)
    // with z 3, n 0.04, S 0.005.
    const ChannelSection trapezoid =
        MakeSection({{0, 130, 0.03}, {60, 100, 0}, {70, 100, 0}, {130, 130, 0}});
    const ChannelSection triangle = MakeSection({{0, 120, 0.04}, {60, 100, 0}, {120, 120, 0}});
    struct Case {
        const ChannelSection& section;
        double slope, Q, depth;
    };
    const Case cases[] = {
        {trapezoid, 0.001, 5, 0.4967723613561835},   {trapezoid, 0.001, 100, 2.709547235400122},
        {trapezoid, 0.001, 500, 6.0927526563969945}, {trapezoid, 0.001, 2000, 11.496475045402477},
        {triangle, 0.005, 1, 0.5556038955974818},    {triangle, 0.005, 50, 2.409234278910379},
        {triangle, 0.005, 300, 4.717215888265894},
    };
    for (const auto& c : cases) {
        const Result r = NormalDepth(c.section, c.slope, c.Q);
        EXPECT_EQ(r.errFlag, 0) << "Q " << c.Q;
        EXPECT_EQ(r.message, "");
        EXPECT_NEAR(r.depth, c.depth, 0.001) << "Q " << c.Q;
        EXPECT_DOUBLE_EQ(r.elevation, r.depth + 100);
    }
}

TEST(NormalDepth, ThreeSubsectionDischargeByHandIsFoundAtItsElevation) {
    // K at 105 = 16901.89224655386 by hand (see the conveyance test), S 0.002:
    // Q = K sqrt(0.002) = 755.8756002334213.
    const ChannelSection s = MakeSection({{0, 106, 0.06},
                                          {30, 104, 0.035},
                                          {40, 100, 0},
                                          {60, 100, 0},
                                          {70, 104, 0.05},
                                          {100, 107, 0}});
    const Result r = NormalDepth(s, 0.002, 755.8756002334213);
    EXPECT_EQ(r.errFlag, 0);
    EXPECT_NEAR(r.elevation, 105, 0.001);
    EXPECT_NEAR(r.depth, 5, 0.001);
}

TEST(NormalDepth, DischargeJumpAtTheBankEndsOnTheElevationTolerance) {
    // By hand (python3): at 105 only the channel flows, A 50 + 38.46, Q 972.406;
    // just above, the bank's n 0.05 stretch joins: Q 1109.136.
    const ChannelSection s = BankChannel();
    EXPECT_NEAR(Discharge(s, 0.01, 105), 972.4060294622494, 1e-9);
    EXPECT_NEAR(Discharge(s, 0.01, 105 + 1e-9), 1109.1361860786712, 1e-4);
    const Result r = NormalDepth(s, 0.01, 1040);
    EXPECT_EQ(r.errFlag, 0);
    EXPECT_NEAR(r.elevation, 105, 1e-5);
    EXPECT_NEAR(r.depth, 10, 1e-5);
    EXPECT_EQ(r.iterations, 18);
}

TEST(NormalDepth, ZeroAndNegativeDischarges) {
    const ChannelSection channel = BankChannel();
    struct Case {
        const char* what;
        ChannelSection section;
        double Q, elevation, depth;
        int iterations;
    };
    const Case cases[] = {
        // The lowest point lies in the channel: flow starts within the first
        // step and the dry lower end is the result.
        {"Q 0", channel, 0, 95, 0, -1},
        // Below zero there is no march; the first halving meets the elevation
        // tolerance on an interval of width 0.
        {"Q below 0", channel, -5, 95, 0, 1},
        // The lowest point (95) lies behind the left bank at 105: steps of 1.3
        // pass 96.3, 97.6 and 98.9 without flow and stop at 100.2.
        {"Q 0 behind a bank", PocketChannel(), 0, 98.9, 3.9, -1},
    };
    for (const auto& c : cases) {
        const Result r = NormalDepth(c.section, 0.01, c.Q);
        EXPECT_EQ(r.errFlag, 0) << c.what;
        EXPECT_NEAR(r.elevation, c.elevation, 1e-12) << c.what;
        EXPECT_NEAR(r.depth, c.depth, 1e-12) << c.what;
        EXPECT_EQ(r.iterations, c.iterations) << c.what;
    }
}

TEST(NormalDepth, DischargeAtAMarchElevationNeedsNoHalving) {
    // The march from 95 in steps of 1.3 reaches 95 + 3 x 1.3; the discharge
    // there is found without halving, so the count stays unwritten.
    const ChannelSection s = BankChannel();
    double W = 95;
    for (int i = 0; i < 3; ++i) {
        W += 1.3;
    }
    const Result r = NormalDepth(s, 0.01, Discharge(s, 0.01, W));
    EXPECT_EQ(r.elevation, W);
    EXPECT_EQ(r.iterations, -1);
}

TEST(NormalDepth, EveryResultCarriesQOrLiesWithinTheElevationTolerance) {
    const ChannelSection s = BankChannel();
    for (double Q : {0.001, 0.5, 12.0, 300.0, 972.0, 1500.0, 5e4, 1e7}) {
        const Result r = NormalDepth(s, 0.01, Q);
        ASSERT_EQ(r.errFlag, 0) << "Q " << Q;
        const bool carries = std::abs(Discharge(s, 0.01, r.elevation) - Q) < 1e-5;
        const bool brackets = Discharge(s, 0.01, r.elevation - 1e-5) <= Q &&
                              Discharge(s, 0.01, r.elevation + 1e-5) >= Q;
        EXPECT_TRUE(carries || brackets) << "Q " << Q;
    }
    // Beyond the capacity at the lower end point the depth exceeds the height.
    EXPECT_GT(NormalDepth(s, 0.01, 1e7).elevation, 108);
}

TEST(NormalDepth, SearchesThatFindNoDepthSetTheFlagAndLeaveNoStaleDepth) {
    const ChannelSection level = MakeSection({{0, 100, 0.03}, {10, 100, 0}});
    // Elevations where neighbouring doubles lie 1.2E-04 ft apart: the halving
    // cannot reach 1E-05 ft.
    const ChannelSection high =
        MakeSection({{0, 1e12 + 10, 0.03}, {10, 1e12, 0}, {20, 1e12 + 10, 0}});
    // Neighbouring doubles 16 ft apart: a step of 1.6 ft changes nothing.
    const ChannelSection higher =
        MakeSection({{0, 1e17 + 16, 0.03}, {10, 1e17, 0}, {20, 1e17 + 16, 0}});
    const ChannelSection channel = BankChannel();
    struct Case {
        const char* what;
        const ChannelSection& section;
        double Q;
        std::string message;
    };
    const Case cases[] = {
        {"level section", level, 10, "The cross-section points all lie at one elevation."},
        {"no convergence", high, 123.456,
         "The normal depth search did not close in on the discharge within 1001 halvings."},
        {"step lost in the elevation", higher, 10,
         "The elevations of the channel cross-section are too large for the normal depth "
         "search."},
        // Past 10,000 steps the march doubles its step, so even this ends at
        // once, at elevations near 1E17 where doubles lie 16 ft apart.
        {"discharge far beyond the section", channel, 1e30,
         "The normal depth search did not close in on the discharge within 1001 halvings."},
        {"infinite discharge", channel, std::numeric_limits<double>::infinity(),
         "The discharge is too large for the channel cross-section: its normal depth can not "
         "be computed."},
        {"discharge beyond the numbers", channel, 1e308,
         "The discharge is too large for the channel cross-section: its normal depth can not "
         "be computed."},
    };
    for (const auto& c : cases) {
        Result r = NormalDepth(channel, 0.01, 500); // an earlier, good depth
        ASSERT_EQ(r.errFlag, 0);
        TailWaterMod::ComputeNormalDepth(c.section, 0.01, c.Q, r.elevation, r.depth, r.errFlag,
                                         r.message, r.iterations);
        EXPECT_EQ(r.errFlag, 1) << c.what;
        EXPECT_EQ(r.message, c.message) << c.what;
        EXPECT_EQ(r.elevation, 0) << c.what;
        EXPECT_EQ(r.depth, 0) << c.what;
    }
    EXPECT_EQ(NormalDepth(high, 0.01, 123.456).iterations, 1001);
}

TEST(NormalDepth, ANanDischargeEndsWithTheFlag) {
    EXPECT_EQ(NormalDepth(BankChannel(), 0.01, std::nan("")).errFlag, 1);
}

} // namespace
