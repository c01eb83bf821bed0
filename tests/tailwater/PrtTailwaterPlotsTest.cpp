#include "../app/PrintingTestHelpers.h"
#include "SectionBuilder.h"
#include "platform/TwipsPrinterFixedMetrics.h"
#include "tailwater/PrtCrossSectionPlot.h"
#include "tailwater/PrtTailwaterRatingCurvePlot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

// Positions by hand from the fixed metrics: Times New Roman 10 is 100 twips a
// character and 230 a line; the landscape page is 15120 x 11520. The site
// header runs from 400 to 934 (two lines of 9 points, 207 + 60 each).

namespace {

const QColor Red(255, 0, 0);
const QColor Black(0, 0, 0);

class PrintedPlot : public ::testing::Test {
protected:
    const PrintedPage& Page() const { return printer.Document().pages.at(0); }

    const PrintedText& Text(const QString& text) const {
        if (const PrintedText* found = FindText(Page(), text)) {
            return *found;
        }
        ADD_FAILURE() << "no text " << text.toStdString();
        static const PrintedText none;
        return none;
    }

    std::vector<PrintedLine> Lines(const std::function<bool(const PrintedLine&)>& which) const {
        std::vector<PrintedLine> lines;
        for (const PrintedLine& line : Page().lines) {
            if (which(line)) {
                lines.push_back(line);
            }
        }
        return lines;
    }

    static void ExpectAt(const PrintedText& text, double x, double y) {
        EXPECT_NEAR(text.x, x, 0.05) << text.text.toStdString();
        EXPECT_NEAR(text.y, y, 0.05) << text.text.toStdString();
    }

    static void ExpectLine(const PrintedLine& line, double x1, double y1, double x2, double y2) {
        EXPECT_NEAR(line.x1, x1, 0.05);
        EXPECT_NEAR(line.y1, y1, 0.05);
        EXPECT_NEAR(line.x2, x2, 0.05);
        EXPECT_NEAR(line.y2, y2, 0.05);
    }

    FixedPrinterMetrics metrics;
    TwipsPrinter printer{metrics};
    SiteFields site = SampleSiteFields({"F-12", "", "Orlen", "", "", "12+50", "", ""});
};

// A table from 100.3 ft (Q 0) to 104.1 ft (Q 100): discharge axis 0..100 in
// 10 intervals, elevation axis 100.0..104.5 in 9 intervals of 0.5. The frame
// keeps 2000 from every side: L 2000, R 13120, top y 2000, bottom y 9520.
// XScale = 11120 / 100 = 111.2, YScale = 7520 / 4.5 = 1671.111.
class PrintedRatingCurve : public PrintedPlot {
protected:
    void Print() { PrtTailwaterRatingCurvePlot::PrintContents(printer, curve, site); }
    RatingCurve curve = MakeRatingTable({{100.3, 0}, {102, 40}, {104.1, 100}});
};

// Cross-section of the screen plot's tests: stations 0..100 in 10 intervals,
// elevations 100..109 in 9; three roughness zones, banks at 20 and 80. Header
// end 934 + 500 + 1000 gives the frame top T = 2434; B = 11520 - 1000 =
// 10520; L = 1250; R = 15120 - 1500 = 13620. sx = 12370 / 100 = 123.7, sy =
// 8086 / 9 = 898.444.
class PrintedCrossSection : public PrintedPlot {
protected:
    void Print() { PrtCrossSectionPlot::PrintContents(printer, section, site); }
    ChannelSection section = MakeSection({{0, 108.9, 0.04},
                                          {20, 104, 0},
                                          {40, 100.3, 0.035},
                                          {60, 101, 0},
                                          {80, 105, 0.05},
                                          {100, 108.2, 0}},
                                         1, 4);
};

} // namespace

