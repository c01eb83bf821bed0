#pragma once

#include <string>

// The slope of a culvert barrel and the hydraulic slope class that the design
// windows show, from the inverts and, once the normal-depth search has run,
// from the normal and critical depths.
namespace BarrelSlope {

struct Slopes {
    double slope;       // (inlet invert - outlet invert) / length, with its sign
    double normalSlope; // what the inlet equations and the normal-depth search see
};

// A fall within survey precision (0.0001 ft) counts as none, and so does a
// slope below 1E-7: the normal slope is then 0. Throws AppError for a length
// of 0 or a slope that is not a finite number.
Slopes FromInverts(double inletInvert, double outletInvert, double length);

// Whether the normal-depth search runs at all for this normal slope.
bool NormalDepthDefined(double normalSlope);

// The normal depth as shown and the slope class, from the search's status
// (OpenChannelFlow's DepthFound, SlopeTooSmall, AboveOpenChannelMaximum or
// not converged), the normal depth dn and the critical depth dc.
struct Outcome {
    std::string normalDepthText;
    std::string slopeClass;
};
Outcome Classify(double slope, int status, double dn, double dc);

} // namespace BarrelSlope
