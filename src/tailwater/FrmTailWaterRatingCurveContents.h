#pragma once

#include <array>
#include <string>
#include <vector>

// What the rating curve window shows at one moment: the step size as typed and
// the cells of the rating table, for the reports, the export and the project
// file.
struct RatingCurveContents {
    // Elevation, depth, Q, velocity, area and conveyance, as the grid shows them.
    static constexpr int NumColumns = 6;
    using RowCells = std::array<std::string, NumColumns>;

    std::string stepSize;
    std::vector<RowCells> rows; // grid rows 1 to the last
};
