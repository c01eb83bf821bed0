// The riprap basin computation object, against hand calculations with the
// HEC-14 riprap basin relations: brink depth Yo from the brink-depth curves
// (circular and box barrels that are not steep) or the normal depth (steep),
// brink area A and velocity Vo = Qb / A, equivalent depth Ye = Yo (box) or
// sqrt(A / 2), Fr = Vo / sqrt(32.2 Ye), then the riprap size whose hs/d50 is
// nearest 3 and the basin lengths. Critical and normal depths by hand with
// g = 32.1726 and Manning's equation (1.486); the routines find them to within
// 0.001 ft, so values that follow from them are checked that loosely.

#include "riprap_basin/cHec14RipRap.h"

#include "hydraulics/CatalogueTables.h"
#include "platform/AppError.h"
#include "riprap_basin/modHec14RRYo.h"
#include "riprap_basin/modHec14Riprap.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

enum Shape { Circular = 1, Box = 2, PipeArch = 3 };

GenDesignCulvertType TypeOfShape(int shape) {
    GenDesignCulvertType type;
    type.IDNum = shape;
    type.ShapeNum = shape;
    return type;
}

double Number(const NumberOrText& value) {
    return std::holds_alternative<double>(value) ? std::get<double>(value) : -999;
}

class Hec14RipRapTest : public testing::Test {
protected:
    void SetUp() override {
        modHec14RRYo::InitBrinkDepthCurves();
        modHec14Riprap::InitializeHec14Tables();
    }
};

// One culvert at one design flow, with the tailwater measured from the outlet invert.
struct Culvert {
    int shape;
    std::vector<double> sizes; // from entry 1, ft
    int barrels;
    double inletInvert, outletInvert, length;
    double n;
    double Q, TW;
};

cHec14RipRap Describe(const Culvert& c) {
    cHec14RipRap object;
    object.AddDesignQTW("100", c.Q, c.TW, 0);
    object.InletInvertElevation(c.inletInvert);
    object.OutletInvertElevation(c.outletInvert);
    object.CulvertBarrelLength(c.length);
    object.ChannelBottomElevation(c.outletInvert);
    object.CulvertType(c.shape);
    object.InletType(1);
    object.ManningN(c.n);
    object.Ke(0.5);
    object.StandardUserSizeFlag(1);
    object.NumUserSize(static_cast<int>(c.sizes.size()));
    for (std::size_t i = 0; i < c.sizes.size(); ++i) {
        object.UserSize(static_cast<int>(i) + 1, c.sizes[i]);
    }
    object.UserNumBarrels(c.barrels);
    return object;
}

cHec14RipRap Computed(const Culvert& c) {
    cHec14RipRap object = Describe(c);
    object.DoPreCalcs(TypeOfShape(c.shape));
    object.DesignQCompute1(1);
    return object;
}

// A 6 ft x 4 ft box, 100 ft long at S = 0.003, n 0.012, carrying 200 ft^3/s over a
// tailwater of 1.5 ft.
const Culvert SixByFourBox = {Box, {6, 4}, 1, 100.3, 100, 100, 0.012, 200, 1.5};

