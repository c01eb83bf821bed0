#include "app/FrmAbout.h"

#include "app/MDIFrmMain.h"
#include "platform/Dialogs.h"
#include "platform/FocusShown.h"
#include "platform/Screen.h"
#include "platform/WaitCursor.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

FrmAbout::FrmAbout(QWidget* owner) : QDialog(owner) {
    setWindowTitle("About");
    Label1 = new QLabel("Tarnwell, Culvert Design, Version 2.00, U.S. Units", this);
    QFont bold = Label1->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    Label1->setFont(bold);
    Label2 = new QLabel("Developed for the Vosk State Highway Agency (VSHA) by its Hydraulics "
                        "Section and the Tarnwell development team.",
                        this);
    Label2->setWordWrap(true);
    Text1 = new QPlainTextEdit(this);
    Text1->setReadOnly(true);
    // Read, not typed in: the focus goes to OK alone.
    Text1->setFocusPolicy(Qt::NoFocus);
    CmdOK = new QPushButton("OK", this);
    CmdOK->setDefault(true);
    connect(CmdOK, &QPushButton::clicked, this, [this] { CmdOK_Click(); });
    FocusShown::Give(*CmdOK);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addWidget(Text1, 1);
    layout->addWidget(CmdOK, 0, Qt::AlignHCenter);
    resize(Screen::TwipsToPixelsX(6600), Screen::TwipsToPixelsY(4500));
}

void FrmAbout::LoadDisclaimer() {
    Text1->setPlainText(
        "Disclaimer:\n\n"
        "This software and its users manual were carefully prepared and tested, but the Vosk "
        "State Highway Agency and the other organisations that developed them make no "
        "representation or warranty regarding the accuracy, correctness or completeness of the "
        "program or of the information in the users manual. These organisations shall not be "
        "liable for any direct, indirect, consequential or incidental damages resulting from "
        "the use of this software or the information it contains.");
}

void FrmAbout::CmdOK_Click() {
    accept();
}

void FrmAbout::StartUp() {
    FrmAbout box(MDIFrmMain::Instance());
    QRect area = Screen::Current().workAreaTwips;
    double width = Screen::PixelsToTwipsX(box.width());
    double height = Screen::PixelsToTwipsY(box.height());
    box.move(Screen::TwipsToPixelsX((area.width() - width) / 2),
             Screen::TwipsToPixelsY((area.height() - height) / 2));
    box.LoadDisclaimer();
    WaitCursor::RestoreAll();
    Dialogs::Current().RunModal(box);
}
