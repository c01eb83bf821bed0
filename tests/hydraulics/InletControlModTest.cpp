#include "hydraulics/InletControlMod.h"

#include "platform/AppError.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace InletControlMod;

// A set of inlet-control coefficients with its unsubmerged form.
struct Inlet {
    int form;
    double K, M, c, Y;
};

// Example coefficients.
constexpr Inlet Example{1, 0.5, 0.7, 0.04, 0.8};
// FHWA HDS-5, chart 1 scale 1: circular concrete, square edge with headwall.
constexpr Inlet ConcreteSquareEdge{1, 0.0098, 2.0, 0.0398, 0.67};
// FHWA HDS-5, chart 8 scale 1: box with 30 to 75 degree (here 45 degree) wingwall flares.
constexpr Inlet BoxFlared45{1, 0.026, 1.0, 0.0347, 0.81};

struct Ratios {
    double combined, submerged, unsubmerged;
};

Ratios Box(double Q, double B, double D, double S, const Inlet& i, int mitered) {
    return {ComputeBoxInletControlHWRatio(Q, B, D, S, i.form, i.K, i.M, i.c, i.Y, mitered),
            ComputeBoxSubmergedHWRatio(Q, B, D, S, i.c, i.Y, mitered),
            ComputeBoxUnsubmergedHWRatio(Q, B, D, S, i.form, i.K, i.M, mitered)};
}

Ratios Circ(double Q, double D, double S, const Inlet& i, int mitered) {
    return {ComputeCircInletControlHWRatio(Q, D, S, i.form, i.K, i.M, i.c, i.Y, mitered),
            ComputeCircSubmergedHWRatio(Q, D, S, i.c, i.Y, mitered),
            ComputeCircUnsubmergedHWRatio(Q, D, S, i.form, i.K, i.M, mitered)};
}

TEST(InletControl, ExampleBoxAcrossTheTransition) {
    // 5 ft x 4 ft box, example coefficients, S = 0.01; x = Q / (20 * 2).
    struct Case {
        double Q;
        int mitered;
        double combined, submerged, unsubmerged;
    };
    const Case cases[] = {
        {140, 0, 2.2839558385294567, 1.285, 2.2839558385294567},  // x = 3.5: unsubmerged
        {160, 0, 1.435, 1.435, 2.502925853419023},                // x = 4.0: submerged
        {150, 0, 2.3945928769760805, 1.3575, 2.3945928769760805}, // x = 3.75: the larger
        {100, 0, 1.8133110273423974, 1.045, 1.8133110273423974},  // x = 2.5
        {100, 1, 1.8253110273423971, 1.057, 1.8253110273423971},  // mitered: 0.012 more
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "Q " << c.Q << " mitered " << c.mitered);
        const Ratios r = Box(c.Q, 5, 4, 0.01, Example, c.mitered);
        EXPECT_NEAR(r.combined, c.combined, 1e-12);
        EXPECT_NEAR(r.submerged, c.submerged, 1e-12);
        EXPECT_NEAR(r.unsubmerged, c.unsubmerged, 1e-12);
    }
    EXPECT_NEAR(Box(100, 5, 4, 0.01, Example, 1).combined -
                    Box(100, 5, 4, 0.01, Example, 0).combined,
                0.012, 1e-12);
}

TEST(InletControl, AnUnknownFormGivesZeroUnsubmergedAndTheSubmergedValueInTheTransition) {
    const Inlet form3{3, 0.5, 0.7, 0.04, 0.8};
    EXPECT_EQ(Box(100, 5, 4, 0.01, form3, 0).combined, 0);
    EXPECT_EQ(Box(100, 5, 4, 0.01, form3, 0).unsubmerged, 0);
    EXPECT_NEAR(Box(150, 5, 4, 0.01, form3, 0).combined, 1.3575, 1e-12);
    EXPECT_EQ(Circ(20, 3, 0.01, form3, 0).combined, 0);
}

