#include "tailwater/FrmTailWaterCrossSectionPlot.h"
#include "LineThroughBox.h"
#include "PlotRecording.h"
#include "SectionBuilder.h"
#include "platform/AppError.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

using TWXSecPlotMod::PlotCrossSection;

// Ground from 100.3 to 108.9 ft over stations 0 to 100, three roughness
// zones starting at stations 0, 40 and 80, banks at stations 20 and 80.
//
// Worked by hand on the 8000 x 5000 surface with the start-up layout:
// stations 0..100 in 10 intervals of 10; elevations 100..109 in 9 intervals
// of 1 (range 8.6: tick 1). Frame left 850, right 8000 - 750 = 7250, bottom
// height 650, top height 5000 - 1000 = 4000. XScale = 6400 / 100 = 64,
// YScale = 3350 / 9 = 372.222. x(s) = 850 + 64 s, y(e) = 5000 - (650 +
// 372.222 (e - 100)).
class CrossSectionPlot : public PlotRecording {
protected:
    void SetUp() override {
        TWXSecPlotMod::InitializeXSecPlot();
        section = MakeSection({{0, 108.9, 0.04},
                               {20, 104, 0},
                               {40, 100.3, 0.035},
                               {60, 101, 0},
                               {80, 105, 0.05},
                               {100, 108.2, 0}},
                              1, 4);
    }
    ChannelSection section;
};

TEST_F(CrossSectionPlot, GroundLineIsRedAndTwoWideThroughEveryPoint) {
    PlotCrossSection(surface, section);
    auto ground = Lines([this](const PrintedLine& l) { return l.color == red; });
    ASSERT_EQ(ground.size(), 5u);
    EXPECT_EQ(ground[0].width, 2);
    // (0, 108.9): y = 5000 - (650 + 8.9 x 372.222) = 1037.22; (20, 104): 2861.11
    ExpectLine(ground[0], 850, 1037.222, 2130, 2861.111);
    // (80, 105) to (100, 108.2): y 2488.89 and 1297.78
    ExpectLine(ground[4], 5970, 2488.889, 7250, 1297.778);
    // Only the ground is 2 wide.
    EXPECT_EQ(Lines([](const PrintedLine& l) { return l.width != 1; }).size(), 5u);
}

TEST_F(CrossSectionPlot, ScalesCarryStationsElevationsAndDepthsBelowZero) {
    PlotCrossSection(surface, section);
    // Station labels centred under their ticks, half a line below the axis:
    // y = 5000 - (650 - 92) = 4442.
    ExpectAt(Text("0"), 850 - 40, 4442);
    ExpectAt(Text("50"), 850 + 5 * 640 - 80, 4442);
    ExpectAt(Text("100"), 7250 - 120, 4442);
    // Elevations right-aligned one "0" left of the axis, centred on the tick.
    const QStringList texts = Texts();
    for (const char* elevation : {"101", "104", "109"}) {
        EXPECT_TRUE(texts.contains(elevation)) << elevation;
    }
    ExpectAt(Text("109"), 850 - 240 - 80, 5000 - (4000 + 92));
    // Depths: the elevation of the tick less the lowest ground, 2 decimals,
    // one "0" right of the frame: -0.30 at 100 ft to 8.70 at 109 ft.
    ExpectAt(Text("-0.30"), 7250 + 80, 5000 - (650 + 92));
    ExpectAt(Text("8.70"), 7330, 5000 - (4000 + 92));
    EXPECT_TRUE(texts.contains("0.70"));
    // Depth datum at 100.3 ft, across the grid lines' width (0.8 "0" beyond),
    // dashed apart from the ground and the grid.
    auto datum = Lines([](const PrintedLine& l) {
        return l.style == DrawStyle::Dash && l.x1 == 850 - 64 && l.y1 == l.y2;
    });
    ASSERT_EQ(datum.size(), 1u);
    ExpectLine(datum[0], 786, 4238.333, 7314, 4238.333);
}

TEST_F(CrossSectionPlot, GridLinesAreDottedFromAboveTheLabelsToTheTop) {
    PlotCrossSection(surface, section);
    auto dotted = Lines([](const PrintedLine& l) { return l.style == DrawStyle::Dot; });
    ASSERT_EQ(dotted.size(), 11u + 10u);
    // Vertical: from 25 above the label tops (y = 5000 - (650 - 92 + 25)) to the top.
    ExpectLine(dotted[0], 850, 4417, 850, 1000);
    ExpectLine(dotted[10], 7250, 4417, 7250, 1000);
    // Horizontal, the first at the axis.
    ExpectLine(dotted[11], 786, 4350, 7314, 4350);
}

