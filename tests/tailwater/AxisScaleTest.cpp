#include "platform/AppError.h"
#include "tailwater/PlotLayout.h"
#include "tailwater/TWXRateCurvePlotMod.h"
#include "tailwater/TWXSecPlotMod.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

namespace {

struct Axis {
    double min = -999, max = -999;
    int intervals = -1, decimals = -1;
};

Axis Scale(double lo, double hi) {
    Axis a;
    TWXSecPlotMod::ComputeAxisScale(lo, hi, a.min, a.max, a.intervals, a.decimals);
    return a;
}

TEST(AxisScale, TidyEndsIntervalsAndDecimals) {
    // Expected ends to the last bit: the ends are repeated sums of the
    // interval, replayed in python3 floats where the interval is not exact.
    struct Case {
        double lo, hi;
        double min, max;
        int intervals, decimals;
    };
    const Case cases[] = {
        {0, 100, 0, 100, 10, 0},
        {1000.5, 1012.3, 1000, 1014, 7, 0},
        {0, 4, 0, 4, 4, 0},
        {0, 10, 0, 10, 10, 0},
        {0, 10.0001, 0, 12, 6, 0},
        {0, 50, 0, 50, 5, 0},    // t starts at 10: five intervals of 10
        {0, 39.99, 0, 40, 8, 0}, // just under 40: intervals of 5
        {0, 50.5, 0, 60, 6, 0},
        {-3.5, 12.25, -4, 14, 9, 0},
        {0, 3.9, 0, 4, 8, 1},
        // Intervals of 0.1 drift: the subtractions from 0.7 stay above 0.
        {0, 0.7, -0.09999999999999998, 0.7, 8, 1},
        // Ten sums of 0.1 fall short of 1: one more interval at each end.
        {0, 1, -0.09999999999999998, 1.0999999999999999, 12, 1},
        {0, 0.8, -0.09999999999999998, 0.8999999999999999, 10, 1},
        {100, 101, 99.9999999999986, 101.09999999999853, 11, 1},
        {0, 0.04, -3.469446951953614e-18, 0.04, 4, 2},
        // The range 0.03999999999999915 picks 0.005; 2407 additions drift.
        {12, 12.04, 11.995000000000475, 12.040000000000482, 9, 3},
    };
    for (const auto& c : cases) {
        const Axis a = Scale(c.lo, c.hi);
        EXPECT_EQ(a.min, c.min) << c.lo << ".." << c.hi;
        EXPECT_EQ(a.max, c.max) << c.lo << ".." << c.hi;
        EXPECT_EQ(a.intervals, c.intervals) << c.lo << ".." << c.hi;
        EXPECT_EQ(a.decimals, c.decimals) << c.lo << ".." << c.hi;
    }
    // To single precision, as the plots keep them: 100.0..101.1.
    EXPECT_EQ(static_cast<float>(Scale(100, 101).min), 100.0f);
    EXPECT_EQ(static_cast<float>(Scale(100, 101).max), 101.1f);
}

TEST(AxisScale, FarFromZeroTheEndsAreExactMultiples) {
    // 1E12 + 0.5 lies 1E13 intervals of 0.1 from zero: stepping there would
    // never end; the exact multiples 1E12 and 1E12 + 0.5 enclose the data.
    struct Case {
        double lo, hi;
        double min, max;
        int intervals, decimals;
    };
    const Case cases[] = {
        {1e12, 1e12 + 0.5, 1e12, 1e12 + 0.5, 5, 1},
        {-1e12 - 0.5, -1e12, -1e12 - 0.5, -1e12, 5, 1},
        {1e15, 1e15 + 7, 1e15, 1e15 + 7, 7, 0},
        // 2007 intervals of 5 from zero: still stepped, as always.
        {10000, 10035, 10000, 10035, 7, 0},
    };
    for (const auto& c : cases) {
        const Axis a = Scale(c.lo, c.hi);
        EXPECT_EQ(a.min, c.min) << c.lo << ".." << c.hi;
        EXPECT_EQ(a.max, c.max) << c.lo << ".." << c.hi;
        EXPECT_EQ(a.intervals, c.intervals) << c.lo << ".." << c.hi;
        EXPECT_EQ(a.decimals, c.decimals) << c.lo << ".." << c.hi;
    }
}

// The loops of the axis scale written out once more, step by step, so that
// ends far from zero can be checked against them.
Axis SteppedScale(double lo, double hi) {
    const double r = hi - lo;
    double t = 10;
    while (4 * t > r) {
        t /= 10;
    }
    double s = 0;
    while (s == 0) {
        if (4 * t <= r && r <= 10 * t) {
            s = t;
        } else if (8 * t <= r && r <= 20 * t) {
            s = 2 * t;
        } else if (20 * t <= r && r <= 50 * t) {
            s = 5 * t;
        } else {
            t *= 10;
        }
    }
    Axis a;
    a.max = s;
    while (a.max > hi) {
        a.max -= s;
    }
    while (a.max < hi) {
        a.max += s;
    }
    a.min = a.max - s;
    a.intervals = 1;
    while (a.min > lo) {
        a.min -= s;
        ++a.intervals;
    }
    a.decimals = 0;
    for (double e = 1; s < 1 && e > s; e /= 10) {
        ++a.decimals;
    }
    return a;
}

TEST(AxisScale, RealElevationsAreSteppedAllTheWay) {
    // By hand: the range 0.9 takes intervals of 0.1; 18,013 sums of 0.1 reach
    // 1801.3 just short of it, so the top is 1801.4 and the axis has 10.
    const Axis a = Scale(1800.4, 1801.3);
    EXPECT_EQ(a.intervals, 10);
    EXPECT_EQ(static_cast<float>(a.min), 1800.4f);
    EXPECT_EQ(static_cast<float>(a.max), 1801.4f);
    EXPECT_EQ(a.decimals, 1);

    // Channel and headwater elevations a site can have, up to some 450,000
    // intervals from zero.
    const std::pair<double, double> cases[] = {
        {1800.4, 1801.3},   {2500.12, 2503.9},  {532.7, 541.05},   {98.9, 106.0},
        {3200, 3260.5},     {4500.01, 4500.09}, {1214.55, 1216.0}, {-12.3, -10.85},
        {9120.25, 9121.05}, {2200.3, 2200.34},
    };
    for (const auto& [lo, hi] : cases) {
        const Axis got = Scale(lo, hi);
        const Axis want = SteppedScale(lo, hi);
        EXPECT_EQ(got.min, want.min) << lo << ".." << hi;
        EXPECT_EQ(got.max, want.max) << lo << ".." << hi;
        EXPECT_EQ(got.intervals, want.intervals) << lo << ".." << hi;
        EXPECT_EQ(got.decimals, want.decimals) << lo << ".." << hi;
    }
}

TEST(AxisScale, NoRangeGivesTwoIntervalsAroundTheValue) {
    struct Case {
        double lo, hi;
        double min, max;
    };
    const Case cases[] = {
        {100, 100, 99, 101},
        {100.3, 100.3, 99, 101},
        {0, 0, -1, 1},
        {-2.5, -2.5, -4, -2},
        {1e-310, 1e-310, -1, 1},
        {0, 1e-310, -1, 1}, // below the smallest normal double
        // Doubles 16384 apart: intervals of 1E5.
        {1e20, 1e20, 1e20 - 1e5, 1e20 + 1e5},
    };
    for (const auto& c : cases) {
        const Axis a = Scale(c.lo, c.hi);
        EXPECT_EQ(a.min, c.min) << c.lo << ".." << c.hi;
        EXPECT_EQ(a.max, c.max) << c.lo << ".." << c.hi;
        EXPECT_EQ(a.intervals, 2) << c.lo << ".." << c.hi;
        EXPECT_EQ(a.decimals, 0) << c.lo << ".." << c.hi;
        EXPECT_LT(a.min, a.max);
    }
}

TEST(AxisScale, DataGivenMaximumFirstIsScaledInOrder) {
    const Axis a = Scale(12.25, -3.5);
    EXPECT_EQ(a.min, -4);
    EXPECT_EQ(a.max, 14);
    EXPECT_EQ(a.intervals, 9);
}

TEST(AxisScale, NonFiniteDataIsAnError) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_THROW(Scale(0, inf), AppError);
    EXPECT_THROW(Scale(std::nan(""), 1), AppError);
    EXPECT_THROW(Scale(-1e308, 1e308), AppError); // the range overflows
}

