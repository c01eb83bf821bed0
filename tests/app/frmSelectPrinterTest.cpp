#include "app/frmSelectPrinter.h"
#include "FakeDialogs.h"
#include "platform/Printers.h"
#include "platform/Screen.h"

#include <QComboBox>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

struct SelectPrinterTest : ::testing::Test {
    SelectPrinterTest() {
        Printers::SetSystemForTests(&system);
        Screen::SetForTests(&screen);
    }
    ~SelectPrinterTest() override {
        Printers::SetSystemForTests(nullptr);
        Screen::SetForTests(nullptr);
    }

    // Runs Display with a script for the open dialog.
    void Display(std::function<void(frmSelectPrinter&)> script) {
        user.modalScripts.push_back([script](QDialog& dialog) {
            script(dynamic_cast<frmSelectPrinter&>(dialog));
            return 0;
        });
        frmSelectPrinter::Display();
    }

    static QStringList Entries(const frmSelectPrinter& dialog) {
        QStringList entries;
        for (int i = 0; i < dialog.cboPrinters->count(); ++i) {
            entries << dialog.cboPrinters->itemText(i);
        }
        return entries;
    }

    static void Choose(frmSelectPrinter& dialog, int entry) {
        dialog.cboPrinters->setCurrentIndex(entry);
        dialog.cmdMakeCurrentPrinter->click();
    }

    Printers::System system{{"Office Laser", "Plotter"}, "Plotter"};
    Screen::Geometry screen{QRect(300, 150, 14400, 9600), 15000};
    FakeDialogs user;
};

} // namespace

TEST_F(SelectPrinterTest, OpensCentredWithTheCurrentPrinterSelected) {
    bool shown = false;
    Display([&](frmSelectPrinter& dialog) {
        shown = true;
        EXPECT_EQ(dialog.windowTitle(), "Select Printer");
        EXPECT_EQ(Entries(dialog), (QStringList{"Office Laser", "Plotter", "PDF file"}));
        EXPECT_EQ(dialog.cboPrinters->currentIndex(), 1);
        // 300 + (14400 - 4800) / 2 and 150 + (9600 - 2250) / 2 twips.
        EXPECT_EQ(dialog.pos(), QPoint(Screen::TwipsToPixelsX(5100), Screen::TwipsToPixelsY(3825)));
    });
    EXPECT_TRUE(shown);
    EXPECT_TRUE(user.shown.empty());
}

TEST_F(SelectPrinterTest, ACurrentPrinterThatIsNotListedSelectsTheFirstEntry) {
    Printers::ChangeSystemForTests({{"Office Laser", "Scanner"}, "Scanner"}); // Plotter removed
    Display([](frmSelectPrinter& dialog) {
        EXPECT_EQ(Entries(dialog), (QStringList{"Office Laser", "Scanner", "PDF file"}));
        EXPECT_EQ(dialog.cboPrinters->currentIndex(), 0);
        // The entry that looks current is not the current printer: choosing it makes it so.
        dialog.cmdMakeCurrentPrinter->click();
        EXPECT_EQ(Printers::Current(), "Office Laser");
    });
}

TEST_F(SelectPrinterTest, EachPressMakesTheChoiceCurrentAndNamesIt) {
    Display([&](frmSelectPrinter& dialog) {
        Choose(dialog, 1); // already current
        Choose(dialog, 0);
        EXPECT_EQ(Printers::Current(), "Office Laser");
        Choose(dialog, 1);
        EXPECT_EQ(Printers::Current(), "Plotter");
        Choose(dialog, 2);
        EXPECT_EQ(Printers::Current(), "PDF file");

        dialog.show();
        dialog.cmdClose->click();
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(user.MessageTexts(), (std::vector<QString>{
                                       "Plotter is the Active Printer.",
                                       "Office Laser is the Active Printer.",
                                       "Plotter is the Active Printer.",
                                       "PDF file is the Active Printer.",
                                   }));
    for (const auto& box : user.shown) {
        EXPECT_EQ(box.title, "Tarnwell V2.0");
    }

    // Opened again, the list is rebuilt with the last choice selected.
    Display([](frmSelectPrinter& dialog) {
        EXPECT_EQ(Entries(dialog).size(), 3);
        EXPECT_EQ(dialog.cboPrinters->currentIndex(), 2);
    });
}

TEST_F(SelectPrinterTest, APrinterRemovedWhileTheDialogIsOpenIsReportedAndNothingChanges) {
    Display([&](frmSelectPrinter& dialog) {
        Printers::ChangeSystemForTests({{"Plotter"}, "Plotter"});
        Choose(dialog, 0);
        EXPECT_EQ(Printers::Current(), "Plotter");
    });
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].text, "Error Number: 482, The printer Office Laser is not installed");
    EXPECT_EQ(user.shown[0].title, "ERROR");
}

// Choosing the PDF file that already is current keeps it current when a system
// printer later appears as the default.
TEST_F(SelectPrinterTest, WithoutSystemPrintersThePdfFileIsListedSelectedAndStaysCurrent) {
    Printers::System none;
    Printers::SetSystemForTests(&none);
    Display([](frmSelectPrinter& dialog) {
        EXPECT_EQ(Entries(dialog), QStringList{"PDF file"});
        EXPECT_EQ(dialog.cboPrinters->currentIndex(), 0);
        Choose(dialog, 0);
    });
    EXPECT_EQ(user.MessageTexts(), std::vector<QString>{"PDF file is the Active Printer."});

    Printers::ChangeSystemForTests({{"Office Laser"}, "Office Laser"});
    Display([](frmSelectPrinter& dialog) {
        EXPECT_EQ(Entries(dialog), (QStringList{"Office Laser", "PDF file"}));
        EXPECT_EQ(dialog.cboPrinters->currentIndex(), 1);
    });
    EXPECT_EQ(Printers::Current(), "PDF file");
}
