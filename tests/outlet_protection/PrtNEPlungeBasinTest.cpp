#include "outlet_protection/PrtNEPlungeBasin.h"
#include "PlungeBasinWindowFixture.h"
#include "platform/Printers.h"
#include "platform/ReportJob.h"
#include "platform/TwipsPrinterFixedMetrics.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

// Positions by hand from the fixed metrics: Arial 10 is 100 twips a
// character (bold 110) and 230 a line; the portrait page is 11520 wide.
//
// Site header 400 to 934 (9 points: 30 + 207 + 30 a row); title at 1134,
// centred on 5760 by its regular width. Each table then starts 250 below the
// end of the one above and ends 10 below its bottom rule:
// inverts 1614 to 2104 (gap 10: texts at 1624 and 1864); culvert type 2364 to
// 2884 (gap 20: 2384, 2634); size heading at 2994, its table 3274 to 4014
// (texts 3284, 3524, 3774); design Q 4274 to 4764 (4284, 4524); pipe
// diameters 5024 to 5544 (5044, 5294); "BASIN DIMENSIONS" at 5804; riprap
// 6284 to 6774 (6294, 6534); A to F 7034 to 7554 (7054, 7304); W and length
// 7814 to 8334 (7834, 8084).

namespace {

struct Expected {
    QString text;
    float x;
    float y;
    bool bold = false;
};

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

std::vector<float> RuleHeights(const PrintedPage& page, float from) {
    std::vector<float> ys;
    for (const PrintedLine& line : page.lines) {
        if (line.y1 == line.y2 && line.y1 >= from) {
            ys.push_back(line.y1);
        }
    }
    return ys;
}

// The box of the window fixture, 4 x 3 ft standard, with the results of
// its worked case.
PlungeBasinContents ComputedBox() {
    PlungeBasinContents c;
    c.culvert.inletInvertElevation = "100";
    c.culvert.outletInvertElevation = " 100";
    c.culvert.culvertBarrelLength = "50 ";
    c.culvert.culvertTypePosition = 1;
    c.culvert.culvertTypeText = "RCB: Reinforced Concrete Box";
    c.culvert.inletText = "Wingwalls 30 to 75 degrees";
    c.culvert.manningN = " 0.013";
    c.culvert.keInlet = " 0.4";
    c.culvert.standardSizePosition = 0;
    c.culvert.userNumBarrelsText = "Single";
    c.designQ = "240";
    c.tailwaterDepth = "4";
    c.exitVelocity = "20.00";
    c.equivPipeDiam = "46.9";
    c.designPipeDiam = "48";
    c.d50 = "1.5";
    c.riprapClass = "CLASS: B";
    c.riprapThickness = "3.0";
    c.aDim = "4";
    c.cDim = "2";
    c.eDim = "5";
    c.tDim = "3";
    c.fDim = "6";
    c.totalLength = "25";
    c.w = "8.0";
    return c;
}

class PlungeBasinReport : public ::testing::Test {
protected:
    const PrintedPage& Print(const PlungeBasinContents& contents,
                             const GenDesignCulvertType& type) {
        PrtNEPlungeBasin::PrintContents(printer, contents, type, SiteFields{});
        EXPECT_EQ(printer.Document().pages.size(), 1u);
        return printer.Document().pages.at(0);
    }

    const std::vector<GenDesignCulvertType> types = PlungeBasinWindow::Catalogue();
    FixedPrinterMetrics metrics;
    TwipsPrinter printer{metrics};
};

} // namespace

