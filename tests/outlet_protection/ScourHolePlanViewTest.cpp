#include "outlet_protection/ScourHolePlanView.h"
#include "FakeDialogs.h"
#include "outlet_protection/UCNEScourDesignPlot.h"
#include "platform/AppError.h"
#include "platform/PlotCanvas.h"
#include "platform/PlotRecorder.h"
#include "platform/TwipsPrinterFixedMetrics.h"

#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

const FixedPrinterMetrics metrics;
constexpr double Pi = 3.14159265358979;

// Design 0 of a span of 3: A 15 (= B), C 18, E 3, F 1.5, calculated thickness 2.94.
ScourHolePlotDesign SpanThreeHalf() {
    ScourHolePlotDesign design;
    design.DesignQ = "180";
    design.TW = "2";
    design.D50 = 1.47;
    design.ADim = 15;
    design.BDim = 15;
    design.CDim = 18;
    design.DDim = 2.94;
    design.EDim = 3;
    design.FDim = 1.5;
    design.DepressType = 1;
    design.CulvertSpan = 3;
    return design;
}

// Arial 10 on the fixed metrics: 100 twips a character, 230 a line.
struct Drawing {
    PlotRecorder surface{metrics, {"Arial", 10, false}, QSizeF(8000, 4000)};
    const PrintedPage& list() const { return surface.DisplayList(); }
};

bool Near(float a, double b) {
    return std::abs(a - b) < 0.01;
}

const PrintedText* Text(const PrintedPage& page, const QString& text) {
    auto it = std::find_if(page.texts.begin(), page.texts.end(),
                           [&](const PrintedText& t) { return t.text == text; });
    return it == page.texts.end() ? nullptr : &*it;
}

// Arrowheads as the primitives draw them: two lines from the tip, then the
// base joining their far ends. Counted as vertical (a level base) or horizontal.
struct ArrowCount {
    int vertical = 0;
    int horizontal = 0;
    int lines = 0; // the lines that are not part of an arrowhead
};

ArrowCount CountArrowheads(const std::vector<PrintedLine>& lines) {
    ArrowCount count;
    for (size_t i = 0; i < lines.size();) {
        if (i + 2 < lines.size()) {
            const PrintedLine& a = lines[i];
            const PrintedLine& b = lines[i + 1];
            const PrintedLine& base = lines[i + 2];
            auto at = [](float x, float y, float px, float py) { return x == px && y == py; };
            const bool joins =
                (at(base.x1, base.y1, a.x2, a.y2) && at(base.x2, base.y2, b.x2, b.y2)) ||
                (at(base.x1, base.y1, b.x2, b.y2) && at(base.x2, base.y2, a.x2, a.y2));
            if (at(a.x1, a.y1, b.x1, b.y1) && joins) {
                (base.y1 == base.y2 ? count.vertical : count.horizontal)++;
                i += 3;
                continue;
            }
        }
        ++count.lines;
        ++i;
    }
    return count;
}

TEST(ScourHolePlanView, DrawsTheWholeSketchOfOneDesign) {
    Drawing d;
    ASSERT_EQ(ScourHolePlot::DrawDesign(d.surface, SpanThreeHalf()), std::nullopt);
    const PrintedPage& page = d.list();
    // 38 lines and a rectangle (4 lines), 16 arrowheads of 3 lines, 10 arcs, 10 texts.
    EXPECT_EQ(page.lines.size(), 42u + 16u * 3u);
    const ArrowCount arrows = CountArrowheads(page.lines);
    EXPECT_EQ(arrows.vertical, 10);
    EXPECT_EQ(arrows.horizontal, 6);
    EXPECT_EQ(arrows.lines, 42);
    EXPECT_EQ(page.arcs.size(), 10u);
    QStringList texts;
    for (const PrintedText& text : page.texts) {
        texts << text.text;
    }
    EXPECT_EQ(texts, QStringList({"PLAN", "3E = 9'", "C = 18'", "2E = 6'", "B = 15'", "E = 3'",
                                  "D = 2.94'", "F = 1.5'", "3:1", "3:1"}));
}