TEST_F(CrossSectionPlot, SubsectionsCarryTheirNAboveThePlot) {
    PlotCrossSection(surface, section);
    // The subsection line 500 above the top of the plot: y = 5000 - 4500.
    auto subsection = Lines([](const PrintedLine& l) { return l.y1 == 500 && l.y2 == 500; });
    ASSERT_EQ(subsection.size(), 1u);
    ExpectLine(subsection[0], 850, 500, 7250, 500);
    // Marks at stations 0, 40, 80 and 100, from 100 above the ground up to 50
    // above the subsection line (y = 450).
    auto marks = Lines([](const PrintedLine& l) { return l.y2 == 450; });
    ASSERT_EQ(marks.size(), 4u);
    ExpectLine(marks[1], 3410, 5000 - (650 + 0.3 * 3350.0 / 9 + 100), 3410, 450);
    EXPECT_NEAR(marks[3].x1, 7250, 0.05);
    // Each n centred between its two marks, just under the subsection line.
    ExpectAt(Text("0.04"), (850 + 3410) / 2.0 - 160, 500);
    ExpectAt(Text("0.035"), (3410 + 5970) / 2.0 - 200, 500);
    ExpectAt(Text("0.05"), (5970 + 7250) / 2.0 - 160, 500);
}

TEST_F(CrossSectionPlot, BankMarksAreBlueAtTheirStations) {
    PlotCrossSection(surface, section);
    // Label bottoms 50 above the plot: y = 5000 - (4000 + 50 + 184) = 766.
    ExpectAt(Text("LOB"), 2130 - 120, 766);
    EXPECT_EQ(Text("LOB").color, blue);
    // The subsection line at 80 ft would strike through ROB centred on its
    // bank: it stands right of the line, half a "0" (40) clear of it.
    ExpectAt(Text("ROB"), 5970 + 40, 766);
    auto banks = Lines([this](const PrintedLine& l) { return l.color == blue; });
    ASSERT_EQ(banks.size(), 2u);
    // (20, 104): 100 above the ground, up to 50 above the plot (y = 950).
    ExpectLine(banks[0], 2130, 5000 - (650 + 4 * 3350.0 / 9 + 100), 2130, 950);
    // (80, 105): 5 ft above the axis.
    ExpectLine(banks[1], 5970, 5000 - (650 + 5 * 3350.0 / 9 + 100), 5970, 950);
}

TEST_F(CrossSectionPlot, BankLabelsStandClearOfEveryLine) {
    struct Case {
        const char* what;
        ChannelSection section;
        float lobX; // the labels' left edges, 240 wide
        float robX;
    };
    // x(s) = 850 + 64 s; labels 240 wide, kept half a "0" (40) from lines.
    // Three roughness zones from 0, 40 and 80 ft, as in the section above.
    const std::initializer_list<SectionPoint> zones = {{0, 108.9, 0.04},   {20, 104, 0},
                                                       {40, 100.3, 0.035}, {60, 101, 0},
                                                       {80, 105, 0.05},    {100, 108.2, 0}};
    const Case cases[] = {
        // Banks at 20 and 60, no subsection line there: centred.
        {"banks inside subsections", MakeSection(zones, 1, 3), 2130 - 120, 4690 - 120},
        // Both banks on subsection lines (40 and 80 ft: 3410 and 5970):
        // beside them, away from the channel.
        {"banks on subsection lines", MakeSection(zones, 2, 4), 3410 - 40 - 240, 5970 + 40},
        // LOB at 42 ft (3538), 128 right of the line at 40: centred or just
        // left of its own line it would still touch that one, so it stands
        // left of it, 3410 - 40 - 240.
        {"bank beside a subsection line",
         MakeSection({{0, 108.9, 0.04},
                      {38, 102, 0},
                      {40, 100.3, 0.035},
                      {42, 100.5, 0},
                      {60, 101, 0},
                      {80, 105, 0.05},
                      {100, 108.2, 0}},
                     3, 5),
         3130, 5970 + 40},
    };
    for (const auto& c : cases) {
        PlotRecorder plot(metrics, {"MS Sans Serif", 8, false}, QSizeF(8000, 5000));
        PlotCrossSection(plot, c.section);
        const auto& texts = plot.DisplayList().texts;
        for (const auto& [label, x] : {std::pair{"LOB", c.lobX}, std::pair{"ROB", c.robX}}) {
            auto text = std::find_if(texts.begin(), texts.end(),
                                     [&](const PrintedText& t) { return t.text == label; });
            ASSERT_NE(text, texts.end()) << c.what << " " << label;
            EXPECT_NEAR(text->x, x, 0.05) << c.what << " " << label;
            for (const PrintedLine& line : plot.DisplayList().lines) {
                EXPECT_FALSE(LineThroughBox(line, text->x, text->y, text->x + 240, text->y + 184))
                    << c.what << " " << label << ": line " << line.x1 << "," << line.y1 << " to "
                    << line.x2 << "," << line.y2;
            }
        }
    }
}

