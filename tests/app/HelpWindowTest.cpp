#include "platform/HelpWindow.h"
#include "KeyboardInput.h"
#include "ProgramFixture.h"
#include "app/FrmSiteIdentification.h"
#include "app/MDIFrmMain.h"
#include "app/MainFrm.h"
#include "general_design/FrmGenDesign.h"
#include "hydrology/FrmUSGSRegression.h"
#include "hydrology/FrmVoskRunoffChart.h"
#include "hydrology/frmUSGSMavo1987.h"
#include "inlets/FrmDropInletDesign.h"
#include "inlets/FrmTaperedInletDesign.h"
#include "main/StartUpSequence.h"
#include "outlet_protection/frmNEPlungeBasin.h"
#include "outlet_protection/frmScourHoleDesign.h"
#include "platform/HelpPages.h"
#include "platform/Screen.h"
#include "riprap_basin/frmHec14RipRap.h"
#include "standard_designs/FrmVSHAStandardDesigns.h"
#include "tailwater/FrmTailWaterCrossSection.h"
#include "tailwater/FrmTailWaterRatingCurve.h"
#include "tailwater/FrmTailwaterQDepth.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

using HelpWindowTest = ProgramTest;

// Clicks the link whose text is `text` in the page shown, as the user does.
void ClickLink(QTextBrowser& browser, const QString& text) {
    QTextCursor link = browser.document()->find(text);
    ASSERT_FALSE(link.isNull()) << text.toStdString();
    link.setPosition(link.selectionStart() + 1);
    browser.setTextCursor(link);
    browser.ensureCursorVisible();
    QTest::mouseClick(browser.viewport(), Qt::LeftButton, {}, browser.cursorRect(link).center());
}

TEST_F(HelpWindowTest, OnlineHelpOpensTheContentsWhoseLinksBackAndForwardWork) {
    main->mnuOnLineHelp->trigger();
    HelpWindow* help = HelpPages::Window();
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
    EXPECT_EQ(help->Page(), HelpPages::Path("index.html"));
    EXPECT_EQ(help->windowTitle(), QString::fromUtf8("Tarnwell V2.0 — User Guide"));
    EXPECT_FALSE(help->CmdBack->isEnabled());
    EXPECT_FALSE(help->CmdForward->isEnabled());

    ClickLink(*help->Browser, "Drop Inlet Design");
    EXPECT_EQ(help->Page(), HelpPages::Path("drop_inlet_design.html"));
    EXPECT_EQ(help->windowTitle(), QString::fromUtf8("Tarnwell V2.0 — Drop Inlet Design"));

    help->CmdBack->click();
    EXPECT_EQ(help->Page(), HelpPages::Path("index.html"));
    ASSERT_TRUE(help->CmdForward->isEnabled());
    help->CmdForward->click();
    EXPECT_EQ(help->Page(), HelpPages::Path("drop_inlet_design.html"));
    help->CmdContents->click();
    EXPECT_EQ(help->Page(), HelpPages::Path("index.html"));
    EXPECT_EQ(help->windowTitle(), QString::fromUtf8("Tarnwell V2.0 — User Guide"));
    EXPECT_TRUE(user.MessageTexts().empty());

    // One window serves the program: asking again brings the same one back.
    help->close();
    main->mnuOnLineHelp->trigger();
    EXPECT_EQ(HelpPages::Window(), help);
    EXPECT_EQ(HelpPages::ShownPage(), HelpPages::Path("index.html"));
}

// Escape closes the help window, whether the page or a button has the focus.
TEST_F(HelpWindowTest, EscapeClosesTheHelpWindow) {
    main->mnuOnLineHelp->trigger();
    HelpWindow* help = HelpPages::Window();
    ASSERT_NE(help, nullptr);
    for (QWidget* focus :
         {static_cast<QWidget*>(help->Browser), static_cast<QWidget*>(help->CmdContents)}) {
        main->mnuOnLineHelp->trigger();
        ASSERT_TRUE(KeyboardInput::WaitTakesKeys(*help));
        focus->setFocus();
        KeyboardInput::Press(Qt::Key_Escape);
        EXPECT_FALSE(help->isVisible()) << focus->metaObject()->className();
    }
}