TEST(ScourHolePlanView, PlacesThePlanAndSectionToScale) {
    // Box 8000 x 4000: B 15 / 2100 = 0.00714 against C 18 / 6400 = 0.00281, so
    // 140 twips a foot. Centre (4000, 1500); e = 420, hL = 1260, hW = 1050,
    // hF = 630, corner radius (18 - 9) / 2 x 140 = 630 = hW - e: the outline closes.
    Drawing d;
    ASSERT_EQ(ScourHolePlot::DrawDesign(d.surface, SpanThreeHalf()), std::nullopt);
    const PrintedPage& page = d.list();
    // "PLAN" (400 wide) centred one line (230) under the plan's bottom edge at 2550.
    const PrintedText* plan = Text(page, "PLAN");
    ASSERT_NE(plan, nullptr);
    EXPECT_TRUE(Near(plan->x, 3800) && Near(plan->y, 2780)) << plan->x << ", " << plan->y;
    // The top edge first, from (cx + hF, cy - hW) to (cx - hF, cy - hW).
    EXPECT_TRUE(Near(page.lines[0].x1, 4630) && Near(page.lines[0].y1, 450));
    EXPECT_TRUE(Near(page.lines[0].x2, 3370) && Near(page.lines[0].y2, 450));
    // The upper left arc about the floor's corner (3370, 1080), radius 630,
    // from 89.5 to 180.5 degrees.
    const PrintedArc& corner = page.arcs[0];
    EXPECT_TRUE(Near(corner.cx, 3370) && Near(corner.cy, 1080) && Near(corner.radius, 630));
    EXPECT_NEAR(corner.startAngle, 89.5 * Pi / 180, 1e-6);
    EXPECT_NEAR(corner.endAngle, 180.5 * Pi / 180, 1e-6);
    // The 3E label (700 wide) centred on x 4000, a line above its dimension line
    // at 1500 - 1050 - 230 = 220.
    const PrintedText* threeE = Text(page, "3E = 9'");
    ASSERT_NE(threeE, nullptr);
    EXPECT_TRUE(Near(threeE->x, 3650) && Near(threeE->y, -10));
    // 2E: its dimension line at cx + hL + 1.5 wA = 5410, the label at 5460;
    // "2E = 6'" is 700 wide, so B's line stands at 6160 + 150 = 6310, its label at 6360.
    const PrintedText* twoE = Text(page, "2E = 6'");
    const PrintedText* b = Text(page, "B = 15'");
    ASSERT_TRUE(twoE && b);
    EXPECT_TRUE(Near(twoE->x, 5460) && Near(twoE->y, 1385));
    EXPECT_TRUE(Near(b->x, 6360) && Near(b->y, 1385));
    // The separator across the box at the band's top, 3000.
    EXPECT_TRUE(std::any_of(page.lines.begin(), page.lines.end(), [](const PrintedLine& l) {
        return Near(l.x1, 0) && Near(l.x2, 8000) && Near(l.y1, 3000) && Near(l.y2, 3000);
    }));
    // D under the floor at (4000 + 4630) / 2 = 4315: at 3666.67 + 2.1 x 230 =
    // 4149.67 it would stand past the box's bottom, so it rises to 4000 - 230.
    const PrintedText* dim = Text(page, "D = 2.94'");
    ASSERT_NE(dim, nullptr);
    EXPECT_TRUE(Near(dim->x, 4315) && Near(dim->y, 3770));
}

// On a square picture 4000 wide the height would allow s = 2100 / 15 = 140,
// but "E = 3'" (600) then starts left of the picture; the plan is drawn at
// the scale that leaves it 50 (half an "A") from the edge: (2000 - 20 - 600
// - 100) / (9 + 1.625 x 3) = 92.25: the barrel's cut end at 2000 - 13.5 x
// 92.25 = 754.6, the E line 20 + 34.6 left of it, the label 600 + 50 further.
TEST(ScourHolePlanView, ANarrowPictureDrawsThePlanSmallerToKeepTheELabel) {
    PlotRecorder square{metrics, {"Arial", 10, false}, QSizeF(4000, 4000)};
    ASSERT_EQ(ScourHolePlot::DrawDesign(square, SpanThreeHalf()), std::nullopt);
    const PrintedText* e = Text(square.DisplayList(), "E = 3'");
    ASSERT_NE(e, nullptr);
    EXPECT_NEAR(e->x, 50, 0.05);
    const PrintedText* plan = Text(square.DisplayList(), "PLAN");
    ASSERT_NE(plan, nullptr);
    // Centred under the plan, one line below its bottom: 1500 + 7.5 x 92.25 + 230.
    EXPECT_NEAR(plan->y, 1500 + 7.5 * 92.25 + 230, 0.05);
}

