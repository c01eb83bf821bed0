#include "platform/PlotCanvas.h"
#include "platform/PlotRecorder.h"
#include "platform/Screen.h"
#include "platform/TwipsPrinter.h"
#include "platform/TwipsPrinterFixedMetrics.h"

#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A plot step as plots write it: a dotted black line, a red line 2 wide, and a
// blue text at a set point.
void DrawSample(PlotSurface& surface) {
    surface.SetDrawStyle(DrawStyle::Dot);
    surface.Line(100, 200, 900, 200);
    surface.SetDrawStyle(DrawStyle::Solid);
    surface.SetDrawWidth(2);
    surface.Line(100, 1000, 900, 400, QColor(255, 0, 0));
    surface.SetDrawWidth(1);
    surface.SetForeColor(QColor(0, 0, 255));
    surface.SetCurrentX(300);
    surface.SetCurrentY(50);
    surface.Print("Q (ft^3/s)");
    surface.Print("");
}

const FixedPrinterMetrics metrics;

TEST(PlotRecorder, KeepsWhatIsDrawnWithThePenOfTheMoment) {
    PlotRecorder recorder(metrics, {"MS Sans Serif", 8, false}, QSizeF(8000, 5000));
    EXPECT_EQ(recorder.ScaleWidth(), 8000);
    EXPECT_EQ(recorder.ScaleHeight(), 5000);
    EXPECT_EQ(recorder.TextWidth("00"), 160); // 10 twips per point and character
    EXPECT_EQ(recorder.TextHeight(), 184);    // 23 twips per point

    DrawSample(recorder);
    const PrintedPage& list = recorder.DisplayList();
    ASSERT_EQ(list.lines.size(), 2u);
    EXPECT_EQ(list.lines[0].style, DrawStyle::Dot);
    EXPECT_EQ(list.lines[0].color, QColor(Qt::black));
    EXPECT_EQ(list.lines[1].width, 2);
    EXPECT_EQ(list.lines[1].color, QColor(255, 0, 0));
    ASSERT_EQ(list.texts.size(), 1u); // an empty text leaves no mark
    EXPECT_EQ(list.texts[0].text, "Q (ft^3/s)");
    EXPECT_EQ(list.texts[0].x, 300);
    EXPECT_EQ(list.texts[0].y, 50);
    EXPECT_EQ(list.texts[0].color, QColor(0, 0, 255));

    recorder.Clear();
    EXPECT_TRUE(recorder.DisplayList().lines.empty());
    EXPECT_TRUE(recorder.DisplayList().texts.empty());
}

TEST(PlotRecorder, RecordsWhatThePrinterRecordsForTheSameCalls) {
    PlotRecorder recorder(metrics, {"Arial", 10, false}, QSizeF(15120, 11520));
    TwipsPrinter printer(metrics);
    printer.SetOrientation(PageOrientation::Landscape);
    DrawSample(recorder);
    DrawSample(printer);
    const PrintedPage& screen = recorder.DisplayList();
    const PrintedPage& paper = printer.Document().pages.at(0);
    ASSERT_EQ(screen.lines.size(), paper.lines.size());
    for (size_t i = 0; i < screen.lines.size(); ++i) {
        EXPECT_EQ(screen.lines[i].x2, paper.lines[i].x2);
        EXPECT_EQ(screen.lines[i].style, paper.lines[i].style);
        EXPECT_EQ(screen.lines[i].width, paper.lines[i].width);
    }
    ASSERT_EQ(screen.texts.size(), paper.texts.size());
    EXPECT_EQ(screen.texts[0].x, paper.texts[0].x);
    EXPECT_EQ(recorder.ScaleWidth(), printer.ScaleWidth());
}

TEST(PlotCanvas, TakesItsSizeInTwipsAndPaintsTheList) {
    PlotCanvas canvas;
    canvas.resize(300, 200);
    canvas.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&canvas));
    canvas.Clear();
    PlotSurface& surface = canvas.Surface();
    EXPECT_NEAR(surface.ScaleWidth(), Screen::PixelsToTwipsX(300), 1e-3);
    EXPECT_NEAR(surface.ScaleHeight(), Screen::PixelsToTwipsY(200), 1e-3);
    EXPECT_GT(surface.TextWidth("0"), 0);

    // A red band across the middle of the canvas.
    surface.SetDrawWidth(4);
    const float middle = surface.ScaleHeight() / 2;
    surface.Line(0, middle, surface.ScaleWidth(), middle, QColor(255, 0, 0));
    QImage image = canvas.grab().toImage();
    EXPECT_EQ(image.pixelColor(150, 100), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(150, 20), QColor(Qt::white));

    canvas.Clear();
    EXPECT_TRUE(canvas.DisplayList().lines.empty());
    image = canvas.grab().toImage();
    EXPECT_EQ(image.pixelColor(150, 100), QColor(Qt::white));
}

TEST(PlotCanvas, PaintsAnArcCounterclockwiseFromItsStartToItsEnd) {
    PlotCanvas canvas;
    canvas.resize(300, 300);
    canvas.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&canvas));
    canvas.Clear();
    PlotSurface& surface = canvas.Surface();
    surface.SetDrawWidth(4);
    surface.SetForeColor(QColor(255, 0, 0));
    const float cx = static_cast<float>(Screen::PixelsToTwipsX(150));
    const float cy = static_cast<float>(Screen::PixelsToTwipsY(150));
    const float r = static_cast<float>(Screen::PixelsToTwipsX(100));
    // The upper half only: from +x through straight up to -x.
    surface.Arc(cx, cy, r, 0.0f, 3.14159265f);
    // From 315 degrees on through 0 to 45: the right-hand quarter.
    surface.Arc(cx, cy, r / 2, 5.49778714f, 0.78539816f);
    ASSERT_EQ(canvas.DisplayList().arcs.size(), 2u);
    EXPECT_EQ(canvas.DisplayList().arcs[0].color, QColor(255, 0, 0));
    QImage image = canvas.grab().toImage();
    EXPECT_EQ(image.pixelColor(150, 50), QColor(255, 0, 0));  // top of the big arc
    EXPECT_EQ(image.pixelColor(150, 250), QColor(Qt::white)); // its bottom is not drawn
    EXPECT_EQ(image.pixelColor(200, 150), QColor(255, 0, 0)); // the small arc's +x point
    EXPECT_EQ(image.pixelColor(100, 150), QColor(Qt::white)); // its -x point is not drawn

    canvas.Clear();
    EXPECT_TRUE(canvas.DisplayList().arcs.empty());
}

TEST(TwipsPrinter, RecordsArcsWithThePenOfTheMoment) {
    TwipsPrinter printer(metrics);
    printer.SetDrawWidth(3);
    printer.Arc(1000, 2000, 500, 0.5f, 1.5f);
    const PrintedPage& page = printer.Document().pages.at(0);
    ASSERT_EQ(page.arcs.size(), 1u);
    EXPECT_EQ(page.arcs[0].cx, 1000);
    EXPECT_EQ(page.arcs[0].radius, 500);
    EXPECT_EQ(page.arcs[0].endAngle, 1.5f);
    EXPECT_EQ(page.arcs[0].width, 3);
}

} // namespace
