#include "FakeDialogs.h"
#include "FakeTailwaterChannel.h"
#include "PlungeBasinWindowFixture.h"
#include "platform/FlexGrid.h"
#include "riprap_basin/Hec14RiprapClass.h"
#include "riprap_basin/frmHec14RipRap.h"
#include "riprap_basin/modHec14RRYo.h"
#include "riprap_basin/modHec14Riprap.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace {

// The plunge basin fixture's catalogue (a 36 in. pipe single and twin, a
// 4 x 3 ft box, a pipe-arch without standard sizes, a box without inlets)
// under an HEC-14 Riprap Basin Design window.
class RiprapBasinWindow : public ::testing::Test {
protected:
    enum TypePosition { Pipe, Box, Arch, Bare };

    void SetUp() override {
        saved_ = GlobalVariables::GenDesignCulvertTypes;
        GlobalVariables::GenDesignCulvertTypes = PlungeBasinWindow::Catalogue();
        modHec14RRYo::InitBrinkDepthCurves();
        modHec14Riprap::InitializeHec14Tables();
        area.resize(1400, 1000);
        area.show();
        window = std::make_unique<frmHec14RipRap>(area);
        window->Initialize();
    }

    void TearDown() override {
        window.reset();
        GlobalVariables::GenDesignCulvertTypes = saved_;
    }

    CulvertInputBlock& Culvert() { return *window->Frame2; }

    // A 1 % slope: inverts 100 and 99 over 100 ft.
    void TypeCulvert(TypePosition type, const char* q, const char* tw) {
        Culvert().CmboCulvertType->setCurrentIndex(type);
        Culvert().TxtInletInvertElevation->setText("100");
        Culvert().TxtOutletInvertElevation->setText("99");
        Culvert().TxtCulvertBarrelLength->setText("100");
        window->txtDesignQ->setText(q);
        window->txtTailwaterDepth->setText(tw);
    }

    void Compute() { window->cmdCompute->click(); }

    // Every result the window shows, empty when none is.
    bool ResultsEmpty() const {
        const Hec14RiprapContents c = window->Contents();
        for (const std::string& value : c.resultValues) {
            if (!value.empty()) {
                return false;
            }
        }
        return c.w.empty() && c.d50.empty() && c.recommendedD50.empty() &&
               c.calculatedApproach.empty() && c.recommendedApproach.empty() &&
               c.calculatedBasin.empty() && c.recommendedBasin.empty();
    }

    FakeDialogs user;
    QMdiArea area;
    std::unique_ptr<frmHec14RipRap> window;

private:
    std::vector<GenDesignCulvertType> saved_;
};

using FakeChannel = FakeTailwaterChannel;

} // namespace

// Twin 36 in. pipes: W = 2 x 3 ft x 2 = 12.0 ft, whether the size is the
// standard twin or typed as 36 in. with "Twin"; the class and thicknesses
// follow the d-50 shown.
TEST_F(RiprapBasinWindow, TwinPipeGivesTwiceItsTotalWidthAndTheClassOfItsSize) {
    for (bool typed : {false, true}) {
        SCOPED_TRACE(typed ? "typed" : "standard");
        window->ClearAllData();
        TypeCulvert(Pipe, "150", "1.5");
        if (typed) {
            Culvert().OptBarrelSize[1]->click();
            Culvert().TxtUserSize[0]->setText("36");
            Culvert().CmboUserNumBarrels->setCurrentIndex(1);
        } else {
            Culvert().CmboVSHAStandardSize->setCurrentIndex(1);
        }
        Compute();
        ASSERT_TRUE(user.MessageTexts().empty()) << user.MessageTexts()[0].toStdString();
        const Hec14RiprapContents c = window->Contents();
        EXPECT_EQ(c.w, "12.0");
        ASSERT_FALSE(c.d50.empty());
        const RiprapRecommendation r = Hec14RiprapClass::Recommend(std::stod(c.d50));
        EXPECT_EQ(c.recommendedD50, r.riprapClass);
        EXPECT_EQ(c.calculatedApproach, r.calculatedApproach);
        EXPECT_EQ(c.recommendedBasin, r.recommendedBasin);
        // The tailwater typed is the brink tailwater's start; the names stay.
        EXPECT_EQ(c.resultNames[0], "Brink TW (ft)");
        EXPECT_EQ(c.resultNames[16], "hs/Ye");
        EXPECT_FALSE(c.resultValues[Hec14RiprapResults::BasinLength].empty());
    }
}

