#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The modal about box: product line, developers' line and the disclaimer.
class FrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit FrmAbout(QWidget* owner);

    // Centres the box in the work area, fills the disclaimer and shows it
    // modally, owned by the main window; returns when it closes.
    static void StartUp();
    void LoadDisclaimer();
    void CmdOK_Click();

    QLabel* Label1;
    QLabel* Label2;
    QPlainTextEdit* Text1;
    QPushButton* CmdOK;
};
