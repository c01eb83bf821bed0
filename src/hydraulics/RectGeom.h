#pragma once

#include <string>

// Open-channel and full-flow geometry and hydraulics of the rectangular (box)
// section. Q discharge (ft^3/s), B span, D rise, y depth from the invert (ft),
// n Manning roughness, S slope (ft/ft). No state.
//
// An input that is nan or infinite throws AppError before any guard is tried.
// Out-of-range input gives 0 through each routine's guards, as listed below.
// What gets past the guards and would divide by zero, take the root of a
// negative number or overflow throws AppError instead of returning inf or nan.
namespace RectGeom {

// dc = (Q^2 / (B^2 g))^(1/3); 0 unless Q > 0 and B > 0.001.
double ComputeRectCriticalDepth(double Q, double B);

// Friction slope of a closed box at depth y: the roof is dry below y = D
// (P = 2y + B), the box is full at y >= D (A = DB, P = 2D + 2B). 0 unless
// Q > 0 and B > 0; throws when the flow area or wetted perimeter is 0 or the
// hydraulic radius is negative (y <= 0).
double ComputeRectBoxFrictionSlope(double Q, double B, double D, double y, double n);

// Friction slope of an open rectangle at depth y (P = 2y + B). No guard;
// throws where the box routine above does.
double ComputeRectOpenFrictionSlope(double Q, double B, double y, double n);

// Normal depth by the shared bisection between 0.001 and D. Returns 1 (depth
// found, including 0 for a discharge the section carries at 0.001 ft), 3 (Q
// above the discharge at depth D: depth = D, flag 1 and the message) or 0
// (not converged; depth not written).
int ComputeRectNormalDepth(double Q, double B, double D, double n, double S, double& normalDepth,
                           int& flowTooLargeFlag, std::string& message, int& iterations);

// Manning discharge at depth y, always with the open-channel perimeter B + 2y.
// 0 unless n > 0, B > 0, y > 0 and S > 0.
double ComputeRectManningQ(double n, double B, double y, double S);

} // namespace RectGeom
