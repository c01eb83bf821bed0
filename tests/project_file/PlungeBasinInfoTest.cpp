#include "ProjectFixture.h"
#include "outlet_protection/CulvertInputBlock.h"
#include "outlet_protection/frmNEPlungeBasin.h"

#include "platform/HelpPages.h"

#include <QFile>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

namespace {

class PlungeBasinInfo : public ProjectFileTest {
protected:
    void SetUp() override {
        ProjectFileTest::SetUp();
        basin = windows->plungeBasin;
        ASSERT_NE(basin, nullptr);
    }

    CulvertInputBlock& Culvert() const { return *basin->Frame2; }

    // A standard 6 x 4 ft twin box with a typed n, and typed sizes that the
    // standard size option hides but the file keeps, computed.
    void TypeAndCompute() {
        Culvert().SetCulvertInletSize(3, 306, 20604);
        Culvert().TxtInletInvertElevation->setText("100");
        Culvert().TxtOutletInvertElevation->setText("99.5");
        Culvert().TxtCulvertBarrelLength->setText("50");
        Culvert().TxtManningN->setText("0.015");
        Culvert().TxtUserSize[0]->setText("6");
        Culvert().TxtUserSize[2]->setText("kept though hidden");
        Culvert().CmboUserNumBarrels->setCurrentIndex(2);
        basin->txtDesignQ->setText("1,200");
        basin->txtTailwaterDepth->setText("2");
        basin->cmdCompute->click();
        ASSERT_TRUE(user.shown.empty()) << user.MessageTexts().front().toStdString();
        ASSERT_FALSE(basin->txtAdim->text().isEmpty());
    }

    // Every control the file carries, and what its reactions show.
    QStringList Controls() const {
        QStringList lines;
        const CulvertInputBlock& c = Culvert();
        for (const QLineEdit* box : {c.TxtInletInvertElevation, c.TxtOutletInvertElevation,
                                     c.TxtCulvertBarrelLength, c.TxtManningN, c.TxtKeInlet}) {
            lines << "box [" + box->text() + "]";
        }
        for (const QComboBox* list :
             {c.CmboCulvertType, c.CmboInletType, c.CmboVSHAStandardSize, c.CmboUserNumBarrels}) {
            lines << "list " + list->currentText() + (list->isEnabled() ? "" : " (disabled)");
        }
        for (size_t i = 0; i < c.TxtUserSize.size(); ++i) {
            lines << "user size " + c.LblUserSize[i]->text() + " [" + c.TxtUserSize[i]->text() +
                         "]";
        }
        lines << QString("user size option %1").arg(c.OptBarrelSize[1]->isChecked());
        for (const QLineEdit* box :
             {basin->txtDesignQ, basin->txtTailwaterDepth, basin->txtEquivPipeDiam,
              basin->txtDesignPipeDiam, basin->txtExitVelocity, basin->txtD50,
              basin->txtRiprapThickness, basin->txtAdim, basin->txtCdim, basin->txtEdim,
              basin->txtTdim, basin->txtFdim, basin->txtTotalLength, basin->txtW}) {
            lines << "result [" + box->text() + "]";
        }
        lines << "class " + basin->lblRiprapClass->text();
        return lines;
    }

    frmNEPlungeBasin* basin = nullptr;
};

} // namespace

TEST_F(PlungeBasinInfo, SaveNewOpenRestoresEveryControlWithoutComputing) {
    TypeAndCompute();
    QStringList before = Controls();
    SaveAs(Path("basin.twl"));
    const QByteArray saved = FileBytes(Path("basin.twl"));
    EXPECT_TRUE(saved.contains("\"NEPLUNGEBASIN847363\",13,\"1,200\",\"2\"\r\n"));
    EXPECT_TRUE(saved.contains("\"NEPLUNGEBASIN847363\",10,2,\"kept though hidden\"\r\n"));
    New();
    ASSERT_NE(Controls(), before);
    EXPECT_EQ(basin->lblRiprapClass->text(), "CLASS:");

    Open(Path("basin.twl"));
    // Manning n comes back behind the blank the window puts before the
    // catalogue's value; the results stay as they were shown, not as the
    // edited inputs would compute them.
    before.replaceInStrings("box [0.015]", "box [ 0.015]");
    EXPECT_EQ(Controls().join("\n").toStdString(), before.join("\n").toStdString());
    EXPECT_TRUE(user.MessageTexts().empty());
}

// A type the catalogue no longer holds is named, and the rest comes back.
TEST_F(PlungeBasinInfo, AnUnknownCulvertTypeIsNamedLeavesTheClearedChoiceAndRestoresTheRest) {
    TypeAndCompute();
    SaveAs(Path("basin.twl"));
    QByteArray bytes = FileBytes(Path("basin.twl"));
    bytes.replace("\"NEPLUNGEBASIN847363\",7,3,", "\"NEPLUNGEBASIN847363\",7,99,");
    WriteBytes(Path("retired type.twl"), bytes.toStdString());
    New();
    Open(Path("retired type.twl"));
    ASSERT_EQ(user.MessageTexts().size(), 1u);
    EXPECT_TRUE(user.MessageTexts()[0].contains(
        "A culvert type, inlet or standard size that the catalogue does not hold"));
    EXPECT_EQ(Culvert().CmboCulvertType->currentIndex(), 0);
    EXPECT_EQ(Culvert().TxtManningN->text(), " 0.015");
    EXPECT_EQ(Culvert().CmboUserNumBarrels->currentIndex(), 2);
    EXPECT_EQ(basin->txtTailwaterDepth->text(), "2");
    EXPECT_FALSE(basin->txtAdim->text().isEmpty());
}

TEST_F(PlungeBasinInfo, ClassCaptionWithQuotesIsEscapedAndAnEmptySizeListSavesNoSelection) {
    Culvert().SetCulvertInletSize(3, 306, 20604);
    Culvert().CmboVSHAStandardSize->setCurrentIndex(-1);
    basin->SetRiprapClass("CLASS: \"E\"");
    SaveAs(Path("quotes.twl"));
    const QByteArray saved = FileBytes(Path("quotes.twl"));
    EXPECT_TRUE(saved.contains("\"NEPLUNGEBASIN847363\",7,3,306,-1\r\n"));
    EXPECT_TRUE(saved.contains("\"NEPLUNGEBASIN847363\",20,\"CLASS: ''E''\"\r\n"));
    Open(Path("quotes.twl"));
    EXPECT_TRUE(user.shown.empty());
    EXPECT_EQ(basin->lblRiprapClass->text(), "CLASS: ''E''");
    EXPECT_EQ(Culvert().CmboInletType->currentData().toInt(), 306);
    EXPECT_EQ(Culvert().CmboVSHAStandardSize->currentIndex(), 0);
}

TEST_F(PlungeBasinInfo, ErosionMenuShowsTheWindowAndF1OpensItsShippedPage) {
    ASSERT_TRUE(main->mnuNEPlungeDesign->isEnabled());
    main->mnuNEPlungeDesign->trigger();
    EXPECT_TRUE(basin->Frame()->isVisible());
    basin->txtDesignQ->setFocus();
    QTest::keyClick(basin->txtDesignQ, Qt::Key_F1);
    const QString page = HelpPages::Path("ne_plunge_basin_design.html");
    EXPECT_EQ(HelpPages::ShownPage(), page);
    EXPECT_TRUE(QFile::exists(page));
}
