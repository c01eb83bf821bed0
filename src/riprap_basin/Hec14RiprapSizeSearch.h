#pragma once

#include "riprap_basin/NumberOrText.h"

#include <string>
#include <vector>

// The riprap size and basin lengths of one design flow, as the size search
// leaves them. A new set holds 0 in the two numbers and unset values elsewhere.
struct RiprapBasinResults {
    double D50Sol = 0;  // chosen median riprap size, ft
    double D50oYe = 0;  // D50Sol / Ye
    NumberOrText hsoYe; // hs/Ye of the size last evaluated; "ERROR" when the table refused it
    NumberOrText hs;    // scour hole depth, ft
    NumberOrText Ratiohsd50;
    NumberOrText PoolLs;      // ft
    NumberOrText ApronL;      // ft
    NumberOrText BasinLength; // pool + apron, ft
};

// How a size search ended. SearchMessages holds what the search met on its
// way (a trial size that the scour-hole table refused), in order; the caller
// shows them before sMessage, which says why no size was chosen.
struct RiprapSizeOutcome {
    bool bIsSolution = true;
    std::string sMessage;
    std::vector<std::string> SearchMessages;

    // Every message for the user, in the order they are shown.
    std::vector<std::string> MessagesInOrder() const;
};

namespace Hec14RiprapSizeSearch {

// Chooses the median riprap size for the brink Froude number FrNum and the
// equivalent brink depth Ye (ft) of a culvert W0 ft wide (span times barrels),
// and sizes the basin. Sizes are tried in steps of 0.1 ft from the smallest
// tenth not below 0.151 Ye (always tried) while below the largest tenth not
// above 0.649 Ye; of those whose hs/D50 lies strictly between 2 and 4 the one
// nearest 3 wins, the larger on a tie. Pool length = max(10 hs, 3 W0), apron
// length = max(5 hs, W0), basin length = their sum.
//
// FrNum above 3 ends the search at once and changes no result. When no size
// is chosen, D50Sol, D50oYe and the lengths keep their values and hsoYe, hs
// and Ratiohsd50 hold the last trial's.
//
// Throws AppError: DivisionByZero for Ye = 0; InvalidArgument for a negative
// Ye or an input that is nan or infinite; SubscriptOutOfRange before the
// scour-hole table is built.
RiprapSizeOutcome ComputeD50(double FrNum, double Ye, double W0, RiprapBasinResults& results);

} // namespace Hec14RiprapSizeSearch
