#include "platform/GridRowSelection.h"

#include "platform/FlexGrid.h"
#include "platform/InputChanges.h"

#include <QColor>

namespace {

const QColor Red(255, 0, 0);

// The texts of a row that show its selection: all but its mark.
FlexGrid::CellRange Texts(const FlexGrid& grid, int row) {
    return {row, 1, row, grid.Cols() - 1};
}

} // namespace

GridRowSelection::GridRowSelection(std::vector<FlexGrid*> grids, QString mark)
    : grids_(std::move(grids)), mark_(std::move(mark)) {}

FlexGrid* GridRowSelection::At(int grid) const {
    return grid >= 1 && grid <= static_cast<int>(grids_.size())
               ? grids_[static_cast<size_t>(grid - 1)]
               : nullptr;
}

bool GridRowSelection::IsMarked(int grid, int row) const {
    return grid_ != 0 && grid == grid_ && row == row_;
}

void GridRowSelection::Select(int grid, int row) {
    if (IsMarked(grid, row)) {
        return;
    }
    Clear();
    const FlexGrid* const named = At(grid);
    if (!named || row < 1) {
        return;
    }
    if (row < named->Rows()) {
        Mark(grid, row);
    } else if (InputChanges::Restoring()) {
        waitingGrid_ = grid;
        waitingRow_ = row;
    }
}

void GridRowSelection::Toggle(int grid, int row) {
    if (IsMarked(grid, row)) {
        Clear();
    } else {
        Select(grid, row);
    }
}

void GridRowSelection::Clear() {
    Unmark();
    waitingGrid_ = 0;
    waitingRow_ = 0;
}

void GridRowSelection::Grown(int grid) {
    if (grid == waitingGrid_ && InputChanges::Restoring() && waitingRow_ < At(grid)->Rows()) {
        Select(grid, waitingRow_);
    }
}

void GridRowSelection::Mark(int grid, int row) {
    FlexGrid& marked = *At(grid);
    marked.SetTextMatrix(row, 0, mark_);
    grid_ = grid;
    row_ = row;
    marked.SetCellForeColor(Texts(marked, row), Red);
}

void GridRowSelection::Unmark() {
    if (grid_ == 0) {
        return;
    }
    FlexGrid& marked = *At(grid_);
    // Emptied or cut short since it was marked, the grid has no mark left there.
    if (row_ < marked.Rows()) {
        marked.SetTextMatrix(row_, 0, QString());
        // The mark column never takes the selection's colour: its cell shows
        // the grid's own.
        marked.SetCellForeColor(Texts(marked, row_), marked.CellForeColor(row_, 0));
    }
    grid_ = 0;
    row_ = 0;
}
