#include "FakeDialogs.h"

#include <QDialog>
#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

void FakeDialogs::Message(const QString& text, const QString& title) {
    shown.push_back({"message", text, title.isEmpty() ? Dialogs::ApplicationTitle : title, false});
    if (messagesRunAnEventLoop) {
        RunAModalEventLoop();
    }
}

void RunAModalEventLoop() {
    QEventLoop box;
    QTimer::singleShot(0, &box, &QEventLoop::quit);
    box.exec();
}

bool FakeDialogs::AskYesNo(const QString& text, const QString& title, bool defaultYes) {
    shown.push_back(
        {"question", text, title.isEmpty() ? Dialogs::ApplicationTitle : title, defaultYes});
    if (answers.empty()) {
        ADD_FAILURE() << "unscripted question: " << text.toStdString();
        return false;
    }
    bool answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<QString> FakeDialogs::OpenFileName(const QString&, const QString&,
                                                 const QString& startFolder) {
    startFolders.push_back(startFolder);
    if (fileNames.empty()) {
        ADD_FAILURE() << "unscripted open dialog";
        return std::nullopt;
    }
    auto name = fileNames.front();
    fileNames.pop_front();
    return name;
}

std::optional<QString> FakeDialogs::SaveFileName(const QString& title, const QString& filter,
                                                 const QString& startFolder) {
    return OpenFileName(title, filter, startFolder);
}

int FakeDialogs::RunModal(QDialog& dialog) {
    ++modalCount;
    if (modalScripts.empty()) {
        return QDialog::Rejected;
    }
    auto script = modalScripts.front();
    modalScripts.pop_front();
    return script(dialog);
}

std::vector<QString> FakeDialogs::MessageTexts() const {
    std::vector<QString> texts;
    for (const auto& s : shown) {
        if (s.kind == "message") {
            texts.push_back(s.text);
        }
    }
    return texts;
}

void UnscriptedDialogs::Message(const QString& text, const QString& title) {
    ADD_FAILURE() << "unexpected message box: " << text.toStdString();
    FakeDialogs::Message(text, title);
}

bool UnscriptedDialogs::AskYesNo(const QString& text, const QString& title, bool defaultYes) {
    ADD_FAILURE() << "unexpected question: " << text.toStdString();
    return FakeDialogs::AskYesNo(text, title, defaultYes);
}

int UnscriptedDialogs::RunModal(QDialog& dialog) {
    ADD_FAILURE() << "unexpected modal dialog: " << dialog.windowTitle().toStdString();
    return QDialog::Rejected;
}
