#include "FakeDialogs.h"
#include "platform/OptionFocus.h"
#include "platform/ProgramStyle.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The windows under test look, and keep their options' focus, as the
    // program's do.
    ProgramStyle::Use();
    OptionFocus::FollowCheckedOptions();
    ::testing::InitGoogleTest(&argc, argv);
    UnscriptedDialogs noUser;
    return RUN_ALL_TESTS();
}
