#include "outlet_protection/PrtNEScourHole.h"
#include "platform/TwipsPrinter.h"
#include "platform/TwipsPrinterFixedMetrics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

// Positions by hand from the fixed metrics: 10 twips a character per point
// (12 points: 120, 11 points: 110) and 23 twips a line per point (12 points:
// 276, 11 points: 253, the header's 9 points: 207).
//
// Site header 400 to 934 (two rows of 30 + 207 + 30); title at 934 + 400 =
// 1334. Inputs from 1610 + 200 = 1810, one 12-point line apart; the first
// label, 31 characters, ends at 1440 + 3720 = 5160. Design 0's heading at
// 2638 + 100 = 2738; its tables start from 3014 + 100 = 3114.
//
// Design 0, dimensions: heading box 3314 to 4133 (3 lines of 15 + 253, then
// 15), value box 4183 to 4466. Riprap size: heading box 4766 to 5317, value
// box 5367 to 5650. Thickness: heading box 6000 to 6551, value box 6601 to
// 6884. Design 1's heading at 6884 + 200 = 7084, its dimensions box from 7660.

namespace {

const FixedPrinterMetrics metrics;

ScourHoleContents Computed() {
    ScourHoleContents contents;
    // What the user typed since, and the copies of the last Compute.
    contents.inputs[0] = {"999", "9", "9"};
    contents.inputs[1] = {" 180 ", "2", "3"};
    contents.results[0] = {"3", "15", "1.5", "18", "1.47", "2.94", "Class B Riprap", "3.00"};
    contents.results[1] = {"3", "24", "3", "27", "2.15", "4.31", "OUT OF RANGE", "OUT OF RANGE"};
    return contents;
}

const PrintedPage& Print(TwipsPrinter& printer, const ScourHoleContents& contents) {
    PrtNEScourHole::PrintContents(printer, contents, SiteFields{});
    EXPECT_EQ(printer.Document().pages.size(), 1u);
    return printer.Document().pages.at(0);
}

const PrintedText* Find(const PrintedPage& page, const QString& text, float y = -1) {
    auto it = std::find_if(page.texts.begin(), page.texts.end(), [&](const PrintedText& t) {
        return t.text == text && (y < 0 || t.y == y);
    });
    return it == page.texts.end() ? nullptr : &*it;
}

// The horizontal rules of the tables (from x 2000), top to bottom.
std::vector<float> TableRules(const PrintedPage& page) {
    std::vector<float> ys;
    for (const PrintedLine& line : page.lines) {
        if (line.y1 == line.y2 && line.x1 == 2000) {
            ys.push_back(line.y1);
        }
    }
    return ys;
}

// The vertical rules that start at this height.
std::vector<float> EdgesFrom(const PrintedPage& page, float top) {
    std::vector<float> xs;
    for (const PrintedLine& line : page.lines) {
        if (line.x1 == line.x2 && line.y1 == top) {
            xs.push_back(line.x1);
        }
    }
    return xs;
}

TEST(PrtNEScourHole, TitleAndTheInputsOfTheLastComputeLinedUpOnTheirColons) {
    TwipsPrinter printer(metrics);
    const PrintedPage& page = Print(printer, Computed());
    EXPECT_EQ(page.orientation, PageOrientation::Portrait);
    const PrintedText* title = Find(page, "NE SCOUR HOLE DESIGN");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->x, 1440);
    EXPECT_EQ(title->y, 1334);
    EXPECT_TRUE(title->font.bold);
    EXPECT_EQ(title->font.size, 12);