// By hand:
//   yc = (Q^2 / (B^2 g))^(1/3) = (200^2 / (36 x 32.1726))^(1/3) = 3.25655 ft.
//   yn: 200 = 1.486 / 0.012 x 6y (6y / (6 + 2y))^(2/3) 0.003^0.5 at y = 3.55322 ft (shown
//   "3.55"); yn > yc: "Mild", so Yo comes from the box curves.
//   K = Q / (B D^1.5) = 200 / 48 = 4.16667 between the curves of keys 4 and 5, X = TW/D
//   = 0.375 (below both XMin). Curve 8: 0.60620641 + 0.02448944 (0.375) + 0.64068033
//   (0.140625) - 2.2513593 (0.052734) + 2.2408562 (0.019775) = 0.631075; curve 9:
//   0.70282906 + 0.15862683 (0.375) - 0.33953681 (0.140625) - 0.038211253 (0.052734)
//   + 0.68226088 (0.019775) = 0.726044; T = 1/6: Yo/D = 0.646903, Yo = 2.587614 ft.
//   A = 6 Yo = 15.525683 ft^2, Vo = 200 / A = 12.881881 ft/s, Ye = Yo,
//   Fr = 12.881881 / (32.2 x 2.587614)^0.5 = 1.411242, TW/Yo = 0.579685.
//   Riprap: lo = 0.4 (0.391 up), hi = 1.6 (1.679 down). hs/d: 0.6 5.598, 0.7 3.721,
//   0.8 2.848, 0.9 2.170, 1.0 1.683: 0.8 ft is nearest 3. r = 0.8 / 2.587614 = 0.309165
//   between lines 2 (1.842105 Fr - 1.526316 = 1.073341) and 3 (1.548673 Fr - 1.438053
//   = 0.747500), T = 0.59165: hs/Ye = 0.880557, hs = 2.278540 ft, hs/d50 = 2.848175.
//   W0 = 6: pool = max(22.785404, 18) = 22.785404, apron = max(11.392702, 6)
//   = 11.392702, basin 34.178106 ft.
TEST_F(Hec14RipRapTest, BoxCulvertFromBrinkToBasin) {
    cHec14RipRap object = Computed(SixByFourBox);
    EXPECT_EQ(object.strHydraulicSlope(), "Mild");
    EXPECT_EQ(object.strNormalDepth(), "3.55");
    EXPECT_NEAR(object.CriticalDepth(), 3.256545, 0.001);
    EXPECT_DOUBLE_EQ(object.EffectTW(), 1.5);
    EXPECT_NEAR(object.Yo(), 2.587614, 1e-6);
    EXPECT_NEAR(object.RatioTwYo(), 0.579685, 1e-6);
    EXPECT_NEAR(object.BrinkFlowArea(), 15.525683, 1e-6);
    EXPECT_NEAR(object.Vo(), 12.881881, 1e-6);
    EXPECT_DOUBLE_EQ(object.Ye(), object.Yo());
    EXPECT_NEAR(object.FrNum(), 1.411242, 1e-6);

    const RiprapSizeOutcome outcome = object.DesignQComputeD50();
    ASSERT_TRUE(outcome.bIsSolution) << outcome.sMessage;
    EXPECT_TRUE(outcome.MessagesInOrder().empty());
    EXPECT_NEAR(object.D50Sol(), 0.8, 1e-9);
    EXPECT_NEAR(object.D50oYe(), 0.309165, 1e-6);
    EXPECT_NEAR(Number(object.hsoYe()), 0.880557, 1e-6);
    EXPECT_NEAR(Number(object.hs()), 2.278540, 1e-6);
    EXPECT_NEAR(Number(object.Ratiohsd50()), 2.848175, 1e-6);
    EXPECT_NEAR(Number(object.PoolLs()), 22.785404, 1e-6);
    EXPECT_NEAR(Number(object.ApronL()), 11.392702, 1e-6);
    EXPECT_NEAR(Number(object.BasinLength()), 34.178106, 1e-6);
}

// The same box at 600 ft^3/s: yc = (600^2 / (36 x 32.1726))^(1/3) = 6.774 ft would stand above
// the 4 ft rise, so the critical depth is the rise.
TEST_F(Hec14RipRapTest, CriticalDepthOfABoxNeverStandsAboveItsRise) {
    Culvert box = SixByFourBox;
    box.Q = 600;
    EXPECT_EQ(Computed(box).CriticalDepth(), 4);
}

