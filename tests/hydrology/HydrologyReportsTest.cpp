#include "../app/PrintingTestHelpers.h"
#include "hydrology/PrtUSGSResults.h"
#include "hydrology/PrtVoskRunoffChart.h"
#include "hydrology/modPrtMavo1987.h"
#include "platform/TwipsPrinterFixedMetrics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

// Positions by hand from the fixed metrics: Times New Roman 11 is 110 twips a
// character (121 bold) and 253 twips a line.
//
// Every report: the site block from 1000 (agency line 1000 to 1283, eight
// field rows of 30 + 253 + 30 = 313) ends at 1283 + 8 x 313 = 3787; the title
// stands at 3787 + 500 = 4287, its underline at 4287 + 253 + 50 = 4590, and
// the next block starts one line lower, at 4843.
//
// Ruled tables: top rule at T, heading lines at T + 30 and T + 343, rule
// under the headings at T + 626, body row k (from 1) at T + 626 + 30 + (k -
// 1) x 313 with its rule 283 lower; each column max(1000, widest) + 300 wide.

namespace {

struct Expected {
    QString text;
    float x;
    float y;
    bool bold = false;
};

// Each text on its line, at its x: the same text may stand on other lines
// too (a digit in the site block, say).
void ExpectTexts(const PrintedPage& page, const std::vector<Expected>& expected) {
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.text.toStdString());
        auto t = std::find_if(page.texts.begin(), page.texts.end(),
                              [&](const PrintedText& t) { return t.text == e.text && t.y == e.y; });
        ASSERT_NE(t, page.texts.end()) << "nothing at y = " << e.y;
        EXPECT_FLOAT_EQ(t->x, e.x);
        EXPECT_EQ(t->font.bold, e.bold);
        EXPECT_EQ(t->font.name, "Times New Roman");
        EXPECT_EQ(t->font.size, 11);
    }
}

bool HasLine(const PrintedPage& page, float x1, float y1, float x2, float y2) {
    return std::any_of(page.lines.begin(), page.lines.end(), [&](const PrintedLine& l) {
        return l.x1 == x1 && l.y1 == y1 && l.x2 == x2 && l.y2 == y2;
    });
}

// The rules of a ruled table: across at each height, and the column edges
// from the top to the heading rule and from there to the bottom.
void ExpectRuledTable(const PrintedPage& page, const std::vector<float>& edges,
                      const std::vector<float>& acrossAt) {
    for (float y : acrossAt) {
        EXPECT_TRUE(HasLine(page, edges.front(), y, edges.back(), y)) << "rule at " << y;
    }
    for (float x : edges) {
        EXPECT_TRUE(HasLine(page, x, acrossAt[0], x, acrossAt[1])) << "heading edge " << x;
        EXPECT_TRUE(HasLine(page, x, acrossAt[1], x, acrossAt.back())) << "body edge " << x;
    }
}

class HydrologyReport : public ::testing::Test {
protected:
    const PrintedPage& OnlyPage() {
        EXPECT_EQ(printer.Document().pages.size(), 1u);
        return printer.Document().pages.front();
    }

    SiteFields fields = SampleSiteFields({"F-2291", "3", "Kent", "Route 9 over Elk Run",
                                          "STP-0012(5)", "12+50.00", "Elk Run", "J. Doe"});
    FixedPrinterMetrics metrics;
    TwipsPrinter printer{metrics};
};

RunoffChartContents SelectedRunoffChart() {
    RunoffChartContents c;
    c.drainageArea = " 640 ";
    c.lusOption = 0;
    c.landUseText = " Forest";
    c.slopeText = " Flat (0 - 2%)";
    c.lfSelect = "0.3 ";
    c.userDescription = "never printed";
    c.userLF = "0.99";
    c.chartQ = "1,250";
    c.results = {{"2", "0.55", "688"}, {"10", "1", " "}, {" 100", "1.65", "2,063"}};
    return c;
}

} // namespace

