#include "hydraulics/RectGeom.h"

#include "platform/AppError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

constexpr double g = 32.1726;
const std::string TooLarge = "Flowrate greater than maximum normal depth flowrate in the pipe";

TEST(RectGeom, CriticalDepthIsTheCubeRootOfQSquaredOverBSquaredG) {
    // Expected values by hand from dc = (Q^2 / (B^2 g))^(1/3).
    struct Case {
        double Q, B, dc;
    };
    const Case cases[] = {
        {100, 5, 2.3166367631384794},     // q = 20 ft^2/s
        {30, 3, 1.459389711419247},       // q = 10 ft^2/s
        {50, 10, 0.9193579087085568},     // q = 5 ft^2/s
        {400, 8, 4.267281403155233},      // q = 50 ft^2/s
        {100, 0.0011, 635.6862584079366}, // any width above 0.001 is computed
        {100, 0.001, 0},                  // the width is not floored: 0.001 gives 0
        {100, 0, 0},
        {0, 5, 0},
        {-10, 5, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "Q " << c.Q << " B " << c.B);
        EXPECT_NEAR(RectGeom::ComputeRectCriticalDepth(c.Q, c.B), c.dc, 1e-12 * (1 + c.dc));
    }
}

TEST(RectGeom, FlowAtCriticalDepthHasFroudeNumberOne) {
    for (double Q : {5.0, 80.0, 600.0}) {
        for (double B : {2.0, 6.0, 12.0}) {
            const double dc = RectGeom::ComputeRectCriticalDepth(Q, B);
            const double V = Q / (B * dc);
            EXPECT_NEAR(V * V / (g * dc), 1.0, 1e-12) << "Q " << Q << " B " << B;
        }
    }
}

TEST(RectGeom, AHugeDischargeOverflowsAsAnError) {
    EXPECT_THROW(RectGeom::ComputeRectCriticalDepth(1e200, 5), AppError);
}

TEST(RectGeom, BoxFrictionSlopeUsesTheDryRoofPerimeterUntilTheBoxIsFull) {
    // 5 ft x 4 ft box, Q = 100, n = 0.012; by hand: Sf = (Q n / (1.486 A R^(2/3)))^2,
    // at y = 2: A = 10, P = 9; at y >= 4 (full): A = 20, P = 18 (roof wetted).
    struct Case {
        double y, Sf;
    };
    const Case cases[] = {
        {2.0, 0.005666499905121176},
        {4.0, 0.001416624976280294},
        {5.0, 0.001416624976280294},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(RectGeom::ComputeRectBoxFrictionSlope(100, 5, 4, c.y, 0.012), c.Sf, 1e-15)
            << "y " << c.y;
    }
    // The open rectangle keeps the open perimeter B + 2y at any depth.
    const double open = RectGeom::ComputeRectOpenFrictionSlope(100, 5, 4, 0.012);
    const double A = 20, P = 13, R = A / P;
    const double expected = std::pow(100 * 0.012 / (1.486 * A * std::pow(R, 2.0 / 3.0)), 2);
    EXPECT_NEAR(open, expected, 1e-15);
    EXPECT_LT(open, RectGeom::ComputeRectBoxFrictionSlope(100, 5, 4, 4, 0.012));
}

TEST(RectGeom, FrictionSlopeGuardsAndDivisionsByZero) {
    EXPECT_EQ(RectGeom::ComputeRectBoxFrictionSlope(0, 5, 4, 2, 0.012), 0);
    EXPECT_EQ(RectGeom::ComputeRectBoxFrictionSlope(100, 0, 4, 2, 0.012), 0);
    // Past the guards: no flow area or a negative one is an error, never inf or nan.
    EXPECT_THROW(RectGeom::ComputeRectBoxFrictionSlope(100, 5, 4, 0, 0.012), AppError);
    EXPECT_THROW(RectGeom::ComputeRectBoxFrictionSlope(100, 5, 4, -1, 0.012), AppError);
    EXPECT_THROW(RectGeom::ComputeRectOpenFrictionSlope(100, 0, 0, 0.012), AppError);
    EXPECT_THROW(RectGeom::ComputeRectOpenFrictionSlope(100, 5, 0, 0.012), AppError);
}

TEST(RectGeom, ManningDischargeUsesTheOpenPerimeterEvenAtTheRise) {
    // By hand at y = D = 4: A = 20, P = 5 + 8 = 13 (not 2D + 2B).
    EXPECT_NEAR(RectGeom::ComputeRectManningQ(0.012, 5, 4, 0.01), 330.05931039399525, 1e-9);
    struct Case {
        double n, B, y, S;
    };
    const Case zero[] = {{0, 5, 2, 0.01},  {0.012, 0, 2, 0.01},  {0.012, 5, 0, 0.01},
                         {0.012, 5, 2, 0}, {-0.012, 5, 2, 0.01}, {0.012, 5, 2, -0.01}};
    for (const auto& c : zero) {
        EXPECT_EQ(RectGeom::ComputeRectManningQ(c.n, c.B, c.y, c.S), 0);
    }
}

TEST(RectGeom, NormalDepth) {
    struct Case {
        double Q, S;
        int status;
        double depth; // expected, by hand from Manning's equation
        double tolerance;
        int flag;
        int iterations; // -1: not checked
    };
    const Case cases[] = {
        {100, 0.01, 1, 1.6296963989037128, 0.001, 0, 13},
        {400, 0.01, 3, 4, 0, 1, 0},  // above the open-channel maximum of about 330
        {1e-6, 0.01, 1, 0, 0, 0, 0}, // carried at 0.001 ft already: depth 0
        {100, 0, 3, 4, 0, 1, 0},     // no slope: no discharge at any depth
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "Q " << c.Q << " S " << c.S);
        double depth = -99;
        int flag = -1, iterations = -1;
        std::string message = "stale";
        const int status = RectGeom::ComputeRectNormalDepth(c.Q, 5, 4, 0.012, c.S, depth, flag,
                                                            message, iterations);
        EXPECT_EQ(status, c.status);
        EXPECT_NEAR(depth, c.depth, c.tolerance);
        EXPECT_EQ(flag, c.flag);
        EXPECT_EQ(message, c.flag ? TooLarge : "");
        EXPECT_EQ(iterations, c.iterations);
    }
}

TEST(RectGeom, NormalDepthOfExactlyTheMaximumIsTheRise) {
    const double Qmax = RectGeom::ComputeRectManningQ(0.012, 5, 4, 0.01);
    double depth = 0;
    int flag = 0, iterations = 0;
    std::string message;
    EXPECT_EQ(
        RectGeom::ComputeRectNormalDepth(Qmax, 5, 4, 0.012, 0.01, depth, flag, message, iterations),
        1);
    EXPECT_EQ(depth, 4);
    EXPECT_EQ(flag, 0);
}

TEST(RectGeom, NormalDepthOfADischargeThatIsNotANumberIsAnError) {
    double depth = 0;
    int flag = 0, iterations = 0;
    std::string message;
    EXPECT_THROW(RectGeom::ComputeRectNormalDepth(std::nan(""), 5, 4, 0.012, 0.01, depth, flag,
                                                  message, iterations),
                 AppError);
}

} // namespace
