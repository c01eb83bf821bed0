#include "riprap_basin/PrtHec14.h"
#include "PlungeBasinWindowFixture.h"
#include "platform/TwipsPrinterFixedMetrics.h"

#include <algorithm>

// Positions by hand from the fixed metrics: Arial 10 is 100 twips a
// character (bold 110) and 230 a line; the portrait page is 11520 wide.
//
// The blocks down to the design Q are those of the plunge basin report:
// header 400 to 934, title at 1134, inverts 1614 to 2104, culvert type 2364
// to 2884, size heading at 2994 and its table 3274 to 4014, design Q 4274 to
// 4764 (PrintY 4774). "RESULTS" at 4774 + 250 = 5024, bold, x 1000; PrintY
// 5254. Riprap table from 5504: row r's texts at 5514 + 240 r, bottom rule at
// 5504 + 12 x 240 + 10 = 8394, PrintY 8404. Results table from 8654: row r at
// 8664 + 240 r, bottom at 8654 + 17 x 240 + 10 = 12744.

namespace {

const PrintedText* Find(const PrintedPage& page, const QString& text, float y) {
    auto it = std::find_if(page.texts.begin(), page.texts.end(),
                           [&](const PrintedText& t) { return t.text == text && t.y == y; });
    return it == page.texts.end() ? nullptr : &*it;
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

Hec14RiprapContents TwinPipe() {
    Hec14RiprapContents c;
    c.culvert.inletInvertElevation = "100";
    c.culvert.outletInvertElevation = "99";
    c.culvert.culvertBarrelLength = "100";
    c.culvert.culvertTypePosition = 0;
    c.culvert.culvertTypeText = "RCP: Reinforced Concrete Pipe";
    c.culvert.inletText = "Square edge with headwall";
    c.culvert.manningN = " 0.012";
    c.culvert.keInlet = " 0.5";
    c.culvert.standardSizePosition = 1;
    c.designQ = "150";
    c.tailwaterDepth = "1.5";
    c.w = "12.0";
    c.d50 = "0.6";
    c.recommendedD50 = "CLASS E";
    c.calculatedApproach = "1.8";
    c.recommendedApproach = "3.0";
    c.calculatedBasin = "1.2";
    c.recommendedBasin = "2.0";
    for (size_t r = 0; r < c.resultNames.size(); ++r) {
        c.resultNames[r] = Hec14RiprapResults::Names[r];
    }
    c.resultValues[Hec14RiprapResults::BrinkTW] = "1.50";
    c.resultValues[Hec14RiprapResults::HydraulicSlope] = "Steep";
    return c;
}

class RiprapBasinReport : public ::testing::Test {
protected:
    const PrintedPage& Print(const Hec14RiprapContents& contents) {
        PrtHec14::PrintContents(printer, contents, types[1], SiteFields{});
        EXPECT_EQ(printer.Document().pages.size(), 1u);
        return printer.Document().pages.at(0);
    }

    const std::vector<GenDesignCulvertType> types = PlungeBasinWindow::Catalogue();
    FixedPrinterMetrics metrics;
    TwipsPrinter printer{metrics};
};

} // namespace

// The riprap table: labels of up to 34 characters ("Recommended Riprap
// Thickness (ft) ") give the divide at 1000 + 3400 + 300 = 4700, values under
// 1500 the right edge at 4700 + 1800 = 6500; a label ends 150 left of the
// divide, a value starts 150 right of it. The results table: "Brink Flow Area
// (ft^2)" (22 characters) puts its divide at 3500, its right edge at 5300.
TEST_F(RiprapBasinReport, SideTablesAreLaidOutByHand) {
    const PrintedPage& page = Print(TwinPipe());
    struct Expected {
        QString text;
        float x;
        float y;
        bool bold = false;
    };
    const Expected expected[] = {
        {"HEC-14 RIPRAP BASIN DESIGN", 5760 - 1300, 1134, true},
        {"Twin", 1000 + (700 + 300) / 2.0f - 200, 3774},
        {" 150 ", 1800, 4524},
        {"RESULTS", 1000, 5024, true},
        {"Minimum Width at Inlet, W (ft) ", 4700 - 150 - 3100, 5514},
        {" 12.0 ", 4850, 5514},
        {" ", 4700 - 150 - 100, 5514 + 240}, // a blank row's label
        {"Recommended Riprap d-50 ", 4700 - 150 - 2400, 5514 + 3 * 240},
        {" CLASS E ", 4850, 5514 + 3 * 240},
        {"APPROACH RIPRAP THICKNESS ", 4700 - 150 - 2600, 5514 + 5 * 240},
        {" 3.0 ", 4850, 5514 + 7 * 240},
        {"BASIN/APRON RIPRAP THICKNESS ", 4700 - 150 - 2900, 5514 + 9 * 240},
        {" 2.0 ", 4850, 5514 + 11 * 240},
        {"Brink TW (ft)", 3500 - 150 - 1300, 8664},
        {"1.50", 3650, 8664},
        {"Steep", 3650, 8664 + 12 * 240},
        {"hs/Ye", 3500 - 150 - 500, 8664 + 16 * 240},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.text.toStdString());
        const PrintedText* text = Find(page, e.text, e.y);
        ASSERT_NE(text, nullptr);
        EXPECT_FLOAT_EQ(text->x, e.x);
        EXPECT_EQ(text->font, (PrinterFont{"Arial", 10, e.bold}));
    }
    EXPECT_EQ(VerticalsFrom(page, 5504), (std::vector<float>{1000, 4700, 6500}));
    EXPECT_EQ(VerticalsFrom(page, 8654), (std::vector<float>{1000, 3500, 5300}));
    const auto bottom = std::find_if(page.lines.begin(), page.lines.end(), [](const auto& l) {
        return l.x1 == 1000 && l.y1 == 8654 && l.x2 == 1000;
    });
    ASSERT_NE(bottom, page.lines.end());
    EXPECT_FLOAT_EQ(bottom->y2, 12744);
}

// A cleared window still prints all twelve riprap rows and the seventeen
// names, with two blanks in each empty riprap value.
TEST_F(RiprapBasinReport, ClearedWindowPrintsEveryRowWithEmptyValues) {
    Hec14RiprapContents contents = TwinPipe();
    contents.w.clear();
    contents.d50.clear();
    contents.recommendedD50.clear();
    contents.resultValues = {};
    const PrintedPage& page = Print(contents);
    EXPECT_NE(Find(page, "  ", 5514), nullptr);
    EXPECT_NE(Find(page, "  ", 5514 + 3 * 240), nullptr);
    EXPECT_NE(Find(page, "hs/Ye", 8664 + 16 * 240), nullptr);
    EXPECT_EQ(VerticalsFrom(page, 8654), (std::vector<float>{1000, 3500, 5300}));
}

// The standard-size option on a type without standard sizes prints empty
// size cells, and the job ends with its one page.
TEST_F(RiprapBasinReport, ATypeWithoutStandardSizesPrintsEmptySizeCells) {
    Hec14RiprapContents contents = TwinPipe();
    contents.culvert.standardSizePosition = -1;
    PrtHec14::PrintContents(printer, contents, types[3], SiteFields{});
    ASSERT_EQ(printer.Document().pages.size(), 1u);
    const PrintedPage& page = printer.Document().pages[0];
    EXPECT_NE(Find(page, "Span", 3284), nullptr);
    EXPECT_EQ(VerticalsFrom(page, 3274).size(), 4u);
    EXPECT_NE(Find(page, "RESULTS", 5024), nullptr);
}
