#include "ProjectFixture.h"
#include "app/frmInsertRows.h"
#include "hydrology/FrmVoskRunoffChart.h"
#include "inlets/FrmTaperedInletDesign.h"
#include "riprap_basin/frmHec14RipRap.h"
#include "tailwater/FrmTailWaterCrossSection.h"
#include "tailwater/FrmTailwaterQDepth.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <vector>

namespace {

const QString ExampleProject = TW_EXAMPLE_PROJECT;

const QString OpenQuestion = "Open will clear existing data, and any unsaved data will be lost. "
                             "Would you like to continue with Open?";

// The example project open in a program whose main window takes the keys,
// and another project to open over it.
class UnsavedWork : public ProjectFileTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(ProjectFileTest::SetUp());
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main));
        other = Path("other.twl");
        WriteBytes(other, ProjectFile("\"SITEIDINFO7438579\",3,\"Orlen\"\r\n"));
        Open(ExampleProject);
        ASSERT_TRUE(user.shown.empty());
    }

    // The keys go to `control`, in its window brought to the front.
    static void Focus(QWidget& control) {
        ToolWindow* tool = nullptr;
        for (QObject* up = &control; up && !tool; up = up->parent()) {
            tool = qobject_cast<ToolWindow*>(up);
        }
        ASSERT_NE(tool, nullptr);
        QWidget* top = control.window();
        top->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(top));
        tool->ShowAndRaise();
        QApplication::processEvents();
        control.setFocus(Qt::TabFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), &control);
    }

    // Keys typed at the end of the box's text.
    static void TypeInto(QLineEdit& box, const QString& keys) {
        Focus(box);
        QTest::keyClick(&box, Qt::Key_End);
        QTest::keyClicks(&box, keys);
    }

    // The box's text selected and typed over, key by key.
    static void TypeOver(QLineEdit& box, const QString& text) {
        Focus(box);
        box.selectAll();
        QTest::keyClicks(&box, text);
        EXPECT_EQ(box.text(), text);
    }

    // The grid's Edit menu, which Shift+F10 opens on its rows top to bottom,
    // and its item chosen.
    void ChooseEditItem(FlexGrid& grid, int top, int bottom, QAction* item) {
        Focus(grid);
        grid.SetSelection(top, 1, bottom, grid.Cols() - 1);
        QTest::keyClick(&grid, Qt::Key_F10, Qt::ShiftModifier);
        QMenu& menu = *main->mnuEdit;
        ASSERT_TRUE(menu.isVisible());
        QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(item).center());
        ASSERT_FALSE(menu.isVisible());
    }

    // Insert Rows on the channel's point grid: `count` empty rows after `row`.
    void InsertPointRows(int row, int count) {
        user.modalScripts.push_back([count](QDialog& dialog) {
            auto& insert = static_cast<frmInsertRows&>(dialog);
            insert.txtNumRows->setText(QString::number(count));
            insert.optInsertPoint[1]->click();
            insert.cmdGo[0]->click();
            return insert.result();
        });
        ChooseEditItem(*windows->tailwaterCrossSection->GrdXSection, row, row,
                       main->mnuEditInsertRows);
        EXPECT_TRUE(user.modalScripts.empty());
    }

    // Every text, choice and tick the windows show, with the file and the
    // caption, read without a Save, which would change what Open compares.
    QStringList Shown() const {
        QStringList shown = {GlobalVariables::DataFileName, main->windowTitle()};
        for (const QLineEdit* box : main->findChildren<QLineEdit*>()) {
            shown << box->objectName() + "=" + box->text();
        }
        for (const QComboBox* list : main->findChildren<QComboBox*>()) {
            shown << QString::number(list->currentIndex());
        }
        for (const QAbstractButton* button : main->findChildren<QAbstractButton*>()) {
            shown << QString::number(button->isChecked());
        }
        for (const FlexGrid* grid : main->findChildren<FlexGrid*>()) {
            for (int r = 0; r < grid->Rows(); ++r) {
                for (int c = 0; c < grid->Cols(); ++c) {
                    shown << grid->TextMatrix(r, c) + QString::number(grid->CellChecked(r, c));
                }
            }
        }
        return shown;
    }

    QString other;
};

struct Work {
    const char* name;
    std::function<void()> act;
    bool asks;
};

} // namespace

