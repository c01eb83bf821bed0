#include "platform/ErrorReport.h"
#include "FakeDialogs.h"
#include "platform/WaitCursor.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(ErrorReport, ShowsEachStyleOnceAndRestoresThePointer) {
    struct Case {
        ErrorStyle style;
        const char* text;
        const char* title;
    };
    const Case cases[] = {
        {ErrorStyle::Titled, "Division by zero, 11", "ERROR"},
        {ErrorStyle::Untitled, "Division by zero, 11", "Tarnwell V2.0"},
        {ErrorStyle::NumberFirstTitled, "Error Number: 11, Division by zero", "ERROR"},
    };
    for (const auto& c : cases) {
        FakeDialogs user;
        WaitCursor busy;
        bool after = false;
        RunUserAction(c.style, [&] {
            throw AppError(ErrorNumber::DivisionByZero, "Division by zero");
            after = true;
        });
        EXPECT_FALSE(after);
        EXPECT_FALSE(WaitCursor::IsShown());
        ASSERT_EQ(user.shown.size(), 1u);
        EXPECT_EQ(user.shown[0].text.toStdString(), c.text);
        EXPECT_EQ(user.shown[0].title.toStdString(), c.title);
    }
}

TEST(ErrorReport, OtherExceptionsAreShownTooAndQuietActionsShowNothing) {
    FakeDialogs user;
    RunUserAction(ErrorStyle::Titled, [] { throw std::runtime_error("disk full"); });
    RunUserAction(ErrorStyle::Titled, [] {});
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_TRUE(user.shown[0].text.startsWith("disk full, "));
}
