#include "FakeTailwaterChannel.h"
#include "PlungeBasinWindowFixture.h"

#include <QMdiSubWindow>

#include <optional>
#include <string>

namespace {

// The results in the window's order: exit velocity, equivalent and design
// pipe diameters, class, D-50, thickness, A, C, E, T, F, total length, W.
using Shown = std::vector<QString>;

Shown ShownBy(const frmNEPlungeBasin& w) {
    return {w.txtExitVelocity->text(),
            w.txtEquivPipeDiam->text(),
            w.txtDesignPipeDiam->text(),
            w.lblRiprapClass->text(),
            w.txtD50->text(),
            w.txtRiprapThickness->text(),
            w.txtAdim->text(),
            w.txtCdim->text(),
            w.txtEdim->text(),
            w.txtTdim->text(),
            w.txtFdim->text(),
            w.txtTotalLength->text(),
            w.txtW->text()};
}

void ExpectShown(const frmNEPlungeBasin& w, const Shown& expected) {
    EXPECT_EQ(ShownBy(w), expected);
}

// A channel whose normal depth is given by the test.
using FakeChannel = FakeTailwaterChannel;

} // namespace

// Worked by hand. Level inverts leave no normal depth, so the exit velocity
// is the outlet-control one; the tailwater above the crown fills the barrel,
// so it is Q over the full area.
// Box 4 x 3 ft: Q 240 / 12 ft^2 = 20.00 ft/s (range 18-24, class B);
// De = 2 sqrt(12 / pi) x 12 = 46.906 in., shown 46.9, table size 48:
// A 4, C 2, E 5, T 3, F 6; length 2(4) + 5 + 3(2) + 6 = 25; W = 2 x 4 x 1 = 8.0.
// Pipe 36 in.: area pi 1.5^2 = 7.0686 ft^2; Q 84.82 / 7.0686 = 11.9996, shown
// 12.00 (range 0-18, class E); De = 36.0, table 36: A 3, C 1.5, E 3, T 2.5,
// F 5; length 6 + 3 + 4.5 + 5 = 18.5; W = 2 x 3 x 1 = 6.0, twin 12.0.
TEST_F(PlungeBasinWindow, StandardBoxAndPipeAreWorkedByHand) {
    struct Case {
        const char* what;
        TypePosition type;
        int standardSize;
        const char* q;
        Shown shown;
    };
    const Case cases[] = {
        {"box 4 x 3",
         Box,
         0,
         "240",
         {"20.00", "46.9", "48", "CLASS: B", "1.5", "3.0", "4", "2", "5", "3", "6", "25", "8.0"}},
        {"pipe 36 in.",
         Pipe,
         0,
         "84.82",
         {"12.00", "36.0", "36", "CLASS: E", "1", "2.0", "3", "1.5", "3", "2.5", "5", "18.5",
          "6.0"}},
        // Twin barrels: each carries half, so twice the discharge shows the same velocity.
        {"twin pipes 36 in.",
         Pipe,
         1,
         "169.64",
         {"12.00", "36.0", "36", "CLASS: E", "1", "2.0", "3", "1.5", "3", "2.5", "5", "18.5",
          "12.0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TypeCulvert(c.type, c.q, "4");
        Culvert().CmboVSHAStandardSize->setCurrentIndex(c.standardSize);
        Compute();
        EXPECT_TRUE(user.shown.empty()) << user.MessageTexts().front().toStdString();
        ExpectShown(*window, c.shown);
    }
}

// 36 in. typed for a type in inches enters as 3 ft; 4 and 3 for a type in
// feet as they are: the same results as the standard sizes.
TEST_F(PlungeBasinWindow, TypedSizesGiveTheSameBasinAsTheStandardOnes) {
    TypeCulvert(Pipe, "84.82", "4");
    Culvert().OptBarrelSize[1]->click();
    Culvert().TxtUserSize[0]->setText("36");
    Culvert().CmboUserNumBarrels->setCurrentIndex(1);
    Compute();
    EXPECT_TRUE(user.shown.empty());
    EXPECT_EQ(window->txtEquivPipeDiam->text(), "36.0");
    // Twin barrels of the typed size: the velocity halves to 6.00.
    EXPECT_EQ(window->txtExitVelocity->text(), "6.00");
    EXPECT_EQ(window->txtW->text(), "12.0");

    TypeCulvert(Box, "240", "4");
    Culvert().TxtUserSize[0]->setText("4");
    Culvert().TxtUserSize[1]->setText("3");
    Culvert().CmboUserNumBarrels->setCurrentIndex(0);
    Compute();
    EXPECT_TRUE(user.shown.empty());
    EXPECT_EQ(window->txtEquivPipeDiam->text(), "46.9");
    EXPECT_EQ(window->txtTotalLength->text(), "25");
}

// Exit velocities on and around the class edge of 18 ft/s, through the box
// (12 ft^2): 215.88 / 12 = 17.99, 216 / 12 = 18.00.
TEST_F(PlungeBasinWindow, ClassChangesAtEighteenFeetPerSecond) {
    const struct {
        const char* q;
        const char* velocity;
        const char* riprapClass;
        const char* e;
    } cases[] = {
        {"215.88", "17.99", "CLASS: E", "3"},
        {"216", "18.00", "CLASS: B", "5"},
        {"288", "24.00", "CLASS: B", "7"},
        {"360", "30.00", "CLASS: B", "7"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.q);
        TypeCulvert(Box, c.q, "4");
        Compute();
        EXPECT_TRUE(user.shown.empty());
        EXPECT_EQ(window->txtExitVelocity->text(), c.velocity);
        EXPECT_EQ(window->lblRiprapClass->text(), c.riprapClass);
        EXPECT_EQ(window->txtEdim->text(), c.e);
    }
}

// Without a basin the results stay cleared, the exit velocity and De shown.
// 360.12 / 12 = 30.01 ft/s; a 10 x 8 ft box gives De = 2 sqrt(80 / pi) x 12
// = 121.1 in.; 0.001 / 12 ft/s shows as 0.00, so no velocity is positive.
TEST_F(PlungeBasinWindow, NoBasinForTheVelocityOrSizeLeavesTheResultsCleared) {
    struct Case {
        const char* what;
        const char* q;
        const char* userSpan;
        const char* velocity;
        const char* de;
        const char* message;
    };
    const Case cases[] = {
        {"velocity above 30", "360.12", nullptr, "30.01", "46.9", "Velocity must be <= 30."},
        {"pipe above 96.1 in.", "400", "10", "5.00", "121.1", "Pipe size must be <= 96.1"},
        {"no exit velocity", "0.001", nullptr, "Undefined", "46.9",
         "The exit velocity is Undefined, so no plunge basin can be chosen. Check the culvert "
         "inputs, the design Q and the tailwater depth."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        window->ClearAllData();
        TypeCulvert(Box, "240", "4");
        Compute(); // a basin first, which the failure must clear
        ASSERT_EQ(window->txtAdim->text(), "4");
        TypeCulvert(Box, c.q, "9");
        if (c.userSpan) {
            Culvert().OptBarrelSize[1]->click();
            Culvert().TxtUserSize[0]->setText(c.userSpan);
            Culvert().TxtUserSize[1]->setText("8");
        }
        user.shown.clear();
        Compute();
        EXPECT_EQ(user.MessageTexts(), std::vector<QString>{c.message});
        ExpectShown(*window, {c.velocity, c.de, "", "CLASS:", "", "", "", "", "", "", "", "", ""});
    }
}

// Design Q before tailwater, both before the culvert; the basin results are
// cleared, the earlier velocity, De and design pipe kept.
TEST_F(PlungeBasinWindow, RefusedInputsShowTheFirstMessageInOrder) {
    struct Case {
        const char* q;
        const char* tw;
        const char* length;
        const char* ke;
        const char* message;
    };
    const Case cases[] = {
        {"", "", "", "", "You must enter a Design Q."},
        {"abc", "4", "50", " 0.4", "The Design Q can not be evaluated as a number."},
        {"0", "4", "50", " 0.4", "The Design Q is <=0. Design Q must be > 0."},
        {"240", " ", "50", " 0.4", "You must enter a Tailwater Depth."},
        {"240", "x", "50", " 0.4", "The Tailwater Depth can not be evaluated as a number."},
        {"240", "-0.1", "50", " 0.4", "The Tailwater depth is < 0. Tailwater depth must be >= 0."},
        {"240", "4", "", " 0.4", "A value is required for the Culvert Barrel Length."},
        {"240", "4", "0", " 0.4", "Culvert Barrel Length must be > 0."},
        {"240", "4", "50", "0", "Ke must be > 0."},
    };
    TypeCulvert(Box, "240", "4");
    Compute();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        window->txtDesignQ->setText(c.q);
        window->txtTailwaterDepth->setText(c.tw);
        Culvert().TxtCulvertBarrelLength->setText(c.length);
        Culvert().TxtKeInlet->setText(c.ke);
        user.shown.clear();
        Compute();
        EXPECT_EQ(user.MessageTexts(), std::vector<QString>{c.message});
        // No result of the earlier culvert is left beside the refused inputs.
        ExpectShown(*window, {"", "", "", "CLASS:", "", "", "", "", "", "", "", "", ""});
    }
    // A tailwater depth of 0 is taken.
    window->txtTailwaterDepth->setText("0");
    Culvert().TxtCulvertBarrelLength->setText("50");
    Culvert().TxtKeInlet->setText(" 0.4");
    window->txtDesignQ->setText("240");
    user.shown.clear();
    Compute();
    EXPECT_TRUE(user.shown.empty());
}

TEST_F(PlungeBasinWindow, TypedSizeMessagesNameTheRowCaption) {
    TypeCulvert(Box, "240", "4");
    Culvert().OptBarrelSize[1]->click();
    const struct {
        const char* span;
        const char* message;
    } cases[] = {
        {"", "A value must be entered for Span."},
        {"wide", "The value entered for Span can not be evaluated as a number. Please re-enter "
                 "the Span."},
        {"-4", "The Span must be > 0."},
    };
    for (const auto& c : cases) {
        Culvert().TxtUserSize[0]->setText(c.span);
        Culvert().TxtUserSize[1]->setText("3");
        user.shown.clear();
        Compute();
        EXPECT_EQ(user.MessageTexts(), std::vector<QString>{c.message});
    }
}

// A type without standard sizes or without inlets is refused with a message,
// never read out of range.
TEST_F(PlungeBasinWindow, TypesMissingSizesOrInletsAreRefused) {
    const struct {
        TypePosition type;
        const char* message;
    } cases[] = {
        {Arch, "The culvert type SPA: Steel Pipe-Arch has no VSHA standard sizes. Choose Enter "
               "Barrel Size and enter the barrel size."},
        {Bare, "The culvert type XB: Box without inlets has no inlets in the catalogue."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        TypeCulvert(c.type, "240", "4");
        Culvert().TxtKeInlet->setText("0.5");
        user.shown.clear();
        Compute();
        EXPECT_EQ(user.MessageTexts(), std::vector<QString>{c.message});
        EXPECT_EQ(window->txtAdim->text(), "");
    }
    Culvert().CmboCulvertType->setCurrentIndex(Arch);
    EXPECT_EQ(Culvert().CmboVSHAStandardSize->count(), 0);
    EXPECT_EQ(Culvert().Contents().standardSizeID, CulvertInputContents::NoSelection);
}

TEST_F(PlungeBasinWindow, InitializeCopesWithAnEmptyCatalogue) {
    GlobalVariables::GenDesignCulvertTypes = {{}};
    frmNEPlungeBasin empty(area);
    empty.Initialize();
    EXPECT_EQ(empty.Frame2->CmboCulvertType->count(), 0);
    EXPECT_EQ(empty.Frame2->CmboUserNumBarrels->count(), 3);
    empty.ClearAllData();
    empty.txtDesignQ->setText("240");
    empty.txtTailwaterDepth->setText("4");
    empty.Frame2->TxtInletInvertElevation->setText("100");
    empty.Frame2->TxtOutletInvertElevation->setText("100");
    empty.Frame2->TxtCulvertBarrelLength->setText("50");
    empty.Frame2->TxtManningN->setText("0.012");
    empty.Frame2->TxtKeInlet->setText("0.5");
    empty.cmdCompute->click();
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].title, "ERROR");
    EXPECT_TRUE(user.shown[0].text.startsWith("Subscript out of range (culvert type 0 of 1 to 0)"));
    EXPECT_EQ(empty.txtAdim->text(), "");
}

TEST_F(PlungeBasinWindow, CulvertTypeFillsItsListsCaptionsAndDefaults) {
    CulvertInputBlock& block = Culvert();
    EXPECT_EQ(block.TxtManningN->text(), " 0.012");
    EXPECT_EQ(block.TxtKeInlet->text(), " 0.5");
    EXPECT_EQ(block.OptBarrelSize[1]->text(), "Enter Barrel Size");
    EXPECT_EQ(block.OptBarrelSize[0]->text(), "VSHA Standard Sizes: Concrete Pipe");
    EXPECT_EQ(block.CmboUserNumBarrels->currentText(), "Single");
    EXPECT_TRUE(block.OptBarrelSize[0]->isChecked());
    EXPECT_TRUE(block.FrmBarrelSelection->isHidden());

    block.TxtUserSize[0]->setText("kept");
    block.CmboCulvertType->setCurrentIndex(Box);
    EXPECT_EQ(block.OptBarrelSize[1]->text(), "Enter Barrel Size: (Span x Rise)");
    EXPECT_EQ(block.TxtManningN->text(), " 0.013");
    EXPECT_EQ(block.TxtKeInlet->text(), " 0.4");
    EXPECT_EQ(block.LblUserSize[1]->text(), "Rise");
    EXPECT_EQ(block.LblUnits[1]->text(), "feet");
    EXPECT_FALSE(block.LblUserSize[1]->isHidden());
    EXPECT_TRUE(block.TxtUserSize[2]->isHidden());
    EXPECT_EQ(block.TxtUserSize[0]->text(), "kept");

    block.OptBarrelSize[1]->click();
    EXPECT_FALSE(block.FrmBarrelSelection->isHidden());
    EXPECT_FALSE(block.CmboVSHAStandardSize->isEnabled());
}

TEST_F(PlungeBasinWindow, SetCulvertInletSizeSelectsByIdentifier) {
    CulvertInputBlock& block = Culvert();
    block.SetCulvertInletSize(99, 201, 601); // no such type: nothing changes
    EXPECT_EQ(block.CmboCulvertType->currentIndex(), Pipe);
    block.SetCulvertInletSize(11, 102, 502);
    EXPECT_EQ(block.CmboInletType->currentIndex(), 1);
    EXPECT_EQ(block.TxtKeInlet->text(), " 0.2");
    EXPECT_EQ(block.CmboVSHAStandardSize->currentIndex(), 1);
    block.SetCulvertInletSize(12, 999, 999); // the new type's first inlet and size
    EXPECT_EQ(block.CmboCulvertType->currentIndex(), Box);
    EXPECT_EQ(block.CmboInletType->currentIndex(), 0);
    EXPECT_EQ(block.CmboVSHAStandardSize->currentIndex(), 0);
}

TEST_F(PlungeBasinWindow, ClearAllDataLeavesTheFirstTypeAndEmptyResults) {
    TypeCulvert(Box, "240", "4");
    Culvert().OptBarrelSize[1]->click();
    Culvert().TxtUserSize[0]->setText("4");
    Culvert().TxtUserSize[1]->setText("3");
    Culvert().CmboUserNumBarrels->setCurrentIndex(2);
    Compute();
    // Three barrels of 4 x 3 ft: 80 ft^3/s each, 80 / 12 = 6.67 ft/s, range 0-18.
    ASSERT_EQ(window->txtAdim->text(), "3");
    ASSERT_EQ(window->txtW->text(), "24.0");

    window->ClearAllData();
    const PlungeBasinContents contents = window->Contents();
    EXPECT_EQ(contents.culvert.culvertTypeID, 11);
    EXPECT_EQ(contents.culvert.manningN, " 0.012");
    EXPECT_EQ(contents.culvert.keInlet, " 0.5");
    EXPECT_EQ(contents.culvert.userNumBarrelsText, "Single");
    EXPECT_FALSE(contents.culvert.userSizeOption);
    EXPECT_EQ(contents.culvert.userSizes[0], "");
    EXPECT_EQ(contents.culvert.inletInvertElevation, "");
    EXPECT_EQ(contents.designQ, "");
    EXPECT_EQ(contents.exitVelocity, "");
    EXPECT_EQ(contents.riprapClass, "CLASS:");
    EXPECT_EQ(contents.w, "");
}

TEST_F(PlungeBasinWindow, TailwaterButtonFillsTheDepthOrSaysWhyNot) {
    FakeChannel channel;
    EXPECT_FALSE(window->CmdComputeTWDepths->isEnabled());
    window->SetTailwaterChannel(&channel);
    ASSERT_TRUE(window->CmdComputeTWDepths->isEnabled());

    channel.fault = FakeTailwaterChannel::SlopeFault("You must enter a value for Channel Slope.");
    window->txtTailwaterDepth->setText("1.5");
    window->CmdComputeTWDepths->click();
    EXPECT_TRUE(channel.refused);
    EXPECT_EQ(user.MessageTexts(),
              std::vector<QString>{"You must enter a value for Channel Slope."});
    EXPECT_EQ(window->txtTailwaterDepth->text(), "1.5");
    channel.fault.reset();

    const struct {
        const char* q;
        std::optional<double> depth;
        const char* shown;
        const char* message;
    } cases[] = {
        {"", 2.0, "", "A Design Q is required to compute the Tailwater Depth."},
        {"lots", 2.0, "", "Design Q can not be evaluated as a number. Please re-enter."},
        {"-1", 2.0, "", "Design Q is <=0. Design Q must be > 0."},
        {"1,200", 2.371, "2.37", nullptr},
        {"50000", std::nullopt, "",
         "The tailwater depth could not be found in the channel for this design Q. The "
         "Tailwater Depth is left blank."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.q);
        window->txtDesignQ->setText(c.q);
        window->txtTailwaterDepth->setText("1.5");
        channel.depth = c.depth;
        user.shown.clear();
        window->CmdComputeTWDepths->click();
        EXPECT_EQ(window->txtTailwaterDepth->text(), c.shown);
        if (c.message) {
            EXPECT_EQ(user.MessageTexts(), std::vector<QString>{c.message});
        } else {
            EXPECT_TRUE(user.shown.empty());
            EXPECT_EQ(channel.asked.back(), 1200);
        }
    }
}

TEST_F(PlungeBasinWindow, ClosingHidesTheWindowWithItsContents) {
    window->Display();
    TypeCulvert(Box, "240", "4");
    Compute();
    window->Frame()->close();
    EXPECT_FALSE(window->Frame()->isVisible());
    window->Display();
    EXPECT_TRUE(window->Frame()->isVisible());
    EXPECT_EQ(window->txtTotalLength->text(), "25");
}
