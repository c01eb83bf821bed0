#include "GoldenFiles.h"
#include "ProjectFixture.h"
#include "inlets/FrmDropInletDesign.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace {

class DropInletInfo : public ProjectFileTest {
protected:
    void SetUp() override {
        ProjectFileTest::SetUp();
        drop = windows->dropInlet;
        ASSERT_TRUE(drop);
    }

    // Every control of the window that the project file carries, one line each.
    QStringList Controls() const {
        QStringList lines;
        for (const QLineEdit* box : drop->TxtDP) {
            lines << "input [" + box->text() + "]";
        }
        lines << "multiple " + QString::number(drop->ChkIncludeMultipleBarrels->isChecked());
        lines << "barrel length [" + drop->LblBarrelWeirLength->text() + "]";
        lines << "weir length [" + drop->LblWeirWeirLengthCalc->text() + "]";
        for (const QRadioButton* option : drop->OptWeirCalc) {
            lines << "option " + QString::number(option->isChecked());
        }
        for (const FlexGrid* grid : {drop->GrdRCB, drop->GrdRCP, drop->GrdWeirCalc}) {
            lines << "rows " + QString::number(grid->Rows());
            for (int r = 1; r < grid->Rows(); ++r) {
                QString line;
                for (int c = 0; c < grid->Cols(); ++c) {
                    const bool red = grid->CellForeColor(r, c) == QColor(255, 0, 0);
                    line += " |" + grid->TextMatrix(r, c) + (red ? " (red)" : "");
                }
                lines << line;
            }
        }
        int grid = 0;
        int row = 0;
        drop->GetBarrelDesignSelect(grid, row);
        lines << QString("selected %1 %2, weir %3")
                     .arg(grid)
                     .arg(row)
                     .arg(drop->GetWeirDesignSelect());
        return lines;
    }

    FrmDropInletDesign* drop = nullptr;
};

} // namespace

TEST_F(DropInletInfo, SaveNewOpenRestoresInputsGridsSelectionsAndCaptions) {
    const char* inputs[] = {"150", "108", " 105 ", "120", "98", "1.5", "100"};
    for (size_t i = 0; i < drop->TxtDP.size(); ++i) {
        drop->TxtDP[i]->setText(inputs[i]);
    }
    drop->ChkIncludeMultipleBarrels->setChecked(true);
    drop->CmdComputeBarrels->click();
    drop->OptWeirCalc[0]->setChecked(true);
    drop->GrdWeirCalc->SetTextMatrix(2, 1, "4");
    drop->GrdWeirCalc->SetTextMatrix(4, 1, "20");
    drop->CmdWeirClac->click();
    ASSERT_TRUE(user.shown.empty()) << user.shown[0].text.toStdString();
    ASSERT_NE(drop->GrdRCB->TextMatrix(2, 1), "");
    drop->SetBarrelDesignSelect(1, 2);
    drop->SetWeirDesignSelectRow(4);
    const QStringList before = Controls();

    SaveAs(Path("drop.twl"));
    New();
    ASSERT_NE(Controls(), before);
    Open(Path("drop.twl"));
    QStringList expected = before;
    expected.replaceInStrings("input [ 105 ]", "input [105]"); // texts come back trimmed
    EXPECT_EQ(Controls().join("\n").toStdString(), expected.join("\n").toStdString());
    EXPECT_TRUE(user.MessageTexts().empty());
}

TEST_F(DropInletInfo, AReadSelectionOfARowTheGridDoesNotHaveSelectsNothing) {
    const std::string marker = "\"DROPINLETDESIGNINFO837321\",";
    const std::string records = marker + "1,7,1,\"Twin\"\r\n" + marker + "3,12,1,\"8\"\r\n" +
                                marker + "6,2,7\r\n" + marker + "7,10\r\n" + marker +
                                "9,\" 1''5 \"\r\n";
    WriteBytes(Path("selections.twl"), ProjectFile(records));
    Open(Path("selections.twl"));
    // The weir cell and the barrel selection, which no record grows its grid
    // to, are named; the rest opens.
    ASSERT_EQ(user.MessageTexts().size(), 1u);
    const QString message = user.MessageTexts()[0];
    EXPECT_TRUE(message.contains(
        " 2 of its records would be lost or changed by a save:\nA row or column outside its grid "
        "(line 5, section DROPINLETDESIGNINFO837321, item 3)\nA value that a save would not write "
        "back (line 6, section DROPINLETDESIGNINFO837321, item 6)\n\n"))
        << message.toStdString();
    EXPECT_EQ(drop->GrdRCB->Rows(), 8); // grown to take row 7
    EXPECT_EQ(drop->GrdRCB->TextMatrix(7, 1), "Twin");
    EXPECT_EQ(drop->GrdWeirCalc->Rows(), 11); // never grown
    int grid = -1;
    int row = -1;
    drop->GetBarrelDesignSelect(grid, row);
    EXPECT_EQ(std::pair(grid, row), std::pair(0, 0)); // the pipe grid has rows 1 to 4 only
    EXPECT_EQ(drop->GetWeirDesignSelect(), 10);
    EXPECT_EQ(drop->GrdWeirCalc->TextMatrix(10, 0), ">>");
    EXPECT_EQ(drop->LblBarrelWeirLength->text(), " 1''5 ");
}
