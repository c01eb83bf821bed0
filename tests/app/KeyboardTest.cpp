#include "KeyboardInput.h"
#include "ProgramFixture.h"
#include "TabStops.h"
#include "app/FrmAbout.h"
#include "app/FrmSiteIdentification.h"
#include "app/frmInsertRows.h"
#include "app/frmSelectPrinter.h"
#include "general_design/FrmGenDesign.h"
#include "inlets/FrmDropInletDesign.h"
#include "outlet_protection/frmNEScourDesignPlot.h"
#include "platform/FlexGrid.h"
#include "platform/HelpPages.h"
#include "platform/HelpWindow.h"
#include "tailwater/FrmTailwaterQDepth.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <vector>

namespace {

// The program, its main window taking the keys.
class Keyboard : public ProgramTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(ProgramTest::SetUp());
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    }

    struct Command {
        const char* name;
        std::function<void()> run;
    };
    // File New, and File Open of the project as the program started: each
    // checks every window's first options again. The project is saved here.
    // Both come after the arrows checked another option, work not saved, so
    // Open asks first too.
    std::vector<Command> NewAndOpenAsStarted() {
        const QString unchanged = dir_.filePath("unchanged.twl");
        user.fileNames.push_back(unchanged);
        main->mnuFileSaveAs->trigger();
        EXPECT_TRUE(QFile::exists(unchanged));
        return {{"File New",
                 [this] {
                     user.answers.push_back(true);
                     main->mnuNew->trigger();
                 }},
                {"File Open", [this, unchanged] {
                     user.answers.push_back(true);
                     user.fileNames.push_back(unchanged);
                     main->mnuFileOpen->trigger();
                     EXPECT_TRUE(user.answers.empty()) << "Open did not ask";
                 }}};
    }

private:
    QTemporaryDir dir_;
};

// The checked option of a group, or none.
QRadioButton* CheckedOption(const std::vector<QRadioButton*>& options) {
    const auto checked = std::find_if(options.begin(), options.end(),
                                      [](QRadioButton* option) { return option->isChecked(); });
    return checked == options.end() ? nullptr : *checked;
}

using KeyboardInput::CommitCell;
using KeyboardInput::Press;
using KeyboardInput::Type;

// Every typed grid of every window, reached with Tab, is filled from the
// keyboard alone: typing, F2, the arrows, Enter, Ctrl+Home and Space; Tab and
// Shift+Tab keep the typing and go on from cell to cell, and past the first
// cell, or with no typing since the grid took the focus, leave the grid.
TEST_F(Keyboard, EveryTypedGridIsFilledFromTheKeyboardAlone) {
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

            grid->SetSelection(row, col, row, col);
            Type("5");
            Press(Qt::Key_Tab);
            EXPECT_EQ(grid->TextMatrix(row, col), "5");
            const QModelIndex next = grid->currentIndex();
            EXPECT_NE(next, first);
            Type("6");
            Press(Qt::Key_Backtab);
            EXPECT_EQ(grid->TextMatrix(next.row(), next.column()), "6");
            EXPECT_EQ(grid->currentIndex(), first);
            // The run of Tabs goes on back over any cell before the first
            // typed one (General Design's Use tick), then out of the grid.
            for (int cell = 0; cell < 3 && QApplication::focusWidget() == grid; ++cell) {
                Press(Qt::Key_Backtab);
            }
            EXPECT_NE(QApplication::focusWidget(), grid);
            Press(Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), grid);
            tool->ShutDown();
        }
    }
    EXPECT_EQ(typedGrids.size(), 4) << typedGrids.join(", ").toStdString();
}