TEST(PlotLayouts, StartWithTheirMarginsOffsetsAndElevenTicks) {
    struct Case {
        TailwaterPlot plot;
        float bottom, top, left, right;
    };
    const Case cases[] = {
        {TailwaterPlot::XSecScreen, 650, 1000, 850, 750},
        {TailwaterPlot::RateCurveScreen, 850, 600, 850, 750},
        {TailwaterPlot::RateCurvePrint, 2000, 2000, 2000, 2000},
        {TailwaterPlot::XSecPrint, 1000, 1750, 1250, 1500},
    };
    for (const auto& c : cases) {
        const PlotLayout layout = InitialPlotLayout(c.plot);
        EXPECT_EQ(layout.BottomMargin, c.bottom);
        EXPECT_EQ(layout.TopMargin, c.top);
        EXPECT_EQ(layout.LeftMargin, c.left);
        EXPECT_EQ(layout.RightMargin, c.right);
        EXPECT_EQ(layout.XTickPos.size(), 11u);
        EXPECT_EQ(layout.YTickPos.size(), 11u);
        EXPECT_EQ(layout.MarkLineRise, 500);
        EXPECT_EQ(layout.MarkOvershoot, 50);
        EXPECT_EQ(layout.MarkGroundGap, 100);
        EXPECT_EQ(layout.BankMarkGap, 50);
    }
    TWXSecPlotMod::InitializeXSecPlot();
    EXPECT_EQ(TWXSecPlotMod::XSecScreenLayout.TopMargin, 1000);
    TWXRateCurvePlotMod::InitializeRateCurvePlot();
    EXPECT_EQ(TWXRateCurvePlotMod::RateCurveScreenLayout.TopMargin, 600);
}

} // namespace
