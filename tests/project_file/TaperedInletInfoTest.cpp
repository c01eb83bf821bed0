#include "CatalogueFixture.h"
#include "GoldenFiles.h"
#include "ProjectFixture.h"
#include "inlets/FrmTaperedInletDesign.h"
#include "project_file/TaperedInletRecords.h"

#include <QCheckBox>
#include <QPushButton>

namespace {

class TaperedInletInfo : public ProjectFileTest {
protected:
    void SetUp() override {
        ProjectFileTest::SetUp();
        tapered = windows->taperedInlet;
        ASSERT_NE(tapered, nullptr);
    }

    // Every control the section carries, one line each.
    QStringList Controls() const {
        QStringList lines;
        for (const QLineEdit* box :
             {tapered->TxtQAuto, tapered->TxtHMaxAuto, tapered->TxtHMinAuto}) {
            lines << "box [" + box->text() + "]";
        }
        lines << QString("multiple %1").arg(tapered->ChkIncludeMultipleBarrels->isChecked());
        lines << QString("selected %1").arg(tapered->GetDesignSelectRow());
        const FlexGrid& grid = *tapered->GrdAutoResults;
        for (int r = 1; r < grid.Rows(); ++r) {
            QString line = QString("row %1:").arg(r);
            for (int c = 0; c < grid.Cols(); ++c) {
                const bool red = grid.CellForeColor(r, c) == QColor(255, 0, 0);
                line += " |" + grid.TextMatrix(r, c) + (red ? " (red)" : "");
            }
            lines << line;
        }
        return lines;
    }

    FrmTaperedInletDesign* tapered = nullptr;
};

} // namespace

TEST_F(TaperedInletInfo, ASearchWithItsSelectionRoundTripsWithoutComputing) {
    tapered->TxtQAuto->setText("300");
    tapered->TxtHMaxAuto->setText(" 2.5 ");
    tapered->TxtHMinAuto->setText("-2");
    tapered->ChkIncludeMultipleBarrels->setChecked(true);
    tapered->CmdComputeAuto->click();
    ASSERT_TRUE(user.shown.empty());
    ASSERT_GT(tapered->GrdAutoResults->Rows(), 5);
    tapered->SetDesignSelectRow(2);
    QStringList before = Controls();

    SaveAs(Path("tapered.twl"));
    New();
    ASSERT_NE(Controls(), before);
    // The catalogue is not read again on opening: the results come from the file.
    CatalogueFixture empty("CREATE TABLE StoredQueries (Name TEXT PRIMARY KEY, Sql TEXT);");
    Open(Path("tapered.twl"));
    EXPECT_TRUE(user.MessageTexts().empty());
    before.replaceInStrings("box [ 2.5 ]", "box [2.5]");
    EXPECT_EQ(Controls().join("\n").toStdString(), before.join("\n").toStdString());
}

TEST_F(TaperedInletInfo, TheSmallGoldenFileOpensIntoTheWindow) {
    WriteBytes(Path("small.twl"), ReadGolden("tapered_inlet_small.twl"));
    Open(Path("small.twl"));
    EXPECT_TRUE(user.MessageTexts().empty());
    EXPECT_EQ(tapered->TxtHMaxAuto->text(), "2.5 ''ft''");
    EXPECT_TRUE(tapered->ChkIncludeMultipleBarrels->isChecked());
    EXPECT_EQ(tapered->GetDesignSelectRow(), 1);
    EXPECT_EQ(tapered->GrdAutoResults->TextMatrix(1, 0), ">>");
    EXPECT_EQ(tapered->GrdAutoResults->CellForeColor(1, 10), QColor(255, 0, 0));
    EXPECT_EQ(tapered->GrdAutoResults->Rows(), 6);
    EXPECT_EQ(tapered->GrdAutoResults->TextMatrix(4, 4), "-1.31");
}

TEST_F(TaperedInletInfo, ResultRowsUpToTheGridsLimitAreReadAndBeyondItIgnored) {
    const std::string marker = "\"TAPEREDINLETDESIGNINFO98384\",";
    const int last = TaperedInletRecords::MaxResultRow;
    struct Case {
        int row;
        int rows; // the grid's rows after reading
    };
    // One empty row stays below the row read; 9,999 would need a grid of
    // 10,001 rows, one more than a grid holds.
    for (const Case& c : {Case{12, 14}, Case{last, FlexGrid::MaxRows}, Case{last + 1, 5}}) {
        SCOPED_TRACE(c.row);
        user.shown.clear();
        WriteBytes(Path("rows.twl"),
                   ProjectFile(marker + "4," + std::to_string(c.row) + ",1,\"Twin\"\r\n" + marker +
                               "5," + std::to_string(c.row) + "\r\n"));
        Open(Path("rows.twl"));
        // A row beyond the limit loses its cell and its selection.
        EXPECT_EQ(user.MessageTexts().size(), c.rows > 5 ? 0u : 1u);
        ASSERT_EQ(tapered->GrdAutoResults->Rows(), c.rows);
        if (c.rows > 5) {
            EXPECT_EQ(tapered->GrdAutoResults->TextMatrix(c.row, 1), "Twin");
            EXPECT_EQ(tapered->GetDesignSelectRow(), c.row);
        } else {
            EXPECT_EQ(tapered->GetDesignSelectRow(), 0);
        }
    }
}
