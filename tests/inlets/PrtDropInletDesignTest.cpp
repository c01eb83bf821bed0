#include "inlets/PrtDropInletDesign.h"

#include "../app/PrintingTestHelpers.h"
#include "DropInletWindowFixture.h"
#include "platform/Printers.h"
#include "platform/ReportJob.h"
#include "platform/TwipsPrinterFixedMetrics.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <QRegularExpression>

#include <algorithm>
#include <functional>

// Positions by hand from the fixed metrics: Times New Roman 11 is 110 twips a
// character (bold 121) and 253 twips a line; the portrait page is 11520 x
// 15120, so the page limit is 15120 - 1000 = 14120. The site header runs from
// 400 to 934, so the title stands at 934 + 500 = 1434 and the inputs table
// starts at 1434 + 253 + 10 = 1697.

namespace {

using Grid = DropInletContents::GridTexts;

Grid Rows(int count, int columns) {
    return Grid(static_cast<size_t>(count), std::vector<std::string>(static_cast<size_t>(columns)));
}

// The window after a computation: inputs, a weir table with row 1 selected and
// a blank row 2, one box and one pipe.
DropInletContents SampleContents() {
    DropInletContents c;
    c.inputs = {"150", "108", "105", "120", "98", "1.5", "100"};
    c.includeMultipleBarrels = true;
    c.barrelWeirLength = " 9.62 ";
    c.weirWeirLength = " 9.62";
    c.weirOption = WidthAndLengthGivenComputeHW;
    c.weirCalc = Rows(10, 4);
    c.weirCalc[0] = {">>", "8", "6", "106.84"};
    c.weirCalc[2] = {"", "10", "4", "106.98"};
    c.rcb = Rows(4, 8);
    c.rcb[0] = {"", "Single", "4", "4", "106.96", "3.42", "4.0", "2.81"};
    c.rcp = Rows(4, 6);
    c.rcp[0] = {"", "54", "106.52", "3.36", "4.5", "2.56"};
    return c;
}

// Box rows "R1" to "Rn" and pipe rows "P1" to "Pm" (in the width and diameter
// columns), with an empty weir table.
DropInletContents LongContents(int boxes, int pipes) {
    DropInletContents c = SampleContents();
    c.weirCalc = Rows(10, 4);
    c.rcb = Rows(std::max(boxes, 4), 8);
    for (int i = 0; i < boxes; ++i) {
        c.rcb[static_cast<size_t>(i)] = {"",  "Single", "R" + std::to_string(i + 1), "3", "1", "1",
                                         "1", "1"};
    }
    c.rcp = Rows(std::max(pipes, 4), 6);
    for (int i = 0; i < pipes; ++i) {
        c.rcp[static_cast<size_t>(i)] = {"", "P" + std::to_string(i + 1), "1", "1", "1", "1"};
    }
    return c;
}

std::vector<float> HorizontalRules(const PrintedPage& page, float from, float to) {
    std::vector<float> rules;
    for (const PrintedLine& line : page.lines) {
        if (line.y1 == line.y2 && line.y1 >= from && line.y1 < to) {
            rules.push_back(line.y1);
        }
    }
    std::sort(rules.begin(), rules.end());
    rules.erase(std::unique(rules.begin(), rules.end()), rules.end());
    return rules;
}

std::vector<float> VerticalsFrom(const PrintedPage& page, float top) {
    std::vector<float> xs;
    for (const PrintedLine& line : page.lines) {
        if (line.x1 == line.x2 && line.y1 == top) {
            xs.push_back(line.x1);
        }
    }
    return xs;
}

// The texts of a page starting with the prefix, in print order.
QStringList TextsStarting(const PrintedPage& page, const QString& prefix) {
    QStringList found;
    for (const PrintedText& text : page.texts) {
        if (text.text.startsWith(prefix)) {
            found << text.text;
        }
    }
    return found;
}

class DropInletReport : public ::testing::Test {
protected:
    const PrintedDocument& Print(const DropInletContents& contents) {
        PrtDropInlet::PrintContents(printer, contents, SampleSiteFields({}));
        return printer.Document();
    }

    FixedPrinterMetrics metrics;
    TwipsPrinter printer{metrics};
};

} // namespace

