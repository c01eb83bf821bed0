#include "standard_designs/PrtVSHAStandardSize.h"
#include "../app/PrintingTestHelpers.h"
#include "StandardDesignsWindowFixture.h"
#include "platform/Printers.h"
#include "platform/ReportJob.h"
#include "platform/TwipsPrinterFixedMetrics.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Positions by hand from the fixed metrics: Times New Roman 11 is 110 twips a
// character (bold 121) and 253 a line; 12 points 120 (bold 132) and 276. The
// portrait page is 11520 x 15120, so the page limit is 14120.
//
// Every page: site header 400 to 934, input block from 1434: title at 1444 (12
// bold) to 1720, its box closed at 1730; labels at 1740, units at 2003, rule at
// 2266; values at 2276, rule at 2539; the block gives back 2539 + 253 / 2 =
// 2665.5. First table head from 2665.5: title at 2675.5, first head line at
// 2948.5, second at 3211.5, bottom rule at 3474.5 (head height 809 = 50 + 3 x
// 253, row height 809 / 3). Rows from 3524.5, each 273 high (20 + 253), their
// texts 10 below their top: row k from 3524.5 + 273 (k - 1).
//
// Column centres 1600, 2850, 4150, 5450, 6750, 8050, 9350, 10650.

namespace {

using namespace StandardDesignTables;
using Row = std::vector<std::string>;

constexpr float RowsTop = 3524.5f;
constexpr float RowHeight = 273;
constexpr float HeadHeight = 809;

StandardDesignsContents::GridCells Grid(int cols, std::vector<Row> rows = {}) {
    for (Row& row : rows) {
        row.resize(static_cast<size_t>(cols));
    }
    while (rows.size() < 4) {
        rows.emplace_back(static_cast<size_t>(cols));
    }
    return rows;
}

StandardDesignsContents Contents() {
    StandardDesignsContents contents;
    for (int g = 1; g <= NumGrids; ++g) {
        contents.grids[static_cast<size_t>(g - 1)] = Grid(TableOf(g).columns);
    }
    return contents;
}

// n box designs, numbered in their width column.
std::vector<Row> Boxes(int n) {
    std::vector<Row> rows;
    for (int i = 1; i <= n; ++i) {
        rows.push_back({"", "Single", std::to_string(i), "4", "0.50", "1.13", "4.50", "104.50"});
    }
    return rows;
}

PrintedDocument Print(const StandardDesignsContents& contents) {
    FixedPrinterMetrics metrics;
    TwipsPrinter printer(metrics);
    PrtVSHAStandardSize::PrintContents(
        printer, contents,
        SampleSiteFields({"F-12", "1", "Orlen", "Mill Road", "P-9", "12+50", "Elk Run", "J. Doe"}));
    return printer.Document();
}

struct Expected {
    QString text;
    float x;
    float y;
    float points;
    bool bold;
};

void ExpectTexts(const PrintedPage& page, const std::vector<Expected>& expected) {
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.text.toStdString());
        const PrintedText* text = FindText(page, e.text);
        ASSERT_NE(text, nullptr);
        EXPECT_FLOAT_EQ(text->x, e.x);
        EXPECT_FLOAT_EQ(text->y, e.y);
        EXPECT_FLOAT_EQ(text->font.size, e.points);
        EXPECT_EQ(text->font.bold, e.bold);
        EXPECT_EQ(text->font.name, "Times New Roman");
    }
}

int CountTexts(const PrintedPage& page, const QString& text) {
    return static_cast<int>(std::count_if(page.texts.begin(), page.texts.end(),
                                          [&](const PrintedText& t) { return t.text == text; }));
}

// The horizontal rules from x1 to x2 at height y.
int RulesAt(const PrintedPage& page, float y, float x1, float x2) {
    return static_cast<int>(std::count_if(page.lines.begin(), page.lines.end(), [&](const auto& l) {
        return l.y1 == y && l.y2 == y && l.x1 == x1 && l.x2 == x2;
    }));
}

// The vertical rules from y1 to y2.
std::vector<float> VerticalsBetween(const PrintedPage& page, float y1, float y2) {
    std::vector<float> xs;
    for (const PrintedLine& l : page.lines) {
        if (l.x1 == l.x2 && l.y1 == y1 && l.y2 == y2) {
            xs.push_back(l.x1);
        }
    }
    return xs;
}

} // namespace

