#include "riprap_basin/modHec14Riprap.h"

#include "platform/Numbers.h"
#include "riprap_basin/CheckedDivision.h"

#include <algorithm>
#include <cstddef>

namespace modHec14Riprap {
namespace {

int mHsOverYeLineCount = 0;
std::vector<HsOverYeLine> mHsOverYeLines;

// The design chart of scour depth against the brink Froude number, one line
// per d50/Ye, as lines: slope, intercept, d50/Ye.
const std::vector<HsOverYeLine> Table = {
    {3.067797, -2.015981, 0.15}, {1.842105, -1.526316, 0.25}, {1.548673, -1.438053, 0.35},
    {1.359223, -1.436893, 0.45}, {1.296703, -1.556044, 0.55}, {1.156627, -1.520138, 0.65},
};

constexpr double MaxFroudeNumber = 3;
constexpr double MinD50OverYe = 0.15;
constexpr double MaxD50OverYe = 0.65;

double LineValue(const HsOverYeLine& line, double Fr) {
    return std::max(0.0, line.Slope * Fr + line.Intercept);
}

// i of the pair of lines i and i + 1 that brackets r; the last pair takes the
// table's upper end.
std::size_t BracketingLine(double r) {
    const auto count = static_cast<std::size_t>(mHsOverYeLineCount);
    for (std::size_t i = 1; i < count; ++i) {
        if (mHsOverYeLines[i].D50OverYe <= r &&
            (r < mHsOverYeLines[i + 1].D50OverYe || i + 1 == count)) {
            return i;
        }
    }
    throw AppError(ErrorNumber::SubscriptOutOfRange,
                   "Subscript out of range (the scour-hole depth table is not built)");
}

} // namespace

void InitializeHec14Tables() {
    mHsOverYeLineCount = static_cast<int>(Table.size());
    mHsOverYeLines.assign(1, HsOverYeLine{});
    mHsOverYeLines.insert(mHsOverYeLines.end(), Table.begin(), Table.end());
}

int HsOverYeLineCount() {
    return mHsOverYeLineCount;
}

const std::vector<HsOverYeLine>& HsOverYeLines() {
    return mHsOverYeLines;
}

NumberOrText ComputeHsOverYe(double Fr, double D50, double Ye, bool& errFlag, std::string& errMsg) {
    constexpr const char* what = "the scour-hole depth ratio";
    OpenChannelFlow::RequireFinite(what, {{"Fr", Fr}, {"D50", D50}, {"Ye", Ye}});
    errFlag = true;
    errMsg.clear();
    const NumberOrText refused = std::string("ERROR");
    if (Fr > MaxFroudeNumber) {
        errMsg = "Froude Number > 3. Out of range for design table.";
        return refused;
    }
    const double r = CheckedDivision(D50, Ye, what, "Ye is 0");
    if (r < MinD50OverYe) {
        errMsg = "d50/yYe = " + Numbers::GeneralText(r) + ". Must be >= 0.15";
        return refused;
    }
    if (r > MaxD50OverYe) {
        errMsg = "d50/yYe = " + Numbers::GeneralText(r) + ". Must be <= 0.65";
        return refused;
    }
    const std::size_t i = BracketingLine(r);
    const HsOverYeLine& lower = mHsOverYeLines[i];
    const HsOverYeLine& upper = mHsOverYeLines[i + 1];
    const double V0 = LineValue(lower, Fr);
    const double V1 = LineValue(upper, Fr);
    const double T = (r - lower.D50OverYe) / (upper.D50OverYe - lower.D50OverYe);
    errFlag = false;
    return V0 + (V1 - V0) * T;
}

} // namespace modHec14Riprap
