#include "ProjectFixture.h"
#include "outlet_protection/CulvertInputBlock.h"
#include "platform/FlexGrid.h"
#include "platform/HelpPages.h"
#include "riprap_basin/frmHec14RipRap.h"

#include <QFile>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

namespace {

class RiprapBasinInfo : public ProjectFileTest {
protected:
    void SetUp() override {
        ProjectFileTest::SetUp();
        basin = windows->riprapBasin;
        ASSERT_NE(basin, nullptr);
    }

    CulvertInputBlock& Culvert() const { return *basin->Frame2; }

    // Twin 36 in. concrete pipes typed by the user with a typed Ke, computed;
    // the channel bottom box, which the computation does not read, typed after.
    void TypeAndCompute() {
        Culvert().OptBarrelSize[1]->click();
        Culvert().TxtUserSize[0]->setText("36");
        Culvert().CmboUserNumBarrels->setCurrentIndex(1);
        Culvert().TxtInletInvertElevation->setText("100");
        Culvert().TxtOutletInvertElevation->setText("99");
        Culvert().TxtCulvertBarrelLength->setText("100");
        Culvert().TxtKeInlet->setText("0.7");
        basin->txtDesignQ->setText("175");
        basin->txtTailwaterDepth->setText("1.5");
        basin->cmdCompute->click();
        ASSERT_TRUE(user.MessageTexts().empty()) << user.MessageTexts().front().toStdString();
        ASSERT_EQ(basin->txtW->text(), "12.0");
        basin->txtChannelBottomElevation->setText("98.5");
    }

    // Every control the file carries, and what its reactions show.
    QStringList Controls() const {
        QStringList lines;
        const CulvertInputBlock& c = Culvert();
        for (const QLineEdit* box :
             {c.TxtInletInvertElevation, c.TxtOutletInvertElevation, c.TxtCulvertBarrelLength,
              c.TxtManningN, c.TxtKeInlet, basin->txtChannelBottomElevation, basin->txtDesignQ,
              basin->txtTailwaterDepth, basin->txtd50, basin->txtW}) {
            lines << "box [" + box->text() + "]";
        }
        for (const QComboBox* list :
             {c.CmboCulvertType, c.CmboInletType, c.CmboVSHAStandardSize, c.CmboUserNumBarrels}) {
            lines << "list " + list->currentText();
        }
        for (size_t i = 0; i < c.TxtUserSize.size(); ++i) {
            lines << "user size [" + c.TxtUserSize[i]->text() + "]";
        }
        lines << QString("user size option %1").arg(c.OptBarrelSize[1]->isChecked());
        for (const QLabel* label : {basin->lblRecD50, basin->lblCalcD[1], basin->lblRecD[1],
                                    basin->lblCalcD[2], basin->lblRecD[2]}) {
            lines << "label [" + label->text() + "]";
        }
        for (int r = 0; r < basin->fgResults->Rows(); ++r) {
            lines << basin->fgResults->TextMatrix(r, 0) + " [" +
                         basin->fgResults->TextMatrix(r, 1) + "]";
        }
        return lines;
    }

    frmHec14RipRap* basin = nullptr;
};

} // namespace

TEST_F(RiprapBasinInfo, SaveNewOpenRestoresEveryControlWithoutComputing) {
    TypeAndCompute();
    QStringList before = Controls();
    SaveAs(Path("riprap.twl"));
    const QByteArray saved = FileBytes(Path("riprap.twl"));
    EXPECT_TRUE(saved.contains("\"HEC14RIPRAP857982\",6,\"98.5\"\r\n"));
    EXPECT_TRUE(saved.contains("\"HEC14RIPRAP857982\",23,\"12.0\"\r\n"));
    New();
    ASSERT_NE(Controls(), before);

    Open(Path("riprap.twl"));
    before.replace(4, "box [ 0.7]"); // Ke, read back with the window's blank
    EXPECT_EQ(Controls().join("\n").toStdString(), before.join("\n").toStdString());
    EXPECT_TRUE(user.MessageTexts().empty());
}

// A type the catalogue no longer holds is named, and the rest comes back.
TEST_F(RiprapBasinInfo, AnUnknownCulvertTypeIsNamedLeavesTheClearedChoiceAndRestoresTheRest) {
    TypeAndCompute();
    SaveAs(Path("riprap.twl"));
    QByteArray bytes = FileBytes(Path("riprap.twl"));
    const QByteArray type = "\"HEC14RIPRAP857982\",7," +
                            QByteArray::number(Culvert().CmboCulvertType->currentData().toInt()) +
                            ",";
    ASSERT_TRUE(bytes.contains(type));
    bytes.replace(type, "\"HEC14RIPRAP857982\",7,99,");
    WriteBytes(Path("retired type.twl"), bytes.toStdString());
    Culvert().CmboCulvertType->setCurrentIndex(1);
    EXPECT_TRUE(OpenAnsweringYes(Path("retired type.twl")));
    ASSERT_EQ(user.MessageTexts().size(), 1u);
    EXPECT_TRUE(user.MessageTexts()[0].contains(
        "A culvert type, inlet or standard size that the catalogue does not hold"));
    EXPECT_EQ(Culvert().CmboCulvertType->currentIndex(), 0);
    EXPECT_EQ(Culvert().TxtKeInlet->text(), " 0.7");
    EXPECT_EQ(basin->txtW->text(), "12.0");
    EXPECT_EQ(basin->txtChannelBottomElevation->text(), "98.5");
}

TEST_F(RiprapBasinInfo, ErosionMenuShowsTheWindowAndF1OpensItsShippedPage) {
    ASSERT_TRUE(main->mnuHec14Riprap->isEnabled());
    main->mnuHec14Riprap->trigger();
    EXPECT_TRUE(basin->Frame()->isVisible());
    basin->txtDesignQ->setFocus();
    QTest::keyClick(basin->txtDesignQ, Qt::Key_F1);
    const QString page = HelpPages::Path("hec14_riprap_basin_design.html");
    EXPECT_EQ(HelpPages::ShownPage(), page);
    EXPECT_TRUE(QFile::exists(page));
}