TEST_F(DropInletReport, FirstPageTitleInputsAndWeirBlocks) {
    const PrintedDocument& doc = Print(SampleContents());
    ASSERT_EQ(doc.pages.size(), 1u);
    const PrintedPage& page = doc.pages[0];
    EXPECT_EQ(page.orientation, PageOrientation::Portrait);

    const PrintedText* title = FindText(page, "DROP INLET DESIGN");
    ASSERT_TRUE(title);
    EXPECT_EQ(title->x, 1000);
    EXPECT_EQ(title->y, 1434);
    EXPECT_TRUE(title->font.bold);
    EXPECT_EQ(title->font.name, "Times New Roman");
    EXPECT_EQ(title->font.size, 11);

    // Inputs: the widest texts are "Allowable Headwater Elevation (ft) " (35
    // characters), the values " 150 " (5), "Barrel Outlet Elevation (ft) " (29)
    // and " 100 " (5), each plus 100.
    EXPECT_EQ(VerticalsFrom(page, 1697), std::vector<float>({1000, 4950, 5600, 8890, 9540}));
    // Rows of 253 + 2 x 10 from 1707; the last closes with two rules 10 apart.
    EXPECT_EQ(HorizontalRules(page, 1690, 2800),
              std::vector<float>({1697, 1970, 2243, 2516, 2789, 2799}));
    const PrintedText* label = FindText(page, "Allowable Headwater Elevation (ft) ");
    ASSERT_TRUE(label);
    EXPECT_EQ(label->x, 1100); // right-aligned on 4950
    EXPECT_EQ(label->y, 1980);
    const PrintedText* multiple = FindText(page, " YES ");
    ASSERT_TRUE(multiple);
    EXPECT_EQ(multiple->x, 5275 - 275); // centred between 4950 and 5600
    EXPECT_EQ(multiple->y, 2526);
    EXPECT_TRUE(FindText(page, "Barrel Outlet Elevation (ft) "));
    EXPECT_TRUE(FindText(page, " 98 "));

    // The weir section: 30 above each of its three lines.
    const PrintedText* weir = FindText(page, "WEIR");
    ASSERT_TRUE(weir);
    EXPECT_EQ(weir->y, 2829);
    EXPECT_TRUE(weir->font.bold);
    const PrintedText* length = FindText(page, "Minimum Total Weir Length(ft):  9.62");
    ASSERT_TRUE(length);
    EXPECT_EQ(length->y, 3112);
    EXPECT_FALSE(length->font.bold);
    const PrintedText* option =
        FindText(page, "Input Width and Length, Compute Headwater Elevation");
    ASSERT_TRUE(option);
    EXPECT_EQ(option->y, 3395);

    // The weir table: 40 below, columns as wide as "SELECTION", "Weir Width",
    // "Weir Length", "Headwater Elevation" plus 300; two heading lines.
    EXPECT_EQ(VerticalsFrom(page, 3688), std::vector<float>({1000, 2290, 3690, 5200, 7590}));
    const PrintedText* mark = FindText(page, ">>");
    ASSERT_TRUE(mark);
    EXPECT_EQ(mark->x, 1000 - 242 - 100);
    EXPECT_EQ(mark->y, 4234);
    EXPECT_TRUE(mark->font.bold);
    const PrintedText* selection = FindText(page, "SELECTION");
    ASSERT_TRUE(selection);
    EXPECT_EQ(selection->x, 1645 - 1089 / 2.0f);
    EXPECT_TRUE(selection->font.bold);
    // The blank row 2 leaves no gap; the row after the selected one is regular.
    const PrintedText* second = FindText(page, "106.98");
    ASSERT_TRUE(second);
    EXPECT_EQ(second->y, 4234 + 273);
    EXPECT_FALSE(second->font.bold);

    // The barrels line 100 below the weir table, "BARRELS" bold, the rest not.
    const PrintedText* barrels = FindText(page, "BARRELS");
    ASSERT_TRUE(barrels);
    EXPECT_EQ(barrels->y, 4224 + 2 * 273 + 100);
    const PrintedText* total = FindText(page, "   Total Weir Length (ft): 9.62");
    ASSERT_TRUE(total);
    EXPECT_EQ(total->x, 1000 + 7 * 121);
    EXPECT_FALSE(total->font.bold);
    EXPECT_TRUE(FindText(page, "RCB, Reinforced Concrete Box"));
    EXPECT_TRUE(FindText(page, "RCP, Reinforced Concrete Pipe (Single Barrel Only)"));
}

TEST_F(DropInletReport, BlankInputsAndNoOptionKeepTheLayout) {
    DropInletContents contents = SampleContents();
    contents.inputs[0] = "   ";
    contents.includeMultipleBarrels = false;
    contents.weirOption = DropInletContents::NoOption;
    contents.weirCalc = Rows(10, 4);
    const PrintedPage& page = Print(contents).pages[0];
    EXPECT_TRUE(FindText(page, "  "));
    EXPECT_TRUE(FindText(page, " NO "));
    // The empty third line of the weir section keeps its place: the weir
    // table starts where it does with an option.
    EXPECT_EQ(VerticalsFrom(page, 3688), std::vector<float>({1000, 2290, 3690, 5200, 7590}));
    // An empty weir table: its heading box alone, then the barrels line.
    const PrintedText* barrels = FindText(page, "BARRELS");
    ASSERT_TRUE(barrels);
    EXPECT_EQ(barrels->y, 4224 + 100);
}

