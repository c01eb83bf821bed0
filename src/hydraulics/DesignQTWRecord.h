#pragma once

#include <string>
#include <vector>

// One design-flow row: a design discharge with its tailwater depth.
struct DesignQTWRecord {
    int Row = 0;        // the design-grid row it came from (1 for single-discharge windows)
    std::string QText;  // the design discharge as typed, trimmed
    double Q = 0;       // ft^3/s
    double TWDepth = 0; // ft; 0 when the cell was blank
    std::string TWText; // as typed, trimmed; "0.0" when the cell was blank
    std::string ReturnPeriodText; // trimmed return-period cell
};

// Lists of the record are used from entry 1; entry 0 stays empty.
using DesignQTWList = std::vector<DesignQTWRecord>;
