#pragma once

#include <string>

// The riprap class and the approach and basin/apron thicknesses that go with
// a chosen riprap size D50 (ft), as the texts the riprap basin window shows.
struct RiprapRecommendation {
    std::string riprapClass;         // "CLASS E", "CLASS B" or "OUT OF RANGE"
    std::string calculatedApproach;  // 3 D50, ft
    std::string recommendedApproach; // empty when out of range
    std::string calculatedBasin;     // 2 D50, ft
    std::string recommendedBasin;    // empty when out of range
};

namespace Hec14RiprapClass {

// The size search steps D50 by 0.1 ft in floating point, so a size shown as
// 1.2 may lie a rounding error above it; D50 is taken at its nearest tenth
// for the class, the thicknesses and their minimums. Up to 1.2 ft is class E
// (at least 3.0 ft approach, 2.0 ft basin), up to 2 ft class B (4.5 and 3.0
// ft), above that out of range (no recommendation).
RiprapRecommendation Recommend(double D50);

} // namespace Hec14RiprapClass
