#pragma once

#include "tailwater/FrmTailWaterRatingCurveContents.h"

#include <array>

// The rating table's columns as the printed table and the export head them:
// longer than the window's own headings, "Flowrate" for Q and "(feet)" for ft.
namespace RatingTableColumns {

using Texts = std::array<const char*, RatingCurveContents::NumColumns>;

inline constexpr Texts Names = {"Elevation", "Depth", "Flowrate", "Velocity", "Area", "Conveyance"};
inline constexpr Texts Units = {"(feet)", "(feet)", "(ft^3/s)", "(ft/s)", "(ft^2)", "(ft^3/s)"};

} // namespace RatingTableColumns
