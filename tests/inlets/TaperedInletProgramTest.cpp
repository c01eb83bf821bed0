#include "ProgramFixture.h"
#include "inlets/FrmTaperedInletDesign.h"

#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>

// The tool as start-up wires it into the program.
TEST_F(ProgramTest, CulvertMenuShowsTheTaperedInletWindowFillingTheClientArea) {
    FrmTaperedInletDesign* window = windows->taperedInlet;
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->Frame()->isVisible());
    ASSERT_TRUE(main->mnuTaperedInlet->isEnabled());
    EXPECT_EQ(main->mnuTaperedInlet->text(), "Tapered Inlet Design");
    main->mnuTaperedInlet->trigger();
    EXPECT_TRUE(window->Frame()->isVisible());
    EXPECT_EQ(window->Frame()->windowTitle(), "Tapered Inlet Design");
    EXPECT_EQ(window->Frame()->pos(), QPoint(0, 0));
    EXPECT_TRUE(window->CmdSendToPrinter->isEnabled());
    // Closing only hides it; its contents stay.
    window->TxtQAuto->setText("300");
    window->Frame()->close();
    EXPECT_FALSE(window->Frame()->isVisible());
    main->mnuTaperedInlet->trigger();
    EXPECT_EQ(window->TxtQAuto->text(), "300");
    EXPECT_TRUE(user.shown.empty());
}
