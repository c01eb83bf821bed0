#include "KeyboardInput.h"
#include "ProgramFixture.h"
#include "app/FrmSiteIdentification.h"
#include "general_design/FrmGenDesign.h"
#include "platform/FlexGrid.h"

#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using Keyboard = ProgramTest;

using KeyboardInput::CommitCell;
using KeyboardInput::Press;
using KeyboardInput::Type;

// Every typed grid of every window, reached with Tab, is filled from the
// keyboard alone: typing, F2, the arrows, Enter, Ctrl+Home and Space.
TEST_F(Keyboard, EveryTypedGridIsFilledFromTheKeyboardAlone) {
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    QStringList typedGrids;
    for (ToolWindow* tool : main->findChildren<ToolWindow*>()) {
        for (FlexGrid* grid : tool->findChildren<FlexGrid*>()) {
            if (!grid->Editable()) {
                continue;
            }
            const QString name = tool->Frame()->windowTitle();
            SCOPED_TRACE(name.toStdString());
            typedGrids << name;
            tool->ShowAndRaise();
            QApplication::processEvents();
            ASSERT_TRUE(grid->isVisible());
            grid->setFocus(Qt::TabFocusReason);
            ASSERT_EQ(QApplication::focusWidget(), grid);

            const QModelIndex first = grid->currentIndex();
            ASSERT_TRUE(first.isValid());
            EXPECT_EQ(first.row(), grid->FixedRows());
            const int row = first.row();
            const int col = first.column();
            Type("12");
            CommitCell();
            EXPECT_EQ(grid->TextMatrix(row, col), "12");
            Press(Qt::Key_F2);
            Press(Qt::Key_End);
            Type("3");
            CommitCell();
            EXPECT_EQ(grid->TextMatrix(row, col), "123");
            Press(Qt::Key_Down);
            Type("4");
            CommitCell();
            EXPECT_EQ(grid->TextMatrix(row + 1, col), "4");

            Press(Qt::Key_Home, Qt::ControlModifier);
            const QModelIndex home = grid->currentIndex();
            EXPECT_EQ(home, grid->model()->index(grid->FixedRows(), grid->FixedCols()));
            if (home.flags() & Qt::ItemIsUserCheckable) {
                const bool ticked = grid->CellChecked(home.row(), home.column());
                Press(Qt::Key_Space);
                EXPECT_NE(grid->CellChecked(home.row(), home.column()), ticked);
            }
            tool->ShutDown();
        }
    }
    EXPECT_EQ(typedGrids.size(), 4) << typedGrids.join(", ").toStdString();
}

// The titles of the menu bar drawn in the highlight colour, more than half of
// their place.
QStringList HighlightedTitles(QMenuBar& bar) {
    const QImage picture = bar.grab().toImage();
    const QRgb highlight = bar.palette().color(QPalette::Highlight).rgb();
    QStringList titles;
    for (QAction* title : bar.actions()) {
        const QRect place = bar.actionGeometry(title);
        int highlighted = 0;
        for (int y = place.top(); y <= place.bottom(); ++y) {
            for (int x = place.left(); x <= place.right(); ++x) {
                highlighted += picture.pixel(x, y) == highlight;
            }
        }
        if (!place.isEmpty() && 2 * highlighted > place.width() * place.height()) {
            titles << title->text();
        }
    }
    return titles;
}

// Alt, then Left and Right, go along the menu bar with the title reached
// highlighted; Escape leaves the bar with none.
TEST_F(Keyboard, AltAndTheArrowsShowTheTitleTheyReach) {
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    main->mnuIdentification->trigger();
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(HighlightedTitles(*main->menuBar()), QStringList());
    const struct {
        Qt::Key key;
        QStringList highlighted;
    } steps[] = {
        {Qt::Key_Alt, {"File"}},  {Qt::Key_Right, {"Site"}}, {Qt::Key_Right, {"Design-Q's"}},
        {Qt::Key_Left, {"Site"}}, {Qt::Key_Left, {"File"}},  {Qt::Key_Left, {"Help"}},
        {Qt::Key_Escape, {}},
    };
    for (const auto& step : steps) {
        Press(step.key);
        EXPECT_EQ(HighlightedTitles(*main->menuBar()), step.highlighted)
            << QKeySequence(step.key).toString().toStdString();
    }
    EXPECT_TRUE(windows->siteIdentification->isAncestorOf(QApplication::focusWidget()));
}

// Ctrl+F4 hides the active tool window as its close box does; the window
// that was behind it can be closed the same way, and the menu brings either
// back with what was typed into it.
TEST_F(Keyboard, CtrlF4HidesTheActiveToolWindowKeepingItsInputs) {
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    FrmSiteIdentification& site = *windows->siteIdentification;
    FrmGenDesign& design = *windows->genDesign;
    main->mnuIdentification->trigger();
    Type("F-2207");
    main->mnuGeneral->trigger();
    design.TxtManningN->setFocus();
    design.TxtManningN->selectAll();
    Type("0.012");

    Press(Qt::Key_F4, Qt::ControlModifier);
    EXPECT_FALSE(design.Frame()->isVisible());
    EXPECT_TRUE(site.Frame()->isVisible());
    EXPECT_TRUE(user.shown.empty());
    EXPECT_EQ(main->MdiArea().activeSubWindow(), site.Frame());
    ASSERT_TRUE(site.isAncestorOf(QApplication::focusWidget()));
    Press(Qt::Key_F4, Qt::ControlModifier);
    EXPECT_FALSE(site.Frame()->isVisible());

    main->mnuGeneral->trigger();
    main->mnuIdentification->trigger();
    EXPECT_TRUE(design.Frame()->isVisible());
    EXPECT_EQ(design.TxtManningN->text(), "0.012");
    EXPECT_EQ(site.TxtFileNumber->text(), "F-2207");
    EXPECT_EQ(main->MdiArea().activeSubWindow(), site.Frame());
}

} // namespace
