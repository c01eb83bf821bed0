#pragma once

#include <vector>

// Brink depth Yo of a circular or box barrel that is not on a steep slope, as
// the ratio Yo/D against x = TW/D (TW tailwater depth at the brink, D the
// barrel rise, ft). Each table holds curves 0 to BrinkCurveCount with
// ascending discharge-intensity keys: Q/D^2.5 for circular barrels, Q/(B D^1.5)
// for box barrels (Q discharge of one barrel, ft^3/s; B span, ft). A curve is
// a polynomial in x below XMin and its limit from XMin on. Curve 0 is the line
// Yo/D = TW/D, so a discharge of 0 leaves the tailwater at the brink.
//
// The tables are built once at start-up by InitBrinkDepthCurves and only read
// afterwards.
struct BrinkDepthCurve {
    // Polynomial coefficients, lowest power first: 4 for a circular curve
    // (cubic), 5 for a box curve (quartic).
    std::vector<double> Coef;
    double Key = 0;
    double XMin = 0;
    // The limit from XMin on: 0 Yo/D = TW/D, 1 Yo/D = 1 (full barrel).
    int Flag = 0;
};

namespace modHec14RRYo {

// Builds (or rebuilds) both tables.
void InitBrinkDepthCurves();

// The index of the last curve of each table: 12 once built, 0 before.
int BrinkCurveCount();
const std::vector<BrinkDepthCurve>& CircBrinkCurves();
const std::vector<BrinkDepthCurve>& BoxBrinkCurves();

// Yo/D, within 0 to 1, of a circular barrel of diameter D carrying Q with
// tailwater TW at the brink: 1 when TW/D >= 1 or Q/D^2.5 > 6; otherwise the
// linear interpolation in Q/D^2.5 between the two curves whose keys bracket
// it, both evaluated at TW/D.
//
// Throws AppError: DivisionByZero for D = 0; InvalidArgument for a negative
// D, a negative Q or an input that is nan or infinite; SubscriptOutOfRange
// before the tables are built.
double CircBrinkDepthRatio(double Q, double TW, double D);

// The same for a box barrel of span B and rise D, keyed by Q/(B D^1.5) up to
// 8 (note the order: discharge, span, tailwater, rise). Throws as above, and
// for B as for D.
double BoxBrinkDepthRatio(double Q, double B, double TW, double D);

// Curve Index (0 to BrinkCurveCount) of the circular or box table at X = TW/D:
// 1 from X = 1 on; its limit from XMin on; below, its polynomial clipped to 0
// to 1. Throws AppError (SubscriptOutOfRange) for any other index.
double EvalCircBrinkCurve(int Index, double X);
double EvalBoxBrinkCurve(int Index, double X);

} // namespace modHec14RRYo