TEST_F(PrintedRatingCurve, OneLandscapePageWithTheTitleAboveTheFrame) {
    printer.SetOrientation(PageOrientation::Portrait);
    Print();
    ASSERT_EQ(printer.Document().pages.size(), 1u);
    EXPECT_EQ(Page().orientation, PageOrientation::Landscape);
    EXPECT_NE(FindText(Page(), "Orlen"), nullptr);
    // 22 characters centred over the frame, three lines above it.
    ExpectAt(Text("TAILWATER RATING CURVE"), 7560 - 1100, 2000 - 690);
    EXPECT_EQ(Text("TAILWATER RATING CURVE").font.name, "Times New Roman");
    EXPECT_EQ(Text("TAILWATER RATING CURVE").font.size, 10);
    auto frame = Lines([](const PrintedLine& l) {
        return l.width == 2 && l.style == DrawStyle::Solid &&
               (l.x1 == 2000 || l.x1 == 13120 || l.y1 == 2000 || l.y1 == 9520) &&
               (l.x1 == l.x2 || l.y1 == l.y2) && (l.x2 - l.x1 > 1000 || l.y1 - l.y2 > 1000);
    });
    ASSERT_EQ(frame.size(), 4u);
    ExpectLine(frame[0], 2000, 9520, 13120, 9520);
    ExpectLine(frame[1], 2000, 2000, 13120, 2000);
    ExpectLine(frame[2], 2000, 9520, 2000, 2000);
    ExpectLine(frame[3], 13120, 9520, 13120, 2000);
}

TEST_F(PrintedRatingCurve, TheCurveIsRedAndFourWide) {
    Print();
    auto curveLines = Lines([](const PrintedLine& l) { return l.color == Red; });
    ASSERT_EQ(curveLines.size(), 2u);
    EXPECT_EQ(curveLines[0].width, 4);
    // (0, 100.3): y = 11520 - (2000 + 0.3 x 1671.111) = 9018.667; (40, 102):
    // x = 2000 + 4448, y = 6177.778; (100, 104.1): y = 2668.444.
    ExpectLine(curveLines[0], 2000, 9018.667, 6448, 6177.778);
    ExpectLine(curveLines[1], 6448, 6177.778, 13120, 2668.444);
    // The channel bottom, 0.3 ft above the frame's bottom, 0.8 "0" beyond it.
    auto bottom = Lines([](const PrintedLine& l) {
        return l.style == DrawStyle::Solid && l.x1 == 1920 && l.y1 == l.y2;
    });
    ASSERT_EQ(bottom.size(), 1u);
    ExpectLine(bottom[0], 1920, 9018.667, 13200, 9018.667);
    EXPECT_EQ(bottom[0].width, 2);
}

// Dashed discharge grid lines and dotted elevation ones, 2 wide, and nine
// solid minor ticks in every interval across all four edges, none after the
// last major tick.
TEST_F(PrintedRatingCurve, GridLinesAndMinorTicks) {
    Print();
    auto dashed = Lines([](const PrintedLine& l) { return l.style == DrawStyle::Dash; });
    ASSERT_EQ(dashed.size(), 11u);
    // From 25 above an upper-row label (9520 + 115), 50 above a lower-row
    // one (9520 + 1.7 x 230), to the top.
    ExpectLine(dashed[0], 2000, 9610, 2000, 2000);
    ExpectLine(dashed[1], 3112, 9861, 3112, 2000);
    ExpectLine(dashed.back(), 13120, 9610, 13120, 2000);
    auto dotted = Lines([](const PrintedLine& l) { return l.style == DrawStyle::Dot; });
    ASSERT_EQ(dotted.size(), 10u);
    ExpectLine(dotted[0], 1920, 9520, 13200, 9520);
    ExpectLine(dotted.back(), 1920, 2000, 13200, 2000);

    auto stationTicks = Lines([](const PrintedLine& l) {
        return l.style == DrawStyle::Solid && l.x1 == l.x2 && l.y1 - l.y2 == 100;
    });
    ASSERT_EQ(stationTicks.size(), 10u * 9u * 2u);
    ExpectLine(stationTicks[0], 2111.2, 9570, 2111.2, 9470);
    ExpectLine(stationTicks[1], 2111.2, 2050, 2111.2, 1950);
    EXPECT_NEAR(stationTicks.back().x1, 13120 - 111.2, 0.05);
    // 7520 / 9 / 10 = 83.556 above the bottom edge, across the left and right.
    auto levelTicks = Lines([](const PrintedLine& l) {
        return l.style == DrawStyle::Solid && l.y1 == l.y2 && l.x2 - l.x1 == 100;
    });
    ASSERT_EQ(levelTicks.size(), 9u * 9u * 2u);
    ExpectLine(levelTicks[0], 1950, 9436.444, 2050, 9436.444);
    ExpectLine(levelTicks[1], 13070, 9436.444, 13170, 9436.444);
    EXPECT_NEAR(levelTicks.back().y1, 2000 + 83.556, 0.05);
    for (const auto* lines : {&dashed, &dotted, &stationTicks, &levelTicks}) {
        for (const PrintedLine& line : *lines) {
            EXPECT_EQ(line.width, 2);
        }
    }
}

