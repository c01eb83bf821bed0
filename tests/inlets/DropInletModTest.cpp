#include "inlets/DropInletMod.h"

#include "platform/AppError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

// The sample constants: Q = 3.0 Lt H^1.5, n 0.012, losses 1.0 + 0.5 + 0.5,
// and HDS-5-like inlet control constants that keep the hand working short:
// unsubmerged form 2, HW/D = 0.5 x^0.5 (x <= 3.5); submerged HW/D = 0.04 x^2
// + 0.8 - 0.5 S (x >= 4); the larger of the two in between.
DropInletParameters SampleParameters() {
    DropInletParameters p;
    p.WeirCoefficient = 3.0;
    p.WeirHPowCoeff = 1.5;
    p.ManningNReinforcedConcrete = 0.012;
    p.EntranceLossCoefficient = 0.5;
    p.BendLossCoefficient = 0.5;
    p.ExitLossCoefficient = 1.0;
    p.NumRCBBarrels = 2;
    p.NumRCPBarrels = 1;
    p.LHWBarrelFraction = 1.2;
    p.RCBICCoeffs = {0.04, 0.8, 0.5, 0.5, 2};
    p.RCPICCoeffs = {0.04, 0.8, 0.5, 0.5, 2};
    p.WeirCalcDefaultOption = 2;
    return p;
}

DropInletDesignData Design(const char* q, const char* allowable, const char* weir,
                           const char* inlet = "100", const char* outlet = "99",
                           const char* length = "100", const char* tw = "0") {
    DropInletDesignData data;
    data.QText = q;
    data.AllowableHWElevText = allowable;
    data.WeirElevText = weir;
    data.InletInvertElevText = inlet;
    data.OutletInvertElevText = outlet;
    data.BarrelLengthText = length;
    data.TWDepthText = tw;
    return data;
}

StdRCBoxSize Box(int barrels, double span, double rise) {
    StdRCBoxSize size;
    size.NumBarrels = barrels;
    size.WidthFt = span;
    size.HeightFt = rise;
    size.WidthFtText = std::to_string(static_cast<int>(span));
    size.HeightFtText = std::to_string(static_cast<int>(rise));
    return size;
}

StdPipeSize Pipe(int barrels, double inches) {
    StdPipeSize size;
    size.NumBarrels = barrels;
    size.DiameterText = std::to_string(static_cast<int>(inches));
    size.DiameterFt = inches / 12;
    return size;
}

} // namespace

TEST(DropInletDesignData, BarrelSlopeIsTheTangentOfTheSlopingLength) {
    struct Case {
        const char* inlet;
        const char* outlet;
        const char* length;
        double slope;
    };
    const Case cases[] = {
        {"103", "100", "5", 0.75},                   // fall 3 along 5: run 4
        {"100", "99", "100", 1 / std::sqrt(9999.0)}, // fall 1, run sqrt(100^2 - 1)
        {"100", "100", "50", 0},                     // level
        {"99", "100", "50", 0},                      // adverse
        {"105", "100", "5", 0},                      // fall equal to the length
        {"106", "100", "5", 0},                      // fall beyond the length
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.inlet) + " / " + c.outlet + " / " + c.length);
        DropInletDesignData data = Design("30", "101", "100", c.inlet, c.outlet, c.length);
        DropInletMod::PrepareDropInletDesignData(data, SampleParameters());
        EXPECT_DOUBLE_EQ(data.Slope, c.slope);
        EXPECT_DOUBLE_EQ(data.ManningN, 0.012);
        // Q = 30 over one foot of head: 30 / (3 x 1^1.5) = 10 ft of crest.
        EXPECT_DOUBLE_EQ(data.MinTotalWeirLength, 10);
    }
}

