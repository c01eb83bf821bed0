#include "../app/PrintingTestHelpers.h"
#include "platform/TwipsPrinterFixedMetrics.h"
#include "tailwater/PrtTailwaterCrossSectionTable.h"
#include "tailwater/PrtTailwaterRatingCurveTable.h"

#include <gtest/gtest.h>

#include <vector>

// Positions by hand from the fixed metrics: Times New Roman 11 is 110 twips a
// character (bold 121) and 253 a line; the portrait page is 11520 x 15120, so
// the page limit is 15120 - 1000 = 14120.
//
// Every page: the site header from 400 to 934 (two lines of 9 points, 207 +
// 60 each); the title at T = 934 + 500 = 1434, its rule at T + 253 + 30 =
// 1717, from 1000 to 100 past the bold title.
// Rating table, first page: step size line at 1767; heading band from y0 =
// 2070, its lines at 2100 and 2413, its bottom rule at 2696; row k from 2696 +
// 313 (k - 1) to 2696 + 313 k, its text 30 below its top. Row 37 ends at
// 14277, the first below the limit. Continuation page: heading band from 1767
// to 2393.
// Cross-section table, first page: channel data lines at 1767, 2050 and 2333,
// their rule at 2616; heading band from 2816 to 3442.

namespace {

using Row = RatingCurveContents::RowCells;

struct TextAt {
    QString text;
    float x;
    float y;
};

// The texts of a page that stand at this height, left to right as printed.
std::vector<TextAt> TextsAt(const PrintedPage& page, float y) {
    std::vector<TextAt> found;
    for (const PrintedText& t : page.texts) {
        if (t.y == y) {
            found.push_back({t.text, t.x, t.y});
        }
    }
    return found;
}

QStringList TextsOf(const std::vector<TextAt>& texts) {
    QStringList list;
    for (const TextAt& t : texts) {
        list << t.text;
    }
    return list;
}

// The heights of the horizontal rules that start at x.
std::vector<float> RulesFrom(const PrintedPage& page, float x) {
    std::vector<float> heights;
    for (const PrintedLine& line : page.lines) {
        if (line.y1 == line.y2 && line.x1 == x && line.x2 > x) {
            heights.push_back(line.y1);
        }
    }
    return heights;
}

// Where the vertical rules from top to bottom stand.
std::vector<float> VerticalsBetween(const PrintedPage& page, float top, float bottom) {
    std::vector<float> xs;
    for (const PrintedLine& line : page.lines) {
        if (line.x1 == line.x2 && line.y1 == top && line.y2 == bottom) {
            xs.push_back(line.x1);
        }
    }
    return xs;
}

RatingCurveContents RatingRows(int count) {
    RatingCurveContents contents;
    contents.stepSize = "0.1";
    for (int k = 1; k <= count; ++k) {
        contents.rows.push_back(
            Row{QString("E%1").arg(k).toStdString(), "0.00", "0.00", "0.00", "0.00", "0.00"});
    }
    return contents;
}

class TailwaterTableReport : public ::testing::Test {
protected:
    const PrintedDocument& PrintRating(const RatingCurveContents& contents) {
        PrtTailwaterRatingCurveTable::PrintContents(printer, contents, site);
        return printer.Document();
    }
    const PrintedDocument& PrintCrossSection(const CrossSectionContents& contents) {
        PrtTailwaterCrossSectionTable::PrintContents(printer, contents, site);
        return printer.Document();
    }

    FixedPrinterMetrics metrics;
    TwipsPrinter printer{metrics};
    SiteFields site = SampleSiteFields({"F-12", "", "Orlen", "", "", "12+50", "", ""});
};

} // namespace

