#include "tailwater/PrtTailwaterQDepth.h"
#include "platform/TwipsPrinterFixedMetrics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

// Positions by hand from the fixed metrics: Times New Roman 11 is 110 twips a
// character (bold 121) and 253 twips a line; the portrait page is 11520 x
// 15120, so no row starts below 15120 - 1000 = 14120.
//
// Every page starts alike: the site header from 400 to 934 (two lines of 9
// points, 30 above and below each); the bold title at 1434, 18 characters
// (2178 wide) with its rule at 1434 + 253 + 50 = 1737 from 1000 to 3228; the
// next block at 1787.
//
// The Q-elevation table: caption at 1787, top rule T = 1787 + 253 + 50 = 2090,
// heading lines at 2120 and 2403, heading rule H = 2686; data row k prints at
// 2716 + 313 (k - 1), its rule at 2686 + 313 k. A design table entered at P:
// title at P + 100, top rule y0 = P + 403, heading lines at y0 + 30 and
// y0 + 313, heading rule y0 + 596, row k's rule 313 k below it.

namespace {

QDepthContents::DesignRow DesignRow(const char* period, const char* q = "", const char* depth = "",
                                    const char* elevation = "") {
    return {period, q, depth, elevation};
}

// The window as clearing leaves it (mode 0, the program's return periods),
// with three design discharges computed in the runoff chart grid.
QDepthContents ClearedContents() {
    QDepthContents contents;
    contents.mode = 0;
    contents.qElev.resize(10);
    for (const char* period : {"2", "5", "10", "25", "50", "100", "500"}) {
        contents.design[QDepthContents::RunoffChart].push_back(DesignRow(period));
    }
    for (const char* period : {"2", "5", "10", "25", "50", "100"}) {
        contents.design[QDepthContents::Mavo1987].push_back(DesignRow(period));
    }
    for (const char* period : {"2", "5", "10", "25", "50", "100", "200", "500"}) {
        contents.design[QDepthContents::Yuld2001].push_back(DesignRow(period));
    }
    return contents;
}

// The window at its fullest: every Q-elevation row and every return period
// computed.
QDepthContents FullestContents() {
    QDepthContents contents = ClearedContents();
    for (auto& row : contents.qElev) {
        row = {"1,250.00", "7.70", "107.70"};
    }
    for (auto& grid : contents.design) {
        for (auto& row : grid) {
            row[1] = "980";
            row[2] = "6.80";
            row[3] = "106.80";
        }
    }
    return contents;
}

// The cleared window with Q-elevation rows "Q1" to "Q<count>" in column 0.
QDepthContents WithQRows(int count) {
    QDepthContents contents = ClearedContents();
    contents.qElev.clear();
    for (int k = 1; k <= count; ++k) {
        contents.qElev.push_back({"Q" + std::to_string(k), "", ""});
    }
    return contents;
}

class QDepthReport : public ::testing::Test {
protected:
    void Print(const QDepthContents& contents) {
        PrtTailwaterQDepth::PrintContents(printer, contents, SiteFields{});
    }

    const PrintedPage& Page(size_t page) const { return printer.Document().pages.at(page); }

    // Where each text that reads so stands on the page, in print order.
    std::vector<std::pair<float, float>> At(size_t page, const QString& text) const {
        std::vector<std::pair<float, float>> places;
        for (const PrintedText& t : Page(page).texts) {
            if (t.text == text) {
                places.push_back({t.x, t.y});
            }
        }
        return places;
    }

    // The heights of the horizontal rules across the table from x1 to x2.
    std::vector<float> Rules(size_t page, float x1, float x2) const {
        std::vector<float> rules;
        for (const PrintedLine& line : Page(page).lines) {
            if (line.y1 == line.y2 && line.x1 == x1 && line.x2 == x2) {
                rules.push_back(line.y1);
            }
        }
        return rules;
    }

    // The vertical rules from top to bottom, by their x.
    std::vector<float> Verticals(size_t page, float top, float bottom) const {
        std::vector<float> xs;
        for (const PrintedLine& line : Page(page).lines) {
            if (line.x1 == line.x2 && line.y1 == top && line.y2 == bottom) {
                xs.push_back(line.x1);
            }
        }
        return xs;
    }

