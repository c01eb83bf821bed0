#include "riprap_basin/Hec14RiprapSizeSearch.h"

#include "riprap_basin/CheckedDivision.h"
#include "riprap_basin/modHec14Riprap.h"

#include <algorithm>
#include <cmath>

std::vector<std::string> RiprapSizeOutcome::MessagesInOrder() const {
    std::vector<std::string> messages = SearchMessages;
    if (!sMessage.empty()) {
        messages.push_back(sMessage);
    }
    return messages;
}

namespace Hec14RiprapSizeSearch {
namespace {

constexpr const char* What = "the riprap size search";
constexpr double SizeStep = 0.1; // ft

double RoundToTenth(double t) {
    return std::round(t * 10) / 10;
}

// hs/D50 of one trial size; false when the scour-hole table refused it, whose
// message then joins the outcome.
bool TrySize(double FrNum, double Ye, double d, RiprapBasinResults& results,
             RiprapSizeOutcome& outcome, double& ratio) {
    bool refused = false;
    std::string message;
    results.hsoYe = modHec14Riprap::ComputeHsOverYe(FrNum, d, Ye, refused, message);
    if (refused) {
        outcome.SearchMessages.push_back(message);
        return false;
    }
    const double hs = std::get<double>(results.hsoYe) * Ye;
    ratio = CheckedDivision(hs, d, What, "the trial size is 0");
    results.hs = hs;
    results.Ratiohsd50 = ratio;
    return true;
}

} // namespace

RiprapSizeOutcome ComputeD50(double FrNum, double Ye, double W0, RiprapBasinResults& results) {
    OpenChannelFlow::RequireFinite(What, {{"FrNum", FrNum}, {"Ye", Ye}, {"W0", W0}});
    RiprapSizeOutcome outcome;
    if (FrNum > 3) {
        outcome.bIsSolution = false;
        outcome.sMessage =
            "Froude Number > 3. Out of range for design table. A larger culvert might work.";
        return outcome;
    }
    if (Ye < 0) {
        OpenChannelFlow::ThrowInvalidArgument(What, "Ye is negative");
    }
    const double lowTarget = 0.151 * Ye;
    double lo = RoundToTenth(lowTarget);
    if (lo < lowTarget) {
        lo += SizeStep;
    }
    const double highTarget = 0.649 * Ye;
    double hi = RoundToTenth(highTarget);
    if (hi > highTarget) {
        hi -= SizeStep;
    }

    // The first size inside the band always beats this.
    double smallestDeviation = 10000;
    bool found = false;
    double chosen = 0;
    double d = lo;
    do {
        double ratio = 0;
        if (!TrySize(FrNum, Ye, d, results, outcome, ratio)) {
            break;
        }
        if (ratio > 2 && ratio < 4) {
            found = true;
            const double deviation = std::abs(ratio - 3);
            if (deviation <= smallestDeviation) {
                smallestDeviation = deviation;
                chosen = d;
            }
        }
        // Stepped by addition, not as lo + k steps: the rounding of the sum
        // decides whether the last tenth below hi is tried.
        d += SizeStep;
    } while (d < hi);

    if (!found) {
        outcome.bIsSolution = false;
        outcome.sMessage =
            "No feasible solution. Check exit velocity, Vo. Erosion protection may not be needed.";
        return outcome;
    }
    double ratio = 0;
    TrySize(FrNum, Ye, chosen, results, outcome, ratio);
    const double hs = std::get<double>(results.hs);
    results.D50Sol = chosen;
    results.D50oYe = CheckedDivision(chosen, Ye, What, "Ye is 0");
    const double pool = std::max(10 * hs, 3 * W0);
    const double apron = std::max(5 * hs, W0);
    results.PoolLs = pool;
    results.ApronL = apron;
    results.BasinLength = pool + apron;
    return outcome;
}

} // namespace Hec14RiprapSizeSearch