// One basin by hand from the design relations: a level 4 ft pipe carrying 100 ft^3/s over
// a tailwater of 1.0 ft.
//   No fall, so no normal depth ("Undefined(1)", "Horizontal"); yc solves Q^2 / g = A^3 / T:
//   3.03032 ft.
//   Brink depth from the curves: Q / D^2.5 = 100 / 32 = 3.125 between the curves of keys 3.0
//   and 3.5, TW/D = 0.25. Curve 6: 0.57570643 + 0.03569866 (0.25) - 0.064374386 (0.0625)
//   + 0.41425702 (0.015625) = 0.5870805; curve 7: 0.61510101 + 0.0436207311 (0.25)
//   - 0.0468975469 (0.0625) + 0.349326599 (0.015625) = 0.6285333; T = (3.125 - 3.0) / 0.5
//   = 0.25: Yo/D = 0.5974437, Yo = 2.389775 ft.
//   Segment at Yo: theta = 2 acos(1 - 2 Yo / D) = 3.533878, A = D^2 / 8 (theta - sin theta)
//   = 7.832358 ft^2; Vo = 100 / A = 12.767548 ft/s; Ye = (A / 2)^0.5 = 1.978934 ft;
//   Fr = Vo / (32.2 Ye)^0.5 = 1.599425.
//   d50: lo = 0.3 (0.2988 up), hi = 1.2 (1.2843 down). hs/d: 0.6 4.015 (out), 0.7 2.905,
//   0.8 2.165: 0.7 ft. r = 0.7 / 1.978934 = 0.353726 between lines 3 (1.548673 Fr
//   - 1.438053 = 1.038934) and 4 (0.737082), T = 0.03726: hs/Ye = 1.027687, hs = 2.033725 ft,
//   hs/d50 = 2.905321.
//   W0 = 4: pool = max(20.337246, 12), apron = max(10.168623, 4), basin 30.505869 ft.
TEST_F(Hec14RipRapTest, CircularBasinWorkedFromTheDesignRelations) {
    cHec14RipRap object = Computed({Circular, {4}, 1, 100, 100, 80, 0.012, 100, 1.0});
    EXPECT_EQ(object.strHydraulicSlope(), "Horizontal");
    EXPECT_EQ(object.strNormalDepth(), "Undefined(1)");
    EXPECT_NEAR(object.CriticalDepth(), 3.03032, 0.001);
    EXPECT_NEAR(object.Yo(), 2.389775, 1e-6);
    EXPECT_NEAR(object.RatioTwYo(), 0.418449, 1e-6);
    EXPECT_NEAR(object.BrinkFlowArea(), 7.832358, 1e-5);
    EXPECT_NEAR(object.Vo(), 12.767548, 1e-5);
    EXPECT_NEAR(object.Ye(), 1.978934, 1e-6);
    EXPECT_NEAR(object.FrNum(), 1.599425, 1e-6);

    const RiprapSizeOutcome outcome = object.DesignQComputeD50();
    ASSERT_TRUE(outcome.bIsSolution) << outcome.sMessage;
    EXPECT_NEAR(object.D50Sol(), 0.7, 1e-9);
    EXPECT_NEAR(object.D50oYe(), 0.353726, 1e-6);
    EXPECT_NEAR(Number(object.hsoYe()), 1.027687, 1e-6);
    EXPECT_NEAR(Number(object.hs()), 2.033725, 1e-6);
    EXPECT_NEAR(Number(object.Ratiohsd50()), 2.905321, 1e-6);
    EXPECT_NEAR(Number(object.PoolLs()), 20.337246, 1e-5);
    EXPECT_NEAR(Number(object.ApronL()), 10.168623, 1e-5);
    EXPECT_NEAR(Number(object.BasinLength()), 30.505869, 1e-5);
}

struct SlopeCase {
    const char* name;
    Culvert culvert;
    const char* slopeClass;
    const char* normalDepthText;
    double Yo;
    double tolerance; // 0.001 where Yo follows the normal depth
};