TEST_F(PlungeBasinReport, ComputedBoxIsLaidOutByHand) {
    const PrintedPage& page = Print(ComputedBox(), types[2]);
    EXPECT_EQ(page.orientation, PageOrientation::Portrait);
    // Column pitches: the widest text + 300, at least 1800 in the input and
    // pipe tables (inverts 28, 29, 27 characters; "RCB: Reinforced Concrete
    // Box" 28, "Wingwalls 30 to 75 degrees" 26, then 1800 and 1800; design Q
    // labels 18 and 21
    // characters; pipe labels 29, 25, 20; riprap " 1.5 or CLASS: B" 16 and
    // "Riprap Thickness (ft) " 22), exactly the text + 300 in the size table
    // ("Barrels" 7, "(feet)" 6), and 1500 for the short basin columns
    // ("Total Length (ft)" 17 characters: 2000).
    const Expected expected[] = {
        {"NE PLUNGE BASIN DESIGN", 5760 - 1100, 1134, true},
        {"Inlet Invert Elevation (ft) ", 1150, 1624},
        {" 100 ", 2300, 1864},
        {"Outlet Invert Elevation (ft) ", 4250, 1624},
        {" 50 ", 8600, 1864},
        {"Culvert Type", 1950, 2384},
        {"RCB: Reinforced Concrete Box", 1150, 2634},
        {"Wingwalls 30 to 75 degrees", 4250, 2634},
        {"0.013", 7650, 2634},
        {"0.4", 9550, 2634},
        {"VSHA STANDARD SIZE", 1000, 2994},
        {"Span", 2250, 3284},
        {"Barrels", 1150, 3524},
        {"(feet)", 2150, 3524},
        {"Single", 1200, 3774},
        {"4", 2400, 3774},
        {"3", 3300, 3774},
        {"Design Q (ft^3/s) ", 1150, 4284},
        {" 240 ", 1800, 4524},
        {"Tailwater Depth (ft) ", 3250, 4284},
        {"Equivalent Pipe Diameter (in)", 1150, 5044},
        {"46.9", 2400, 5294},
        {"Design Pipe Diameter (in)", 4350, 5044},
        {"Exit Velocity (ft/s)", 7150, 5044},
        {"20.00", 7900, 5294},
        {"BASIN DIMENSIONS", 1000, 5804, true},
        {"Riprap Size, D-50 (ft) ", 1150, 6294},
        {" 1.5 or CLASS: B", 1500, 6534},
        {" 3.0 ", 4600, 6534},
        {"A (ft)", 1450, 7054},
        {"4", 1700, 7304},
        {"F (ft)", 7450, 7054},
        {"6", 7700, 7304},
        {"W (ft)", 1450, 7834},
        {"8.0", 1600, 8084},
        {"Total Length (ft)", 2650, 7834},
        {"25", 3400, 8084},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.text.toStdString());
        const PrintedText* text = Find(page, e.text, e.y);
        ASSERT_NE(text, nullptr);
        EXPECT_FLOAT_EQ(text->x, e.x);
        EXPECT_EQ(text->font, (PrinterFont{"Arial", 10, e.bold}));
    }
    EXPECT_EQ(VerticalsFrom(page, 1614), (std::vector<float>{1000, 4100, 7300, 10300}));
    EXPECT_EQ(VerticalsFrom(page, 2364), (std::vector<float>{1000, 4100, 7000, 8800, 10600}));
    EXPECT_EQ(VerticalsFrom(page, 3274), (std::vector<float>{1000, 2000, 2900, 3800}));
    EXPECT_EQ(VerticalsFrom(page, 6284), (std::vector<float>{1000, 3600, 6100}));
    EXPECT_EQ(VerticalsFrom(page, 7034), (std::vector<float>{1000, 2500, 4000, 5500, 7000, 8500}));
    EXPECT_EQ(VerticalsFrom(page, 7814), (std::vector<float>{1000, 2500, 4500}));
    EXPECT_EQ(RuleHeights(page, 1000),
              (std::vector<float>{1614, 1864, 2104, 2364, 2634, 2884, 3274, 3764,
                                  4014, 4274, 4524, 4764, 5024, 5294, 5544, 6284,
                                  6534, 6774, 7034, 7304, 7554, 7814, 8084, 8334}));
}

