#include "riprap_basin/Hec14RiprapClass.h"

#include "platform/Numbers.h"

#include <cmath>

namespace Hec14RiprapClass {
namespace {

// The thickness itself, or the minimum's text where it is not above it.
std::string AtLeast(double thickness, double minimum, const char* minimumText) {
    return thickness <= minimum ? minimumText : Numbers::GeneralText(thickness);
}

} // namespace

RiprapRecommendation Recommend(double D50) {
    const double d50 = std::round(D50 * 10) / 10;
    RiprapRecommendation r;
    const double approach = 3 * d50;
    const double basin = 2 * d50;
    r.calculatedApproach = Numbers::GeneralText(approach);
    r.calculatedBasin = Numbers::GeneralText(basin);
    if (d50 <= 1.2) {
        r.riprapClass = "CLASS E";
        r.recommendedApproach = AtLeast(approach, 3.0, "3.0");
        r.recommendedBasin = AtLeast(basin, 2.0, "2.0");
    } else if (d50 <= 2) {
        r.riprapClass = "CLASS B";
        r.recommendedApproach = AtLeast(approach, 4.5, "4.5");
        r.recommendedBasin = AtLeast(basin, 3.0, "3.0");
    } else {
        r.riprapClass = "OUT OF RANGE";
    }
    return r;
}

} // namespace Hec14RiprapClass