// Circular barrels unless said, n = 0.012.
//   4 ft, 100 ft^3/s, TW 1.0: Yo = 2.389775 from the curves (worked above), whenever the
//   barrel is not steep.
//   3 ft at S = 0.01, 50 ft^3/s: yn = 1.83533 (Manning), yc = 2.30157: steep, Yo = yn unless
//   the tailwater is higher, and never above the rise.
//   3 ft at S = 0.01, 100 ft^3/s: above the largest open-channel discharge (77.73 at
//   0.9381812 D): no normal depth; Q / D^2.5 = 6.415 > 6, so the curves give a full barrel.
//   4 ft at S = 5E-7, 0.5 ft^3/s: yn = 1.89167 (largest discharge 1.18), yc = 0.20224: mild;
//   curves: Q / D^2.5 = 0.015625, TW 0: 0.225 x 0.015625 / 0.5 = 0.00703125, Yo = 0.028125.
const SlopeCase kSlopeCases[] = {
    {"adverse: the curves",
     {Circular, {4}, 1, 100, 100.4, 40, 0.012, 100, 1.0},
     "Adverse",
     "Undefined(1)",
     2.389775,
     1e-6},
    // S = 0.00001: neither level within 0.000001 nor adverse, yet no fall above 0.0001 ft.
    {"fall of 0.0001 ft",
     {Circular, {4}, 1, 0.0001, 0, 10, 0.012, 100, 1.0},
     "Undefined",
     "Undefined(1)",
     2.389775,
     1e-6},
    // S = 2E-8: a fall above 0.0001 ft but too little slope for a normal depth.
    {"very long barrel",
     {Circular, {4}, 1, 0.0002, 0, 10000, 0.012, 100, 1.0},
     "Horizontal",
     "Undefined(1)",
     2.389775,
     1e-6},
    // S = 5E-7: first "Horizontal", then the normal depth classes it.
    {"nearly level with a normal depth",
     {Circular, {4}, 1, 0.001, 0, 2000, 0.012, 0.5, 0},
     "Mild",
     "1.89",
     0.028125,
     1e-9},
    {"above the largest normal-depth discharge",
     {Circular, {3}, 1, 100, 99, 100, 0.012, 100, 1},
     "Undefined",
     "Undefined(2)",
     3,
     1e-12},
    {"steep: the normal depth",
     {Circular, {3}, 1, 100, 99, 100, 0.012, 50, 1},
     "Steep",
     "1.84",
     1.83533,
     0.001},
    {"steep below a higher tailwater",
     {Circular, {3}, 1, 100, 99, 100, 0.012, 50, 2},
     "Steep",
     "1.84",
     2,
     1e-12},
    {"steep below a tailwater above the rise",
     {Circular, {3}, 1, 100, 99, 100, 0.012, 50, 3.5},
     "Steep",
     "1.84",
     3,
     1e-12},
    // The 6 x 4 ft box at its critical slope: at yc = 3.256545, A = 19.539271, R = 1.561506,
    // S = (200 x 0.012 / (1.486 A R^(2/3)))^2 = 0.0037715, so yn lies within 0.001 ft of yc:
    // "Critical", and the curves give Yo as for the mild box (2.587614).
    {"critical: the curves",
     {Box, {6, 4}, 1, 100.37715, 100, 100, 0.012, 200, 1.5},
     "Critical",
     "3.26",
     2.587614,
     1e-6},
};

TEST_F(Hec14RipRapTest, SlopeClassDecidesWhereTheBrinkDepthComesFrom) {
    for (const SlopeCase& c : kSlopeCases) {
        const cHec14RipRap object = Computed(c.culvert);
        EXPECT_EQ(object.strHydraulicSlope(), c.slopeClass) << c.name;
        EXPECT_EQ(object.strNormalDepth(), c.normalDepthText) << c.name;
        EXPECT_NEAR(object.Yo(), c.Yo, c.tolerance) << c.name;
    }
}

// The steep 3 ft pipe: Yo = yn = 1.83533, A = 4.531848, Vo = 11.033026, Ye = 1.505299,
// Fr = 1.584730, TW/Yo = 0.544860. Full at Q = 100: A = 7.068583, Vo = 14.147106,
// Ye = 1.879971, Fr = 1.818294.
TEST_F(Hec14RipRapTest, CircularBrinkFlowFollowsTheSegmentArea) {
    const cHec14RipRap steep = Computed({Circular, {3}, 1, 100, 99, 100, 0.012, 50, 1});
    EXPECT_NEAR(steep.BrinkFlowArea(), 4.531848, 0.003);
    EXPECT_NEAR(steep.Vo(), 11.033026, 0.008);
    EXPECT_NEAR(steep.Ye(), 1.505299, 0.001);
    EXPECT_NEAR(steep.FrNum(), 1.584730, 0.002);
    EXPECT_NEAR(steep.RatioTwYo(), 0.544860, 0.0005);

    const cHec14RipRap full = Computed({Circular, {3}, 1, 100, 99, 100, 0.012, 100, 1});
    EXPECT_NEAR(full.BrinkFlowArea(), 7.068583, 1e-5);
    EXPECT_NEAR(full.Vo(), 14.147106, 1e-5);
    EXPECT_NEAR(full.Ye(), 1.879971, 1e-6);
    EXPECT_NEAR(full.FrNum(), 1.818294, 1e-6);
}

