#pragma once

#include "inlets/TaperedInletResultsTable.h"

#include <string>
#include <vector>

// What the Tapered Inlet Design window shows at one moment: the three inputs
// as typed (untrimmed), the multiple-barrels tick, the results grid's cells
// and the selected row. The report prints it and the project file stores it,
// so neither needs the window's widgets.
struct TaperedInletContents {
    std::string q;
    std::string hMax;
    std::string hMin;
    bool includeMultipleBarrels = false;
    // Grid rows 1 to the last, blank ones included; column 0 holds the mark.
    std::vector<TaperedInletResults::RowTexts> resultRows;
    int selectedRow = 0; // 0 when no design is selected
};
