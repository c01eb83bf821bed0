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

// The current printer is the one the run started with or the user chose,
// whatever the system does meanwhile.
TEST_F(PrintersTest, APrinterAddedRemovedOrMadeTheDefaultLaterChangesNothing) {
    const Printers::System none;
    const Printers::System laser{{"Office Laser"}, "Office Laser"};
    const Printers::System both{{"Office Laser", "Plotter"}, "Plotter"};
    struct Case {
        const Printers::System& atStart;
        const char* chosen; // nullptr: no choice
        const Printers::System& later;
        const char* current;
    };
    const Case cases[] = {
        {none, nullptr, laser, "PDF file"},           {none, "PDF file", laser, "PDF file"},
        {laser, nullptr, both, "Office Laser"},       {laser, "PDF file", both, "PDF file"},
        {both, "Office Laser", none, "Office Laser"}, {both, nullptr, none, "Plotter"},
    };
    for (const auto& c : cases) {
        Printers::SetSystemForTests(&c.atStart);
        if (c.chosen) {
            Printers::SetCurrent(c.chosen);
        }
        Printers::ChangeSystemForTests(c.later);
        EXPECT_EQ(Printers::Current().toStdString(), c.current);
        Printers::StartRun();
        EXPECT_EQ(Printers::Current(),
                  c.later.defaultName.isEmpty() ? "PDF file" : c.later.defaultName)
            << "a new run starts with the default";
    }
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
