#include "KeyboardInput.h"
#include "ProgramFixture.h"
#include "app/modGridEdit.h"
#include "hydrology/FrmUSGSRegression.h"
#include "hydrology/frmUSGSMavo1987.h"
#include "main/TailwaterWiring.h"
#include "platform/FlexGrid.h"
#include "platform/HelpPages.h"
#include "platform/Numbers.h"
#include "platform/Printers.h"
#include "tailwater/FrmTailWaterCrossSection.h"
#include "tailwater/FrmTailwaterQDepth.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Rows = std::vector<std::vector<std::string>>;

// The Q-depth window in the whole program, over the trapezoid channel of the
// tailwater window tests: a bottom 20 ft wide at 100 ft, sides of 2 horizontal
// to 1 vertical up to 105 ft, n 0.03, slope 0.001. Worked by hand there and in
// the Q-depth computation tests: Q 50 has a depth of 1.2975 ft; a depth of
// 1 ft carries 32.0987 ft^3/s, one of 2.5 ft 155.6361 ft^3/s.
class QDepthProgram : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        qDepth = windows->tailwaterQDepth;
    }

    void TypeTrapezoid(const char* slope) {
        const char* points[4][3] = {
            {"0", "105", "0.03"}, {"10", "100", ""}, {"30", "100", ""}, {"40", "105", ""}};
        for (int r = 0; r < 4; ++r) {
            for (int c = 0; c < 3; ++c) {
                windows->tailwaterCrossSection->SetPointCell(r + 1, c + 1, points[r][c]);
            }
        }
        windows->tailwaterCrossSection->SetInputText(FrmTailWaterCrossSection::Input::ChannelSlope,
                                                     slope);
    }

    Rows QElevRows(int count) const {
        const QDepthContents contents = qDepth->Contents();
        Rows rows;
        for (int r = 0; r < count; ++r) {
            const auto& cells = contents.qElev[static_cast<size_t>(r)];
            rows.emplace_back(cells.begin(), cells.end());
        }
        return rows;
    }

    FrmTailwaterQDepth* qDepth = nullptr;
};

TEST_F(QDepthProgram, TheMenuShowsTheWindowWithItsHelpPage) {
    main->mnuTailwaterQDepth->trigger();
    EXPECT_EQ(main->MdiArea().activeSubWindow(), qDepth->Frame());
    EXPECT_TRUE(QFileInfo::exists(HelpPages::Path(TailwaterWiring::QDepthHelpPage)));
    qDepth->GrdQElevCalc->setFocus();
    QTest::keyClick(qDepth->GrdQElevCalc, Qt::Key_F1);
    EXPECT_EQ(HelpPages::ShownPage(), HelpPages::Path(TailwaterWiring::QDepthHelpPage));
    EXPECT_TRUE(qDepth->OptQElevCalc[0]->isChecked());
    EXPECT_TRUE(qDepth->CmdComputeElevQ->isEnabled());
    EXPECT_TRUE(qDepth->CmdComputeVRCUSGSTW->isEnabled());
}

