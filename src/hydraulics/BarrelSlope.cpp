#include "hydraulics/BarrelSlope.h"

#include "hydraulics/OpenChannelFlow.h"
#include "platform/Numbers.h"

#include <cmath>

namespace BarrelSlope {
namespace {

constexpr double LeastFall = 0.0001;      // ft
constexpr double LeastNormalSlope = 1e-7; // ft/ft
constexpr double LevelSlope = 1e-6;       // ft/ft
constexpr double CriticalBand = 0.001;    // ft between normal and critical depth

} // namespace

Slopes FromInverts(double inletInvert, double outletInvert, double length) {
    if (length == 0) {
        OpenChannelFlow::ThrowDivisionByZero("the barrel slope", "the barrel length is 0");
    }
    const double fall = inletInvert - outletInvert;
    const double slope = OpenChannelFlow::Finite(fall / length, "the barrel slope");
    double normalSlope = 0;
    if (fall > LeastFall && slope >= LeastNormalSlope) {
        normalSlope = slope;
    }
    return {slope, normalSlope};
}

bool NormalDepthDefined(double normalSlope) {
    return normalSlope > LeastNormalSlope;
}

Outcome Classify(double slope, int status, double dn, double dc) {
    Outcome outcome;
    if (std::abs(slope) < LevelSlope) {
        outcome.slopeClass = "Horizontal";
    }
    if (slope <= -LevelSlope) {
        outcome.slopeClass = "Adverse";
    }
    switch (status) {
    case OpenChannelFlow::DepthFound:
        outcome.normalDepthText = Numbers::Format(dn, Numbers::GroupedTwoDecimals);
        if (dn < dc) {
            outcome.slopeClass = "Steep";
        } else if (dn > dc) {
            outcome.slopeClass = "Mild";
        }
        if (std::abs(dn - dc) < CriticalBand) {
            outcome.slopeClass = "Critical";
        }
        return outcome;
    case OpenChannelFlow::SlopeTooSmall:
        outcome.normalDepthText = "Undefined(1)";
        break;
    case OpenChannelFlow::AboveOpenChannelMaximum:
        outcome.normalDepthText = "Undefined(2)";
        break;
    default:
        // The search ran out of passes: nothing of an earlier flow may stand here.
        outcome.normalDepthText = "Undefined";
        break;
    }
    if (outcome.slopeClass.empty()) {
        outcome.slopeClass = "Undefined";
    }
    return outcome;
}

} // namespace BarrelSlope
