#include "platform/ToolWindow.h"

#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <gtest/gtest.h>

TEST(ToolWindow, UserCloseHidesAndKeepsContentsUntilTheProgramEnds) {
    QMdiArea area;
    area.resize(800, 600);
    area.show();
    ToolWindow window(area, "Tool");
    auto* box = new QLineEdit(&window);
    EXPECT_FALSE(window.Frame()->isVisible());

    window.ShowAndRaise();
    EXPECT_TRUE(window.Frame()->isVisible());
    box->setText("kept");

    EXPECT_FALSE(window.Frame()->close());
    EXPECT_FALSE(window.Frame()->isVisible());
    window.ShowAndRaise();
    EXPECT_EQ(box->text(), "kept");

    ToolWindow::SetProgramEnding(true);
    EXPECT_TRUE(window.Frame()->close());
    ToolWindow::SetProgramEnding(false);
}

TEST(ToolWindow, ShowAndRaiseBringsACoveredWindowToTheFront) {
    QMdiArea area;
    area.resize(800, 600);
    area.show();
    ToolWindow first(area, "First");
    ToolWindow second(area, "Second");
    first.ShowAndRaise();
    second.ShowAndRaise();
    first.ShowAndRaise();
    EXPECT_EQ(area.activeSubWindow(), first.Frame());
}
