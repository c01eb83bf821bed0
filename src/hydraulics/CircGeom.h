#pragma once

#include <string>

// Open-channel and full-flow geometry and hydraulics of the circular section.
// D diameter, y depth from the invert (ft), Q discharge (ft^3/s), n Manning
// roughness, S slope (ft/ft). No state.
//
// An input that is nan or infinite throws AppError before any guard is tried.
// Out-of-range input gives 0 through each routine's guards, as listed below.
// What gets past the guards and would divide by zero, take the root of a
// negative number or overflow throws AppError instead of returning inf or nan.
namespace CircGeom {

// Water-surface width. 0 when D < 0.001, y <= 0 or y >= D (a full pipe has no
// free surface); D within 0.001 ft of the centre.
double ComputeCircTopWidth(double D, double y);

// Flow area. 0 when D < 0.001 or y <= 0; the full circle at y >= D; the half
// circle within 0.001 ft of the centre.
double ComputeCircFlowArea(double D, double y);

// Wetted perimeter. 0 when D < 0.001 or y <= 0; the full circumference at
// y >= D; half of it within 0.001 ft of the centre.
double ComputeCircWettedPerimeter(double D, double y);

// Critical depth, solving Q^2 / g = A^3 / T by bisection between 0.001 and
// 0.985 D (at most 100 passes, tolerance 0.001 ft; iterations counts the
// passes). 0 when Q <= 0 or D <= 0.001; 0.001 when the discharge is critical
// below that; D itself when it is critical above 0.985 D.
double ComputeCircCriticalDepth(double Q, double D, int& iterations);

// Normal depth by the shared bisection between 0.001 and 0.9381812109 D (the
// depth of largest Manning discharge). Returns 1 (depth found, including 0),
// 3 (Q above the discharge at that depth: depth = D, flag 1 and the message)
// or 0 (not converged; depth not written).
int ComputeCircNormalDepth(double D, double Q, double n, double S, double& normalDepth,
                           int& flowTooLargeFlag, std::string& message, int& iterations);

// Manning discharge at depth y (y >= D flows full). 0 unless D > 0 and y > 0;
// n = 0, a negative slope or a section without perimeter (D < 0.001) throws
// AppError.
double ComputeCircManningQ(double D, double n, double y, double S);

} // namespace CircGeom