// Each mode is typed into its column, computed, and keeps its input as typed.
TEST_F(QDepthProgram, EachModeFillsTheOtherTwoColumns) {
    TypeTrapezoid("0.001");
    const struct {
        int mode;
        int column;
        const char* typed;
        std::vector<std::string> expected;
    } cases[] = {{0, 0, "50", {"50", "1.30", "101.30"}},
                 {1, 1, "1", {"32.10", "1", "101.00"}},
                 {2, 2, "102.5", {"155.64", "2.50", "102.5"}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        qDepth->ClearQElevCalcGrid();
        qDepth->OptQElevCalc[c.mode]->click();
        qDepth->SetQElevCell(1, c.column, c.typed);
        qDepth->CmdComputeElevQ->click();
        EXPECT_TRUE(user.MessageTexts().empty());
        EXPECT_EQ(QElevRows(2), (Rows{c.expected, {"", "", ""}}));
    }
}

// The hydrology window's Compute hands its discharges over; Compute Tailwater
// gives every return period its depth and elevation, the elevation being the
// channel bottom plus the depth, deeper for a larger discharge.
TEST_F(QDepthProgram, ComputeTailwaterFillsEveryReturnPeriodAfterAHydrologyCompute) {
    TypeTrapezoid("0.001");
    windows->usgsRegression->TxtDA[0]->setText("10");
    windows->usgsRegression->CmdUSGSComputeQ->click();
    qDepth->CmdComputeVRCUSGSTW->click();
    EXPECT_TRUE(user.MessageTexts().empty());
    const QDepthContents contents = qDepth->Contents();
    const auto& rows = contents.design[QDepthContents::Yuld2001];
    ASSERT_EQ(rows.size(), 8u);
    double previousDepth = 0;
    for (const auto& row : rows) {
        SCOPED_TRACE(row[0]);
        ASSERT_TRUE(Numbers::IsNumeric(row[1]));
        ASSERT_TRUE(Numbers::IsNumeric(row[2]));
        const double depth = Numbers::ToDouble(row[2]);
        EXPECT_GT(depth, previousDepth);
        EXPECT_EQ(row[3], Numbers::Format(100 + depth, "###,###,##0.00"));
        previousDepth = depth;
    }
    // The grids without discharges stay empty.
    EXPECT_EQ(contents.design[QDepthContents::RunoffChart][0][2], "");
}

TEST_F(QDepthProgram, ABadDischargeIsNamedAndLeavesItsGridAndTheLaterOnes) {
    TypeTrapezoid("0.001");
    qDepth->SetDesignCell(QDepthContents::RunoffChart, 1, 1, "50");
    qDepth->SetDesignCell(QDepthContents::Yuld2001, 2, 1, "lots");
    qDepth->SetDesignCell(QDepthContents::Yuld2001, 1, 1, "50");
    qDepth->SetDesignCell(QDepthContents::Mavo1987, 1, 1, "50");
    qDepth->CmdComputeVRCUSGSTW->click();
    EXPECT_EQ(user.MessageTexts(),
              std::vector<QString>{"Value in row 2, column 2 can not be evaluated as a number, "
                                   "please re-enter."});
    const QDepthContents contents = qDepth->Contents();
    EXPECT_EQ(contents.design[QDepthContents::RunoffChart][0][2], "1.30");
    EXPECT_EQ(contents.design[QDepthContents::Yuld2001][0][2], "");
    EXPECT_EQ(contents.design[QDepthContents::Mavo1987][0][2], "");
}

// The whole column is read before any row is computed, and a refused column
// leaves no results of its rows.
TEST_F(QDepthProgram, TextInTheInputColumnWritesNothing) {
    TypeTrapezoid("0.001");
    const char* typed[] = {"50", "100", "150", "200", "1.2.3"};
    for (int r = 0; r < 5; ++r) {
        qDepth->SetQElevCell(r + 1, 0, typed[r]);
    }
    qDepth->SetQElevCell(4, 1, "old");
    qDepth->CmdComputeElevQ->click();
    EXPECT_EQ(user.MessageTexts(),
              std::vector<QString>{"Value in row 5, column 1 can not be evaluated as a number, "
                                   "please re-enter."});
    EXPECT_EQ(
        QElevRows(5),
        (Rows{
            {"50", "", ""}, {"100", "", ""}, {"150", "", ""}, {"200", "", ""}, {"1.2.3", "", ""}}));
}

TEST_F(QDepthProgram, ADischargeBeyondTheBoundIsNamedBeforeAnyDepthIsComputed) {
    TypeTrapezoid("0.001");
    qDepth->SetDesignCell(QDepthContents::RunoffChart, 1, 1, "50");
    qDepth->SetDesignCell(QDepthContents::RunoffChart, 3, 1, "1E+308");
    qDepth->SetDesignCell(QDepthContents::Mavo1987, 6, 1, "1E+308");
    qDepth->CmdComputeVRCUSGSTW->click();
    EXPECT_EQ(user.MessageTexts(),
              std::vector<QString>{"Value in row 3, column 2 of the Vosk Runoff Chart grid is too "
                                   "large, please re-enter."});
    const QDepthContents contents = qDepth->Contents();
    EXPECT_EQ(contents.design[QDepthContents::RunoffChart][0][2], "");
    EXPECT_EQ(contents.design[QDepthContents::Mavo1987][5][3], "");
}

TEST_F(QDepthProgram, AChannelFaultShowsTheChannelWindowAndClearsTheResults) {
    TypeTrapezoid("");
    qDepth->StartUp();
    qDepth->SetQElevCell(1, 0, "50");
    qDepth->SetQElevCell(1, 1, "old");
    qDepth->CmdComputeElevQ->click();
    EXPECT_EQ(user.MessageTexts(),
              std::vector<QString>{"You must enter a value for Channel Slope."});
    EXPECT_EQ(main->MdiArea().activeSubWindow(), windows->tailwaterCrossSection->Frame());
    // Nothing computed from a channel stands beside a refused one.
    EXPECT_EQ(QElevRows(1), (Rows{{"50", "", ""}}));
}

// Delete never empties a return period, and a discharge it empties takes its
// depth and elevation along; the design grids take no paste.
TEST_F(QDepthProgram, DeleteInADesignGridKeepsTheReturnPeriods) {
    FlexGrid& grid = *qDepth->grdMavo87TWCalc;
    for (int r = 1; r <= 3; ++r) {
        for (int c = 1; c <= 3; ++c) {
            grid.SetTextMatrix(r, c, "1");
        }
    }
    grid.SetSelection(2, 0, 3, 0);
    qDepth->DesignGrid_KeyDown(grid, Qt::Key_Delete, Qt::NoModifier);
    EXPECT_EQ(qDepth->Contents().design[QDepthContents::Mavo1987][1],
              (QDepthContents::DesignRow{"5", "", "", ""}));
    grid.SetSelection(1, 0, 1, 3);
    qDepth->DesignGrid_KeyDown(grid, Qt::Key_Delete, Qt::NoModifier);
    EXPECT_EQ(qDepth->Contents().design[QDepthContents::Mavo1987][0],
              (QDepthContents::DesignRow{"2", "", "", ""}));
    EXPECT_EQ(qDepth->Contents().design[QDepthContents::Mavo1987][2],
              (QDepthContents::DesignRow{"10", "", "", ""}));
}

// A paste puts its pieces in the columns they line up with; only the
// mode's input column takes them. The design grids take no paste.
TEST_F(QDepthProgram, TheQElevationGridTakesAPasteInItsInputColumnAndTheDesignGridsNone) {
    qDepth->OptQElevCalc[1]->click();
    QGuiApplication::clipboard()->setText("10\t1.5\r\n20\t2.5\r\n30\t3.5\r\n");
    qDepth->GrdQElevCalc->SetSelection(1, 0, 3, 1);
    qDepth->GrdQElevCalc_KeyDown(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(QElevRows(4),
              (Rows{{"", "1.5", ""}, {"", "2.5", ""}, {"", "3.5", ""}, {"", "", ""}}));
    qDepth->GrdVRCTailWaterCalc->SetSelection(1, 1, 3, 2);
    qDepth->DesignGrid_KeyDown(*qDepth->GrdVRCTailWaterCalc, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(qDepth->Contents().design[QDepthContents::RunoffChart][0],
              (QDepthContents::DesignRow{"2", "", "", ""}));
}

// "Given Depth" after a computed "Given Q" keeps the row, and Compute then
// works from its depth. By hand, depth 1.30 ft: area 1.30 x (20 + 2 x 1.30) =
// 29.38 ft^2, wetted perimeter 20 + 2 x 1.30 x sqrt(5) = 25.814 ft, hydraulic
// radius 1.13815 ft, Q = 1.486 / 0.03 x 29.38 x 1.13815^(2/3) x sqrt(0.001) =
// 50.167 ft^3/s; the elevation 101.30 ft gives the same.
TEST_F(QDepthProgram, AnotherModeKeepsTheRowAndComputesFromItsNewInput) {
    TypeTrapezoid("0.001");
    qDepth->SetQElevCell(1, 0, "50");
    qDepth->CmdComputeElevQ->click();
    ASSERT_EQ(QElevRows(1), (Rows{{"50", "1.30", "101.30"}}));
    qDepth->OptQElevCalc[1]->click();
    EXPECT_EQ(QElevRows(1), (Rows{{"50", "1.30", "101.30"}}));
    qDepth->CmdComputeElevQ->click();
    EXPECT_EQ(QElevRows(1), (Rows{{"50.17", "1.30", "101.30"}}));
    qDepth->OptQElevCalc[2]->click();
    qDepth->CmdComputeElevQ->click();
    EXPECT_EQ(QElevRows(1), (Rows{{"50.17", "1.30", "101.30"}}));
    EXPECT_TRUE(user.MessageTexts().empty());

    // Delete over the whole row empties the input, and its results go with it.
    qDepth->GrdQElevCalc->SetSelection(1, 0, 1, 2);
    qDepth->GrdQElevCalc_KeyDown(Qt::Key_Delete, Qt::NoModifier);
    EXPECT_EQ(QElevRows(1), (Rows{{"", "", ""}}));
}

// After another mode, Tab takes the cursor to the new input column, where the
// typing goes and Compute works from it. By hand, depth 3.1 ft: area 3.1 x
// (20 + 2 x 3.1) = 81.22 ft^2, wetted perimeter 20 + 2 x 3.1 x sqrt(5) =
// 33.864 ft, hydraulic radius 2.39844 ft, Q = 1.486 / 0.03 x 81.22 x
// 2.39844^(2/3) x sqrt(0.001) = 227.95 ft^3/s at elevation 103.10 ft.
TEST_F(QDepthProgram, AfterAnotherModeTabAndTypingGoToItsInputColumn) {
    TypeTrapezoid("0.001");
    main->mnuTailwaterQDepth->trigger();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    FlexGrid* grid = qDepth->GrdQElevCalc;
    auto tabIntoGrid = [this, grid] {
        qDepth->CmdComputeElevQ->setFocus();
        KeyboardInput::Press(Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), grid);
    };
    tabIntoGrid();
    EXPECT_EQ(grid->currentIndex(), grid->model()->index(1, 0));

    qDepth->OptQElevCalc[0]->setFocus();
    KeyboardInput::Press(Qt::Key_Down);
    ASSERT_TRUE(qDepth->OptQElevCalc[1]->isChecked());
    tabIntoGrid();
    EXPECT_EQ(grid->currentIndex(), grid->model()->index(1, 1));
    KeyboardInput::Type("3.1");
    KeyboardInput::CommitCell();
    qDepth->CmdComputeElevQ->setFocus();
    KeyboardInput::Press(Qt::Key_Return);
    EXPECT_TRUE(user.MessageTexts().empty());
    EXPECT_EQ(QElevRows(2), (Rows{{"227.95", "3.1", "103.10"}, {"", "", ""}}));
}

// Insert Rows and Delete Selected Rows never show for these grids.
TEST_F(QDepthProgram, TheRightButtonOffersCopyAndOnTheQElevationGridPaste) {
    for (FlexGrid* grid : {qDepth->GrdQElevCalc, qDepth->GrdUSGSTailWaterCalc}) {
        emit grid->RightButtonUp(QPoint(10, 10));
        EXPECT_EQ(modGridEdit::EditGrid, grid);
        EXPECT_FALSE(modGridEdit::RowNumberColumn);
        EXPECT_TRUE(main->mnuEditCopy->isVisible());
        EXPECT_EQ(main->mnuEditPaste->isVisible(), grid == qDepth->GrdQElevCalc);
        EXPECT_FALSE(main->mnuEditInsertRows->isVisible());
        EXPECT_FALSE(main->mnuEditDeleteRows->isVisible());
        main->mnuEdit->hide();
    }
}

TEST_F(QDepthProgram, FileNewSelectsTheFirstModeAndEmptiesTheGrids) {
    qDepth->SelectMode(2);
    qDepth->SetQElevCell(10, 2, "101");
    qDepth->SetDesignCell(QDepthContents::Yuld2001, 8, 3, "101");
    StartUpMod::ClearAllProjectData();
    const QDepthContents contents = qDepth->Contents();
    EXPECT_EQ(contents.mode, 0);
    EXPECT_EQ(contents.qElev[9][2], "");
    EXPECT_EQ(contents.design[QDepthContents::Yuld2001][7],
              (QDepthContents::DesignRow{"500", "", "", ""}));
}

// Computed windows through the Print button into PDF files for a look: two
// discharges in one grid on one page; every grid full on two pages, the last
// table going on to the second. Set TARNWELL_SAMPLE_DIR to keep them there.
TEST_F(QDepthProgram, PrintSendsTheReportToThePdfFile) {
    Printers::System none; // the PDF file is current
    Printers::SetSystemForTests(&none);
    QTemporaryDir scratch;
    const QString dir = qEnvironmentVariableIsSet("TARNWELL_SAMPLE_DIR")
                            ? qEnvironmentVariable("TARNWELL_SAMPLE_DIR")
                            : scratch.path();
    TypeTrapezoid("0.001");
    const struct {
        const char* file;
        bool full;
        int pages;
    } cases[] = {{"tarnwell-q-depth.pdf", false, 1}, {"tarnwell-q-depth-full.pdf", true, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        windows->usgsRegression->TxtDA[0]->setText("10");
        windows->usgsRegression->CmdUSGSComputeQ->click();
        qDepth->SetQElevCell(1, 0, "50");
        qDepth->SetQElevCell(3, 0, "1,250");
        if (c.full) {
            windows->usgsMavo1987->TxtDA[0]->setText("10");
            windows->usgsMavo1987->cmdComputeQs->click();
            for (int r = 1; r < qDepth->QElevGridRows(); ++r) {
                qDepth->SetDesignCell(QDepthContents::RunoffChart, std::min(r, 7), 1,
                                      std::to_string(100 * r));
                qDepth->SetQElevCell(r, 0, std::to_string(25 * r));
            }
        }
        qDepth->CmdComputeElevQ->click();
        qDepth->CmdComputeVRCUSGSTW->click();
        ASSERT_TRUE(user.MessageTexts().empty());

        const QString path = QDir(dir).filePath(c.file);
        user.fileNames.push_back(path);
        ASSERT_TRUE(qDepth->CmdSendToPrinter->isEnabled());
        qDepth->CmdSendToPrinter->click();
        EXPECT_TRUE(user.MessageTexts().empty());
        QFile pdf(path);
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
        const QByteArray content = pdf.readAll();
        EXPECT_TRUE(content.startsWith("%PDF-"));
        EXPECT_EQ(content.count("/Type /Page\n"), c.pages);
    }
    Printers::SetSystemForTests(nullptr);
}

// A file that cannot be written ends the job with nothing sent, and says so.
TEST_F(QDepthProgram, AFailedPrintSendsNothingAndSaysSo) {
    Printers::System none;
    Printers::SetSystemForTests(&none);
    QTemporaryDir dir;
    const QString path = dir.filePath("missing folder/report.pdf");
    user.fileNames.push_back(path);
    qDepth->CmdSendToPrinter->click();
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].title, "ERROR");
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    Printers::SetSystemForTests(nullptr);
}

} // namespace