TEST(ScourHolePlanView, ArrowheadsAreOutlineTrianglesWithTheTipOnThePoint) {
    Drawing d;
    // Half-angle 30 and length 30: half-width tan 30 x 30 = 17.3205.
    ScourHolePlot::DrwVerticalArrowHead(d.surface, true, 100, 200, 30, 30);
    ScourHolePlot::DrwHorizontalArrowHead(d.surface, false, 500, 600, 30, 30);
    const auto& l = d.list().lines;
    ASSERT_EQ(l.size(), 6u);
    EXPECT_TRUE(Near(l[0].x2, 117.3205) && Near(l[0].y2, 230));
    EXPECT_TRUE(Near(l[1].x2, 82.6795) && Near(l[1].y2, 230));
    EXPECT_TRUE(Near(l[2].x1, 117.3205) && Near(l[2].x2, 82.6795) && Near(l[2].y1, 230));
    // Pointing right: the base 30 to the left of the tip.
    EXPECT_TRUE(Near(l[3].x2, 470) && Near(l[3].y2, 582.6795));
    EXPECT_TRUE(Near(l[4].x2, 470) && Near(l[4].y2, 617.3205));
    EXPECT_TRUE(Near(l[5].x1, 470) && Near(l[5].y1, 617.3205) && Near(l[5].y2, 582.6795));
}

TEST(ScourHolePlanView, BothDepressionTypesDrawAlikeAndWholeValuesHaveNoPoint) {
    ScourHolePlotDesign half = SpanThreeHalf();
    half.EDim = 4;
    half.ADim = half.BDim = 20;
    half.CDim = 24;
    ScourHolePlotDesign full = half;
    full.DepressType = 2;
    full.CulvertSpan = 99;
    full.D50 = 7;
    Drawing a;
    Drawing b;
    ScourHolePlot::DrawDesign(a.surface, half);
    ScourHolePlot::DrawDesign(b.surface, full);
    ASSERT_EQ(a.list().lines.size(), b.list().lines.size());
    for (size_t i = 0; i < a.list().lines.size(); ++i) {
        EXPECT_EQ(a.list().lines[i].x1, b.list().lines[i].x1);
        EXPECT_EQ(a.list().lines[i].y2, b.list().lines[i].y2);
    }
    for (const char* label : {"3E = 12'", "2E = 8'", "E = 4'", "C = 24'", "B = 20'"}) {
        EXPECT_NE(Text(a.list(), label), nullptr) << label;
    }
}

TEST(ScourHolePlanView, AnUndrawableDesignDrawsNothingAndSaysWhy) {
    struct Case {
        const char* name;
        double b, c, e;
    };
    for (const Case& c : {Case{"a new control", 0, 0, 0}, Case{"no span", 15, 18, 0},
                          Case{"length under 3E", 15, 8, 3}, Case{"negative width", -15, 18, 3}}) {
        SCOPED_TRACE(c.name);
        ScourHolePlotDesign design;
        design.BDim = c.b;
        design.CDim = c.c;
        design.EDim = c.e;
        Drawing d;
        EXPECT_NE(ScourHolePlot::DrawDesign(d.surface, design), std::nullopt);
        EXPECT_TRUE(d.list().lines.empty() && d.list().arcs.empty() && d.list().texts.empty());
    }
}