TEST_F(DropInletReport, BarrelRowsNeedColumnOneAndTheSelectedOnePrintsBold) {
    DropInletContents contents = LongContents(0, 0);
    contents.rcb = Rows(5, 8);
    contents.rcb[0] = {"", "NONE", "", "", "", "", "", ""};
    contents.rcp = Rows(6, 6);
    contents.rcp[0] = {"> >", "36", "105.1", "", "", ""};
    contents.rcp[1] = {">>", "", "hidden", "", "", ""}; // no diameter: never printed
    contents.rcp[2] = {" >> ", "48", "104.2", "", "", ""};
    contents.rcp[4] = {"", "60", "103.3", "", "", ""};

    EXPECT_EQ(PrtDropInlet::GetRCBRows(contents), PrtDropInlet::RowList({0, 1}));
    EXPECT_EQ(PrtDropInlet::GetRCPRows(contents), PrtDropInlet::RowList({0, 1, 3, 5}));

    const PrintedPage& page = Print(contents).pages[0];
    // RCB heading: title at 4224 + 100 + 253 + 100 = 4677, box 4970 to 5789;
    // "NONE" centred under "Number of Barrels".
    const PrintedText* none = FindText(page, "NONE");
    ASSERT_TRUE(none);
    EXPECT_EQ(none->y, 5799);
    EXPECT_FALSE(FindText(page, "hidden"));
    const PrintedText* other = FindText(page, "> >");
    ASSERT_TRUE(other);
    EXPECT_FALSE(other->font.bold);
    const PrintedText* selected = FindText(page, "104.2");
    ASSERT_TRUE(selected);
    EXPECT_TRUE(selected->font.bold);
    EXPECT_TRUE(FindText(page, "SELECTION"));
    const PrintedText* after = FindText(page, "103.3");
    ASSERT_TRUE(after);
    EXPECT_FALSE(after->font.bold);
    EXPECT_EQ(after->y, selected->y + 273);
}

