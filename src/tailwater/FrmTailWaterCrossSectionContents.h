#pragma once

#include <array>
#include <string>
#include <vector>

// What the channel cross-section window shows at one moment, texts as typed
// (untrimmed): the reports and the project file take it without the widgets.
struct CrossSectionContents {
    // Grid rows 1 to 50 in order: station, elevation and Manning n.
    static constexpr int NumPoints = 50;
    using PointCells = std::array<std::string, 3>;
    std::vector<PointCells> points;

    std::string channelSlope;
    std::string leftOBStation;
    std::string rightOBStation;
};