// Channel bottom 1 ft below the outlet invert and 0.5 ft of tailwater: the surface is below
// the invert, so no tailwater at the brink. Box curves at TW/D = 0: 0.60620641 + (0.70282906
// - 0.60620641) / 6 = 0.622310, Yo = 2.489241, Vo = 200 / (6 Yo) = 13.390964, Fr = 1.495721.
TEST_F(Hec14RipRapTest, ATailwaterBelowTheOutletInvertCountsAsNone) {
    cHec14RipRap object = Describe(SixByFourBox);
    object.AddDesignQTW("", 200, 0.5, 0);
    object.ChannelBottomElevation(99);
    object.DoPreCalcs(TypeOfShape(Box));
    object.DesignQCompute1(2);
    EXPECT_EQ(object.EffectTW(), 0);
    EXPECT_EQ(object.RatioTwYo(), 0);
    EXPECT_NEAR(object.Yo(), 2.489241, 1e-6);
    EXPECT_NEAR(object.Vo(), 13.390964, 1e-6);
    EXPECT_NEAR(object.FrNum(), 1.495721, 1e-6);
}

// Twin 6 x 4 ft boxes carrying 400 ft^3/s: each barrel is the box above, but the basin is
// as wide as both: W0 = 12, pool = max(22.785, 36) = 36, apron = max(11.393, 12) = 12.
TEST_F(Hec14RipRapTest, TwoBarrelsShareTheDischargeAndWidenTheBasin) {
    Culvert twin = SixByFourBox;
    twin.barrels = 2;
    twin.Q = 400;
    cHec14RipRap single = Computed(SixByFourBox);
    cHec14RipRap object = Computed(twin);
    EXPECT_EQ(object.CriticalDepth(), single.CriticalDepth());
    EXPECT_EQ(object.strNormalDepth(), single.strNormalDepth());
    EXPECT_EQ(object.Yo(), single.Yo());
    EXPECT_EQ(object.BrinkFlowArea(), single.BrinkFlowArea());
    EXPECT_EQ(object.FrNum(), single.FrNum());
    ASSERT_TRUE(object.DesignQComputeD50().bIsSolution);
    EXPECT_NEAR(object.D50Sol(), 0.8, 1e-9);
    EXPECT_DOUBLE_EQ(Number(object.PoolLs()), 36);
    EXPECT_DOUBLE_EQ(Number(object.ApronL()), 12);
    EXPECT_DOUBLE_EQ(Number(object.BasinLength()), 48);
}

// The 28.5 x 18 in concrete arch pipe (radii 40.68, 14.56 and 4.59 in; published full area
// 2.792 ft^2) has no brink-depth curves. Under a tailwater above its rise it flows full at
// the brink: Yo = 1.5 ft, TW/Yo = 2 / 1.5 = 1.33333, Vo = 10 / 2.792 = 3.58 ft/s. With no tailwater
// and no normal depth its brink depth is the critical depth.
TEST_F(Hec14RipRapTest, PipeArchTakesTheCriticalDepthOrTheTailwater) {
    const std::vector<double> sizes = {28.5 / 12, 18 / 12.0, 40.68 / 12, 14.56 / 12, 4.59 / 12};
    const cHec14RipRap full = Computed({PipeArch, sizes, 1, 100, 100, 50, 0.024, 10, 2});
    EXPECT_EQ(full.strHydraulicSlope(), "Horizontal");
    EXPECT_DOUBLE_EQ(full.Yo(), 1.5);
    EXPECT_NEAR(full.RatioTwYo(), 2 / 1.5, 1e-12);
    EXPECT_NEAR(full.BrinkFlowArea(), 2.792, 0.02);
    EXPECT_NEAR(full.Vo(), 3.5817, 0.03);
    EXPECT_NEAR(full.Ye(), std::sqrt(full.BrinkFlowArea() / 2), 1e-12);
    EXPECT_NEAR(full.FrNum(), full.Vo() / std::sqrt(32.2 * full.Ye()), 1e-12);

    const cHec14RipRap free = Computed({PipeArch, sizes, 1, 100, 100, 50, 0.024, 10, 0});
    EXPECT_GT(free.CriticalDepth(), 0);
    EXPECT_EQ(free.Yo(), free.CriticalDepth());
}