// Each stop that Tab reaches in every window shows that it has the focus: no
// read-only note or other control that the eye cannot find the focus on. The
// dialogs open with their focus shown on the control that has it.
TEST_F(Keyboard, EveryTabStopOfEveryWindowShowsItsFocus) {
    const auto expectEveryStopShown = [](const QString& window) {
        SCOPED_TRACE(window.toStdString());
        EXPECT_EQ(TabStops::ShowingNoFocus().join(", ").toStdString(), "");
    };
    for (ToolWindow* tool : main->findChildren<ToolWindow*>()) {
        tool->ShowAndRaise();
        QApplication::processEvents();
        ASSERT_TRUE(tool->isAncestorOf(QApplication::focusWidget()))
            << tool->Frame()->windowTitle().toStdString();
        expectEveryStopShown(tool->Frame()->windowTitle());
        tool->ShutDown();
    }

    main->mnuOnLineHelp->trigger();
    HelpWindow* help = HelpPages::Window();
    ASSERT_TRUE(KeyboardInput::WaitTakesKeys(*help));
    expectEveryStopShown(help->windowTitle());
    help->close();

    frmNEScourDesignPlot& plot = *windows->scourHolePlot;
    plot.show();
    plot.activateWindow();
    ASSERT_TRUE(KeyboardInput::WaitTakesKeys(plot));
    expectEveryStopShown(plot.windowTitle());
    plot.hide();

    struct Dialog {
        std::function<void()> open;
        std::function<QWidget*(QDialog&)> opensOn;
    };
    const Dialog dialogs[] = {
        {[this] { main->mnuAbout->trigger(); },
         [](QDialog& d) { return static_cast<FrmAbout&>(d).CmdOK; }},
        {[this] { main->mnuSelectPrinter->trigger(); },
         [](QDialog& d) { return static_cast<frmSelectPrinter&>(d).cboPrinters; }},
        {[this] { frmInsertRows::StartUp(*windows->genDesign->GrdDesignQs); },
         [](QDialog& d) { return static_cast<frmInsertRows&>(d).txtNumRows; }},
    };
    for (const Dialog& dialog : dialogs) {
        user.modalScripts.push_back([&](QDialog& box) {
            SCOPED_TRACE(box.windowTitle().toStdString());
            box.show();
            box.activateWindow();
            EXPECT_TRUE(KeyboardInput::WaitTakesKeys(box));
            QWidget* opening = dialog.opensOn(box);
            EXPECT_EQ(QApplication::focusWidget(), opening);
            EXPECT_TRUE(TabStops::ShowsFocus(*opening));
            expectEveryStopShown(box.windowTitle());
            box.hide();
            return int(QDialog::Rejected);
        });
        dialog.open();
    }
    EXPECT_EQ(user.modalCount, 3);
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

// File New and File Open check another option of a group than the one the
// keyboard picked: the focus goes with the check, so that the arrow keys go on
// from the option checked, whether the window stayed in front meanwhile or
// comes back to the front from its menu.
TEST_F(Keyboard, TheArrowKeysGoOnFromTheOptionThatNewOrOpenChecked) {
    const std::vector<Command> commands = NewAndOpenAsStarted();
    const auto& qDepth = windows->tailwaterQDepth->OptQElevCalc;
    const auto& weir = windows->dropInlet->OptWeirCalc;
    const struct {
        QAction* menu;
        std::vector<QRadioButton*> options;
    } groups[] = {
        {main->mnuTailwaterQDepth, {qDepth.begin(), qDepth.end()}},
        {main->mnuDropInlet, {weir.begin(), weir.end()}},
    };
    for (const auto& group : groups) {
        group.menu->trigger();
        QRadioButton* const opening = CheckedOption(group.options);
        ASSERT_NE(opening, nullptr);
        for (const auto& command : commands) {
            for (const bool otherWindowInFront : {false, true}) {
                SCOPED_TRACE(opening->text().toStdString() + ", " + command.name +
                             (otherWindowInFront ? ", another window in front" : ""));
                group.menu->trigger();
                opening->click();
                opening->setFocus(Qt::TabFocusReason);
                Press(Qt::Key_Down);
                QRadioButton* const below = CheckedOption(group.options);
                ASSERT_NE(below, opening);
                Press(Qt::Key_Down);
                ASSERT_NE(CheckedOption(group.options), below);
                ASSERT_EQ(QApplication::focusWidget(), CheckedOption(group.options));
                if (otherWindowInFront) {
                    main->mnuIdentification->trigger();
                }

                command.run();
                group.menu->trigger();
                EXPECT_TRUE(opening->isChecked());
                EXPECT_EQ(QApplication::focusWidget(), opening);
                Press(Qt::Key_Down);
                EXPECT_TRUE(below->isChecked());
            }
        }
    }
    EXPECT_EQ(user.MessageTexts(), std::vector<QString>());
}

// The option groups of a window: options that exclude each other by their parent.
std::vector<std::vector<QRadioButton*>> OptionGroups(QWidget& window) {
    std::map<QWidget*, std::vector<QRadioButton*>> byParent;
    for (QRadioButton* option : window.findChildren<QRadioButton*>()) {
        if (option->autoExclusive() && !option->group()) {
            byParent[option->parentWidget()].push_back(option);
        }
    }
    std::vector<std::vector<QRadioButton*>> groups;
    for (auto& [parent, options] : byParent) {
        groups.push_back(options);
    }
    return groups;
}

bool TakesTab(const QWidget& control) {
    return control.isVisible() && control.isEnabled() && control.focusPolicy() != Qt::NoFocus &&
           control.focusPolicy() != Qt::ClickFocus;
}

// The designed Tab order of a window from `first`: its controls in their focus
// chain, an option group as one stop, its checked option, where it stands.
QWidgetList DesignedTabOrder(QWidget& window, QWidget& first) {
    QWidgetList order;
    QWidget* control = &first;
    do {
        auto* option = qobject_cast<QRadioButton*>(control);
        const bool stop = option ? option->isChecked() && TakesTab(*option) : TakesTab(*control);
        if (stop && window.isAncestorOf(control)) {
            order << control;
        }
        control = control->nextInFocusChain();
    } while (control != &first);
    return order;
}

// The stops that Tab reaches from `first`, once round.
QWidgetList TabPass(QWidget& first, int mostPresses = 100) {
    QWidgetList stops{&first};
    for (int presses = 0; presses < mostPresses; ++presses) {
        Press(Qt::Key_Tab);
        QWidget* reached = QApplication::focusWidget();
        if (reached == &first) {
            return stops;
        }
        stops << reached;
    }
    ADD_FAILURE() << "Tab does not come back to " << TabStops::Describe(first).toStdString();
    return stops;
}

std::string Described(const QWidgetList& stops) {
    QStringList names;
    for (const QWidget* stop : stops) {
        names << TabStops::Describe(*stop);
    }
    return names.join(", ").toStdString();
}

// An option chosen from the keyboard, then File New or File Open choosing
// another: Tab reaches the option group once, at its place, in the first
// pass as in every later one, in every option group of every window.
TEST_F(Keyboard, AfterNewOrOpenTabReachesEveryOptionGroupAtItsPlace) {
    const std::vector<Command> commands = NewAndOpenAsStarted();
    int groupsTried = 0;
    for (ToolWindow* tool : main->findChildren<ToolWindow*>()) {
        for (const std::vector<QRadioButton*>& group : OptionGroups(*tool)) {
            for (const auto& command : commands) {
                SCOPED_TRACE(tool->Frame()->windowTitle().toStdString() + ", " +
                             group[0]->text().toStdString() + ", " + command.name);
                tool->ShowAndRaise();
                QApplication::processEvents();
                QRadioButton* const opening = CheckedOption(group);
                ASSERT_NE(opening, nullptr);
                opening->setFocus(Qt::TabFocusReason);
                Press(Qt::Key_Down);
                ASSERT_FALSE(opening->isChecked()) << "the arrow chose no other option";
                // On to the next control, as the user goes on typing.
                Press(Qt::Key_Tab);

                command.run();
                tool->ShowAndRaise();
                QApplication::processEvents();
                ASSERT_TRUE(opening->isChecked());
                // From the window's first control that is no option.
                QWidget* first = tool->nextInFocusChain();
                while (qobject_cast<QRadioButton*>(first) || !TakesTab(*first) ||
                       !tool->isAncestorOf(first)) {
                    first = first->nextInFocusChain();
                }
                first->setFocus(Qt::TabFocusReason);
                const std::string designed = Described(DesignedTabOrder(*tool, *first));
                EXPECT_EQ(Described(TabPass(*first)), designed);
                EXPECT_EQ(Described(TabPass(*first)), designed);
                ++groupsTried;
            }
        }
    }
    // Runoff chart, General Design, Drop Inlet, Q - Depth, plunge and riprap basin.
    EXPECT_EQ(groupsTried, 2 * 6);
    EXPECT_EQ(user.MessageTexts(), std::vector<QString>());
}

} // namespace
