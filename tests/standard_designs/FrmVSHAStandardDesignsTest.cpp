#include "StandardDesignsWindowFixture.h"

#include "platform/ErrorReport.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>

#include <climits>
#include <fstream>
#include <sstream>

using namespace StandardDesignTables;

namespace {

const QColor Red(255, 0, 0);

QStringList Row(const FlexGrid& grid, int row) {
    QStringList cells;
    for (int col = 0; col < grid.Cols(); ++col) {
        cells << grid.TextMatrix(row, col);
    }
    return cells;
}

bool RowIsRed(const FlexGrid& grid, int row) {
    for (int col = 1; col < grid.Cols(); ++col) {
        if (grid.CellForeColor(row, col) != Red) {
            return false;
        }
    }
    return true;
}

bool AnyRed(const FlexGrid& grid) {
    for (int row = 1; row < grid.Rows(); ++row) {
        for (int col = 0; col < grid.Cols(); ++col) {
            if (grid.CellForeColor(row, col) == Red) {
                return true;
            }
        }
    }
    return false;
}

std::string FileText(const QString& path) {
    std::ifstream file(path.toStdString(), std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

} // namespace

TEST_F(StandardDesignsWindow, StartsWithFiveEmptyGridsUnderTheirHeadings) {
    EXPECT_EQ(window->Frame()->windowTitle(), "VSHA Standard Designs");
    const int columns[] = {7, 7, 8, 8, 8};
    for (int g = 1; g <= NumGrids; ++g) {
        SCOPED_TRACE(g);
        const FlexGrid& grid = *window->Grid(g);
        EXPECT_EQ(grid.Rows(), 5);
        EXPECT_EQ(grid.Cols(), columns[g - 1]);
        EXPECT_EQ(grid.FixedCols(), 0);
        EXPECT_EQ(grid.TextMatrix(0, 0), " \r\nSelected\r\nDesign");
        EXPECT_EQ(grid.TextMatrix(0, 1), "Number\r\nof\r\nBarrels");
        EXPECT_EQ(window->GridCaptions[static_cast<size_t>(g - 1)]->text(), TableOf(g).caption);
    }
    EXPECT_EQ(window->GrdStaConcPipe->TextMatrix(0, 4), " \r\n\r\nHWi/D");
    EXPECT_EQ(window->GrdStaCorrMetalPipe->TextMatrix(0, 4), "\r\n\r\nHWi/D");
    EXPECT_EQ(window->GrdStandardRCBox->TextMatrix(0, 3), " \r\nHeight\r\n(feet)");
    EXPECT_EQ(window->GrdRCArchPipe->TextMatrix(0, 7), "HWi\r\nElev.\r\n(feet)");
    EXPECT_EQ(window->GridCaptions[SteelPipeArch - 1]->text(),
              "Steel Pipe Arch (2-2/3\" by 1/2\" corrugations)");
    EXPECT_FALSE(window->CmdSendToPrinter->isEnabled());
}

TEST_F(StandardDesignsWindow, ComputeListsEachFamilyInItsGrid) {
    Type("54", "0", "0.5", "100", true);
    window->CmdCompute->click();
    EXPECT_TRUE(user.shown.empty());
    EXPECT_EQ(Row(*window->GrdStandardRCBox, 1),
              QStringList({"", "Single", "6", "4", "0.50", "1.13", "4.50", "104.50"}));
    EXPECT_EQ(Row(*window->GrdStaConcPipe, 1),
              QStringList({"", "Twin", "48", "0.30", "1.07", "4.30", "104.30"}));
    for (int g : {CorrMetalPipe, RCArchPipe, SteelPipeArch}) {
        EXPECT_EQ(Cell(g, 1, 1), "None");
        EXPECT_EQ(Cell(g, 1, 2), "");
    }
    for (int g = 1; g <= NumGrids; ++g) {
        EXPECT_EQ(window->Grid(g)->Rows(), 5);
        EXPECT_EQ(Cell(g, 2, 1), "");
    }

    // Four barrels and more: five boxes listed, the four-barrel one by its count.
    Type("54", "-3", "0.5", "100", true);
    window->CmdCompute->click();
    EXPECT_EQ(window->GrdStandardRCBox->Rows(), 6);
    EXPECT_EQ(Row(*window->GrdStandardRCBox, 4),
              QStringList({"", "4", "6", "4", "-2.88", "0.28", "1.13", "101.13"}));
    EXPECT_EQ(Cell(RCBox, 5, 1), "Single");
}

TEST_F(StandardDesignsWindow, ABlankInvertIsShownAsZeroAndTheElevationsEqualTheHeads) {
    Type("54", "0", "0.5", "  ");
    window->CmdCompute->click();
    EXPECT_EQ(window->txtInletInvertElev->text(), "0.00");
    EXPECT_EQ(Cell(RCBox, 1, 6), "4.50");
    EXPECT_EQ(Cell(RCBox, 1, 7), "4.50");
}

TEST_F(StandardDesignsWindow, RefusedInputEmptiesTheResultsOfTheLastCompute) {
    Type("54", "0", "0.5");
    window->CmdCompute->click();
    Click(RCBox, 1, 0);
    ASSERT_EQ(Cell(RCBox, 1, 1), "Single");

    window->TxtHMax->setText("0");
    window->CmdCompute->click();
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].text, "H-Max must be greater than H-Min.");
    EXPECT_EQ(user.shown[0].title, Dialogs::ApplicationTitle);
    int grid = -1;
    int row = -1;
    window->GetDesignSelectInfo(grid, row);
    EXPECT_EQ(grid, 0);
    EXPECT_EQ(row, 0);
    for (int g = 1; g <= NumGrids; ++g) {
        EXPECT_EQ(window->Grid(g)->Rows(), 5);
        for (int r = 1; r < 5; ++r) {
            EXPECT_EQ(Row(*window->Grid(g), r).join(""), "");
        }
        EXPECT_FALSE(AnyRed(*window->Grid(g)));
    }
    // Nothing typed is lost.
    EXPECT_EQ(window->txtTotalQ->text(), "54");
}

