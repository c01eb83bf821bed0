#pragma once

#include "hydraulics/StandardSizeRecords.h"
#include "platform/InputChecks.h"
#include "standard_designs/StandardDesignTables.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// Screening the agency's standard barrels for one discharge: the input checks,
// the band of inlet-control head H (the head above the crown, HWi less the
// rise) with both ends inclusive, the barrel limit and the texts the result
// grids show.
namespace StandardDesignScreen {

// The input texts as typed.
struct InputTexts {
    std::string totalQ;
    std::string hMin;
    std::string hMax;
    std::string inletInvertElev;
};

// The shown text of a blank inlet invert elevation, which counts as 0.
inline constexpr const char* BlankInvertText = "0.00";

struct InputOutcome {
    std::optional<StdDesignInput> input; // with a slope of 0; nullopt after a failure
    std::string field;                   // the control of the failure
    std::string message;                 // the failure's message, "" when none
    // The invert elevation was blank and counts as BlankInvertText: the
    // window shows that text in its box.
    bool invertTakenAsZero = false;
};

// The checks of Q, H-Min, H-Max and the invert elevation, in that order.
std::array<InputChecks::NumberCheck, 4> DesignInputChecks(const InputTexts& texts);

// Checks Q, then H-Min, then H-Max (H-Max above H-Min, else H-Min is
// refused), then the invert elevation, and stops at the first failure.
InputOutcome ReadDesignInput(const InputTexts& texts);

// The most barrels a listed design may have.
int BarrelLimit(bool includeMultipleBarrels);

// The number of barrels as a grid shows it: the barrel word, or the count in
// digits for counts the word does not name (four barrels), so that such a row
// is never taken for a blank one.
std::string BarrelCellText(int numBarrels);

// What one result grid shows after a computation: its row count (heading row
// included; at least StandardDesignTables::MinGridRows) and the texts of rows
// 1 and down from column 1 on. "None" in row 1 when nothing was listed.
struct GridFill {
    int rows = StandardDesignTables::MinGridRows;
    std::vector<std::vector<std::string>> cells;
};

GridFill ListPipeDesigns(const StdDesignResults<StdPipeDesignRow>& results,
                         bool includeMultipleBarrels);
GridFill ListBoxDesigns(const StdDesignResults<StdBoxDesignRow>& results,
                        bool includeMultipleBarrels);
GridFill ListArchDesigns(const StdDesignResults<StdArchDesignRow>& results,
                         bool includeMultipleBarrels);

// All five families evaluated from the loaded size tables, by grid number - 1.
// Throws AppError for a barrel count of 0 or a result that is not finite;
// nothing is returned then.
std::array<GridFill, StandardDesignTables::NumGrids>
ScreenStandardDesigns(const StdDesignInput& input, bool includeMultipleBarrels);

} // namespace StandardDesignScreen
