#include "app/PrtSiteIDHeader.h"
#include "PrintingTestHelpers.h"
#include "platform/TwipsPrinterFixedMetrics.h"

#include <gtest/gtest.h>

// Positions by hand from the fixed metrics: the header prints at 9 points, 90
// twips a character and 207 twips a line; the portrait printable width is
// 11520 twips, so the box is centred on 5760 (7560 in landscape).

namespace {

SiteFields HeaderFields(const QString& county, const QString& fileNumber,
                        const QString& projectNumber, const QString& station) {
    return SampleSiteFields(
        {fileNumber, "D-1", county, "Route 9", projectNumber, station, "Elk Run", "J. Doe"});
}

struct PrtSiteIDHeaderTest : ::testing::Test {
    PrtSiteIDHeaderTest() {
        printer.SetFontName("Arial");
        printer.SetFontSize(11);
    }
    const PrintedPage& Page() const { return printer.Document().pages.at(0); }

    FixedPrinterMetrics metrics;
    TwipsPrinter printer{metrics};
};

} // namespace

TEST_F(PrtSiteIDHeaderTest, ABlankFileNumberShowsTheProjectNumberInACentredBox) {
    float y = 400;
    PrtSiteIDHeader::PrintSiteIDHeader(printer, y,
                                       HeaderFields("Kent", "   ", "STP-0012(5)", "12+50"));

    // Widest texts: "County" 540, "Project Number" 1260, "Station" 630, so the
    // edges are 1000, 1840, 3400, 4330 and the box is 3330 wide; S = 5760 -
    // 1665 - 1000 = 3095 puts them at 4095, 4935, 6495, 7425.
    // Rows: texts at 430 and 697, rules at 400, 667 and 934 (400 + 2 x 267).
    struct Cell {
        const char* text;
        float x;
        float y;
    };
    const Cell cells[] = {
        {"County", 4515 - 270, 430},      {"Project Number", 5715 - 630, 430},
        {"Station", 6960 - 315, 430},     {"Kent", 4515 - 180, 697},
        {"STP-0012(5)", 5715 - 495, 697}, {"12+50", 6960 - 225, 697},
    };
    ASSERT_EQ(Page().texts.size(), 6u);
    for (const auto& c : cells) {
        const PrintedText* text = FindText(Page(), c.text);
        ASSERT_NE(text, nullptr) << c.text;
        EXPECT_FLOAT_EQ(text->x, c.x) << c.text;
        EXPECT_FLOAT_EQ(text->y, c.y) << c.text;
        EXPECT_EQ(text->font, (PrinterFont{"Arial", 9, false})) << c.text;
    }

    const auto& lines = Page().lines;
    ASSERT_EQ(lines.size(), 7u);
    const float rules[] = {400, 667, 934};
    for (int i = 0; i < 3; ++i) {
        EXPECT_FLOAT_EQ(lines[i].x1, 4095);
        EXPECT_FLOAT_EQ(lines[i].x2, 7425);
        EXPECT_FLOAT_EQ(lines[i].y1, rules[i]);
        EXPECT_FLOAT_EQ(lines[i].y2, rules[i]);
    }
    const float edges[] = {4095, 4935, 6495, 7425};
    for (int i = 0; i < 4; ++i) {
        EXPECT_FLOAT_EQ(lines[3 + i].x1, edges[i]);
        EXPECT_FLOAT_EQ(lines[3 + i].x2, edges[i]);
        EXPECT_FLOAT_EQ(lines[3 + i].y1, 400);
        EXPECT_FLOAT_EQ(lines[3 + i].y2, 934);
    }

    EXPECT_FLOAT_EQ(y, 934);
    EXPECT_FLOAT_EQ(printer.CurrentX(), 7425);
    EXPECT_FLOAT_EQ(printer.CurrentY(), 934);
    EXPECT_FLOAT_EQ(printer.FontSize(), 11);
}

