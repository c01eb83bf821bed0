#pragma once

#include "tailwater/PlotLayout.h"

// The cross-section plot's layout and the tidy-axis routine every tailwater
// plot uses.
namespace TWXSecPlotMod {

extern PlotLayout XSecScreenLayout;

// Start-up: the screen layout of the cross-section plot.
void InitializeXSecPlot();

// Tidy ends A <= dataMin and B >= dataMax for an axis, as `intervals` equal
// intervals of 1, 2 or 5 times a power of ten, and the decimals its labels
// need. The ends are stepped by repeated addition of the interval, so an
// interval that a double cannot hold (0.1, 0.02, ...) drifts and may add an
// interval at either end. Far from zero (more than 10,000 intervals from it)
// the ends are taken as exact multiples instead.
//
// A range of 0 (or below the smallest normal double) gives two intervals of 1,
// or of the power of ten that the value's precision resolves, around
// floor(dataMin): still a drawable axis. Data given maximum first is scaled as
// if given in order. Non-finite data throws AppError.
void ComputeAxisScale(double dataMin, double dataMax, double& axisMin, double& axisMax,
                      int& intervals, int& decimals);

} // namespace TWXSecPlotMod
