#include "ProgramFixture.h"
#include "app/FrmAbout.h"
#include "app/FrmSiteIdentification.h"
#include "app/GlobalVariables.h"
#include "app/MDIFrmMain.h"
#include "general_design/FrmGenDesign.h"
#include "main/StartUpSequence.h"
#include "platform/FlexGrid.h"
#include "platform/HelpPages.h"
#include "platform/ToolWindow.h"
#include "platform/WaitCursor.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using MainWindow = ProgramTest;

TEST_F(MainWindow, FileNewAsksWithYesAsDefaultAndNoKeepsEverything) {
    windows->siteIdentification->TxtStream->setText("Salt Creek");
    GlobalVariables::DataFileName = "/tmp/a.twl";
    main->SetCaptionForFile(GlobalVariables::DataFileName);

    user.answers = {false};
    main->mnuNew->trigger();
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].text, "New will clear existing data, and any unsaved data will be "
                                  "lost. Would you like to continue with New?");
    EXPECT_EQ(user.shown[0].title, "Confirm New");
    EXPECT_TRUE(user.shown[0].defaultYes);
    EXPECT_EQ(windows->siteIdentification->TxtStream->text(), "Salt Creek");
    EXPECT_EQ(main->windowTitle(), "Tarnwell v2.00, U.S. Units//tmp/a.twl");

    user.answers = {true};
    main->mnuNew->trigger();
    EXPECT_TRUE(windows->siteIdentification->TxtStream->text().isEmpty());
    EXPECT_EQ(main->windowTitle(), "Tarnwell v2.00, U.S. Units/");
}

TEST_F(MainWindow, ExitAndTheCloseBoxAskWithNoAsDefault) {
    const QString question =
        "Are you sure you want to Exit Tarnwell?\nDATA NOT SAVED TO A FILE WILL BE LOST.";
    user.answers = {false, false};
    main->mnuExit->trigger();
    EXPECT_FALSE(main->close());
    EXPECT_TRUE(main->isVisible());
    ASSERT_EQ(user.shown.size(), 2u);
    for (const auto& shown : user.shown) {
        EXPECT_EQ(shown.text, question);
        EXPECT_EQ(shown.title, "Confirm Program Exit");
        EXPECT_FALSE(shown.defaultYes);
    }

    // Yes from the close box ends the program without a second question, even
    // with a tool window shown.
    windows->siteIdentification->StartUp();
    user.answers = {true};
    EXPECT_TRUE(main->close());
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(ToolWindow::ProgramEnding());
    EXPECT_EQ(user.shown.size(), 3u);
}

TEST_F(MainWindow, FileExitYesEndsTheProgram) {
    user.answers = {true};
    main->mnuExit->trigger();
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(ToolWindow::ProgramEnding());
}

TEST_F(MainWindow, EveryMenuItemHasItsWindowOrCommand) {
    for (QMenu* menu : {main->mnuFile, main->mnuSite, main->mnuRunoff, main->mnuTailwater,
                        main->mnuDesign, main->mnuErosion, main->mnuHelp}) {
        for (QAction* item : menu->actions()) {
            if (!item->isSeparator()) {
                EXPECT_TRUE(item->isEnabled()) << item->text().toStdString();
            }
        }
    }
}

TEST_F(MainWindow, AboutIsModalWithTheDisclaimerAndThePointerBackToNormal) {
    bool pointerNormal = false;
    QString caption;
    QString disclaimer;
    user.modalScripts.push_back([&](QDialog& dialog) {
        auto& about = static_cast<FrmAbout&>(dialog);
        pointerNormal = !WaitCursor::IsShown();
        caption = about.windowTitle();
        disclaimer = about.Text1->toPlainText();
        about.CmdOK_Click();
        return int(QDialog::Accepted);
    });
    main->mnuAbout->trigger();
    EXPECT_EQ(user.modalCount, 1);
    EXPECT_TRUE(pointerNormal);
    EXPECT_EQ(caption, "About");
    EXPECT_TRUE(disclaimer.startsWith("Disclaimer:\n\n"));
    EXPECT_TRUE(disclaimer.contains("warranty"));
    EXPECT_FALSE(WaitCursor::IsShown());
}

TEST_F(MainWindow, OnlineHelpOpensThePagesOrSaysTheyAreMissing) {
    QTemporaryDir dir;
    QString page = dir.filePath("index.html");
    main->SetHelpFile(page);
    main->mnuOnLineHelp->trigger();
    ASSERT_EQ(user.MessageTexts().size(), 1u);
    EXPECT_EQ(user.MessageTexts()[0], "The help file " + page + " could not be found.");
    EXPECT_EQ(HelpPages::ShownPage(), "");

    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    main->mnuOnLineHelp->trigger();
    EXPECT_EQ(HelpPages::ShownPage(), page);
    EXPECT_EQ(user.MessageTexts().size(), 1u);
}

TEST_F(MainWindow, F1InAToolWindowOpensItsOwnShippedHelpPage) {
    struct Case {
        ToolWindow* window;
        QWidget* focus;
        QString page;
    };
    const Case cases[] = {
        {windows->siteIdentification, windows->siteIdentification->TxtCounty,
         "site_identification.html"},
        {windows->genDesign, windows->genDesign->TxtManningN, "general_culvert_design.html"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page.toStdString());
        c.window->ShowAndRaise();
        c.focus->setFocus();
        QTest::keyClick(c.focus, Qt::Key_F1);
        EXPECT_TRUE(user.MessageTexts().empty());
        EXPECT_EQ(HelpPages::ShownPage(), HelpPages::Path(c.page));
    }
}

TEST_F(MainWindow, OpeningTheFileMenuKeepsACellStillBeingTyped) {
    FrmGenDesign& design = *windows->genDesign;
    design.StartUp();
    main->activateWindow();
    FlexGrid& grid = *design.GrdDesignQs;
    grid.setFocus();
    grid.setCurrentCell(1, 3);
    grid.editItem(grid.item(1, 3));
    QApplication::processEvents();
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    editor->setText("150");
    EXPECT_TRUE(grid.TextMatrix(1, 3).isEmpty());

    emit main->mnuFile->aboutToShow();
    EXPECT_EQ(grid.TextMatrix(1, 3), "150");
}
