#pragma once

#include "tailwater/PlotStyle.h"
#include "tailwater/RatingCurve.h"
#include "tailwater/TWXRateCurvePlotMod.h"

#include <optional>
#include <string>

// The rating curve as the rating curve window shows it: discharge along the
// bottom, elevation up the left and depth above the channel bottom on the
// right at the same ticks, the curve in red inside a closed frame, laid out in
// RateCurveScreenLayout. The printed plot draws the same in its own layout and
// style.
namespace TWXRateCurvePlotMod {

// Why the table has no plot: its last row lies no higher, or carries no more
// flow, than its first (the axes would have no range); nullopt when it can
// be plotted.
std::optional<std::string> RatingCurvePlotFault(const RatingCurve& ratingCurve);

// Draws the table on the surface, which the caller has cleared. A table with a
// plot fault throws AppError.
void PlotRatingCurve(PlotSurface& surface, const RatingCurve& ratingCurve);

// The same plot in the given layout, whose margins are set, and style; the
// layout keeps the axes and scales of the plot.
void DrawRatingCurve(PlotSurface& surface, const RatingCurve& ratingCurve, PlotLayout& layout,
                     const PlotStyle& style);

} // namespace TWXRateCurvePlotMod
