#include "app/modGridEdit.h"

#include "app/frmInsertRows.h"
#include "platform/Dialogs.h"
#include "platform/TextBoxes.h"

#include <QClipboard>
#include <QGuiApplication>

#include <algorithm>

namespace modGridEdit {

QPointer<FlexGrid> EditGrid;
bool RowNumberColumn = false;

void mnuEditCopy_Click() {
    if (!EditGrid) {
        return;
    }
    CopySelection(*EditGrid);
}

void CopySelection(const FlexGrid& grid) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(grid.Clip());
}

void ClearCells(FlexGrid& grid, const FlexGrid::CellRange& block, int firstCol) {
    for (int r = block.top; r <= block.bottom; ++r) {
        for (int c = std::max(block.left, firstCol); c <= block.right; ++c) {
            if (!grid.ColReadOnly(c)) {
                grid.SetTextMatrix(r, c, "");
            }
        }
    }
}

void mnuEditPaste_Click() {
    if (!EditGrid) {
        return;
    }
    PasteClipboard(*EditGrid);
}

void PasteClipboard(FlexGrid& grid) {
    const QString text = QGuiApplication::clipboard()->text();
    const int lastRow = grid.Rows() - 1;
    if (grid.FixedRowCount() && grid.ClipLastFilledRow(text) > lastRow) {
        Dialogs::Message(QString("The pasted text reaches past row %1, the last row of this grid. "
                                 "Nothing was pasted.")
                             .arg(lastRow));
        return;
    }
    if (!grid.SetClip(text)) {
        Dialogs::Message(TextBoxes::PasteRefusal("A cell of the pasted text", "cell"));
    }
}

void mnuEditInsertRows_Click() {
    if (!EditGrid) {
        return;
    }
    frmInsertRows::StartUp(*EditGrid);
}

void mnuEditDeleteRows_Click() {
    if (!EditGrid) {
        return;
    }
    if (!Dialogs::AskYesNo("Are you sure you want to delete the selected rows?", "Confirm Deletion",
                           false)) {
        return;
    }
    FlexGrid::CellRange selection = EditGrid->Selection();
    for (int i = selection.top; i <= selection.bottom; ++i) {
        EditGrid->RemoveItem(selection.top);
    }
    if (EditGrid->Rows() < MinimumRowsAfterDelete) {
        EditGrid->SetRows(MinimumRowsAfterDelete);
    }
    if (RowNumberColumn) {
        RenumberRows(*EditGrid);
    }
}

void RenumberRows(FlexGrid& grid) {
    for (int row = 1; row < grid.Rows(); ++row) {
        grid.SetTextMatrix(row, 0, " " + QString::number(row));
    }
}

} // namespace modGridEdit
