#pragma once

#include <vector>

// One elevation of the rating table. ft, ft^3/s, ft/s, ft^2.
struct RatingCurveRow {
    double Elevation = 0;
    double Depth = 0;
    double Q = 0;
    double Velocity = 0; // 0 where the area is 0
    double Area = 0;
    double Conveyance = 0;
};

// The rating curve window's table. The window sets StepSize, Slope and
// SqrtSlope; TailWaterMod::ComputeRatingCurve fills the rest.
struct RatingCurve {
    // Row 0 is the channel bottom.
    std::vector<RatingCurveRow> Rows;
    // 1 after a complete compute and plot: the condition for printing the plot.
    int Plotted = 0;
    double StepSize = 0;
    double MinElevation = 0;
    double TopElevation = 0;
    double Slope = 0;
    double SqrtSlope = 0;
};
