#pragma once

#include "riprap_basin/NumberOrText.h"

#include <string>
#include <vector>

// The scour-hole depth table of the riprap basin design: straight lines of
// hs/Ye (scour hole depth over equivalent brink depth) against the brink
// Froude number, one for each ratio d50/Ye from 0.15 to 0.65 in steps of 0.10.
// A line's value at Fr is max(0, Slope Fr + Intercept): below its threshold
// Froude number it gives no scour.
struct HsOverYeLine {
    double Slope = 0;
    double Intercept = 0;
    double D50OverYe = 0;
};

namespace modHec14Riprap {

// Builds (or rebuilds) the table: lines 1 to HsOverYeLineCount in ascending
// D50OverYe; entry 0 holds no line.
void InitializeHec14Tables();

// 6 once built, 0 before.
int HsOverYeLineCount();
const std::vector<HsOverYeLine>& HsOverYeLines();

// hs/Ye for the Froude number Fr and a trial riprap size D50 (ft) over the
// equivalent brink depth Ye (ft), interpolated linearly in d50/Ye between the
// two lines that bracket it. On success errFlag is false, errMsg empty and the
// result a number. Fr above 3 ("Froude Number > 3. Out of range for design
// table.", tested first) or d50/Ye outside 0.15 to 0.65 ("d50/yYe = 0.149.
// Must be >= 0.15", "... Must be <= 0.65") set errFlag, errMsg and give the
// text "ERROR".
//
// Throws AppError: DivisionByZero for Ye = 0; InvalidArgument for an input
// that is nan or infinite; SubscriptOutOfRange before the table is built.
NumberOrText ComputeHsOverYe(double Fr, double D50, double Ye, bool& errFlag, std::string& errMsg);

} // namespace modHec14Riprap
