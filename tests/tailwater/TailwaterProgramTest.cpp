#include "TailwaterProgramFixture.h"
#include "general_design/FrmGenDesign.h"
#include "main/TailwaterWiring.h"
#include "platform/FlexGrid.h"
#include "platform/HelpPages.h"
#include "tailwater/FrmTailWaterCrossSection.h"
#include "tailwater/FrmTailWaterRatingCurve.h"

#include <QAction>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

namespace {

class TailwaterProgram : public TailwaterProgramFixture {
protected:
    // Design Qs 50, 100 and 200 ft^3/s in rows 1, 2 and 4, and an old depth in row 3.
    void TypeDesignQs() {
        FlexGrid& grid = *windows->genDesign->GrdDesignQs;
        grid.SetTextMatrix(1, 3, "50");
        grid.SetTextMatrix(2, 3, "100");
        grid.SetTextMatrix(3, 4, "9.99");
        grid.SetTextMatrix(4, 3, "200");
    }

    QStringList TWColumn() const {
        QStringList depths;
        for (int r = 1; r <= 4; ++r) {
            depths << windows->genDesign->GrdDesignQs->TextMatrix(r, 4);
        }
        return depths;
    }
};

TEST_F(TailwaterProgram, TheTailwaterMenuShowsTheChannelAndRatingWindows) {
    main->mnuTailwaterRatingCurve->trigger();
    EXPECT_EQ(main->MdiArea().activeSubWindow(), windows->tailwaterRatingCurve->Frame());
    main->mnuTailwaterCrossSection->trigger();
    EXPECT_EQ(main->MdiArea().activeSubWindow(), windows->tailwaterCrossSection->Frame());
    for (const char* page :
         {TailwaterWiring::CrossSectionHelpPage, TailwaterWiring::RatingCurveHelpPage}) {
        EXPECT_TRUE(QFileInfo::exists(HelpPages::Path(page))) << page;
    }
}

// The channel is the trapezoid of the tailwater window tests: depths worked
// there by hand, 1.2975, 1.9410 and 2.8807 ft.
TEST_F(TailwaterProgram, ComputeTWDepthsFillsTheDepthsFromTheChannelWindow) {
    ASSERT_TRUE(windows->genDesign->CmdComputeTWDepths->isEnabled());
    TypeTrapezoid("0.001");
    TypeDesignQs();
    windows->genDesign->CmdComputeTWDepths->click();
    EXPECT_TRUE(user.MessageTexts().empty());
    EXPECT_EQ(TWColumn(), QStringList({"1.30", "1.94", "", "2.88"}));
}

TEST_F(TailwaterProgram, AChannelFaultShowsTheChannelWindowAndLeavesTheDepths) {
    TypeTrapezoid("");
    TypeDesignQs();
    windows->genDesign->StartUp();
    windows->genDesign->CmdComputeTWDepths->click();
    EXPECT_EQ(user.MessageTexts(),
              std::vector<QString>{"You must enter a value for Channel Slope."});
    EXPECT_EQ(main->MdiArea().activeSubWindow(), windows->tailwaterCrossSection->Frame());
    EXPECT_EQ(TWColumn(), QStringList({"", "", "9.99", ""}));
}

TEST_F(TailwaterProgram, FileNewEmptiesTheChannelAndTheRatingTable) {
    TypeTrapezoid("0.001");
    windows->tailwaterRatingCurve->TxtRCStepSize->setText("1");
    windows->tailwaterRatingCurve->CmdComputeRatingsCurve->click();
    ASSERT_EQ(windows->tailwaterRatingCurve->Curve().Plotted, 1);
    StartUpMod::ClearAllProjectData();
    EXPECT_EQ(windows->tailwaterCrossSection->Contents().channelSlope, "");
    EXPECT_EQ(windows->tailwaterCrossSection->Contents().points[0][0], "");
    EXPECT_EQ(windows->tailwaterRatingCurve->Contents().rows.size(), 4u);
    EXPECT_EQ(windows->tailwaterRatingCurve->Curve().Plotted, 0);
}

} // namespace
