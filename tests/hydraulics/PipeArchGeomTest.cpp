#include "hydraulics/PipeArchGeom.h"

#include "platform/AppError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

namespace {

using namespace PipeArchGeom;

const std::string TooLarge = "Flowrate greater than maximum normal depth flowrate in the pipe";

struct Section {
    double B, rise, Rb, Rt, Rc;
};

// Span 6, bottom radius 7, top radius 3.25, corner radius 1.5 (ft), with the
// rise at which the three arcs are mutually tangent:
// rise = Rt + yc - sqrt((Rt - Rc)^2 - (B/2 - Rc)^2), yc = Rb - sqrt((Rb - Rc)^2 - (B/2 - Rc)^2).
const Section Example{6, 4.057109559004822, 7, 3.25, 1.5};

// Reference values of the example section from an independent construction:
// tangent points along the lines of centres, flow area by integrating the half
// widths of the three arcs, perimeter by arc angles, critical and normal depth
// and the conveyance maximum by bisection and golden-section search on those.
constexpr double ExampleYc = 1.7084973778708186;
constexpr double ExampleY1 = 0.2653602991083144;
constexpr double ExampleY2 = 2.4811155083273873;
constexpr double ExampleFullArea = 19.252197454246;
constexpr double ExampleFullPerimeter = 16.06720970210101;

double Area(const Section& s, double y) {
    return ComputeArchFlowArea(s.B, s.rise, s.Rb, s.Rt, s.Rc, y);
}
double Width(const Section& s, double y) {
    return ComputeArchTopWidth(s.B, s.rise, s.Rb, s.Rt, s.Rc, y);
}
double Perimeter(const Section& s, double y) {
    return ComputeArchWettedPerimeter(s.B, s.rise, s.Rb, s.Rt, s.Rc, y);
}
double Conveyance(const Section& s, double y) {
    return ComputeArchConveyanceFactor(y, s.B, s.rise, s.Rb, s.Rt, s.Rc);
}

// Simpson's rule after the substitution y = a + (b - a)(1 - cos(pi u)) / 2,
// which smooths the square-root behaviour of the width at the invert and crown.
double Integrate(const std::function<double(double)>& f, double a, double b, int panels) {
    auto F = [&](double u) {
        const double y = a + (b - a) * (1 - std::cos(std::numbers::pi * u)) / 2;
        return f(y) * (b - a) * std::numbers::pi * std::sin(std::numbers::pi * u) / 2;
    };
    const double h = 1.0 / panels;
    double sum = F(0) + F(1);
    for (int i = 1; i < panels; ++i) {
        sum += F(i * h) * (i % 2 ? 4 : 2);
    }
    return sum * h / 3;
}

// Concrete arch pipes (span, rise, bottom, top and corner radius in inches) and
// their tabulated full areas (ft^2), from the public shape database.
struct CatalogueArch {
    double span, rise, Rb, Rt, Rc, area;
};
const CatalogueArch ConcreteArches[] = {
    {18, 11, 22.87, 10.62, 4.03, 1.092},       {22, 13.5, 27.5, 13.75, 5.25, 1.65},
    {26, 15.5, 35.5, 14.75, 5.25, 2.206},      {28.5, 18, 40.68, 14.56, 4.59, 2.792},
    {36.25, 22.5, 51, 18.75, 6.03, 4.424},     {43.75, 26.625, 62, 22.5, 6.37, 6.292},
    {51.125, 31.3125, 73, 26.25, 7.56, 8.657}, {58.5, 36, 84, 30, 8.75, 11.397},
    {65, 40, 92.5, 33.37, 9.81, 14.067},       {73, 45, 105, 37.5, 11.22, 17.79},
    {88, 54, 126, 45, 12.56, 25.686},          {102, 62, 162.5, 52, 13.97, 34.27},
    {115, 72, 183, 59, 19.28, 45.142},         {122, 77.25, 218, 62, 20.06, 51.629},
    {138, 87.125, 269, 70, 22.37, 66.002},     {154, 96.875, 301.37, 78, 24.13, 81.86},
};
// Corrugated steel pipe-arches (inches); their radii close the section only
// to within an inch or two of the listed rise.
const Section SteelArchesInches[] = {
    {17, 13, 25.625, 8.625, 3.5},     {21, 15, 33.125, 10.75, 4.13},
    {24, 18, 34.625, 11.875, 4.875},  {28, 20, 42.25, 14, 5.5},
    {35, 24, 55.125, 17.875, 6.875},  {42, 29, 66.125, 21.5, 8.25},
    {49, 33, 77.25, 25.125, 9.625},   {57, 38, 88.25, 28.625, 11},
    {64, 43, 99.25, 32.25, 12.375},   {71, 47, 110.25, 35.75, 13.75},
    {77, 52, 121.25, 39.375, 15.125}, {83, 57, 132.25, 43, 16.25},
};

Section Feet(const Section& inches) {
    return {inches.B / 12, inches.rise / 12, inches.Rb / 12, inches.Rt / 12, inches.Rc / 12};
}
Section Feet(const CatalogueArch& a) {
    return {a.span / 12, a.rise / 12, a.Rb / 12, a.Rt / 12, a.Rc / 12};
}

TEST(PipeArchGeom, ZoneHeightsOfTheExampleSection) {
    const Section& s = Example;
    EXPECT_NEAR(ComputeArchCornerCentreHeight(s.B, s.Rb, s.Rc), ExampleYc, 1e-12);
    EXPECT_NEAR(ComputeArchBottomTangentHeight(s.B, s.Rb, s.Rc), ExampleY1, 1e-12);
    EXPECT_NEAR(ComputeArchTopTangentHeight(s.B, s.rise, s.Rb, s.Rt, s.Rc), ExampleY2, 1e-12);
    EXPECT_EQ(Width(s, ExampleYc), 6.0); // the span, exactly
    EXPECT_EQ(Width(s, s.rise), 0.0);
}

TEST(PipeArchGeom, GeometryOfTheExampleSectionAgreesWithAnIndependentConstruction) {
    struct Case {
        double y, A, P, T;
    };
    const Case cases[] = {
        {1.0, 4.341562145344452, 6.275079420003733, 5.644262820182725},
        {2.0, 10.254112450193777, 8.337620608092445, 5.942805614573828},
        {3.0, 15.743387791353213, 10.670974520469008, 4.7973874197492},
        {3.5, 17.875584752049885, 12.204735937893732, 3.6391433457871885},
        {Example.rise, ExampleFullArea, ExampleFullPerimeter, 0},
        {Example.rise + 0.1, ExampleFullArea, ExampleFullPerimeter, 0},
        {Example.rise + 1.0, ExampleFullArea, ExampleFullPerimeter, 0},
        {0, 0, 0, 0},
        {-1, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "y " << c.y);
        EXPECT_NEAR(Area(Example, c.y), c.A, 1e-9);
        EXPECT_NEAR(Perimeter(Example, c.y), c.P, 1e-9);
        EXPECT_NEAR(Width(Example, c.y), c.T, 1e-9);
    }
    EXPECT_EQ(Area(Example, Example.rise + 0.1), Area(Example, Example.rise));
    EXPECT_EQ(Perimeter(Example, Example.rise + 1.0), Perimeter(Example, Example.rise));
}

TEST(PipeArchGeom, TopWidthIsContinuousAtBothTangentPoints) {
    const Section& s = Example;
    const double y1 = ComputeArchBottomTangentHeight(s.B, s.Rb, s.Rc);
    const double y2 = ComputeArchTopTangentHeight(s.B, s.rise, s.Rb, s.Rt, s.Rc);
    for (double y : {y1, y2}) {
        SCOPED_TRACE(testing::Message() << "y " << y);
        EXPECT_NEAR(Width(s, y - 1e-9), Width(s, y + 1e-9), 1e-6);
        EXPECT_NEAR(Width(s, y - 1e-6), Width(s, y + 1e-6), 1e-4);
    }
    // The same holds for a catalogue section that closes.
    const Section c = Feet(ConcreteArches[4]);
    for (double y : {ComputeArchBottomTangentHeight(c.B, c.Rb, c.Rc),
                     ComputeArchTopTangentHeight(c.B, c.rise, c.Rb, c.Rt, c.Rc)}) {
        EXPECT_NEAR(Width(c, y - 1e-9), Width(c, y + 1e-9), 1e-4) << "y " << y;
    }
}

TEST(PipeArchGeom, FlowAreaIsTheIntegralOfTheTopWidth) {
    for (const Section& s : {Example, Feet(ConcreteArches[0]), Feet(ConcreteArches[10])}) {
        SCOPED_TRACE(testing::Message() << "span " << s.B);
        auto T = [&](double y) { return Width(s, y); };
        EXPECT_NEAR(Integrate(T, 0, s.rise, 20000), Area(s, s.rise), 1e-6 * Area(s, s.rise));
        for (double fraction : {0.05, 0.3, 0.5, 0.8}) {
            const double y = fraction * s.rise;
            EXPECT_NEAR(Integrate(T, 0, y, 20000), Area(s, y), 1e-6 * Area(s, s.rise)) << "y " << y;
        }
    }
}

TEST(PipeArchGeom, FullAreaOfTheConcreteArchPipesMatchesTheirTabulatedArea) {
    for (const auto& a : ConcreteArches) {
        const Section s = Feet(a);
        EXPECT_NEAR(Area(s, s.rise), a.area, 0.01) << a.span << " x " << a.rise;
    }
}

TEST(PipeArchGeom, CatalogueSectionsForm) {
    for (const auto& a : ConcreteArches) {
        const Section s = Feet(a);
        EXPECT_EQ(CheckArchSection(s.B, s.rise, s.Rb, s.Rt, s.Rc), "") << a.span << " x " << a.rise;
    }
    for (const auto& inches : SteelArchesInches) {
        const Section s = Feet(inches);
        EXPECT_EQ(CheckArchSection(s.B, s.rise, s.Rb, s.Rt, s.Rc), "")
            << inches.B << " x " << inches.rise;
        EXPECT_TRUE(std::isfinite(Area(s, s.rise)));
    }
}

TEST(PipeArchGeom, MaxFlowDepthIsWithinAThousandthOfABruteForceSearch) {
    std::vector<Section> sections{Example};
    for (const auto& a : ConcreteArches) {
        sections.push_back(Feet(a));
    }
    for (const auto& inches : SteelArchesInches) {
        sections.push_back(Feet(inches));
    }
    for (const Section& s : sections) {
        SCOPED_TRACE(testing::Message() << "span " << s.B << " rise " << s.rise);
        double best = 0, bestK = -1;
        for (double y = 0.5 * s.rise; y <= s.rise; y += 1e-4) {
            const double k = Conveyance(s, y);
            if (k > bestK) {
                bestK = k;
                best = y;
            }
        }
        EXPECT_NEAR(FindArchMaxFlowDepth(s.B, s.rise, s.Rb, s.Rt, s.Rc), best, 0.001);
    }
    // The example, against the independent construction's maximum.
    EXPECT_NEAR(FindArchMaxFlowDepth(Example.B, Example.rise, Example.Rb, Example.Rt, Example.Rc),
                3.761733792437206, 0.001);
}

TEST(PipeArchGeom, CriticalDepth) {
    const Section& s = Example;
    struct Case {
        double Q, dc, tolerance;
        bool passes;
    };
    const Case cases[] = {
        {100, 2.3200982851065133, 0.001, true},
        {5000, s.rise, 0, false}, // critical above 0.985 rise: the rise
        {1e-9, 0, 0, false},      // critical below 0.0001 ft: 0
        {0, 0, 0, false},
        {-1, 0, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "Q " << c.Q);
        int iterations = -1;
        EXPECT_NEAR(ComputeArchCriticalDepth(c.Q, s.B, s.rise, s.Rb, s.Rt, s.Rc, iterations), c.dc,
                    c.tolerance);
        if (c.passes) {
            EXPECT_GT(iterations, 0);
            EXPECT_LE(iterations, 100);
        } else {
            EXPECT_EQ(iterations, 0);
        }
    }
}

TEST(PipeArchGeom, ManningDischargeAndNormalDepth) {
    const Section& s = Example;
    const double ymax = FindArchMaxFlowDepth(s.B, s.rise, s.Rb, s.Rt, s.Rc);
    // Independent construction at n = 0.025, S = 0.01: largest open-channel
    // discharge about 139.9, flowing full about 129.1 (at n = 0.024 they are
    // about 145.7 and 134.5).
    struct Flow {
        double n, atMax, full;
    };
    const Flow flows[] = {
        {0.025, 139.8545524018352, 129.09784859709404},
        {0.024, 139.8545524018352 * 0.025 / 0.024, 129.09784859709404 * 0.025 / 0.024}};
    for (const auto& f : flows) {
        EXPECT_NEAR(ComputeArchManningQ(s.B, s.rise, s.Rb, s.Rt, s.Rc, f.n, ymax, 0.01), f.atMax,
                    1e-3 * f.atMax);
        EXPECT_NEAR(ComputeArchManningQ(s.B, s.rise, s.Rb, s.Rt, s.Rc, f.n, s.rise, 0.01), f.full,
                    1e-6 * f.full);
    }
    EXPECT_EQ(ComputeArchManningQ(s.B, s.rise, s.Rb, s.Rt, s.Rc, 0.025, 0, 0.01), 0);
    EXPECT_EQ(ComputeArchManningQ(s.B, 0, s.Rb, s.Rt, s.Rc, 0.025, 1, 0.01), 0);
    EXPECT_THROW(ComputeArchManningQ(s.B, s.rise, s.Rb, s.Rt, s.Rc, 0, 1, 0.01), AppError);
    EXPECT_THROW(ComputeArchManningQ(s.B, s.rise, s.Rb, s.Rt, s.Rc, 0.025, 1, -0.01), AppError);

    struct Case {
        double Q;
        int status;
        double depth, tolerance;
        int flag;
    };
    const Case cases[] = {
        {100, 1, 2.546600681012902, 0.001, 0},
        {135, 1, 3.4088082067292644, 0.001, 0}, // more than flows full, less than the maximum
        {300, 3, s.rise, 0, 1},
        {1e-9, 1, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "Q " << c.Q);
        double depth = -99;
        int flag = -1, iterations = -1;
        std::string message = "stale";
        EXPECT_EQ(ComputeArchNormalDepth(c.Q, s.B, s.rise, s.Rb, s.Rt, s.Rc, 0.025, 0.01, depth,
                                         flag, message, iterations),
                  c.status);
        EXPECT_NEAR(depth, c.depth, c.tolerance);
        EXPECT_EQ(flag, c.flag);
        EXPECT_EQ(message, c.flag ? TooLarge : "");
    }
}

TEST(PipeArchGeom, SizesThatCannotFormASectionAreReportedNeverNaN) {
    struct Case {
        Section s;
        std::string message;
    };
    const Case cases[] = {
        {{0, 4, 7, 3.25, 1.5}, "The pipe-arch span must be > 0."},
        {{6, -4, 7, 3.25, 1.5}, "The pipe-arch rise must be > 0."},
        {{6, 4, 0, 3.25, 1.5}, "The pipe-arch bottom radius must be > 0."},
        {{6, 4, 7, -3.25, 1.5}, "The pipe-arch top radius must be > 0."},
        {{6, 4, 7, 3.25, 0}, "The pipe-arch corner radius must be > 0."},
        {{6, 4, 7, 3.25, 7}, "The pipe-arch corner radius must be smaller than the bottom radius."},
        {{6, 4, 7, 3.25, 8}, "The pipe-arch corner radius must be smaller than the bottom radius."},
        {{6, 4, 7, 3.25, 3}, "The pipe-arch corner radius must be smaller than half the span."},
        {{4, 4, 7, 3.25, 2.5}, "The pipe-arch corner radius must be smaller than half the span."},
        {{14, 4, 7, 3.25, 1.5}, "The pipe-arch bottom radius must be larger than half the span."},
        {{16, 4, 7, 3.25, 1.5}, "The pipe-arch bottom radius must be larger than half the span."},
        {{6, 4, 7, 1.5, 1.5}, "The pipe-arch top radius must be larger than the corner radius."},
        {{6, 1.5, 7, 3.25, 1.5}, "The pipe-arch rise is too small for its radii."},
        {{6, 40, 7, 3.25, 1.5}, "The pipe-arch rise is too large for its radii."},
    };
    for (const auto& c : cases) {
        const Section& s = c.s;
        SCOPED_TRACE(c.message);
        EXPECT_EQ(CheckArchSection(s.B, s.rise, s.Rb, s.Rt, s.Rc), c.message);
        auto expectReported = [&](const std::function<void()>& call) {
            try {
                call();
                ADD_FAILURE() << "no error";
            } catch (const AppError& error) {
                EXPECT_EQ(error.description, c.message);
            }
        };
        int iterations = 0, flag = 0;
        double depth = 0;
        std::string message;
        expectReported([&] { Area(s, 1); });
        expectReported([&] { Perimeter(s, 1); });
        expectReported([&] { Conveyance(s, 1); });
        expectReported([&] { FindArchMaxFlowDepth(s.B, s.rise, s.Rb, s.Rt, s.Rc); });
        expectReported([&] {
            ComputeArchNormalDepth(10, s.B, s.rise, s.Rb, s.Rt, s.Rc, 0.025, 0.01, depth, flag,
                                   message, iterations);
        });
        if (s.rise > 1) {
            expectReported([&] { Width(s, 1); });
            expectReported(
                [&] { ComputeArchManningQ(s.B, s.rise, s.Rb, s.Rt, s.Rc, 0.025, 1, 0.01); });
            expectReported(
                [&] { ComputeArchCriticalDepth(10, s.B, s.rise, s.Rb, s.Rt, s.Rc, iterations); });
        }
    }
}

TEST(PipeArchGeom, ZoneHeightsOfSizesThatCannotFormASection) {
    // Guards: a size that is not positive or Rc >= Rb gives yc = y1 = 0.
    EXPECT_EQ(ComputeArchCornerCentreHeight(6, 7, 7), 0);
    EXPECT_EQ(ComputeArchBottomTangentHeight(6, 7, 8), 0);
    EXPECT_EQ(ComputeArchCornerCentreHeight(0, 7, 1.5), 0);
    EXPECT_EQ(ComputeArchBottomTangentHeight(6, -7, 1.5), 0);
    // B/2 - Rc >= Rb - Rc: yc is 0 and y1 follows from it, below the invert.
    EXPECT_EQ(ComputeArchCornerCentreHeight(14, 7, 1.5), 0);
    const double y1 = ComputeArchBottomTangentHeight(14, 7, 1.5);
    EXPECT_NEAR(y1, -1.5 * std::cos(std::atan(5.5 / 7)), 1e-12);
    // B/2 = Rc divides by zero in the top tangent height: an error, not inf or nan.
    EXPECT_THROW(ComputeArchTopTangentHeight(6, 4, 7, 3.25, 3), AppError);
    // Corner centres beyond the axis whose arcs cannot reach the bottom arc.
    EXPECT_THROW(ComputeArchCornerCentreHeight(1, 3, 2.9), AppError);
}

// Closed sections worked by hand from the centres of the arcs: bottom centre
// (0, Rb), top centre (0, rise - Rt), corner centres (+-a, yc) at p = Rb - Rc
// from the first and q = Rt - Rc from the second; span = 2 (a + Rc). With the
// top centre d = Rb + Rt - rise below the bottom centre, the corner centre lies
// u = (p^2 - q^2 + d^2) / (2 d) below the bottom centre and a = sqrt(p^2 - u^2).
// The rise the radii reach runs from 2 Rc (a = 0) to Rt + Rb - sqrt(p^2 - m^2)
// - sqrt(q^2 - m^2), m = min(p, q); a rise outside gives the nearest end.
struct ClosedCase {
    const char* name;
    Section inches; // typed span (unused by the closed section), rise, radii
    double span, rise;
};
const ClosedCase ClosedCases[] = {
    // p = 20, q = 13, d = 21: u = (400 - 169 + 441) / 42 = 16, a = sqrt(400 - 256) = 12.
    {"closes exactly", {28, 16, 22, 15, 2}, 28, 16},
    // Rise above the most, 37 - sqrt(400 - 169) = 21.801316: a = q = 13, span 2 Rt.
    {"rise above what the radii reach", {30, 25, 22, 15, 2}, 30, 37 - std::sqrt(231.0)},
    // Rise below the least, 2 Rc: the corner circles alone.
    {"rise below what the radii reach", {28, 3, 22, 15, 2}, 4, 4},
    // The concrete 58.5 x 36: p = 75.25, q = 21.25, d = 78: u = 11295 / 156 =
    // 72.403846, a = sqrt(5662.5625 - 5242.316938) = 20.499894.
    {"concrete 58.5 x 36", {58.5, 36, 84, 30, 8.75}, 58.499787, 36},
    // Top radius 10 typed for 30: q = 1.25 and the most is 94 - sqrt(5661) = 18.760383.
    {"top radius 10 for 30", {58.5, 36, 84, 10, 8.75}, 20, 18.760383},
};

TEST(PipeArchGeom, ClosedSectionOfThreeRadiiAgreesWithTheHandWorking) {
    for (const ClosedCase& c : ClosedCases) {
        SCOPED_TRACE(c.name);
        const Section s = Feet(c.inches);
        const ArchSpanRise closed = ComputeArchClosedSpanRise(s.rise, s.Rb, s.Rt, s.Rc);
        EXPECT_NEAR(12 * closed.Span, c.span, 1e-5);
        EXPECT_NEAR(12 * closed.Rise, c.rise, 1e-5);
    }
    EXPECT_THROW(ComputeArchClosedSpanRise(4, 7, 3.25, 3.25), AppError);
    EXPECT_THROW(ComputeArchClosedSpanRise(4, 1.5, 3.25, 1.5), AppError);
    EXPECT_THROW(ComputeArchClosedSpanRise(4, 7, 3.25, 0), AppError);
}

TEST(PipeArchGeom, TypedSizesWhoseRadiiDoNotCloseTheSectionAreRefused) {
    const auto refused = [](const char* spanRise) {
        return std::string("The radii entered form a pipe-arch of span ") + spanRise +
               " entered. Please check the span, rise and radii.";
    };
    struct Case {
        Section inches;
        std::string message;
    };
    const Case cases[] = {
        {{28, 16, 22, 15, 2}, ""},
        {{29.9, 16, 22, 15, 2}, ""}, // 1.9 in wide of the closed 28
        {{26.1, 16, 22, 15, 2}, ""},
        {{30.1, 16, 22, 15, 2}, refused("28.0 in and rise 16.0 in, not the 30.1 in by 16 in")},
        {{25.9, 16, 22, 15, 2}, refused("28.0 in and rise 16.0 in, not the 25.9 in by 16 in")},
        {{58.5, 36, 84, 30, 8.75}, ""},
        // The top radius typed as 10 in for 30 in: the sizes form a section, but
        // not a pipe-arch, with a full area of about 4.1 ft^2 for 11.4.
        {{58.5, 36, 84, 10, 8.75}, refused("20.0 in and rise 18.8 in, not the 58.5 in by 36 in")},
        {{61, 36, 84, 30, 8.75}, refused("58.5 in and rise 36.0 in, not the 61 in by 36 in")},
        // Sizes that cannot form a section at all keep their own message.
        {{72, 48, 84, 36, 84},
         "The pipe-arch corner radius must be smaller than the bottom radius."},
    };
    for (const Case& c : cases) {
        const Section s = Feet(c.inches);
        SCOPED_TRACE(testing::Message()
                     << c.inches.B << " x " << c.inches.rise << " top radius " << c.inches.Rt);
        EXPECT_EQ(CheckArchClosure(s.B, s.rise, s.Rb, s.Rt, s.Rc), c.message);
    }
    // The refused example is one the geometry accepts and computes quietly.
    const Section wrongTop = Feet(Section{58.5, 36, 84, 10, 8.75});
    EXPECT_EQ(CheckArchSection(wrongTop.B, wrongTop.rise, wrongTop.Rb, wrongTop.Rt, wrongTop.Rc),
              "");
    EXPECT_NEAR(Area(wrongTop, wrongTop.rise), 4.1, 0.05);
}

TEST(PipeArchGeom, PublishedSizesCloseWithinTheTolerance) {
    std::vector<Section> sections;
    for (const auto& a : ConcreteArches) {
        sections.push_back(Feet(a));
    }
    // The one concrete size left out above, its radii 0.56 in short of its rise.
    sections.push_back(Feet(Section{168.75, 106.5, 329, 85.63, 26.87}));
    for (const auto& inches : SteelArchesInches) {
        sections.push_back(Feet(inches));
    }
    for (const Section& s : sections) {
        EXPECT_EQ(CheckArchClosure(s.B, s.rise, s.Rb, s.Rt, s.Rc), "")
            << 12 * s.B << " x " << 12 * s.rise;
    }
}

TEST(PipeArchGeom, ASectionTooLargeForTheStepSearchIsAnErrorNotAHang) {
    const double k = 1e6;
    EXPECT_THROW(FindArchMaxFlowDepth(Example.B * k, Example.rise * k, Example.Rb * k,
                                      Example.Rt * k, Example.Rc * k),
                 AppError);
}

} // namespace
