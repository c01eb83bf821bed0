#include "TaperedInletTestData.h"
#include "hydraulics/InletControlMod.h"
#include "hydraulics/RectGeom.h"
#include "inlets/TaperedInletDesignMod.h"
#include "platform/AppError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace TaperedInletDesignMod;

namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();

TaperedInletDesign Request(double Q, double HMin, double HMax) {
    TaperedInletDesign design;
    design.Q = Q;
    design.HMin = HMin;
    design.HMax = HMax;
    return design;
}

// The faces a search keeps, as "width x height / barrels".
std::vector<std::string> Faces(const TaperedInletDesign& design) {
    std::vector<std::string> faces;
    for (std::size_t i = 1; i < design.Results.size(); ++i) {
        const TaperedInletResult& r = design.Results[i];
        faces.push_back(r.WidthText + " x " + r.HeightText + " / " + std::to_string(r.NumBarrels));
    }
    return faces;
}

// The inlet-control head above the rise of a face as the search computes it,
// for cases at the exact edge of the band.
double FaceHead(double q, double B, double D) {
    const InletCoeffSet& k = SampleParameters().RCBICCoeffs;
    return InletControlMod::ComputeBoxInletControlHWRatio(q, B, D, 0, k.UnSubEqNum, k.K, k.M, k.c,
                                                          k.Y, 0) *
               D -
           D;
}

class TaperedInletSearch : public ::testing::Test {
protected:
    CatalogueFixture catalogue{kTaperedInletSql};
    TaperedInletParameterSet parameters = SampleParameters();
    TaperedInletZLLists pairs = Pairs({{1, 6}, {2, 8}, {3, 10}, {4, 12}});
};

} // namespace

// Face 8 x 4 ft, one barrel, Q = 300 ft^3/s, band 2 to 2.5 ft, n 0.012, g 32.1726.
// Face: yc = (300^2 / (g 8^2))^(1/3) = 3.52256 < 4. x = 300 / (8 x 4^1.5) =
//   4.6875 >= 4, submerged: HW/D = 0.0378 x 4.6875^2 + 0.71 = 1.54057, so
//   H = 4 x 0.54057 = 2.16227. V = 300 / (3.52256 x 8) = 10.64566, E = 3.52256
//   + 10.64566^2 / (2g) = 5.28384. A = 28.18051, P = 15.04513, R = 1.87307,
//   s = (300 x 0.012 / (1.486 A R^(2/3)))^2 = 0.0032009.
// 5 x 4 (yc 4.819) and 6 x 4 (yc 4.267) are dropped: critical depth above the
// rise; 7 x 4 has H = 4 x (0.0378 x 5.357^2 + 0.71 - 1) = 3.18, above the band.
// Barrels behind 8 x 4: rise 4, one barrel, 3.92 ft (0.49 x 8) to under 8 ft:
// 5, 6, 7 and 7.5, in catalogue order; the depth limit is 0.9 x 4 = 3.6.
// - 5 ft: yb = 4.81880 > 3.6, so both energies count. EA = Z + 5.28384 -
//   0.0032009 L / 2. Z 1, L 6: EA 6.27424 < E1 7.24380, fails. Z 2, L 8:
//   E1 7.24901 <= EA 7.27104 but E2 at 3.6 ft = 7.96013 > EA, fails. Z 3, L 10:
//   EA 8.26784, E1 7.25421, E2 7.97092, passes. Depth: 0.9 x 4.81880 = 4.337
//   > 3.6, so 3.6; slope at 3.6: 1.07846 %.
// - 6 ft: yb 4.26728 > 3.6; Z 1, L 6: E1 6.41355 > EA 6.27424, fails; Z 2,
//   L 8: E1 6.41775, E2 6.62401 <= EA 7.27104, passes. Depth min(3.84055,
//   3.6) = 3.6, slope 0.65236 %.
// - 7 ft: yb 3.85053 > 3.6; Z 1, L 6: E1 5.78659, E2 5.81545 <= 6.27424,
//   passes. Depth 0.9 x 3.85053 = 3.46547 < 3.6, slope 0.47607 %.
TEST_F(TaperedInletSearch, AFaceWorkedByHand) {
    TaperedInletDesign design = Request(300, 2, 2.5);
    ComputeTaperedInletDesigns(design, parameters, pairs,
                               Boxes({Box(5, 4, 1), Box(6, 4, 1), Box(7, 4, 1), Box(8, 4, 1)}));

    ASSERT_EQ(Faces(design), (std::vector<std::string>{"8 x 4 / 1"}));
    const TaperedInletResult& face = design.Results[1];
    EXPECT_EQ(face.ZLFound, 1);
    EXPECT_DOUBLE_EQ(face.QBarrel, 300);
    EXPECT_NEAR(face.H, 2.16227, 5e-6);
    EXPECT_NEAR(face.FaceCritEnergy, 5.28384, 5e-6);
    EXPECT_NEAR(face.FaceFrictionSlope, 0.0032009, 5e-8);

    struct Expected {
        const char* width;
        double Z, L, depth, slopePct;
    };
    const Expected expected[] = {
        {"5", 3, 10, 3.6, 1.07846}, {"6", 2, 8, 3.6, 0.65236}, {"7", 1, 6, 3.46547, 0.47607}};
    // 7.5 x 4 comes last, as the catalogue lists it.
    ASSERT_EQ(face.Barrels.size(), std::size(expected) + 2);
    for (std::size_t j = 0; j < std::size(expected); ++j) {
        const TaperedInletBarrelOption& barrel = face.Barrels[j + 1];
        SCOPED_TRACE(expected[j].width);
        EXPECT_EQ(barrel.WidthText, expected[j].width);
        EXPECT_EQ(barrel.HeightText, "4");
        EXPECT_EQ(barrel.NumBarrels, 1);
        EXPECT_EQ(barrel.ZLFound, 1);
        EXPECT_EQ(barrel.MinZ, expected[j].Z);
        EXPECT_EQ(barrel.MinL, expected[j].L);
        EXPECT_NEAR(barrel.BarrelDepth, expected[j].depth, 5e-6);
        EXPECT_NEAR(barrel.MinSlopePct, expected[j].slopePct, 5e-6);
    }
    EXPECT_EQ(face.Barrels[4].WidthText, "7.5");

    // The same search again gives the same results.
    TaperedInletDesign again = Request(300, 2, 2.5);
    ComputeTaperedInletDesigns(again, parameters, pairs,
                               Boxes({Box(5, 4, 1), Box(6, 4, 1), Box(7, 4, 1), Box(8, 4, 1)}));
    ASSERT_EQ(again.Results.size(), design.Results.size());
    EXPECT_EQ(again.Results[1].Barrels[2].MinSlopePct, face.Barrels[2].MinSlopePct);
}