// Drainage area: label 14 x 110 = 1540, so the field runs from 2540 to 3540
// (640 is 330 wide, + 300 < 1000) and 640 starts at 3040 - 165 = 2875; Acres
// at 3540 + 50. Land use (from 5349, one line each): labels flush at 1000 +
// max(1000, 1100) = 2100. Chart Q at 6361: field from 1880 to 2880, 1,250 at
// 2380 - 275 = 2105, the unit at the field's end. Results table from 7170:
// columns 1430 + 300, 1760 + 300 and 1000 + 300 wide, edges 1000, 2730, 4790
// and 6090, centres 1865, 3760 and 5440.
TEST_F(HydrologyReport, RunoffChartWithListedClassesAtHandCheckedPositions) {
    PrtVoskRunoffChart::PrintContents(printer, SelectedRunoffChart(), fields);
    const PrintedPage& page = OnlyPage();
    EXPECT_EQ(page.orientation, PageOrientation::Portrait);
    ExpectTexts(page, {
                          {"Vosk State Highway Agency", 1000, 1000, true},
                          {"VOSK RUNOFF CHART", 1000, 4287, true},
                          {"Drainage Area:", 1000, 4843},
                          {"640", 2875, 4843},
                          {"Acres", 3590, 4843},
                          {"Land Use: ", 1000, 5349},
                          {" Forest", 2100, 5349},
                          {"Slope: ", 1330, 5602},
                          {" Flat (0 - 2%)", 2100, 5602},
                          {"LF: ", 1660, 5855},
                          {"0.3", 2100, 5855},
                          {"Chart Q:", 1000, 6361},
                          {"1,250", 2105, 6361},
                          {"ft^3/s", 2880, 6361},
                          {"RESULTS", 1000, 6867},
                          {"Return Period", 1150, 7200},
                          {"Frequency Factor", 2880, 7200},
                          {"Q", 5385, 7200},
                          {"(years)", 1480, 7513},
                          {"FF", 3650, 7513},
                          {"(ft^3/s)", 5000, 7513},
                          {"2", 1810, 7826},
                          {"0.55", 3540, 7826},
                          {"688", 5275, 7826},
                          {"10", 1755, 8139},
                          {"1", 3705, 8139},
                          {"100", 1700, 8452},
                          {"2,063", 5165, 8452},
                      });
    // The title's underline runs 100 past its 17 x 121 = 2057 twips.
    EXPECT_TRUE(HasLine(page, 1000, 4590, 3157, 4590));
    EXPECT_TRUE(HasLine(page, 2540, 5096, 3540, 5096));
    EXPECT_TRUE(HasLine(page, 1880, 6614, 2880, 6614));
    ExpectRuledTable(page, {1000, 2730, 4790, 6090}, {7170, 7796, 8109, 8422, 8735});
    for (const char* absent : {"never printed", "0.99", "User LF: ", " "}) {
        EXPECT_EQ(FindText(page, absent), nullptr) << absent;
    }
}