TEST(DropInletWeir, MinimumTotalLengthFromTheWeirEquation) {
    const DropInletParameters p = SampleParameters();
    // 100 / (3 x 2.25^1.5) = 100 / (3 x 3.375) = 9.87654...
    EXPECT_NEAR(DropInletMod::ComputeMinimumWeirLength(100, 102.25, 100, p), 9.876543209876543,
                1e-12);
    // 30 / (3 x 1) = 10.
    EXPECT_DOUBLE_EQ(DropInletMod::ComputeMinimumWeirLength(30, 101, 100, p), 10);
}

TEST(DropInletWeir, NoHeadOverTheCrestIsAFaultNotInfinity) {
    const DropInletParameters p = SampleParameters();
    struct Case {
        double allowable;
        long number;
    };
    // Level with the crest: 0^1.5 = 0 divides; below it: a negative head to
    // the power 1.5 has no value.
    for (const Case& c :
         {Case{100, ErrorNumber::DivisionByZero}, Case{99.5, ErrorNumber::InvalidArgument}}) {
        try {
            DropInletMod::ComputeMinimumWeirLength(30, c.allowable, 100, p);
            ADD_FAILURE() << "no error for " << c.allowable;
        } catch (const AppError& error) {
            EXPECT_EQ(error.number, c.number);
        }
    }
    DropInletParameters noCoefficient = p;
    noCoefficient.WeirCoefficient = 0;
    EXPECT_THROW(DropInletMod::ComputeMinimumWeirLength(30, 101, 100, noCoefficient), AppError);
}

TEST(DropInletHeadLoss, FullFlowLossOfABoxAndAPipe) {
    // hL = [(Kx + Ke + Kb) / 2g + n^2 L / (1.486^2 R^(4/3))] Q^2 / A^2, with
    // Kx + Ke + Kb = 1.0 + 0.5 + 0.5 = 2.0, n = 0.012, L = 100 ft, g = 32.1726.
    //
    // Box 4 x 3 ft, Q = 100: A = 12, R = 12 / 14 = 0.857143, R^(4/3) = 0.814285;
    //   2 / 64.3452 = 0.0310824; 0.0144 / (2.208196 x 0.814285) = 0.0080085;
    //   (0.0390909) x 10000 / 144 = 2.71469.
    EXPECT_NEAR(DropInletMod::ComputeBoxFullFlowHeadLoss(100, 4, 3, 100, 1.0, 0.5, 0.5, 0.012),
                2.714688536, 1e-8);
    // Pipe D = 3 ft, Q = 50: A = 7.068583, R = 0.75, R^(4/3) = 0.681420;
    //   0.0144 / (2.208196 x 0.681420) = 0.0095699; (0.0406523) x 2500 / 49.96487 = 2.03404.
    EXPECT_NEAR(DropInletMod::ComputePipeFullFlowHeadLoss(50, 3, 100, 1.0, 0.5, 0.5, 0.012),
                2.034044211, 1e-8);
    // Only the sum of the three coefficients counts.
    EXPECT_DOUBLE_EQ(
        DropInletMod::ComputeBoxFullFlowHeadLoss(100, 4, 3, 100, 0.5, 0.5, 1.0, 0.012),
        DropInletMod::ComputeBoxFullFlowHeadLoss(100, 4, 3, 100, 1.0, 0.5, 0.5, 0.012));
    // A barrel without size has no loss.
    EXPECT_EQ(DropInletMod::ComputeBoxFullFlowHeadLoss(100, 0, 3, 100, 1, 0.5, 0.5, 0.012), 0);
    EXPECT_EQ(DropInletMod::ComputeBoxFullFlowHeadLoss(100, 4, -1, 100, 1, 0.5, 0.5, 0.012), 0);
    EXPECT_EQ(DropInletMod::ComputePipeFullFlowHeadLoss(50, 0, 100, 1, 0.5, 0.5, 0.012), 0);
}

