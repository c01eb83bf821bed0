#include "outlet_protection/ScourHolePlotLayout.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

namespace {

TEST(ScourHolePlotLayout, TheWorkedExampleOfAnEightByFourThousandTwipBox) {
    // Fit width 0.8 x 8000 = 6400, fit height 0.525 x 4000 = 2100; B 21 / 2100 =
    // 0.01 against C 32 / 6400 = 0.005: the height governs, 100 twips a foot.
    const ScourHolePlotLayout L = ScourHolePlot::ComputeSizesAndScale(8000, 4000, 21, 32);
    EXPECT_DOUBLE_EQ(L.PlotScale, 100);
    EXPECT_DOUBLE_EQ(L.PlanCenterX, 4000);
    EXPECT_DOUBLE_EQ(L.PlanCenterY, 1500);
    EXPECT_DOUBLE_EQ(L.SectionBandLeft, 0);
    EXPECT_DOUBLE_EQ(L.SectionBandRight, 8000);
    EXPECT_DOUBLE_EQ(L.SectionBandTop, 3000);
    EXPECT_DOUBLE_EQ(L.SectionBandBottom, 4000);
    // The band is 1000 high: surface at 0.45, bottom at 2/3, step 5 %, arrows 3 %, gap 2 %.
    EXPECT_DOUBLE_EQ(L.SectionSurfaceY, 3450);
    EXPECT_NEAR(L.SectionBottomY, 3666.6667, 1e-4);
    EXPECT_DOUBLE_EQ(L.SectionStep, 50);
    EXPECT_DOUBLE_EQ(L.ArrowLength, 30);
    EXPECT_DOUBLE_EQ(L.ArrowAngle, 30);
    EXPECT_DOUBLE_EQ(L.DimensionGap, 20);
}

TEST(ScourHolePlotLayout, TheTighterOfWidthAndLengthSetsTheScale) {
    struct Case {
        double c;
        double scale;
    };
    // C 64: 64 / 6400 = 0.01 equals the vertical ratio; C 128: 0.02 governs, 50 a foot.
    for (const Case c : {Case{32, 100}, Case{64, 100}, Case{128, 50}}) {
        SCOPED_TRACE(c.c);
        EXPECT_DOUBLE_EQ(ScourHolePlot::ComputeSizesAndScale(8000, 4000, 21, c.c).PlotScale,
                         c.scale);
    }
    // The arrowheads follow the box height only.
    EXPECT_DOUBLE_EQ(ScourHolePlot::ComputeSizesAndScale(3000, 4000, 500, 7).ArrowLength, 30);
}

TEST(ScourHolePlotLayout, OnlyDrawableDesignsOnBigEnoughBoxesPass) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* name;
        double w, h, b, c, e;
        std::optional<std::string> problem;
    };
    const std::string none = "No design to plot: B, C and E must all be > 0.";
    const std::string shortC = "The design cannot be drawn: its length C is less than 3E.";
    const std::string small = "The plot area is too small to draw the design.";
    const Case cases[] = {
        {"a new control's zeros", 8000, 4000, 0, 0, 0, none},
        {"no width", 8000, 4000, 0, 32, 4, none},
        {"negative length", 8000, 4000, 21, -32, 4, none},
        {"no span", 8000, 4000, 21, 32, 0, none},
        {"not a number", 8000, 4000, nan, 32, 4, none},
        {"length below 3E", 8000, 4000, 21, 11.9, 4, shortC},
        {"length exactly 3E: square corners", 8000, 4000, 21, 12, 4, std::nullopt},
        {"a zero-sized box", 0, 0, 21, 32, 4, small},
        // The band's surface, 0.1125 H below its top, must lie below the crown at 200.
        {"a band too low for the barrel", 8000, 1777, 21, 32, 4, small},
        {"just tall enough", 8000, 1778, 21, 32, 4, std::nullopt},
        {"the design of the example", 8000, 4000, 15, 18, 3, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ScourHolePlot::PlotProblem(c.w, c.h, c.b, c.c, c.e), c.problem);
    }
}

} // namespace
