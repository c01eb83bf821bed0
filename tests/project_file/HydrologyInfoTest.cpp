#include "GoldenFiles.h"
#include "ProjectFixture.h"
#include "hydrology/FrmUSGSRegression.h"
#include "hydrology/FrmVoskRunoffChart.h"
#include "hydrology/VoskRunoffChart.h"
#include "hydrology/frmUSGSMavo1987.h"
#include "platform/Numbers.h"

#include <QLabel>
#include <QPushButton>

namespace {

QStringList GridLines(const FlexGrid& grid) {
    QStringList lines{"rows " + QString::number(grid.Rows())};
    for (int r = 1; r < grid.Rows(); ++r) {
        QStringList cells;
        for (int c = 0; c < grid.Cols(); ++c) {
            cells << grid.TextMatrix(r, c);
        }
        lines << cells.join('|');
    }
    return lines;
}

class HydrologyInfo : public ProjectFileTest {
protected:
    void SetUp() override {
        ProjectFileTest::SetUp();
        chart = windows->voskRunoffChart;
        regression = windows->usgsRegression;
        mavo = windows->usgsMavo1987;
    }

    // Every control of the three windows that the project file carries, and
    // what the runoff chart's reactions show (the factor, which boxes are shown).
    QStringList Controls() const {
        QStringList lines;
        lines << "chart DA [" + chart->Txt_VRC_DA->text() + "]";
        lines << "specify " + QString::number(chart->Opt_VRC_LUS[1]->isChecked()) + " select " +
                     QString::number(chart->Opt_VRC_LUS[0]->isChecked());
        lines << "lists " + QString::number(chart->Cmbo_VRC_LU->currentIndex()) + " " +
                     QString::number(chart->Cmbo_VRC_Slope->currentIndex()) + " LF [" +
                     chart->Lbl_VRC_LFSelect->text() + "]";
        lines << "typed shown " + QString::number(chart->Txt_VRC_UserLF->isVisibleTo(chart));
        lines << "description [" + chart->Txt_VRC_UserLUSDescript->text() + "] LF [" +
                     chart->Txt_VRC_UserLF->text() + "]";
        lines << "chart Q [" + chart->Lbl_VRC_ChartQValue->text() + "]";
        lines << GridLines(*chart->GrdVRCQs);
        for (const QLineEdit* box : regression->TxtDA) {
            lines << "2001 DA [" + box->text() + "]";
        }
        for (const QLineEdit* box : regression->TxtWSChar) {
            lines << "2001 WS [" + box->text() + "]";
        }
        lines << "2001 total [" + regression->LblTotalDA->text() + "]";
        lines << GridLines(*regression->GrdUSGSDesignQs);
        for (const QLineEdit* box : mavo->TxtDA) {
            lines << "1987 DA [" + box->text() + "]";
        }
        lines << "1987 total [" + mavo->lblTotalDA->text() + "]";
        lines << GridLines(*mavo->grdQs);
        return lines;
    }

    void ComputeAll() {
        user.shown.clear();
        const double area = (VoskRunoffChart::MinChartDA() + VoskRunoffChart::MaxChartDA()) / 2;
        chart->Txt_VRC_DA->setText(QString::fromStdString(" " + Numbers::GeneralText(area)));
        chart->Cmd_VRC_ComputeQ->click();
        regression->TxtDA[0]->setText("10");
        regression->TxtDA[2]->setText("5");
        regression->TxtWSChar[0]->setText("25.4");
        regression->CmdUSGSComputeQ->click();
        mavo->TxtDA[0]->setText("10");
        mavo->TxtDA[3]->setText(" 4 ");
        mavo->cmdComputeQs->click();
        ASSERT_TRUE(user.shown.empty()) << user.shown[0].text.toStdString();
        ASSERT_NE(chart->Lbl_VRC_ChartQValue->text(), "");
        ASSERT_NE(regression->GrdUSGSDesignQs->TextMatrix(1, 1), "");
        ASSERT_NE(mavo->grdQs->TextMatrix(1, 1), "");
    }

    // The fixture project with records of the hydrology sections put in
    // place of (after) its cleared ones.
    void OpenWithRecords(const std::string& records) {
        std::string file = ReadGolden("fixture_project.twl");
        file.insert(file.find("\"VSHASTANDARDDESIGNINFO2379\""), records);
        WriteBytes(Path("edited.twl"), file);
        Open(Path("edited.twl"));
    }

    FrmVoskRunoffChart* chart = nullptr;
    FrmUSGSRegression* regression = nullptr;
    frmUSGSMavo1987* mavo = nullptr;
};

const std::string Chart = "\"VOSKRUNOFFCHARTINFO328457\",";
const std::string Mavo = "\"[USGSMAVO1987DAQ]\",";

} // namespace