TEST(StandardDesignsReport, TheInputBlockAndTheFirstTableOnAPortraitPage) {
    StandardDesignsContents contents = Contents();
    contents.totalQ = " 54 ";
    contents.hMin = "0";
    contents.hMax = "0.5";
    contents.inletInvertElev = "100.00";
    contents.includeMultipleBarrels = true;
    contents.grids[RCBox - 1] =
        Grid(8, {{"", "Single", "6", "4", "0.50", "1.13", "4.50", "104.50"},
                 {">>", " Twin ", "6", "4", "-1.75", "0.56", "2.25", "102.25"}});
    const PrintedDocument document = Print(contents);
    ASSERT_EQ(document.pages.size(), 1u);
    const PrintedPage& page = document.pages[0];
    EXPECT_EQ(page.orientation, PageOrientation::Portrait);
    ExpectTexts(page, {
                          {"VSHA Standard Design", 1050, 1444, 12, true},
                          {"Q", 1600 - 55, 1740, 11, false},
                          {"H-Minimum", 2850 - 495, 1740, 11, false},
                          {"Inlet Invert", 6750 - 660, 1740, 11, false},
                          {"(ft^3/s)", 1600 - 440, 2003, 11, false},
                          {"Elev.(feet)", 6750 - 605, 2003, 11, false},
                          {"54", 1600 - 110, 2276, 11, false},
                          {"0.5", 4150 - 165, 2276, 11, false},
                          {"YES", 5450 - 165, 2276, 11, false},
                          {"100.00", 6750 - 330, 2276, 11, false},
                          {"Concrete Box", 1050, 2675.5, 11, true},
                          {"Selected", 1600 - 440, 2948.5, 11, false},
                          {"Design", 1600 - 330, 3211.5, 11, false},
                          {"Number of", 2850 - 495, 2948.5, 11, false},
                          {"HWi Elev.", 10650 - 495, 2948.5, 11, false},
                          {"Single", 2850 - 330, RowsTop + 10, 11, false},
                          {"104.50", 10650 - 330, RowsTop + 10, 11, false},
                          // The selected design: bold, marked in the margin.
                          {"SELECTION", 1600 - 544.5f, RowsTop + RowHeight + 10, 11, true},
                          {">>", 1000 - 242 - 100, RowsTop + RowHeight + 10, 11, true},
                          {"Twin", 2850 - 242, RowsTop + RowHeight + 10, 11, true},
                      });
    // The input block spans boundaries 1000 to 7400; the box table 1000 to 11300.
    EXPECT_EQ(RulesAt(page, 1434, 1000, 7400), 1);
    EXPECT_EQ(RulesAt(page, 2539, 1000, 7400), 1);
    EXPECT_EQ(VerticalsBetween(page, 2266, 2539),
              (std::vector<float>{1000, 2200, 3500, 4800, 6100, 7400}));
    EXPECT_EQ(RulesAt(page, 2665.5, 1000, 11300), 1);
    EXPECT_EQ(VerticalsBetween(page, 2938.5, 3474.5),
              (std::vector<float>{1000, 2200, 3500, 4800, 6100, 7400, 8700, 10000, 11300}));
    EXPECT_EQ(VerticalsBetween(page, RowsTop, RowsTop + RowHeight).size(), 9u);
    // The rows stop at the first blank barrel cell: no ">>" but the one of row 2.
    EXPECT_EQ(CountTexts(page, ">>"), 1);
}

// "2,000,000.00" (the largest headwater elevation the band lets through) is
// 12 characters: 132 s twips wide in bold at s points, within the 1300 column
// less 50 either side only from s = 9 down. The inputs and tables print at 9
// points, the number centred on 10650: 10650 - 12 x 90 / 2.
TEST(StandardDesignsReport, ANumberTooWideForItsColumnPrintsTheTablesSmaller) {
    StandardDesignsContents contents = Contents();
    contents.totalQ = "1,000,000";
    contents.grids[RCBox - 1] = Grid(
        8, {{"", "Single", "6", "4", "999,999.50", "249,999.88", "999,999.50", "2,000,000.00"}});
    const PrintedDocument document = Print(contents);
    const PrintedPage& page = document.pages[0];
    const PrintedText* elevation = FindText(page, "2,000,000.00");
    ASSERT_TRUE(elevation);
    EXPECT_FLOAT_EQ(elevation->font.size, 9);
    EXPECT_FLOAT_EQ(elevation->x, 10650 - 540);
    for (const auto& [text, points] :
         {std::pair{"1,000,000", 9}, {"Concrete Box", 9}, {"VSHA Standard Design", 12}}) {
        const PrintedText* printed = FindText(page, text);
        ASSERT_TRUE(printed) << text;
        EXPECT_FLOAT_EQ(printed->font.size, points) << text;
    }
}

TEST(StandardDesignsReport, EmptyGridsPrintTheirHeadsHalfARowApart) {
    StandardDesignsContents contents = Contents();
    contents.grids[ConcretePipe - 1] = Grid(7, {{"", "None"}});
    const PrintedDocument document = Print(contents);
    ASSERT_EQ(document.pages.size(), 1u);
    const PrintedPage& page = document.pages[0];
    // Unticked box, blank texts: only "NO" in the value line.
    ExpectTexts(page, {{"NO", 5450 - 110, 2276, 11, false}});
    // Pipe head 809 / 6 below the box head's bottom rule, the "None" row 50 below
    // it, the arch head half a row below that row.
    const float pipeTop = 3474.5f + HeadHeight / 6;
    const float noneTop = pipeTop + HeadHeight + 50;
    const float archTop = noneTop + RowHeight + HeadHeight / 6;
    ExpectTexts(page, {
                          {"Concrete Pipe", 1050, pipeTop + 10, 11, true},
                          {"None", 2850 - 220, noneTop + 10, 11, false},
                          {"Concrete Pipe Arch", 1050, archTop + 10, 11, true},
                      });
    EXPECT_EQ(RulesAt(page, pipeTop, 1000, 10000), 1); // seven columns end at 10000
    EXPECT_EQ(VerticalsBetween(page, noneTop, noneTop + RowHeight).size(), 8u);
    EXPECT_EQ(CountTexts(page, "Steel Pipe Arch (2-2/3'' by 1/2'' corrugations)"), 1);
}

