#pragma once

#include "FakeDialogs.h"
#include "app/MDIFrmMain.h"
#include "main/StartUpSequence.h"
#include "platform/ToolWindow.h"

#include <gtest/gtest.h>

#include <memory>

// The whole program, started as the user starts it but without the splash
// wait, with a scripted user. For test executables that link tw_startup.
class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        StartUpMod::Options options;
        options.splashMillis = 0;
        windows = StartUpMod::Main(options);
        ASSERT_TRUE(windows);
        main = windows->main.get();
    }
    // A test that ended the program leaves the next one a program that can end.
    void TearDown() override { ToolWindow::SetProgramEnding(false); }

    FakeDialogs user;
    std::unique_ptr<StartUpMod::LoadedWindows> windows;
    MDIFrmMain* main = nullptr;
};