// The size table reads the catalogue: it never reads past its lists, and
// prints empty cells where they have nothing.
TEST_F(PlungeBasinReport, BarrelSizeTableFollowsTheTypeAndNeverReadsPastItsLists) {
    struct Case {
        const char* what;
        GenDesignCulvertType type;
        bool userSize;
        int standardSize;
        std::vector<QString> captions; // row 0 after the barrel column
        std::vector<QString> values;   // row 2, barrel word first
        QString units;
    };
    GenDesignCulvertType pipe = types[1];
    GenDesignCulvertType fourBarrels = pipe;
    fourBarrels.StdSizes[1].NumBarrels = 4;
    fourBarrels.DisplayUnits = 3;
    GenDesignCulvertType noTexts = pipe;
    noTexts.StdSizes[1].DisplayTexts.clear();
    noTexts.SizeTexts = {""};
    GenDesignCulvertType noSizes = pipe;
    noSizes.NumSizeParameters = 0;
    const Case cases[] = {
        {"circular standard", pipe, false, 1, {"Diameter"}, {"Twin", "36"}, "(inches)"},
        {"pipe-arch without standard sizes",
         types[3],
         false,
         0,
         {"Span", "Rise"},
         {"", "", ""},
         "(inches)"},
        {"pipe-arch typed",
         types[3],
         true,
         -1,
         {"Span", "Rise", "Bottom Radius", "Top Radius", "Corner Radius"},
         {"Twin", "42", "29", "66.125", "21.5", "8.25"},
         "(inches)"},
        {"four barrels, unknown units", fourBarrels, false, 0, {"Diameter"}, {" ", "36"}, "()"},
        {"texts missing from the catalogue", noTexts, false, 0, {""}, {"Single", ""}, "(inches)"},
        {"no size parameters", noSizes, false, 0, {}, {"Single"}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PlungeBasinContents contents = ComputedBox();
        contents.culvert.userSizeOption = c.userSize;
        contents.culvert.standardSizePosition = c.standardSize;
        contents.culvert.userSizes = {" 42 ", "29", "66.125", "21.5", "8.25"};
        contents.culvert.userNumBarrelsText = "Twin";
        TwipsPrinter fresh{metrics};
        PrtNEPlungeBasin::PrintContents(fresh, contents, c.type, SiteFields{});
        const PrintedPage page = fresh.Document().pages.at(0);
        EXPECT_NE(Find(page, c.userSize ? "USER DEFINED SIZE" : "VSHA STANDARD SIZE", 2994),
                  nullptr);
        // Empty cells leave no text on the page.
        auto row = [&page](float y) {
            std::vector<QString> texts;
            for (const PrintedText& t : page.texts) {
                if (t.y == y) {
                    texts.push_back(t.text);
                }
            }
            return texts;
        };
        auto printed = [](std::vector<QString> texts) {
            std::erase(texts, QString());
            return texts;
        };
        EXPECT_EQ(row(3284), printed(c.captions));
        std::vector<QString> units{"Barrels"};
        units.insert(units.end(), c.captions.size(), c.units);
        EXPECT_EQ(row(3524), printed(units));
        EXPECT_EQ(row(3774), printed(c.values));
        EXPECT_EQ(VerticalsFrom(page, 3274).size(), c.captions.size() + 2);
    }
}

// A cleared window: labels over empty cells, the riprap cell reading a blank,
// " or " and the class caption; no culvert type at all prints an empty size table.
TEST_F(PlungeBasinReport, ClearedWindowPrintsLabelsOverEmptyCells) {
    PlungeBasinContents contents;
    contents.riprapClass = "CLASS:";
    const GenDesignCulvertType none;
    const PrintedPage& page = Print(contents, none);
    EXPECT_NE(Find(page, "  or CLASS:", 6534), nullptr);
    EXPECT_NE(Find(page, "  ", 4524), nullptr);
    EXPECT_NE(Find(page, "Total Length (ft)", 7834), nullptr);
    EXPECT_EQ(VerticalsFrom(page, 3274), (std::vector<float>{1000, 2000}));
}

class PlungeBasinPrinting : public PlungeBasinWindow {
protected:
    void SetUp() override {
        PlungeBasinWindow::SetUp();
        Printers::SetSystemForTests(&none);
        window->SetPrintReport([] {
            PrintReport("NE Plunge Basin Design", PrtNEPlungeBasin::PrintNEPlungeBasin,
                        ErrorStyle::Titled);
        });
    }
    void TearDown() override {
        Printers::SetSystemForTests(nullptr);
        PlungeBasinWindow::TearDown();
    }

    Printers::System none; // the PDF file is current
};

// Through the Print button into a PDF file, for a look: set
// TARNWELL_SAMPLE_DIR to keep it there.
TEST_F(PlungeBasinPrinting, ComputedBoxPrintsOnePageToPdf) {
    QTemporaryDir scratch;
    const QString dir = qEnvironmentVariableIsSet("TARNWELL_SAMPLE_DIR")
                            ? qEnvironmentVariable("TARNWELL_SAMPLE_DIR")
                            : scratch.path();
    TypeCulvert(Box, "240", "4");
    Compute();
    ASSERT_EQ(window->txtTotalLength->text(), "25");
    const QString path = QDir(dir).filePath("tarnwell-ne-plunge-basin.pdf");
    user.fileNames.push_back(path);
    window->cmdPrt->click();
    EXPECT_TRUE(user.shown.empty());
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray content = pdf.readAll();
    EXPECT_TRUE(content.startsWith("%PDF-"));
    EXPECT_EQ(content.count("/Type /Page\n"), 1);
}

TEST_F(PlungeBasinPrinting, AFailedPrintSendsNothingAndSaysSo) {
    QTemporaryDir scratch;
    const QString path = QDir(scratch.path()).filePath("missing/report.pdf");
    user.fileNames.push_back(path);
    window->cmdPrt->click();
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].title, "ERROR");
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(QDir(scratch.path()).entryList(QDir::Files).isEmpty());
}
