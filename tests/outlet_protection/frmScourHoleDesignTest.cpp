#include "FakeTailwaterChannel.h"
#include "ScourHoleWindowFixture.h"

#include <QMdiSubWindow>
#include <QPushButton>

#include <vector>

namespace {

TEST_F(ScourHoleWindow, ComputeShowsBothDesignsAndKeepsTheInputsItUsed) {
    // Span 3, TW 2 (worked in modNEScourTest): Q 240 puts design 0 out of range.
    Type("240", "2", " 3 ");
    window->cmdCompute->click();
    EXPECT_TRUE(user.shown.empty());
    EXPECT_EQ(Results(0), QStringList({"3", "15", "1.5", "18", "2.15", "4.31", "OUT OF RANGE",
                                       "OUT OF RANGE"}));
    EXPECT_EQ(Results(1),
              QStringList({"3", "24", "3", "27", "1.41", "2.83", "Class B Riprap", "3.00"}));
    EXPECT_EQ(Copies(), QStringList({" 3 ", "240", "2"}));
    for (const QLineEdit* copy : {window->txtNEScourHoleCulvertDiam[1], window->txtDesignQ[1],
                                  window->txtTailwaterDepth[1]}) {
        EXPECT_TRUE(copy->isHidden());
    }

    // Editing an input clears the results; the copies follow the inputs, so
    // that the report prints these with no results.
    Type("100", "2", "3");
    EXPECT_EQ(Results(1), QStringList({"", "", "", "", "", "", "", ""}));
    EXPECT_EQ(Copies(), QStringList({"3", "100", "2"}));
}

TEST_F(ScourHoleWindow, InputsAreCheckedInOrderAndOnlyTheFirstFailureIsShown) {
    struct Case {
        const char* q;
        const char* tw;
        const char* span;
        const char* message;
    };
    const Case cases[] = {
        {"", "", "", "You need to enter a Design Q."},
        {"abc", "", "", "Design Q can not be evaluated as a number. Please re-enter."},
        {"0", "x", "x", "Design Q is <=0. Design Q must be > 0."},
        {"100", " ", "",
         "Tailwater depth is blank. For this design method there must be a tailwater value > 0."},
        {"100", "2ft", "", "Tailwater depth can not be evaluated as a number. Please re-enter."},
        {"100", "0", "",
         "Tailwater depth <= 0. For this design method the Tailwater depth must be > 0."},
        {"100", "2", "", "A value is required for the \"Culvert Diameter or Span\"."},
        {"100", "2", "3'",
         "The value entered for the \"Culvert Diameter or Span\" can not be evaluated as a "
         "number. Please re-enter the \"Culvert Diameter or Span\"."},
        {"100", "2", "-3", "\"Culvert Diameter or Span\" must be > 0."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        user.shown.clear();
        Type(c.q, c.tw, c.span);
        window->cmdCompute->click();
        ASSERT_EQ(user.shown.size(), 1u);
        EXPECT_EQ(user.shown[0].text.toStdString(), c.message);
        EXPECT_EQ(user.shown[0].title, Dialogs::ApplicationTitle);
        EXPECT_TRUE(Results(0)[0].isEmpty());
        EXPECT_EQ(Copies()[1], c.q);
    }
}

TEST_F(ScourHoleWindow, AFailedComputeLeavesNoResultsOfEarlierInputs) {
    Type("1,200", "2", "3");
    window->cmdCompute->click();
    ASSERT_TRUE(user.shown.empty());
    ASSERT_EQ(Copies(), QStringList({"3", "1,200", "2"}));
    const QStringList none = {"", "", "", "", "", "", "", ""};

    // Refused input, then numbers whose results overflow: the smallest span
    // taken, just over an inch, under a tailwater near 0.
    Type("100", "-1", "4");
    window->cmdCompute->click();
    Type("1e6", "1e-300", "0.0834");
    window->cmdCompute->click();
    ASSERT_EQ(user.shown.size(), 2u);
    EXPECT_EQ(user.shown[1].title, "ERROR");
    EXPECT_TRUE(user.shown[1].text.startsWith(
        "Overflow in the riprap size D50: check the Design Q, the Tailwater depth and the "
        "Culvert Diameter or Span, "))
        << user.shown[1].text.toStdString();
    EXPECT_EQ(Results(0), none);
    EXPECT_EQ(Results(1), none);
    EXPECT_EQ(Copies(), QStringList({"0.0834", "1e6", "1e-300"}));
}

using FakeChannel = FakeTailwaterChannel;

TEST_F(ScourHoleWindow, TailwaterDepthComesFromTheChannel) {
    FakeChannel channel;
    EXPECT_FALSE(window->CmdComputeTWDepths->isEnabled());
    window->SetTailwaterChannel(&channel);
    ASSERT_TRUE(window->CmdComputeTWDepths->isEnabled());

    channel.depth = 1234.5;
    Type(" 2,500 ", "9.9", "3");
    window->CmdComputeTWDepths->click();
    EXPECT_EQ(channel.asked, std::vector<double>({2500}));
    EXPECT_EQ(window->txtTailwaterDepth[0]->text(), "1,234.50");
    EXPECT_EQ(window->txtTailwaterDepth[1]->text(), "1,234.50");
    EXPECT_TRUE(user.shown.empty());
    // Compute takes the grouped depth as a number.
    window->cmdCompute->click();
    EXPECT_TRUE(user.shown.empty());
    EXPECT_EQ(Copies()[2], "1,234.50");
}

TEST_F(ScourHoleWindow, TailwaterFailuresSayWhyAndLeaveTheBoxAsTheySay) {
    struct Case {
        const char* name;
        std::optional<std::string> fault;
        const char* q;
        std::optional<double> depth;
        const char* message;
        const char* box; // the tailwater box afterwards
        bool shownChannel;
    };
    const Case cases[] = {
        {"a channel that cannot be used", "You must enter a value for Channel Slope.", "100", 2.0,
         "You must enter a value for Channel Slope.", "9.9", true},
        {"no design Q", std::nullopt, " ", 2.0,
         "A Design Q is required to compute the Tailwater Depth.", "", false},
        {"a design Q that is not a number", std::nullopt, "q", 2.0,
         "Design Q can not be evaluated as a number. Please re-enter.", "", false},
        {"a design Q of 0", std::nullopt, "0", 2.0, "Design Q is <=0. Design Q must be > 0.", "",
         false},
        {"no depth found", std::nullopt, "100", std::nullopt,
         "The tailwater depth could not be found in the channel for this Design Q. The "
         "Tailwater Depth is left blank.",
         "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeChannel channel;
        if (c.fault) {
            channel.fault = FakeTailwaterChannel::SlopeFault(*c.fault);
        }
        channel.depth = c.depth;
        window->SetTailwaterChannel(&channel);
        user.shown.clear();
        Type(c.q, "9.9", "3");
        window->CmdComputeTWDepths->click();
        ASSERT_EQ(user.shown.size(), 1u);
        EXPECT_EQ(user.shown[0].text.toStdString(), c.message);
        EXPECT_EQ(window->txtTailwaterDepth[0]->text(), c.box);
        EXPECT_EQ(channel.refused.has_value(), c.shownChannel);
    }
}

TEST_F(ScourHoleWindow, ClearingEmptiesBoxesCopiesAndAllSixteenResults) {
    Type("180", "2", "3");
    window->cmdCompute->click();
    window->ClearAllData();
    const ScourHoleContents contents = window->Contents();
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(contents.inputs[i].designQ.empty());
        EXPECT_TRUE(contents.inputs[i].tailwaterDepth.empty());
        EXPECT_TRUE(contents.inputs[i].culvertDiam.empty());
        EXPECT_EQ(Results(i), QStringList(8, ""));
    }
}

TEST_F(ScourHoleWindow, ClosingHidesAndDisplayShowsTheSameContents) {
    Type("180", "2", "3");
    window->cmdCompute->click();
    window->Display();
    ASSERT_TRUE(window->Frame()->isVisible());
    window->Frame()->close();
    EXPECT_FALSE(window->Frame()->isVisible());
    window->Display();
    EXPECT_TRUE(window->Frame()->isVisible());
    EXPECT_EQ(Results(0)[6], "Class B Riprap");
    EXPECT_EQ(window->txtDesignQ[0]->text(), "180");
}

TEST_F(ScourHoleWindow, EachDesignPlotsFromItsCaptions) {
    std::vector<int> asked;
    EXPECT_FALSE(window->cmdPlotDesign[0]->isEnabled());
    window->SetShowPlot([&asked](int design) { asked.push_back(design); });
    window->cmdPlotDesign[1]->click();
    window->cmdPlotDesign[0]->click();
    EXPECT_EQ(asked, std::vector<int>({1, 0}));

    // Captions as a file may hold them: grouped, out of range, or empty.
    using R = frmScourHoleDesign::Result;
    window->SetInputText(frmScourHoleDesign::Input::DesignQ, 1, " 240 ");
    window->SetInputText(frmScourHoleDesign::Input::TailwaterDepth, 1, "2");
    for (auto [result, text] : {std::pair{R::ADim, "1,215"},
                                {R::CDim, "18"},
                                {R::EDim, "3"},
                                {R::FDim, "1.5"},
                                {R::CalcD50, "2.15"},
                                {R::CalcD, "4.31"},
                                {R::RecD50, "OUT OF RANGE"},
                                {R::RecD, "OUT OF RANGE"}}) {
        window->SetResultCaption(result, 0, text);
    }
    const ScourHolePlotDesign half = window->PlotDesign(0);
    EXPECT_EQ(half.DesignQ, "240");
    EXPECT_EQ(half.TW, "2");
    EXPECT_TRUE(half.ReturnPeriod.isEmpty());
    EXPECT_EQ(half.ADim, 1215);
    EXPECT_EQ(half.BDim, 1215);
    EXPECT_EQ(half.CDim, 18);
    EXPECT_EQ(half.EDim, 3);
    EXPECT_EQ(half.CulvertSpan, 3);
    EXPECT_EQ(half.FDim, 1.5);
    EXPECT_EQ(half.D50, 2.15);
    EXPECT_EQ(half.DDim, 4.31);
    EXPECT_EQ(half.DepressType, 1);
    const ScourHolePlotDesign full = window->PlotDesign(1);
    EXPECT_EQ(full.DepressType, 2);
    EXPECT_EQ(full.BDim, 0);
    EXPECT_EQ(full.CDim, 0);
}

} // namespace