    struct Line {
        const char* label;
        float labelX;
        const char* value;
        float y;
    };
    // Labels of 31, 16 and 22 characters at 120 twips each, ending at 5160.
    for (const Line& l : {Line{"Culvert Diameter or Span (ft): ", 1440, "3", 1810},
                          Line{"Design Q (cfs): ", 3240, "180", 2086},
                          Line{"Tailwater Depth (ft): ", 2520, "2", 2362}}) {
        SCOPED_TRACE(l.label);
        const PrintedText* label = Find(page, l.label);
        const PrintedText* value = Find(page, l.value, l.y);
        ASSERT_TRUE(label && value);
        EXPECT_EQ(label->x, l.labelX);
        EXPECT_EQ(label->y, l.y);
        EXPECT_EQ(value->x, 5160);
        EXPECT_FALSE(label->font.bold);
    }
    EXPECT_EQ(Find(page, "999"), nullptr);
    const PrintedText* heading0 =
        Find(page, "Scour Hole Dimensions: For scour hole depressed 1/2 the culvert span");
    const PrintedText* heading1 =
        Find(page, "Scour Hole Dimensions: For scour hole depressed the culvert span");
    ASSERT_TRUE(heading0 && heading1);
    EXPECT_EQ(heading0->y, 2738);
    EXPECT_EQ(heading1->y, 7084);
    EXPECT_EQ(heading1->font.size, 12);
}

TEST(PrtNEScourHole, SixBoxedTablesWithTheirRhythmAndColumns) {
    TwipsPrinter printer(metrics);
    const PrintedPage& page = Print(printer, Computed());
    const std::vector<float> rules = TableRules(page);
    ASSERT_EQ(rules.size(), 24u);
    const std::vector<float> design0(rules.begin(), rules.begin() + 12);
    EXPECT_EQ(design0, std::vector<float>({3314, 4133, 4183, 4466, 4766, 5317, 5367, 5650, 6000,
                                           6551, 6601, 6884}));
    EXPECT_EQ(rules[12], 7660);

    // Design 0's dimensions measured in the inputs' 12 points: widest texts of
    // 6, 6, 7 and 10 characters, plus 200.
    EXPECT_EQ(EdgesFrom(page, 3314), std::vector<float>({2000, 2920, 3840, 4880, 6280}));
    // Design 1's in 11 points.
    EXPECT_EQ(EdgesFrom(page, 7660), std::vector<float>({2000, 2860, 3720, 4690, 5990}));
    // Riprap size: "Calculated Riprap" (17) and "Recommended Riprap" (18) at 110.
    EXPECT_EQ(EdgesFrom(page, 4766), std::vector<float>({2000, 4070, 6250}));

    // Cells centred in their columns at 11 points: "15" (220 wide) in 2000 to 2920.
    const PrintedText* a = Find(page, "15", 4198);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->x, 2350);
    EXPECT_EQ(a->font.size, 11);
    const PrintedText* width = Find(page, "Width ", 3597);
    ASSERT_NE(width, nullptr);
    EXPECT_EQ(width->x, 2130); // 2460 - 660 / 2
    EXPECT_NE(Find(page, "Class B Riprap", 5382), nullptr);
    EXPECT_NE(Find(page, "Size, D-50(ft)"), nullptr);
}

TEST(PrtNEScourHole, EmptyWindowPrintsLabelsAndHeadingsOverEmptyRows) {
    TwipsPrinter printer(metrics);
    const PrintedPage& page = Print(printer, ScourHoleContents{});
    EXPECT_NE(Find(page, "Design Q (cfs): "), nullptr);
    EXPECT_EQ(TableRules(page).size(), 24u);
    // Columns as wide as their headings: "Recommended Riprap" plus 200.
    EXPECT_EQ(EdgesFrom(page, 4766), std::vector<float>({2000, 4070, 6250}));
    // An out-of-range text widens its column instead: "OUT OF RANGE" (12) is
    // narrower than the headings, "Recommended Riprap Thickness" is not.
    ScourHoleContents wide;
    wide.results[0].recD = "Recommended Riprap Thickness";
    TwipsPrinter second(metrics);
    const PrintedPage& widened = Print(second, wide);
    EXPECT_EQ(EdgesFrom(widened, 6000), std::vector<float>({2000, 4070, 7350}));
}

} // namespace