// No line through any text drawn above the plot's top, and no two of them
// touching.
void ExpectLabelsAboveThePlotClear(const PlotRecorder& plot, float plotTop) {
    const auto& texts = plot.DisplayList().texts;
    auto box = [](const PrintedText& t) {
        return std::array<float, 4>{t.x, t.y, t.x + 80.0f * static_cast<float>(t.text.size()),
                                    t.y + 184};
    };
    for (const PrintedText& text : texts) {
        const auto [left, top, right, bottom] = box(text);
        if (bottom > plotTop || text.text.contains("(ft)")) {
            continue;
        }
        for (const PrintedLine& line : plot.DisplayList().lines) {
            EXPECT_FALSE(LineThroughBox(line, left, top, right, bottom))
                << text.text.toStdString() << ": line " << line.x1 << "," << line.y1 << " to "
                << line.x2 << "," << line.y2;
        }
        for (const PrintedText& other : texts) {
            const auto [l, t, r, b] = box(other);
            EXPECT_TRUE(&other == &text || r <= left || right <= l || b <= top || bottom <= t)
                << text.text.toStdString() << " over " << other.text.toStdString();
        }
    }
}

// Banks a foot apart: centred over their lines, "LOB" and "ROB" (240 wide)
// would run together, so ROB stands a row (184) above LOB, and the plot's
// top comes down a row to make room: 5000 - 1000 - 184 = 3816, LOB's bottom
// 50 above it (y 950), ROB's a row higher (y 766).
//   The example channel, stations 0..120 in intervals of 20: x(s) = 850 +
//   53.333 s; LOB at 55 ft, 3783.33; ROB at 56 ft, 3836.67.
//   0 to 40 ft in intervals of 10: x(s) = 850 + 160 s; banks at 19.5 and 20.5
//   ft, 3970 and 4130; or at 19.5 and 21.125 ft, 3970 and 4230, which would
//   leave LOB and ROB 20 apart, less than half a "0" (40).
TEST_F(CrossSectionPlot, BankLabelsCloseTogetherStandOneAboveTheOther) {
    struct Case {
        const char* what;
        ChannelSection section;
        float lob; // the banks' lines
        float rob;
    };
    const Case cases[] = {
        {"the example channel",
         MakeSection({{0, 106, 0.06},
                      {15, 104.5, 0},
                      {30, 103.2, 0},
                      {42, 102, 0},
                      {48, 100.8, 0.04},
                      {52, 99.2, 0},
                      {55, 98.9, 0},
                      {56, 99, 0},
                      {60, 99.3, 0},
                      {64, 100.9, 0.06},
                      {76, 102.1, 0},
                      {92, 103.8, 0},
                      {110, 106, 0}},
                     6, 7),
         850 + 55 * 6400 / 120.0f, 850 + 56 * 6400 / 120.0f},
        {"a 40 ft section",
         MakeSection({{0, 104, 0.05},
                      {10, 101, 0},
                      {19.5, 100, 0},
                      {20.5, 100, 0},
                      {30, 101, 0},
                      {40, 104, 0}},
                     2, 3),
         3970, 4130},
        {"labels 20 apart",
         MakeSection({{0, 104, 0.05},
                      {10, 101, 0},
                      {19.5, 100, 0},
                      {21.125, 100, 0},
                      {30, 101, 0},
                      {40, 104, 0}},
                     2, 3),
         3970, 4230},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PlotRecorder plot(metrics, {"MS Sans Serif", 8, false}, QSizeF(8000, 5000));
        PlotCrossSection(plot, c.section);
        for (const PrintedText& text : plot.DisplayList().texts) {
            if (text.text == "LOB") {
                ExpectAt(text, c.lob - 120, 950);
            } else if (text.text == "ROB") {
                ExpectAt(text, c.rob - 120, 766);
            }
        }
        // The vertical axis up to the lowered top.
        ExpectLine(plot.DisplayList().lines[1], 850, 5000 - 650, 850, 5000 - 3816);
        ExpectLabelsAboveThePlotClear(plot, 5000 - 3816);
    }
}