// Design Q, then tailwater, then the culvert block; a refusal leaves every
// result empty, the grid's value column included.
TEST_F(RiprapBasinWindow, RefusedInputsShowTheFirstMessageInOrderAndClearTheResults) {
    struct Case {
        const char* q;
        const char* tw;
        const char* ke;
        const char* message;
    };
    const Case cases[] = {
        {"", "", " 0.5", "Design Q can not be evaluated as a number."},
        {"many", "", " 0.5", "Design Q can not be evaluated as a number."},
        {"0", "1", " 0.5", "Design Q is <=0. Design Q must be > 0."},
        {"150", "deep", " 0.5", "Tailwater depth can not be evaluated as a number."},
        {"150", "-0.5", " 0.5", "Tailwater depth is < 0. Tailwater depth must be >= 0."},
        {"150", "", "0", "Ke must be > 0."},
        {"150", "0", "", "A value is required for Ke."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        TypeCulvert(Pipe, "150", "1.5");
        Culvert().TxtKeInlet->setText(" 0.5");
        Compute();
        ASSERT_FALSE(ResultsEmpty());
        window->txtDesignQ->setText(c.q);
        window->txtTailwaterDepth->setText(c.tw);
        Culvert().TxtKeInlet->setText(c.ke);
        user.shown.clear();
        Compute();
        EXPECT_EQ(user.MessageTexts(), std::vector<QString>{c.message});
        EXPECT_TRUE(ResultsEmpty());
    }
}

TEST_F(RiprapBasinWindow, ABlankTailwaterComputesWithNone) {
    TypeCulvert(Pipe, "150", "  ");
    Compute();
    EXPECT_TRUE(user.MessageTexts().empty());
    EXPECT_EQ(window->fgResults->TextMatrix(Hec14RiprapResults::BrinkTW, 1), "0.00");
}

TEST_F(RiprapBasinWindow, ATypeWithoutStandardSizesIsRefusedAndNothingComputed) {
    TypeCulvert(Arch, "150", "1.5");
    Compute();
    EXPECT_EQ(user.MessageTexts(),
              std::vector<QString>{"The culvert type SPA: Steel Pipe-Arch has no VSHA standard "
                                   "sizes. Choose Enter Barrel Size and enter the barrel size."});
    EXPECT_TRUE(ResultsEmpty());
}

TEST_F(RiprapBasinWindow, TypedSizeMessagesNameTheRowCaption) {
    TypeCulvert(Box, "150", "1.5");
    Culvert().OptBarrelSize[1]->click();
    Culvert().TxtUserSize[0]->setText("4");
    Compute();
    EXPECT_EQ(user.MessageTexts(), std::vector<QString>{"A value must be entered for Rise."});
}

TEST_F(RiprapBasinWindow, TailwaterButtonLeavesTheBoxEmptyWhenTheChannelHasNoDepth) {
    FakeChannel channel;
    window->SetTailwaterChannel(&channel);
    window->txtDesignQ->setText("150");
    window->txtTailwaterDepth->setText("1.5");
    window->CmdComputeTWDepths->click();
    EXPECT_EQ(window->txtTailwaterDepth->text(), "");
    EXPECT_EQ(user.MessageTexts(),
              std::vector<QString>{"The tailwater depth could not be found in the channel for "
                                   "this design Q. The Tailwater Depth is left blank."});
    channel.depth = 1.234;
    user.shown.clear();
    window->CmdComputeTWDepths->click();
    EXPECT_EQ(window->txtTailwaterDepth->text(), "1.23");
    window->txtDesignQ->setText("");
    window->CmdComputeTWDepths->click();
    EXPECT_EQ(user.MessageTexts(),
              std::vector<QString>{"A Design Q is required to compute the Tailwater Depth."});
}

TEST_F(RiprapBasinWindow, ClearAllDataLeavesTheFirstTypeAndNoResults) {
    TypeCulvert(Box, "150", "1.5");
    window->txtChannelBottomElevation->setText("98");
    Compute();
    ASSERT_FALSE(ResultsEmpty());
    window->ClearAllData();
    const Hec14RiprapContents c = window->Contents();
    EXPECT_TRUE(ResultsEmpty());
    EXPECT_EQ(c.culvert.culvertTypeID, 11);
    EXPECT_EQ(c.culvert.manningN, " 0.012");
    EXPECT_EQ(c.culvert.keInlet, " 0.5");
    EXPECT_EQ(c.channelBottomElevation, "");
    EXPECT_EQ(c.designQ, "");
    EXPECT_EQ(c.resultNames[Hec14RiprapResults::FroudeNumber], "Froude Number");
}
