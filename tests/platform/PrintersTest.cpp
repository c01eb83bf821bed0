#include "platform/Printers.h"
#include "platform/AppError.h"

#include <gtest/gtest.h>

namespace {

struct PrintersTest : ::testing::Test {
    ~PrintersTest() override { Printers::SetSystemForTests(nullptr); }
};

} // namespace

TEST_F(PrintersTest, ListsTheSystemsPrintersThenThePdfFileAndStartsWithTheDefault) {
    Printers::System system{{"Office Laser", "Plotter"}, "Plotter"};
    Printers::SetSystemForTests(&system);
    EXPECT_EQ(Printers::Installed(), (QStringList{"Office Laser", "Plotter", "PDF file"}));
    EXPECT_EQ(Printers::Current(), "Plotter");

    Printers::SetCurrent("PDF file");
    EXPECT_EQ(Printers::Current(), "PDF file");
    Printers::SetCurrent("Office Laser");
    EXPECT_EQ(Printers::Current(), "Office Laser");

    // A new run starts with the system's default again.
    Printers::SetSystemForTests(&system);
    EXPECT_EQ(Printers::Current(), "Plotter");
}

TEST_F(PrintersTest, WithoutSystemPrintersThePdfFileIsCurrent) {
    Printers::System none;
    Printers::SetSystemForTests(&none);
    EXPECT_EQ(Printers::Installed(), QStringList{"PDF file"});
    EXPECT_EQ(Printers::Current(), "PDF file");
}

TEST_F(PrintersTest, APrinterThatIsNotInstalledCanNotBecomeCurrent) {
    Printers::System system{{"Office Laser"}, "Office Laser"};
    Printers::SetSystemForTests(&system);
    try {
        Printers::SetCurrent("Plotter");
        FAIL() << "no error";
    } catch (const AppError& error) {
        EXPECT_EQ(error.number, ErrorNumber::PrinterError);
        EXPECT_EQ(error.description, "The printer Plotter is not installed");
    }
    EXPECT_EQ(Printers::Current(), "Office Laser");
}
