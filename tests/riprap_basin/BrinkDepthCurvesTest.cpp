// The brink-depth ratio Yo/D of circular and box barrels. Expected values are
// the curves' polynomials worked by hand at the given TW/D and interpolated
// linearly in the discharge intensity, as the working beside each case shows.

#include "riprap_basin/modHec14RRYo.h"

#include "platform/AppError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace modHec14RRYo;

class BrinkDepthCurvesTest : public testing::Test {
protected:
    void SetUp() override { InitBrinkDepthCurves(); }
};

struct RatioCase {
    const char* name;
    bool box;
    double Q, B, TW, D;
    double expected;
};

// Intensities K = Q/D^2.5 (circular) or Q/(B D^1.5) (box); sizes other than 1
// check that the ratio is taken on K and TW/D, not on Q and TW.
const RatioCase kRatioCases[] = {
    // K = 1.0 (curve 2 alone), X = 0.2: 0.32503289 + 0.1024081 (0.2) - 0.55663647 (0.04)
    //   + 2.0467745 (0.008) = 0.3396232.
    {"circular on a key", false, 1.0, 0, 0.2, 1.0, 0.3396232472},
    // D = 4 (D^2.5 = 32), Q = 24: K = 0.75; X = 0.8 / 4 = 0.2. Curve 1: 0.225 - 0.005 + 0.03
    //   = 0.25; curve 2: 0.3396232; halfway: 0.2948116.
    {"circular between keys", false, 24.0, 0, 0.8, 4.0, 0.2948116236},
    // K = 0.5, X = 0.3 reaches curve 1's XMin 0.30 with the limit TW/D.
    {"circular at its join point", false, 0.5, 0, 0.3, 1.0, 0.3},
    // K = 4.5, X = 0: curve 9's constant.
    {"circular without tailwater", false, 4.5, 0, 0, 1.0, 0.73953831},
    // K = 6.0 (the last key), X = 0.1: 0.975 + 0.0064005602 - 0.0021008403 + 0.00070028011.
    {"circular on the last key", false, 6.0, 0, 0.1, 1.0, 0.98000000001},
    {"circular above the last key", false, 6.01, 0, 0.1, 1.0, 1},
    // Box K = 0.5, X = 0.2 is past the box curve's own XMin 0.18 (limit TW/D).
    {"box past its join point", true, 0.5, 1.0, 0.2, 1.0, 0.2},
    // B = 2, D = 1, Q = 4: K = 2.0 (curve 4), X = 0.3: 0.3841661 + 0.0137179416 + 0.022278849
    //   - 0.0514209708 + 0.0317912336 = 0.4005331.
    {"box on a key", true, 4.0, 2.0, 0.3, 1.0, 0.4005331492},
    // B = 6, D = 4 (B D^1.5 = 48), Q = 216: K = 4.5, X = 2 / 4 = 0.5. Curve 8: 0.6372548,
    //   curve 9: 0.7351232; the keys are 1.0 apart, T = 0.5: 0.6861890.
    {"box between keys 1.0 apart", true, 216.0, 6.0, 2.0, 4.0, 0.6861889917},
    // K = 5.0, X = 0.95: curve 9 is past its XMin 0.91 with the full-barrel limit.
    {"box full past its join point", true, 5.0, 1.0, 0.95, 1.0, 1},
    {"box above the last key", true, 8.01, 1.0, 0.2, 1.0, 1},
    // No discharge leaves the tailwater at the brink (curve 0).
    {"circular without discharge", false, 0, 0, 1.2, 3.0, 0.4},
    {"box without discharge or tailwater", true, 0, 2.0, 0, 2.0, 0},
    // A tailwater at or above the rise fills the barrel whatever the discharge.
    {"circular tailwater at the rise", false, 0.2, 0, 3.0, 3.0, 1},
    {"box tailwater above the rise", true, 0, 2.0, 2.5, 2.0, 1},
};

TEST_F(BrinkDepthCurvesTest, RatioOfCircularAndBoxBarrels) {
    for (const RatioCase& c : kRatioCases) {
        const double ratio =
            c.box ? BoxBrinkDepthRatio(c.Q, c.B, c.TW, c.D) : CircBrinkDepthRatio(c.Q, c.TW, c.D);
        EXPECT_NEAR(ratio, c.expected, 1e-9) << c.name;
    }
}

TEST_F(BrinkDepthCurvesTest, AnInnerKeyGivesTheSameRatioFromEitherPair) {
    // K = 2.0 exactly takes curves 3 and 4 (T = 1); a hair above it takes curves 4 and 5.
    EXPECT_NEAR(CircBrinkDepthRatio(2.0, 0.3, 1.0), CircBrinkDepthRatio(2.0 + 1e-12, 0.3, 1.0),
                1e-9);
    EXPECT_NEAR(BoxBrinkDepthRatio(4.0, 1.0, 0.3, 1.0),
                BoxBrinkDepthRatio(4.0 + 1e-12, 1.0, 0.3, 1.0), 1e-9);
}