TEST(ScourHolePlotControl, DrawsOnlyWhenAskedAndRedrawsTheSame) {
    FakeDialogs user;
    UCNEScourDesignPlot control;
    control.resize(600, 400);
    control.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&control));
    EXPECT_EQ(control.Plot->geometry(), QRect(0, 0, 600, 400));

    // A new control has nothing to draw: a short message, an empty picture.
    control.PlotDesign();
    ASSERT_EQ(user.MessageTexts().size(), 1u);
    EXPECT_EQ(user.MessageTexts()[0], "No design to plot: B, C and E must all be > 0.");
    EXPECT_TRUE(control.Plot->DisplayList().lines.empty());

    control.SetProperties(SpanThreeHalf());
    EXPECT_TRUE(control.Plot->DisplayList().lines.empty());
    control.PlotDesign();
    const size_t lines = control.Plot->DisplayList().lines.size();
    EXPECT_EQ(lines, 90u);
    control.PlotDesign();
    EXPECT_EQ(control.Plot->DisplayList().lines.size(), lines);
    EXPECT_EQ(control.Plot->DisplayList().arcs.size(), 10u);

    // Resizing keeps the picture; the box follows the control.
    control.resize(500, 300);
    EXPECT_EQ(control.Plot->geometry(), QRect(0, 0, 500, 300));
    EXPECT_EQ(control.Plot->DisplayList().lines.size(), lines);
    EXPECT_EQ(user.MessageTexts().size(), 1u);
}

TEST(ScourHolePlotPrint, PrintsUnderTheSiteHeaderAndATitleInOnePenOrNothing) {
    SiteFields fields;
    fields[static_cast<size_t>(SiteField::County)] = {"County", "Kent"};
    TwipsPrinter printer(metrics);
    // A pen left over from elsewhere: the plot sets its own.
    printer.SetDrawWidth(3);
    printer.SetDrawStyle(DrawStyle::Dot);
    printer.SetForeColor(Qt::red);
    ScourHolePlot::PrintScourHolePlot(printer, SpanThreeHalf(), fields);
    ASSERT_EQ(printer.Document().pages.size(), 1u);
    const PrintedPage& page = printer.Document().pages[0];
    EXPECT_EQ(page.orientation, PageOrientation::Landscape);
    EXPECT_EQ(page.lines.size(), 7u + 90u); // the header's box, then the plot
    EXPECT_EQ(page.arcs.size(), 10u);
    ASSERT_NE(Text(page, "County"), nullptr);
    ASSERT_NE(Text(page, "Kent"), nullptr);
    // Header 400 + 2 x (207 + 60) = 934; 400 below it the title, 45
    // characters centred on 15120 at 100 each, one bold line (230) high.
    const QString title = "NE SCOUR HOLE: DEPRESSED 1/2 THE CULVERT SPAN";
    const PrintedText* heading = Text(page, title);
    ASSERT_NE(heading, nullptr);
    EXPECT_TRUE(heading->font.bold);
    EXPECT_FLOAT_EQ(heading->x, 7560 - 2250);
    EXPECT_FLOAT_EQ(heading->y, 1334);
    // The plot starts 200 below the title, at 1764, and ends 1000 above the
    // bottom, at 10520: its separator lies at three quarters of the 8756
    // between, 1764 + 6567 = 8331, and no label reaches below the end.
    EXPECT_TRUE(std::any_of(page.lines.begin(), page.lines.end(), [](const PrintedLine& l) {
        return Near(l.x2, 15120) && Near(l.y1, 8331);
    }));
    for (const PrintedText& text : page.texts) {
        EXPECT_LE(text.y + metrics.LineHeight(text.font), 10520) << text.text.toStdString();
    }
    for (const PrintedLine& line : page.lines) {
        EXPECT_EQ(line.width, 1);
        EXPECT_EQ(line.style, DrawStyle::Solid);
        EXPECT_EQ(line.color, QColor(Qt::black));
    }
    for (const PrintedArc& arc : page.arcs) {
        EXPECT_EQ(arc.width, 1);
        EXPECT_EQ(arc.style, DrawStyle::Solid);
        EXPECT_EQ(arc.color, QColor(Qt::black));
    }

    ScourHolePlotDesign fullSpan = SpanThreeHalf();
    fullSpan.DepressType = 2;
    TwipsPrinter second(metrics);
    ScourHolePlot::PrintScourHolePlot(second, fullSpan, fields);
    EXPECT_NE(Text(second.Document().pages.at(0), "NE SCOUR HOLE: DEPRESSED THE CULVERT SPAN"),
              nullptr);

    TwipsPrinter refused(metrics);
    EXPECT_THROW(ScourHolePlot::PrintScourHolePlot(refused, ScourHolePlotDesign{}, fields),
                 AppError);
}

} // namespace
