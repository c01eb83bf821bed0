#pragma once

#include "inlets/TaperedInletDesignRecords.h"

#include <array>
#include <string>
#include <vector>

// The results table of Tapered Inlet Design, named once for the window that
// fills it, the report that prints it and the project file that keeps it. One
// row per barrel with a passing (Z, L) pair; every row repeats its face.
namespace TaperedInletResults {

enum Column : int {
    Selected, // the selection mark, never stored
    NumberOfBarrels,
    InletWidth,
    InletHeight,
    InletH,
    BarrelWidth,
    BarrelHeight,
    MinimumZ,
    MinimumL,
    MinimumSlope,
    BarrelDepth,
    ColumnCount
};

using HeadingLines = std::array<const char*, 3>;

struct ColumnHeading {
    HeadingLines shown;   // in the window's heading row
    HeadingLines printed; // in the report, which spells out the unit
};

inline constexpr std::array<ColumnHeading, ColumnCount> Headings = {{
    {{"", "Selected", "Design"}, {"", "Selected", "Design"}},
    {{"Number", "of", "Barrels"}, {"Number", "of", "Barrels"}},
    {{"Inlet", "Width", "(ft)"}, {"Inlet", "Width", "(feet)"}},
    {{"Inlet", "Height", "(ft)"}, {"Inlet", "Height", "(feet)"}},
    {{"Inlet", "H", "(ft)"}, {"Inlet", "H", "(feet)"}},
    {{"Barrel", "Width", "(ft)"}, {"Barrel", "Width", "(feet)"}},
    {{"Barrel", "Height", "(ft)"}, {"Barrel", "Height", "(feet)"}},
    {{"Minimum", "Z", "(ft)"}, {"Minimum", "Z", "(feet)"}},
    {{"Minimum", "L", "(ft)"}, {"Minimum", "L", "(feet)"}},
    {{"Minimum", "Barrel", "Slope(%)"}, {"Minimum", "Barrel", "Slope(%)"}},
    {{"Barrel", "Depth", "(ft)"}, {"Barrel", "Depth", "(feet)"}},
}};

using RowTexts = std::array<std::string, ColumnCount>;

// The mark of the selected design in the Selected column.
inline constexpr const char* SelectionMark = ">>";
// The heading row and four data rows, the least the grid keeps.
inline constexpr int LeastRows = 5;

// The largest barrel count shown: 4 when multiple barrels are included, else 1.
int BarrelLimit(bool includeMultipleBarrels);

// The grid rows from row 1 that show a search: for each face in order whose
// ZLFound is 1 and whose barrel count is at most the limit, one row per
// barrel with a passing pair, then one empty row. Without any such face, one
// row with "NONE" under the number of barrels. The Selected column stays empty.
std::vector<RowTexts> ShownRows(const TaperedInletDesign& design, int barrelLimit);

} // namespace TaperedInletResults