TEST_F(TaperedInletSearch, TheHeadBandIsInclusiveAtBothEnds) {
    const double H = FaceHead(300, 8, 4);
    struct Case {
        const char* what;
        double HMin, HMax;
        bool kept;
    };
    const Case cases[] = {
        {"H equal to H-Min", H, H + 1, true},
        {"H equal to H-Max", H - 1, H, true},
        {"H just below H-Min", std::nextafter(H, Inf), H + 1, false},
        {"H just above H-Max", H - 1, std::nextafter(H, -Inf), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TaperedInletDesign design = Request(300, c.HMin, c.HMax);
        ComputeTaperedInletDesigns(design, parameters, pairs, Boxes({Box(8, 4, 1)}));
        EXPECT_EQ(design.Results.size(), c.kept ? 2u : 1u);
    }
}

TEST_F(TaperedInletSearch, AFaceWhoseCriticalDepthReachesItsRiseIsDropped) {
    // The rise set to the face's own critical depth, and to the next number above it.
    const double yc = RectGeom::ComputeRectCriticalDepth(300, 8);
    TaperedInletDesign design = Request(300, -100, 100);
    ComputeTaperedInletDesigns(design, parameters, pairs,
                               Boxes({Box(8, yc, 1), Box(8, std::nextafter(yc, Inf), 1)}));
    ASSERT_EQ(design.Results.size(), 2u);
    EXPECT_EQ(design.Results[1].Height, std::nextafter(yc, Inf));
}

TEST_F(TaperedInletSearch, BarrelCountsBeyondTheLimitOrThePairListsNeverBecomeFaces) {
    struct Case {
        int maxNumBarrels;
        std::vector<std::string> faces;
    };
    // A catalogue limit above 2 admits no triple: there are no pairs for it.
    const Case cases[] = {
        {0, {}},
        {1, {"12 x 4 / 1"}},
        {2, {"12 x 4 / 1", "12 x 4 / 2"}},
        {3, {"12 x 4 / 1", "12 x 4 / 2"}},
        {9, {"12 x 4 / 1", "12 x 4 / 2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.maxNumBarrels);
        parameters.MaxNumBarrels = c.maxNumBarrels;
        TaperedInletDesign design = Request(300, -100, 100);
        ComputeTaperedInletDesigns(design, parameters, pairs,
                                   Boxes({Box(12, 4, 1), Box(12, 4, 2), Box(12, 4, 3)}));
        EXPECT_EQ(Faces(design), c.faces);
    }
}

// Face 12 x 4 with q = 100 ft^3/s per barrel behind it, barrel 7.5 x 4, pairs
// (1, 8), (2, 10). Face: yc = 1.29236, E = 1.93854, s = 0.0024983; H =
// 4 x (0.5 x (100 / (12 x 8))^0.667 - 1) = -1.94480.
// One barrel (Q 100): L stays 8; EA = 1 + 1.93854 - 0.0024983 x 4 = 2.92855.
// Twin barrels (Q 200): the twin minimum L (12 - 7.5) x 2 = 9 > 8 replaces L:
//   EA = 1 + 1.93854 - 0.0024983 x 4.5 = 2.92730, E1 = 2.66495, yb = 1.76792
//   below the limit 3.6, passes with L = 9.
// Both: depth 0.9 x 1.76792 = 1.59113, slope 0.39505 %.
TEST_F(TaperedInletSearch, TwinBarrelsRaiseLToTheTwinMinimumAndReportIt) {
    pairs = Pairs({{1, 8}, {2, 10}});
    struct Case {
        int barrels;
        double Q;
        double minL;
    };
    for (const Case& c : {Case{1, 100, 8}, Case{2, 200, 9}}) {
        SCOPED_TRACE(c.barrels);
        TaperedInletDesign design = Request(c.Q, -3, 0);
        ComputeTaperedInletDesigns(design, parameters, pairs, Boxes({Box(12, 4, c.barrels)}));
        ASSERT_EQ(design.Results.size(), 2u);
        const TaperedInletResult& face = design.Results[1];
        EXPECT_NEAR(face.H, -1.94480, 5e-6);
        // Behind the single face, 6, 7 and 8 ft come first.
        ASSERT_EQ(face.Barrels.size(), c.barrels == 1 ? 5u : 2u);
        const TaperedInletBarrelOption& barrel = face.Barrels.back();
        EXPECT_EQ(barrel.WidthText, "7.5");
        EXPECT_EQ(barrel.MinZ, 1);
        EXPECT_EQ(barrel.MinL, c.minL);
        EXPECT_NEAR(barrel.BarrelDepth, 1.59113, 5e-6);
        EXPECT_NEAR(barrel.MinSlopePct, 0.39505, 5e-6);
    }
}

TEST_F(TaperedInletSearch, EmptyOutcomesAreOrdinaryResults) {
    struct Case {
        const char* what;
        std::vector<StdRCBoxSize> boxes;
        TaperedInletZLLists pairs;
        std::size_t barrels; // options behind the one face, entry 0 included
    };
    // Behind a 5 x 4 face the catalogue has no narrower box of rise 4; behind
    // 8 x 4 it has four, but no pairs, or only pairs with too small a drop.
    const Case cases[] = {
        {"no candidate barrels", Boxes({Box(5, 4, 1)}), Pairs({{1, 6}}), 1},
        {"no (Z, L) pair", Boxes({Box(8, 4, 1)}), Pairs({}), 5},
        {"no pair passes", Boxes({Box(8, 4, 1)}), Pairs({{0.01, 6}, {0.02, 6}}), 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TaperedInletDesign design = Request(100, -100, 100);
        ComputeTaperedInletDesigns(design, parameters, c.pairs, c.boxes);
        ASSERT_EQ(design.Results.size(), 2u);
        const TaperedInletResult& face = design.Results[1];
        EXPECT_EQ(face.ZLFound, 0);
        ASSERT_EQ(face.Barrels.size(), c.barrels);
        for (std::size_t j = 1; j < face.Barrels.size(); ++j) {
            const TaperedInletBarrelOption& barrel = face.Barrels[j];
            EXPECT_EQ(barrel.ZLFound, 0);
            EXPECT_EQ(barrel.MinZ, -1);
            EXPECT_EQ(barrel.MinL, -1);
            EXPECT_EQ(barrel.BarrelDepth, 0);
            EXPECT_EQ(barrel.MinSlopePct, 0);
        }
    }
}

TEST_F(TaperedInletSearch, ZerosInTheCatalogueRaiseAnErrorInsteadOfInfinities) {
    struct Case {
        const char* what;
        std::vector<StdRCBoxSize> boxes;
        void (*spoil)(TaperedInletParameterSet&);
        const char* message;
    };
    auto keep = [](TaperedInletParameterSet&) {};
    const Case cases[] = {
        {"a face of zero span inside the band", Boxes({Box(0, 4, 1)}), keep,
         "Division by zero in the face velocity at critical depth"},
        {"a box of zero barrels", Boxes({Box(8, 4, 0)}), keep,
         "Division by zero in the discharge per barrel"},
        {"a zero depth fraction", Boxes({Box(8, 4, 1)}),
         [](TaperedInletParameterSet& p) { p.BarrelDepthFrac = 0; },
         "Division by zero in the barrel velocity at the depth limit"},
        {"a zero design depth fraction", Boxes({Box(8, 4, 1)}),
         [](TaperedInletParameterSet& p) { p.CritDepthFrac = 0; }, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TaperedInletParameterSet p = SampleParameters();
        c.spoil(p);
        TaperedInletDesign design = Request(300, -100, 100);
        try {
            ComputeTaperedInletDesigns(design, p, pairs, c.boxes);
            ADD_FAILURE() << "no error";
        } catch (const AppError& error) {
            if (c.message) {
                EXPECT_EQ(error.description, c.message);
            }
        }
    }
}

// Energy check of q = 300 ft^3/s in a 6 ft barrel (yb = 4.26728) and in an
// 8 ft barrel (yb = 3.52256), with n = 0.012 and no face friction, so that the
// available energy is Z + the face energy exactly. The energies themselves are
// taken from the routines, as the cases are about where the check draws its line.
TEST(TaperedInletEnergyCheck, ComparesAtCriticalDepthAndAtTheLimitOnlyAboveIt) {
    const double n = 0.012;
    auto energyAt = [n](double b, double y, double L) {
        return ComputeEnergyWithFriction(y, 300 / (y * b),
                                         RectGeom::ComputeRectOpenFrictionSlope(300, b, y, n), L);
    };
    const double yb6 = RectGeom::ComputeRectCriticalDepth(300, 6);
    const double yb8 = RectGeom::ComputeRectCriticalDepth(300, 8);
    const double E1of8 = energyAt(8, yb8, 10);
    const double E2of6 = energyAt(6, 3.6, 10); // at the limit 3.6 below yb6
    const double E1of6 = energyAt(6, yb6, 10);
    ASSERT_LT(E1of6, E2of6);
    struct Case {
        const char* what;
        double b, limit, available;
        int expected;
    };
    const Case cases[] = {
        {"required equal to available passes", 8, 3.6, E1of8, 1},
        {"required just above available fails", 8, 3.6, std::nextafter(E1of8, -Inf), 0},
        {"critical depth equal to the limit: one comparison", 8, yb8, E1of8, 1},
        // At a limit of 8 ft the energy would be far above what is available;
        // below critical depth it is never asked for.
        {"critical depth below the limit: the limit is not evaluated", 8, 8, E1of8, 1},
        {"critical depth above the limit: both must pass, the limit fails", 6, 3.6,
         std::nextafter(E2of6, -Inf), 0},
        {"critical depth above the limit: both pass, equality included", 6, 3.6, E2of6, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(CheckTaperedInletZL(300, n, c.b, c.limit, 0, 10, c.available, 0), c.expected);
    }
    // The available energy is Z + the face energy less the face friction over
    // L / 2: 1 + (E1 - 0.5) - 0.1 x 10 / 2 = E1, give or take the rounding.
    EXPECT_EQ(CheckTaperedInletZL(300, n, 8, 3.6, 1, 10, E1of8 - 0.5 + 1e-9, 0.1), 1);
    EXPECT_EQ(CheckTaperedInletZL(300, n, 8, 3.6, 1, 10, E1of8 - 0.5 - 1e-9, 0.1), 0);
}

TEST(TaperedInletEnergy, AddsVelocityHeadAndHalfTheFriction) {
    // 2 + 8^2 / 64.3452 + 0.004 x 20 / 2 = 2 + 0.994635 + 0.04 = 3.034635
    const double length = 20;
    EXPECT_NEAR(ComputeEnergyWithFriction(2, 8, 0.004, length), 3.034635, 5e-7);
}

TEST(TaperedInletBarrelQuery, TakesBarrelsFromJustUnderHalfTheFaceSpan) {
    EXPECT_DOUBLE_EQ(BarrelQueryLeastWidth(10, 1), 4.9);
    EXPECT_DOUBLE_EQ(BarrelQueryLeastWidth(10, 2), 5.9);
}