TEST_F(HydrologyReport, RunoffChartFieldsWidenOnlyForLongValues) {
    struct Case {
        const char* what;
        std::string value;
        bool chartQ;
        float valueX;
        float fieldEnd;
        float unitX;
    };
    const Case cases[] = {
        // An empty area keeps the 1000-twip field; the unit stands 50 past it.
        {"empty area", "", false, 0, 3540, 3590},
        // 770 wide: 770 + 300 > 1000.
        {"seven-digit area", " 1234567 ", false, 2690, 3610, 3660},
        // 880 wide, not over 1000: the field stays.
        {"eight-digit chart Q", "12345678", true, 1940, 2880, 2880},
        // 1320 wide: the field is the text, the unit right at its end.
        {"twelve-digit chart Q", "123456789012", true, 1880, 3200, 3200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RunoffChartContents contents = SelectedRunoffChart();
        (c.chartQ ? contents.chartQ : contents.drainageArea) = c.value;
        TwipsPrinter fresh{metrics};
        PrtVoskRunoffChart::PrintContents(fresh, contents, fields);
        const PrintedPage& page = fresh.Document().pages.front();
        const float y = c.chartQ ? 6361 : 4843;
        const float fieldStart = c.chartQ ? 1880 : 2540;
        const QString trimmed = QString::fromStdString(c.value).trimmed();
        ExpectTexts(page, {{c.chartQ ? "ft^3/s" : "Acres", c.unitX, y}});
        if (!trimmed.isEmpty()) { // an empty text leaves no mark
            ExpectTexts(page, {{trimmed, c.valueX, y}});
        }
        EXPECT_TRUE(HasLine(page, fieldStart, y + 253, c.fieldEnd, y + 253));
    }
}

// The typed factor instead of the lists: four lines from 5349 as before.
TEST_F(HydrologyReport, RunoffChartWithTypedFactorPrintsNoListedClasses) {
    RunoffChartContents contents = SelectedRunoffChart();
    contents.lusOption = 1;
    contents.userDescription = "  Orchard, mown between the rows, on a long gentle slope  ";
    contents.userLF = " 0.35";
    PrtVoskRunoffChart::PrintContents(printer, contents, fields);
    const PrintedPage& page = OnlyPage();
    ExpectTexts(page, {
                          {"User Land Use/Slope Description: ", 1000, 5349},
                          {"Orchard, mown between the rows, on a long gentle slope", 1500, 5602},
                          {"User LF: ", 1000, 5855},
                          {"0.35", 1990, 5855},
                          {"Chart Q:", 1000, 6361},
                      });
    for (const char* absent : {" Forest", " Flat (0 - 2%)", "0.3", "Land Use: ", "LF: "}) {
        EXPECT_EQ(FindText(page, absent), nullptr) << absent;
    }
}

// Title 33 x 121 = 3993 wide. Areas table from 5146: columns 1000 + 300 and
// 1540 + 300, edges 1000, 2300, 4140, bottom 5772 + 4 x 313 = 7024.
// Characteristics: an empty line, the heading at 7277, MCS at 7560; the value
// column from 1500 + 440 = 1940, 1000 wide (440 + 300 < 1000); ORL 313 lower;
// legends at 8216 and 8499; the results heading at 9035, table from 9338 with
// edges 1000, 2730, 4030.
TEST_F(HydrologyReport, USGS2001AtHandCheckedPositions) {
    USGSRegressionContents contents;
    contents.regionDA = {"12.5", "", " 3 "};
    contents.mainChannelSlope = " 25.4";
    contents.totalDA = "15.5";
    contents.results = {{"2", "1,234"}, {"10", ""}};
    PrtUSGSResults::PrintContents(printer, contents, fields);
    const PrintedPage& page = OnlyPage();
    ExpectTexts(page, {
                          {"USGS FLOOD FREQUENCY, YULD - 2001", 1000, 4287, true},
                          {"WATERSHED DRAINAGE AREA", 1000, 4843},
                          {" ", 1595, 5176},
                          {"Drainage Area", 2505, 5176},
                          {"Region", 1320, 5489},
                          {"(square miles)", 2450, 5489},
                          {"1", 1595, 5802},
                          {"12.5", 3000, 5802},
                          {"2", 1595, 6115},
                          {"3", 1595, 6428},
                          {"Total", 1375, 6741},
                          {"15.5", 3000, 6741},
                          {"WATERSHED CHARACTERISTICS (Optional)", 1000, 7277},
                          {"MCS: ", 1500, 7560},
                          {"25.4", 2220, 7560},
                          {"feet per mile", 2940, 7560},
                          {"ORL: ", 1500, 7873},
                          {"square miles", 2940, 7873},
                          {"MCS: Main Channel Slope of the Watershed.", 1500, 8216},
                          {"ORL: Drainage area of the watershed in the Orlen Lobe landform region.",
                           1500, 8499},
                          {"RESULTS", 1000, 9035},
                          {"Return Period", 1150, 9368},
                          {"Q", 3325, 9368},
                          {"(years)", 1480, 9681},
                          {"(ft^3/s)", 2940, 9681},
                          {"1,234", 3105, 9994},
                          {"10", 1755, 10307},
                      });
    EXPECT_TRUE(HasLine(page, 1000, 4590, 5093, 4590));
    ExpectRuledTable(page, {1000, 2300, 4140}, {5146, 5772, 6085, 6398, 6711, 7024});
    EXPECT_TRUE(HasLine(page, 1940, 7843, 2940, 7843));
    EXPECT_TRUE(HasLine(page, 1940, 8156, 2940, 8156));
    ExpectRuledTable(page, {1000, 2730, 4030}, {9338, 9964, 10277, 10590});
}

// Title 34 x 121 = 4114 wide, trailing blank included. Headings and the
// column widths in bold: areas table from 5346 with columns 1000 + 300 and
// 14 x 121 + 300 = 1994, edges 1440, 2740, 4734 (centres 2090, 3737); results
// heading at 7850 + 200, table from 8353 with columns 13 x 121 + 300 = 1873
// and 1300, edges 1440, 3313, 4613 (centres 2376.5, 3963).
TEST_F(HydrologyReport, USGS1987AtHandCheckedPositionsWithBoldHeadings) {
    Mavo1987Contents contents;
    contents.regionDA = {"10", "", "2.5", "", ""};
    contents.results = {{"2", "1,020"}, {"5", ""}};
    modPrtMavo1987::PrintContents(printer, contents, fields);
    const PrintedPage& page = OnlyPage();
    ExpectTexts(page, {
                          {"USGS FLOOD FREQUENCY, MAVO - 1987 ", 1000, 4287, true},
                          {"WATERSHED DRAINAGE AREA", 1440, 5043, true},
                          {" ", 2029.5, 5376, true},
                          {"Drainage Area", 2950.5, 5376, true},
                          {"Region", 1727, 5689, true},
                          {"(square miles)", 2890, 5689, true},
                          {"1", 2035, 6002},
                          {"10", 3627, 6002},
                          {"3", 2035, 6628},
                          {"2.5", 3572, 6628},
                          {"Total", 1815, 7567},
                          {"RESULTS", 1440, 8050, true},
                          {"Return Period", 1590, 8383, true},
                          {"Q", 3902.5, 8383, true},
                          {"(years)", 1953, 8696, true},
                          {"(ft^3/s)", 3479, 8696, true},
                          {"2", 2321.5, 9009},
                          {"1,020", 3688, 9009},
                          {"5", 2321.5, 9322},
                      });
    EXPECT_TRUE(HasLine(page, 1000, 4590, 5214, 4590));
    ExpectRuledTable(page, {1440, 2740, 4734}, {5346, 5972, 6285, 6598, 6911, 7224, 7537, 7850});
    ExpectRuledTable(page, {1440, 3313, 4613}, {8353, 8979, 9292, 9605});
}

// Columns are measured in bold: 16 digits are 1936 wide in bold (1760 in
// regular), so the areas column is 2236 wide and the value, printed regular,
// starts at (2740 + 4976) / 2 - 880.
TEST_F(HydrologyReport, USGS1987MeasuresItsColumnsInBold) {
    Mavo1987Contents contents;
    contents.regionDA = {"1234567890123456", "", "", "", ""};
    modPrtMavo1987::PrintContents(printer, contents, fields);
    const PrintedPage& page = OnlyPage();
    ExpectTexts(page, {{"1234567890123456", 2978, 6002}});
    EXPECT_TRUE(HasLine(page, 4976, 5346, 4976, 5972));
}

// The sample catalogue has at most 10 return periods a method: with 10 rows
// every report still ends well inside its one page (15120 twips high).
TEST_F(HydrologyReport, TenReturnPeriodsFitOnePage) {
    RunoffChartContents chart = SelectedRunoffChart();
    USGSRegressionContents regression;
    Mavo1987Contents mavo;
    for (int i = 0; i < 10; ++i) {
        chart.results.push_back({"500", "2.15", "123,456"});
        regression.results.push_back({"500", "123,456"});
        mavo.results.push_back({"500", "123,456"});
    }
    const std::vector<std::function<void(TwipsPrinter&)>> reports = {
        [&](TwipsPrinter& p) { PrtVoskRunoffChart::PrintContents(p, chart, fields); },
        [&](TwipsPrinter& p) { PrtUSGSResults::PrintContents(p, regression, fields); },
        [&](TwipsPrinter& p) { modPrtMavo1987::PrintContents(p, mavo, fields); },
    };
    for (const auto& report : reports) {
        TwipsPrinter fresh{metrics};
        report(fresh);
        ASSERT_EQ(fresh.Document().pages.size(), 1u);
        const PrintedPage& page = fresh.Document().pages.front();
        float lowest = 0;
        for (const PrintedLine& line : page.lines) {
            lowest = std::max({lowest, line.y1, line.y2});
        }
        EXPECT_LT(lowest, 15120 - 1000);
    }
}