TEST(StandardDesignsReport, LongTablesContinueOnANewPageWithTheirHeads) {
    // Row 39 ends at 3524.5 + 39 x 273 = 14171.5, the first below 14120.
    StandardDesignsContents contents = Contents();
    std::vector<Row> rows = Boxes(41);
    rows[38][0] = SelectedMark;
    contents.grids[RCBox - 1] = Grid(8, rows);
    const PrintedDocument document = Print(contents);
    ASSERT_EQ(document.pages.size(), 2u);
    const PrintedPage& first = document.pages[0];
    EXPECT_NE(FindText(first, "39"), nullptr);
    EXPECT_EQ(FindText(first, "40"), nullptr);
    const PrintedPage& second = document.pages[1];
    ExpectTexts(second, {
                            {"VSHA Standard Design (Continued)", 1050, 1444, 12, true},
                            {"Concrete Box", 1050, 2675.5, 11, true},
                            {"40", 4150 - 110, RowsTop + 10, 11, false},
                            {"41", 4150 - 110, RowsTop + RowHeight + 10, 11, false},
                        });
    // The site header after the selected row is in regular type.
    const PrintedText* county = FindText(second, "Orlen");
    ASSERT_NE(county, nullptr);
    EXPECT_FALSE(county->font.bold);
    EXPECT_EQ(county->font.size, 9);
}

TEST(StandardDesignsReport, TheLastRowNeverBreaksButTheNextTableMustFit) {
    // 39 rows: the last ends below the limit and no page follows it; the pipe
    // table would start at 14171.5 + 809 / 6, too low for a head and three rows.
    StandardDesignsContents contents = Contents();
    contents.grids[RCBox - 1] = Grid(8, Boxes(39));
    const PrintedDocument document = Print(contents);
    ASSERT_EQ(document.pages.size(), 2u);
    EXPECT_NE(FindText(document.pages[0], "39"), nullptr);
    EXPECT_EQ(FindText(document.pages[0], "Concrete Pipe"), nullptr);
    ExpectTexts(document.pages[1], {
                                       {"VSHA Standard Design (Continued)", 1050, 1444, 12, true},
                                       {"Concrete Pipe", 1050, 2675.5, 11, true},
                                   });
    EXPECT_EQ(FindText(document.pages[1], "Concrete Box"), nullptr);

    // 32 rows end at 12260.5: the pipe table starts at 12395.3 and a head and three
    // rows reach 14013.3, inside the limit; 33 rows end at 12533.5 and it moves on.
    contents.grids[RCBox - 1] = Grid(8, Boxes(32));
    EXPECT_NE(FindText(Print(contents).pages.at(0), "Concrete Pipe"), nullptr);
    contents.grids[RCBox - 1] = Grid(8, Boxes(33));
    EXPECT_EQ(FindText(Print(contents).pages.at(0), "Concrete Pipe"), nullptr);
}

// The window's Print button through the real PDF output, with the shipped
// fixture's designs; set TARNWELL_SAMPLE_DIR to keep the file for a look.
class StandardDesignsReportPdf : public StandardDesignsWindow {};

TEST_F(StandardDesignsReportPdf, PrintButtonWritesThePdf) {
    Printers::System none;
    Printers::SetSystemForTests(&none);
    QTemporaryDir scratch;
    const QString dir = qEnvironmentVariableIsSet("TARNWELL_SAMPLE_DIR")
                            ? qEnvironmentVariable("TARNWELL_SAMPLE_DIR")
                            : scratch.path();
    const QString path = QDir(dir).filePath("tarnwell-standard-designs.pdf");
    user.fileNames.push_back(path);
    window->SetPrintReport([] {
        PrintReport("VSHA Standard Designs", PrtVSHAStandardSize::PrintStandardDesigns,
                    ErrorStyle::Titled);
    });
    Type("54", "-3", "0.5", "100", true);
    window->CmdCompute->click();
    Click(RCBox, 2, 0);
    window->CmdSendToPrinter->click();

    EXPECT_TRUE(user.shown.empty());
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray content = pdf.readAll();
    EXPECT_TRUE(content.startsWith("%PDF-"));
    EXPECT_EQ(content.count("/Type /Page\n"), 1);

    // A PDF that cannot be written ends the job with one message and no file.
    const QString unwritable = scratch.filePath("missing/report.pdf");
    user.fileNames.push_back(unwritable);
    window->CmdSendToPrinter->click();
    Printers::SetSystemForTests(nullptr);
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].title, "ERROR");
    EXPECT_FALSE(QFile::exists(unwritable));
}
