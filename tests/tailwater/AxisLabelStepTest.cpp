#include "PlotRecording.h"
#include "SectionBuilder.h"
#include "tailwater/FrmTailWaterCrossSectionPlot.h"
#include "tailwater/FrmTailWaterRatingCurvePlot.h"

#include <algorithm>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace {

// Where the labels along the bottom of a plot crowd, only some ticks carry
// one: every s-th, s dividing the intervals so that both ends are labelled,
// or the two ends alone where no such s keeps the labels a "0" (80) apart.
//
// The plots at their windows' sizes, 80 twips a character, 184 a line:
// - the channel section on 4155 x 3735: frame from 850 to 4155 - 750 = 3405
//   (2555 wide), station labels half a line below the frame's bottom edge
//   (3735 - 650 = 3085), in one row: neighbours need (w1 + w2) / 2 + 80;
// - the rating curve on 3000 x 3000: frame from 850 to 2250 (1400 wide),
//   bottom edge at 3000 - 850 = 2150, discharge labels in two rows in turn,
//   so that a label's neighbour in its row is two labelled ticks on.
class AxisLabelStep : public PlotRecording {
protected:
    void SetUp() override {
        TWXSecPlotMod::InitializeXSecPlot();
        TWXRateCurvePlotMod::InitializeRateCurvePlot();
    }

    // The texts drawn in the two lines below the frame's bottom edge, from
    // left to right.
    QStringList LabelsBelow(float frameBottom) const {
        std::vector<PrintedText> below;
        for (const PrintedText& text : surface.DisplayList().texts) {
            if (text.y > frameBottom && text.y < frameBottom + 2 * 184) {
                below.push_back(text);
            }
        }
        std::sort(below.begin(), below.end(),
                  [](const PrintedText& a, const PrintedText& b) { return a.x < b.x; });
        QStringList texts;
        for (const PrintedText& text : below) {
            texts << text.text;
        }
        return texts;
    }
};

TEST_F(AxisLabelStep, ACrowdedAxisLabelsTicksThatDivideItsIntervals) {
    struct Case {
        const char* what;
        std::function<void(PlotSurface&)> plot;
        QStringList labels;
    };
    // Ground from `from` to `to` ft, 5 ft deep.
    auto section = [](double from, double to) {
        return [from, to](PlotSurface& s) {
            TWXSecPlotMod::PlotCrossSection(
                s, MakeSection({{from, 105, 0.04}, {(from + to) / 2, 100, 0}, {to, 105, 0}}));
        };
    };
    auto rating = [](double qMax, double qMin = 0) {
        return [qMin, qMax](PlotSurface& s) {
            TWXRateCurvePlotMod::PlotRatingCurve(s, MakeRatingTable({{100, qMin}, {101, qMax}}));
        };
    };
    const Case sections[] = {
        // 0..22,000 takes intervals of 5,000: 0..25,000 in 5, 511 apart;
        // "5,000" and "10,000" need (400 + 480) / 2 + 80 = 520. Every second
        // tick would end at 20,000; 5 is prime.
        {"5 intervals", section(0, 22000), {"0", "25,000"}},
        // 0..7,000 in 7 intervals, 365 apart: "1,000" and "2,000" need 480.
        {"7 intervals", section(0, 7000), {"0", "7,000"}},
        // 50..1,050: 0..1,100 in 11 intervals, 232 apart: "100" and "200"
        // need 320.
        {"11 intervals", section(50, 1050), {"0", "1,100"}},
        // 0..9,000 in 9 intervals, 284 apart: every third tick, 852 apart.
        {"9 intervals", section(0, 9000), {"0", "3,000", "6,000", "9,000"}},
        // 0..10,000 in 10 intervals, 255.5 apart: every second tick would
        // put "8,000" and "10,000" (400 and 480 wide) 511 apart, 9 short of
        // (400 + 480) / 2 + 80; every fifth.
        {"10 intervals", section(0, 10000), {"0", "5,000", "10,000"}},
    };
    const Case ratings[] = {
        // 0..220,000: 0..250,000 in 5 intervals, 280 apart, neighbours in a
        // row 560 apart: "50,000" and "150,000" need (480 + 560) / 2 + 80.
        {"5 intervals", rating(220000), {"0", "250,000"}},
        // 0..7,000 in 7 intervals, 200 apart: "1,000" and "3,000" 400 apart
        // need 480.
        {"7 intervals", rating(7000), {"0", "7,000"}},
        // 0..1,100 in 11 intervals, 127 apart: "100" and "300" need 320.
        {"11 intervals", rating(1050, 50), {"0", "1,100"}},
        // 0..9,000 in 9 intervals, 156 apart: every third tick, rows 933 apart.
        {"9 intervals", rating(9000), {"0", "3,000", "6,000", "9,000"}},
    };
    auto check = [this](const char* plot, std::span<const Case> cases, QSizeF size,
                        float frameBottom) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(plot) + ", " + c.what);
            surface.Clear();
            surface.SetSize(size);
            c.plot(surface);
            EXPECT_EQ(LabelsBelow(frameBottom).join(" ").toStdString(),
                      c.labels.join(" ").toStdString());
        }
    };
    check("channel section", sections, QSizeF(4155, 3735), 3085);
    check("rating curve", ratings, QSizeF(3000, 3000), 2150);
}

} // namespace
