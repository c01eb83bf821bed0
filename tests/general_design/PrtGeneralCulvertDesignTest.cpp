#include "general_design/PrtGeneralCulvertDesign.h"
#include "GenDesignWindowFixture.h"
#include "LongTexts.h"
#include "platform/Printers.h"
#include "platform/ReportJob.h"
#include "platform/TwipsPrinterFixedMetrics.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>

// Positions by hand from the fixed metrics: 10 twips a character per point
// (Arial 10: 100, Arial 9: 90, bold 9: 99) and 23 twips a line per point
// (10 points: 230, 9 points: 207); the landscape page is 15120 x 11520, so the
// title centres on 7560 and the page limit is 11520 - 1000 = 10520.
//
// First page, whatever the inputs (every block has a fixed number of lines):
// site header 400 to 934; title at 1134; elevations box 1614 to 2104; culvert
// box 2364 to 2884; size heading at 2994, its box 3274 to 4014; heading band
// 4124 to 4805 (lines at 4139, 4361, 4583); result row i from 4855 + (i - 1) x
// 237 to 4855 + i x 237, its texts 15 below its top.
//
// Result columns with the headings' own widths (characters x 90 + 200): 7, 8,
// 5, 5, 4, 6, 7, 4, 7, 4, 9, 9, 5, 6 and 9 characters wide.

namespace {

const float HeadingEdges[16] = {1000, 1830, 2750, 3400, 4050,  4610,  5350,  6180,
                                6740, 7570, 8130, 9140, 10150, 10800, 11540, 12550};

struct Expected {
    QString text;
    float x;
    float y;
    float points;
    bool bold;
};

std::vector<const PrintedText*> TextsBetween(const PrintedPage& page, float from, float to) {
    std::vector<const PrintedText*> found;
    for (const PrintedText& text : page.texts) {
        if (text.y >= from && text.y < to) {
            found.push_back(&text);
        }
    }
    return found;
}

const PrintedText* Find(const PrintedPage& page, const QString& text) {
    auto it = std::find_if(page.texts.begin(), page.texts.end(),
                           [&](const PrintedText& t) { return t.text == text; });
    return it == page.texts.end() ? nullptr : &*it;
}

// The heights of the horizontal rules between two heights.
std::vector<float> RulesBetween(const PrintedPage& page, float from, float to) {
    std::vector<float> rules;
    for (const PrintedLine& line : page.lines) {
        if (line.y1 == line.y2 && line.y1 >= from && line.y1 < to) {
            rules.push_back(line.y1);
        }
    }
    return rules;
}

// Where the vertical rules that start at this height stand.
std::vector<float> VerticalsFrom(const PrintedPage& page, float top) {
    std::vector<float> xs;
    for (const PrintedLine& line : page.lines) {
        if (line.x1 == line.x2 && line.y1 == top) {
            xs.push_back(line.x1);
        }
    }
    return xs;
}

QString RowMark(int row) {
    return QString("R%1").arg(row);
}

// The page that holds a text, or -1.
int PageOf(const PrintedDocument& document, const QString& text) {
    for (size_t p = 0; p < document.pages.size(); ++p) {
        if (Find(document.pages[p], text)) {
            return static_cast<int>(p);
        }
    }
    return -1;
}

class GeneralCulvertDesignReport : public GenDesignWindow {
protected:
    void SetUp() override {
        GenDesignWindow::SetUp();
        auto& types = GlobalVariables::GenDesignCulvertTypes;
        types[1].StdSizes[1].DisplayTexts = {"", "36"};
        types[1].StdSizes[2].DisplayTexts = {"", "36"};
        types[2].StdSizes[1].DisplayTexts = {"", "6", "4"};
        TypeCulvert("105 ");
    }

    const PrintedDocument& Print() {
        PrtGeneralCulvertDesign::PrintGeneralCulvertDesign(printer);
        return printer.Document();
    }

