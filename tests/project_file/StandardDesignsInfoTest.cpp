#include "GoldenFiles.h"
#include "ProjectFixture.h"
#include "standard_designs/FrmVSHAStandardDesigns.h"

#include <QCheckBox>
#include <QPushButton>

namespace {

using StandardDesignsInfo = ProjectFileTest;

// Every control of the standard designs window that the project file carries,
// selection and red rows included, one line each.
QStringList Controls(const FrmVSHAStandardDesigns& w) {
    QStringList lines;
    for (const QLineEdit* box : {w.txtTotalQ, w.TxtHMax, w.TxtHMin, w.txtInletInvertElev}) {
        lines << "box [" + box->text() + "]";
    }
    lines << QString("multiple barrels %1").arg(w.ChkIncludeMultipleBarrels->isChecked());
    for (int g = 1; g <= StandardDesignTables::NumGrids; ++g) {
        const FlexGrid& grid = *w.Grid(g);
        lines << QString("grid %1 rows %2").arg(g).arg(grid.Rows());
        for (int r = 1; r < grid.Rows(); ++r) {
            QString line = QString("grid %1 row %2:").arg(g).arg(r);
            for (int c = 0; c < grid.Cols(); ++c) {
                const bool red = grid.CellForeColor(r, c) == QColor(255, 0, 0);
                line += " |" + grid.TextMatrix(r, c) + (red ? " (red)" : "");
            }
            lines << line;
        }
    }
    int grid = -1;
    int row = -1;
    w.GetDesignSelectInfo(grid, row);
    lines << QString("selected %1, %2").arg(grid).arg(row);
    return lines;
}

} // namespace

TEST_F(StandardDesignsInfo, SaveNewOpenRestoresTheListedDesignsAndTheSelection) {
    FrmVSHAStandardDesigns& w = *windows->standardDesigns;
    w.txtTotalQ->setText(" 150 ");
    w.TxtHMin->setText("-1");
    w.TxtHMax->setText("2");
    w.txtInletInvertElev->setText("100");
    w.ChkIncludeMultipleBarrels->setChecked(true);
    w.CmdCompute->click();
    ASSERT_TRUE(user.MessageTexts().empty());
    ASSERT_GT(w.GrdStandardRCBox->Rows(), 5); // the shipped boxes fill more than four rows
    emit w.GrdStandardRCBox->cellClicked(w.GrdStandardRCBox->Rows() - 1, 0);
    QStringList before = Controls(w);

    SaveAs(Path("designs.twl"));
    New();
    ASSERT_NE(Controls(w), before);
    Open(Path("designs.twl"));

    // Texts come back trimmed; the grids as they were shown, nothing recomputed.
    before.replaceInStrings("box [ 150 ]", "box [150]");
    EXPECT_EQ(Controls(w).join("\n").toStdString(), before.join("\n").toStdString());
    EXPECT_TRUE(user.MessageTexts().empty());

    // Typed after the Compute, which it clears: the file keeps what the box
    // shows, with two apostrophes for a double quote.
    w.txtInletInvertElev->setText("100 \"approx\"");
    SaveAs(Path("quoted.twl"));
    New();
    Open(Path("quoted.twl"));
    EXPECT_EQ(w.txtInletInvertElev->text(), "100 ''approx''");
    EXPECT_EQ(w.GrdStandardRCBox->Rows(), 5);
    EXPECT_TRUE(user.MessageTexts().empty());
}

TEST_F(StandardDesignsInfo, ASelectionThatNamesNoRowIsDroppedAndReported) {
    const std::string header = "\"TARNWELLSOFTWAREVSHACHS\"\r\n\"ENGLISHUNITS\"\r\n"
                               "\"VERSION\",\"2.00\"\r\n";
    const std::string marker = "\"VSHASTANDARDDESIGNINFO2379\",";
    FrmVSHAStandardDesigns& w = *windows->standardDesigns;
    // A row below the grid's last could be one that a later record grows the
    // grid to; when none does, the selection is what a save would not write.
    const QString outside = "A selected design outside its grid";
    const QString unsaved = "A value that a save would not write back";
    for (const auto& [pair, named] :
         std::vector<std::pair<const char*, QString>>{{"3,-1", outside},
                                                      {"-3,1", outside},
                                                      {"6,1", outside},
                                                      {"1,10000", outside},
                                                      {"1,5", unsaved},
                                                      {"0,1", outside}}) {
        SCOPED_TRACE(pair);
        WriteBytes(Path("odd.twl"), header + marker + "4,1,1,\"Single\"\r\n" + marker + "10," +
                                        pair + "\r\n\"END_OF_FILE\"\r\n");
        user.shown.clear();
        Open(Path("odd.twl"));
        ASSERT_EQ(user.MessageTexts().size(), 1u);
        EXPECT_TRUE(user.MessageTexts()[0].contains(
            "\n" + named + " (line 5, section VSHASTANDARDDESIGNINFO2379, item 10)\n"))
            << user.MessageTexts()[0].toStdString();
        int grid = -1;
        int row = -1;
        w.GetDesignSelectInfo(grid, row);
        EXPECT_EQ(grid, 0);
        EXPECT_EQ(row, 0);
        EXPECT_EQ(w.GrdStaConcPipe->TextMatrix(1, 1), "Single");
        EXPECT_EQ(w.GrdStaConcPipe->TextMatrix(1, 0), "");
    }
    // A pair that names a row read earlier in the file selects it.
    WriteBytes(Path("odd.twl"),
               header + marker + "4,7,1,\"Twin\"\r\n" + marker + "10,1,7\r\n\"END_OF_FILE\"\r\n");
    user.shown.clear();
    Open(Path("odd.twl"));
    EXPECT_TRUE(user.MessageTexts().empty());
    EXPECT_EQ(w.GrdStaConcPipe->Rows(), 8);
    EXPECT_EQ(w.GrdStaConcPipe->TextMatrix(7, 0), ">>");
}