TEST_F(Hec14RipRapTest, DoPreCalcsTakesTheShapeFromTheCatalogue) {
    auto saved = std::exchange(GlobalVariables::GenDesignCulvertTypes,
                               {GenDesignCulvertType{}, TypeOfShape(Circular), TypeOfShape(Box)});
    cHec14RipRap object = Describe(SixByFourBox);
    object.CulvertType(2);
    object.DoPreCalcs();
    object.DesignQCompute1(1);
    EXPECT_NEAR(object.Yo(), 2.587614, 1e-6);
    object.CulvertType(3);
    EXPECT_THROW(object.DoPreCalcs(), AppError);
    GlobalVariables::GenDesignCulvertTypes = std::move(saved);
}

TEST_F(Hec14RipRapTest, ANewObjectHoldsNothingAndSizesAreNumberedFromOne) {
    cHec14RipRap object;
    EXPECT_EQ(object.NumQs(), 0);
    EXPECT_EQ(object.NumUserSize(), 0);
    EXPECT_EQ(object.D50Sol(), 0);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(object.hs()));
    EXPECT_EQ(object.strHydraulicSlope(), "");
    object.AddDesignQTW("10", 5, 1, 0);
    object.AddDesignQTW("50", 8, 1.2, 0);
    EXPECT_EQ(object.NumQs(), 2);
    object.NumUserSize(2);
    object.UserSize(2, 4);
    EXPECT_EQ(object.UserSize(2), 4);
    object.NumUserSize(2);
    EXPECT_EQ(object.UserSize(2), 0);
    EXPECT_THROW(object.UserSize(3), AppError);
    EXPECT_THROW(object.UserSize(0, 1), AppError);
}

struct FaultCase {
    const char* name;
    std::function<void()> run;
    long number;
};

TEST_F(Hec14RipRapTest, WhatWouldDivideByZeroThrowsInsteadOfGivingNan) {
    const auto compute = [](Culvert c, int shapeOfType = 0) {
        return [c, shapeOfType] {
            cHec14RipRap object = Describe(c);
            object.DoPreCalcs(TypeOfShape(shapeOfType == 0 ? c.shape : shapeOfType));
            object.DesignQCompute1(1);
        };
    };
    Culvert noLength = SixByFourBox;
    noLength.length = 0;
    Culvert noBarrels = SixByFourBox;
    noBarrels.barrels = 0;
    // 1E-6 ft^3/s on a steep 3 ft pipe: the section carries more at 0.001 ft, so yn = 0 below
    // yc = 0.001, and without tailwater the brink depth is 0.
    const Culvert noBrinkDepth = {Circular, {3}, 1, 100, 99, 100, 0.012, 1e-6, 0};
    // A pipe of 0.0005 ft flows full at the brink (Q / D^2.5 far above 6) with no flow area.
    const Culvert noArea = {Circular, {0.0005}, 1, 100, 100, 100, 0.012, 1, 0};
    const Culvert noDiameter = {Circular, {0}, 1, 100, 100, 100, 0.012, 1, 0.5};
    const Culvert boxWithoutRise = {Box, {6}, 1, 100, 100, 100, 0.012, 1, 0.5};
    const FaultCase faults[] = {
        {"barrel length 0", compute(noLength), ErrorNumber::DivisionByZero},
        {"no barrels", compute(noBarrels), ErrorNumber::InvalidArgument},
        {"brink depth 0", compute(noBrinkDepth), ErrorNumber::DivisionByZero},
        {"brink flow area 0", compute(noArea), ErrorNumber::DivisionByZero},
        {"diameter 0", compute(noDiameter), ErrorNumber::DivisionByZero},
        {"box without a rise", compute(boxWithoutRise), ErrorNumber::SubscriptOutOfRange},
        {"shape 4", compute(SixByFourBox, 4), ErrorNumber::InvalidArgument},
        {"design flow 2 of 1",
         [] {
             cHec14RipRap object = Describe(SixByFourBox);
             object.DoPreCalcs(TypeOfShape(Box));
             object.DesignQCompute1(2);
         },
         ErrorNumber::SubscriptOutOfRange},
        {"size search before the brink", [] { Describe(SixByFourBox).DesignQComputeD50(); },
         ErrorNumber::DivisionByZero},
    };
    for (const FaultCase& f : faults) {
        try {
            f.run();
            ADD_FAILURE() << f.name << " did not throw";
        } catch (const AppError& error) {
            EXPECT_EQ(error.number, f.number) << f.name << ": " << error.description;
        }
    }
}

} // namespace