    FixedPrinterMetrics metrics;
    TwipsPrinter printer{metrics};
};

// The report of contents built as data, no window: the window fixture's
// first pipe with its first standard size, and the results table as given.
class ResultsTableReport : public ::testing::Test {
protected:
    ResultsTableReport() : type(GenDesignWindow::PipeType()) {
        type.StdSizes[1].DisplayTexts = {"", "36"};
        contents.allowableHeadWaterElevation = "105 ";
        contents.culvert.inletInvertElevation = "100";
        contents.culvert.outletInvertElevation = "99";
        contents.culvert.culvertBarrelLength = "100";
        contents.culvert.culvertTypePosition = 0;
        contents.culvert.culvertTypeText = type.ComboText;
        contents.culvert.inletText = type.Inlets[1].Description;
        contents.culvert.manningN = " 0.012";
        contents.culvert.keInlet = " 0.5";
        contents.culvert.standardSizePosition = 0;
    }

    // Result rows 1 to n, no wider than their headings: "R<i>", "50.00", the
    // numbers "1.00", normal depth "1.84" and "Steep".
    void FillResults(int rows) {
        contents.resultRows.assign(static_cast<size_t>(rows), {});
        for (int i = 1; i <= rows; ++i) {
            GenDesignResults::RowTexts& cells =
                contents.resultRows[static_cast<size_t>(i - 1)].cells;
            cells.fill("1.00");
            cells[GenDesignResults::ReturnPeriod] = RowMark(i).toStdString();
            cells[GenDesignResults::Q] = "50.00";
            cells[GenDesignResults::NormalDepth] = "1.84";
            cells[GenDesignResults::HydraulicSlope] = "Steep";
        }
    }

    GenDesignResults::RowTexts& Row(int row) {
        return contents.resultRows.at(static_cast<size_t>(row - 1)).cells;
    }

    const PrintedDocument& Print() {
        PrtGeneralCulvertDesign::PrintContents(printer, contents, type, SiteFields{});
        return printer.Document();
    }

    GenDesignCulvertType type;
    GenDesignContents contents;
    FixedPrinterMetrics metrics;
    TwipsPrinter printer{metrics};
};

} // namespace