// x(s) = 850 + 64 s. An n label that would stand less than half a "0" (40)
// from the one before it hangs a row lower (y 500 + 184), and the plot's top
// comes down a row (to 3816), the mark lines breaking around the labels.
TEST_F(CrossSectionPlot, NarrowSubsectionsHangTheirNInRowsClearOfTheMarks) {
    struct Label {
        const char* text;
        double x, y;
    };
    struct Case {
        const char* what;
        ChannelSection section;
        std::vector<Label> labels;
        float plotTop;
    };
    // n 0.06 from 0 ft, then 0.04 and 0.03 in two subsections `width` wide
    // from 40 ft, then 0.05 to 100 ft.
    auto twoNarrowSubsections = [](double width) {
        return MakeSection({{0, 105, 0.06},
                            {40, 100, 0.04},
                            {40 + width, 99.5, 0.03},
                            {40 + 2 * width, 100, 0.05},
                            {100, 105, 0}});
    };
    const Case cases[] = {
        // n changes at 50, 52 and 54 ft: marks at 4050, 4178 and 4306.
        // "0.035" (400 wide, centred on 4114) and "0.05" (320, on 4242)
        // would run together.
        {"labels over each other",
         MakeSection(
             {{0, 105, 0.04}, {50, 100, 0.035}, {52, 99.5, 0.05}, {54, 100, 0.045}, {100, 105, 0}}),
         {{"0.04", 2450 - 160, 500},
          {"0.035", 4114 - 200, 500},
          {"0.05", 4242 - 160, 684},
          {"0.045", 5778 - 200, 500}},
         3816},
        // Subsections of 5.3125 ft (340) from 40 ft: marks at 3410, 3750 and
        // 4090; "0.04" from 3420 to 3740 and "0.03" from 3760: 20 apart.
        {"labels 20 apart",
         twoNarrowSubsections(5.3125),
         {{"0.06", 2130 - 160, 500},
          {"0.04", 3420, 500},
          {"0.03", 3760, 684},
          {"0.05", 5670 - 160, 500}},
         3816},
        // Subsections of 5.625 ft (360): "0.04" from 3430 to 3750, "0.03"
        // from 3790, 40 apart: one row.
        {"labels 40 apart",
         twoNarrowSubsections(5.625),
         {{"0.06", 2130 - 160, 500},
          {"0.04", 3430, 500},
          {"0.03", 3790, 500},
          {"0.05", 5690 - 160, 500}},
         4000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        surface.Clear();
        PlotCrossSection(surface, c.section);
        for (const Label& label : c.labels) {
            ExpectAt(Text(label.text), label.x, label.y);
        }
        ExpectLine(surface.DisplayList().lines[1], 850, 5000 - 650, 850, 5000 - c.plotTop);
        ExpectLabelsAboveThePlotClear(surface, 5000 - c.plotTop);
    }
}

TEST_F(CrossSectionPlot, AFlatBottomKeepsTheDatumDashedApartFromTheGround) {
    // Ground flat at 100.5 ft from 20 to 60 ft, between two ticks: the datum
    // lies on it.
    section = MakeSection({{0, 105.2, 0.04}, {20, 100.5, 0}, {60, 100.5, 0}, {100, 105.2, 0}});
    PlotCrossSection(surface, section);
    auto flat = Lines([this](const PrintedLine& l) { return l.color == red && l.y1 == l.y2; });
    ASSERT_EQ(flat.size(), 1u);
    EXPECT_EQ(flat[0].style, DrawStyle::Solid);
    auto datum = Lines([&](const PrintedLine& l) {
        return l.color != red && l.y1 == flat[0].y1 && l.y2 == flat[0].y1 && l.x1 < flat[0].x1 &&
               l.x2 > flat[0].x2;
    });
    ASSERT_EQ(datum.size(), 1u);
    EXPECT_EQ(datum[0].style, DrawStyle::Dash);
    EXPECT_EQ(datum[0].width, 1);
}

// A flat bottom at 100 ft, the lowest tick of the axis 100..105: the datum
// lies on the frame's bottom edge and its grid line, and is drawn as wide as
// the ground, so that its dashes show over them.
TEST_F(CrossSectionPlot, ADatumOnAGridLineIsDashedWiderThanTheGrid) {
    PlotCrossSection(surface,
                     MakeSection({{0, 105, 0.04}, {20, 100, 0}, {60, 100, 0}, {100, 105, 0}}));
    auto datum = Lines([](const PrintedLine& l) { return l.style == DrawStyle::Dash; });
    ASSERT_EQ(datum.size(), 1u);
    ExpectLine(datum[0], 850 - 64, 5000 - 650, 7250 + 64, 5000 - 650);
    EXPECT_EQ(datum[0].width, 2);
}

TEST_F(CrossSectionPlot, TitlesAreBlue) {
    PlotCrossSection(surface, section);
    // Above the marks: y = 5000 - (4000 + 500 + 50 + 1.5 x 184) = 174.
    ExpectAt(Text("Elevation (ft)"), 160, 174);
    ExpectAt(Text("Depth (ft)"), 8000 - 800 - 160, 174);
    ExpectAt(Text("Station (ft)"), 4050 - 480, 5000 - 276);
    for (const char* title : {"Elevation (ft)", "Depth (ft)", "Station (ft)"}) {
        EXPECT_EQ(Text(title).color, blue) << title;
    }
    EXPECT_EQ(Text("0.04").color, black);
}

TEST_F(CrossSectionPlot, OneSubsectionWithoutBanksHasTwoMarksAndOneN) {
    section = MakeSection({{0, 10, 0.03}, {5, 2, 0}, {10, 2.5, 0}});
    PlotCrossSection(surface, section);
    auto marks = Lines([](const PrintedLine& l) { return l.y2 == 450; });
    ASSERT_EQ(marks.size(), 2u);
    EXPECT_NEAR(marks[0].x1, 850, 0.05);
    EXPECT_NEAR(marks[1].x1, 7250, 0.05);
    ExpectAt(Text("0.03"), 4050 - 160, 500);
    EXPECT_FALSE(Texts().contains("LOB"));
    EXPECT_FALSE(Texts().contains("ROB"));
    EXPECT_TRUE(Lines([this](const PrintedLine& l) { return l.color == blue; }).empty());
}

TEST_F(CrossSectionPlot, AStationIntervalBelowOneGivesDecimals) {
    // Stations 0 to 3.9: 8 intervals of 0.5, one decimal.
    section = MakeSection({{0, 10, 0.03}, {2, 2, 0}, {3.9, 9, 0}});
    PlotCrossSection(surface, section);
    const QStringList texts = Texts();
    for (const char* label : {"0.0", "0.5", "3.5", "4.0"}) {
        EXPECT_TRUE(texts.contains(label)) << label;
    }
}

// Ground from 999,999.7 to 1,000,000 ft: the range 0.3 gives intervals of
// 0.05 with two decimals, from 999,999.70 in 6 intervals, finer than single
// precision resolves there (0.0625): the labels read the round values.
TEST_F(CrossSectionPlot, ElevationsNearAMillionReadTheirRoundValues) {
    PlotCrossSection(surface,
                     MakeSection({{0, 1000000, 0.04}, {50, 999999.7, 0}, {100, 1000000, 0}}));
    const QStringList texts = Texts();
    for (const char* label :
         {"999,999.70", "999,999.75", "999,999.85", "1,000,000.00", "0.00", "0.05", "0.30"}) {
        EXPECT_TRUE(texts.contains(label)) << label;
    }
}

// Stations and elevations from -1,000,000 to 1,000,000: both axes in 10
// intervals of 200,000. "-1,000,000" needs 800 + 2 x 80 left of the frame,
// more than the margin of 850: the frame starts at 960; "2,000,000.00" needs
// 960 + 160 right of it: it ends at 8000 - 1120 = 6880. Ticks 592 apart
// cannot hold "-1,000,000" and "-800,000" side by side ((800 + 640) / 2 + 80
// = 800): every second station keeps its label.
TEST_F(CrossSectionPlot, LabelsOfAMillionStayWholeOnThePicture) {
    PlotCrossSection(
        surface, MakeSection({{-1000000, 1000000, 0.04}, {0, -1000000, 0}, {1000000, 1000000, 0}}));
    ExpectLine(surface.DisplayList().lines[0], 960, 5000 - 650, 6880, 5000 - 650);
    for (const PrintedText& text : surface.DisplayList().texts) {
        EXPECT_GE(text.x, 0) << text.text.toStdString();
        EXPECT_LE(text.x + metrics.TextWidth(text.font, text.text), 8000)
            << text.text.toStdString();
    }
    ExpectAt(Text("2,000,000.00"), 6880 + 80, 5000 - (4000 + 92));
    // Elevations at every tick, stations at every second one.
    const QStringList texts = Texts();
    EXPECT_EQ(texts.count("-800,000"), 1);
    EXPECT_EQ(texts.count("-600,000"), 2);
    EXPECT_EQ(texts.count("1,000,000"), 2);
}

TEST_F(CrossSectionPlot, ASectionWithoutSegmentsIsAnError) {
    EXPECT_THROW(PlotCrossSection(surface, ChannelSection{}), AppError);
}

} // namespace
