#include "ProgramFixture.h"
#include "app/FrmSiteIdentification.h"
#include "app/MDIFrmMain.h"
#include "main/StartUpSequence.h"
#include "platform/Screen.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>

#include <gtest/gtest.h>

namespace {

class SiteIdentification : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        site = windows->siteIdentification;
    }

    FrmSiteIdentification* site = nullptr;
};

} // namespace

TEST_F(SiteIdentification, IsPlacedAndSizedFromItsBoxes) {
    QRect frame = site->Frame()->geometry();
    EXPECT_EQ(frame.x(), Screen::TwipsToPixelsX(100));
    EXPECT_EQ(frame.y(), Screen::TwipsToPixelsY(100));
    // The boxes stand where the twips put them unless this machine's font
    // needs more room for the longest caption; the window grows with them.
    const int moved = site->TxtFileNumber->x() - Screen::TwipsToPixelsX(2250);
    EXPECT_GE(moved, 0);
    EXPECT_NEAR(frame.width(), Screen::TwipsToPixelsX(7770) + moved, 1);
    EXPECT_NEAR(frame.height(), Screen::TwipsToPixelsY(4395), 1);
    EXPECT_EQ(site->Frame()->windowTitle(), "Site Identification");
}

TEST_F(SiteIdentification, EveryCaptionShowsInFullLeftOfItsBox) {
    for (const QLabel* label : site->findChildren<QLabel*>()) {
        SCOPED_TRACE(label->text().toStdString());
        EXPECT_GE(label->x(), 0);
        EXPECT_GE(label->width(), label->sizeHint().width());
        ASSERT_NE(label->buddy(), nullptr);
        EXPECT_LE(label->x() + label->width(), label->buddy()->x());
    }
}

TEST_F(SiteIdentification, FieldsKeepTheirOrderCaptionsAndTextsAsTyped) {
    const char* captions[8] = {"File Number", "Design Number",  "County",
                               "Project",     "Project Number", "Structure Location (Station)",
                               "Stream",      "Designer"};
    site->TxtStructureLocation->setText("  Sta. 12+50  ");
    SiteFields fields = site->Fields();
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(fields[i].caption, captions[i]);
    }
    EXPECT_EQ(Field(fields, SiteField::StructureLocation).text, "  Sta. 12+50  ");

    // Tab walks down the boxes from File Number to Designer.
    QWidget* box = site->TxtFileNumber;
    for (int i = 0; i < 7; ++i) {
        box = box->nextInFocusChain();
        while (!qobject_cast<QLineEdit*>(box)) {
            box = box->nextInFocusChain();
        }
    }
    EXPECT_EQ(box, site->TxtDesigner);
}

TEST_F(SiteIdentification, ClosingHidesAndReopeningShowsTheSameTextsWithFocusOnFileNumber) {
    windows->main->mnuIdentification->trigger();
    ASSERT_TRUE(site->Frame()->isVisible());
    site->TxtDesigner->setText("R. Alder");
    site->TxtDesigner->setFocus();
    EXPECT_FALSE(site->Frame()->close());
    EXPECT_FALSE(site->Frame()->isVisible());

    windows->main->mnuIdentification->trigger();
    EXPECT_TRUE(site->Frame()->isVisible());
    EXPECT_EQ(site->TxtDesigner->text(), "R. Alder");
    windows->main->activateWindow();
    QApplication::processEvents();
    EXPECT_EQ(site->focusWidget(), site->TxtFileNumber);
}
