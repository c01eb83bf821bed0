#include "ProjectFixture.h"
#include "ReportPageChecks.h"
#include "hydrology/FrmUSGSRegression.h"
#include "hydrology/FrmVoskRunoffChart.h"
#include "hydrology/frmUSGSMavo1987.h"
#include "inlets/FrmDropInletDesign.h"
#include "inlets/FrmTaperedInletDesign.h"
#include "outlet_protection/CulvertInputBlock.h"
#include "outlet_protection/frmNEPlungeBasin.h"
#include "outlet_protection/frmNEScourDesignPlot.h"
#include "platform/FlexGrid.h"
#include "platform/PlotCanvas.h"
#include "platform/Printers.h"
#include "platform/ReportJob.h"
#include "platform/TwipsPrinterFixedMetrics.h"
#include "riprap_basin/frmHec14RipRap.h"
#include "standard_designs/FrmVSHAStandardDesigns.h"
#include "tailwater/FrmTailwaterQDepth.h"
#include "tailwater/QDepthComputation.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include <initializer_list>
#include <utility>

namespace {

using namespace ReportPageChecks;

const QString ExampleProject = TW_EXAMPLE_PROJECT;

// A text that shows a number. The scour hole section's slope labels "3:1"
// stand on their slopes by design.
bool ShowsANumber(const QString& text) {
    return text != "3:1" &&
           std::any_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

void Type(std::initializer_list<std::pair<QLineEdit*, const char*>> boxes) {
    for (const auto& [box, text] : boxes) {
        box->setText(text);
    }
}

// The example project with the largest values the windows take typed into
// them, one window (or one road through several) at a time.
class LargestNumbers : public ProjectFileTest {
protected:
    void SetUp() override {
        ProjectFileTest::SetUp();
        Open(ExampleProject);
        windows->tailwaterCrossSection->CmdPlotXSection_Click();
        windows->tailwaterRatingCurve->CmdComputeRatingsCurve_Click();
        ASSERT_TRUE(user.MessageTexts().empty());
    }

    void ExpectEveryNumberWholeAndClear(const char* scene) {
        ExpectEveryPrintedNumberWholeAndClear(scene);
        ExpectEveryShownNumberWhole(scene);
    }

    // Every number on screen in full: in its label, box or grid cell, and on
    // the plots' pictures.
    void ExpectEveryShownNumberWhole(const char* scene) {
        const auto& w = *windows;
        const QWidget* tools[] = {w.genDesign,
                                  w.voskRunoffChart,
                                  w.usgsRegression,
                                  w.usgsMavo1987,
                                  w.tailwaterQDepth,
                                  w.tailwaterCrossSection,
                                  w.tailwaterRatingCurve,
                                  w.standardDesigns,
                                  w.taperedInlet,
                                  w.dropInlet,
                                  w.scourHole,
                                  w.scourHolePlot,
                                  w.plungeBasin,
                                  w.riprapBasin};
        for (const QWidget* tool : tools) {
            SCOPED_TRACE(std::string(scene) + ", " + tool->metaObject()->className());
            for (const QLabel* label : tool->findChildren<QLabel*>()) {
                if (label->isVisibleTo(tool) && ShowsANumber(label->text())) {
                    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()),
                              label->contentsRect().width())
                        << "label \"" << label->text().toStdString() << "\"";
                }
            }
            for (const QLineEdit* box : tool->findChildren<QLineEdit*>()) {
                if (box->isVisibleTo(tool) && ShowsANumber(box->text())) {
                    // The frame and the box's own margin of 2 either side.
                    const int frame = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
                    EXPECT_LE(box->fontMetrics().horizontalAdvance(box->text()) + 2 * frame + 4,
                              box->width())
                        << "box \"" << box->text().toStdString() << "\"";
                }
            }
            for (const FlexGrid* grid : tool->findChildren<FlexGrid*>()) {
                if (!grid->isVisibleTo(tool)) {
                    continue;
                }
                for (int r = 1; r < grid->Rows(); ++r) {
                    for (int c = 0; c < grid->Cols(); ++c) {
                        const QString text = grid->TextMatrix(r, c);
                        if (ShowsANumber(text) && !grid->isColumnHidden(c)) {
                            EXPECT_LE(grid->fontMetrics().horizontalAdvance(text),
                                      grid->columnWidth(c))
                                << "cell " << r << ", " << c << " \"" << text.toStdString() << "\"";
                        }
                    }
                }
            }
            for (const PlotCanvas* canvas : tool->findChildren<PlotCanvas*>()) {
                // The ink of each text in pixels, as the picture shows it.
                const double twipsPerPixel = 1440.0 / canvas->logicalDpiX();
                auto boxOf = [&](const PrintedText& text) {
                    const QFontMetrics font = canvas->fontMetrics();
                    const QRect ink = font.tightBoundingRect(text.text);
                    const auto x = static_cast<float>(text.x / twipsPerPixel);
                    const auto baseline = static_cast<float>(text.y / twipsPerPixel) +
                                          static_cast<float>(font.ascent());
                    return Box{x + static_cast<float>(ink.left()),
                               baseline + static_cast<float>(ink.top()),
                               x + static_cast<float>(ink.right()),
                               baseline + static_cast<float>(ink.bottom())};
                };
                const auto& texts = canvas->DisplayList().texts;
                for (const PrintedText& text : texts) {
                    if (!ShowsANumber(text.text)) {
                        continue;
                    }
                    const Box box = boxOf(text);
                    EXPECT_TRUE(box.left >= 0 && box.right <= static_cast<float>(canvas->width()))
                        << "plot label " << Describe(text) << " beyond the picture";
                    for (const PrintedText& other : texts) {
                        EXPECT_TRUE(&other == &text || !Overlap(box, boxOf(other)))
                            << "plot label " << Describe(text) << " over " << Describe(other);
                    }
                }
            }
        }
    }

