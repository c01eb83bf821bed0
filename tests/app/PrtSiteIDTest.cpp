#include "app/PrtSiteID.h"
#include "PrintingTestHelpers.h"
#include "platform/TwipsPrinterFixedMetrics.h"

#include <gtest/gtest.h>

// Positions by hand from the fixed metrics: at 11 points a character is 110
// twips wide (121 bold) and a line 253 twips high. The widest caption,
// "Structure Location (Station):", has 29 characters: 3190 twips.

namespace {

struct PrtSiteIDTest : ::testing::Test {
    PrtSiteIDTest() {
        printer.SetFontName("Times New Roman");
        printer.SetFontSize(11);
    }
    const PrintedPage& Page() const { return printer.Document().pages.at(0); }

    FixedPrinterMetrics metrics;
    TwipsPrinter printer{metrics};
};

} // namespace

TEST_F(PrtSiteIDTest, PrintsTheTitleAndARuledTableOfTheEightFields) {
    SiteFields fields = SampleSiteFields(
        {"  F-1234 ", "2", "Kent", "Route 9", "STP-12(5)", "12+50", "Elk Run", "   "});
    float y = 1000;
    PrtSiteID::PrintSiteID(printer, y, fields);

    const PrintedText* title = FindText(Page(), "Vosk State Highway Agency");
    ASSERT_NE(title, nullptr);
    EXPECT_FLOAT_EQ(title->x, 1000);
    EXPECT_FLOAT_EQ(title->y, 1000);
    EXPECT_EQ(title->font, (PrinterFont{"Times New Roman", 11, true}));

    // X0 = 1000, X1 = 1000 + 3190 + 300 = 4490; every value is at most 990
    // twips wide, so the value column takes the 1000 minimum: X2 = 5790.
    // The table starts at 1000 + 253 + 30 = 1283; rows are 253 + 60 = 313 high.
    struct Cell {
        const char* text;
        float x;
        float y;
    };
    const Cell cells[] = {
        {"File Number:", 4490 - 1320 - 50, 1313},
        {"F-1234", 4540, 1313},
        {"County:", 4490 - 770 - 50, 1313 + 2 * 313},
        {"Kent", 4540, 1313 + 2 * 313},
        {"Structure Location (Station):", 4490 - 3190 - 50, 1313 + 5 * 313},
        {"12+50", 4540, 1313 + 5 * 313},
        {"Designer:", 4490 - 990 - 50, 1313 + 7 * 313},
    };
    for (const auto& c : cells) {
        const PrintedText* text = FindText(Page(), c.text);
        ASSERT_NE(text, nullptr) << c.text;
        EXPECT_FLOAT_EQ(text->x, c.x) << c.text;
        EXPECT_FLOAT_EQ(text->y, c.y) << c.text;
        EXPECT_EQ(text->font, (PrinterFont{"Times New Roman", 11, false})) << c.text;
    }
    // The title, eight captions and seven values: the blank designer prints nothing.
    EXPECT_EQ(Page().texts.size(), 16u);

    const auto& lines = Page().lines;
    ASSERT_EQ(lines.size(), 12u);
    for (int i = 0; i < 9; ++i) {
        float ruleY = 1283 + 313 * i;
        EXPECT_FLOAT_EQ(lines[i].x1, 1000);
        EXPECT_FLOAT_EQ(lines[i].x2, 5790);
        EXPECT_FLOAT_EQ(lines[i].y1, ruleY);
        EXPECT_FLOAT_EQ(lines[i].y2, ruleY);
    }
    const float verticals[] = {1000, 4490, 5790};
    for (int i = 0; i < 3; ++i) {
        EXPECT_FLOAT_EQ(lines[9 + i].x1, verticals[i]);
        EXPECT_FLOAT_EQ(lines[9 + i].x2, verticals[i]);
        EXPECT_FLOAT_EQ(lines[9 + i].y1, 1283);
        EXPECT_FLOAT_EQ(lines[9 + i].y2, 3787);
    }

    // Bottom: 1000 + 253 + 30 + 8 x (253 + 60).
    EXPECT_FLOAT_EQ(y, 3787);
    EXPECT_FLOAT_EQ(printer.CurrentX(), 5790);
    EXPECT_FLOAT_EQ(printer.CurrentY(), 3787);
    EXPECT_FALSE(printer.FontBold());
    EXPECT_EQ(printer.FontName(), "Times New Roman");
    EXPECT_FLOAT_EQ(printer.FontSize(), 11);
}

TEST_F(PrtSiteIDTest, ColumnsAreTheirWidestTextAtLeast1000PlusMargin) {
    struct Case {
        const char* what;
        float points;
        QString stream;
        float x1;
        float x2;
        float bottom;
    };
    const Case cases[] = {
        // Empty values: the value column is 1000 + 300 wide.
        {"empty, 11 points", 11, "", 4490, 5790, 3787},
        // At 3 points the widest caption is 29 x 30 = 870 twips, below the
        // minimum; lines are 69 high: 1000 + 69 + 30 + 8 x 129.
        {"empty, 3 points", 3, "", 2300, 3600, 2131},
        // 28 characters, 3080 twips: only the value column widens.
        {"long stream", 11, "Little Muddy Creek tributary", 4490, 4490 + 3080 + 300, 3787},
        // 78 characters, 8580 twips, would pass the page's right edge. The
        // column stops 1000 short of it (11520 - 1000 - 4490 - 300 = 5730, 52
        // characters); the value wraps at a blank after 50 onto a second line.
        {"stream too long for the page", 11,
         "Little Muddy Creek tributary north of the old mill race, below the county road", 4490,
         10520, 3787 + 253},
    };
    for (const auto& c : cases) {
        FixedPrinterMetrics fixed;
        TwipsPrinter paper(fixed);
        paper.SetFontSize(c.points);
        float y = 1000;
        PrtSiteID::PrintSiteID(paper, y, SampleSiteFields({"", "", "", "", "", "", c.stream, ""}));

        const auto& lines = paper.Document().pages.at(0).lines;
        ASSERT_EQ(lines.size(), 12u) << c.what;
        EXPECT_FLOAT_EQ(lines[0].x2, c.x2) << c.what;
        EXPECT_FLOAT_EQ(lines[10].x1, c.x1) << c.what;
        EXPECT_FLOAT_EQ(lines[11].x1, c.x2) << c.what;
        EXPECT_FLOAT_EQ(y, c.bottom) << c.what;
    }
}
