#pragma once

#include "general_design/CulvertInputContents.h"
#include "general_design/GenDesignResultsTable.h"

#include <array>
#include <string>
#include <vector>

// What the General Culvert Design window shows, control by control, at one
// moment: texts as typed (untrimmed), list choices by position and catalogue
// identifier, and the grids' cells. The report prints it and the project file
// stores it, so neither needs the window's widgets.
struct GenDesignContents {
    struct DesignRow {
        bool used = false; // the Use tick
        std::vector<std::string>
            cells; // the columns after Use: return period, calc. Q, design Q, TW
    };
    struct ResultRow {
        GenDesignResults::RowTexts cells;
        // Its headwater elevation is above the allowable elevation (shown red).
        bool exceeded = false;
    };

    std::vector<DesignRow> designRows; // grid rows 1 to the last
    std::vector<ResultRow> resultRows; // grid rows 1 to the last, blank ones included

    std::string allowableHeadWaterElevation;
    CulvertInputContents culvert; // type, inlet, size, inverts and length
};
