#pragma once

#include "platform/InputChecks.h"
#include "platform/TextGrid.h"
#include "tailwater/ChannelSection.h"

#include <string>
#include <string_view>
#include <vector>

// The two computations of the tailwater Q-depth window on its grids: the
// Q-elevation grid (depth and elevation for a discharge, or discharge for a
// depth or an elevation) and the design-discharge grids (depth and elevation
// for each return period's discharge), on one prepared channel section.
namespace QDepthComputation {

// The Q-elevation grid's mode is the index of its input column: 0 Q, 1 depth,
// 2 elevation; the other two columns are written.
enum Mode { GivenQ = 0, GivenDepth = 1, GivenElevation = 2 };

// Every number written into a grid.
inline constexpr std::string_view NumberPattern = "###,###,###,###,##0.00";

// The design grids' columns: return period, Q, depth, elevation.
inline constexpr int DesignQColumn = 1;

// An input column read whole by the grid column reader
// (TailWaterMod::ReadQElevGridColumn): flags[r] is 1 where row r holds a
// number, values[r] that number.
struct InputColumn {
    std::vector<int> flags;
    std::vector<double> values;
};

// The column's numbers, to be held to the bound once every other check of the
// action has passed. Each message names the row and the column (index + 1),
// and the grid when `gridName` is not empty; each field names the cell of the
// grid called `gridField` (InputChecks::CellField).
std::vector<InputChecks::Magnitude> ColumnBounds(const InputColumn& input, int column,
                                                 const std::string& gridName,
                                                 const std::string& gridField);

// Writes the two columns of every data row that the mode computes from its
// input column: blank where the input is blank. A discharge too large to
// compute sets errFlag 1 and the message and writes nothing. Returns the rows
// (of mode GivenQ) whose normal depth could not be found; their depth and
// elevation are left blank rather than showing a depth of an earlier Q.
std::vector<int> ComputeQElevGrid(TextGrid& grid, int mode, const InputColumn& input,
                                  const ChannelSection& section, double slope, int& errFlag,
                                  std::string& message);

// The same for a design grid: depth and elevation (columns 2 and 3) of every
// row with a discharge in column 1; the return period and Q are never written.
std::vector<int> ComputeDesignTailwater(TextGrid& grid, const InputColumn& discharges,
                                        const ChannelSection& section, double slope);

// The rows without a depth, by the name of their grid.
struct RowsWithoutDepth {
    std::string grid;
    std::vector<int> rows;
};

// One message naming every row without a depth, or empty when there is none.
std::string NoDepthMessage(const std::vector<RowsWithoutDepth>& found);

} // namespace QDepthComputation