// Design Q 100, inlet 100, outlet 99, barrel 100 ft (slope 1 / sqrt(9999)),
// no tailwater, weir 104, allowable 106: the least crest is 100 / (3 x 2^1.5)
// = 11.785113 ft. Worked per box (q per barrel, x = q / (B D^1.5)):
// - 4 x 3 single: x = 4.811, submerged: IC = 100 + 3 (0.04 x^2 + 0.8 - 0.5 S)
//   = 105.16278; yc = (100^2 / (g 16))^(1/3) = 2.6882, ho = 2.8441, hL = 2.71469,
//   OC = 104.5588; HW = 105.16278 in 103.6..106: passes.
// - 3 x 2 single: x = 11.79: HW = 113.21 > 106: out.
// - 3 x 2 twin: q = 50, x = 5.893: IC = 104.36778 > OC 104.05337: passes.
// - 3 x 2 triple: q = 33.3, x = 3.928 (between the forms): IC = 102.82457 > OC
//   102.13984, in 102.4..106: passes only when three barrels are searched.
// - 5 x 4 single: x = 2.5, HW = 103.855 below 100 + 1.2 x 4 = 104.8: out.
TEST(DropInletBarrels, BoxesInTheHeadwaterBandInTableOrder) {
    const std::vector<StdRCBoxSize> sizes = {{},           Box(1, 4, 3), Box(1, 3, 2),
                                             Box(2, 3, 2), Box(3, 3, 2), Box(1, 5, 4)};
    struct Expected {
        int barrels;
        double span;
        double hw;
        double weirWidth;
    };
    struct Case {
        int maxBarrels;
        std::vector<Expected> found;
    };
    const double total = 100 / (3 * std::pow(2.0, 1.5));
    const Case cases[] = {
        {2, {{1, 4, 105.1627770277, 4}, {2, 3, 104.3677772777, 6}}},
        {3, {{1, 4, 105.1627770277, 4}, {2, 3, 104.3677772777, 6}, {3, 3, 102.8245674012, 9}}},
        {0, {}}, // no barrel count loaded: nothing is searched
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.maxBarrels);
        DropInletParameters p = SampleParameters();
        p.NumRCBBarrels = c.maxBarrels;
        DropInletDesignData data = Design("100", "106", "104");
        DropInletMod::PrepareDropInletDesignData(data, p);
        std::vector<DropInletBarrelResult> results(3); // replaced, not added to
        DropInletMod::ComputeDropInletRCBBarrels(data, results, p, sizes);
        ASSERT_EQ(results.size(), c.found.size() + 1);
        for (size_t i = 0; i < c.found.size(); ++i) {
            const DropInletBarrelResult& r = results[i + 1];
            const Expected& e = c.found[i];
            EXPECT_EQ(r.NumBarrels, e.barrels);
            EXPECT_DOUBLE_EQ(r.Width, e.span);
            EXPECT_DOUBLE_EQ(r.QBarrel, 100.0 / e.barrels);
            EXPECT_NEAR(r.HWElev, e.hw, 1e-8);
            EXPECT_EQ(r.HWElev, std::max(r.ICHWElev, r.OCHWElev));
            EXPECT_DOUBLE_EQ(r.WeirWidth, e.weirWidth);
            EXPECT_NEAR(r.WeirLength, (total - e.weirWidth) / 2, 1e-12);
        }
    }
    // The single 4 x 3 box in detail.
    DropInletParameters p = SampleParameters();
    DropInletDesignData data = Design("100", "106", "104");
    DropInletMod::PrepareDropInletDesignData(data, p);
    std::vector<DropInletBarrelResult> results;
    DropInletMod::ComputeDropInletRCBBarrels(data, results, p, sizes);
    ASSERT_GE(results.size(), 2u);
    EXPECT_EQ(results[1].WidthText, "4");
    EXPECT_EQ(results[1].HeightText, "3");
    EXPECT_NEAR(results[1].HeadLoss, 2.7146885361, 1e-9);
    EXPECT_NEAR(results[1].OCHWElev, 104.5587979525, 1e-8);
    EXPECT_NEAR(results[1].CriticalDepth, 2.688218833, 1e-8); // (10000 / (32.1726 x 16))^(1/3)
}