// Whatever changes what a Save would write is work that Open asks about, and
// nothing else is: a Compute counts for the results it changes, a row inserted
// for the points it moves.
TEST_F(UnsavedWork, OpenAsksWhenASaveWouldWriteSomethingElseAndOnlyThen) {
    StartUpMod::LoadedWindows& w = *windows;
    const std::vector<Work> cases = {
        {"a key typed into a box", [this, &w] { TypeInto(*w.siteIdentification->TxtStream, "s"); },
         true},
        {"a key typed and taken back",
         [this, &w] {
             TypeInto(*w.siteIdentification->TxtStream, "s");
             QTest::keyClick(w.siteIdentification->TxtStream, Qt::Key_Backspace);
             EXPECT_FALSE(w.siteIdentification->TxtStream->text().isEmpty());
         },
         false},
        {"a box typed over with its own text, which cleared the results from it",
         [this, &w] {
             QLineEdit& slope = *w.tailwaterCrossSection->TxtChannelSlope;
             TypeOver(slope, slope.text());
         },
         true},
        {"a box typed over with its own text",
         [this, &w] {
             QLineEdit& county = *w.siteIdentification->TxtCounty;
             TypeOver(county, county.text());
         },
         false},
        {"a paste into a grid",
         [this, &w] {
             FlexGrid& grid = *w.tailwaterCrossSection->GrdXSection;
             Focus(grid);
             grid.SetSelection(2, 1, 2, 1);
             QGuiApplication::clipboard()->setText("16");
             QTest::keyClick(&grid, Qt::Key_V, Qt::ControlModifier);
             EXPECT_EQ(grid.TextMatrix(2, 1), "16");
         },
         true},
        {"a Compute after a Save of its changed input",
         [this, &w] {
             TypeOver(*w.riprapBasin->txtDesignQ, "500");
             SaveAs(Path("input changed.twl"));
             EXPECT_TRUE(w.riprapBasin->txtd50->text().isEmpty());
             w.riprapBasin->cmdCompute->click();
             EXPECT_FALSE(w.riprapBasin->txtd50->text().isEmpty());
             EXPECT_EQ(user.MessageTexts(), std::vector<QString>());
         },
         true},
        {"a Compute that gives again the results saved",
         [this, &w] {
             TypeOver(*w.riprapBasin->txtDesignQ, "500");
             w.riprapBasin->cmdCompute->click();
             SaveAs(Path("computed.twl"));
             w.riprapBasin->cmdCompute->click();
         },
         false},
        {"a design marked with Space",
         [this, &w] {
             FlexGrid& grid = *w.taperedInlet->GrdAutoResults;
             Focus(grid);
             const int marked = w.taperedInlet->GetDesignSelectRow();
             grid.SetSelection(marked + 1, grid.Cols() - 1, marked + 1, grid.Cols() - 1);
             QTest::keyClick(&grid, Qt::Key_Space);
             EXPECT_EQ(w.taperedInlet->GetDesignSelectRow(), marked + 1);
         },
         true},
        {"a land use chosen",
         [&w] {
             QComboBox& list = *w.voskRunoffChart->Cmbo_VRC_LU;
             list.setCurrentIndex((list.currentIndex() + 1) % list.count());
         },
         true},
        {"an empty row inserted between points", [this] { InsertPointRows(3, 1); }, true},
        {"empty rows inserted below the last point", [this] { InsertPointRows(12, 2); }, false},
        {"a point row deleted",
         [this, &w] {
             user.answers.push_back(true);
             ChooseEditItem(*w.tailwaterCrossSection->GrdXSection, 5, 5, main->mnuEditDeleteRows);
             EXPECT_TRUE(user.answers.empty());
         },
         true},
        {"every window shown",
         [this] {
             for (QAction* title : main->menuBar()->actions()) {
                 if (title->menu() == main->mnuFile || title->menu() == main->mnuHelp) {
                     continue;
                 }
                 for (QAction* item : title->menu()->actions()) {
                     item->trigger();
                 }
             }
             QApplication::processEvents();
         },
         false},
        {"cells gone to and selected",
         [this, &w] {
             FlexGrid& grid = *w.tailwaterCrossSection->GrdXSection;
             Focus(grid);
             QTest::keyClick(&grid, Qt::Key_Down);
             QTest::keyClick(&grid, Qt::Key_Right);
             grid.SetSelection(2, 1, 6, 2);
             grid.SetSelection(3, 2, 3, 2);
         },
         false},
    };
    for (const Work& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(OpenAnsweringYes(ExampleProject)) << "asked over a project just opened";
        ASSERT_TRUE(user.shown.empty());
        c.act();
        EXPECT_EQ(OpenAnsweringYes(other), c.asks);
        ExpectCurrentFile(other);
        EXPECT_EQ(site->TxtCounty->text(), "Orlen");
        user.shown.clear();
    }
}