TEST(InletControl, OutOfRangeInputGivesZero) {
    struct Case {
        double Q, B, D;
    };
    const Case cases[] = {{0, 5, 4}, {-10, 5, 4}, {100, 0, 4}, {100, 5, 0}, {100, -5, 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "Q " << c.Q << " B " << c.B << " D " << c.D);
        const Ratios box = Box(c.Q, c.B, c.D, 0.01, Example, 0);
        EXPECT_EQ(box.combined, 0);
        EXPECT_EQ(box.submerged, 0);
        EXPECT_EQ(box.unsubmerged, 0);
        if (c.Q <= 0 || c.D <= 0) { // a circle has no span
            const Ratios circ = Circ(c.Q, c.D, 0.01, Example, 0);
            EXPECT_EQ(circ.combined, 0);
            EXPECT_EQ(circ.submerged, 0);
            EXPECT_EQ(circ.unsubmerged, 0);
        }
        EXPECT_EQ(ComputePipeArchInletControlHWRatio(c.Q, c.B, c.D, 7, 3.25, 1.5, 0.01, 1, 0.5, 0.7,
                                                     0.04, 0.8, 0),
                  0);
    }
}

// The HDS-5 equations evaluated by hand (critical depth of the pipe from the
// central-angle segment formulas), S = 0.02.
TEST(InletControl, ConcretePipe36InchSquareEdgeWithHeadwall) {
    struct Case {
        double Q;
        int mitered;
        double combined, submerged, unsubmerged;
    };
    const Case cases[] = {
        {30, 0, 0.886374, 0.898968, 0.886374}, // x = 2.45, unsubmerged
        {46, 0, 1.221840, 1.221840, 1.216831}, // x = 3.76, transition: submerged is larger
        {70, 0, 1.961047, 1.961047, 1.775083}, // x = 5.72, submerged
        {30, 1, 0.910374, 0.922968, 0.910374}, // mitered: Ks = +0.7
        {46, 1, 1.245840, 1.245840, 1.240831}, {70, 1, 1.985047, 1.985047, 1.799083},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "Q " << c.Q << " mitered " << c.mitered);
        const Ratios r = Circ(c.Q, 3, 0.02, ConcreteSquareEdge, c.mitered);
        EXPECT_NEAR(r.combined, c.combined, 2e-6);
        EXPECT_NEAR(r.submerged, c.submerged, 2e-6);
        EXPECT_NEAR(r.unsubmerged, c.unsubmerged, 2e-6);
    }
}

TEST(InletControl, Box5By4With45DegreeWingwallFlares) {
    struct Case {
        double Q;
        int mitered;
        double combined, submerged, unsubmerged;
    };
    const Case cases[] = {
        {100, 0, 0.923739, 1.016875, 0.923739}, // x = 2.5, unsubmerged
        {150, 0, 1.287969, 1.287969, 1.225870}, // x = 3.75, transition: submerged is larger
        {200, 0, 1.667500, 1.667500, 1.499037}, // x = 5.0, submerged
        // x = 140 / 20 / 2 = 3.5 exactly, the lower limit of the transition, where this
        // inlet's submerged value is the larger and the unsubmerged one still governs:
        // dc = (140^2 / (5^2 g))^(1/3) = 2.899190 ft, Hc = 1.5 dc = 4.348785 ft;
        // unsubmerged 4.348785 / 4 + 0.026 * 3.5 - 0.5 * 0.02 = 1.168196,
        // submerged 0.0347 * 3.5^2 + 0.81 - 0.5 * 0.02 = 1.225075.
        {140, 0, 1.168196, 1.225075, 1.168196},
        {100, 1, 0.947739, 1.040875, 0.947739},
        {150, 1, 1.311969, 1.311969, 1.249870},
        {200, 1, 1.691500, 1.691500, 1.523037},
        {140, 1, 1.192196, 1.249075, 1.192196},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "Q " << c.Q << " mitered " << c.mitered);
        const Ratios r = Box(c.Q, 5, 4, 0.02, BoxFlared45, c.mitered);
        EXPECT_NEAR(r.combined, c.combined, 1e-6);
        EXPECT_NEAR(r.submerged, c.submerged, 1e-6);
        EXPECT_NEAR(r.unsubmerged, c.unsubmerged, 1e-6);
    }
}