// A column keeps its designed width, its widest heading line plus 300, while
// its cells stand 50 clear of both rules; a cell that needs more widens that
// column alone, to the cell plus 2 x 50. At 11 points the pipe table's
// headings ("SELECTION", "(inches)", "Elevation", "(feet)", "Weir Width",
// "Weir Length": 9, 8, 9, 6, 10 and 11 characters) give the edges 1000, 2290,
// 3470, 4760, 5720, 7120, 8630; the weir table's ("SELECTION", "Weir Width",
// "Weir Length", "Headwater Elevation") 1000, 2290, 3690, 5200, 7590.
TEST_F(DropInletReport, ColumnsKeepTheirDesignedWidthsUnlessACellNeedsMore) {
    struct Case {
        const char* what;
        std::function<void(DropInletContents&)> change;
        const char* cell; // whose row's rules are measured
        std::vector<float> edges;
    };
    const Case cases[] = {
        // 10 characters, 1100 + 100 within 1290.
        {"a headwater wider than its heading",
         [](DropInletContents& c) { c.rcp[0][2] = "123,456.78"; },
         "123,456.78",
         {1000, 2290, 3470, 4760, 5720, 7120, 8630}},
        // 12 characters: 1320 + 100.
        {"a headwater that needs more room",
         [](DropInletContents& c) { c.rcp[0][2] = "1,234,567.89"; },
         "1,234,567.89",
         {1000, 2290, 3470, 4890, 5850, 7250, 8760}},
        // 10 characters, bold 121 each: 1210 + 100; regular it would fit.
        {"a selected headwater that needs more room",
         [](DropInletContents& c) {
             c.rcp[0][0] = ">>";
             c.rcp[0][2] = "12,345.678";
         },
         "12,345.678",
         {1000, 2290, 3470, 4780, 5740, 7140, 8650}},
        // 11 characters, 1210 + 100 within 1400.
        {"a weir width wider than its heading",
         [](DropInletContents& c) {
             c.weirCalc[0] = {"", "123456.7891", "6", "106.84"};
         },
         "123456.7891",
         {1000, 2290, 3690, 5200, 7590}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DropInletContents contents = SampleContents();
        c.change(contents);
        TwipsPrinter paper(metrics);
        PrtDropInlet::PrintContents(paper, contents, SampleSiteFields({}));
        const PrintedPage& page = paper.Document().pages.at(0);
        const PrintedText* cell = FindText(page, c.cell);
        ASSERT_TRUE(cell);
        EXPECT_EQ(cell->font.size, 11);
        EXPECT_EQ(VerticalsFrom(page, cell->y - PrtDropInlet::LineGap), c.edges);
    }
}

// A headwater of a million and a head loss near it need more room than their
// headings give: their columns widen to them. The box table at s points (10
// s twips a character) has the columns 90 s + 300, 70 s + 300, 60 s + 300,
// 60 s + 300, 120 s + 100 ("1,000,000.00"), 100 s + 100 ("999,999.99"),
// 100 s + 300 and 110 s + 300, and ends at 1000 + 710 s + 2000, within
// 11520 - 1000 only from s = 10.5 down: the report prints at 10.5 points.
TEST_F(DropInletReport, NumbersWiderThanTheirHeadingsWidenTheirColumnsWithinThePage) {
    DropInletContents contents = SampleContents();
    contents.rcb[0] = {"", "Single", "4", "4", "1,000,000.00", "999,999.99", "4.0", "2.81"};
    const PrintedPage& page = Print(contents).pages[0];
    const PrintedText* headwater = FindText(page, "1,000,000.00");
    ASSERT_TRUE(headwater);
    EXPECT_EQ(headwater->font.size, 10.5);
    EXPECT_EQ(FindText(page, "DROP INLET DESIGN")->font.size, 10.5);
    EXPECT_EQ(VerticalsFrom(page, headwater->y - PrtDropInlet::LineGap),
              std::vector<float>({1000, 2245, 3280, 4210, 5140, 6500, 7650, 9000, 10455}));
}

TEST_F(DropInletReport, TablesBreakAfterARowPastTheLimitUnlessItIsTheLast) {
    // Page 1: RCB heading 4970 to 5789, row i ends at 5789 + 273 i, past
    // 14120 from row 31 (14252). A continuation page: title 1434, RCB heading
    // from 1797 (box 2090 to 2909), row k ends at 2909 + 273 k, past the limit
    // from k = 42. The pipe table needs 6 x 253 + 300 = 1818 below the last box
    // row: after 23 rows (12068) it fits, after 24 (12341) it does not.
    struct Case {
        int boxes;
        int pipes;
        std::vector<std::pair<int, int>> boxPages; // first and last box row per page
        int pipePage;                              // page of the pipe table's title
        float pipeTitleY;
    };
    const Case cases[] = {
        {0, 0, {}, 0, 5789 + 100},
        {23, 1, {{1, 23}}, 0, 12068 + 100},
        {24, 1, {{1, 24}}, 1, 1797},
        {31, 0, {{1, 31}}, 1, 1797}, // row 31 ends past the limit, but is the last
        {32, 0, {{1, 31}, {32, 32}}, 1, 2909 + 273 + 100},
        {75, 2, {{1, 31}, {32, 73}, {74, 75}}, 2, 2909 + 2 * 273 + 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.boxes) + " boxes");
        TwipsPrinter paper(metrics);
        PrtDropInlet::PrintContents(paper, LongContents(c.boxes, c.pipes), SampleSiteFields({}));
        const PrintedDocument& doc = paper.Document();
        const size_t pages = std::max<size_t>(c.boxPages.size(), c.pipePage + 1);
        ASSERT_EQ(doc.pages.size(), pages);
        for (size_t p = 0; p < doc.pages.size(); ++p) {
            const PrintedPage& page = doc.pages[p];
            // Every page carries the header and the title; the inputs only the first.
            ASSERT_TRUE(FindText(page, "DROP INLET DESIGN"));
            EXPECT_EQ(FindText(page, "DROP INLET DESIGN")->y, 1434);
            EXPECT_EQ(FindText(page, "County") != nullptr, true);
            EXPECT_EQ(FindText(page, "WEIR") != nullptr, p == 0);
            QStringList expected;
            if (p < c.boxPages.size()) {
                for (int i = c.boxPages[p].first; i <= c.boxPages[p].second; ++i) {
                    expected << QString("R%1").arg(i);
                }
                const PrintedText* heading = FindText(page, "RCB, Reinforced Concrete Box");
                ASSERT_TRUE(heading);
                EXPECT_EQ(heading->y, p == 0 ? 4677 : 1797);
            }
            EXPECT_EQ(TextsStarting(page, "R").filter(QRegularExpression("^R\\d+$")), expected);
        }
        const PrintedText* pipes = FindText(doc.pages[static_cast<size_t>(c.pipePage)],
                                            "RCP, Reinforced Concrete Pipe (Single Barrel Only)");
        ASSERT_TRUE(pipes);
        EXPECT_EQ(pipes->y, c.pipeTitleY);
        QStringList pipeRows;
        for (const PrintedPage& page : doc.pages) {
            pipeRows << TextsStarting(page, "P").filter(QRegularExpression("^P\\d+$"));
        }
        EXPECT_EQ(pipeRows.size(), c.pipes);
    }
}

