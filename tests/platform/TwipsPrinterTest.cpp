#include "platform/TwipsPrinter.h"
#include "platform/TwipsPrinterFixedMetrics.h"

#include <gtest/gtest.h>

// Expected positions follow the fixed metrics: 10 twips per character and point
// (11 when bold), lines 23 twips per point, a 11520 x 15120 twips portrait page.

namespace {

struct TwipsPrinterTest : ::testing::Test {
    FixedPrinterMetrics metrics;
    TwipsPrinter printer{metrics};
};

} // namespace

TEST_F(TwipsPrinterTest, PrintStaysOnTheLineOrEndsIt) {
    printer.SetFontName("Times New Roman");
    printer.SetFontSize(11);
    printer.SetCurrentX(1000);
    printer.SetCurrentY(2000);

    printer.Print("ABC");
    EXPECT_FLOAT_EQ(printer.CurrentX(), 1330); // 1000 + 3 x 110
    EXPECT_FLOAT_EQ(printer.CurrentY(), 2000);

    printer.SetFontBold(true);
    EXPECT_FLOAT_EQ(printer.TextWidth("DE"), 242);
    printer.Print("DE");
    EXPECT_FLOAT_EQ(printer.CurrentX(), 1572);

    printer.SetFontBold(false);
    printer.PrintLine("F");
    EXPECT_FLOAT_EQ(printer.CurrentX(), 0);
    EXPECT_FLOAT_EQ(printer.CurrentY(), 2253); // one 11-point line

    printer.PrintLine();
    EXPECT_FLOAT_EQ(printer.CurrentY(), 2506);
    EXPECT_FLOAT_EQ(printer.TextHeight(), 253);

    ASSERT_EQ(printer.Document().pages.size(), 1u);
    const auto& texts = printer.Document().pages[0].texts;
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].text, "ABC");
    EXPECT_FLOAT_EQ(texts[0].x, 1000);
    EXPECT_FLOAT_EQ(texts[0].y, 2000);
    EXPECT_EQ(texts[0].font, (PrinterFont{"Times New Roman", 11, false}));
    EXPECT_EQ(texts[1].font, (PrinterFont{"Times New Roman", 11, true}));
    EXPECT_FLOAT_EQ(texts[1].x, 1330);
    EXPECT_FLOAT_EQ(texts[2].x, 1572);
    EXPECT_FLOAT_EQ(texts[2].y, 2000);
    EXPECT_EQ(texts[2].color, QColor(Qt::black));
}

TEST_F(TwipsPrinterTest, LineEndsAtItsEndPointWithThePenInForce) {
    printer.SetDrawWidth(2);
    printer.SetDrawStyle(DrawStyle::Dot);
    printer.SetForeColor(Qt::red);
    printer.Line(100, 200, 300, 400);
    EXPECT_FLOAT_EQ(printer.CurrentX(), 300);
    EXPECT_FLOAT_EQ(printer.CurrentY(), 400);

    printer.Line(300, 400, 50, 60, Qt::blue);
    EXPECT_FLOAT_EQ(printer.CurrentX(), 50);
    EXPECT_FLOAT_EQ(printer.CurrentY(), 60);
    EXPECT_EQ(printer.ForeColor(), QColor(Qt::red));
    printer.Print("x");

    const PrintedPage& page = printer.Document().pages.at(0);
    ASSERT_EQ(page.lines.size(), 2u);
    EXPECT_FLOAT_EQ(page.lines[0].x1, 100);
    EXPECT_FLOAT_EQ(page.lines[0].y2, 400);
    EXPECT_EQ(page.lines[0].width, 2);
    EXPECT_EQ(page.lines[0].style, DrawStyle::Dot);
    EXPECT_EQ(page.lines[0].color, QColor(Qt::red));
    EXPECT_EQ(page.lines[1].color, QColor(Qt::blue));
    EXPECT_EQ(page.texts.at(0).color, QColor(Qt::red));
}

TEST_F(TwipsPrinterTest, OrientationSetsTheScaleAndBelongsToEachPage) {
    EXPECT_FLOAT_EQ(printer.ScaleWidth(), 11520);
    EXPECT_FLOAT_EQ(printer.ScaleHeight(), 15120);
    printer.SetOrientation(PageOrientation::Landscape);
    EXPECT_FLOAT_EQ(printer.ScaleWidth(), 15120);
    EXPECT_FLOAT_EQ(printer.ScaleHeight(), 11520);

    printer.SetCurrentX(700);
    printer.SetCurrentY(900);
    printer.Print("first");
    printer.NewPage();
    EXPECT_FLOAT_EQ(printer.CurrentX(), 0);
    EXPECT_FLOAT_EQ(printer.CurrentY(), 0);
    // Nothing on the new page yet: it takes the new orientation.
    printer.SetOrientation(PageOrientation::Portrait);
    printer.Print("second");
    // Something on it already: the change waits for the next page.
    printer.SetOrientation(PageOrientation::Landscape);
    printer.NewPage();
    printer.Print("third");

    const auto& pages = printer.Document().pages;
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0].orientation, PageOrientation::Landscape);
    EXPECT_EQ(pages[1].orientation, PageOrientation::Portrait);
    EXPECT_EQ(pages[2].orientation, PageOrientation::Landscape);
    EXPECT_FLOAT_EQ(pages[1].texts.at(0).x, 0);
    EXPECT_EQ(pages[2].texts.at(0).text, "third");
}

TEST_F(TwipsPrinterTest, EndDocStartsAFreshPageAndKillDocDropsOnlyTheOpenDocument) {
    printer.SetCurrentY(500);
    printer.Print("kept");
    printer.EndDoc();
    printer.EndDoc(); // nothing drawn in between: no empty page
    EXPECT_EQ(printer.Document().pages.size(), 1u);
    EXPECT_FLOAT_EQ(printer.CurrentY(), 0);

    printer.Print("dropped");
    printer.NewPage();
    printer.Print("dropped too");
    EXPECT_EQ(printer.Document().pages.size(), 3u);
    printer.KillDoc();
    ASSERT_EQ(printer.Document().pages.size(), 1u);
    EXPECT_EQ(printer.Document().pages[0].texts.at(0).text, "kept");

    printer.Print("again");
    ASSERT_EQ(printer.Document().pages.size(), 2u);
    ASSERT_EQ(printer.Document().pages[1].texts.size(), 1u);
    EXPECT_EQ(printer.Document().pages[1].texts[0].text, "again");
}