TEST(InletControl, CircularCriticalHeadAtTheFullDiameterAndTheAreaFloor) {
    // Q = 1000 in a 3 ft pipe is critical above 0.985 D, so dc = D and Hc uses the
    // full area: Hc = 3 + (1000 / 7.0686)^2 / 2g.
    EXPECT_NEAR(Circ(1000, 3, 0.01, ConcreteSquareEdge, 0).unsubmerged, 170.05493905887266, 1e-6);
    // A tiny discharge is critical at the lower bound 0.001 ft, whose area
    // (7.3E-5 ft^2) is raised to 0.001 ft^2.
    EXPECT_NEAR(Circ(1e-6, 3, 0.01, ConcreteSquareEdge, 0).unsubmerged, -0.004666661486275005,
                1e-12);
}

TEST(InletControl, FormTwoIsKTimesXToTheM) {
    const Inlet form2{2, 0.51, 0.667, 0.0309, 0.80};
    const double x = 100.0 / 20 / 2;
    EXPECT_NEAR(Box(100, 5, 4, 0.01, form2, 0).combined, 0.51 * std::pow(x, 0.667), 1e-12);
    EXPECT_NEAR(Box(100, 5, 4, 0.01, form2, 1).combined, 0.51 * std::pow(x, 0.667), 1e-12);
}

TEST(InletControl, PipeArch) {
    // The example pipe-arch (span 6, bottom radius 7, top 3.25, corner 1.5 ft,
    // closed at rise 4.0571 ft) has a full area of 19.2522 ft^2 and a critical
    // depth of 2.3201 ft (flow area 12.1281 ft^2) at Q = 100.
    const double B = 6, D = 4.057109559004822, Rb = 7, Rt = 3.25, Rc = 1.5;
    const double x = 100 / 19.252197454246 / std::sqrt(D);
    const double S = 0.01;
    EXPECT_NEAR(ComputePipeArchSubmergedHWRatio(100, B, D, Rb, Rt, Rc, S, 0.0379, 0.69, 0),
                0.0379 * x * x + 0.69 - 0.5 * S, 1e-9);
    EXPECT_NEAR(ComputePipeArchUnsubmergedHWRatio(100, B, D, Rb, Rt, Rc, S, 2, 0.5, 0.7, 0),
                0.5 * std::pow(x, 0.7), 1e-9);
    // Form 1 by hand from the critical depth: Hc = dc + (Q / Ac)^2 / 2g.
    const double dc = 2.3200982851065133;
    const double Ac = 12.128050074171862;
    const double Hc = dc + (100 / Ac) * (100 / Ac) / (2 * 32.1726);
    EXPECT_NEAR(ComputePipeArchUnsubmergedHWRatio(100, B, D, Rb, Rt, Rc, S, 1, 0.0083, 2.0, 0),
                Hc / D + 0.0083 * x * x - 0.5 * S, 1e-5);
    EXPECT_NEAR(ComputePipeArchInletControlHWRatio(100, B, D, Rb, Rt, Rc, S, 1, 0.0083, 2.0, 0.0379,
                                                   0.69, 0),
                Hc / D + 0.0083 * x * x - 0.5 * S, 1e-5);
    // A discharge critical below 0.0001 ft: the area there is taken as 0.001 ft^2.
    const double tiny =
        ComputePipeArchUnsubmergedHWRatio(1e-9, B, D, Rb, Rt, Rc, S, 1, 0.0083, 2.0, 0);
    EXPECT_TRUE(std::isfinite(tiny));
    EXPECT_NEAR(tiny, -0.5 * S, 1e-9);
    // Radii that cannot form a section are an error.
    EXPECT_THROW(ComputePipeArchInletControlHWRatio(100, B, D, 7, 3.25, 7.5, S, 1, 0.0083, 2.0,
                                                    0.0379, 0.69, 0),
                 AppError);
}

TEST(InletControl, ABoxTooNarrowForACriticalDepthIsAnErrorInFormOne) {
    EXPECT_THROW(ComputeBoxUnsubmergedHWRatio(1, 0.0005, 4, 0.01, 1, 0.5, 0.7, 0), AppError);
    EXPECT_TRUE(std::isfinite(ComputeBoxUnsubmergedHWRatio(1, 0.0005, 4, 0.01, 2, 0.5, 0.7, 0)));
}

} // namespace