// An empty grid: one page with the heads and the closed heading band, each
// column as wide as its wider heading plus 300: Elevation 990, Depth 660 (for
// "(feet)"), Flowrate 880, Velocity 880, Area 660, Conveyance 1100.
TEST_F(TailwaterTableReport, AnEmptyRatingTableIsItsHeadsAndHeadingBand) {
    RatingCurveContents contents;
    contents.stepSize = "  ";
    contents.rows.resize(4);
    const PrintedDocument& document = PrintRating(contents);
    ASSERT_EQ(document.pages.size(), 1u);
    const PrintedPage& page = document.pages[0];
    EXPECT_EQ(page.orientation, PageOrientation::Portrait);

    const PrintedText* title = FindText(page, "TAILWATER RATING CURVE TABLE");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->x, 1000);
    EXPECT_EQ(title->y, 1434);
    EXPECT_TRUE(title->font.bold);
    EXPECT_EQ(title->font.name, "Times New Roman");
    EXPECT_EQ(title->font.size, 11);
    // 28 bold characters end at 1000 + 3388; the rule reaches 100 beyond.
    EXPECT_EQ(RulesFrom(page, 1000), (std::vector<float>{1717, 2070, 2696}));
    for (const PrintedLine& line : page.lines) {
        if (line.y1 == 1717 && line.y2 == 1717) {
            EXPECT_EQ(line.x2, 4488);
        }
    }
    const PrintedText* step = FindText(page, "Step Size (ft):  ");
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(step->y, 1767);
    EXPECT_FALSE(step->font.bold);

    const float edges[] = {1000, 2290, 3250, 4430, 5610, 6570, 7970};
    EXPECT_EQ(VerticalsBetween(page, 2070, 2696), std::vector<float>(edges, edges + 7));
    // Centred: "Elevation" (990) in 1000..2290, "(feet)" (660) beside it.
    const std::vector<TextAt> names = TextsAt(page, 2100);
    EXPECT_EQ(TextsOf(names),
              QStringList({"Elevation", "Depth", "Flowrate", "Velocity", "Area", "Conveyance"}));
    EXPECT_EQ(names[0].x, 1645 - 495);
    EXPECT_EQ(TextsOf(TextsAt(page, 2413)),
              QStringList({"(feet)", "(feet)", "(ft^3/s)", "(ft/s)", "(ft^2)", "(ft^3/s)"}));
    EXPECT_EQ(TextsAt(page, 2413)[1].x, 2770 - 330);
}

// Rows with any text print whole and trimmed in grid order, blank cells as
// empty boxes; rows of spaces leave no gap. The widest text widens its column.
TEST_F(TailwaterTableReport, RatingRowsWithTextPrintInGridOrder) {
    RatingCurveContents contents;
    contents.stepSize = " 0.5 ";
    contents.rows = {Row{" 100.00 ", "0.00", "9,999,999.99", "", "0.00", "0.00"}, Row{"  ", " "},
                     Row{"", "", "", "", "", "7"}};
    const PrintedPage& page = PrintRating(contents).pages.at(0);
    EXPECT_NE(FindText(page, "Step Size (ft):  0.5"), nullptr);

    // Flowrate: "9,999,999.99" is 1320 wide, so edges 3250, 4870, 6050, ...
    const float edges[] = {1000, 2290, 3250, 4870, 6050, 7010, 8410};
    EXPECT_EQ(VerticalsBetween(page, 2696, 3009), std::vector<float>(edges, edges + 7));
    EXPECT_EQ(VerticalsBetween(page, 3009, 3322), std::vector<float>(edges, edges + 7));
    const std::vector<TextAt> first = TextsAt(page, 2726);
    EXPECT_EQ(TextsOf(first), QStringList({"100.00", "0.00", "9,999,999.99", "0.00", "0.00"}));
    EXPECT_EQ(first[0].x, 1645 - 330);
    EXPECT_EQ(first[2].x, 4060 - 660);
    EXPECT_EQ(TextsOf(TextsAt(page, 3039)), QStringList({"7"}));
    EXPECT_EQ(RulesFrom(page, 1000),
              (std::vector<float>{1717, 2070, 2696, 2696, 3009, 3009, 3322}));
}

// A row that ends below the limit is the last of its page only when more rows
// follow; the continuation page repeats the header, the title and the heading
// band but not the step size.
TEST_F(TailwaterTableReport, RatingRowsBreakToANewPageBelowTheLimit) {
    struct Case {
        int rows;
        size_t pages;
    };
    for (const Case c : {Case{36, 1}, Case{37, 1}, Case{38, 2}, Case{75, 2}, Case{76, 3}}) {
        SCOPED_TRACE(c.rows);
        TwipsPrinter fresh(metrics);
        PrtTailwaterRatingCurveTable::PrintContents(fresh, RatingRows(c.rows), site);
        const PrintedDocument& document = fresh.Document();
        ASSERT_EQ(document.pages.size(), c.pages);
        const PrintedPage& first = document.pages[0];
        // Row 37 starts at 13964 (above the limit) and ends at 14277.
        const int onFirst = std::min(c.rows, 37);
        EXPECT_EQ(TextsAt(first, 2696 + 313 * (onFirst - 1) + 30).at(0).text,
                  QString("E%1").arg(onFirst));
        if (c.pages < 2) {
            continue;
        }
        const PrintedPage& second = document.pages[1];
        EXPECT_NE(FindText(second, "Orlen"), nullptr);
        EXPECT_NE(FindText(second, "TAILWATER RATING CURVE TABLE"), nullptr);
        EXPECT_EQ(FindText(second, "Step Size (ft):  0.1"), nullptr);
        EXPECT_EQ(TextsOf(TextsAt(second, 1797)).at(0), "Elevation");
        // Row 38 under the band, at 2393 + 30; a further page holds 38 rows
        // (2393 + 313 x 38 = 14287 is the first bottom below the limit).
        EXPECT_EQ(TextsAt(second, 2423).at(0).text, "E38");
        if (c.rows >= 75) {
            EXPECT_EQ(TextsAt(second, 2393 + 313 * 37 + 30).at(0).text, "E75");
        }
        if (c.pages == 3) {
            EXPECT_EQ(TextsAt(document.pages[2], 2423).at(0).text, "E76");
        }
    }
}