// The tables: 13 curves each with keys in their steps, curve 0 the line Yo/D =
// TW/D, and every polynomial meeting its limit at its own XMin to within
// 0.015, which a mistyped coefficient would break.
TEST_F(BrinkDepthCurvesTest, TablesHoldThirteenCurvesThatMeetTheirLimits) {
    ASSERT_EQ(BrinkCurveCount(), 12);
    struct Table {
        const std::vector<BrinkDepthCurve>& curves;
        std::size_t coefficients;
        double (*eval)(int, double);
    };
    for (const Table& t : {Table{CircBrinkCurves(), 4, EvalCircBrinkCurve},
                           Table{BoxBrinkCurves(), 5, EvalBoxBrinkCurve}}) {
        const bool box = t.coefficients == 5;
        ASSERT_EQ(t.curves.size(), 13u);
        for (int i = 0; i <= 12; ++i) {
            const BrinkDepthCurve& curve = t.curves[static_cast<std::size_t>(i)];
            const double key = box && i > 8 ? 4.0 + (i - 8) : 0.5 * i;
            EXPECT_DOUBLE_EQ(curve.Key, key) << i;
            ASSERT_EQ(curve.Coef.size(), t.coefficients) << i;
            const double limit = curve.Flag == 1 ? 1 : curve.XMin;
            double polynomial = 0;
            for (std::size_t k = 0; k < curve.Coef.size(); ++k) {
                polynomial += curve.Coef[k] * std::pow(curve.XMin, static_cast<double>(k));
            }
            EXPECT_NEAR(polynomial, limit, 0.0151) << (box ? "box " : "circular ") << i;
            EXPECT_DOUBLE_EQ(t.eval(i, curve.XMin), limit) << i;
        }
        EXPECT_DOUBLE_EQ(t.eval(0, 0.37), 0.37);
        EXPECT_DOUBLE_EQ(t.eval(0, 1.0), 1);
    }
    // Flag 1 (full barrel) from key 4.0 of the circular table and key 5.0 of the box table.
    EXPECT_EQ(CircBrinkCurves()[7].Flag, 0);
    EXPECT_EQ(CircBrinkCurves()[8].Flag, 1);
    EXPECT_EQ(BoxBrinkCurves()[8].Flag, 0);
    EXPECT_EQ(BoxBrinkCurves()[9].Flag, 1);
}

TEST_F(BrinkDepthCurvesTest, ZeroSizesNegativeDischargeAndBadInputThrowInsteadOfGivingNan) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Fault {
        const char* name;
        double (*call)(double);
        long number;
    };
    const Fault faults[] = {
        {"zero diameter", [](double) { return CircBrinkDepthRatio(1, 0.5, 0); },
         ErrorNumber::DivisionByZero},
        {"zero span", [](double) { return BoxBrinkDepthRatio(1, 0, 0.5, 1); },
         ErrorNumber::DivisionByZero},
        {"zero rise", [](double) { return BoxBrinkDepthRatio(1, 2, 0.5, 0); },
         ErrorNumber::DivisionByZero},
        {"negative diameter", [](double) { return CircBrinkDepthRatio(1, 0.5, -2); },
         ErrorNumber::InvalidArgument},
        {"negative discharge", [](double) { return CircBrinkDepthRatio(-1, 0.5, 2); },
         ErrorNumber::InvalidArgument},
        {"negative box discharge", [](double) { return BoxBrinkDepthRatio(-1, 2, 0.5, 2); },
         ErrorNumber::InvalidArgument},
        {"nan tailwater", [](double x) { return CircBrinkDepthRatio(1, x, 2); },
         ErrorNumber::InvalidArgument},
        {"nan discharge", [](double x) { return BoxBrinkDepthRatio(x, 2, 0.5, 2); },
         ErrorNumber::InvalidArgument},
        {"curve 13", [](double) { return EvalCircBrinkCurve(13, 0.5); },
         ErrorNumber::SubscriptOutOfRange},
        {"curve -1", [](double) { return EvalBoxBrinkCurve(-1, 0.5); },
         ErrorNumber::SubscriptOutOfRange},
    };
    for (const Fault& f : faults) {
        try {
            f.call(nan);
            ADD_FAILURE() << f.name << " did not throw";
        } catch (const AppError& error) {
            EXPECT_EQ(error.number, f.number) << f.name << ": " << error.description;
        }
    }
}

} // namespace