TEST(DropInletBarrels, BothEndsOfTheBandAreAccepted) {
    // No losses and a deep tailwater: OC = 99 + 0 + 4 = 103 exactly, above IC
    // (x = 10 / (4 x 2^1.5) = 0.884: IC = 100 + 2 x 0.5 x 0.940 = 100.94). The
    // lower limit 100 + 1.5 x 2 = 103 and the allowable 103 meet it exactly.
    DropInletParameters p = SampleParameters();
    p.ManningNReinforcedConcrete = 0;
    p.EntranceLossCoefficient = p.BendLossCoefficient = p.ExitLossCoefficient = 0;
    p.LHWBarrelFraction = 1.5;
    const std::vector<StdRCBoxSize> sizes = {{}, Box(1, 4, 2)};
    for (const char* allowable : {"103", "102.99"}) {
        SCOPED_TRACE(allowable);
        DropInletDesignData data = Design("10", allowable, "102", "100", "99", "100", "4");
        DropInletMod::PrepareDropInletDesignData(data, p);
        std::vector<DropInletBarrelResult> results;
        DropInletMod::ComputeDropInletRCBBarrels(data, results, p, sizes);
        const bool accepted = std::string(allowable) == "103";
        ASSERT_EQ(results.size(), accepted ? 2u : 1u);
        if (accepted) {
            EXPECT_EQ(results[1].HWElev, 103);
            EXPECT_EQ(results[1].Ho, 4); // the tailwater, deeper than (yc + D) / 2
        }
    }
}

TEST(DropInletBarrels, ABoxRowWithoutBarrelsIsADivisionFault) {
    DropInletParameters p = SampleParameters();
    DropInletDesignData data = Design("100", "106", "104");
    DropInletMod::PrepareDropInletDesignData(data, p);
    std::vector<DropInletBarrelResult> results;
    EXPECT_THROW(DropInletMod::ComputeDropInletRCBBarrels(data, results, p, {{}, Box(0, 4, 3)}),
                 AppError);
}

// Q 100 through one pipe of each size (never shared among barrels), the same
// design as the boxes. D = 4 ft: A = 12.566, x = 100 / (12.566 x 2) = 3.979,
// between the forms: IC = 100 + 4 max(0.04 x^2 + 0.8 - 0.5 S, 0.5 x^0.5) =
// 105.71303 above OC = 99 + 2.38127 + ho (104.896): in 104.8..106. D = 3 ft:
// x = 8.17, HW 110.39: out; D = 5 ft: HW = 103.855 < 106: below the band.
TEST(DropInletBarrels, PipesOfTheOneBarrelCountEachCarryingTheWholeDischarge) {
    const std::vector<StdPipeSize> sizes = {{}, Pipe(1, 36), Pipe(1, 48), Pipe(2, 48), Pipe(1, 60)};
    struct Case {
        int barrels;
        double weirWidth;
    };
    for (const Case& c : {Case{1, 4.0}, Case{2, 8.0}}) {
        SCOPED_TRACE(c.barrels);
        DropInletParameters p = SampleParameters();
        p.NumRCPBarrels = c.barrels;
        DropInletDesignData data = Design("100", "106", "104");
        DropInletMod::PrepareDropInletDesignData(data, p);
        std::vector<DropInletPipeResult> results;
        DropInletMod::ComputeDropInletRCPBarrels(data, results, p, sizes);
        ASSERT_EQ(results.size(), 2u);
        const DropInletPipeResult& r = results[1];
        EXPECT_EQ(r.NumBarrels, c.barrels);
        EXPECT_EQ(r.DiameterText, "48");
        EXPECT_DOUBLE_EQ(r.Diameter, 4);
        EXPECT_NEAR(r.HWElev, 105.7130285910, 1e-8);
        EXPECT_NEAR(r.HeadLoss, 2.3812700786, 1e-9);
        EXPECT_DOUBLE_EQ(r.WeirWidth, c.weirWidth);
        EXPECT_NEAR(r.WeirLength, (100 / (3 * std::pow(2.0, 1.5)) - c.weirWidth) / 2, 1e-12);
    }
}