TEST_F(GeneralCulvertDesignReport, FirstPageHasTheHeaderTitleAndTheThreeInputBlocks) {
    const PrintedPage& page = Print().pages.at(0);
    EXPECT_EQ(page.orientation, PageOrientation::Landscape);

    // The compact header from 400, in 9 points, with no site window: its
    // captions alone, the box centred on 7560.
    const PrintedText* county = Find(page, "County");
    ASSERT_NE(county, nullptr);
    EXPECT_FLOAT_EQ(county->y, 430);
    EXPECT_EQ(county->font, (PrinterFont{"Arial", 9, false}));
    EXPECT_EQ(RulesBetween(page, 0, 1134), (std::vector<float>{400, 667, 934}));

    // Elevations: labels of 35, 28, 29 and 27 characters give edges 1000,
    // 4800, 7900, 11100, 14100. Culvert and inlet: "RCP: Reinforced
    // Concrete Pipe" 29 and "Square edge with headwall" 25 characters, the
    // others under the smallest width 1500: 1000, 4200, 7000, 8800, 10600.
    // Standard size: "Barrels" 7 and "Diameter" 8 characters: 1000, 2000, 3100.
    const Expected expected[] = {
        {"GENERAL CULVERT DESIGN", 7560 - 1100, 1134, 10, true},
        {"Allowable Headwater Elevation (ft) ", 1150, 1624, 10, false},
        {"Inlet Invert Elevation (ft) ", 4950, 1624, 10, false},
        {"Outlet Invert Elevation (ft) ", 8050, 1624, 10, false},
        {"Culvert Barrel Length (ft) ", 11250, 1624, 10, false},
        {" 105 ", 2650, 1864, 10, false},
        {" 100 ", 6100, 1864, 10, false},
        {" 99 ", 9300, 1864, 10, false},
        {" 100 ", 12350, 1864, 10, false},
        {"Culvert Type", 2000, 2384, 10, false},
        {"Inlet Type", 5100, 2384, 10, false},
        {"Manning n", 7450, 2384, 10, false},
        {"Ke", 9600, 2384, 10, false},
        {"RCP: Reinforced Concrete Pipe", 1150, 2634, 10, false},
        {"Square edge with headwall", 4350, 2634, 10, false},
        {"0.012", 7650, 2634, 10, false},
        {"0.5", 9550, 2634, 10, false},
        {"VSHA STANDARD SIZE", 1000, 2994, 10, false},
        {"Diameter", 2150, 3284, 10, false},
        {"Barrels", 1150, 3524, 10, false},
        {"(inches)", 2150, 3524, 10, false},
        {"Single", 1200, 3774, 10, false},
        {"36", 2450, 3774, 10, false},
    };
    auto texts = TextsBetween(page, 1134, 4024);
    ASSERT_EQ(texts.size(), std::size(expected));
    for (size_t i = 0; i < texts.size(); ++i) {
        const Expected& e = expected[i];
        EXPECT_EQ(texts[i]->text, e.text) << i;
        EXPECT_FLOAT_EQ(texts[i]->x, e.x) << e.text.toStdString();
        EXPECT_FLOAT_EQ(texts[i]->y, e.y) << e.text.toStdString();
        EXPECT_EQ(texts[i]->font, (PrinterFont{"Arial", e.points, e.bold})) << e.text.toStdString();
    }

    // No rule between the size captions and their units.
    EXPECT_EQ(RulesBetween(page, 1134, 4024),
              (std::vector<float>{1614, 1864, 2104, 2364, 2634, 2884, 3274, 3764, 4014}));
    EXPECT_EQ(VerticalsFrom(page, 1614), (std::vector<float>{1000, 4800, 7900, 11100, 14100}));
    EXPECT_EQ(VerticalsFrom(page, 2364), (std::vector<float>{1000, 4200, 7000, 8800, 10600}));
    EXPECT_EQ(VerticalsFrom(page, 3274), (std::vector<float>{1000, 2000, 3100}));
}

