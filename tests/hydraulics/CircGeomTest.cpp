#include "hydraulics/CircGeom.h"

#include "platform/AppError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

namespace {

constexpr double g = 32.1726;
constexpr double PiLiteral = 3.14159265358979;
const std::string TooLarge = "Flowrate greater than maximum normal depth flowrate in the pipe";

// The circular segment by its central angle theta = 2 acos(1 - 2y/D), as the
// hydraulics handbooks give it: A = D^2 (theta - sin theta) / 8, P = D theta / 2,
// T = D sin(theta / 2).
struct Segment {
    double A, P, T;
};
Segment HandbookSegment(double D, double y) {
    const double theta = 2 * std::acos(1 - 2 * y / D);
    return {D * D * (theta - std::sin(theta)) / 8, D * theta / 2, D * std::sin(theta / 2)};
}

TEST(CircGeom, TopWidthExamples) {
    struct Case {
        double D, y, T;
    };
    const Case cases[] = {
        {3, 1.5, 3},
        {3, 1.4991, 3},
        {3, 1.5009, 3}, // within 0.001 of the centre: exactly D
        {3, 3, 0},
        {3, 3.5, 0},
        {3, 0, 0},
        {3, -1, 0},
        {0.0009, 0.0004, 0},        // D below 0.001
        {3, 1, 2 * std::sqrt(2.0)}, // by hand: 2 sqrt(1.5^2 - 0.5^2)
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(CircGeom::ComputeCircTopWidth(c.D, c.y), c.T, 1e-12)
            << "D " << c.D << " y " << c.y;
    }
}

TEST(CircGeom, FlowAreaAndPerimeterExamples) {
    struct Case {
        double D, y, A, P;
    };
    const double halfArea = PiLiteral * 1.5 * 1.5 / 2;
    const Case cases[] = {
        {3, 1.5, halfArea, PiLiteral * 1.5},
        {3, 1.0, 2.062551907830196, 3.6928782520223242},
        {3, 2.0, 5.006031562746839, 5.731899708747055},
        {3, 3.0, PiLiteral * 9 / 4, PiLiteral * 3},
        {3, 5.0, PiLiteral * 9 / 4, PiLiteral * 3}, // above the crown: still the full circle
        {3, 0, 0, 0},
        {0.0009, 0.0005, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "D " << c.D << " y " << c.y);
        EXPECT_NEAR(CircGeom::ComputeCircFlowArea(c.D, c.y), c.A, 1e-12);
        EXPECT_NEAR(CircGeom::ComputeCircWettedPerimeter(c.D, c.y), c.P, 1e-12);
    }
}

TEST(CircGeom, FullFlowAreaAndPerimeterArePiDSquaredOverFourAndPiD) {
    for (double D : {1.0, 1.5, 3.0, 6.0, 12.0}) {
        SCOPED_TRACE(testing::Message() << "D " << D);
        EXPECT_NEAR(CircGeom::ComputeCircFlowArea(D, D), std::numbers::pi * D * D / 4,
                    1e-12 * D * D);
        EXPECT_NEAR(CircGeom::ComputeCircWettedPerimeter(D, D), std::numbers::pi * D, 1e-12 * D);
        EXPECT_NEAR(CircGeom::ComputeCircFlowArea(D, D + 0.1), std::numbers::pi * D * D / 4,
                    1e-12 * D * D);
    }
}

TEST(CircGeom, PartFullGeometryAgreesWithTheCentralAngleFormulas) {
    for (double D : {1.0, 3.0, 7.5}) {
        for (double fraction : {0.01, 0.1, 0.25, 0.4, 0.49, 0.51, 0.6, 0.75, 0.9, 0.99}) {
            const double y = fraction * D;
            SCOPED_TRACE(testing::Message() << "D " << D << " y " << y);
            const Segment s = HandbookSegment(D, y);
            EXPECT_NEAR(CircGeom::ComputeCircFlowArea(D, y), s.A, 1e-12 * D * D);
            EXPECT_NEAR(CircGeom::ComputeCircWettedPerimeter(D, y), s.P, 1e-12 * D);
            EXPECT_NEAR(CircGeom::ComputeCircTopWidth(D, y), s.T, 1e-12 * D);
        }
    }
}

TEST(CircGeom, CriticalDepthSolvesQSquaredOverGEqualsACubedOverT) {
    // Roots of Q^2/g = A^3/T found independently with the central-angle formulas.
    struct Case {
        double Q, D, dc;
    };
    const Case cases[] = {
        {10, 2, 1.131665468615037},  {50, 3, 2.3015665268616567},  {100, 4, 3.0303179989705376},
        {300, 6, 4.733647079322571}, {5, 1.5, 0.8603960284552723},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "Q " << c.Q << " D " << c.D);
        int iterations = -1;
        const double dc = CircGeom::ComputeCircCriticalDepth(c.Q, c.D, iterations);
        EXPECT_NEAR(dc, c.dc, 0.001);
        EXPECT_GT(iterations, 0);
        EXPECT_LE(iterations, 100);
        const Segment s = HandbookSegment(c.D, dc);
        EXPECT_NEAR(s.A * s.A * s.A / s.T / (c.Q * c.Q / g), 1.0, 0.005);
    }
    int iterations = -1;
    EXPECT_NEAR(CircGeom::ComputeCircCriticalDepth(50, 3, iterations), 2.30, 0.005);
    EXPECT_EQ(iterations, 13);
}