// The help window opens with room all round it for a window manager's frame
// (40 pixels a side), so its title bar and bottom edge stay on the screen: a
// laptop's work area above a task bar takes it whole, a small one shrinks it.
TEST_F(HelpWindowTest, TheHelpWindowOpensWhollyOnTheWorkArea) {
    const struct {
        QRect workPixels;
        QSize expected;
    } cases[] = {
        {QRect(0, 0, 1366, 728), QSize(760, 560)}, // 1366 x 768 less a 40-pixel task bar
        {QRect(0, 30, 800, 540), QSize(720, 460)}, // 800 - 80 by 540 - 80
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.workPixels.height());
        const QRect w = c.workPixels;
        Screen::Geometry screen{QRect(static_cast<int>(Screen::PixelsToTwipsX(w.x())),
                                      static_cast<int>(Screen::PixelsToTwipsY(w.y())),
                                      static_cast<int>(Screen::PixelsToTwipsX(w.width())),
                                      static_cast<int>(Screen::PixelsToTwipsY(w.height()))),
                                static_cast<int>(Screen::PixelsToTwipsX(w.width()))};
        Screen::SetForTests(&screen);
        delete HelpPages::Window();
        main->mnuOnLineHelp->trigger();
        Screen::SetForTests(nullptr);
        HelpWindow* help = HelpPages::Window();
        ASSERT_NE(help, nullptr);
        EXPECT_EQ(help->size(), c.expected);
        EXPECT_TRUE(w.adjusted(40, 40, -40, -40).contains(help->geometry()))
            << help->x() << ", " << help->y();
    }
}

TEST_F(HelpWindowTest, F1InEveryToolWindowOpensItsPage) {
    const struct {
        ToolWindow* window;
        const char* page;
    } cases[] = {
        {windows->siteIdentification, "site_identification.html"},
        {windows->voskRunoffChart, "vosk_runoff_chart.html"},
        {windows->usgsRegression, "usgs_yuld_2001.html"},
        {windows->usgsMavo1987, "usgs_mavo_1987.html"},
        {windows->tailwaterCrossSection, "channel_cross_section.html"},
        {windows->tailwaterRatingCurve, "rating_curve.html"},
        {windows->tailwaterQDepth, "tailwater_q_depth.html"},
        {windows->standardDesigns, "vsha_standard_designs.html"},
        {windows->taperedInlet, "tapered_inlet_design.html"},
        {windows->dropInlet, "drop_inlet_design.html"},
        {windows->genDesign, "general_culvert_design.html"},
        {windows->scourHole, "ne_scour_hole_design.html"},
        {windows->plungeBasin, "ne_plunge_basin_design.html"},
        {windows->riprapBasin, "hec14_riprap_basin_design.html"},
        {windows->mainFrm, "index.html"}, // the developer's window has no page of its own
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.page);
        if (HelpWindow* help = HelpPages::Window()) {
            help->close();
        }
        c.window->ShowAndRaise();
        // The first control that takes the focus, whatever its kind.
        QWidget* focus = c.window->nextInFocusChain();
        while (focus != c.window && !(focus->focusPolicy() & Qt::TabFocus)) {
            focus = focus->nextInFocusChain();
        }
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_F1);
        EXPECT_EQ(HelpPages::ShownPage(), HelpPages::Path(c.page));
        c.window->ShutDown();
    }
    EXPECT_TRUE(user.MessageTexts().empty());
}

TEST(HelpPagesShipped, EveryLinkOfEveryPageLeadsToAFileThatExists) {
    const QDir folder(QFileInfo(HelpPages::Path("index.html")).absolutePath());
    const QStringList pages = folder.entryList({"*.html"}, QDir::Files);
    EXPECT_GE(pages.size(), 15); // the contents and a page per tool window
    static const QRegularExpression link(R"re((?:href|src)\s*=\s*"([^"]*)")re");
    int links = 0;
    for (const QString& page : pages) {
        QFile file(folder.filePath(page));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page.toStdString();
        const QString html = QString::fromUtf8(file.readAll());
        const QUrl base = QUrl::fromLocalFile(folder.filePath(page));
        for (auto match = link.globalMatch(html); match.hasNext();) {
            const QUrl target = base.resolved(QUrl(match.next().captured(1)));
            ASSERT_TRUE(target.isLocalFile())
                << page.toStdString() << ": " << target.toString().toStdString();
            EXPECT_TRUE(QFileInfo::exists(target.toLocalFile()))
                << page.toStdString() << " links to " << target.toString().toStdString();
            ++links;
        }
    }
    EXPECT_GT(links, pages.size()); // every page links at least to its style sheet
}

} // namespace