    // Every number of every report on its page, clear of the other texts and
    // of every rule.
    void ExpectEveryPrintedNumberWholeAndClear(const char* scene) {
        KeepPdfs(scene);
        FixedPrinterMetrics metrics;
        for (const auto& [name, print] : EveryReport(*windows)) {
            SCOPED_TRACE(std::string(scene) + ", " + name);
            TwipsPrinter printer(metrics);
            print(printer);
            EXPECT_EQ(TextFaults(printer.Document(), metrics, ShowsANumber, 0),
                      std::vector<std::string>{});
        }
    }

    // With TARNWELL_SAMPLE_DIR set, every report of the scene goes to a PDF
    // file there too, for a look with the printer's own fonts.
    void KeepPdfs(const char* scene) {
        if (!qEnvironmentVariableIsSet("TARNWELL_SAMPLE_DIR")) {
            return;
        }
        const QDir dir(qEnvironmentVariable("TARNWELL_SAMPLE_DIR"));
        Printers::System none;
        Printers::SetSystemForTests(&none);
        for (const auto& [name, print] : EveryReport(*windows)) {
            user.fileNames.push_back(dir.filePath(QString("%1 - %2.pdf").arg(scene, name)));
            PrintReport(name, print, ErrorStyle::Titled);
        }
        Printers::SetSystemForTests(nullptr);
    }

    void Click(QPushButton* button) {
        user.shown.clear();
        button->click();
        EXPECT_TRUE(user.MessageTexts().empty()) << user.MessageTexts()[0].toStdString();
    }
};

TEST_F(LargestNumbers, Hydrology) {
    auto& w = *windows;
    Type({{w.voskRunoffChart->Txt_VRC_DA, "12,800"}});
    Click(w.voskRunoffChart->Cmd_VRC_ComputeQ);
    Type({{w.usgsRegression->TxtDA[0], "1e6"},
          {w.usgsRegression->TxtDA[1], "1e6"},
          {w.usgsRegression->TxtDA[2], "1e6"},
          {w.usgsRegression->TxtWSChar[0], "1e6"},
          {w.usgsRegression->TxtWSChar[1], "1e6"}});
    Click(w.usgsRegression->CmdUSGSComputeQ);
    Type({{w.usgsMavo1987->TxtDA[0], "1,000,000"}});
    Click(w.usgsMavo1987->cmdComputeQs);
    EXPECT_TRUE(user.MessageTexts().empty());
    ExpectEveryNumberWholeAndClear("hydrology");
}

// A million ft^3/s in every design grid of the Q - Depth window, their
// tailwater in the example channel.
TEST_F(LargestNumbers, DesignDischargeTailwater) {
    auto& w = *windows;
    for (int grid = 0; grid < QDepthContents::NumDesignGrids; ++grid) {
        w.tailwaterQDepth->SetDesignCell(static_cast<QDepthContents::DesignGrid>(grid), 1, 1,
                                         "1,000,000");
    }
    Click(w.tailwaterQDepth->CmdComputeVRCUSGSTW);
    ExpectEveryNumberWholeAndClear("design discharge tailwater");
}

// The example channel at the steepest slope and the smallest n: a rating
// curve up to some 1.4E12 ft^3/s, its axis to 2E12.
TEST_F(LargestNumbers, SteepestChannel) {
    auto& w = *windows;
    Type({{w.tailwaterCrossSection->TxtChannelSlope, "1,000,000"}});
    for (int point : {1, 5, 9}) {
        w.tailwaterCrossSection->SetPointCell(point, 3, "0.000001");
    }
    Click(w.tailwaterRatingCurve->CmdComputeRatingsCurve);
    w.tailwaterQDepth->SelectMode(QDepthComputation::GivenQ);
    w.tailwaterQDepth->SetQElevCell(1, 0, "1,000,000");
    Click(w.tailwaterQDepth->CmdComputeElevQ);
    ExpectEveryNumberWholeAndClear("steepest channel");
}