TEST_F(GeneralCulvertDesignReport, BarrelSizeBlockShowsTheChosenSizeInTheTypesUnits) {
    struct Case {
        const char* what;
        int type;         // list position
        int standardSize; // list position, or -1 for a user size
        std::vector<const char*> userSizes;
        int userBarrels;
        int displayUnits; // 0: as the catalogue has it
        QStringList texts;
        std::vector<float> edges;
    };
    // Widths: "Barrels" 700 sets column 0; "(inches)" 800 and "(feet)" 600 the
    // size columns unless a caption is wider ("Bottom Radius" 1300).
    const Case cases[] = {
        {"standard pipe, twin",
         0,
         1,
         {},
         0,
         0,
         {"VSHA STANDARD SIZE", "Diameter", "Barrels", "(inches)", "Twin", "36"},
         {1000, 2000, 3100}},
        {"standard box in feet",
         1,
         0,
         {},
         0,
         0,
         {"VSHA STANDARD SIZE", "Span", "Rise", "Barrels", "(feet)", "(feet)", "Twin", "6", "4"},
         {1000, 2000, 2900, 3800}},
        {"standard pipe-arch: span and rise only",
         2,
         0,
         {},
         0,
         0,
         {"VSHA STANDARD SIZE", "Span", "Rise", "Barrels", "(inches)", "(inches)", "Single", "43",
          "27"},
         {1000, 2000, 3100, 4200}},
        {"user pipe-arch: all five sizes, trimmed",
         2,
         -1,
         {" 42", "29 ", "66.125", "21.5", "8.25"},
         2,
         0,
         {"USER DEFINED SIZE", "Span", "Rise", "Bottom Radius", "Top Radius", "Corner Radius",
          "Barrels", "(inches)", "(inches)", "(inches)", "(inches)", "(inches)", "Triple", "42",
          "29", "66.125", "21.5", "8.25"},
         {1000, 2000, 3100, 4200, 5800, 7100, 8700}},
        {"user box with units that are neither inches nor feet",
         1,
         -1,
         {"12.5", "8"},
         0,
         3,
         {"USER DEFINED SIZE", "Span", "Rise", "Barrels", "()", "()", "Single", "12.5", "8"},
         {1000, 2000, 2700, 3400}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto& types = GlobalVariables::GenDesignCulvertTypes;
        types[3].StdSizes = {
            {}, Size("43 x 27 (inches) - Single", 701, {0, 3.6, 2.3, 5.5, 1.8, 0.7}, 1)};
        types[3].StdSizes[1].DisplayTexts = {"", "43", "27"};
        if (c.displayUnits != 0) {
            types[static_cast<size_t>(c.type) + 1].DisplayUnits = c.displayUnits;
        }
        window->CmboCulvertType->setCurrentIndex(c.type);
        if (c.standardSize >= 0) {
            window->OptBarrelSize[0]->click();
            window->CmboVSHAStandardSize->setCurrentIndex(c.standardSize);
        } else {
            window->OptBarrelSize[1]->click();
            for (size_t k = 0; k < c.userSizes.size(); ++k) {
                window->TxtUserSize[k]->setText(c.userSizes[k]);
            }
            window->CmboUserNumBarrels->setCurrentIndex(c.userBarrels);
        }

        FixedPrinterMetrics fixed;
        TwipsPrinter paper(fixed);
        PrtGeneralCulvertDesign::PrintGeneralCulvertDesign(paper);
        const PrintedPage& page = paper.Document().pages.at(0);

        QStringList printed;
        for (const PrintedText* text : TextsBetween(page, 2994, 4024)) {
            printed << text->text;
        }
        EXPECT_EQ(printed, c.texts);
        EXPECT_EQ(VerticalsFrom(page, 3274), c.edges);
        EXPECT_EQ(RulesBetween(page, 3000, 4024), (std::vector<float>{3274, 3764, 4014}));
        EXPECT_TRUE(user.shown.empty());
    }
}

TEST_F(ResultsTableReport, ColumnsAreAsWideAsTheirWidestTextInArial9Plus200) {
    struct Case {
        const char* what;
        std::vector<std::pair<int, QString>> cells; // column, text, in rows 1, 2, ...
        float edges[16];
    };
    // "1,104.39" (8 characters) widens HW Elev. by 3 x 90, "Undefined(2)" (12)
    // Normal Depth by 6 x 90, though only one row holds them.
    const Case cases[] = {
        {"headings are the widest", {}, {}},
        {"wide cells in different rows",
         {{3, "1,104.39"}, {13, "Undefined(2)"}},
         {1000, 1830, 2750, 3400, 4320, 4880, 5620, 6450, 7010, 7840, 8400, 9410, 10420, 11070,
          12350, 13360}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FillResults(static_cast<int>(std::max<size_t>(c.cells.size(), 1)));
        for (size_t r = 0; r < c.cells.size(); ++r) {
            Row(static_cast<int>(r) + 1)[static_cast<size_t>(c.cells[r].first)] =
                c.cells[r].second.toStdString();
        }
        const float* edges = c.cells.empty() ? HeadingEdges : c.edges;

        FixedPrinterMetrics fixed;
        TwipsPrinter paper(fixed);
        PrtGeneralCulvertDesign::PrintContents(paper, contents, type, SiteFields{});
        const PrintedPage& page = paper.Document().pages.at(0);

        EXPECT_EQ(VerticalsFrom(page, 4124), std::vector<float>(edges, edges + 16));
        EXPECT_EQ(VerticalsFrom(page, 4855), std::vector<float>(edges, edges + 16));
        // Headings centred in their columns: "Return" 540, "Slope" 450 wide.
        const PrintedText* first = Find(page, "Return");
        ASSERT_NE(first, nullptr);
        EXPECT_FLOAT_EQ(first->x, (edges[0] + edges[1]) / 2 - 270);
        EXPECT_FLOAT_EQ(first->y, 4139);
        const PrintedText* last = Find(page, "Slope");
        ASSERT_NE(last, nullptr);
        EXPECT_FLOAT_EQ(last->x, (edges[14] + edges[15]) / 2 - 225);
        EXPECT_FLOAT_EQ(last->y, 4583);
        EXPECT_EQ(last->font, (PrinterFont{"Arial", 9, false}));
    }
}

TEST_F(ResultsTableReport, AReturnPeriodPrintsWholeDownToSixPointsAndIsShortenedBelow) {
    // At 9 points the other columns end at 12550 with the return periods as
    // wide as their heading (630): the limit 14120 leaves them 2200, room for
    // 24 characters (2160). Every width but the 200 of each of the 15 column
    // margins scales with the size: at 8.5 points the others take 10280 and
    // leave room for 31 characters; at 6 points they take 8080 and leave
    // 420 + 4420 = 4840, room for 80 characters, or 79 and the ellipsis.
    const QString letters = Letters(65536);
    const QString ellipsis(QChar(0x2026));
    struct Case {
        qsizetype length;
        QString printed;
        float points;
        float lastEdge;
    };
    const Case cases[] = {
        {24, letters.left(24), 9, 14080},
        {25, letters.left(25), 8.5, 13605},
        {80, letters.left(80), 6, 14080},
        {81, letters.left(79) + ellipsis, 6, 14080},
        {65536, letters.left(79) + ellipsis, 6, 14080},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        FillResults(2);
        Row(1)[GenDesignResults::ReturnPeriod] = letters.left(c.length).toStdString();
        FixedPrinterMetrics fixed;
        TwipsPrinter paper(fixed);
        PrtGeneralCulvertDesign::PrintContents(paper, contents, type, SiteFields{});
        const PrintedPage& page = paper.Document().pages.at(0);

        // Below the block of inputs, whose rules go to the right margin.
        float lastEdge = 0;
        for (const PrintedLine& line : page.lines) {
            if (line.x1 == line.x2 && line.y1 >= 4124) {
                lastEdge = std::max(lastEdge, line.x1);
            }
        }
        EXPECT_FLOAT_EQ(lastEdge, c.lastEdge);
        const PrintedText* returnPeriod = Find(page, c.printed);
        ASSERT_NE(returnPeriod, nullptr);
        const auto row = TextsBetween(page, returnPeriod->y, returnPeriod->y + 1);
        ASSERT_EQ(row.size(), 15u);
        EXPECT_EQ(row[0]->text, c.printed);
        EXPECT_FLOAT_EQ(row[0]->x, 1100);
        for (const PrintedText* text : row) {
            EXPECT_EQ(text->font.size, c.points) << text->text.toStdString();
        }
    }
}

TEST_F(ResultsTableReport, OnlyTheRedHeadwaterElevationPrintsBold) {
    FillResults(3);
    for (int i = 1; i <= 3; ++i) {
        Row(i)[GenDesignResults::HWElev] = "99.50";
    }
    contents.resultRows[0].exceeded = true;

    const PrintedPage& page = Print().pages.at(0);
    // Column 3 runs from 3400 to 4050, centre 3725; "99.50" is 450 wide, 495 bold.
    struct Cell {
        int row;
        float x;
        bool bold;
    };
    const Cell cells[] = {{1, 3725 - 247.5f, true}, {2, 3725 - 225, false}, {3, 3725 - 225, false}};
    for (const auto& c : cells) {
        SCOPED_TRACE(c.row);
        auto row = TextsBetween(page, 4870 + (c.row - 1) * 237, 4871 + (c.row - 1) * 237);
        ASSERT_EQ(row.size(), 15u);
        for (size_t col = 0; col < row.size(); ++col) {
            EXPECT_EQ(row[col]->font, (PrinterFont{"Arial", 9, col == 3 && c.bold})) << col;
        }
        EXPECT_FLOAT_EQ(row[3]->x, c.x);
    }
    // The bold cell leaves bold off for the rest of the report.
    const PrintedText* legend = Find(page, "Hydraulic Slope");
    ASSERT_NE(legend, nullptr);
    EXPECT_FALSE(legend->font.bold);
}

TEST_F(ResultsTableReport, RowsStopAtTheFirstRowWithoutADischarge) {
    struct Case {
        const char* what;
        int filled;
        std::vector<std::pair<int, QString>> discharges; // row, Q text after filling
        QStringList printed;
        float legendTop;
    };
    // The legend starts 100 below the last row's bottom rule, or below the
    // heading band and its 50-twip gap (4855) when there is no row.
    const Case cases[] = {
        {"nothing computed", 0, {}, {}, 4955},
        {"first row blank, the second filled", 2, {{1, ""}}, {}, 4955},
        {"a Q of blanks ends the rows", 4, {{3, "   "}}, {"R1", "R2"}, 4855 + 2 * 237 + 100},
        {"all rows", 3, {}, {"R1", "R2", "R3"}, 4855 + 3 * 237 + 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FillResults(c.filled);
        for (const auto& [row, q] : c.discharges) {
            Row(row)[GenDesignResults::Q] = q.toStdString();
        }

        FixedPrinterMetrics fixed;
        TwipsPrinter paper(fixed);
        PrtGeneralCulvertDesign::PrintContents(paper, contents, type, SiteFields{});
        ASSERT_EQ(paper.Document().pages.size(), 1u);
        const PrintedPage& page = paper.Document().pages[0];

        QStringList printed;
        for (const PrintedText& text : page.texts) {
            if (text.text.startsWith("R") && text.text.size() <= 3) {
                printed << text.text;
            }
        }
        EXPECT_EQ(printed, c.printed);

        // Heading band, then one ruled band per row.
        std::vector<float> rules{4124, 4805};
        for (int i = 0; i <= static_cast<int>(c.printed.size()) && !c.printed.isEmpty(); ++i) {
            rules.push_back(4855 + static_cast<float>(i) * 237);
        }
        std::vector<float> printedRules = RulesBetween(page, 4024, 11520);
        printedRules.erase(std::unique(printedRules.begin(), printedRules.end()),
                           printedRules.end());
        EXPECT_EQ(printedRules, rules);

        const QStringList legend{
            "TW: Tailwater, HW Elev.: Headwater elevation at the inlet, HW H: Height of headwater "
            "above the inside top of culvert, at the inlet",
            "I.C.: Inlet control, O.C.: Outlet control, Crit.: Critical, Vel.: Velocity",
            "Hydraulic Slope",
            "  Steep: Normal Depth < Critical Depth",
            "  Mild: Normal Depth > Critical Depth",
            "  Critical: Normal Depth = Critical Depth",
            "  Horizontal: Inlet Invert Elevation = Outlet Invert Elevation",
            "  Adverse: Inlet Invert Elevation < Outlet Invert Elevation",
            "Normal Depth",
            "  Undefined(1): Normal depth is not defined for horizontal or adverse slopes.",
            "  Undefined(2): Maximum Q for open channel flow is < Q.",
        };
        auto lines = TextsBetween(page, c.legendTop, 11520);
        ASSERT_EQ(lines.size(), 11u);
        for (size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i]->text, legend[static_cast<qsizetype>(i)]);
            EXPECT_FLOAT_EQ(lines[i]->x, 1000);
            EXPECT_FLOAT_EQ(lines[i]->y, c.legendTop + static_cast<float>(i) * 207);
            EXPECT_EQ(lines[i]->font, (PrinterFont{"Arial", 9, false}));
        }
    }
}

TEST_F(ResultsTableReport, LongTablesGoOnWithTheirHeadingsAndNothingRunsOffThePage) {
    // Row i of the first page leaves y at 4855 + 237 i: above the limit 10520
    // up to row 23, past it after row 24. A further page starts with the
    // heading band at 1100 (bottom 1781), and its rows follow directly; 37
    // rows fill it (1781 + 37 x 237 = 10550). The legend (100 + 11 x 207 =
    // 2377) goes on when it ends above the limit, i.e. from y <= 8143: after
    // at most 13 rows of the first page.
    struct Case {
        int rows;
        size_t pages;
        int lastRowPage;
        float lastRowY;
        int legendPage;
        float legendTop;
    };
    const Case cases[] = {
        {13, 1, 0, 4870 + 12 * 237, 0, 4855 + 13 * 237 + 100},
        {14, 2, 0, 4870 + 13 * 237, 1, 1100},
        {24, 2, 0, 4870 + 23 * 237, 1, 1100},
        {25, 2, 1, 1796, 1, 2118},
        {62, 3, 2, 1796, 2, 2118},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rows);
        FillResults(c.rows);
        FixedPrinterMetrics fixed;
        TwipsPrinter paper(fixed);
        PrtGeneralCulvertDesign::PrintContents(paper, contents, type, SiteFields{});
        const PrintedDocument& document = paper.Document();
        ASSERT_EQ(document.pages.size(), c.pages);

        ASSERT_EQ(PageOf(document, RowMark(c.rows)), c.lastRowPage);
        EXPECT_FLOAT_EQ(
            Find(document.pages[static_cast<size_t>(c.lastRowPage)], RowMark(c.rows))->y,
            c.lastRowY);
        EXPECT_EQ(PageOf(document, "Normal Depth"), c.legendPage);
        const PrintedText* legend =
            Find(document.pages[static_cast<size_t>(c.legendPage)], "TW: Tailwater, HW Elev.: "
                                                                    "Headwater elevation at the "
                                                                    "inlet, HW H: Height of "
                                                                    "headwater above the inside "
                                                                    "top of culvert, at the inlet");
        ASSERT_NE(legend, nullptr);
        EXPECT_FLOAT_EQ(legend->y, c.legendTop);
        if (c.rows >= 25) {
            EXPECT_EQ(PageOf(document, RowMark(24)), 0);
            EXPECT_EQ(PageOf(document, RowMark(25)), 1);
        }
        if (c.rows >= 62) {
            EXPECT_EQ(PageOf(document, RowMark(61)), 1);
            EXPECT_EQ(PageOf(document, RowMark(62)), 2);
        }

        for (size_t p = 0; p < document.pages.size(); ++p) {
            SCOPED_TRACE(p);
            const PrintedPage& page = document.pages[p];
            EXPECT_EQ(page.orientation, PageOrientation::Landscape);
            for (const PrintedText& text : page.texts) {
                EXPECT_EQ(text.font.name, "Arial");
                EXPECT_LE(text.y + 23 * text.font.size, 11520) << text.text.toStdString();
            }
            for (const PrintedLine& line : page.lines) {
                EXPECT_LE(std::max(line.y1, line.y2), 11520);
            }
            if (p == 0) {
                continue;
            }
            // No header and no title on a further page; a page with rows starts
            // with the heading band at 1100.
            EXPECT_EQ(Find(page, "County"), nullptr);
            EXPECT_EQ(Find(page, "GENERAL CULVERT DESIGN"), nullptr);
            bool hasRows = Find(page, RowMark(c.rows)) != nullptr || p + 1 < document.pages.size();
            const PrintedText* heading = Find(page, "Return");
            if (hasRows) {
                ASSERT_NE(heading, nullptr);
                EXPECT_FLOAT_EQ(heading->y, 1115);
                EXPECT_EQ(VerticalsFrom(page, 1100),
                          std::vector<float>(HeadingEdges, HeadingEdges + 16));
                EXPECT_EQ(VerticalsFrom(page, 1781),
                          std::vector<float>(HeadingEdges, HeadingEdges + 16));
            } else {
                EXPECT_EQ(heading, nullptr);
            }
        }

        // The report ended its document once, after its last page: throwing
        // away an unfinished document takes nothing.
        paper.KillDoc();
        EXPECT_EQ(paper.Document().pages.size(), c.pages);
    }
}

