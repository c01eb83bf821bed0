#include "inlets/PrtTaperedInletInfo.h"
#include "FakeDialogs.h"
#include "platform/Printers.h"
#include "platform/ReportJob.h"
#include "platform/TwipsPrinter.h"
#include "platform/TwipsPrinterFixedMetrics.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

// Positions by hand from the fixed metrics: 10 twips a character per point, 11
// when bold (Times 11: 110, bold 121; bold 12: 132) and 23 twips a line per
// point (11: 253, 12: 276); the landscape page is 15120 x 11520, so the page
// limit is 10520.
//
// Every page: site header 400 to 934, then 500 below it the title box from
// y0 = 1434: rule, title at 1449, its line ends at 1725, rule yT = 1740. Inputs
// headings at 1755 and 2023, rule yH = 2291, values at 2306, rule yV = 2574;
// a blank line ends at 2827, so the table heading starts at 2827 - 253 / 2 =
// 2700.5: lines at 2715.5, 2983.5, 3251.5, bottom rule 3519.5. Row i runs from
// 3569.5 + (i - 1) x 283 to 3569.5 + i x 283, its texts 15 below its top; the
// 25th row ends at 10644.5, the first past the limit.
//
// Column edges 1000, 2500, 3500, 4750, ... 14750 (1250 apart after the
// second); centres 1750, 3000, 4125, 5375, ..., 14125.