// Both ways of giving the factor: the listed classes (the last of each list)
// and the typed one with its description, each with computed results that
// the inputs' reactions would clear if they were read after them.
TEST_F(HydrologyInfo, SaveNewOpenRestoresInputsSelectionsAndResults) {
    for (const bool typed : {false, true}) {
        SCOPED_TRACE(typed ? "typed factor" : "listed classes");
        New();
        chart->SelectLandUse(chart->LandUseCount() - 1);
        chart->SelectSlope(chart->SlopeCount() - 1);
        chart->Txt_VRC_UserLUSDescript->setText("Orchard, 6\" grass");
        chart->Txt_VRC_UserLF->setText("0.45 ");
        if (typed) {
            chart->Opt_VRC_LUS[1]->click();
        }
        ComputeAll();
        QStringList before = Controls();

        SaveAs(Path("hydrology.twl"));
        New();
        ASSERT_NE(Controls(), before);
        Open(Path("hydrology.twl"));
        EXPECT_TRUE(user.MessageTexts().empty());
        // Texts come back trimmed, a double quote as two apostrophes.
        before.replaceInStrings("chart DA [ ", "chart DA [");
        before.replaceInStrings("[Orchard, 6\" grass] LF [0.45 ]",
                                "[Orchard, 6'' grass] LF [0.45]");
        before.replaceInStrings("1987 DA [ 4 ]", "1987 DA [4]");
        EXPECT_EQ(Controls().join("\n").toStdString(), before.join("\n").toStdString());
    }
}

// A drainage area holding a double quote used to end its field early and
// spoil the rest of the file; it now comes back with two apostrophes and
// every later section is read as saved.
TEST_F(HydrologyInfo, AQuoteInAUSGS1987BoxNoLongerSpoilsTheRestOfTheFile) {
    TypeFixtureProject();
    mavo->TxtDA[1]->setText("4\" (map)");
    mavo->lblTotalDA->setText("12, \"approx\"");
    SaveAs(Path("quote.twl"));
    const std::string saved = FileBytes(Path("quote.twl")).toStdString();
    EXPECT_NE(saved.find(Mavo + "0,2,\"4'' (map)\"\r\n"), std::string::npos);
    EXPECT_NE(saved.find(Mavo + "0,6,\"12, ''approx''\"\r\n"), std::string::npos);

    New();
    Open(Path("quote.twl"));
    EXPECT_TRUE(user.MessageTexts().empty());
    EXPECT_EQ(mavo->TxtDA[1]->text(), "4'' (map)");
    EXPECT_EQ(mavo->lblTotalDA->text(), "12, ''approx''");
    EXPECT_EQ(design->GrdAllResults->TextMatrix(2, 14), "Steep");
}

// A list position of -1 (or past the list) leaves the list as clearing left
// it: its first class selected, not without a selection. -1, the writer's
// mark for no selection, loses nothing; a position past the list does.
TEST_F(HydrologyInfo, AListPositionOutsideTheListLeavesTheFirstClassSelected) {
    chart->SelectLandUse(2);
    chart->SelectSlope(2);
    WriteBytes(Path("lists.twl"),
               ProjectFile(Chart + "3,-1\r\n" + Chart + "4," + std::to_string(chart->SlopeCount()) +
                           "\r\n" + Chart + "2,2\r\n"));
    EXPECT_TRUE(OpenAnsweringYes(Path("lists.twl")));
    ASSERT_EQ(user.MessageTexts().size(), 1u);
    EXPECT_TRUE(user.MessageTexts()[0].contains(
        " 2 of its records would be lost or changed by a save:\n"
        "A position outside its list (line 5, section VOSKRUNOFFCHARTINFO328457, item 4)\n"
        "An option outside its buttons (line 6, section VOSKRUNOFFCHARTINFO328457, item 2)\n\n"))
        << user.MessageTexts()[0].toStdString();
    EXPECT_EQ(chart->Cmbo_VRC_LU->currentIndex(), 0);
    EXPECT_EQ(chart->Cmbo_VRC_Slope->currentIndex(), 0);
    EXPECT_TRUE(chart->Opt_VRC_LUS[0]->isChecked());
    EXPECT_NE(chart->Lbl_VRC_LFSelect->text(), "");
}

// The results saved belong to the inputs saved with them: results put back
// before an input stay when the input is restored.
TEST_F(HydrologyInfo, ResultsReadBeforeAnInputStay) {
    WriteBytes(Path("results first.twl"),
               ProjectFile(Chart + "7,\"1,250\"\r\n" + Chart + "8,1,\"688\"\r\n" + Chart +
                           "3,1\r\n" + Chart + "8,2,\"900\"\r\n"));
    Open(Path("results first.twl"));
    EXPECT_TRUE(user.MessageTexts().empty());
    EXPECT_EQ(chart->Lbl_VRC_ChartQValue->text(), "1,250");
    EXPECT_EQ(chart->GrdVRCQs->TextMatrix(1, 2), "688");
    EXPECT_EQ(chart->GrdVRCQs->TextMatrix(2, 2), "900");
    EXPECT_EQ(chart->Cmbo_VRC_LU->currentIndex(), 1);
}

// A fault in a USGS 1987 record ends the whole read: what came before stays,
// the rest of the file is not read, and the user is told.
TEST_F(HydrologyInfo, AFaultInAUSGS1987RecordEndsTheRead) {
    const QString clearedManningN = design->TxtManningN->text();
    OpenWithRecords(Mavo + "0,1,\"10\"\r\n" + Mavo + "0,x,\"11\"\r\n" + Mavo + "0,2,\"12\"\r\n");
    ASSERT_EQ(user.MessageTexts().size(), 1u);
    EXPECT_TRUE(user.MessageTexts()[0].contains("could not be read completely"));
    EXPECT_EQ(mavo->TxtDA[0]->text(), "10");
    EXPECT_EQ(mavo->TxtDA[1]->text(), "");
    EXPECT_EQ(design->TxtManningN->text(), clearedManningN);
}