TEST_F(GeneralCulvertDesignReport, AFailurePartWayPrintsNothingAndIsShown) {
    struct Case {
        const char* what;
        int type;
        const char* message;
    };
    const Case cases[] = {
        {"a type without standard sizes", 2,
         "The culvert type SPA: Steel Pipe-Arch has no VSHA standard sizes. Choose Enter Barrel "
         "Size and enter the barrel size., 9"},
        {"a standard size without its display texts", 0, "Subscript out of range, 9"},
    };
    Printers::System none; // the PDF file is current
    Printers::SetSystemForTests(&none);
    window->SetPrintReport([] {
        PrintReport("General Culvert Design", PrtGeneralCulvertDesign::PrintGeneralCulvertDesign,
                    ErrorStyle::Titled);
    });
    QTemporaryDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        GlobalVariables::GenDesignCulvertTypes[1].StdSizes[1].DisplayTexts.clear();
        window->CmboCulvertType->setCurrentIndex(c.type);
        window->OptBarrelSize[0]->click();
        user.shown.clear();
        user.fileNames.push_back(dir.filePath("report.pdf"));

        window->CmdSendToPrinter->click();

        ASSERT_EQ(user.shown.size(), 1u);
        EXPECT_EQ(user.shown[0].text.toStdString(), c.message);
        EXPECT_EQ(user.shown[0].title, "ERROR");
        EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    }
    Printers::SetSystemForTests(nullptr);
}

