#include "tailwater/FrmTailWaterRatingCurvePlot.h"
#include "PlotRecording.h"
#include "SectionBuilder.h"
#include "platform/AppError.h"
#include "tailwater/FrmTailWaterCrossSectionPlot.h"

namespace {

using TWXRateCurvePlotMod::PlotRatingCurve;
using TWXRateCurvePlotMod::RatingCurvePlotFault;

// A table from 100.3 ft (Q 0) to 104.1 ft (Q 100). Worked by hand on the
// 8000 x 5000 surface with the start-up layout: discharge axis 0..100 in 10
// intervals of 10; elevation axis 100.0..104.5 in 9 intervals of 0.5 (range
// 3.8: tick 0.5, one decimal). Frame left 850, right 7250, bottom height
// 850 (y 4150), top height 5000 - 600 = 4400 (y 600). XScale = 6400 / 100 =
// 64, YScale = 3550 / 4.5 = 788.889.
class RatingCurvePlot : public PlotRecording {
protected:
    void SetUp() override { TWXRateCurvePlotMod::InitializeRateCurvePlot(); }
    RatingCurve curve = MakeRatingTable({{100.3, 0}, {102, 40}, {104.1, 100}});
};

TEST_F(RatingCurvePlot, CurveIsARedChainInsideAClosedFrame) {
    PlotRatingCurve(surface, curve);
    auto curveLines = Lines([this](const PrintedLine& l) { return l.color == red; });
    ASSERT_EQ(curveLines.size(), 2u);
    EXPECT_EQ(curveLines[0].width, 2);
    // (0, 100.3): y = 5000 - (850 + 0.3 x 788.889) = 3913.333;
    // (100, 104.1): x = 7250, y = 5000 - (850 + 4.1 x 788.889) = 915.556.
    ExpectLine(curveLines[0], 850, 3913.333, 850 + 40 * 64, 5000 - (850 + 2.0 * 3550 / 4.5));
    ExpectLine(curveLines[1], 850 + 40 * 64, 5000 - (850 + 2.0 * 3550 / 4.5), 7250, 915.556);
    const auto& lines = surface.DisplayList().lines;
    ASSERT_GE(lines.size(), 4u);
    ExpectLine(lines[0], 850, 4150, 7250, 4150);
    ExpectLine(lines[1], 850, 600, 7250, 600);
    ExpectLine(lines[2], 850, 4150, 850, 600);
    ExpectLine(lines[3], 7250, 4150, 7250, 600);
}

TEST_F(RatingCurvePlot, DischargeLabelsAlternateBetweenTwoRows) {
    PlotRatingCurve(surface, curve);
    // Upper row half a line below the frame (4150 + 92), lower row 1.7 lines.
    for (int k = 0; k <= 10; ++k) {
        const QString label = QString::number(10 * k);
        const double y = k % 2 == 0 ? 4242 : 4150 + 1.7 * 184;
        ExpectAt(Text(label), 850 + 640 * k - 40.0 * label.size(), y);
    }
    auto verticalGrid =
        Lines([](const PrintedLine& l) { return l.style == DrawStyle::Dot && l.x1 == l.x2; });
    ASSERT_EQ(verticalGrid.size(), 11u);
    // Each starts just above its label and ends on the top edge.
    ExpectLine(verticalGrid[0], 850, 4242 - 25, 850, 600);
    ExpectLine(verticalGrid[1], 1490, 4150 + 1.7 * 184 - 50, 1490, 600);
}

TEST_F(RatingCurvePlot, ElevationsOnTheLeftDepthsOnTheRightAtTheSameTicks) {
    PlotRatingCurve(surface, curve);
    // 100.0 at the bottom edge: y = 5000 - 850 - 92; right-aligned one "0" left.
    ExpectAt(Text("100.0"), 850 - 400 - 80, 4058);
    ExpectAt(Text("104.5"), 850 - 400 - 80, 5000 - 4400 - 92);
    // Depth above the channel bottom at 100.3 ft, always two decimals.
    ExpectAt(Text("-0.30"), 7250 + 80, 4058);
    ExpectAt(Text("0.20"), 7330, 5000 - (850 + 3550 / 9.0) - 92);
    ExpectAt(Text("4.20"), 7330, 5000 - 4400 - 92);
    // The channel bottom line at depth 0, 0.3 x YScale above the bottom edge,
    // reaching 0.8 "0" beyond both sides.
    auto bottom = Lines([](const PrintedLine& l) {
        return l.style == DrawStyle::Solid && l.x1 == 850 - 64 && l.y1 == l.y2;
    });
    ASSERT_EQ(bottom.size(), 1u);
    ExpectLine(bottom[0], 786, 3913.333, 7314, 3913.333);
    EXPECT_EQ(Lines([](const PrintedLine& l) {
                  return l.style == DrawStyle::Dot && l.y1 == l.y2;
              }).size(),
              10u);
}

TEST_F(RatingCurvePlot, TitlesAreBlueAboveAndBelowTheFrame) {
    PlotRatingCurve(surface, curve);
    ExpectAt(Text("Elevation (ft)"), 160, 600 - 2 * 184);
    ExpectAt(Text("Depth (ft)"), 8000 - 800 - 160, 600 - 2 * 184);
    ExpectAt(Text("Q (ft^3/s)"), 4050 - 400, 5000 - 1.5 * 184);
    for (const char* title : {"Elevation (ft)", "Depth (ft)", "Q (ft^3/s)"}) {
        EXPECT_EQ(Text(title).color, blue) << title;
    }
    EXPECT_EQ(Text("100.0").color, black);
}

TEST_F(RatingCurvePlot, LargeDischargesShowGroupedThousands) {
    curve = MakeRatingTable({{10, 0}, {12, 1500}});
    PlotRatingCurve(surface, curve);
    // Range 1500: 10 is too fine a tick; with 100, 8 x 100 <= 1500 <= 20 x 100
    // gives intervals of 200, so 0..1,600 in 8.
    for (const char* label : {"0", "200", "1,000", "1,600"}) {
        EXPECT_TRUE(Texts().contains(label)) << label;
    }
}

// The discharge labels, as the axis scale chooses them. The drifting sums of
// 0.1 and 0.005 give the axes their extra intervals, and each label still
// reads its round value. Up to 1.9E12 (the steepest channel's): 8 x 1E11 <=
// 1.9E12 <= 20 x 1E11, ten intervals of 2E11, which single precision holds
// only as 199,999,995,904; and labels of up to 17 characters (1,360 wide)
// do not fit their row every second tick (1,280 apart), so every second
// tick is labelled, the rows still in turn.
TEST_F(RatingCurvePlot, EveryDischargeLabelReadsItsRoundValue) {
    auto labels = [](double first, double step, int count, int decimals) {
        QStringList texts;
        for (int k = 0; k < count; ++k) {
            texts << TWXSecPlotMod::AxisLabel(first + k * step, decimals);
        }
        return texts;
    };
    struct Case {
        double qMax;
        QStringList expected;
    };
    const Case cases[] = {
        {1, labels(-0.1, 0.1, 13, 1)},
        {0.7, labels(-0.1, 0.1, 9, 1)},
        {100, labels(0, 10, 11, 0)},
        {1.9e12, labels(0, 4e11, 6, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.qMax);
        surface.Clear();
        PlotRatingCurve(surface, MakeRatingTable({{100, 0}, {101, c.qMax}}));
        EXPECT_EQ(Texts().mid(0, c.expected.size()).join(" ").toStdString(),
                  c.expected.join(" ").toStdString());
    }
    // The upper row holds 0, 8E11 and 1.6E12, the lower one 4E11 and 1.2E12
    // and 2E12; the grid lines of the lower row's ticks reach down to it.
    EXPECT_NEAR(Text("400,000,000,000").y, 4150 + 1.7 * 184, 0.05);
    EXPECT_NEAR(Text("800,000,000,000").y, 4242, 0.05);
    EXPECT_EQ(Lines([](const PrintedLine& l) {
                  return l.style == DrawStyle::Dot && l.x1 == l.x2 &&
                         std::abs(l.y1 - (4150 + 1.7 * 184 - 50)) < 0.05;
              }).size(),
              3u);

    // Starting from 12 ft^3/s: 9 intervals of 0.005 from 11.995, three decimals.
    surface.Clear();
    PlotRatingCurve(surface, MakeRatingTable({{100, 12}, {101, 12.04}}));
    EXPECT_EQ(Texts().mid(0, 10).join(" ").toStdString(),
              labels(11.995, 0.005, 10, 3).join(" ").toStdString());
}

TEST_F(RatingCurvePlot, ATableWithoutRangeHasNoPlot) {
    struct Case {
        RatingCurve table;
        const char* start;
    };
    for (const Case& c :
         {Case{MakeRatingTable({{100, 0}, {100, 0}}),
               "The rating curve can not be plotted: the lower end point of the channel"},
          Case{MakeRatingTable({{100, 0}}),
               "The rating curve can not be plotted: the lower end point of the channel"},
          Case{MakeRatingTable({{100, 0}, {101, 0}}),
               "The rating curve can not be plotted: the discharge at the top"},
          // A slope near 0: the range has no width on the plot's scale.
          Case{MakeRatingTable({{100, 0}, {101, 1e-148}}),
               "The rating curve can not be plotted: its discharges are too small"}}) {
        auto fault = RatingCurvePlotFault(c.table);
        ASSERT_TRUE(fault);
        EXPECT_TRUE(fault->starts_with(c.start)) << *fault;
        EXPECT_THROW(PlotRatingCurve(surface, c.table), AppError);
        EXPECT_TRUE(surface.DisplayList().lines.empty());
    }
    EXPECT_FALSE(RatingCurvePlotFault(curve));
}

} // namespace