// The question is New's own, for Open, and comes once the file has passed its
// checks; No leaves the windows, the file name and the caption as they were.
TEST_F(UnsavedWork, NoLeavesTheProjectAsItWasAndYesOpensTheFile) {
    TypeInto(*site->TxtStream, " Fork");
    const QStringList before = Shown();

    user.answers = {false};
    Open(other);
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].kind, "question");
    EXPECT_EQ(user.shown[0].text, OpenQuestion);
    EXPECT_EQ(user.shown[0].title, "Confirm Open");
    EXPECT_TRUE(user.shown[0].defaultYes);
    EXPECT_TRUE(user.fileNames.empty());
    EXPECT_EQ(Shown(), before);
    ExpectCurrentFile(ExampleProject);

    // The work is still unsaved: the next Open asks again, and Yes opens.
    user.shown.clear();
    EXPECT_TRUE(OpenAnsweringYes(other));
    ASSERT_EQ(user.shown.size(), 1u);
    ExpectCurrentFile(other);
    EXPECT_EQ(site->TxtCounty->text(), "Orlen");
    EXPECT_TRUE(site->TxtStream->text().isEmpty());
}

// Cancel in the file dialog and a file refused by its checks clear nothing,
// so they ask nothing, whatever the windows hold.
TEST_F(UnsavedWork, ACancelledDialogAndARefusedFileAskNothing) {
    TypeInto(*site->TxtStream, " Fork");
    const QStringList before = Shown();
    const QString notes = Path("notes.txt");
    WriteBytes(notes, "\"Culvert notes\"\r\n\"ENGLISHUNITS\"\r\n");
    const QString empty = Path("empty.twl");
    WriteBytes(empty, "");
    const QString cut = Path("cut.twl");
    WriteBytes(cut, "\"TARNWELLSOFTWAREVSHACHS\"\r\n");

    user.fileNames = {std::nullopt, notes, std::nullopt, empty, cut};
    for (int open = 0; open < 4; ++open) {
        main->mnuFileOpen->trigger();
    }
    EXPECT_TRUE(user.fileNames.empty());
    for (const auto& shown : user.shown) {
        EXPECT_EQ(shown.kind, "message") << shown.text.toStdString();
    }
    EXPECT_EQ(user.MessageTexts().size(), 3u);
    EXPECT_EQ(Shown(), before);
}

// After a start-up, New, Open or Save the windows hold what was last saved,
// and Open asks nothing; a Save that failed leaves the work unsaved.
TEST_F(UnsavedWork, AfterStartUpNewOpenOrSaveNothingIsAsked) {
    const QString lossy = Path("lossy.twl");
    WriteBytes(lossy, ProjectFile("\"SITEIDINFO7438579\",42,\"unknown item\"\r\n"));
    const std::vector<Work> cases = {
        {"Save As", [this] { SaveAs(Path("saved as.twl")); }, false},
        {"Save to the file open",
         [this] {
             SaveAs(Path("first.twl"));
             TypeInto(*site->TxtDesigner, "J. Doe");
             main->mnuFileSave->trigger();
             EXPECT_TRUE(user.fileNames.empty());
         },
         false},
        {"New", [this] { New(); }, false},
        {"Open of a file whose records a Save would lose",
         [this, lossy] {
             EXPECT_TRUE(OpenAnsweringYes(lossy));
             EXPECT_EQ(user.MessageTexts().size(), 1u);
             ExpectCurrentFile("");
         },
         false},
        {"a failed Save As",
         [this] {
             SaveAs(Path("no such folder/site.twl"));
             EXPECT_EQ(user.MessageTexts().size(), 1u);
         },
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        OpenAnsweringYes(ExampleProject);
        TypeInto(*site->TxtStream, " Fork");
        c.act();
        user.shown.clear();
        EXPECT_EQ(OpenAnsweringYes(other), c.asks);
        ExpectCurrentFile(other);
    }
}

using JustStarted = ProjectFileTest;

// A program just started holds nothing to lose, whichever window was shown.
TEST_F(JustStarted, OpenAsksNothing) {
    main->mnuIdentification->trigger();
    main->mnuGeneral->trigger();
    const QString path = Path("site.twl");
    WriteBytes(path, ProjectFile("\"SITEIDINFO7438579\",3,\"Orlen\"\r\n"));
    Open(path);
    EXPECT_TRUE(user.shown.empty());
    ExpectCurrentFile(path);
}
