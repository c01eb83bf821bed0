#pragma once

#include <QString>

#include <vector>

class FlexGrid;

// The one design a window marks in its result grids: the mark in column 0 of
// its row and the row's other texts in red. Marking, moving and clearing it
// touch only the rows whose mark changes, so each costs the same however
// long the grids are.
class GridRowSelection {
public:
    // The grids, numbered from 1 in the order given, and the mark they show.
    GridRowSelection(std::vector<FlexGrid*> grids, QString mark);
    GridRowSelection(const GridRowSelection&) = delete;
    GridRowSelection& operator=(const GridRowSelection&) = delete;

    // Marks that data row of that grid, the one marked before losing its
    // mark; the marked design again stays marked. A 0 in the pair, or a pair
    // that names no data row, leaves none. While the project file is read, a
    // row below a grid's last is marked once the grid grows to it (Grown):
    // records need not stand in the order the grids were written.
    void Select(int grid, int row);
    // A click on a design's mark cell: the marked design loses its mark, any
    // other takes it.
    void Toggle(int grid, int row);
    void Clear();
    // The window grew that grid while the file is read.
    void Grown(int grid);

    // 0 and 0 when no design is marked.
    int Grid() const { return grid_; }
    int Row() const { return row_; }

private:
    FlexGrid* At(int grid) const;
    // Whether that design is the one marked.
    bool IsMarked(int grid, int row) const;
    void Mark(int grid, int row);
    void Unmark();

    std::vector<FlexGrid*> grids_;
    QString mark_;
    int grid_ = 0;
    int row_ = 0;
    // A design the file selected below its grid's last row, for as long as
    // the read might still grow the grid to it; 0 and 0 for none.
    int waitingGrid_ = 0;
    int waitingRow_ = 0;
};