// The report sets its page and font before it measures, so the columns and
// the page limit do not depend on what an earlier job left on the printer.
TEST_F(TailwaterTableReport, TheColumnsAreMeasuredInTheReportsOwnFont) {
    printer.SetOrientation(PageOrientation::Landscape);
    printer.SetFontName("Arial");
    printer.SetFontSize(20);
    printer.SetFontBold(true);
    const PrintedDocument& document = PrintRating(RatingRows(38));
    ASSERT_EQ(document.pages.size(), 2u);
    const float edges[] = {1000, 2290, 3250, 4430, 5610, 6570, 7970};
    EXPECT_EQ(VerticalsBetween(document.pages[0], 2070, 2696),
              std::vector<float>(edges, edges + 7));
    EXPECT_EQ(document.pages[0].orientation, PageOrientation::Portrait);
    for (const PrintedText& text : document.pages[1].texts) {
        EXPECT_EQ(text.font.name, "Times New Roman") << text.text.toStdString();
    }
}

// The channel data lines stand between the title and the table, their rule
// as long as the title's; every column is at least 1000 twips wide before its
// margin; rows without station, elevation or n are left out, the others keep
// their grid numbers.
TEST_F(TailwaterTableReport, CrossSectionTableListsThePointsUnderTheChannelData) {
    CrossSectionContents contents;
    contents.channelSlope = " 0.001 ";
    contents.rightOBStation = "x";
    contents.points.resize(CrossSectionContents::NumPoints);
    contents.points[0] = {"0", "105", "0.03"};
    contents.points[1] = {" ", "", ""};
    contents.points[2] = {"10", "", ""};
    const PrintedDocument& document = PrintCrossSection(contents);
    ASSERT_EQ(document.pages.size(), 1u);
    const PrintedPage& page = document.pages[0];

    EXPECT_EQ(FindText(page, "TAILWATER CHANNEL CROSS-SECTION")->y, 1434);
    EXPECT_EQ(FindText(page, "Channel Slope (ft/ft):  0.001")->y, 1767);
    EXPECT_EQ(FindText(page, "Left Over-Bank Station (ft):  ")->y, 2050);
    EXPECT_EQ(FindText(page, "Right Over-Bank Station (ft):  x")->y, 2333);
    // Title: 31 bold characters end at 4751; both rules end at 4851.
    int titleLong = 0;
    for (const PrintedLine& line : page.lines) {
        if (line.x1 == 1000 && (line.y1 == 1717 || line.y1 == 2616)) {
            EXPECT_EQ(line.x2, 4851);
            ++titleLong;
        }
    }
    EXPECT_EQ(titleLong, 2);

    const float edges[] = {1000, 2300, 3600, 4900, 6200};
    EXPECT_EQ(VerticalsBetween(page, 2816, 3442), std::vector<float>(edges, edges + 5));
    // "Point" on the second heading line, level with the units.
    EXPECT_EQ(TextsOf(TextsAt(page, 2846)), QStringList({"Station", "Elevation", "Manning"}));
    EXPECT_EQ(TextsOf(TextsAt(page, 3159)), QStringList({"Point", "(feet)", "(feet)", "n"}));
    EXPECT_EQ(TextsOf(TextsAt(page, 3472)), QStringList({"1", "0", "105", "0.03"}));
    EXPECT_EQ(TextsOf(TextsAt(page, 3785)), QStringList({"3", "10"}));
    EXPECT_EQ(RulesFrom(page, 1000).back(), 4068);
}

// Fifty points run onto a second page that repeats the heads but not the
// channel data: rows end at 3442 + 313 k, first below the limit at k = 35.
TEST_F(TailwaterTableReport, ALongSectionContinuesWithoutTheChannelData) {
    CrossSectionContents contents;
    contents.channelSlope = "0.001";
    for (int k = 1; k <= CrossSectionContents::NumPoints; ++k) {
        contents.points.push_back({std::to_string(10 * k), "100", "0.03"});
    }
    const PrintedDocument& document = PrintCrossSection(contents);
    ASSERT_EQ(document.pages.size(), 2u);
    EXPECT_EQ(TextsAt(document.pages[0], 3442 + 313 * 34 + 30).at(0).text, "35");
    const PrintedPage& second = document.pages[1];
    EXPECT_EQ(FindText(second, "Channel Slope (ft/ft):  0.001"), nullptr);
    EXPECT_NE(FindText(second, "TAILWATER CHANNEL CROSS-SECTION"), nullptr);
    EXPECT_EQ(TextsAt(second, 2423).at(0).text, "36");
    EXPECT_EQ(TextsAt(second, 2393 + 313 * 14 + 30).at(0).text, "50");
}
