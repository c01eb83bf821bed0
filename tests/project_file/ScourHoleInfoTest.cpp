#include "GoldenFiles.h"
#include "ProjectFixture.h"
#include "outlet_protection/frmScourHoleDesign.h"

#include <QLabel>
#include <QPushButton>

namespace {

class ScourHoleInfo : public ProjectFileTest {
protected:
    void SetUp() override {
        ProjectFileTest::SetUp();
        scour = windows->scourHole;
        ASSERT_NE(scour, nullptr);
    }

    // Every control the section carries, one line each.
    QStringList Controls() const {
        QStringList lines;
        for (int i = 0; i < 2; ++i) {
            QString line = QString("%1:").arg(i);
            for (const QLineEdit* box : {scour->txtDesignQ[i], scour->txtTailwaterDepth[i],
                                         scour->txtNEScourHoleCulvertDiam[i]}) {
                line += " [" + box->text() + "]";
            }
            for (const QLabel* label : {scour->lblADim[i], scour->lblCDim[i], scour->lblEDim[i],
                                        scour->lblFDim[i], scour->lblCalcD50[i], scour->lblCalcD[i],
                                        scour->lblRecD50[i], scour->lblRecD[i]}) {
                line += " |" + label->text();
            }
            lines << line;
        }
        return lines;
    }

    frmScourHoleDesign* scour = nullptr;
};

} // namespace

TEST_F(ScourHoleInfo, AComputedDesignRoundTripsWithItsCopiesAndNothingRecomputed) {
    scour->txtDesignQ[0]->setText(" 240 ");
    scour->txtTailwaterDepth[0]->setText("2");
    scour->txtNEScourHoleCulvertDiam[0]->setText("3");
    scour->cmdCompute->click();
    ASSERT_TRUE(user.shown.empty());
    const QStringList before = Controls();
    ASSERT_TRUE(
        before[0].startsWith("0: [ 240 ] [2] [3] |15 |18 |3 |1.5 |2.15 |4.31 |OUT OF RANGE"));
    ASSERT_TRUE(
        before[1].startsWith("1: [ 240 ] [2] [3] |24 |27 |3 |3 |1.41 |2.83 |Class B Riprap"));

    SaveAs(Path("scour.twl"));
    const QByteArray bytes = FileBytes(Path("scour.twl"));
    EXPECT_EQ(bytes.count("\"NESCOURHOLEINFO620\","), 22);
    EXPECT_TRUE(bytes.contains("\"NESCOURHOLEINFO620\",4,0,1,\"240\"\r\n"));
    EXPECT_TRUE(bytes.contains("\"NESCOURHOLEINFO620\",4,1,1,\"240\"\r\n"));
    New();
    EXPECT_EQ(Controls(),
              QStringList({"0: [] [] [] | | | | | | | |", "1: [] [] [] | | | | | | | |"}));
    Open(Path("scour.twl"));
    EXPECT_TRUE(user.MessageTexts().empty());
    QStringList expected = before;
    expected.replaceInStrings("[ 240 ]", "[240]");
    EXPECT_EQ(Controls().join("\n").toStdString(), expected.join("\n").toStdString());
}

TEST_F(ScourHoleInfo, TheSmallGoldenFileOpensIntoTheWindow) {
    WriteBytes(Path("small.twl"), ReadGolden("scour_hole_small.twl"));
    Open(Path("small.twl"));
    EXPECT_TRUE(user.MessageTexts().empty());
    EXPECT_EQ(Controls(),
              QStringList({"0: [180] [2] [3] |15 |18 |3 |1.5 |1.47 |2.94 |Class B Riprap |3.00",
                           "1: [1,200] [2] [3 ''ft''] |24 |27 |3 |3 |0.96 |1.93 |Class E Riprap "
                           "|2.00"}));
}
