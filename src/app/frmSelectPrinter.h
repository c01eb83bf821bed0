#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

// The modal printer choice: lists the installed printers and the PDF file,
// marks the current one and makes the chosen one current.
class frmSelectPrinter : public QDialog {
    Q_OBJECT
public:
    frmSelectPrinter();

    // Fills the list, centres the dialog in the work area and shows it
    // modally, without an owner; returns when it is closed. Each step shows
    // its own errors.
    static void Display();

    // Fills the list from the system and selects the current printer (or the
    // first entry when the current one is not listed).
    void LoadPrinterCombo();
    void cmdMakeCurrentPrinter_Click();
    void cmdClose_Click();

    QLabel* Label1;
    QComboBox* cboPrinters;
    QPushButton* cmdMakeCurrentPrinter;
    QPushButton* cmdClose;

private:
    void CentreInWorkArea();

    int activeEntry_ = -1; // list index of the current printer, -1 if not listed
};
