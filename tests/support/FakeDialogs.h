#pragma once

#include "platform/Dialogs.h"

#include <QString>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

// A scripted user: answers questions and file dialogs from queues, records every
// box it was shown, and runs a script for each modal dialog instead of blocking.
// Installs itself for its lifetime.
class FakeDialogs : public Dialogs::Service {
public:
    struct Shown {
        QString kind; // "message" or "question"
        QString text;
        QString title;
        bool defaultYes = false;
    };

    FakeDialogs() : previous_(&Dialogs::Current()) { Dialogs::Install(this); }
    ~FakeDialogs() override { Dialogs::Install(previous_); }

    std::deque<bool> answers;                              // Yes/No questions, in order
    std::deque<std::optional<QString>> fileNames;          // open and save dialogs, in order
    std::deque<std::function<int(QDialog&)>> modalScripts; // one per modal dialog
    // A real message box runs an event loop of its own until it is answered,
    // in which the windows get what is pending (an expose, a queued call).
    bool messagesRunAnEventLoop = false;

    std::vector<Shown> shown;
    std::vector<QString> startFolders; // of the open and save dialogs, in order
    int modalCount = 0;

    void Message(const QString& text, const QString& title) override;
    bool AskYesNo(const QString& text, const QString& title, bool defaultYes) override;
    std::optional<QString> OpenFileName(const QString& title, const QString& filter,
                                        const QString& startFolder) override;
    std::optional<QString> SaveFileName(const QString& title, const QString& filter,
                                        const QString& startFolder) override;
    int RunModal(QDialog& dialog) override;

    // The messages shown, texts only.
    std::vector<QString> MessageTexts() const;

private:
    Dialogs::Service* previous_;
};

// Runs an event loop of its own, as a modal box does, until what is pending
// has been delivered.
void RunAModalEventLoop();

// Installed by the test main for tests that script no user: any dialog fails
// the test at once instead of blocking on a window nobody can answer.
class UnscriptedDialogs : public FakeDialogs {
public:
    void Message(const QString& text, const QString& title) override;
    bool AskYesNo(const QString& text, const QString& title, bool defaultYes) override;
    int RunModal(QDialog& dialog) override;
};