namespace {

using TaperedInletResults::RowTexts;

constexpr float FirstRowTop = 3569.5f;
constexpr float RowHeight = 283;
const std::vector<float> TableEdges = {1000, 2500, 3500,  4750,  6000,  7250,
                                       8500, 9750, 11000, 12250, 13500, 14750};

const PrintedText* Find(const PrintedPage& page, const QString& text) {
    auto it = std::find_if(page.texts.begin(), page.texts.end(),
                           [&](const PrintedText& t) { return t.text == text; });
    return it == page.texts.end() ? nullptr : &*it;
}

std::vector<const PrintedText*> TextsAt(const PrintedPage& page, float y) {
    std::vector<const PrintedText*> found;
    for (const PrintedText& text : page.texts) {
        if (text.y == y && !text.text.trimmed().isEmpty()) {
            found.push_back(&text);
        }
    }
    return found;
}

std::vector<float> RulesBetween(const PrintedPage& page, float from, float to) {
    std::vector<float> rules;
    for (const PrintedLine& line : page.lines) {
        if (line.y1 == line.y2 && line.y1 >= from && line.y1 < to) {
            rules.push_back(line.y1);
        }
    }
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

RowTexts Result(const char* mark, const char* barrels, const char* width = "8") {
    return {mark, barrels, width, "4", "2.16", "5.0", "4.0", "3", "10", "1.08", "3.60"};
}

class TaperedInletReport : public ::testing::Test {
protected:
    TaperedInletReport() {
        contents.q = " 300 ";
        contents.hMin = "-2";
        contents.hMax = "2.5";
        contents.includeMultipleBarrels = true;
    }

    const PrintedDocument& Print() {
        PrtTaperedInletInfo::PrintContents(printer, contents, SiteFields{});
        return printer.Document();
    }

    void FillRows(int rows) {
        contents.resultRows.assign(static_cast<std::size_t>(rows) + 1, RowTexts{});
        for (int i = 0; i < rows; ++i) {
            contents.resultRows[static_cast<std::size_t>(i)] =
                Result("", "Single", std::to_string(i + 1).c_str());
        }
    }

    TaperedInletContents contents;
    FixedPrinterMetrics metrics;
    TwipsPrinter printer{metrics};
};

} // namespace

TEST_F(TaperedInletReport, TitleInputsAndHeadingStandAtTheirPlaces) {
    FillRows(1);
    const PrintedPage& page = Print().pages.at(0);
    EXPECT_EQ(page.orientation, PageOrientation::Landscape);

    const PrintedText* title = Find(page, "Tapered Inlet Design");
    ASSERT_NE(title, nullptr);
    EXPECT_FLOAT_EQ(title->x, 1050);
    EXPECT_FLOAT_EQ(title->y, 1449);
    EXPECT_EQ(title->font, (PrinterFont{"Times New Roman", 12, true}));

    struct Expected {
        QString text;
        float x, y;
    };
    // Centred on 1750, 3250, 4750 and 6250 in Times 11.
    const Expected inputs[] = {
        {"Q", 1695, 1755},        {"H-Minimum", 2755, 1755}, {"H-Maximum", 4255, 1755},
        {"Multiple", 5810, 1755}, {"(ft^3/s)", 1310, 2023},  {"(feet)", 2920, 2023},
        {"(feet)", 4420, 2023},   {"Barrels", 5865, 2023},   {"300", 1585, 2306},
        {"-2", 3140, 2306},       {"2.5", 4585, 2306},       {"YES", 6085, 2306},
    };
    std::vector<const PrintedText*> printed;
    for (float y : {1755.f, 2023.f, 2306.f}) {
        auto line = TextsAt(page, y);
        printed.insert(printed.end(), line.begin(), line.end());
    }
    ASSERT_EQ(printed.size(), std::size(inputs));
    for (std::size_t k = 0; k < printed.size(); ++k) {
        EXPECT_EQ(printed[k]->text, inputs[k].text) << k;
        EXPECT_FLOAT_EQ(printed[k]->x, inputs[k].x) << inputs[k].text.toStdString();
        EXPECT_EQ(printed[k]->font, (PrinterFont{"Times New Roman", 11, false}));
    }
    EXPECT_EQ(RulesBetween(page, 1000, 2700), (std::vector<float>{1434, 1740, 2291, 2574}));
    EXPECT_EQ(VerticalsFrom(page, 1434), (std::vector<float>{1000, 7000}));
    EXPECT_EQ(VerticalsFrom(page, 2291), (std::vector<float>{1000, 2500, 4000, 5500, 7000}));

    // The heading: three lines centred on the column centres.
    EXPECT_EQ(RulesBetween(page, 2700, 3560), (std::vector<float>{2700.5f, 3519.5f}));
    EXPECT_EQ(VerticalsFrom(page, 2700.5f), TableEdges);
    const PrintedText* selected = Find(page, "Selected");
    ASSERT_NE(selected, nullptr);
    EXPECT_FLOAT_EQ(selected->x, 1750 - 440);
    EXPECT_FLOAT_EQ(selected->y, 2983.5f);
    const PrintedText* slope = Find(page, "Slope(%)");
    ASSERT_NE(slope, nullptr);
    EXPECT_FLOAT_EQ(slope->x, 12875 - 440);
    EXPECT_FLOAT_EQ(slope->y, 3251.5f);
    EXPECT_EQ(TextsAt(page, 3251.5f).front()->text, "Design");
    EXPECT_EQ(TextsAt(page, 3251.5f)[2]->text, "(feet)");
}

TEST_F(TaperedInletReport, TheSelectedRowIsBoldWithItsMarkInTheMargin) {
    RowTexts none{};
    none[TaperedInletResults::NumberOfBarrels] = "NONE";
    contents.resultRows = {
        Result(" >> ", "Twin"), Result("x", "Single"), RowTexts{}, none, RowTexts{}, RowTexts{}};
    contents.resultRows[2][0] = ">>>";
    const PrintedPage& page = Print().pages.at(0);

    // Rows 1 to 4: the last whose number of barrels is not blank.
    EXPECT_EQ(RulesBetween(page, 3560, 11520),
              (std::vector<float>{FirstRowTop, FirstRowTop + RowHeight, FirstRowTop + RowHeight,
                                  FirstRowTop + 2 * RowHeight, FirstRowTop + 2 * RowHeight,
                                  FirstRowTop + 3 * RowHeight, FirstRowTop + 3 * RowHeight,
                                  FirstRowTop + 4 * RowHeight}));

    auto row1 = TextsAt(page, FirstRowTop + 15);
    ASSERT_EQ(row1.size(), 12u);
    EXPECT_EQ(row1[0]->text, ">>");
    EXPECT_FLOAT_EQ(row1[0]->x, 1000 - 242 - 100);
    EXPECT_EQ(row1[1]->text, "SELECTION");
    EXPECT_FLOAT_EQ(row1[1]->x, 1750 - 544.5f);
    for (const PrintedText* text : row1) {
        EXPECT_EQ(text->font, (PrinterFont{"Times New Roman", 11, true}))
            << text->text.toStdString();
    }

    auto row2 = TextsAt(page, FirstRowTop + RowHeight + 15);
    ASSERT_EQ(row2.size(), 11u);
    EXPECT_EQ(row2[0]->text, "x");
    EXPECT_FALSE(row2[0]->font.bold);
    // Only exactly ">>" marks the selection.
    auto row3 = TextsAt(page, FirstRowTop + 2 * RowHeight + 15);
    ASSERT_EQ(row3.size(), 1u);
    EXPECT_EQ(row3[0]->text, ">>>");
    EXPECT_FALSE(row3[0]->font.bold);
    auto row4 = TextsAt(page, FirstRowTop + 3 * RowHeight + 15);
    ASSERT_EQ(row4.size(), 1u);
    EXPECT_EQ(row4[0]->text, "NONE");
    EXPECT_FLOAT_EQ(row4[0]->x, 3000 - 220);

    // The comment follows one blank line below the last row, plain.
    const PrintedText* comment =
        Find(page, "Z and L are the minimum drop and length. The minimum barrel slope will "
                   "result in super-critical flow. Steeper barrel slopes may be used.");
    ASSERT_NE(comment, nullptr);
    EXPECT_FLOAT_EQ(comment->x, 1050);
    EXPECT_FLOAT_EQ(comment->y, FirstRowTop + 4 * RowHeight + 253);
    EXPECT_EQ(comment->font, (PrinterFont{"Times New Roman", 11, false}));
}

TEST_F(TaperedInletReport, AGridWithoutRowsPrintsNoRowBoxes) {
    contents.resultRows.assign(4, RowTexts{});
    contents.q.clear();
    contents.includeMultipleBarrels = false;
    const PrintedDocument& document = Print();
    ASSERT_EQ(document.pages.size(), 1u);
    const PrintedPage& page = document.pages[0];
    EXPECT_TRUE(RulesBetween(page, 3560, 11520).empty());
    const PrintedText* comment = page.texts.empty() ? nullptr : &page.texts.back();
    ASSERT_NE(comment, nullptr);
    EXPECT_FLOAT_EQ(comment->y, FirstRowTop + 253);
    // An empty input prints nothing in its cell; the tick box unticked as NO.
    auto values = TextsAt(page, 2306);
    ASSERT_EQ(values.size(), 3u);
    EXPECT_EQ(values[0]->text, "-2");
    EXPECT_EQ(values[2]->text, "NO");
}

TEST_F(TaperedInletReport, PagesBreakAfterTheRowThatPassesTheLimitUnlessItIsTheLast) {
    struct Case {
        int rows;
        std::vector<int> rowsPerPage;
    };
    // Row 25 is the first to end past 10520; row 50 the second.
    const Case cases[] = {{24, {24}}, {25, {25}}, {26, {25, 1}}, {51, {25, 25, 1}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rows);
        FillRows(c.rows);
        FixedPrinterMetrics fixed;
        TwipsPrinter paper(fixed);
        PrtTaperedInletInfo::PrintContents(paper, contents, SiteFields{});
        const PrintedDocument& document = paper.Document();
        ASSERT_EQ(document.pages.size(), c.rowsPerPage.size());
        int first = 1;
        for (std::size_t p = 0; p < document.pages.size(); ++p) {
            const PrintedPage& page = document.pages[p];
            EXPECT_EQ(page.orientation, PageOrientation::Landscape);
            const PrintedText* county = Find(page, "County");
            ASSERT_NE(county, nullptr);
            EXPECT_FLOAT_EQ(county->y, 430);
            const PrintedText* title =
                Find(page, p == 0 ? "Tapered Inlet Design" : "Tapered Inlet Design (Continued)");
            ASSERT_NE(title, nullptr) << p;
            EXPECT_FLOAT_EQ(title->y, 1449);
            EXPECT_NE(Find(page, "H-Maximum"), nullptr);
            EXPECT_NE(Find(page, "Slope(%)"), nullptr);
            // The page's first row 50 below the heading, the inputs repeated.
            auto top = TextsAt(page, FirstRowTop + 15);
            ASSERT_EQ(top.size(), 10u);
            EXPECT_EQ(top[1]->text, QString::number(first));
            const int count = c.rowsPerPage[p];
            auto last = TextsAt(page, FirstRowTop + (count - 1) * RowHeight + 15);
            ASSERT_EQ(last.size(), 10u);
            EXPECT_EQ(last[1]->text, QString::number(first + count - 1));
            EXPECT_TRUE(TextsAt(page, FirstRowTop + count * RowHeight + 15).empty());
            first += count;
        }
        EXPECT_NE(Find(document.pages.back(), "Z and L are the minimum drop and length. The "
                                              "minimum barrel slope will result in "
                                              "super-critical flow. Steeper barrel slopes may "
                                              "be used."),
                  nullptr);
    }
}

// The report through the real PDF output. Set TARNWELL_SAMPLE_DIR to keep the
// file there for a look.
TEST_F(TaperedInletReport, PrintsThroughThePdfFileAndAFailureSendsNothing) {
    Printers::System none;
    Printers::SetSystemForTests(&none);
    FakeDialogs user;
    QTemporaryDir scratch;
    const QString dir = qEnvironmentVariableIsSet("TARNWELL_SAMPLE_DIR")
                            ? qEnvironmentVariable("TARNWELL_SAMPLE_DIR")
                            : scratch.path();
    const QString path = QDir(dir).filePath("tarnwell-tapered-inlet.pdf");
    QFile::remove(path);
    FillRows(30);
    contents.resultRows[1][0] = ">>";
    contents.resultRows[2] = RowTexts{};
    contents.resultRows[3] = {"",    "Twin", "12", "4",    "-1.31", "7.5",
                              "4.0", "1",    "9",  "0.41", "2.08"};
    user.fileNames.push_back(path);
    PrintReport(
        "Tapered Inlet Design",
        [this](TwipsPrinter& p) { PrtTaperedInletInfo::PrintContents(p, contents, {}); },
        ErrorStyle::Titled);
    EXPECT_TRUE(user.shown.empty());
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    QByteArray content = pdf.readAll();
    EXPECT_TRUE(content.startsWith("%PDF-"));
    EXPECT_EQ(content.count("/Type /Page\n"), 2);

    // A failure part-way through the report: one message, no file.
    const QString failed = QDir(scratch.path()).filePath("failed.pdf");
    user.fileNames.push_back(failed);
    PrintReport(
        "Tapered Inlet Design",
        [this](TwipsPrinter& p) {
            PrtTaperedInletInfo::PrintContents(p, contents, {});
            throw AppError(ErrorNumber::PrinterError, "Printer error");
        },
        ErrorStyle::Titled);
    Printers::SetSystemForTests(nullptr);
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].text, "Printer error, 482");
    EXPECT_EQ(user.shown[0].title, "ERROR");
    EXPECT_FALSE(QFile::exists(failed));
}
