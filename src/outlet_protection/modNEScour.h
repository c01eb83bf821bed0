#pragma once

#include <string>

// The NE scour hole at a culvert outlet: a riprap-lined basin depressed half
// the culvert span (type 1) or the full span (type 2), its dimensions and its
// riprap. Lengths in feet, discharges in ft^3/s.
namespace modNEScour {

inline constexpr int HalfSpanDepression = 1;
inline constexpr int FullSpanDepression = 2;

// The riprap size D50 of the scour hole riprap equation. Throws AppError when
// the tailwater depth or the span is zero or the result is not a finite number.
double ComputeScourHoleD50(int DepressType, double Q, double TW, double D);

// One design as the window shows it: the dimensions as plain number texts,
// D50 and the thicknesses with two decimals, the class and the recommended
// thickness ("OUT OF RANGE" both when D50 exceeds the largest class).
struct ScourHoleDesignTexts {
    std::string eDim;
    std::string aDim;
    std::string fDim;
    std::string cDim;
    std::string calcD50;
    std::string calcD;
    std::string recD50;
    std::string recD;
};

// The design of one depression type for a span D, a discharge Q and a
// tailwater depth TW, all > 0. Throws AppError when a result overflows.
ScourHoleDesignTexts DesignScourHole(int DepressType, double Q, double TW, double D);

} // namespace modNEScour