TEST_F(PrintedRatingCurve, LabelsAndAxisTitlesAroundTheFrame) {
    Print();
    // Discharge labels alternate: upper row 9520 + 115, lower 9520 + 391.
    ExpectAt(Text("0"), 2000 - 50, 9635);
    ExpectAt(Text("10"), 3112 - 100, 9911);
    ExpectAt(Text("100"), 13120 - 150, 9635);
    // Elevations right-aligned one "0" left of the frame, depths one "0"
    // right of it, both centred on their ticks; depths always two decimals.
    ExpectAt(Text("100.0"), 2000 - 500 - 100, 9520 - 115);
    ExpectAt(Text("104.5"), 1400, 2000 - 115);
    ExpectAt(Text("-0.30"), 13220, 9520 - 115);
    ExpectAt(Text("4.20"), 13220, 2000 - 115);
    // Black titles: the vertical ones centred on the frame's sides two lines
    // above it, Q 1.5 lines of "0" below the lower label row.
    ExpectAt(Text("Elevation (ft)"), 2000 - 700, 2000 - 460);
    ExpectAt(Text("Depth (ft)"), 13120 - 500, 1540);
    ExpectAt(Text("Q (ft^3/s)"), 7560 - 500, 9520 + 3.2 * 230);
    for (const char* title : {"Elevation (ft)", "Depth (ft)", "Q (ft^3/s)"}) {
        EXPECT_EQ(Text(title).color, Black) << title;
    }
}

// The print starts from its own layout each time: two prints in a row give
// the same page, whatever the screen plot did in between.
TEST_F(PrintedRatingCurve, TwoPrintsGiveTheSamePage) {
    Print();
    TwipsPrinter second(metrics);
    PrtTailwaterRatingCurvePlot::RateCurvePrintLayout.TopMargin = 0;
    PrtTailwaterRatingCurvePlot::PrintContents(second, curve, site);
    const PrintedPage& a = Page();
    const PrintedPage& b = second.Document().pages.at(0);
    ASSERT_EQ(a.lines.size(), b.lines.size());
    ASSERT_EQ(a.texts.size(), b.texts.size());
    for (size_t i = 0; i < a.lines.size(); ++i) {
        ExpectLine(b.lines[i], a.lines[i].x1, a.lines[i].y1, a.lines[i].x2, a.lines[i].y2);
    }
    EXPECT_EQ(PrtTailwaterRatingCurvePlot::RateCurvePrintLayout.TopMargin, 2000);
}

TEST_F(PrintedCrossSection, TheSectionIsDrawnInBlackUnderItsTitle) {
    printer.SetOrientation(PageOrientation::Portrait);
    Print();
    ASSERT_EQ(printer.Document().pages.size(), 1u);
    EXPECT_EQ(Page().orientation, PageOrientation::Landscape);
    EXPECT_EQ(PrtCrossSectionPlot::XSecPrintLayout.TopMargin, 2434);
    // 32 characters centred over the frame, 550 + three lines above its top.
    ExpectAt(Text("TAILWATER, CHANNEL CROSS-SECTION"), 7435 - 1600, 2434 - 550 - 690);
    // Below the site header (its seven rules end at 934) the plot's lines.
    auto plot = Lines([](const PrintedLine& l) { return std::min(l.y1, l.y2) > 934; });
    ASSERT_EQ(plot.size(), Page().lines.size() - 7);
    // All solid but the dashed depth datum.
    int dashed = 0;
    for (const PrintedLine& line : plot) {
        EXPECT_EQ(line.color, Black);
        dashed += line.style == DrawStyle::Dash ? 1 : 0;
        EXPECT_TRUE(line.style == DrawStyle::Solid || line.style == DrawStyle::Dash);
        EXPECT_TRUE(line.width == 2 || line.width == 4);
    }
    EXPECT_EQ(dashed, 1);
    // The axes at the bottom and left first.
    ExpectLine(plot.at(0), 1250, 10520, 13620, 10520);
    ExpectLine(plot.at(1), 1250, 10520, 1250, 2434);
    // The ground 4 wide through every point: (0, 108.9) at y = 10520 - 8.9 x
    // 898.444 = 2523.844; (20, 104) at x 3724, y 6926.222.
    auto ground = Lines([](const PrintedLine& l) { return l.width == 4; });
    ASSERT_EQ(ground.size(), 5u);
    ExpectLine(ground[0], 1250, 2523.844, 3724, 6926.222);
}