// The design the user marks with a click in column 0 of either barrel grid
// prints bold from the ">>" in the margin to its last cell; everything the
// report prints after that table's title, its other rows among them, prints
// regular (but for the titles).
TEST_F(DropInletWindow, TheSelectedBarrelDesignPrintsBoldInEitherTable) {
    window->StartUp();
    window->ChkIncludeMultipleBarrels->setChecked(true);
    TypeDesign();
    window->CmdComputeBarrels->click();
    ASSERT_TRUE(user.shown.empty());
    const QString boxTitle = "RCB, Reinforced Concrete Box";
    const QString pipeTitle = "RCP, Reinforced Concrete Pipe (Single Barrel Only)";
    struct Case {
        FlexGrid* grid;
        int row;
        QString title;
    };
    const Case cases[] = {{window->GrdRCB, 2, boxTitle}, {window->GrdRCP, 1, pipeTitle}};
    FixedPrinterMetrics metrics;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title.toStdString());
        Click(c.grid, c.row, 0);
        ASSERT_EQ(c.grid->TextMatrix(c.row, 0), ">>");
        TwipsPrinter printer(metrics);
        PrtDropInlet::PrintDropInletDesign(printer);
        const PrintedPage& page = printer.Document().pages.at(0);
        const PrintedText* mark = FindText(page, ">>");
        const PrintedText* title = FindText(page, c.title);
        ASSERT_TRUE(mark && title);

        QStringList expected = {">>", "SELECTION"};
        for (int col = 1; col < c.grid->Cols(); ++col) {
            if (!c.grid->TextMatrix(c.row, col).trimmed().isEmpty()) {
                expected << c.grid->TextMatrix(c.row, col).trimmed();
            }
        }
        QStringList selected;
        for (const PrintedText& text : page.texts) {
            if (text.y == mark->y && !text.text.isEmpty()) {
                selected << text.text;
                EXPECT_TRUE(text.font.bold) << text.text.toStdString();
            } else if (text.y > title->y && text.text != boxTitle && text.text != pipeTitle) {
                EXPECT_FALSE(text.font.bold) << text.text.toStdString();
            }
        }
        EXPECT_EQ(selected, expected);
    }
}

TEST_F(DropInletWindow, PrintButtonWritesThePdfAndAFailedWriteSendsNothing) {
    Printers::System none; // the PDF file is current
    Printers::SetSystemForTests(&none);
    window->SetPrintReport([] {
        PrintReport("Drop Inlet Design", PrtDropInlet::PrintDropInletDesign, ErrorStyle::Titled);
    });
    QTemporaryDir scratch;
    const QString dir = qEnvironmentVariableIsSet("TARNWELL_SAMPLE_DIR")
                            ? qEnvironmentVariable("TARNWELL_SAMPLE_DIR")
                            : scratch.path();
    window->ChkIncludeMultipleBarrels->setChecked(true);
    TypeDesign();
    window->CmdComputeBarrels->click();
    window->SetBarrelDesignSelect(1, 2);
    window->GrdWeirCalc->SetTextMatrix(1, 1, "6");
    window->GrdWeirCalc->SetTextMatrix(1, 2, "3");
    window->CmdWeirClac->click();
    window->SetWeirDesignSelectRow(1);
    ASSERT_TRUE(user.shown.empty());

    const QString path = QDir(dir).filePath("tarnwell-drop-inlet.pdf");
    user.fileNames.push_back(path);
    window->cmdPrint->click();
    EXPECT_TRUE(user.shown.empty());
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray content = pdf.readAll();
    EXPECT_TRUE(content.startsWith("%PDF-"));
    EXPECT_EQ(content.count("/Type /Page\n"), 1);

    // A file that cannot be written: the error, titled, and no file at all.
    const QString unwritable = QDir(scratch.path()).filePath("missing folder/report.pdf");
    user.fileNames.push_back(unwritable);
    window->cmdPrint->click();
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].title, "ERROR");
    EXPECT_FALSE(QFile::exists(unwritable));
    Printers::SetSystemForTests(nullptr);
}
