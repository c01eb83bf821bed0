#include "main/StartUpSequence.h"
#include "platform/OptionFocus.h"
#include "platform/ProgramStyle.h"

#include <QApplication>

int main(int argc, char** argv) {
    // The program reads no command line: Qt sees only the program's name.
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication app(qtArgc, argv);
    ProgramStyle::Use();
    OptionFocus::FollowCheckedOptions();
    StartUpMod::UseProgramFont();
    auto windows = StartUpMod::Main();
    if (!windows) {
        return 1;
    }
    return app.exec();
}
