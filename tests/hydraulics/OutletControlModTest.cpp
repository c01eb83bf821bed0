#include "hydraulics/OutletControlMod.h"

#include "platform/AppError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

using namespace OutletControlMod;

constexpr double g = 32.1726;

// The federal culvert manual's full-flow outlet-control head loss (HDS-5, U.S.
// units): H = (1 + Ke + 29 n^2 L / R^1.33) V^2 / 2g.
double ManualHead(double Q, double n, double L, double Ke, double A, double R) {
    const double V = Q / A;
    return (1 + Ke + 29 * n * n * L / std::pow(R, 1.33)) * V * V / (2 * g);
}

TEST(OutletControl, ExampleHeads) {
    // By hand: H = (1 + Ke) V^2 / 2g + Sf L with the full barrel.
    EXPECT_NEAR(ComputeCircOutletHead(50, 0.012, 100, 3, 0.5), 1.6452416865647708, 1e-9);
    EXPECT_NEAR(ComputeBoxOutletHead(100, 0.012, 100, 5, 4, 0.5), 0.7244565521962023, 1e-12);
    EXPECT_EQ(ComputeCircOutletHead(0, 0.012, 100, 3, 0.5), 0);
    EXPECT_EQ(ComputeBoxOutletHead(0, 0.012, 100, 5, 4, 0.5), 0);
}

TEST(OutletControl, TailwaterTerm) {
    struct Case {
        const char* barrel;
        double Q, TW, ho, tolerance;
    };
    // Critical depths: 3 ft pipe at 50 ft^3/s 2.3016 ft; 5 ft box at 100 ft^3/s
    // 2.3166 ft; at 600 ft^3/s 7.65 ft, above the 4 ft height.
    const Case cases[] = {
        {"circle", 50, 0, 2.6507832634308284, 0.0005},
        {"circle", 50, 2.65, 2.6507832634308284, 0.0005},
        {"circle", 50, 2.8, 2.8, 0},
        {"circle", 0, 0, 1.5, 0},
        {"box", 100, 0, 3.1583183815692397, 1e-12},
        {"box", 100, 3.5, 3.5, 0},
        {"box", 600, 0, 4, 0},
        {"box", 0, 1, 2, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.barrel << " Q " << c.Q << " TW " << c.TW);
        const double ho = std::string(c.barrel) == "circle" ? ComputeCircOutletHo(c.Q, 3, c.TW)
                                                            : ComputeBoxOutletHo(c.Q, 5, 4, c.TW);
        EXPECT_NEAR(ho, c.ho, c.tolerance);
    }
}

TEST(OutletControl, FullFlowHeadAgreesWithTheFederalManualWithinOnePercent) {
    struct Case {
        const char* barrel;
        double Q, n, L, Ke, B, D;
    };
    const Case cases[] = {
        {"circle", 50, 0.012, 100, 0.5, 0, 3},  {"circle", 50, 0.012, 400, 0.2, 0, 3},
        {"circle", 20, 0.024, 250, 0.9, 0, 2},  {"circle", 200, 0.024, 200, 0.7, 0, 6},
        {"circle", 400, 0.012, 600, 0.5, 0, 8}, {"box", 100, 0.012, 100, 0.5, 5, 4},
        {"box", 400, 0.012, 250, 0.2, 8, 6},    {"box", 60, 0.015, 500, 0.7, 3, 2},
        {"box", 900, 0.012, 150, 0.4, 10, 8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.barrel << " Q " << c.Q << " L " << c.L);
        const bool circle = std::string(c.barrel) == "circle";
        // Full barrel by hand: circle A = pi D^2 / 4, R = D / 4; box A = BD, R = BD / (2B + 2D).
        const double A = circle ? std::numbers::pi * c.D * c.D / 4 : c.B * c.D;
        const double R = circle ? c.D / 4 : c.B * c.D / (2 * c.B + 2 * c.D);
        const double H = circle ? ComputeCircOutletHead(c.Q, c.n, c.L, c.D, c.Ke)
                                : ComputeBoxOutletHead(c.Q, c.n, c.L, c.B, c.D, c.Ke);
        const double manual = ManualHead(c.Q, c.n, c.L, c.Ke, A, R);
        EXPECT_LT(std::abs(H - manual) / manual, 0.01) << "H " << H << " manual " << manual;
    }
}

TEST(OutletControl, PipeArch) {
    // The example pipe-arch (span 6, rise 4.0571, radii 7, 3.25, 1.5 ft): full
    // area 19.2522 ft^2, full perimeter 16.0672 ft; by hand H = 1.22896 at
    // Q = 100, n = 0.025, L = 100, Ke = 0.5. Its critical depth at Q = 100 is 2.3201.
    const double B = 6, D = 4.057109559004822, Rb = 7, Rt = 3.25, Rc = 1.5;
    EXPECT_NEAR(ComputeArchOutletHead(100, 0.025, 100, B, D, Rb, Rt, Rc, 0.5), 1.2289624744718002,
                1e-8);
    const double manual =
        ManualHead(100, 0.025, 100, 0.5, 19.252197454246, 19.252197454246 / 16.06720970210101);
    EXPECT_LT(std::abs(ComputeArchOutletHead(100, 0.025, 100, B, D, Rb, Rt, Rc, 0.5) - manual) /
                  manual,
              0.01);
    EXPECT_NEAR(ComputeArchOutletHo(100, B, D, Rb, Rt, Rc, 0), (2.3200982851065133 + D) / 2,
                0.0005);
    EXPECT_EQ(ComputeArchOutletHo(100, B, D, Rb, Rt, Rc, 5), 5);
    EXPECT_EQ(ComputeArchOutletHo(5000, B, D, Rb, Rt, Rc, 0), D);
    EXPECT_EQ(ComputeArchOutletHo(0, B, D, Rb, Rt, Rc, 0), D / 2);
}

TEST(OutletControl, ABarrelWithoutAreaIsAnErrorNotInfinity) {
    EXPECT_THROW(ComputeCircOutletHead(50, 0.012, 100, 0, 0.5), AppError);
    EXPECT_THROW(ComputeCircOutletHead(50, 0.012, 100, -3, 0.5), AppError);
    EXPECT_THROW(ComputeBoxOutletHead(100, 0.012, 100, 0, 4, 0.5), AppError);
    EXPECT_THROW(ComputeBoxOutletHead(100, 0.012, 100, 5, 0, 0.5), AppError);
    EXPECT_THROW(ComputeBoxOutletHead(100, 0.012, 100, -5, -4, 0.5), AppError);
    EXPECT_THROW(ComputeArchOutletHead(100, 0.025, 100, 6, 4, 7, 3.25, 7.5, 0.5), AppError);
    EXPECT_THROW(ComputeArchOutletHo(100, 6, 4, 7, 3.25, 7.5, 0), AppError);
}

} // namespace