TEST_F(StandardDesignsWindow, AComputationErrorIsReportedAndLeavesNoHalfResults) {
    // The metal pipes are computed last: a barrel count of 0 there would leave
    // the four other families written if the grids were filled family by family.
    window.reset();
    sizes.reset();
    sizes = std::make_unique<StandardSizesFixture>(
        "INSERT INTO VSHAStandardCorrMetalPipeSizes VALUES (1072, 72, 0);");
    window = std::make_unique<FrmVSHAStandardDesigns>(area);
    window->Initialize();
    Type("54", "0", "0.5");
    window->CmdCompute->click();
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].text, "Division by zero, 11");
    EXPECT_EQ(user.shown[0].title, "ERROR");
    for (int g = 1; g <= NumGrids; ++g) {
        EXPECT_EQ(Cell(g, 1, 1), "");
    }
}

TEST_F(StandardDesignsWindow, AHugeDischargeIsRefusedByNameNotAnInfiniteHead) {
    Type("1e200", "0", "0.5");
    window->CmdCompute->click();
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].text, "The value entered for Q is too large. Please re-enter.");
    EXPECT_EQ(Cell(ConcretePipe, 1, 1), "");
}

TEST_F(StandardDesignsWindow, OneDesignIsSelectedAcrossTheFiveGrids) {
    Type("54", "-3", "0.5", "100", true);
    window->CmdCompute->click();
    const FlexGrid& boxes = *window->GrdStandardRCBox;
    const FlexGrid& pipes = *window->GrdStaConcPipe;
    auto selection = [this] {
        int grid = -1;
        int row = -1;
        window->GetDesignSelectInfo(grid, row);
        return std::pair(grid, row);
    };
    EXPECT_EQ(selection(), std::pair(0, 0));

    Click(RCBox, 2, 0);
    EXPECT_EQ(selection(), std::pair(3, 2));
    EXPECT_EQ(boxes.TextMatrix(2, 0), ">>");
    EXPECT_TRUE(RowIsRed(boxes, 2));
    EXPECT_NE(boxes.CellForeColor(2, 0), Red);
    EXPECT_FALSE(RowIsRed(boxes, 1));

    // Another column of the row changes nothing.
    Click(RCBox, 1, 1);
    Click(RCBox, 1, 7);
    EXPECT_EQ(selection(), std::pair(3, 2));

    // Another grid takes the selection over.
    Click(ConcretePipe, 1, 0);
    EXPECT_EQ(selection(), std::pair(1, 1));
    EXPECT_EQ(boxes.TextMatrix(2, 0), "");
    EXPECT_FALSE(AnyRed(boxes));
    EXPECT_EQ(pipes.TextMatrix(1, 0), ">>");
    EXPECT_TRUE(RowIsRed(pipes, 1));

    // The same cell again deselects.
    Click(ConcretePipe, 1, 0);
    EXPECT_EQ(selection(), std::pair(0, 0));
    EXPECT_EQ(pipes.TextMatrix(1, 0), "");
    EXPECT_FALSE(AnyRed(pipes));

    // A blank row below the designs and the "None" row are rows like any other.
    Click(ConcretePipe, 4, 0);
    EXPECT_EQ(selection(), std::pair(1, 4));
    Click(SteelPipeArch, 1, 0);
    EXPECT_EQ(selection(), std::pair(5, 1));
    EXPECT_EQ(window->GrdSteelPipeArch->TextMatrix(1, 0), ">>");
    EXPECT_EQ(pipes.TextMatrix(4, 0), "");

    // A new Compute forgets the selection.
    window->CmdCompute->click();
    EXPECT_EQ(selection(), std::pair(0, 0));
    EXPECT_EQ(window->GrdSteelPipeArch->TextMatrix(1, 0), "");
}

