#include "FakeDialogs.h"
#include "platform/ProgramStyle.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The windows under test look as the user sees them.
    ProgramStyle::Use();
    ::testing::InitGoogleTest(&argc, argv);
    UnscriptedDialogs noUser;
    return RUN_ALL_TESTS();
}