// A computed design through the Print button into PDF files for a look: two
// pages with a standard size, one with a user-defined pipe-arch. Set
// TARNWELL_SAMPLE_DIR to keep them there.
TEST_F(GeneralCulvertDesignReport, ComputedDesignsPrintToPdf) {
    Printers::System none;
    Printers::SetSystemForTests(&none);
    window->SetPrintReport([] {
        PrintReport("General Culvert Design", PrtGeneralCulvertDesign::PrintGeneralCulvertDesign,
                    ErrorStyle::Titled);
    });
    QTemporaryDir scratch;
    const QString dir = qEnvironmentVariableIsSet("TARNWELL_SAMPLE_DIR")
                            ? qEnvironmentVariable("TARNWELL_SAMPLE_DIR")
                            : scratch.path();

    struct Case {
        const char* file;
        int rows;
        bool userSize;
        int pages;
    };
    const Case cases[] = {
        {"tarnwell-general-design.pdf", 32, false, 2},
        {"tarnwell-general-design-user-size.pdf", 6, true, 1},
    };
    const char* periods[] = {"2", "5", "10", "25", "50", "100", "500"};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        window->ClearAllData();
        TypeCulvert("106.5");
        if (c.userSize) {
            window->CmboCulvertType->setCurrentIndex(2);
            window->OptBarrelSize[1]->click();
            const char* sizes[] = {"42", "29", "66.125", "21.5", "8.25"};
            for (int k = 0; k < 5; ++k) {
                window->TxtUserSize[static_cast<size_t>(k)]->setText(sizes[k]);
            }
            window->CmboUserNumBarrels->setCurrentIndex(1);
        } else {
            window->CmboVSHAStandardSize->setCurrentIndex(1);
        }
        window->GrdDesignQs->SetRows(c.rows + 1);
        for (int i = 1; i <= c.rows; ++i) {
            DesignRow(i, QString::number(10 * i).toLatin1().constData(), "1.5", true,
                      periods[(i - 1) % 7]);
        }
        window->CmdComputeAllResults->click();
        ASSERT_TRUE(user.shown.empty()) << user.shown[0].text.toStdString();
        ASSERT_EQ(window->GrdAllResults->Rows(), c.rows + 1);

        const QString path = QDir(dir).filePath(c.file);
        user.fileNames.push_back(path);
        window->CmdSendToPrinter->click();
        EXPECT_TRUE(user.shown.empty());
        QFile pdf(path);
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
        QByteArray content = pdf.readAll();
        EXPECT_TRUE(content.startsWith("%PDF-"));
        EXPECT_EQ(content.count("/Type /Page\n"), c.pages);
    }
    Printers::SetSystemForTests(nullptr);
}
