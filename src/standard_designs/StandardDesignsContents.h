#pragma once

#include "standard_designs/StandardDesignTables.h"

#include <array>
#include <string>
#include <vector>

// What the standard designs window shows, control by control, at one moment:
// the input texts as typed (untrimmed), the check box, every cell of the five
// result grids and the selected design. The report, the export and the project
// file all work from it; none of them reads a computed number.
struct StandardDesignsContents {
    // Grid rows 1 to the last, each with columns 0 to the last.
    using GridCells = std::vector<std::vector<std::string>>;

    std::string totalQ;
    std::string hMax;
    std::string hMin;
    std::string inletInvertElev;
    bool includeMultipleBarrels = false;

    std::array<GridCells, StandardDesignTables::NumGrids> grids; // by grid number - 1
    int selectedGrid = 0; // 1 to 5, 0 when no design is selected
    int selectedRow = 0;  // its grid row, 0 when none

    const GridCells& Grid(int gridNumber) const {
        return grids[static_cast<std::size_t>(gridNumber - 1)];
    }
};

// The designs a grid lists: rows 1, 2, ... down to the first row whose barrel
// cell is blank after trimming (the blank rows below the designs, or an empty
// grid, end the list).
int ListedRowCount(const StandardDesignsContents::GridCells& grid);