namespace {

// A weir table of the given widths and lengths (-1: no input) on a crest of
// 10 ft total: Q 30, weir 100, allowable 101.5.
DropInletWeirCalc WeirTable(int option, std::vector<double> widths, std::vector<double> lengths) {
    DropInletWeirCalc calc;
    calc.WeirOption = option;
    calc.Q = 30;
    calc.WeirElev = 100;
    calc.AllowableHWElev = 101.5;
    calc.MinTotalWeirLength = 10;
    widths.insert(widths.begin(), 0);
    lengths.insert(lengths.begin(), 0);
    calc.Widths = widths;
    calc.Lengths = lengths;
    calc.WidthTexts.assign(widths.size(), "typed");
    calc.LengthTexts.assign(widths.size(), "typed");
    calc.HWElevTexts.assign(widths.size(), "old");
    return calc;
}

} // namespace

TEST(DropInletWeir, EachOptionFillsItsOwnColumnsRowByRow) {
    struct Case {
        const char* what;
        DropInletWeirCalc calc;
        std::vector<std::string> widths;
        std::vector<std::string> lengths;
        std::vector<std::string> heads;
    };
    const std::vector<Case> cases = {
        // Sides of (10 - w) / 2; none where the width alone fills the crest.
        {"widths given",
         WeirTable(0, {4, 10, -1, 0, 12, 9.999}, {-1, -1, -1, -1, -1, -1}),
         {"typed", "typed", "typed", "typed", "typed", "typed"},
         {"3.00", "0", "", "", "0", "0.00"},
         {"101.5", "N/A", "", "", "N/A", "101.5"}},
        // Widths of 10 - 2 l; none where the sides alone fill the crest.
        {"lengths given",
         WeirTable(1, {-1, -1, -1, -1}, {2, 5, 4.9, -1}),
         {"6.00", "0", "0.20", ""},
         {"typed", "typed", "typed", "typed"},
         {"101.5", "N/A", "101.5", ""}},
        // H = (30 / 3 / (w + 2 l))^(1 / 1.5): 10 ft gives 1 ft; 4 ft gives
        // 2.5^(2/3) = 1.842016 ft.
        {"width and length given",
         WeirTable(2, {4, 2, -1, 3}, {3, 1, 2, 0}),
         {"typed", "typed", "typed", "typed"},
         {"typed", "typed", "typed", "typed"},
         {"101.00", "101.84", "", ""}},
        {"no such option", WeirTable(3, {4}, {3}), {"typed"}, {"typed"}, {"old"}},
    };
    for (Case c : cases) {
        SCOPED_TRACE(c.what);
        DropInletMod::ComputeWeirCalcs(c.calc, SampleParameters());
        c.widths.insert(c.widths.begin(), "typed");
        c.lengths.insert(c.lengths.begin(), "typed");
        c.heads.insert(c.heads.begin(), "old"); // row 0 is no row
        EXPECT_EQ(c.calc.WidthTexts, c.widths);
        EXPECT_EQ(c.calc.LengthTexts, c.lengths);
        EXPECT_EQ(c.calc.HWElevTexts, c.heads);
    }
    DropInletWeirCalc calc = WeirTable(0, {4}, {-1});
    DropInletMod::ComputeWeirCalcs(calc, SampleParameters());
    EXPECT_DOUBLE_EQ(calc.Lengths[1], 3);
}

TEST(DropInletWeir, HeadwaterOfAGivenCrestNeedsAWeirCoefficientAndExponent) {
    for (auto spoil : {+[](DropInletParameters& p) { p.WeirCoefficient = 0; },
                       +[](DropInletParameters& p) { p.WeirHPowCoeff = 0; }}) {
        DropInletParameters p = SampleParameters();
        spoil(p);
        DropInletWeirCalc calc = WeirTable(2, {4}, {3});
        EXPECT_THROW(DropInletMod::ComputeWeirCalcs(calc, p), AppError);
    }
}