    FixedPrinterMetrics metrics;
    TwipsPrinter printer{metrics};
};

using Places = std::vector<std::pair<float, float>>;

TEST_F(QDepthReport, TitleCaptionAndQElevationTableOfTheRowsThatHoldText) {
    QDepthContents contents = ClearedContents();
    contents.mode = 1;
    contents.qElev[0] = {"32.10", " 1 ", "101.00"};
    contents.qElev[2] = {" ", "2.5", ""};
    contents.qElev[3] = {"  ", "", " "};
    Print(contents);

    ASSERT_EQ(printer.Document().pages.size(), 1u);
    EXPECT_EQ(Page(0).orientation, PageOrientation::Portrait);
    const PrintedText* title = nullptr;
    for (const PrintedText& t : Page(0).texts) {
        if (t.text == "TAILWATER, Q-DEPTH") {
            title = &t;
        }
    }
    ASSERT_TRUE(title);
    EXPECT_EQ(title->x, 1000);
    EXPECT_EQ(title->y, 1434);
    EXPECT_EQ(title->font, (PrinterFont{"Times New Roman", 11, true}));
    EXPECT_EQ(Rules(0, 1000, 3228), std::vector<float>{1737});
    EXPECT_EQ(At(0, "Given Depth, Find Q and Elevation"), (Places{{1000, 1787}}));

    // Columns of 1800: edges 1000, 2800, 4600, 6400; centres 1900, 3700, 5500.
    EXPECT_EQ(At(0, "Q").front(), (std::pair<float, float>{1900 - 55, 2120}));
    EXPECT_EQ(At(0, "Elevation").front(), (std::pair<float, float>{5500 - 495, 2120}));
    EXPECT_EQ(At(0, "(ft^3/s)").front(), (std::pair<float, float>{1900 - 440, 2403}));
    // Rows 1 and 3 of the grid, one under the other, trimmed.
    EXPECT_EQ(At(0, "32.10"), (Places{{1900 - 275, 2716}}));
    EXPECT_EQ(At(0, "1"), (Places{{3700 - 55, 2716}}));
    EXPECT_EQ(At(0, "2.5"), (Places{{3700 - 165, 3029}}));
    EXPECT_EQ(Rules(0, 1000, 6400), (std::vector<float>{2090, 2686, 2999, 3312}));
    EXPECT_EQ(Verticals(0, 2090, 3312), (std::vector<float>{1000, 2800, 4600, 6400}));

    // The runoff chart table follows 30 below: title at 3342 + 100, top rule
    // at 3745, heading rule at 4341, seven return-period rows.
    EXPECT_EQ(At(0, "Vosk Runoff Chart"), (Places{{1000, 3442}}));
    EXPECT_EQ(At(0, "(years)").front(), (std::pair<float, float>{1900 - 385, 4058}));
    std::vector<float> rules = {3745, 4341};
    for (int k = 1; k <= 7; ++k) {
        rules.push_back(4341 + 313 * k);
    }
    const std::vector<float> designRules = Rules(0, 1000, 8200); // all three tables
    ASSERT_GE(designRules.size(), rules.size());
    EXPECT_EQ(std::vector<float>(designRules.begin(), designRules.begin() + 9), rules);
    EXPECT_EQ(Verticals(0, 3745, 6532), (std::vector<float>{1000, 2800, 4600, 6400, 8200}));
    EXPECT_EQ(At(0, "500").front(), (std::pair<float, float>{1900 - 165, 4371 + 313 * 6}));
    EXPECT_FALSE(printer.FontBold());
}

TEST_F(QDepthReport, AWideTextWidensItsColumnAndMovesTheOthers) {
    QDepthContents contents = ClearedContents();
    contents.qElev[0] = {"123,456,789,012.34", "7.70", "107.70"}; // 18 characters: 1980
    Print(contents);
    // Column 0 is 1980 + 300 wide: edges 1000, 3280, 5080, 6880.
    EXPECT_EQ(At(0, "Q").front(), (std::pair<float, float>{2140 - 55, 2120}));
    EXPECT_EQ(At(0, "123,456,789,012.34"), (Places{{2140 - 990, 2716}}));
    EXPECT_EQ(At(0, "Depth").front(), (std::pair<float, float>{4180 - 275, 2120}));
    EXPECT_EQ(Verticals(0, 2090, 2999), (std::vector<float>{1000, 3280, 5080, 6880}));
}

// The empty caption still takes its line: the table starts at 2090 all the same.
TEST_F(QDepthReport, NoModeLeavesAnEmptyCaptionLine) {
    QDepthContents contents = ClearedContents();
    contents.mode = QDepthContents::NoMode;
    Print(contents);
    EXPECT_EQ(Rules(0, 1000, 6400), (std::vector<float>{2090, 2686}));
    EXPECT_EQ(Verticals(0, 2090, 2686), (std::vector<float>{1000, 2800, 4600, 6400}));
}

// The window at its fullest: 10 Q-elevation rows and every return period
// computed. The Q-elevation table ends at 2686 + 3130 = 5816; the runoff
// chart table (entered at 5846) at 6845 + 7 x 313 = 9036; the 1987 table
// (entered at 9066) at 10065 + 6 x 313 = 11943. The 2001 table entered at
// 11973 fits its title and headings above the limit (heading rule at 12972),
// and its fourth row ends at 14224, below 14120: rows 5 to 8 go on a second
// page under the site header, the title, the table's title and headings.
TEST_F(QDepthReport, TheLastTableContinuesOnANewPageOnceARowEndsBelowTheLimit) {
    QDepthContents contents = FullestContents();
    Print(contents);

    ASSERT_EQ(printer.Document().pages.size(), 2u);
    EXPECT_EQ(At(0, "USGS, Yuld - 2001"), (Places{{1000, 12073}}));
    EXPECT_EQ(Verticals(0, 12376, 14224), (std::vector<float>{1000, 2800, 4600, 6400, 8200}));
    EXPECT_EQ(At(0, "200"), Places{});

    EXPECT_EQ(At(1, "TAILWATER, Q-DEPTH"), (Places{{1000, 1434}}));
    EXPECT_EQ(At(1, "County").size(), 1u);
    EXPECT_EQ(At(1, "USGS, Yuld - 2001"), (Places{{1000, 1887}}));
    EXPECT_EQ(At(1, "Return Period"), (Places{{1900 - 715, 2220}}));
    EXPECT_EQ(At(1, "50"), (Places{{1900 - 110, 2816}}));
    EXPECT_EQ(At(1, "500"), (Places{{1900 - 165, 2816 + 3 * 313}}));
    EXPECT_EQ(Verticals(1, 2190, 2786 + 4 * 313),
              (std::vector<float>{1000, 2800, 4600, 6400, 8200}));
}

// A table whose last row ends below the limit ends there: no page is started
// for its headings alone. The fullest window of the test above with four
// 2001 rows: the fourth, the last, ends at 12972 + 4 x 313 = 14224.
TEST_F(QDepthReport, ATableWhoseLastRowEndsBelowTheLimitStartsNoPageForItsHeadings) {
    QDepthContents contents = FullestContents();
    contents.design[QDepthContents::Yuld2001].resize(4);
    Print(contents);
    ASSERT_EQ(printer.Document().pages.size(), 1u);
    EXPECT_EQ(Verticals(0, 12376, 14224), (std::vector<float>{1000, 2800, 4600, 6400, 8200}));
}

// The same for the Q-elevation table: 37 rows, the 37th ending at 2686 +
// 37 x 313 = 14267. Its headings are not repeated; the runoff chart table, too
// tall for what is left (14297 + 100 + 253 + 50 + 596 > 14120), opens page two
// under the title at 1787 + 100 = 1887.
TEST_F(QDepthReport, AQElevationTableEndingBelowTheLimitRepeatsNoHeadings) {
    QDepthContents contents = WithQRows(37);
    Print(contents);
    ASSERT_EQ(printer.Document().pages.size(), 2u);
    EXPECT_EQ(At(0, "Q37").size(), 1u);
    EXPECT_EQ(At(1, "Given Q, Find Depth and Elevation"), Places{});
    EXPECT_EQ(At(1, "Vosk Runoff Chart"), (Places{{1000, 1887}}));
}

// A Q-elevation table longer than a page (the report takes any contents)
// breaks after the row whose rule passes 14120: row 37's, at 2686 + 37 x 313
// = 14267. The rows after it start a second page below the repeated heads.
TEST_F(QDepthReport, ALongQElevationTableRepeatsItsHeadingsOnTheNextPage) {
    QDepthContents contents = WithQRows(40);
    Print(contents);

    ASSERT_EQ(printer.Document().pages.size(), 2u);
    EXPECT_EQ(At(0, "Q37"), (Places{{1900 - 165, 2716 + 313 * 36}}));
    EXPECT_EQ(Verticals(0, 2090, 14267), (std::vector<float>{1000, 2800, 4600, 6400}));
    EXPECT_EQ(At(1, "Given Q, Find Depth and Elevation"), (Places{{1000, 1787}}));
    EXPECT_EQ(At(1, "Q").front(), (std::pair<float, float>{1900 - 55, 2120}));
    EXPECT_EQ(At(1, "Q38"), (Places{{1900 - 165, 2716}}));
    EXPECT_EQ(Verticals(1, 2090, 2686 + 3 * 313), (std::vector<float>{1000, 2800, 4600, 6400}));
    // The design tables follow on the second page.
    EXPECT_EQ(At(1, "Vosk Runoff Chart"), (Places{{1000, 2686 + 3 * 313 + 30 + 100}}));
}

} // namespace
