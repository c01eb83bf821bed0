#pragma once

#include <array>

// The five result tables of the standard designs, named once for the window
// that fills them, the report that prints them, the export that writes them
// and the project file that keeps them. A table is known by its grid number.
//
// Grid columns: 0 the selection mark, 1 the number of barrels, then the size
// column(s), then H, HW/D, HWi and HWi elevation.
namespace StandardDesignTables {

enum GridNumber : int {
    ConcretePipe = 1,
    CorrMetalPipe = 2,
    RCBox = 3,
    RCArchPipe = 4,
    SteelPipeArch = 5,
};
inline constexpr int NumGrids = 5;

inline constexpr int SelectColumn = 0;
inline constexpr int BarrelsColumn = 1;
inline constexpr int MaxColumns = 8;
// A grid shows at least this many rows, its heading row included.
inline constexpr int MinGridRows = 5;

// The mark of the selected design in its row's column 0.
inline constexpr const char* SelectedMark = ">>";

using ShownHeading = std::array<const char*, 3>;   // the window's three heading lines
using PrintedHeading = std::array<const char*, 2>; // the report's two heading lines

struct Table {
    GridNumber grid;
    int columns;
    const char* caption;       // above the window's grid
    const char* printedTitle;  // the report's and the export's title
    bool exportTitleContinued; // the export's title line ends with a comma
    std::array<ShownHeading, MaxColumns> shown;
    std::array<PrintedHeading, MaxColumns> printed;
    std::array<const char*, MaxColumns> exportNames;
};

// The steel pipe-arch caption carries true inch marks; the printed title two
// apostrophes for each.
inline constexpr std::array<Table, NumGrids> Tables = {{
    {ConcretePipe,
     7,
     "Concrete Pipe",
     "Concrete Pipe",
     false,
     {{{" ", "Selected", "Design"},
       {"Number", "of", "Barrels"},
       {" ", "Diameter", "(inches)"},
       {"Inlet", "Control H", "(feet)"},
       {" ", "", "HWi/D"},
       {" ", "HWi", "(feet)"},
       {"HWi", "Elev.", "(feet)"}}},
     {{{"Selected", "Design"},
       {"Number of", "Barrels"},
       {"Diameter", "(inches)"},
       {"H", "(feet)"},
       {"", "HWi/D"},
       {"HWi", "(feet)"},
       {"HWi Elev.", "(feet)"}}},
     {"Selected Design", "Number of Barrels", "Diameter (inches)", "H (feet)", "HWi/D",
      "HWi (feet)", "HWi Elev. (feet)"}},
    {CorrMetalPipe,
     7,
     "Corrugated Metal Pipe",
     "Corrugated Metal Pipe",
     false,
     {{{" ", "Selected", "Design"},
       {"Number", "of", "Barrels"},
       {" ", "Diameter", "(inches)"},
       {"Inlet", "Control H", "(feet)"},
       {"", "", "HWi/D"},
       {" ", "HWi", "(feet)"},
       {"HWi", "Elev.", "(feet)"}}},
     {{{"Selected", "Design"},
       {"Number of", "Barrels"},
       {"Diameter", "(inches)"},
       {"H", "(feet)"},
       {"", "HWi/D"},
       {"HWi", "(feet)"},
       {"HWi Elev.", "(feet)"}}},
     {"Selected Design", "Number of Barrels", "Diameter (inches)", "H (feet)", "HWi/D",
      "HWi (feet)", "HWi Elev. (feet)"}},
    {RCBox,
     8,
     "Reinforced Concrete Box",
     "Concrete Box",
     true,
     {{{" ", "Selected", "Design"},
       {"Number", "of", "Barrels"},
       {" ", "Width", "(feet)"},
       {" ", "Height", "(feet)"},
       {"Inlet", "Control H", "(feet)"},
       {"", "", "HWi/D"},
       {" ", "HWi", "(feet)"},
       {"HWi", "Elev.", "(feet)"}}},
     {{{"Selected", "Design"},
       {"Number of", "Barrels"},
       {"Width", "(feet)"},
       {"Height", "(feet)"},
       {"H", "(feet)"},
       {"", "HWi/D"},
       {"HWi", "(feet)"},
       {"HWi Elev.", "(feet)"}}},
     {"Selected Design", "Number of Barrels", "Width (feet)", "Height (feet)", "H (feet)", "HWi/D",
      "HWi(feet)", "HWi Elev.(feet)"}},
    {RCArchPipe,
     8,
     "Concrete Pipe Arch",
     "Concrete Pipe Arch",
     false,
     {{{" ", "Selected", "Design"},
       {"Number", "of", "Barrels"},
       {" ", "Span", "(inches)"},
       {" ", "Rise", "(inches)"},
       {"Inlet", "Control H", "(feet)"},
       {"", "", "HWi/D"},
       {" ", "HWi", "(feet)"},
       {"HWi", "Elev.", "(feet)"}}},
     {{{"Selected", "Design"},
       {"Number of", "Barrels"},
       {"Span", "(inches)"},
       {"Rise", "(inches)"},
       {"H", "(feet)"},
       {"", "HWi/D"},
       {"HWi", "(feet)"},
       {"HWi Elev.", "(feet)"}}},
     {"Selected Design", "Number of Barrels", "Span (inches)", "Rise (inches)", "H (feet)", "HWi/D",
      "HWi (feet)", "HWi Elev. (feet)"}},
    {SteelPipeArch,
     8,
     "Steel Pipe Arch (2-2/3\" by 1/2\" corrugations)",
     "Steel Pipe Arch (2-2/3'' by 1/2'' corrugations)",
     false,
     {{{" ", "Selected", "Design"},
       {"Number", "of", "Barrels"},
       {" ", "Span", "(inches)"},
       {" ", "Rise", "(inches)"},
       {"Inlet", "Control H", "(feet)"},
       {"", "", "HWi/D"},
       {" ", "HWi", "(feet)"},
       {"HWi", "Elev.", "(feet)"}}},
     {{{"Selected", "Design"},
       {"Number of", "Barrels"},
       {"Span", "(inches)"},
       {"Rise", "(inches)"},
       {"H", "(feet)"},
       {"", "HWi/D"},
       {"HWi", "(feet)"},
       {"HWi Elev.", "(feet)"}}},
     {"Selected Design", "Number of Barrels", "Span (inches)", "Rise (inches)", "H (feet)", "HWi/D",
      "HWi (feet)", "HWi Elev. (feet)"}},
}};

// The table of a grid number from 1 to NumGrids.
inline constexpr const Table& TableOf(int grid) {
    return Tables[static_cast<std::size_t>(grid - 1)];
}

// The order in which the report prints and the export writes the tables.
inline constexpr std::array<GridNumber, NumGrids> ReportOrder = {RCBox, ConcretePipe, RCArchPipe,
                                                                 CorrMetalPipe, SteelPipeArch};

} // namespace StandardDesignTables
