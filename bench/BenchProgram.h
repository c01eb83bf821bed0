#pragma once

#include "FakeDialogs.h"
#include "app/MDIFrmMain.h"
#include "main/StartUpSequence.h"
#include "platform/CatalogueDatabase.h"

#include <QAction>
#include <QString>

#include <memory>

// The program started, without the splash wait, with a user who answers the
// file dialogs.
struct BenchProgram {
    FakeDialogs user;
    std::unique_ptr<StartUpMod::LoadedWindows> windows;

    BenchProgram() {
        // The benchmarks run from bench/, one folder below the built catalogue.
        CatalogueDatabase::OverridePath(TW_SHIPPED_CATALOGUE);
        StartUpMod::Options options;
        options.splashMillis = 0;
        windows = StartUpMod::Main(options);
    }

    bool Started() const { return windows != nullptr; }

    // File Open of `path`; whether it opened without a message.
    bool Open(const QString& path) {
        if (!windows) {
            return false;
        }
        user.shown.clear();
        user.fileNames.push_back(path);
        windows->main->mnuFileOpen->trigger();
        return user.shown.empty();
    }

    // File Open of `path` over work not saved, Yes answered to the question
    // it asks first; whether it asked, then opened without a message.
    bool OpenOverUnsavedWork(const QString& path) {
        user.answers = {true};
        const bool silent = Open(path);
        return !silent && user.answers.empty() && user.shown.size() == 1;
    }

    // File Save As to `path`.
    void SaveAs(const QString& path) {
        user.fileNames.push_back(path);
        windows->main->mnuFileSaveAs->trigger();
    }
};
