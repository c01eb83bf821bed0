#include "ProgramFixture.h"
#include "outlet_protection/UCNEScourDesignPlot.h"
#include "outlet_protection/frmNEScourDesignPlot.h"
#include "outlet_protection/frmScourHoleDesign.h"
#include "platform/PlotCanvas.h"
#include "platform/Printers.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>

#include <functional>

// The scour hole tools as the user reaches them: the Erosion menu, Compute,
// a design's plot, and both printouts through the PDF file. Set
// TARNWELL_SAMPLE_DIR to keep the PDF files there for a look.
class ScourHoleProgram : public ProgramTest {
protected:
    void SetUp() override {
        Printers::SetSystemForTests(&none);
        ProgramTest::SetUp();
        scour = windows->scourHole;
        plot = windows->scourHolePlot;
        ASSERT_TRUE(scour && plot);
        dir = qEnvironmentVariableIsSet("TARNWELL_SAMPLE_DIR")
                  ? qEnvironmentVariable("TARNWELL_SAMPLE_DIR")
                  : scratch.path();
    }
    void TearDown() override {
        ProgramTest::TearDown();
        Printers::SetSystemForTests(nullptr);
    }

    void ComputeSpanThree() {
        main->mnuErosionScourHole->trigger();
        scour->txtDesignQ[0]->setText("180");
        scour->txtTailwaterDepth[0]->setText("2");
        scour->txtNEScourHoleCulvertDiam[0]->setText("3");
        scour->cmdCompute->click();
    }

    static int Pages(const QString& path) {
        QFile pdf(path);
        if (!pdf.open(QIODevice::ReadOnly)) {
            return -1;
        }
        return static_cast<int>(pdf.readAll().count("/Type /Page\n"));
    }

    Printers::System none;
    QTemporaryDir scratch;
    QString dir;
    frmScourHoleDesign* scour = nullptr;
    frmNEScourDesignPlot* plot = nullptr;
};

TEST_F(ScourHoleProgram, TheMenuOpensTheWindowAndNothingOpensThePlot) {
    EXPECT_TRUE(main->mnuErosionScourHole->isEnabled());
    EXPECT_FALSE(scour->Frame()->isVisible());
    main->mnuErosionScourHole->trigger();
    EXPECT_TRUE(scour->Frame()->isVisible());
    EXPECT_EQ(scour->Frame()->windowTitle(), "NE Scour Hole Design");
    EXPECT_FALSE(plot->isVisible());
    EXPECT_TRUE(scour->CmdComputeTWDepths->isEnabled());
    EXPECT_TRUE(scour->CmdSendToPrinter->isEnabled());
}

TEST_F(ScourHoleProgram, ComputePlotAndPrintBothToPdf) {
    ComputeSpanThree();
    ASSERT_TRUE(user.shown.empty());

    scour->cmdPlotDesign[1]->click();
    ASSERT_TRUE(plot->isVisible());
    EXPECT_TRUE(plot->isWindow());
    const ScourHolePlotDesign& shown = plot->UCNEScourDesignPlot1->Properties();
    EXPECT_EQ(shown.DepressType, 2);
    EXPECT_EQ(shown.BDim, 24);
    EXPECT_EQ(shown.DDim, 1.93);
    EXPECT_EQ(plot->UCNEScourDesignPlot1->Plot->DisplayList().lines.size(), 90u);

    const QString report = QDir(dir).filePath("tarnwell-ne-scour-hole.pdf");
    const QString drawing = QDir(dir).filePath("tarnwell-ne-scour-plot.pdf");
    QFile::remove(report);
    QFile::remove(drawing);
    user.fileNames.push_back(report);
    scour->CmdSendToPrinter->click();
    user.fileNames.push_back(drawing);
    plot->cmdPrintThePlot->click();
    EXPECT_TRUE(user.shown.empty());
    EXPECT_EQ(Pages(report), 1);
    EXPECT_EQ(Pages(drawing), 1);
}

// Once the results a plot came from are gone, the plot window shows no
// design and prints none, until Plot Design is pressed on new results.
TEST_F(ScourHoleProgram, APlotGoesWithTheResultsItWasDrawnFrom) {
    const QString project = QDir(scratch.path()).filePath("scour.twl");
    const struct {
        const char* name;
        std::function<void()> clear;
    } cases[] = {
        {"an edit", [&] { scour->txtNEScourHoleCulvertDiam[0]->setText("4"); }},
        {"Compute", [&] { scour->cmdCompute->click(); }},
        {"File New",
         [&] {
             user.answers.push_back(true);
             main->mnuNew->trigger();
         }},
        {"File Open",
         [&] {
             user.fileNames.push_back(project);
             main->mnuFileOpen->trigger();
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ComputeSpanThree();
        user.fileNames.push_back(project);
        main->mnuFileSaveAs->trigger();
        scour->cmdPlotDesign[0]->click();
        ASSERT_FALSE(plot->UCNEScourDesignPlot1->Plot->DisplayList().lines.empty());
        ASSERT_TRUE(user.shown.empty());

        c.clear();
        EXPECT_TRUE(plot->UCNEScourDesignPlot1->Plot->DisplayList().lines.empty());
        EXPECT_TRUE(plot->UCNEScourDesignPlot1->Plot->DisplayList().texts.empty());
        user.fileNames.push_back(QDir(dir).filePath("never.pdf"));
        plot->cmdPrintThePlot->click();
        EXPECT_EQ(user.MessageTexts(),
                  std::vector<QString>{"No design to plot: B, C and E must all be > 0."});
        EXPECT_EQ(user.fileNames.size(), 1u); // no printer was asked for
        user.fileNames.clear();
        user.shown.clear();
    }
    // The opened project's results plot again.
    EXPECT_FALSE(scour->lblADim[0]->text().isEmpty());
    scour->cmdPlotDesign[0]->click();
    EXPECT_FALSE(plot->UCNEScourDesignPlot1->Plot->DisplayList().lines.empty());
    EXPECT_TRUE(user.shown.empty());
}

TEST_F(ScourHoleProgram, AFailedPrintSendsNothing) {
    ComputeSpanThree();
    const QString nowhere = QDir(scratch.path()).filePath("no such folder/report.pdf");
    user.fileNames.push_back(nowhere);
    scour->CmdSendToPrinter->click();
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].title, "ERROR");
    EXPECT_FALSE(QFile::exists(nowhere));

    // A plot without a design asks for no file at all.
    user.shown.clear();
    scour->ClearAllData();
    scour->cmdPlotDesign[0]->click();
    plot->cmdPrintThePlot->click();
    EXPECT_EQ(user.MessageTexts(),
              std::vector<QString>({"No design to plot: B, C and E must all be > 0.",
                                    "No design to plot: B, C and E must all be > 0."}));
    EXPECT_TRUE(user.fileNames.empty());
}
