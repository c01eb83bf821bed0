#include "outlet_protection/modNEScour.h"

#include "platform/AppError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using modNEScour::ScourHoleDesignTexts;

namespace {

struct DesignCase {
    const char* name;
    int type;
    double q;
    double tw;
    double span;
    ScourHoleDesignTexts expected; // E, A, F, C, D50, T, class, recommended T
};

// D50 = c D^2 / TW x (Q / D^2.5)^(4/3), c 0.0125 (half span) or 0.0082 (full span);
// A = 2E + 6F, C = 3E + 6F with F = E/2 or E. Each case is worked beside it.
const std::vector<DesignCase> Cases = {
    // Span 3, TW 2: D^2.5 = 15.5885, c D^2 / TW = 0.05625 (type 1) or 0.0369 (type 2).
    // Q 100: (100 / 15.5885)^(4/3) = 11.9196; D50 0.6705 and 0.4398.
    {"span 3, Q 100, half span",
     1,
     100,
     2,
     3,
     {"3", "15", "1.5", "18", "0.67", "1.34", "Class E Riprap", "2.00"}},
    {"span 3, Q 100, full span",
     2,
     100,
     2,
     3,
     {"3", "24", "3", "27", "0.44", "0.88", "Class E Riprap", "2.00"}},
    // Q 180: ratio^(4/3) = 26.0991; D50 1.4681 (T 2.9362 < 3) and 0.9631.
    {"span 3, Q 180, half span",
     1,
     180,
     2,
     3,
     {"3", "15", "1.5", "18", "1.47", "2.94", "Class B Riprap", "3.00"}},
    {"span 3, Q 180, full span",
     2,
     180,
     2,
     3,
     {"3", "24", "3", "27", "0.96", "1.93", "Class E Riprap", "2.00"}},
    // Q 200: ratio^(4/3) = 30.0356; D50 1.6895, T 3.3790 above the class B least.
    {"span 3, Q 200, half span",
     1,
     200,
     2,
     3,
     {"3", "15", "1.5", "18", "1.69", "3.38", "Class B Riprap", "3.38"}},
    // Q 240: ratio^(4/3) = 38.3011; D50 2.1544 (above 2.0) and 1.4133.
    {"span 3, Q 240, half span",
     1,
     240,
     2,
     3,
     {"3", "15", "1.5", "18", "2.15", "4.31", "OUT OF RANGE", "OUT OF RANGE"}},
    {"span 3, Q 240, full span",
     2,
     240,
     2,
     3,
     {"3", "24", "3", "27", "1.41", "2.83", "Class B Riprap", "3.00"}},
    // By hand: span 4, Q 320, TW 2.5. D^2.5 = 32, Q / D^2.5 = 10 and
    // 10^(4/3) = 10 x 2.1544347 = 21.544347. Half span: c D^2 / TW = 0.0125 x 16
    // / 2.5 = 0.08, D50 = 1.723548, T = 3.447096; F 2, A 8 + 12 = 20, C 12 + 12 = 24.
    {"by hand: span 4, Q 320, TW 2.5, half span",
     1,
     320,
     2.5,
     4,
     {"4", "20", "2", "24", "1.72", "3.45", "Class B Riprap", "3.45"}},
    // Full span: 0.0082 x 16 / 2.5 = 0.05248, D50 = 1.130647, T = 2.261294 (above
    // the class E least of 2.0); F 4, A 8 + 24 = 32, C 12 + 24 = 36.
    {"by hand: span 4, Q 320, TW 2.5, full span",
     2,
     320,
     2.5,
     4,
     {"4", "32", "4", "36", "1.13", "2.26", "Class E Riprap", "2.26"}},
    // The class limits met exactly. Span 1, Q 1: (Q / D^2.5)^(4/3) = 1, so
    // D50 = 0.0125 / TW; TW 0.010416666666666667 gives 1.2 in doubles (Python:
    // 0.0125 / 0.010416666666666667 == 1.2) and TW 0.00625 exactly 2.0. Each
    // limit belongs to the lower class: E with 2 x 1.2 = 2.40 > 2.0, and B with
    // 2 x 2.0 = 4.00 > 3.0. F 0.5, A 2 + 3 = 5, C 3 + 3 = 6.
    {"D50 exactly 1.2",
     1,
     1,
     0.010416666666666667,
     1,
     {"1", "5", "0.5", "6", "1.20", "2.40", "Class E Riprap", "2.40"}},
    {"D50 exactly 2.0",
     1,
     1,
     0.00625,
     1,
     {"1", "5", "0.5", "6", "2.00", "4.00", "Class B Riprap", "4.00"}},
    // A span of one third shows unrounded; F = 1/6, A = 2/3 + 1 = 5/3, C = 1 + 1 = 2.
    // c D^2 / TW = 0.0125 / 9, (1 / 3^-2.5)^(4/3) = 3^(10/3) = 38.9407; D50 0.05408.
    {"a span of one third",
     1,
     1,
     1,
     1.0 / 3.0,
     {"0.333333333333333", "1.66666666666667", "0.166666666666667", "2", "0.05", "0.11",
      "Class E Riprap", "2.00"}},
};

TEST(ScourHoleDesign, GivesTheDimensionsRiprapAndClassOfEachDesign) {
    for (const DesignCase& c : Cases) {
        SCOPED_TRACE(c.name);
        const ScourHoleDesignTexts got = modNEScour::DesignScourHole(c.type, c.q, c.tw, c.span);
        EXPECT_EQ(got.eDim, c.expected.eDim);
        EXPECT_EQ(got.aDim, c.expected.aDim);
        EXPECT_EQ(got.fDim, c.expected.fDim);
        EXPECT_EQ(got.cDim, c.expected.cDim);
        EXPECT_EQ(got.calcD50, c.expected.calcD50);
        EXPECT_EQ(got.calcD, c.expected.calcD);
        EXPECT_EQ(got.recD50, c.expected.recD50);
        EXPECT_EQ(got.recD, c.expected.recD);
    }
}

// The discharge that gives a D50 for span 3, TW 2 and the half-span hole:
// Q = D^2.5 (D50 / 0.05625)^(3/4).
double DischargeFor(double d50) {
    return std::pow(3.0, 2.5) * std::pow(d50 / 0.05625, 0.75);
}

TEST(ScourHoleDesign, TheClassGoesByTheUnroundedRiprapSize) {
    struct Case {
        double d50;
        const char* shown;
        const char* cls;
        const char* recommended;
    };
    const Case cases[] = {
        {1.19, "1.19", "Class E Riprap", "2.38"},
        // Shown as 1.20 but above 1.2: class B, at least 3 ft thick.
        {1.2001, "1.20", "Class B Riprap", "3.00"},
        {1.9999, "2.00", "Class B Riprap", "4.00"},
        {2.0001, "2.00", "OUT OF RANGE", "OUT OF RANGE"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.d50);
        const ScourHoleDesignTexts got = modNEScour::DesignScourHole(1, DischargeFor(c.d50), 2, 3);
        EXPECT_EQ(got.calcD50, c.shown);
        EXPECT_EQ(got.recD50, c.cls);
        EXPECT_EQ(got.recD, c.recommended);
    }
}

TEST(ScourHoleD50, TheEquationsCoefficientsAndItsGuards) {
    // Span 4, Q 320, TW 2.5 as worked above.
    EXPECT_NEAR(modNEScour::ComputeScourHoleD50(1, 320, 2.5, 4), 1.723548, 1e-6);
    EXPECT_NEAR(modNEScour::ComputeScourHoleD50(2, 320, 2.5, 4), 1.130647, 1e-6);
    EXPECT_EQ(modNEScour::ComputeScourHoleD50(3, 320, 2.5, 4), 0.0);
    EXPECT_THROW(modNEScour::ComputeScourHoleD50(1, 320, 0, 4), AppError);
    EXPECT_THROW(modNEScour::ComputeScourHoleD50(1, 320, 2.5, 0), AppError);
    // Discharges beyond the double range raised to 4/3 overflow.
    EXPECT_THROW(modNEScour::DesignScourHole(1, 1e300, 1, 1e-10), AppError);
    EXPECT_THROW(modNEScour::DesignScourHole(2, 1, 1, 1e308), AppError);
}

} // namespace
