#pragma once

#include "platform/InputChecks.h"
#include "platform/TextGrid.h"
#include "tailwater/ChannelSection.h"
#include "tailwater/RatingCurve.h"

#include <string>
#include <vector>

// The downstream channel's hydraulics: checking the cross-section as typed,
// preparing it, Manning conveyance at a water-surface elevation, the normal
// depth of a discharge, the rating table, and reading discharge columns of the
// tailwater grids. Depths are measured from the section's lowest point.
//
// Check procedures return an error flag (1 = failed) and the message of the
// first failure and show nothing. Arithmetic that overflows on absurd input
// throws AppError.
namespace TailWaterMod {

// The data columns of the channel point grid and their names: index c names
// grid column c; index 0 is the word before a point number in the messages.
extern int XSecColumnCount;
extern std::vector<std::string> XSecColumnNames;

// Start-up: the column names above.
void InitializeTailWaterMod();

// Checks the slope text, the point grid (columns 1 station, 2 elevation,
// 3 Manning n, from row 1) and the over-bank texts in a fixed order, stopping
// at the first failure; on success input holds the parsed values, at least two
// points, and points that do not all lie at one elevation. A failure's field
// names the box ("TxtChannelSlope", "TxtLeftOBStation", "TxtRightOBStation")
// or the point cell (InputChecks::CellField of "GrdXSection") to correct; it
// is empty for a failure of the whole section.
void ValidateCrossSectionData(const TextGrid& grid, CrossSectionInput& input, int& errFlag,
                              std::string& message, std::string& field);

// The typed numbers of a validated input, slope first, then the points in
// order, to be held to the bound once every other check of the action has
// passed; a section is prepared only from values within it.
std::vector<InputChecks::Magnitude> CrossSectionBounds(const CrossSectionInput& input);

// The segments, roughness subsections, over-bank limits and the lowest,
// highest and top elevations of a validated input. All fields but Plotted are
// overwritten. Fewer than two points, or stations so far apart that a segment
// overflows, throw AppError.
void PrepareCrossSection(const CrossSectionInput& input, ChannelSection& section);

// Flow area (ft^2) and Manning conveyance K (ft^3/s) at water-surface
// elevation W; Q at normal depth is K sqrt(S). An over-bank counts only once
// the water is above its bank point; above an end point the section acts as
// walled at its end station.
void ComputeConveyance(const ChannelSection& section, double W, double& area, double& conveyance);

// The water-surface elevation and depth at which the section carries Q at
// normal depth on slope S, within 1E-05 ft^3/s or 1E-05 ft. iterations is the
// number of halvings, written only when the halving stage runs. When no depth
// is found, errFlag is 1 with a message and elevation and depth are 0; a
// negative Q gives depth 0.
void ComputeNormalDepth(const ChannelSection& section, double slope, double Q, double& elevation,
                        double& depth, int& errFlag, std::string& message, int& iterations);

// The most rows a rating table may have: grid rows 1 to 9,999 below the heading.
inline constexpr int MaxRatingCurveRows = 9999;

// Checks the rating step text (trimmed here): given, a number, above 0.
void ValidateRatingCurveStepSize(const std::string& stepText, int& errFlag, std::string& message);

// Why a checked step can not tabulate the section: it gives more than
// MaxRatingCurveRows rows; empty when it can.
std::string RatingCurveRowsProblem(const ChannelSection& section, double stepSize);

// The rating table from the channel bottom up to TopElevation in steps of
// ratingCurve.StepSize, which the caller sets with SqrtSlope first.
void ComputeRatingCurve(const ChannelSection& section, RatingCurve& ratingCurve);

// Why a computed table can not be shown: a discharge, velocity, area or
// conveyance that is not Numbers::Showable; empty when it can.
std::string RatingCurveOutOfRange(const RatingCurve& ratingCurve);

// Writes the table below the grid's heading row: elevation, depth, Q,
// velocity, area and conveyance in columns 0 to 5, two decimals.
void FillRatingCurveGrid(TextGrid& grid, const RatingCurve& ratingCurve);

// Reads one column of a grid in which rows may be blank: flags[r] is 1 where
// row r holds a number, values[r] that number (both sized to the grid's rows,
// row 0 always 0). A cell that is not a number sets errFlag to 1 and the
// message and ends the reading; errFlag and message are otherwise untouched.
void ReadQElevGridColumn(const TextGrid& grid, int column, std::vector<int>& flags,
                         std::vector<double>& values, int& errFlag, std::string& message);
// The same reading, for the design-discharge grids.
void ReadTWGridQColumn(const TextGrid& grid, int column, std::vector<int>& flags,
                       std::vector<double>& values, int& errFlag, std::string& message);

} // namespace TailWaterMod