TEST_F(PrintedCrossSection, SubsectionsAndBanksAboveTheFrame) {
    Print();
    // The subsection line 500 above the top; marks up to 50 above it.
    auto subsection = Lines([](const PrintedLine& l) { return l.y1 == 1934 && l.y2 == 1934; });
    ASSERT_EQ(subsection.size(), 1u);
    ExpectLine(subsection[0], 1250, 1934, 13620, 1934);
    auto marks = Lines([](const PrintedLine& l) { return l.y2 == 1884; });
    ASSERT_EQ(marks.size(), 4u);
    // n values hang under the line, centred between their marks (0 and 40 ft).
    ExpectAt(Text("0.04"), (1250 + 6198) / 2.0 - 200, 1934);
    // LOB at station 20: label bottom 50 above the frame, mark from 100
    // above the ground up to there.
    ExpectAt(Text("LOB"), 3724 - 150, 2434 - 50 - 230);
    EXPECT_EQ(Text("LOB").color, Black);
    auto lob = Lines([](const PrintedLine& l) { return l.x1 == 3724 && l.y2 == 2384; });
    ASSERT_EQ(lob.size(), 1u);
    EXPECT_NEAR(lob[0].y1, 6926.222 - 100, 0.05);
}

TEST_F(PrintedCrossSection, ScalesGridAndMinorTicks) {
    Print();
    // Station labels half a line below the bottom; its title 1.5 lines below them.
    ExpectAt(Text("50"), 1250 + 6185 - 100, 10520 + 115);
    ExpectAt(Text("Station (ft)"), 7435 - 600, 10635 + 345);
    // Elevation and depth titles centred on the frame's sides.
    ExpectAt(Text("Elevation (ft)"), 1250 - 700, 2434 - 550 - 345);
    ExpectAt(Text("Depth (ft)"), 13620 - 500, 1539);
    ExpectAt(Text("-0.30"), 13620 + 100, 10520 - 115);
    ExpectAt(Text("109"), 1250 - 300 - 100, 2434 - 115);

    // Vertical grid at every station tick from 25 above the labels to the
    // top, with nine ticks in each interval across the bottom and top edges.
    auto vertical = Lines([](const PrintedLine& l) { return l.x1 == l.x2 && l.y1 == 10610; });
    ASSERT_EQ(vertical.size(), 11u);
    ExpectLine(vertical[0], 1250, 10610, 1250, 2434);
    auto stationTicks =
        Lines([](const PrintedLine& l) { return l.x1 == l.x2 && l.y1 - l.y2 == 100; });
    ASSERT_EQ(stationTicks.size(), 10u * 9u * 2u);
    ExpectLine(stationTicks[0], 1373.7, 10570, 1373.7, 10470);
    ExpectLine(stationTicks[1], 1373.7, 2484, 1373.7, 2384);
    // Horizontal grid across the frame, ticks across its sides.
    auto levelTicks =
        Lines([](const PrintedLine& l) { return l.y1 == l.y2 && l.x2 - l.x1 == 100; });
    ASSERT_EQ(levelTicks.size(), 9u * 9u * 2u);
    ExpectLine(levelTicks[0], 1200, 10430.156, 1300, 10430.156);
    ExpectLine(levelTicks[1], 13570, 10430.156, 13670, 10430.156);
}