TEST_F(LargestNumbers, ChannelOfAMillion) {
    auto& w = *windows;
    FrmTailWaterCrossSection& channel = *w.tailwaterCrossSection;
    const char* points[][3] = {{"-1,000,000", "1,000,000", "0.04"},
                               {"-500,000", "0", ""},
                               {"0", "-1,000,000", ""},
                               {"500,000", "0", "0.06"},
                               {"1,000,000", "1,000,000", ""}};
    for (int r = 0; r < 12; ++r) {
        for (int c = 0; c < 3; ++c) {
            channel.SetPointCell(r + 1, c + 1, r < 5 ? points[r][c] : "");
        }
    }
    Type({{channel.TxtChannelSlope, "0.000001"},
          {channel.TxtLeftOBStation, "-500,000"},
          {channel.TxtRightOBStation, "500,000"}});
    Click(channel.CmdPlotXSection);
    ExpectEveryNumberWholeAndClear("channel of a million");
}

TEST_F(LargestNumbers, CulvertDesign) {
    auto& w = *windows;
    w.genDesign->SetDesignCell(1, 3, "999,999");
    Click(w.genDesign->CmdComputeAllResults);
    ExpectEveryNumberWholeAndClear("culvert design");
}

// A barrel a million feet long from an inlet a million feet up to an outlet
// a million down, at a million ft^3/s.
TEST_F(LargestNumbers, LongAndSteepCulvert) {
    auto& w = *windows;
    FrmGenDesign& gen = *w.genDesign;
    gen.SetDesignCell(1, 3, "1,000,000");
    Type({{gen.TxtCulvertBarrelLength, "1,000,000"},
          {gen.TxtInletInvertElevation, "1,000,000"},
          {gen.TxtOutletInvertElevation, "-1,000,000"},
          {gen.TxtAllowableHeadWaterElevation, "1,000,000"}});
    Click(gen.CmdComputeAllResults);
    ExpectEveryNumberWholeAndClear("long and steep culvert");
}

TEST_F(LargestNumbers, Inlets) {
    auto& w = *windows;
    Type({{w.standardDesigns->txtTotalQ, "1e6"},
          {w.standardDesigns->TxtHMin, "-1e6"},
          {w.standardDesigns->TxtHMax, "1e6"},
          {w.standardDesigns->txtInletInvertElev, "1e6"}});
    Click(w.standardDesigns->CmdCompute);
    Type({{w.taperedInlet->TxtQAuto, "1e6"},
          {w.taperedInlet->TxtHMinAuto, "-1e6"},
          {w.taperedInlet->TxtHMaxAuto, "1e6"}});
    Click(w.taperedInlet->CmdComputeAuto);
    Type({{w.dropInlet->TxtDP[DropInletContents::DesignQ], "1,000,000"},
          {w.dropInlet->TxtDP[DropInletContents::AllowableHWElev], "1,000,000"}});
    Click(w.dropInlet->CmdComputeBarrels);
    ExpectEveryNumberWholeAndClear("inlets");
}

// The scour hole's D50 grows as Q^(4/3) / TW: at a million ft^3/s over a
// tailwater of 0.000001 ft below a 0.1 ft span it is 2.69E13 ft.
TEST_F(LargestNumbers, ScourHole) {
    auto& w = *windows;
    Type({{w.scourHole->txtDesignQ[0], "1,000,000"},
          {w.scourHole->txtTailwaterDepth[0], "0.000001"},
          {w.scourHole->txtNEScourHoleCulvertDiam[0], "0.1"}});
    Click(w.scourHole->cmdCompute);
    Click(w.scourHole->cmdPlotDesign[0]);
    ExpectEveryNumberWholeAndClear("scour hole");
}

// The basins refuse velocities and Froude numbers beyond their tables, so
// their largest numbers are elevations and lengths.
TEST_F(LargestNumbers, Basins) {
    auto& w = *windows;
    for (CulvertInputBlock* culvert : {w.plungeBasin->Frame2, w.riprapBasin->Frame2}) {
        Type({{culvert->TxtInletInvertElevation, "1,000,000"},
              {culvert->TxtOutletInvertElevation, "999,999"},
              {culvert->TxtCulvertBarrelLength, "1,000,000"}});
    }
    Type({{w.riprapBasin->txtChannelBottomElevation, "999,999"}});
    Click(w.plungeBasin->cmdCompute);
    Click(w.riprapBasin->cmdCompute);
    ExpectEveryNumberWholeAndClear("basins");
}

} // namespace