TEST_F(PrtSiteIDHeaderTest, ColumnsFitTheirWidestTextAndTheBoxStaysCentred) {
    struct Case {
        const char* what;
        SiteFields fields;
        PageOrientation orientation;
        QStringList texts; // in printing order
        float edges[4];
    };
    const QString longStation = "12+50 to 14+75 Lt. 30"; // 21 characters, 1890 twips
    const Case cases[] = {
        // "File Number" 990 and "F-77" 360: widths 840, 1290, 930, 3060 in all.
        {"file number given",
         HeaderFields("Kent", " F-77 ", "STP-0012(5)", "12+50"),
         PageOrientation::Portrait,
         {"County", "File Number", "Station", "Kent", "F-77", "12+50"},
         {4230, 5070, 6360, 7290}},
        // Captions alone: 540 + 300, 1260 + 300, 630 + 300, the same 3330.
        {"all values empty",
         HeaderFields("", "", "", ""),
         PageOrientation::Portrait,
         {"County", "Project Number", "Station"},
         {4095, 4935, 6495, 7425}},
        // Only the third column widens: 840, 1560, 2190.
        {"long station",
         HeaderFields("Kent", "", "STP-0012(5)", longStation),
         PageOrientation::Portrait,
         {"County", "Project Number", "Station", "Kent", "STP-0012(5)", longStation},
         {3465, 4305, 5865, 8055}},
        {"landscape",
         HeaderFields("Kent", "", "STP-0012(5)", "12+50"),
         PageOrientation::Landscape,
         {"County", "Project Number", "Station", "Kent", "STP-0012(5)", "12+50"},
         {5895, 6735, 8295, 9225}},
        // 150 characters (13500) would pass both page edges. The box keeps
        // 1000 clear of each: 11520 - 2000 - 3 x 300 = 8620 for the texts;
        // 540 and 1260 leave the station 6820, room for 74 characters and
        // the ellipsis (75 x 90 = 6750).
        {"wider than the page",
         HeaderFields("Kent", "", "STP-0012(5)", QString(150, 'x')),
         PageOrientation::Portrait,
         {"County", "Project Number", "Station", "Kent", "STP-0012(5)",
          QString(74, 'x') + QChar(0x2026)},
         {1000, 1840, 3400, 10520}},
    };
    for (const auto& c : cases) {
        FixedPrinterMetrics fixed;
        TwipsPrinter paper(fixed);
        paper.SetOrientation(c.orientation);
        float y = 400;
        PrtSiteIDHeader::PrintSiteIDHeader(paper, y, c.fields);

        const PrintedPage& page = paper.Document().pages.at(0);
        ASSERT_EQ(page.lines.size(), 7u) << c.what;
        for (int i = 0; i < 4; ++i) {
            EXPECT_FLOAT_EQ(page.lines[3 + i].x1, c.edges[i]) << c.what << " edge " << i;
        }
        QStringList printed;
        for (const PrintedText& text : page.texts) {
            printed << text.text;
        }
        EXPECT_EQ(printed, c.texts) << c.what;
    }
}

TEST_F(PrtSiteIDHeaderTest, GivesBackTheCallersFontSizeInWholePoints) {
    struct Case {
        float callerPoints;
        float restored;
    };
    const Case cases[] = {{11, 11}, {9, 9}, {12.4f, 12}, {10.5f, 10}, {11.5f, 12}};
    for (const auto& c : cases) {
        FixedPrinterMetrics fixed;
        TwipsPrinter paper(fixed);
        paper.SetFontName("Times New Roman");
        paper.SetFontBold(true);
        paper.SetFontSize(c.callerPoints);
        float y = 1000;
        PrtSiteIDHeader::PrintSiteIDHeader(paper, y, HeaderFields("Kent", "F-77", "", "12+50"));

        EXPECT_FLOAT_EQ(paper.FontSize(), c.restored) << c.callerPoints;
        EXPECT_EQ(paper.FontName(), "Times New Roman");
        EXPECT_TRUE(paper.FontBold());
        // The header itself is 9-point whatever the caller's size:
        // 1000 + 2 x (207 + 60).
        EXPECT_FLOAT_EQ(y, 1534) << c.callerPoints;
        EXPECT_EQ(paper.Document().pages.at(0).texts.at(0).font,
                  (PrinterFont{"Times New Roman", 9, true}));
    }
}
