#include "main/StartUpSequence.h"

#include <QApplication>
#include <QFont>

int main(int argc, char** argv) {
    // The program reads no command line: Qt sees only the program's name.
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication app(qtArgc, argv);
    // The windows are laid out in twips for a small sans-serif dialog font.
    app.setFont(QFont("Liberation Sans", 8));
    auto windows = StartUpMod::Main();
    if (!windows) {
        return 1;
    }
    return app.exec();
}
