#pragma once

#include <QDialog>
#include <QPointer>

#include <array>

class FlexGrid;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "Insert New Rows": asks how many empty rows to insert into a grid, before or
// after the top row of its selection. One dialog serves the whole run; it is
// hidden after use, so the number and the option chosen last are still there
// the next time.
class frmInsertRows : public QDialog {
    Q_OBJECT
public:
    // Keeps the grid and shows the dialog modally; returns once it is hidden.
    static void StartUp(FlexGrid& grid);

    // 0 is OK: insert, then hide; an error (a count that is not a whole number
    // or too many rows for the grid) is shown and the dialog stays open with its
    // contents. 1 is Cancel: hide, nothing changes.
    void cmdGo_Click(int index);
    // Inserts the rows into the kept grid.
    void InsertRows();

    QLabel* Label1;
    QLineEdit* txtNumRows;
    std::array<QRadioButton*, 2> optInsertPoint; // before, after the current row
    std::array<QPushButton*, 2> cmdGo;           // OK, Cancel

private:
    frmInsertRows();

    QPointer<FlexGrid> grid_;
};