TEST_F(StandardDesignsWindow, SelectionPairsThatNameNoRowSelectNothing) {
    Type("54", "0", "0.5");
    window->CmdCompute->click();
    const std::pair<int, int> pairs[] = {{3, 7}, {3, 5}, {3, -2}, {-1, 1},
                                         {0, 2}, {6, 1}, {2, 0},  {INT_MIN, INT_MIN}};
    for (auto [grid, row] : pairs) {
        SCOPED_TRACE(std::to_string(grid) + ", " + std::to_string(row));
        window->SetDesignSelect(3, 1);
        window->SetDesignSelect(grid, row);
        int selectedGrid = -1;
        int selectedRow = -1;
        window->GetDesignSelectInfo(selectedGrid, selectedRow);
        EXPECT_EQ(selectedGrid, 0);
        EXPECT_EQ(selectedRow, 0);
        EXPECT_EQ(Cell(RCBox, 1, 0), "");
        EXPECT_FALSE(AnyRed(*window->GrdStandardRCBox));
    }
    EXPECT_TRUE(user.shown.empty());
    // The last data row is still a row.
    window->SetDesignSelect(3, 4);
    EXPECT_EQ(Cell(RCBox, 4, 0), ">>");
}

TEST_F(StandardDesignsWindow, ClearAllDataEmptiesEveryInputAndGrid) {
    Type("54", "-3", "0.5", "100", true);
    window->CmdCompute->click();
    Click(RCBox, 1, 0);
    window->ClearAllData();
    const StandardDesignsContents contents = window->Contents();
    EXPECT_EQ(contents.totalQ + contents.hMin + contents.hMax + contents.inletInvertElev, "");
    EXPECT_FALSE(contents.includeMultipleBarrels);
    EXPECT_EQ(contents.selectedGrid, 0);
    for (const auto& grid : contents.grids) {
        ASSERT_EQ(grid.size(), 4u);
        for (const auto& row : grid) {
            for (const std::string& cell : row) {
                EXPECT_EQ(cell, "");
            }
        }
    }
    EXPECT_FALSE(AnyRed(*window->GrdStandardRCBox));
}

TEST_F(StandardDesignsWindow, ExportWritesTheChosenFileAndReportsWhatFails) {
    QTemporaryDir dir;
    const QString path = dir.filePath("results.txt");
    // A fresh window gives the empty export of the golden file; a name typed
    // without extension gets the text file's.
    user.fileNames = {"  " + dir.filePath("results") + " "};
    window->cmdExport->click();
    EXPECT_TRUE(user.shown.empty());
    EXPECT_EQ(FileText(path), FileText(QString(TW_EXPORT_GOLDEN_DIR) + "/export_empty.txt"));

    // A cancelled dialog writes nothing.
    QFile::remove(path);
    user.fileNames = {std::nullopt};
    window->cmdExport->click();
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(user.shown.empty());

    // A folder that does not exist: reported without a title, no file left behind.
    user.fileNames = {dir.filePath("missing/results.txt")};
    window->cmdExport->click();
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].title, Dialogs::ApplicationTitle);
    EXPECT_TRUE(user.shown[0].text.endsWith(", 75")) << user.shown[0].text.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList());
}

TEST_F(StandardDesignsWindow, PrintRunsTheReportOnceItIsSet) {
    int printed = 0;
    window->SetPrintReport([&printed] { ++printed; });
    ASSERT_TRUE(window->CmdSendToPrinter->isEnabled());
    window->CmdSendToPrinter->click();
    EXPECT_EQ(printed, 1);
}