TEST(CircGeom, CriticalDepthBounds) {
    struct Case {
        double Q, D, dc;
    };
    const Case cases[] = {
        {1000, 3, 3},     // critical above 0.985 D: the full diameter, no passes
        {1e-9, 3, 0.001}, // critical below 0.001 ft: the lower bound
        {0, 3, 0},        {-5, 3, 0}, {50, 0.001, 0}, {50, 0, 0},
    };
    for (const auto& c : cases) {
        int iterations = -1;
        EXPECT_EQ(CircGeom::ComputeCircCriticalDepth(c.Q, c.D, iterations), c.dc)
            << "Q " << c.Q << " D " << c.D;
        EXPECT_EQ(iterations, 0);
    }
}

TEST(CircGeom, ManningDischarge) {
    // Full pipe by hand: Q = (1.486 / n) (pi D^2 / 4) (D / 4)^(2/3) sqrt(S).
    EXPECT_NEAR(CircGeom::ComputeCircManningQ(3, 0.012, 3, 0.01), 72.25659017012606, 1e-9);
    EXPECT_NEAR(CircGeom::ComputeCircManningQ(4, 0.024, 4.5, 0.005), 55.01770038419443, 1e-9);
    // The open-channel maximum at 0.9381812109 D, from the central-angle formulas.
    EXPECT_NEAR(CircGeom::ComputeCircManningQ(3, 0.012, 0.9381812109 * 3, 0.01), 77.72685693558196,
                1e-9);
    EXPECT_EQ(CircGeom::ComputeCircManningQ(0, 0.012, 1, 0.01), 0);
    EXPECT_EQ(CircGeom::ComputeCircManningQ(3, 0.012, 0, 0.01), 0);
    EXPECT_EQ(CircGeom::ComputeCircManningQ(3, 0.012, 1, 0), 0);
    // Unguarded inputs that would divide by zero or take the root of a negative slope.
    EXPECT_THROW(CircGeom::ComputeCircManningQ(3, 0, 1, 0.01), AppError);
    EXPECT_THROW(CircGeom::ComputeCircManningQ(3, 0.012, 1, -0.01), AppError);
    EXPECT_THROW(CircGeom::ComputeCircManningQ(0.0005, 0.012, 0.0002, 0.01), AppError);
}

TEST(CircGeom, NormalDepth) {
    struct Case {
        double Q, S;
        int status;
        double depth, tolerance;
        int flag;
    };
    const Case cases[] = {
        {50, 0.01, 1, 1.8353333788913972, 0.001, 0},
        // Above the full-pipe 72.26 but below the open-channel maximum 77.73 (see
        // ManningDischarge): a depth below 0.9381812109 D, 2.575860585605438 by
        // bisection on the central-angle formulas in Python.
        {75, 0.01, 1, 2.575860585605438, 0.001, 0},
        {200, 0.01, 3, 3, 0, 1},  // above the open-channel maximum of about 77.7
        {1e-7, 0.01, 1, 0, 0, 0}, // carried at 0.001 ft already
        {50, 0, 3, 3, 0, 1},      // no slope: no discharge at any depth
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "Q " << c.Q << " S " << c.S);
        double depth = -99;
        int flag = -1, iterations = -1;
        std::string message = "stale";
        EXPECT_EQ(
            CircGeom::ComputeCircNormalDepth(3, c.Q, 0.012, c.S, depth, flag, message, iterations),
            c.status);
        EXPECT_NEAR(depth, c.depth, c.tolerance);
        EXPECT_EQ(flag, c.flag);
        EXPECT_EQ(message, c.flag ? TooLarge : "");
        EXPECT_LE(iterations, 100);
    }
}

} // namespace
