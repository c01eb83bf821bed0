#include "app/frmInsertRows.h"

#include "app/modGridEdit.h"
#include "platform/AppError.h"
#include "platform/Dialogs.h"
#include "platform/ErrorReport.h"
#include "platform/FlexGrid.h"
#include "platform/Numbers.h"
#include "platform/WaitCursor.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <string>

frmInsertRows::frmInsertRows() {
    setWindowTitle("Insert New Rows");
    Label1 = new QLabel("Number of Rows", this);
    txtNumRows = new QLineEdit(this);
    optInsertPoint = {new QRadioButton("Insert Before the current row", this),
                      new QRadioButton("Insert After the current row", this)};
    optInsertPoint[0]->setChecked(true);
    cmdGo = {new QPushButton("OK", this), new QPushButton("Cancel", this)};
    cmdGo[0]->setDefault(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(Label1, 0, 0);
    layout->addWidget(txtNumRows, 0, 1);
    layout->addWidget(optInsertPoint[0], 1, 0, 1, 2);
    layout->addWidget(optInsertPoint[1], 2, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdGo[0]);
    buttons->addWidget(cmdGo[1]);
    layout->addLayout(buttons, 3, 0, 1, 2);

    for (int index = 0; index < 2; ++index) {
        connect(cmdGo[static_cast<size_t>(index)], &QPushButton::clicked, this,
                [this, index] { cmdGo_Click(index); });
    }
}

void frmInsertRows::StartUp(FlexGrid& grid) {
    // Made by its first use and kept, hidden, until the program ends.
    static frmInsertRows* dialog = new frmInsertRows;
    dialog->grid_ = &grid;
    Dialogs::Current().RunModal(*dialog);
}

void frmInsertRows::cmdGo_Click(int index) {
    if (index == 1) {
        reject();
        return;
    }
    RunUserAction(ErrorStyle::NumberFirstTitled, [this] {
        InsertRows();
        accept();
    });
}

namespace {

bool RowHoldsData(const FlexGrid& grid, int row) {
    for (int col = grid.FixedCols(); col < grid.Cols(); ++col) {
        if (!grid.TextMatrix(row, col).trimmed().isEmpty()) {
            return true;
        }
    }
    return false;
}

// The rows pushed past the last row must be empty; they are dropped, so the
// grid keeps its row count. Refused before anything changes otherwise.
void InsertKeepingRowCount(FlexGrid& grid, int at, long count) {
    const int rows = grid.Rows();
    if (count <= 0 || at >= rows) {
        return;
    }
    const int inserted = static_cast<int>(std::min<long>(count, rows - at));
    const int firstPushed = rows - inserted;
    for (int r = std::max(at, firstPushed); r < rows; ++r) {
        if (RowHoldsData(grid, r)) {
            throw AppError(ErrorNumber::Overflow,
                           "Inserting " + std::to_string(count) + " rows here would push row " +
                               std::to_string(r) + " past row " + std::to_string(rows - 1) +
                               ", the last row of this grid. No rows were inserted.");
        }
    }
    grid.SetRows(firstPushed);
    for (int i = 0; i < inserted; ++i) {
        grid.AddItem(QString(), at);
    }
}

} // namespace

void frmInsertRows::InsertRows() {
    if (!grid_) {
        return;
    }
    WaitCursor busy;
    FlexGrid& grid = *grid_;
    int row = grid.Selection().top;
    long count = Numbers::CLng(txtNumRows->text().toStdString());
    int at = optInsertPoint[1]->isChecked() ? row + 1 : row;
    if (grid.FixedRowCount()) {
        InsertKeepingRowCount(grid, at, count);
    } else {
        // Refused before the first row goes in, so that a refusal changes nothing.
        long room = FlexGrid::MaxRows - grid.Rows();
        if (count > room) {
            throw AppError(ErrorNumber::Overflow,
                           "A grid holds at most " + std::to_string(FlexGrid::MaxRows) +
                               " rows: no more than " + std::to_string(room) +
                               " rows can be inserted here.");
        }
        for (long i = 0; i < count; ++i) {
            grid.AddItem(QString(), at);
        }
    }
    if (modGridEdit::RowNumberColumn) {
        modGridEdit::RenumberRows(grid);
    }
}
