#include "SectionBuilder.h"

#include "platform/AppError.h"
#include "tailwater/TailWaterMod.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using TailWaterMod::ComputeConveyance;

TEST(SectionPreparation, BlankNCarriesForwardAndNewNStartsASubsection) {
    // n 0.030, blank, 0.045, blank: segments 1 and 2 share 0.030.
    const ChannelSection s =
        MakeSection({{0, 104, 0.030}, {10, 100, 0}, {20, 101, 0.045}, {30, 106, 0}});
    ASSERT_EQ(s.Segments.size(), 4u);
    EXPECT_EQ(s.Segments[1].ManningN, 0.030);
    EXPECT_EQ(s.Segments[2].ManningN, 0.030);
    EXPECT_EQ(s.Segments[3].ManningN, 0.045);
    EXPECT_EQ(s.Segments[1].NewSubsection, 1);
    EXPECT_EQ(s.Segments[2].NewSubsection, 0);
    EXPECT_EQ(s.Segments[3].NewSubsection, 1);
    EXPECT_EQ(s.Segments[3].DX, 10);
    EXPECT_EQ(s.Segments[3].DY, 5);
    EXPECT_DOUBLE_EQ(s.Segments[3].Length, std::sqrt(125.0));
    EXPECT_EQ(s.MinElevation, 100);
    EXPECT_EQ(s.MaxElevation, 106);
    EXPECT_EQ(s.TopElevation, 104); // the lower end point
    // No banks: the sentinels lie outside segments 1 to 3.
    EXPECT_EQ(s.LOBSegment, -10);
    EXPECT_EQ(s.ROBSegment, 13);

    // 0.03 and 0.030005 differ by less than 1E-05: one subsection.
    const ChannelSection close = MakeSection({{0, 104, 0.03}, {10, 100, 0.030005}, {20, 104, 0}});
    EXPECT_EQ(close.Segments[2].NewSubsection, 0);

    const ChannelSection banks = MakeSection(
        {{0, 108, 0.05}, {10, 101, 0}, {20, 105, 0.03}, {30, 95, 0}, {40, 108, 0}}, 2, 3);
    EXPECT_EQ(banks.LOBSegment, 2);
    EXPECT_EQ(banks.ROBSegment, 4);
}

TEST(SectionPreparation, OverflowingSegmentIsAnError) {
    EXPECT_THROW(MakeSection({{-1e308, 100, 0.03}, {1e308, 90, 0}}), AppError);
    EXPECT_THROW(MakeSection({{0, 100, 0.03}}), AppError);
}

// Expected conveyances by hand, K = sum over wetted stretches and roughness
// subsections of (1.486 / n) A^(5/3) / P^(2/3) (python3 working in comments).
TEST(Conveyance, MatchesHandCalculatedSections) {
    struct Case {
        const char* what;
        ChannelSection section;
        double W, area, K;
    };
    const Case cases[] = {
        // Asymmetric V, n 0.035, W = 104: triangles 4 x 4 / 2 and 8 x 4 / 2,
        // P = sqrt(32) + sqrt(80).
        {"V", MakeSection({{0, 110, 0.035}, {10, 100, 0}, {30, 110, 0}}), 104, 24,
         1419.2054348538165},
        // A bar at 106 splits the water at 104 into two stretches: left A 21.333,
        // P sqrt(32) + sqrt(60.444); right A 7.5, P sqrt(29) + sqrt(10.25). As one
        // stretch the same water would give 1709.50.
        {"bar",
         MakeSection({{0, 110, 0.03}, {10, 100, 0}, {20, 106, 0}, {30, 102, 0}, {40, 110, 0}}), 104,
         28.833333333333336, 1777.9657400161009},
        // Left bank at 105 with a pocket at 101 behind it: at 104 only the main
        // channel, A 40.5 + 27, P sqrt(162) + sqrt(117).
        {"bank not topped",
         MakeSection({{0, 110, 0.05}, {10, 101, 0}, {20, 105, 0}, {30, 95, 0}, {40, 110, 0}}, 2),
         104, 67.5, 4048.503433359245},
        // At 105.01 the pocket and the over-bank count: one wetted stretch from
        // station 5.54 to 36.67.
        {"bank topped",
         MakeSection({{0, 110, 0.05}, {10, 101, 0}, {20, 105, 0}, {30, 95, 0}, {40, 110, 0}}, 2),
         105.01, 112.53342222222238, 6357.621857602759},
        // Above both end points: trapezoids up to the end stations, no wall
        // perimeter: A 30 + 25, P sqrt(104) + sqrt(109).
        {"walls", MakeSection({{0, 102, 0.04}, {10, 100, 0}, {20, 103, 0}}), 104, 55,
         3927.4745639336975},
        // A point exactly at W is dry: two stretches of A 28, P sqrt(32) + sqrt(116).
        {"point at W",
         MakeSection({{0, 110, 0.03}, {10, 100, 0}, {20, 104, 0}, {30, 100, 0}, {40, 110, 0}}), 104,
         56, 3958.0583339173554},
        {"at the bottom", MakeSection({{0, 110, 0.03}, {10, 100, 0}, {30, 110, 0}}), 100, 0, 0},
        {"below the bottom", MakeSection({{0, 110, 0.03}, {10, 100, 0}, {30, 110, 0}}), 90, 0, 0},
    };
    for (const auto& c : cases) {
        double area = -1, K = -1;
        ComputeConveyance(c.section, c.W, area, K);
        EXPECT_NEAR(area, c.area, 1e-9) << c.what;
        EXPECT_NEAR(K, c.K, 1e-9 * c.K) << c.what;
    }
}

TEST(Conveyance, ThreeRoughnessSubsectionsAddUpAsByHand) {
    // Left over-bank n 0.06, main channel 0.035, right over-bank 0.05, W = 105:
    // left  A = 15 x 1 / 2 = 7.5,             P = sqrt(226)
    // main  A = 30 + 100 + 30 = 160,          P = 2 sqrt(116) + 20
    // right A = 10 x 1 / 2 = 5,               P = sqrt(101)
    // K = 16901.89224655386 (python3: sum of 1.486/n A**(5/3)/P**(2/3)).
    const ChannelSection s = MakeSection({{0, 106, 0.06},
                                          {30, 104, 0.035},
                                          {40, 100, 0},
                                          {60, 100, 0},
                                          {70, 104, 0.05},
                                          {100, 107, 0}});
    double area = 0, K = 0;
    ComputeConveyance(s, 105, area, K);
    EXPECT_NEAR(area, 172.5, 1e-9);
    EXPECT_NEAR(K, 16901.89224655386, 1e-8);
}

TEST(Conveyance, AnOverflowIsAnError) {
    const ChannelSection s = MakeSection({{0, 110, 0.03}, {10, 100, 0}, {30, 110, 0}});
    double area = 0, K = 0;
    EXPECT_THROW(ComputeConveyance(s, 1e250, area, K), AppError);
}

} // namespace
